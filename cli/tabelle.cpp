#include "tabelle.h"

#include "kurzform.h"

namespace kalvion::cli {

namespace {

void anhaengen(std::string& zeile, const std::string& feld)
{
    if (!zeile.empty())
        zeile += ',';
    zeile += feld;  // numbers and plain words: nothing to quote
}

}  // namespace

std::string tabellenkopf()
{
    std::string zeile;
    anhaengen(zeile, Modelloption);
    for (const Feldregel& r : Feldtabelle)
        anhaengen(zeile, r.spalte);
    for (const char* name : {"Kelvin", "D", "Schritte", "Molprozent", "Fehler", "Sprung"})
        anhaengen(zeile, name);
    for (int zelle : Tabellenzellen)
        anhaengen(zeile, "Konz_" + kurzform(std::int64_t{zelle}));
    return zeile + "\r\n";
}

std::string tabellenzeile(const Lauf& lauf, const Modell& m, const Laufausgang& ausgang)
{
    std::string zeile = beschreibung(lauf.geometrie).name;
    // The cell count as the run rounded it.
    for (const Feldregel& r : Feldtabelle)
        anhaengen(zeile, r.gerundet ? kurzform(std::int64_t{zellzahl(lauf.wert(r.feld))}) : kurzform(lauf.wert(r.feld)));
    for (double v : {m.Sintertemp_K, m.D, m.Schritte, m.Molprozent})
        anhaengen(zeile, kurzform(v));
    anhaengen(zeile, kurzform(ausgang.fehlerzahl));
    anhaengen(zeile, ausgang.gesprungen ? "1" : "0");
    for (int zelle : Tabellenzellen)
        anhaengen(zeile, kurzform(m.Konz[zelle]));
    return zeile + "\r\n";
}

}  // namespace kalvion::cli
