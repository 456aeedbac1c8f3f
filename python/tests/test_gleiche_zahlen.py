# SPDX-License-Identifier: GPL-3.0-or-later
"""The module gives the command line's numbers and bytes: the results-file
block, the curve table, a study's table and columns, a slice, fits and the
Arrhenius fit, and parameter files both ways."""
import csv
import io
import math
import os
import tempfile
import unittest

import numpy as np

import kalvion
from hilfen import cli, mit_heutigem_datum

# A cycle with ramps and a hold, as a furnace runs it.
PROGRAMM = kalvion.Programme([(5, 1050, 2), (10, 20)])

# (name, the run's keywords, the same as command-line options)
LAEUFE = [
    ("linear start-up", {}, []),
    ("cylindrical", {"geometry": "cylindrical", "time_h": 1.5}, ["--modell", "cylindrical", "--zeit", "1.5"]),
    ("spherical", {"geometry": "spherical", "temperature_c": 1100, "length_um": 30.5},
     ["--modell", "spherical", "--temperatur", "1100", "--weg", "30.5"]),
    ("linear jumped", {"time_h": 10000, "method": "fast"}, ["--zeit", "10000", "--verfahren", "schnell"]),
    ("spherical programme", {"geometry": "spherical", "programme": PROGRAMM, "filled_cells": 30.5},
     ["--modell", "spherical", "--i-diff", "30.5", "--programm", "PROGRAMM"]),
    ("cylindrical base content", {"geometry": "cylindrical", "start": kalvion.Start.base(0.25)},
     ["--modell", "cylindrical", "--start", "base:0.25"]),
    ("linear start file", {"time_h": 3, "start": "STARTDATEI"}, ["--zeit", "3", "--start", "file:STARTDATEI"]),
    ("spherical exchange on a base", {"geometry": "spherical", "start": kalvion.Start.base(0.2),
                                      "surface": kalvion.Surface.exchange(1e-5, 5)},
     ["--modell", "spherical", "--start", "base:0.2", "--surface", "exchange:1e-5,5"]),
    ("linear fixed surface jumped", {"surface": kalvion.Surface.concentration(0), "time_h": 10000, "method": "fast"},
     ["--oberflaeche", "konzentration:0", "--zeit", "10000", "--verfahren", "schnell"]),
]


def zahl(text):
    return math.nan if text == "" else float(text)


