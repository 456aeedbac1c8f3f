#include "modell.h"

#include <cmath>

namespace kalvion {

Modell& modell()
{
    static Modell instanz;
    return instanz;
}

void startwerte_setzen(Modell& m)
{
    m.Berechnung_aktuell = false;
    m.Kugel = false;
    m.Zellen = 200;
    m.x_max.setze_zahl(50);
    weg_ableiten(m);
    m.D0.setze_zahl(587);
    m.Q.setze_zahl(238650);
    m.Sintertemp.setze_zahl(1050);
    kelvin_ableiten(m);
    m.D = diffusionskoeffizient(m);
    m.Sinterzeit.setze_zahl(2);
    sekunden_ableiten(m);
    m.i_Diff = 20;
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

double schrittzahl(double Sinterzeit_s, double dt_max)
{
    return std::floor(1.2 * Sinterzeit_s / dt_max);
}

}  // namespace kalvion
