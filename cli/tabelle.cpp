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
    for (const char* name : {"modell", "temperatur", "zeit", "weg", "d0", "q", "i_diff", "Kelvin", "D", "Schritte",
                             "Molprozent", "Fehler", "Sprung"})
        anhaengen(zeile, name);
    for (int zelle : Tabellenzellen)
        anhaengen(zeile, "Konz_" + kurzform(std::int64_t{zelle}));
    return zeile + "\r\n";
}

std::string tabellenzeile(const Lauf& lauf, const Modell& m, const Laufausgang& ausgang)
{
    std::string zeile = lauf.kugel ? "sphaerisch" : "linear";
    for (Feld f : {Feld::Sintertemp, Feld::Sinterzeit, Feld::x_max, Feld::D0, Feld::Q})
        anhaengen(zeile, kurzform(lauf.wert(f)));
    anhaengen(zeile, kurzform(std::int64_t{m.i_Diff}));
    for (double v : {m.Sintertemp_K, m.D, m.Schritte, m.Molprozent})
        anhaengen(zeile, kurzform(v));
    anhaengen(zeile, kurzform(ausgang.fehlerzahl));
    anhaengen(zeile, ausgang.gesprungen ? "1" : "0");
    for (int zelle : Tabellenzellen)
        anhaengen(zeile, kurzform(m.Konz[zelle]));
    return zeile + "\r\n";
}

}  // namespace kalvion::cli
