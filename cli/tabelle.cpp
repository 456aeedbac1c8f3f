// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabelle.h"

#include "kurzform.h"
#include "programmeingabe.h"
#include "zahlen.h"

namespace kalvion::cli {

namespace {

void anhaengen(std::string& zeile, const std::string& feld)
{
    if (!zeile.empty())
        zeile += ',';
    zeile += feld;  // numbers and plain words: nothing to quote
}

}  // namespace

std::string tabellenkopf(bool mit_programm)
{
    std::string zeile;
    anhaengen(zeile, Modelloption);
    for (const Feldregel& r : Feldtabelle)
        anhaengen(zeile, r.spalte);
    for (const char* name : {"Kelvin", "D", "Schritte", "Molprozent", "Fehler", "Sprung"})
        anhaengen(zeile, name);
    for (int zelle : Tabellenzellen)
        anhaengen(zeile, "Konz_" + kurzform(std::int64_t{zelle}));
    if (mit_programm)
        for (const char* name : {"halten", "rate", "T_ref", "t_eq"})
            anhaengen(zeile, name);
    return zeile + "\r\n";
}

std::string tabellenzeile(const Lauf& lauf, const Modell& m, const Laufausgang& ausgang)
{
    std::string zeile = beschreibung(lauf.geometrie).name;
    // The cell count as the run rounded it; with a programme the run is its
    // equivalent run at T_ref for t_eq.
    for (const Feldregel& r : Feldtabelle) {
        const double wert = lauf.programm && r.feld == Feld::Sintertemp   ? m.Sintertemp.wert
                            : lauf.programm && r.feld == Feld::Sinterzeit ? m.Sinterzeit.wert
                                                                          : lauf.wert(r.feld);
        anhaengen(zeile, r.gerundet ? kurzform(std::int64_t{zellzahl(wert)}) : kurzform(wert));
    }
    for (double v : {m.Sintertemp_K, m.D, m.Schritte, m.Molprozent})
        anhaengen(zeile, kurzform(v));
    anhaengen(zeile, kurzform(ausgang.fehlerzahl));
    anhaengen(zeile, ausgang.gesprungen ? "1" : "0");
    for (int zelle : Tabellenzellen)
        anhaengen(zeile, kurzform(m.Konz[zelle]));
    if (lauf.programm) {
        // The hold of the highest segment and the first heating ramp's rate, as given.
        const QLocale& c = QLocale::c();
        QString halten, rate;
        double hoechste = -1, vorher = zahlen::lies(lauf.programm->start, c).value_or(0);
        for (const Programmzeile& z : lauf.programm->zeilen) {
            const double ziel = zahlen::lies(z.ziel, c).value_or(0);
            if (ziel > hoechste) {
                hoechste = ziel;
                halten = z.halten.isEmpty() ? QStringLiteral("0") : z.halten;
            }
            if (ziel > vorher && rate.isNull())
                rate = z.rate.compare(Rate_sofort, Qt::CaseInsensitive) == 0 ? QStringLiteral("") : z.rate;
            vorher = ziel;
        }
        anhaengen(zeile, halten.toStdString());
        anhaengen(zeile, rate.toStdString());
        anhaengen(zeile, kurzform(m.Sintertemp.wert));
        anhaengen(zeile, kurzform(m.Sinterzeit.wert));
    }
    return zeile + "\r\n";
}

}  // namespace kalvion::cli
