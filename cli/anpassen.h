// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fitting D to measured profiles on the command line: one file gives D with
// its interval, the RMS residual and the D0 at the current Q; two or more
// files at different temperatures give D0 and Q as well.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <vector>

#include "anpassung.h"
#include "messprofil.h"
#include "studie.h"

namespace kalvion::cli {

// One --anpassen DATEI@TEMPERATUR (or --messung DATEI at --temperatur).
struct Messauftrag {
    QString datei;
    double temperatur = 0;  // °C
};

// "scan.csv@1100": the file and its sintering temperature, which must pass
// the temperature field's rule. Throws Eingabefehler.
Messauftrag lies_messauftrag(const QString& option, const QString& text);

// D0 and Q from the D of several temperatures; fewer than two different
// temperatures throw Eingabefehler.
Arrhenius arrhenius_aus(const std::vector<Arrheniuspunkt>& punkte);

// Reads every file, fits D for each with the one parameter set of `studie`
// at the file's temperature, and, for two or more files, D0 and Q. The lines
// for people in `locale`, or with `tabelle` the CSV table. Throws
// Eingabefehler for a file that cannot be read or is refused, a study of more
// than one parameter set, and fewer than two different temperatures where an
// Arrhenius fit is wanted. `spalte` picks the value column of files that
// have several. An Arrhenius fit whose Q comes out below 0 says so in the
// lines for people (the table keeps its numbers). With the study's start and
// surface; a fixed surface concentration given without its value is fitted
// with D (its line, and the table's columns c_s, c_s_unten, c_s_oben).
QByteArray anpassung_ausgabe(const Studie& studie, const std::vector<Messauftrag>& auftraege, bool tabelle,
                             const QLocale& locale, const Spaltenwahl& spalte = {});

}  // namespace kalvion::cli
