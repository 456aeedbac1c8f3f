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
#include <optional>

#include "modell.h"
#include "vergleich.h"

namespace kalvion {

// The plain step and a closed surface: what every run was before starts and
// surfaces could be chosen.
bool standardbedingungen(const Modell& m);

// The conditions in the results file's line 2, between the model and the
// date, in German with the characters of Windows-1252 only: "Anfang
// Grundgehalt 0,2 Mol%", "Oberfläche fest 0 Mol%", "Oberfläche Austausch
// beta 1E-05 cm/s mit c_atm 5 Mol%". A start from a file and from the last
// result read alike ("Anfang vorgegebenes Profil"), so that a chain of runs
// gives the same block in the window and on the command line. Empty for the
// default.
QStringList bedingungen_ergebnisdatei(const Modell& m, const QLocale& locale);

// The same as one line, for the curve table (German) and the exported graph's
// caption (the user's language), with a start profile's source: "Anfang
// vorgegebenes Profil (scan.csv)", "Oberfläche Austausch β 1E-05 cm/s mit
// c_atm 5 Mol%". Empty for the default. Without `anfang` or
// `oberflaeche` that part is left out (compared runs that differ in it name it
// in their headings).
QString bedingungszeile(const Modell& m, const QLocale& locale, Namenssprache sprache, bool anfang = true,
                        bool oberflaeche = true);

// The short names of compared runs: "Grundgehalt 0,2 Mol%", "Start aus
// scan.csv"; "Stufe" for the step.
QString anfangsname(const Modell& m, const QLocale& locale, Namenssprache sprache);

// "Oberfläche geschlossen", "Oberfläche 0 Mol%", "β 1e-5 cm/s, c_atm 5 Mol%".
QString oberflaechenname(const Modell& m, const QLocale& locale, Namenssprache sprache);

// What a run took up through its open surface, in mol% of the part's volume
// (lost: below 0), and the total mol% before and after it: before +
// taken up = after, to rounding. Nothing while the surface is closed (β = 0
// included).
struct Randbilanz {
    double vorher = 0, aufgenommen = 0, nachher = 0;
};
std::optional<Randbilanz> randbilanz(const Modell& m);

// The balance as the results file's line 3 (German, Windows-1252 only; empty
// while the surface is closed): "Durch die Oberfläche abgegeben: 1,2 Mol% des
// Volumens; Gesamtmol% vorher 10, nachher 8,8".
QString bilanz_ergebnisdatei(const Modell& m, const QLocale& locale);

// The same for people, in the user's language with four decimals (empty while
// the surface is closed).
QString bilanztext(const Modell& m, const QLocale& locale);

}  // namespace kalvion
