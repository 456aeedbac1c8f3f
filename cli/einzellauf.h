// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of a study as the window makes it: the parameters typed into the
// dialog in the user's locale, "ok", "Berechnung Starten", then what the
// command writes of it.

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>
#include <string>

#include "kurvendatei.h"
#include "modell.h"
#include "studie.h"
#include "tabelle.h"
#include "vergleich.h"
#include "zeitschritte.h"

namespace kalvion::cli {

// The model as the dialog's "ok" leaves it after the run's values were typed
// into its fields in `locale` (each as eingabetext, the cell count as the
// whole number the field shows after its check).
Modell modell_fuer(const Lauf& lauf, const QLocale& locale);

// What the command wants of every run.
struct Ausgaben {
    QLocale locale;
    bool block = false;          // the results-file block ...
    QString kopfzeile;           // ... with the file's path as its first line
    QDate datum;                 // ... and this date
    bool tabellenzeile = false;  // a row of the table ...
    Tabellenform tabellenform;   // ... with the columns of the study's options
    bool zusammenfassung = false;  // a line for people
    bool kurven = false;         // the table of the five curves
    // The final profile as a column of a comparison, named by its values of
    // what tells the study's runs apart.
    std::optional<Unterschiede> kurvenspalte;
};

struct Laufertrag {
    Laufausgang ausgang;
    std::optional<QByteArray> block;  // empty also when the encoding is missing
    std::string tabellenzeile;
    QString zusammenfassung;
    QByteArray kurven;
    std::optional<Profilspalte> spalte;
};

Laufertrag einzellauf(const Lauf& lauf, Verfahren verfahren, const Ausgaben& ausgaben,
                      const Laufbegleitung& begleitung = {});

// "sphärisch, 1050 °C, 2 h, 50 µm, D0 587, Q 238650, i_Diff 20: 6140 Schritte,
// 10 Gesamtmol%, 0 Fehler", the numbers as the user types and reads them; a
// start or surface other than the default named before the colon, an open
// surface's balance after the error count.
QString zusammenfassung(const Modell& m, const Laufausgang& ausgang, const QLocale& locale);

}  // namespace kalvion::cli