class GleicheZahlen(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._ordner = tempfile.TemporaryDirectory()
        cls.ordner = cls._ordner.name
        cls.programmdatei = os.path.join(cls.ordner, "programm.kalvion")
        kalvion.save_parameters(cls.programmdatei, programme=PROGRAMM, decimal=",")
        # The curve table of a first run, the start of a second.
        cls.startdatei = os.path.join(cls.ordner, "kurven.csv")
        kalvion.run().save_curves(cls.startdatei)

    @classmethod
    def tearDownClass(cls):
        cls._ordner.cleanup()

    def optionen(self, optionen):
        return [self.programmdatei if o == "PROGRAMM" else o.replace("STARTDATEI", self.startdatei) for o in optionen]

    def lauf(self, werte):
        if werte.get("start") == "STARTDATEI":
            werte = dict(werte, start=kalvion.Start.file(self.startdatei))
        return kalvion.run(**werte)

    def test_ergebnisblock_wie_datei(self):
        """results_block() is the block kalvion-cli --datei appends, in both locales."""
        for name, werte, optionen in LAEUFE:
            ergebnis = self.lauf(werte)
            for dezimal in (",", "."):
                with self.subTest(name, dezimal=dezimal):
                    pfad = os.path.join(self.ordner, f"ergebnis {len(name)}{dezimal}.txt")

                    def beide(heute):
                        if os.path.exists(pfad):
                            os.remove(pfad)
                        cli(*self.optionen(optionen), "--datei", pfad, dezimal=dezimal)
                        with open(pfad, "rb") as datei:
                            return datei.read(), ergebnis.results_block(decimal=dezimal, path=pfad, date=heute)

                    erwartet, block = mit_heutigem_datum(beide)
                    self.assertEqual(block, erwartet)
                    self.assertEqual(block.count(b"\r\n"), 217)

    def test_kurven_wie_kurventabelle(self):
        """The five arrays are the curve table's numbers to its printed digits,
        and curves_csv() is the table kalvion-cli --kurven writes."""
        for name, werte, optionen in LAEUFE:
            ergebnis = self.lauf(werte)
            for dezimal in (",", "."):
                with self.subTest(name, dezimal=dezimal):
                    tabelle = cli(*self.optionen(optionen), "--kurven", "-", dezimal=dezimal).stdout
                    self.assertEqual(ergebnis.curves_csv(decimal=dezimal), tabelle)
            with self.subTest(name, spalten=True):
                zeilen = list(csv.reader(io.StringIO(cli(*self.optionen(optionen), "--kurven", "-").stdout.decode("utf-8-sig"))))
                kopf = 1 + ("programme" in werte) + ("start" in werte or "surface" in werte)
                spalten = list(zip(*zeilen[kopf:]))
                self.assertEqual(len(spalten[0]), 200)
                for i, feld in enumerate(["x_um", "initial", "after_10", "after_100", "after_1000", "final"]):
                    erwartet = np.array([zahl(t) for t in spalten[i + 1]])
                    np.testing.assert_array_equal(getattr(ergebnis, feld), erwartet, err_msg=feld)

    def test_studie_wie_tabelle(self):
        """A study's columns and bytes are kalvion-cli --tabelle's, a slice its --teil."""
        werte = {"geometry": ["linear", "spherical"], "temperature_c": range(1000, 1101, 50),
                 "time_h": "1,2.5", "method": "auto", "threads": 2}
        optionen = ["--modell", "linear,sphaerisch", "--temperatur", "1000:1100:50", "--zeit", "1,2.5",
                    "--verfahren", "auto", "--threads", "2"]
        tabelle = cli(*optionen, "--tabelle").stdout
        self.assertEqual(kalvion.study_csv(**werte), tabelle)
        for k in (1, 2, 3):
            with self.subTest(teil=k):
                self.assertEqual(kalvion.study_csv(**werte, part=(k, 3)),
                                 cli(*optionen, "--tabelle", "--teil", f"{k}/3").stdout)
        spalten = kalvion.study(**werte, as_frame=False)
        zeilen = list(csv.reader(io.StringIO(tabelle.decode())))
        namen = {"modell": "geometry", "temperatur": "temperature_c", "zeit": "time_h", "weg": "length_um",
                 "d0": "d0", "q": "q", "i_diff": "filled_cells", "Kelvin": "kelvin", "D": "d_cm2_s",
                 "Schritte": "steps", "Molprozent": "total_mol_percent", "Fehler": "errors", "Sprung": "jumped"}
        self.assertEqual(len(spalten), len(zeilen[0]))
        for j, spalte in enumerate(zeilen[0]):
            name = namen.get(spalte, spalte.replace("Konz_", "c_"))
            werte_cli = [zeile[j] for zeile in zeilen[1:]]
            with self.subTest(spalte=spalte):
                if spalte == "modell":
                    englisch = {"linear": "linear", "zylindrisch": "cylindrical", "sphaerisch": "spherical"}
                    self.assertEqual(list(spalten[name]), [englisch[w] for w in werte_cli])
                else:
                    np.testing.assert_array_equal(spalten[name], np.array([zahl(w) for w in werte_cli]))
        try:
            import pandas
        except ImportError:
            return
        rahmen = kalvion.study(**werte)
        self.assertIsInstance(rahmen, pandas.DataFrame)
        np.testing.assert_array_equal(rahmen["c_50"].to_numpy(), spalten["c_50"])

    def test_programmstudie_wie_tabelle(self):
        """The programme's hold and rate as study lists, as on the command line."""
        tabelle = cli("--programm", self.programmdatei, "--programm-halten", "1,2", "--programm-rate", "5:15:5",
                      "--tabelle").stdout
        self.assertEqual(kalvion.study_csv(programme=PROGRAMM, programme_hold_h=[1, 2],
                                           programme_rate_k_min=range(5, 16, 5)), tabelle)
        spalten = kalvion.study(programme=PROGRAMM, programme_hold_h=[1, 2], programme_rate_k_min=range(5, 16, 5),
                                as_frame=False)
        self.assertEqual(list(spalten["programme_rate_k_min"]), [5, 10, 15] * 2)
        self.assertEqual(spalten["equivalent_time_h"][0], kalvion.Programme([(5, 1050, 1), (10, 20)])
                         .equivalent_time_h(238650))

    def test_anfangsstudie_wie_tabelle(self):
        """Starts as a study's dimension: the command line's --start given twice."""
        tabelle = cli("--start", "stufe", "--start", "grundgehalt:0.1:0.3:0.1", "--zeit", "1,2", "--tabelle").stdout
        self.assertEqual(kalvion.study_csv(start=["step", kalvion.Start.base(0.1), "base:0.2:0.3:0.1"], time_h=[1, 2]),
                         tabelle)
        tabelle = cli("--oberflaeche", "geschlossen", "--oberflaeche", "konzentration:0,50", "--surface",
                      "exchange:1e-5,5", "--tabelle").stdout
        oberflaechen = ["closed", "concentration:0,50", kalvion.Surface.exchange(1e-5, 5)]
        self.assertEqual(kalvion.study_csv(surface=oberflaechen), tabelle)
        spalten = kalvion.study(surface=oberflaechen, as_frame=False)
        self.assertEqual(list(spalten["surface"]), ["closed", "concentration", "concentration", "exchange"])
        # Before + taken up = after, to rounding; a closed surface has no balance.
        np.testing.assert_allclose(spalten["total_mol_percent_end"] - spalten["taken_up_mol_percent"],
                                   [math.nan, 10, 10, 10], rtol=1e-12)
        spalten = kalvion.study(start=["step", "base:0.1:0.3:0.1"], time_h=[1, 2], as_frame=False)
        # The start varies after the time, faster.
        self.assertEqual(list(spalten["start"]), ["step", "base", "base", "base"] * 2)
        np.testing.assert_array_equal(spalten["c0"], [math.nan, 0.1, 0.2, 0.3] * 2)

    def test_parameterdatei_beide_wege(self):
        """A file the module writes runs the same on the command line, and one it
        reads gives the command line's run."""
        pfad = os.path.join(self.ordner, "fall.kalvion")
        kalvion.save_parameters(pfad, 1100, 1.5, 30, geometry="cylindrical", filled_cells=12, decimal=",")
        werte = kalvion.load_parameters(pfad)
        self.assertEqual(werte, {"geometry": "cylindrical", "temperature_c": 1100, "time_h": 1.5, "length_um": 30,
                                 "d0": 587, "q": 238650, "filled_cells": 12, "programme": None,
                                 "start": None, "surface": None})
        self.assertEqual(kalvion.study_csv(**werte), cli("--parameter", pfad, "--tabelle").stdout)
        mit_profil = os.path.join(self.ordner, "profil.kalvion")
        kalvion.save_parameters(mit_profil, time_h=3, start=kalvion.Start.file(self.startdatei),
                                surface=kalvion.Surface.exchange(2.5e-4, 7), decimal=",")
        werte = kalvion.load_parameters(mit_profil)
        self.assertEqual(werte["start"].kind, "file")
        self.assertEqual((werte["surface"].kind, werte["surface"].beta_cm_s, werte["surface"].c_atm),
                         ("exchange", 2.5e-4, 7))
        self.assertEqual(len(werte["start"].points), 200)
        self.assertEqual(kalvion.study_csv(**werte), cli("--parameter", mit_profil, "--tabelle").stdout)
        werte = kalvion.load_parameters(self.programmdatei)
        self.assertNotIn("temperature_c", werte)
        self.assertEqual(werte["programme"].segments, PROGRAMM.segments)
        self.assertEqual(kalvion.study_csv(**werte), cli("--parameter", self.programmdatei, "--tabelle").stdout)

    def test_anpassung_wie_anpassen(self):
        """fit() and arrhenius() give --anpassen's numbers, each to the last digit."""
        rauschen = np.random.default_rng(7)
        dateien = []
        for t in (1000, 1100, 1200):
            lauf = kalvion.run(temperature_c=t, time_h=4, length_um=40)
            x = np.linspace(0, 40, 25)
            c = np.interp(x, lauf.x_um, lauf.final) + rauschen.normal(0, 0.2, x.size)
            pfad = os.path.join(self.ordner, f"scan_{t}.csv")
            with open(pfad, "w") as datei:
                datei.write("x;c\n" + "".join(f"{a!r};{b!r}\n" for a, b in zip(x, c)))
            dateien.append((pfad, t))
        tabelle = cli("--zeit", "4", "--weg", "40", *sum((["--anpassen", f"{p}@{t}"] for p, t in dateien), []),
                      "--tabelle").stdout.decode()
        zeilen = list(csv.DictReader(io.StringIO(tabelle)))
        befunde = {"eindeutig": "unique", "untere_grenze": "lower_bound", "obere_grenze": "upper_bound",
                   "ohne_information": "no_information", "nur_oben_begrenzt": "bounded_above_only",
                   "nur_unten_begrenzt": "bounded_below_only"}
        anpassungen = []
        for (pfad, t), zeile in zip(dateien, zeilen):
            with self.subTest(temperatur=t):
                a = kalvion.fit(kalvion.read_profile(pfad), temperature_c=t, time_h=4, length_um=40)
                anpassungen.append(a)
                self.assertEqual(
                    (a.kelvin, a.points, a.d_cm2_s, a.d_low, a.d_high, a.rms, a.finding, a.d0),
                    (float(zeile["Kelvin"]), int(zeile["punkte"]), float(zeile["D"]), float(zeile["D_unten"]),
                     float(zeile["D_oben"]), float(zeile["RMS"]), befunde[zeile["befund"]], float(zeile["D0"])))
                self.assertEqual(kalvion.fit(pfad, t, 4, 40).d_cm2_s, a.d_cm2_s)
        a = kalvion.arrhenius(anpassungen)
        self.assertEqual((a.d0, a.d0_error, a.q, a.q_error),
                         tuple(float(zeilen[-1][k]) for k in ("D0", "D0_fehler", "Q", "Q_fehler")))

    def test_start_und_oberflaeche(self):
        """A start and a surface reach the engine: a uniform start stays uniform
        under a closed surface, and a surface held at 0 empties the part."""
        flach = kalvion.run(start=kalvion.Start.profile([0, 50], [0.2, 0.2]))
        np.testing.assert_allclose(flach.final, 0.2, atol=1e-12)
        self.assertAlmostEqual(flach.total_mol_percent, 0.2, places=12)
        senke = kalvion.run(surface=kalvion.Surface.concentration(0), time_h=10000, method="fast")
        self.assertLess(senke.final.max(), 1e-6)
        zweimal = kalvion.run(time_h=3, start=kalvion.Start.result(kalvion.run(time_h=2)))
        np.testing.assert_allclose(zweimal.final, kalvion.run(time_h=5).final, atol=0.01)


if __name__ == "__main__":
    unittest.main()
