// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temperature programme as the user types it: texts in the locale, checked
// with the rules of the parameter fields, turned into the engine's programme,
// and described in one line for the caption and the curve table.
// Needs QtCore only, so that every front end reads programmes the same way.

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

#include "modell.h"
#include "temperaturprogramm.h"

namespace kalvion {

// What a rate cell holds for a jump without ramp, and how programmes keep it.
inline const QString Rate_sofort = QStringLiteral("sofort");
// Its English name, taken in every language (in any case, as "sofort"), so
// that a programme typed in the English interface reads everywhere.
inline const QString Rate_sofort_englisch = QStringLiteral("immediate");

// Whether a rate cell means a jump without ramp.
bool ist_sofort(const QString& rate);

// The word for it in the user's language: "sofort", "immediate".
QString sofort_text();

struct Programmzeile {
    QString rate;    // K/min, or "sofort"
    QString ziel;    // °C
    QString halten;  // h
};

struct Programmeingabe {
    QString start = QStringLiteral("20");
    QList<Programmzeile> zeilen;
};

// What is wrong with a programme, the first fault found.
enum class Programmfehler {
    keiner,
    starttemperatur,    // not 0 … 10000 °C
    kein_segment,
    zu_viele_segmente,  // more than Hoechste_Segmentzahl
    rate,               // of a segment: neither > 0 K/min nor "sofort"
    ziel,               // of a segment: not 0 … 10000 °C
    halten,             // of a segment: not 0 … 10000 h
    gesamtdauer         // not > 0 and <= 10000 h
};

// What the checks found: the programme, or the first fault as data (which
// check, and the segment for rate, target and hold) and as a sentence in the
// user's language naming the row and the column.
struct Programmlesung {
    std::optional<Temperaturprogramm> programm;
    Programmfehler art = Programmfehler::keiner;
    int zeile = -1;  // the segment at fault, from 0; -1 where none is
    QString fehler;
};

// The sentence for a fault, the row counted from 1 as the table shows it.
QString programmfehlertext(Programmfehler art, int zeile = -1);

// The sentence for a number typed with the other decimal sign ("2.5" where
// the locale writes "2,5"): the cell of the fault and the number as the
// locale writes it.
QString dezimalzeichentext(Programmfehler art, int zeile, const QString& getippt, const QString& richtig);

// Reads and checks every text: temperatures 0 … 10000 °C, rates > 0 or
// "sofort", holds >= 0 h, 1 … 50 segments, a total time > 0 and <= 10000 h.
// A cell whose number has the other decimal sign is named as such.
Programmlesung programm_lesen(const Programmeingabe& e, const QLocale& locale);

// "Programm: 20 °C → 5 K/min → 1050 °C, 2 h → 10 K/min → 20 °C", the texts as
// typed (a hold of 0 h is left out).
QString programmzeile(const Programmeingabe& e, const QLocale& locale);

// The line the record keeps as the user reads it: "Programm:" and "sofort" in
// the user's language, the other steps as typed (for the parameter dialog and
// the graph).
QString programmanzeige(const Programmangabe& a);

// "entspricht 2,28 h bei 1050 °C": the equivalent time to three significant
// digits, the reference temperature as typed.
QString aequivalenztext(double t_eq, const QString& t_ref, const QLocale& locale);

// The equivalent time where the user reads it beside the other parameters
// (the time field, the graph's caption): four significant digits, "2,28".
// The record, the results file and parameter files keep every digit.
QString aequivalente_zeit_text(double t_eq, const QLocale& locale);

// The text of the highest target (or of the start) as typed: the reference
// temperature as the fields show it.
QString bezugstext(const Programmeingabe& e, const QLocale& locale);

// Between the typed texts and the record's UTF-8 form. The record keeps a
// jump as "sofort" in every language, so that its files read everywhere.
Programmangabe als_angabe(const Programmeingabe& e, const QLocale& locale);
Programmeingabe als_eingabe(const Programmangabe& a);

// Puts the programme in force in the record: Sintertemp and Sinterzeit become
// T_ref (its text as typed) and t_eq (its shortest text), with their derived
// values; the isothermal values are kept to come back. False, with nothing
// changed, when the programme is refused or its t_eq is no sintering time
// (the field rule: > 0 and <= 10000 h).
bool programm_setzen(Modell& m, const Programmeingabe& e, const QLocale& locale, QString* fehler = nullptr);

// Recomputes t_eq after Q has changed; false when it is no sintering time.
bool programm_nachfuehren(Modell& m, const QLocale& locale);

// Back to the isothermal values as they were before the programme.
void programm_aufheben(Modell& m);

}  // namespace kalvion
