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
    // What the start and surface choices take once chosen; the start-up run
    // itself is the step with a closed surface.
    m.Anfang = Anfangsart::stufe;
    m.c0.setze_zahl(0);
    m.startprofil.reset();
    m.Oberflaeche = Oberflaechenart::geschlossen;
    m.c_s.setze_zahl(100);
    m.beta.setze_zahl(1e-5);
    m.c_atm.setze_zahl(100);
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

double stabilitaetsgrenze(double dx, double D, bool offen)
{
    return offen ? dx * dx / (3 * D) : dx * dx / (2 * D);
}

bool oberflaeche_offen(const Modell& m)
{
    switch (m.Oberflaeche) {
    case Oberflaechenart::geschlossen: return false;
    case Oberflaechenart::konzentration: return true;
    case Oberflaechenart::austausch: return m.beta.wert > 0;
    }
    return false;
}

void oberflaeche_ableiten(Modell& m)
{
    m.Randleitwert = oberflaeche_offen(m) ? randleitwert(m.Oberflaeche, m.beta.wert, m.D, m.dx) : 0;
    m.Randwert = m.Oberflaeche == Oberflaechenart::austausch ? m.c_atm.wert
                 : m.Oberflaeche == Oberflaechenart::konzentration ? m.c_s.wert
                                                                   : 0;
}

bool durch_programm(const Modell& m)
{
    return m.programm && m.Oberflaeche == Oberflaechenart::austausch && oberflaeche_offen(m);
}

double laufzeit_s(const Modell& m)
{
    return durch_programm(m) ? programmdauer(m.programm->verlauf) * 3600 : m.Sinterzeit_s;
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
    const double dt_max = stabilitaetsgrenze(m.dx, m.D, oberflaeche_offen(m));
    if (!std::isfinite(dt_max) || dt_max == 0)
        return false;
    m.dt_max = dt_max;
    const double schritte = schrittzahl(laufzeit_s(m), dt_max);
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
    oberflaeche_ableiten(m);
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
