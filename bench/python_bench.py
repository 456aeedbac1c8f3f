#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Speed figures of the Python module, one "name value unit" line each, as
kalvion_bench prints its own:

py_run_overhead   kalvion.run() of the start-up run against the same run in
                  the engine alone (median times), minus 1
py_thread_ratio   a 24-run study (threads=1) from two Python threads at once
                  against the same two studies one after the other
py_interrupt_ms   from SIGINT to KeyboardInterrupt in a long stepped run

    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py
"""
import os
import signal
import statistics
import threading
import time

import kalvion

STUDIE = {"temperature_c": list(range(1000, 1120, 5)), "threads": 1}  # 24 start-up-sized runs


def median_zeit(aufgabe, wiederholungen):
    zeiten = []
    for _ in range(wiederholungen):
        anfang = time.perf_counter()
        aufgabe()
        zeiten.append(time.perf_counter() - anfang)
    return statistics.median(zeiten)


def laufaufwand():
    kalvion.run()  # warm
    python = median_zeit(kalvion.run, 41)
    engine = kalvion._kalvion._engine_seconds(41)
    return python / engine - 1


def threadverhaeltnis():
    assert len(kalvion.study(**STUDIE, as_frame=False)["c_1"]) == 24
    nacheinander = min(median_zeit(lambda: kalvion.study_csv(**STUDIE), 2) * 2 for _ in range(3))

    def zugleich():
        faeden = [threading.Thread(target=kalvion.study_csv, kwargs=STUDIE) for _ in range(2)]
        for f in faeden:
            f.start()
        for f in faeden:
            f.join()

    parallel = min(median_zeit(zugleich, 1) for _ in range(3))
    return nacheinander / parallel


def unterbrechung_ms():
    unterwegs = threading.Event()
    gesendet = []

    def senden():
        unterwegs.wait()
        gesendet.append(time.monotonic())
        os.kill(os.getpid(), signal.SIGINT)

    sender = threading.Thread(target=senden)
    sender.start()
    try:
        kalvion.run(time_h=10000, method="stepwise", progress=lambda anteil: unterwegs.set())
    except KeyboardInterrupt:
        return (time.monotonic() - gesendet[0]) * 1000
    finally:
        sender.join()
    return float("nan")


if __name__ == "__main__":
    print(f"py_run_overhead {laufaufwand():.3f} ratio", flush=True)
    print(f"py_thread_ratio {threadverhaeltnis():.3f} ratio", flush=True)
    print(f"py_interrupt_ms {unterbrechung_ms():.1f} ms", flush=True)
