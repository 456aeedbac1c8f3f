# SPDX-License-Identifier: GPL-3.0-or-later
"""The examples run: the Dask study's slices, computed on a LocalCluster of
worker processes and joined, are the whole study's table byte for byte; the
notebook example runs, plots and fits."""
import importlib.util
import os
import subprocess
import sys
import tempfile
import time
import unittest

import kalvion
from hilfen import BEISPIELE, cli


class Beispiele(unittest.TestCase):
    def test_dask_studie_wie_ganze_studie(self):
        if importlib.util.find_spec("distributed") is None:
            self.skipTest("dask.distributed is not installed (python3-distributed)")
        with tempfile.TemporaryDirectory() as ordner:
            ziel = os.path.join(ordner, "studie.csv")
            anfang = time.monotonic()
            subprocess.run([sys.executable, os.path.join(BEISPIELE, "dask_study.py"), "--slices", "5",
                            "--workers", "2", "--temperature", "1000:1200:50", "--time", "1,2",
                            "--geometry", "linear,spherical", "--output", ziel],
                           check=True, capture_output=True, timeout=120)
            print(f"Dask study of 20 runs in 5 slices: {time.monotonic() - anfang:.1f} s")
            with open(ziel, "rb") as datei:
                verteilt = datei.read()
        ganz = cli("--modell", "linear,spherical", "--temperatur", "1000:1200:50", "--zeit", "1,2",
                   "--verfahren", "auto", "--tabelle").stdout
        self.assertEqual(verteilt, ganz)
        self.assertEqual(verteilt, kalvion.study_csv(geometry="linear,spherical", temperature_c="1000:1200:50",
                                                     time_h=[1, 2]))

    def test_notebook(self):
        with tempfile.TemporaryDirectory() as ordner:
            lauf = subprocess.run([sys.executable, os.path.join(BEISPIELE, "notebook.py"), ordner],
                                  check=True, capture_output=True, timeout=120)
            text = lauf.stdout.decode()
            self.assertIn("fitted D =", text)
            if importlib.util.find_spec("matplotlib") is not None:
                self.assertTrue(os.path.getsize(os.path.join(ordner, "kalvion_curves.png")) > 0)


if __name__ == "__main__":
    unittest.main()
