// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a run's start and its surface are named, for each kind of output in a
// function of its own: the results file's line 2, the line of the curve
// table and the exported graph's caption, and the name of a compared run.
// A run that starts as the plain step with a closed surface names neither,
// so that every output of such a run stays as it always was.
// Needs QtCore only.

#include <QLocale>
#include <QString>
#include <QStringList>

#include "modell.h"
#include "vergleich.h"

namespace kalvion {

// The plain step and a closed surface: what every run was before starts and
// surfaces could be chosen.
bool standardbedingungen(const Modell& m);

// The conditions in the results file's line 2, between the model and the
// date, in German with the characters of Windows-1252 only: "Anfang
// Grundgehalt 0,2 Mol%". A start from a file and from the last result read
// alike ("Anfang vorgegebenes Profil"), so that a chain of runs gives the same
// block in the window and on the command line. Empty for the default.
QStringList bedingungen_ergebnisdatei(const Modell& m, const QLocale& locale);

// The same as one line, for the curve table (German) and the exported graph's
// caption (the user's language), with a start profile's source: "Anfang
// vorgegebenes Profil (scan.csv)". Empty for the default. Without `anfang` or
// `oberflaeche` that part is left out (compared runs that differ in it name it
// in their headings).
QString bedingungszeile(const Modell& m, const QLocale& locale, Namenssprache sprache, bool anfang = true,
                        bool oberflaeche = true);

// The short names of compared runs: "Grundgehalt 0,2 Mol%", "Start aus
// scan.csv"; "Stufe" for the step.
QString anfangsname(const Modell& m, const QLocale& locale, Namenssprache sprache);

}  // namespace kalvion
