# SPDX-License-Identifier: GPL-3.0-or-later
"""Every refusal is an exception, never a printed line: a value the command
line refuses is a ValueError with its English message (naming the keyword
where the command line names its option), a file that cannot be read or
written an OSError."""
import errno
import os
import subprocess
import sys
import tempfile
import unittest

import kalvion
from hilfen import cli_meldung

PROGRAMM = kalvion.Programme([(5, 1050, 2), (10, 20)])

# (name, the call, the command line's options for the same, the option's
# name there and the keyword's here)
WERTFEHLER = [
    ("temperature too high", lambda: kalvion.run(temperature_c=20000), ["--temperatur", "20000"],
     ("--temperatur", "temperature_c")),
    ("time zero", lambda: kalvion.run(time_h=0), ["--zeit", "0"], ("--zeit", "time_h")),
    ("no number", lambda: kalvion.run(length_um="fifty"), ["--weg", "fifty"], ("--weg", "length_um")),
    ("cells out of range", lambda: kalvion.run(filled_cells=199.5), ["--i-diff", "199.5"],
     ("--i-diff", "filled_cells")),
    ("unknown model", lambda: kalvion.run(geometry="cubic"), ["--modell", "cubic"], ("--modell", "geometry")),
    ("unknown method", lambda: kalvion.run(method="slow"), ["--verfahren", "slow"], None),
    ("D cannot be formed", lambda: kalvion.run(d0=0), ["--d0", "0"], None),
    ("steps cannot be counted", lambda: kalvion.run(length_um=1e-6, time_h=10000),
     ["--weg", "1e-6", "--zeit", "10000"], None),
    ("range away from its end", lambda: kalvion.study(temperature_c="1000:900:50"),
     ["--temperatur", "1000:900:50"], ("--temperatur", "temperature_c")),
    ("empty list", lambda: kalvion.study(q=[]), ["--q", ""], ("--q", "q")),
    ("no slice", lambda: kalvion.study(part=(4, 3)), ["--teil", "4/3"], ("--teil", "part")),
    ("threads", lambda: kalvion.study(threads=0), ["--threads", "0"], None),
    ("temperature beside a programme", lambda: kalvion.run(programme=PROGRAMM, temperature_c=1000),
     ["--programm", "PROGRAMM", "--temperatur", "1000"], ("--temperatur", "temperature_c")),
    ("programme hold", lambda: kalvion.study(programme=PROGRAMM, programme_hold_h=20000),
     ["--programm", "PROGRAMM", "--programm-halten", "20000"], ("--programm-halten", "programme_hold_h")),
    ("base content", lambda: kalvion.study(start=["step", "base:0:150:75"]), ["--start", "base:0:150:75"],
     ("--start", "start")),
    ("no start", lambda: kalvion.study(start="result"), ["--start", "result"], ("--start", "start")),
    ("beta too large", lambda: kalvion.study(surface=["closed", "exchange:2000,5"]),
     ["--oberflaeche", "exchange:2000,5"], ("--oberflaeche", "surface")),
]


