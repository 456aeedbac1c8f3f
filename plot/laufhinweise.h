// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window tells the user about a long run: the estimate in the
// question before it, the remaining time during it, and the refusal of a step
// count that cannot be counted. Pure text functions, in an explicit locale.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kalvion {

// A run whose stepping is expected to take longer than Frage_ab_Sekunden
// (zeitschritte.h) is asked about first.
// A stepped run expected to take longer shows the remaining time too.
inline constexpr double Restzeit_ab_Sekunden = 2;

// "etwa 40 s", "etwa 2 min", "etwa 13 Stunden", "etwa 3 Tage", "etwa 2 Jahre":
// rounded to the nearest whole unit, at least "etwa 1 s".
QString dauertext(double sekunden, const QLocale& locale);

// "Die Berechnung dauert voraussichtlich etwa 13 Stunden. ..." with the
// buttons below, in this order. A run that cannot jump (it steps through a
// programme with exchange at the surface) is offered no jump.
QString frage_langer_lauf(double sekunden, const QLocale& locale, bool mit_sprung = true);
enum Antwort_langer_lauf { Schnell_rechnen = 0, Schrittweise = 1, Nicht_starten = 2 };
QStringList knoepfe_langer_lauf(bool mit_sprung = true);
// The answer the button at `knopf` of those buttons stands for.
Antwort_langer_lauf antwort_langer_lauf(int knopf, bool mit_sprung);

// The remaining seconds: from the pace so far once a percent is done, from the
// estimate before that.
double restzeit(double geschaetzt, double vergangen, int prozent);

// The caption while a run steps: "47  %".
QString prozentanzeige(int prozent);

// The same with the remaining time: "47  %   noch etwa 2 min"; at 100 % the
// percent alone.
QString fortschrittsanzeige(int prozent, double geschaetzt, double vergangen, const QLocale& locale);

// Why a run of this many steps does not start; names the count whole.
QString schrittzahl_abgelehnt(double schritte, const QLocale& locale);

}  // namespace kalvion
