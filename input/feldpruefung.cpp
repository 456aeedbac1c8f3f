#include "feldpruefung.h"

#include <cmath>

#include "anfangsprofil.h"
#include "zahlen.h"

namespace kalvion {

namespace {

// field, lower bound, inclusive?, upper bound, rounded?, reset text, target,
// derived unit, then D, step count and total mol% refreshed on acceptance.
const Feldregel Regeln[] = {
    {Feld::Sintertemp, 0, true, 10000, false, "900", &Modell::Sintertemp, kelvin_ableiten, true, true, false},
    {Feld::Sinterzeit, 0, false, 10000, false, "2", &Modell::Sinterzeit, sekunden_ableiten, false, true, false},
    {Feld::x_max, 0, false, 1000000, false, "50", &Modell::x_max, weg_ableiten, false, true, false},
    {Feld::D0, 0, true, std::nullopt, false, "587", &Modell::D0, nullptr, true, true, false},
    {Feld::Q, 0, true, std::nullopt, false, "238650", &Modell::Q, nullptr, true, true, false},
    {Feld::i_Diff, 1, true, 199, true, "50", nullptr, nullptr, false, false, true},
};

bool im_bereich(const Feldregel& r, double v)
{
    const bool unten = r.untergrenze_erlaubt ? v >= r.untergrenze : v > r.untergrenze;
    const double oben = r.obergrenze_gerundet ? std::nearbyint(v) : v;
    return unten && (!r.obergrenze || oben <= *r.obergrenze);
}

}  // namespace

const Feldregel& regel(Feld f)
{
    return Regeln[static_cast<int>(f)];
}

bool d_neu(Modell& m)
{
    const double d = diffusionskoeffizient(m);
    if (!std::isfinite(d))
        return false;
    m.D = d;
    return true;
}

bool schritte_neu(Modell& m)
{
    // A value is stored only once it could be formed, as a failed division
    // leaves its target alone.
    const double nenner = 2 * m.D;
    if (nenner == 0)
        return false;
    const double dt_max = m.dx * m.dx / nenner;
    if (!std::isfinite(dt_max) || dt_max == 0)
        return false;
    m.dt_max = dt_max;
    const double schritte = schrittzahl(m.Sinterzeit_s, dt_max);
    if (!std::isfinite(schritte))
        return false;
    m.Schritte = schritte;
    return true;
}

Pruefung pruefe_feld(Feld f, QString& text, Modell& m, const QLocale& locale)
{
    Pruefung p;
    const std::optional<double> gelesen = zahlen::lies(text, locale);
    if (!gelesen)
        return p;
    const double v = *gelesen;
    if (!im_bereich(regel(f), v)) {
        p.ergebnis = Pruefergebnis::ausserhalb;
        return p;
    }

    const Feldregel& r = regel(f);
    if (r.ziel) {
        (m.*r.ziel).setze_text(v, text.toStdString());
    } else {
        // A half goes to the even neighbour: 150.5 → 150, 151.5 → 152.
        m.i_Diff = static_cast<std::int16_t>(std::nearbyint(v));
        text = QString::number(m.i_Diff);
    }
    if (r.ableiten)
        r.ableiten(m);
    // Whatever was stored before a refresh failed stays stored.
    if (r.d_neu && !(p.neues_D = d_neu(m)))
        return p;
    if (r.schritte_neu && !(p.neue_Schritte = schritte_neu(m)))
        return p;
    if (r.molprozent_neu) {
        anfangsprofil(m);
        p.neue_Molprozent = true;
    }
    p.ergebnis = Pruefergebnis::angenommen;
    return p;
}

}  // namespace kalvion