class Ablehnungen(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._ordner = tempfile.TemporaryDirectory()
        cls.ordner = cls._ordner.name
        cls.programmdatei = os.path.join(cls.ordner, "programm.kalvion")
        kalvion.save_parameters(cls.programmdatei, programme=PROGRAMM)

    @classmethod
    def tearDownClass(cls):
        cls._ordner.cleanup()

    def test_wertfehler_mit_der_meldung_der_kommandozeile(self):
        for name, aufruf, optionen, namen in WERTFEHLER:
            with self.subTest(name):
                erwartet = cli_meldung(*[self.programmdatei if o == "PROGRAMM" else o for o in optionen])
                if namen:
                    erwartet = erwartet.replace(*namen)
                with self.assertRaises(ValueError) as fehler:
                    aufruf()
                self.assertEqual(str(fehler.exception), erwartet)

    def test_falsche_anfaenge_und_oberflaechen(self):
        """A start or surface of the wrong type is a TypeError naming it; a
        profile needs two different depths, as a file read as a start does."""
        for name, aufruf, art, meldung in [
            ("start of another type", lambda: kalvion.run(start=5), TypeError,
             'start: give "step" or a kalvion.Start, not int'),
            ("surface of another type", lambda: kalvion.run(surface=kalvion.Start.base(1)), TypeError,
             'surface: give "closed" or a kalvion.Surface, not Start'),
            ("profile at one depth", lambda: kalvion.Start.profile([10, 10], [50, 5]), ValueError,
             "a start profile needs at least 2 different depths x, not 1"),
        ]:
            with self.subTest(name):
                with self.assertRaises(art) as fehler:
                    aufruf()
                self.assertEqual(str(fehler.exception), meldung)

    def test_messprofil_abgelehnt(self):
        pfad = os.path.join(self.ordner, "kaputt.csv")
        with open(pfad, "w") as datei:
            datei.write("x;c\n1;2\n2;drei\n")
        with self.assertRaises(ValueError) as fehler:
            kalvion.read_profile(pfad)
        self.assertEqual(str(fehler.exception), cli_meldung("--anpassen", f"{pfad}@1000"))

    def test_startprofil_abgelehnt(self):
        """A start profile given as arrays is checked point by point, and the
        message names the point (counted from 1) and what is wrong with it."""
        for name, x, c, meldung in [
            ("too few points", [0], [1], "a start profile needs at least 2 points, not 1"),
            ("negative depth", [0, -1, 20], [1, 1, 2], "start profile point 2: x = -1 µm is no depth (0 or more)"),
            ("depth not a number", [0, 5, float("nan")], [1, 1, 2],
             "start profile point 3: x = nan µm is no depth (0 or more)"),
            ("concentration too high", [0, 10, 20], [1, 150, 2],
             "start profile point 2: 150 mol% lies outside the allowed range -1 ≤ value ≤ 101"),
        ]:
            with self.subTest(name):
                with self.assertRaises(ValueError) as fehler:
                    kalvion.Start.profile(x, c)
                self.assertEqual(str(fehler.exception), meldung)

    def test_dateifehler(self):
        fehlt = os.path.join(self.ordner, "fehlt", "datei")
        ergebnis = kalvion.run()
        for name, aufruf, nummer in [
            ("profile missing", lambda: kalvion.read_profile(fehlt), errno.ENOENT),
            ("profile is a folder", lambda: kalvion.read_profile(self.ordner), errno.EISDIR),
            ("parameters missing", lambda: kalvion.load_parameters(fehlt), errno.ENOENT),
            ("start file missing", lambda: kalvion.Start.file(fehlt), errno.ENOENT),
            ("results file in a missing folder", lambda: ergebnis.append_to(fehlt), None),
            ("results file is a folder", lambda: ergebnis.append_to(self.ordner), None),
            ("curves in a missing folder", lambda: ergebnis.save_curves(fehlt), None),
            ("parameters in a missing folder", lambda: kalvion.save_parameters(fehlt), None),
        ]:
            with self.subTest(name):
                with self.assertRaises(OSError) as fehler:
                    aufruf()
                if nummer is not None:
                    self.assertEqual(fehler.exception.errno, nummer)
                    self.assertEqual(fehler.exception.filename, fehlt if nummer == errno.ENOENT else self.ordner)

    def test_nichts_gedruckt(self):
        """Importing under the C locale (where Qt would warn), refusals and a run
        print nothing on either stream."""
        programm = ("import kalvion\n"
                    "for aufruf in (lambda: kalvion.run(time_h=0), lambda: kalvion.read_profile('/fehlt')):\n"
                    "    try:\n"
                    "        aufruf()\n"
                    "    except (ValueError, OSError):\n"
                    "        pass\n"
                    "kalvion.run()\n")
        umgebung = dict(os.environ, LC_ALL="C", LANG="C")
        lauf = subprocess.run([sys.executable, "-c", programm], env=umgebung, capture_output=True, check=True)
        self.assertEqual((lauf.stdout, lauf.stderr), (b"", b""))


if __name__ == "__main__":
    unittest.main()
