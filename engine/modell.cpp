// SPDX-License-Identifier: GPL-3.0-or-later
#include "modell.h"

#include <cmath>

#include "anfangsprofil.h"

namespace kalvion {

Modell& modell()
{
    static Modell instanz;
    return instanz;
}

void startwerte_setzen(Modell& m)
{
    m.Berechnung_aktuell = false;
    m.Geometrie = Geometrie::linear;
    m.Zellen = 200;
    m.x_max.setze_zahl(50);
    m.D0.setze_zahl(587);
    m.Q.setze_zahl(238650);
    m.Sintertemp.setze_zahl(1050);
    m.Sinterzeit.setze_zahl(2);
    m.i_Diff = 20;
    // The step count and the profile wait for the dialog and the run.
    werte_ableiten(m, {.d = true, .schritte = false, .anfangsprofil = false});
}

void kelvin_ableiten(Modell& m)
{
    m.Sintertemp_K = m.Sintertemp.wert + 273;
}

void sekunden_ableiten(Modell& m)
{
    m.Sinterzeit_s = m.Sinterzeit.wert * 3600;
}

void weg_ableiten(Modell& m)
{
    m.x_max_cm = m.x_max.wert * std::pow(10.0, -4);
    m.dx = m.x_max_cm / m.Zellen;
}

double diffusionskoeffizient(const Modell& m)
{
    return (m.D0.wert / 1000) * std::exp(-m.Q.wert / (m.Sintertemp_K * Modell::R));
}

bool d_ableiten(Modell& m)
{
    const double d = diffusionskoeffizient(m);
    if (!std::isfinite(d))
        return false;
    m.D = d;
    return true;
}

double stabilitaetsgrenze(double dx, double D)
{
    return dx * dx / (2 * D);
}

double schrittzahl(double Sinterzeit_s, double dt_max)
{
    return std::floor(1.2 * Sinterzeit_s / dt_max);
}

bool schritte_ableiten(Modell& m)
{
    // A value is stored only once it could be formed, as a failed division
    // leaves its target alone.
    if (m.D == 0)
        return false;
    const double dt_max = stabilitaetsgrenze(m.dx, m.D);
    if (!std::isfinite(dt_max) || dt_max == 0)
        return false;
    m.dt_max = dt_max;
    const double schritte = schrittzahl(m.Sinterzeit_s, dt_max);
    if (!std::isfinite(schritte))
        return false;
    m.Schritte = schritte;
    return true;
}

double zellzahl_gerundet(double getippt)
{
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    return std::nearbyint(getippt);
}

std::int16_t zellzahl(double getippt)
{
    return static_cast<std::int16_t>(zellzahl_gerundet(getippt));
}

Abgeleitet werte_ableiten(Modell& m, Ableitungen welche)
{
    Abgeleitet a;
    kelvin_ableiten(m);
    sekunden_ableiten(m);
    weg_ableiten(m);
    const bool d_da = !welche.d || (a.d = d_ableiten(m));
    if (welche.schritte && d_da)
        a.schritte = schritte_ableiten(m);
    if (welche.anfangsprofil) {
        anfangsprofil(m);
        a.molprozent = true;
    }
    return a;
}

void parameter_uebernehmen(Modell& m, const Parametersatz& p)
{
    for (const Parameterwert& w : p.eingaben)
        m.*w.ziel = w.wert;
    if (p.i_Diff)
        m.i_Diff = *p.i_Diff;
    // "ok" leaves dt_max and Schritte as the dialog last showed them; every
    // run forms its own.
    werte_ableiten(m, {.d = true, .schritte = false, .anfangsprofil = true});
    m.Berechnung_aktuell = false;
}

}  // namespace kalvion
