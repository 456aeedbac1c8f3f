// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Closed-form solutions of the diffusion equation for the three geometries, and
// the largest deviation of a model's profile from them at its sintering time.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "modell.h"

// Slab source 0 < x < h in a bar 0 < x < l closed at both ends (images):
// C = C0/2 Σn [erf((h + 2nl − x)/2√(Dt)) + erf((h − 2nl + x)/2√(Dt))].
inline double stab(double x, double h, double l, double dt, double c0)
{
    const double w = 2 * std::sqrt(dt);
    double c = 0;
    for (int n = -20; n <= 20; ++n)
        c += std::erf((h + 2 * n * l - x) / w) + std::erf((h - 2 * n * l + x) / w);
    return c0 / 2 * c;
}

// A sphere of radius R closed at its surface, with C0 in the shell
// R − h < r < R at t = 0: the mean plus the eigen-series with tan(αR) = αR.
inline double kugel(double r, double h, double radius, double dt, double c0)
{
    const double innen = radius - h;
    double c = c0 * (1 - std::pow(innen / radius, 3));
    auto stamm = [](double a, double x) { return std::sin(a * x) / (a * a) - x * std::cos(a * x) / a; };
    for (int n = 1; n <= 400; ++n) {
        // The root of sin z − z cos z between nπ and (n + ½)π, by bisection.
        double lo = n * M_PI + 1e-9, hi = (n + 0.5) * M_PI - 1e-9;
        for (int k = 0; k < 200; ++k) {
            const double mitte = (lo + hi) / 2;
            const double f = std::sin(mitte) - mitte * std::cos(mitte);
            const double f_lo = std::sin(lo) - lo * std::cos(lo);
            (f * f_lo > 0 ? lo : hi) = mitte;
        }
        const double a = (lo + hi) / 2 / radius;
        const double norm = radius / 2 - std::sin(2 * a * radius) / (4 * a);
        const double koeff = c0 * (stamm(a, radius) - stamm(a, innen)) / norm;
        c += koeff * std::sin(a * r) / r * std::exp(-a * a * dt);
    }
    return c;
}

// A fibre of radius R closed at its surface, with C0 in the shell
// R − h < r < R at t = 0: the mean plus the Bessel series
// Σ A_n J0(α_n r) exp(−α_n² D t) over the roots α_n R of J1, with
// A_n = −2 C0 (R − h) J1(α_n (R − h)) / (α_n R² J0(α_n R)²).
// The first 400 positive roots of J1; the n-th lies between nπ and
// (n + ½)π. Found once, by bisection.
inline const std::vector<double>& nullstellen_j1()
{
    static const std::vector<double> wurzeln = [] {
        std::vector<double> w;
        for (int n = 1; n <= 400; ++n) {
            double lo = n * M_PI, hi = (n + 0.5) * M_PI;
            const double f_lo = std::cyl_bessel_j(1.0, lo);
            for (int k = 0; k < 100; ++k) {
                const double mitte = (lo + hi) / 2;
                (std::cyl_bessel_j(1.0, mitte) * f_lo > 0 ? lo : hi) = mitte;
            }
            w.push_back((lo + hi) / 2);
        }
        return w;
    }();
    return wurzeln;
}

inline double zylinder(double r, double h, double radius, double dt, double c0)
{
    const double innen = radius - h;
    double c = c0 * (1 - std::pow(innen / radius, 2));
    for (const double wurzel : nullstellen_j1()) {
        const double a = wurzel / radius;
        const double abklingen = std::exp(-a * a * dt);
        if (abklingen < 1e-20)
            break;
        const double j0 = std::cyl_bessel_j(0.0, wurzel);
        const double koeff = -2 * c0 * innen * std::cyl_bessel_j(1.0, a * innen) / (a * radius * radius * j0 * j0);
        c += koeff * std::cyl_bessel_j(0.0, a * r) * abklingen;
    }
    return c;
}

// Largest |Konz − closed form| over the cell centres, for the model's own
// geometry, source width i_Diff · dx and D · Sinterzeit_s.
inline double abweichung_von_geschlossener_loesung(const kalvion::Modell& m)
{
    const double l = m.x_max_cm, h = m.i_Diff * m.dx, dt = m.D * m.Sinterzeit_s;
    double groesste = 0;
    for (int i = 1; i <= m.Zellen; ++i) {
        const double mitte = (i - 0.5) * m.dx;  // from the surface or left end
        double exakt = 0;
        switch (m.Geometrie) {
        case kalvion::Geometrie::linear: exakt = stab(mitte, h, l, dt, 100); break;
        case kalvion::Geometrie::zylindrisch: exakt = zylinder(l - mitte, h, l, dt, 100); break;
        case kalvion::Geometrie::sphaerisch: exakt = kugel(l - mitte, h, l, dt, 100); break;
        }
        groesste = std::max(groesste, std::fabs(m.Konz[i] - exakt));
    }
    return groesste;
}

// What the stepped run of the start-up values keeps to.
inline constexpr double Toleranz_stab = 0.01;   // mol%
inline constexpr double Toleranz_kugel = 0.5;   // mol%
// The fibre's cells weigh exactly their annuli.
inline constexpr double Toleranz_zylinder = 0.1;  // mol%

// The amount in all cells, which the scheme keeps.
inline double summe_menge(const kalvion::Modell& m)
{
    return std::accumulate(m.Menge.begin() + 1, m.Menge.begin() + 1 + m.Zellen, 0.0);
}

// A concentration as the results file rows show it: fixed, four decimals.
inline std::string vier_stellen(double v)
{
    char puffer[64];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, v, std::chars_format::fixed, 4).ptr;
    return std::string(puffer, ende);
}

// Within `abstand` of a point where the four-decimal text changes.
inline bool nahe_rundungsgrenze(double v, double abstand)
{
    const double t = v * 1e4;
    return std::fabs(t - std::floor(t) - 0.5) * 1e-4 <= abstand;
}
