// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperaturprogramm.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include "modell.h"

namespace kalvion {

namespace {

double kelvin(double celsius)
{
    return celsius + 273;
}

// How long a ramp from `von` to the segment's target takes, in h.
double rampendauer(double von, const Programmsegment& s)
{
    if (!s.rate)
        return 0;
    return std::fabs(s.ziel - von) / (*s.rate * 60);
}

// 1 − x · e^x · E1(x): for large x the difference of two numbers near 1, so
// there it is summed from the asymptotic series 1/x − 2!/x² + 3!/x³ − …,
// whose smallest term lies far below a rounding unit from x = 50 on.
double eins_minus_x_e1s(double x)
{
    if (x < 50)
        return 1 - x * e1_skaliert(x);
    double summe = 0, glied = 1;
    for (int k = 1; k < 200; ++k) {
        glied *= k / x;
        const double beitrag = (k % 2 ? glied : -glied);
        summe += beitrag;
        if (glied < 1e-19 * std::fabs(summe))
            break;
    }
    return summe;
}

// exp(a/t_ref − a/T): D at T relative to D at t_ref.
double gewicht(double t, double a, double t_ref)
{
    return std::exp(a / t_ref - a / t);
}

// The antiderivative of gewicht over T, scaled so that nothing overflows:
// e^(a/t_ref) · (T·e^(−a/T) − a·E1(a/T)) = gewicht(T) · T · (1 − x·e^x·E1(x)), x = a/T.
double stammfunktion(double t, double a, double t_ref)
{
    return gewicht(t, a, t_ref) * t * eins_minus_x_e1s(a / t);
}

}  // namespace

double e1_skaliert(double x)
{
    if (x < 1)
        return std::exp(x) * -std::expint(-x);  // the series, exact enough here
    // Continued fraction e^x E1(x) = 1/(x+1− 1²/(x+3− 2²/(x+5− …))), modified Lentz.
    constexpr double winzig = 1e-300;
    double b = x + 1, c = 1 / winzig, d = 1 / b, h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -static_cast<double>(i) * i;
        b += 2;
        d = 1 / (an * d + b);
        c = b + an / c;
        const double faktor = c * d;
        h *= faktor;
        if (std::fabs(faktor - 1) < 1e-17)
            break;
    }
    return h;
}

double rampenintegral_geschlossen(double t1, double t2, double a, double t_ref)
{
    const double tief = std::min(t1, t2), hoch = std::max(t1, t2);
    if (a == 0)
        return hoch - tief;
    return stammfunktion(hoch, a, t_ref) - stammfunktion(tief, a, t_ref);
}

double rampenintegral_quadratur(double t1, double t2, double a, double t_ref)
{
    const double tief = std::min(t1, t2), hoch = std::max(t1, t2);
    if (hoch == tief)
        return 0;
    auto f = [a, t_ref](double t) { return gewicht(t, a, t_ref); };
    return boost::math::quadrature::gauss_kronrod<double, 61>::integrate(f, tief, hoch, 15, 1e-13);
}

double rampenintegral(double t1, double t2, double a, double t_ref)
{
    const double tief = std::min(t1, t2), hoch = std::max(t1, t2);
    if (hoch == tief)
        return 0;
    if (a == 0)
        return hoch - tief;
    const double g_hoch = stammfunktion(hoch, a, t_ref), g_tief = stammfunktion(tief, a, t_ref);
    const double wert = g_hoch - g_tief;
    // Each term carries a few rounding units, more where 1 − x·e^x·E1(x) is
    // formed as a difference (x < 50). Where the two terms cancel too far
    // for ten digits, the quadrature takes over.
    constexpr double eps = std::numeric_limits<double>::epsilon();
    const double verstaerkung = 1 + std::min(a / tief, 50.0);
    const double fehler = 8 * eps * verstaerkung * (std::fabs(g_hoch) + std::fabs(g_tief));
    if (std::isfinite(wert) && wert > 0 && fehler <= 1e-12 * wert)
        return wert;
    return rampenintegral_quadratur(t1, t2, a, t_ref);
}

double programmdauer(const Temperaturprogramm& p)
{
    double dauer = 0, t = p.start;
    for (const auto& s : p.segmente) {
        dauer += rampendauer(t, s);
        dauer += s.halten;
        t = s.ziel;
    }
    return dauer;
}

double bezugstemperatur(const Temperaturprogramm& p)
{
    double hoechste = p.start;
    for (const auto& s : p.segmente)
        hoechste = std::max(hoechste, s.ziel);
    return hoechste;
}

double aequivalente_zeit(const Temperaturprogramm& p, double Q)
{
    const double a = Q / Modell::R;
    const double t_ref = kelvin(bezugstemperatur(p));
    double summe = 0, t = p.start;
    for (const auto& s : p.segmente) {
        if (s.rate && s.ziel != t)
            summe += rampenintegral(kelvin(t), kelvin(s.ziel), a, t_ref) / (*s.rate * 60);
        if (s.halten != 0)
            summe += s.halten * gewicht(kelvin(s.ziel), a, t_ref);
        t = s.ziel;
    }
    return summe;
}

double temperatur_zur_zeit(const Temperaturprogramm& p, double t)
{
    double temp = p.start, beginn = 0;
    for (const auto& s : p.segmente) {
        const double rampe = rampendauer(temp, s);
        if (t < beginn + rampe)
            return temp + (s.ziel - temp) * ((t - beginn) / rampe);
        beginn += rampe;
        if (t < beginn + s.halten)
            return s.ziel;
        beginn += s.halten;
        temp = s.ziel;
    }
    return temp;
}

}  // namespace kalvion
