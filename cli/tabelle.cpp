// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabelle.h"

#include "bedingungen.h"
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

// RFC 4180: a field with a comma, a quote or a line break goes in quotes.
std::string als_feld(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string zitiert = "\"";
    for (char c : text)
        zitiert += c == '"' ? std::string("\"\"") : std::string(1, c);
    return zitiert + '"';
}

}  // namespace

Tabellenform tabellenform(const Studie& studie)
{
    return {!studie.anfaenge.leer(), !studie.oberflaechen.leer(), studie.programm.has_value()};
}

std::string tabellenkopf(Tabellenform form)
{
    std::string zeile;
    anhaengen(zeile, Modelloption);
    for (const Feldregel& r : Feldtabelle)
        anhaengen(zeile, r.spalte);
    for (const char* name : {"Kelvin", "D", "Schritte", "Molprozent", "Fehler", "Sprung"})
        anhaengen(zeile, name);
    for (int zelle : Tabellenzellen)
        anhaengen(zeile, "Konz_" + kurzform(std::int64_t{zelle}));
    if (form.anfang)
        for (const char* name : {"anfang", regel(Feld::c0).spalte, "startdatei"})
            anhaengen(zeile, name);
    if (form.oberflaeche)
        for (const char* name : {"oberflaeche", regel(Feld::c_s).spalte, regel(Feld::beta).spalte,
                                 regel(Feld::c_atm).spalte, "aufgenommen", "Molprozent_Ende"})
            anhaengen(zeile, name);
    if (form.programm)
        for (const char* name : {"halten", "rate", "T_ref", "t_eq"})
            anhaengen(zeile, name);
    return zeile + "\r\n";
}

std::string tabellenzeile(const Lauf& lauf, const Modell& m, const Laufausgang& ausgang, Tabellenform form)
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
    if (form.anfang) {
        const Startangabe& a = lauf.anfang;
        anhaengen(zeile, beschreibung(a.art).name);
        anhaengen(zeile, a.art == Anfangsart::grundgehalt ? kurzform(a.c0) : std::string());
        anhaengen(zeile, a.profil && a.art == Anfangsart::datei ? als_feld(a.profil->quelle) : std::string());
    }
    if (form.oberflaeche) {
        const Oberflaechenangabe& o = lauf.oberflaeche;
        const bool austausch = o.art == Oberflaechenart::austausch;
        anhaengen(zeile, beschreibung(o.art).name);
        anhaengen(zeile, o.art == Oberflaechenart::konzentration ? kurzform(o.c_s) : std::string());
        anhaengen(zeile, austausch ? kurzform(o.beta) : std::string());
        anhaengen(zeile, austausch ? kurzform(o.c_atm) : std::string());
        const std::optional<Randbilanz> b = randbilanz(m);
        anhaengen(zeile, b ? kurzform(b->aufgenommen) : std::string());
        anhaengen(zeile, b ? kurzform(b->nachher) : std::string());
    }
    if (form.programm && lauf.programm) {
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
