#include "feldpruefung.h"

#include "anfangsprofil.h"
#include "zahlen.h"

namespace kalvion {

namespace {

// field, name, lower bound, inclusive?, upper bound, rounded?, reset text, target,
// derived unit, then D, step count and total mol% refreshed on acceptance.
const Feldregel Regeln[] = {
    {Feld::Sintertemp, "Sintertemp", 0, true, 10000, false, "900", &Modell::Sintertemp, kelvin_ableiten, true, true, false},
    {Feld::Sinterzeit, "Sinterzeit", 0, false, 10000, false, "2", &Modell::Sinterzeit, sekunden_ableiten, false, true, false},
    {Feld::x_max, "x_max", 0, false, 1000000, false, "50", &Modell::x_max, weg_ableiten, false, true, false},
    {Feld::D0, "D0", 0, true, std::nullopt, false, "587", &Modell::D0, nullptr, true, true, false},
    {Feld::Q, "Q", 0, true, std::nullopt, false, "238650", &Modell::Q, nullptr, true, true, false},
    {Feld::i_Diff, "i_Diff", Zellzahl_min, true, Zellzahl_max, true, "50", nullptr, nullptr, false, false, true},
};

}  // namespace

const Feldregel& regel(Feld f)
{
    return Regeln[static_cast<int>(f)];
}

bool im_bereich(const Feldregel& r, double v)
{
    // The lower bound sees the number as typed (0.99 is refused), the upper
    // one the cell count it becomes (199.4 is 199 and passes).
    const bool unten = r.untergrenze_erlaubt ? v >= r.untergrenze : v > r.untergrenze;
    const double oben = r.gerundet ? zellzahl_gerundet(v) : v;
    return unten && (!r.obergrenze || oben <= *r.obergrenze);
}

std::optional<double> gueltiger_wert(Feld f, const QString& text, const QLocale& locale)
{
    const std::optional<double> v = zahlen::lies(text, locale);
    if (v && im_bereich(regel(f), *v))
        return v;
    return std::nullopt;
}

QString feldtext(const Modell& m, Feld f, const QLocale& locale)
{
    const Feldregel& r = regel(f);
    if (!r.ziel)
        return QString::number(m.i_Diff);
    const Eingabewert& w = m.*r.ziel;
    return w.text ? QString::fromStdString(*w.text) : zahlen::allgemein(w.wert, locale);
}

Parametersatz parametersatz(const std::array<QString, 6>& texte, const QLocale& locale)
{
    Parametersatz p;
    for (Feld f : Alle_Felder) {
        const QString& text = texte[static_cast<int>(f)];
        const std::optional<double> v = gueltiger_wert(f, text, locale);
        if (!v)
            continue;
        const Eingabewert wert{*v, text.toStdString()};
        switch (f) {
        case Feld::Sintertemp: p.Sintertemp = wert; break;
        case Feld::Sinterzeit: p.Sinterzeit = wert; break;
        case Feld::x_max: p.x_max = wert; break;
        case Feld::D0: p.D0 = wert; break;
        case Feld::Q: p.Q = wert; break;
        case Feld::i_Diff: p.i_Diff = zellzahl(*v); break;
        }
    }
    return p;
}

Pruefung pruefe_feld(Feld f, QString& text, Modell& m, const QLocale& locale)
{
    Pruefung p;
    const std::optional<double> gelesen = zahlen::lies(text, locale);
    if (!gelesen)
        return p;
    const double v = *gelesen;
    const Feldregel& r = regel(f);
    if (!im_bereich(r, v)) {
        p.ergebnis = Pruefergebnis::ausserhalb;
        return p;
    }

    if (r.ziel) {
        (m.*r.ziel).setze_text(v, text.toStdString());
    } else {
        m.i_Diff = zellzahl(v);
        text = QString::number(m.i_Diff);
    }
    if (r.ableiten)
        r.ableiten(m);
    // Whatever was stored before a refresh failed stays stored.
    if (r.neues_d && !(p.d_gebildet = d_ableiten(m)))
        return p;
    if (r.neue_schritte && !(p.schritte_gebildet = schritte_ableiten(m)))
        return p;
    if (r.neue_molprozent) {
        anfangsprofil(m);
        p.molprozent_gebildet = true;
    }
    p.ergebnis = Pruefergebnis::angenommen;
    return p;
}

}  // namespace kalvion
