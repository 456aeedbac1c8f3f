// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A start profile from a file: a measured profile or a table such as the
// curve table (read as "Messprofil laden …" reads them, from two depths on),
// or a results file, whose last block's rows are the profile. The readers
// are pure functions of the file's bytes, and refuse by line.

#include <QByteArray>
#include <QString>

#include "messprofil.h"

namespace kalvion {

// The last block of a results file (blocks of Blockkopfzeilen lines and their
// rows "x konz ", appended one after another, Windows-1252 with CR LF, each
// with the decimal sign of the locale it was written in): its rows as points,
// `block` the block read, which is the count of blocks. Any line that is
// neither part of a block nor the start of the next refuses the file by its
// number.
Messlesung ergebnisdatei_lesen(const QByteArray& inhalt);

// A results file as above, any other file as a measured profile of at least
// Startpunkte_min different depths, its value column chosen by `wahl`.
Messlesung startprofil_lesen(const QByteArray& inhalt, const Spaltenwahl& wahl = {});

// The same from a file, within the measured profile's size limit.
Messlesung startprofil_laden(const QString& pfad, const Spaltenwahl& wahl = {});

// Empty when the start profile lies on the path 0 … x_max (µm), up to the
// rounding of a results file's fourth decimal (Startprofil_rundung);
// otherwise the message naming the points that do not.
QString startprofil_pruefen(const Messlesung& lesung, double x_max, const QLocale& locale);

// "scan.csv: 40 Punkte" or "ergebnis.txt, Block 3 von 3: 200 Punkte", as the
// dialog and the messages name a start profile's file.
QString startprofil_beschreibung(const Messlesung& lesung);
QString startprofil_beschreibung(const QString& dateiname, int punkte, int block = 0);

}  // namespace kalvion
