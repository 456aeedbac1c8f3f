#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Speed figures of the Python module, one "name value unit" line each, as
kalvion_bench prints its own:

py_run_overhead   kalvion.run() of the start-up run against the same run in
                  the engine alone, minus 1 (median CPU times of the calling
                  thread, where the run steps, so that other load on the
                  machine shifts both alike)
py_thread_ratio   a 24-run study (threads=1) from two Python threads at once
                  against the same two studies one after the other (wall
                  time: needs two idle cores)
cli_process_ratio the same for two kalvion-cli processes, no Python at all:
                  what the machine gives two of anything at the moment
py_interrupt_ms   from SIGINT to KeyboardInterrupt in a long stepped run

    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py [path/to/kalvion-cli]
"""
import os
import signal
import statistics
import subprocess
import sys
import threading
import time

import kalvion

STUDIE = {"temperature_c": list(range(1000, 1120, 5)), "threads": 1}  # 24 start-up-sized runs


def median_zeit(aufgabe, wiederholungen, uhr=time.perf_counter):
    zeiten = []
    for _ in range(wiederholungen):
        anfang = uhr()
        aufgabe()
        zeiten.append(uhr() - anfang)
    return statistics.median(zeiten)


def gepaart(a, b, paare):
    """The median of a's time over b's, the two measured by turns, so that
    load that comes and goes meets both alike."""
    return statistics.median(a() / b() for _ in range(paare))


def laufaufwand():
    kalvion.run()  # warm
    python = lambda: median_zeit(kalvion.run, 1, time.thread_time)
    engine = lambda: kalvion._kalvion._engine_seconds(1)
    return gepaart(python, engine, 61) - 1


def threadverhaeltnis():
    assert len(kalvion.study(**STUDIE, as_frame=False)["c_1"]) == 24

    def zugleich():
        faeden = [threading.Thread(target=kalvion.study_csv, kwargs=STUDIE) for _ in range(2)]
        for f in faeden:
            f.start()
        for f in faeden:
            f.join()

    return gepaart(lambda: median_zeit(lambda: kalvion.study_csv(**STUDIE), 2) * 2,
                   lambda: median_zeit(zugleich, 1), 7)


def prozessverhaeltnis(cli):
    befehl = [cli, "--temperatur", ",".join(map(str, STUDIE["temperature_c"])), "--threads", "1", "--tabelle"]

    def einer():
        subprocess.run(befehl, check=True, stdout=subprocess.DEVNULL)

    def zwei():
        prozesse = [subprocess.Popen(befehl, stdout=subprocess.DEVNULL) for _ in range(2)]
        for p in prozesse:
            p.wait()

    return gepaart(lambda: median_zeit(einer, 2) * 2, lambda: median_zeit(zwei, 1), 7)


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
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "build", "cli", "kalvion-cli")
    if os.path.exists(cli):
        print(f"cli_process_ratio {prozessverhaeltnis(cli):.3f} ratio", flush=True)
    print(f"py_interrupt_ms {unterbrechung_ms():.1f} ms", flush=True)
