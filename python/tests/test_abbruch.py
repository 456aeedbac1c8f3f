# SPDX-License-Identifier: GPL-3.0-or-later
"""Ctrl+C stops a long run and a long study: SIGINT, sent by another thread
once the work is under way, comes out as KeyboardInterrupt long before the
work would have ended, and the module works on as before."""
import os
import signal
import threading
import time
import unittest

import numpy as np

import kalvion

# A stepped run of 30.7 million steps: about ten seconds.
LANG = {"time_h": 10000, "method": "stepwise"}


def unterbrochen(aufgabe):
    """Runs aufgabe(progress) and sends SIGINT from another thread at its first
    progress report; returns the seconds from the signal to KeyboardInterrupt."""
    unterwegs = threading.Event()
    gesendet = []

    def senden():
        unterwegs.wait()
        gesendet.append(time.monotonic())
        os.kill(os.getpid(), signal.SIGINT)

    sender = threading.Thread(target=senden)
    sender.start()
    try:
        aufgabe(lambda anteil: unterwegs.set())
    except KeyboardInterrupt:
        return time.monotonic() - gesendet[0]
    finally:
        unterwegs.set()
        sender.join()
    raise AssertionError("the work ended without KeyboardInterrupt")


class Abbruch(unittest.TestCase):
    def setUp(self):
        self.assertIs(signal.getsignal(signal.SIGINT), signal.default_int_handler)

    def test_lauf_und_studie(self):
        vorher = kalvion.run()
        for name, aufgabe in [
            ("run", lambda melden: kalvion.run(**LANG, progress=melden)),
            ("study", lambda melden: kalvion.study(**LANG, geometry=["linear", "spherical"], threads=2,
                                                   progress=melden)),
        ]:
            with self.subTest(name):
                dauer = unterbrochen(aufgabe)
                print(f"{name}: KeyboardInterrupt {dauer * 1000:.1f} ms after SIGINT")
                # The whole work takes seconds; the stop comes within the next
                # look at the signals and the run's next step.
                self.assertLess(dauer, 2.0)
        np.testing.assert_array_equal(kalvion.run().final, vorher.final)


if __name__ == "__main__":
    unittest.main()
