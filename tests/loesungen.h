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

// The largest difference of two profiles over cells 1 … n.
inline double groesste_abweichung(const kalvion::Zellfeld& a, const kalvion::Zellfeld& b, int n)
{
    double groesste = 0;
    for (int i = 1; i <= n; ++i)
        groesste = std::max(groesste, std::fabs(a[i] - b[i]));
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

// With the surface open (Crank, The Mathematics of Diffusion). x, r, l and
// the radius in cm, dt = D · t in cm².

// ∫ erfc(z) dz = z · erfc(z) − exp(−z²) / √π.
inline double erfc_stamm(double z)
{
    return z * std::erfc(z) - std::exp(-z * z) / std::sqrt(M_PI);
}

// The mean of erfc(x / w) over a ≤ x ≤ b.
inline double erfc_mittel(double a, double b, double w)
{
    return w * (erfc_stamm(b / w) - erfc_stamm(a / w)) / (b - a);
}

// A bar 0 < x < l, empty at t = 0, its surface x = 0 held at c_s, its far end
// closed: the images c_s Σ (−1)ⁿ [erfc((2nl + x)/w) + erfc((2(n+1)l − x)/w)],
// w = 2√(Dt), averaged over a ≤ x ≤ b.
inline double stab_fester_rand_mittel(double a, double b, double l, double dt, double c_s)
{
    const double w = 2 * std::sqrt(dt);
    double c = 0;
    for (int n = 0; n <= 20; ++n) {
        const double vorzeichen = n % 2 == 0 ? 1 : -1;
        // erfc((2nl + x)/w) over [a, b], and erfc((2(n+1)l − x)/w), mirrored.
        c += vorzeichen * (erfc_mittel(2 * n * l + a, 2 * n * l + b, w) +
                           erfc_mittel(2 * (n + 1) * l - b, 2 * (n + 1) * l - a, w));
    }
    return c_s * c;
}

// A semi-infinite bar, empty at t = 0, taking up from an atmosphere of c_atm
// through β: c / c_atm = erfc(u) − exp(hx + h²Dt) · erfc(u + h√(Dt)),
// u = x / 2√(Dt), h = β / D. The product of a huge exponential and a tiny
// erfc is formed as exp(hx + h²Dt − s²) · erfcx(s).
inline double stab_austausch(double x, double dt, double h, double c_atm)
{
    const double u = x / (2 * std::sqrt(dt));
    const double s = u + h * std::sqrt(dt);
    // erfc(s) · exp(s²) for large s by its continued fraction's leading terms.
    auto erfcx = [](double s) {
        if (s < 20)
            return std::exp(s * s) * std::erfc(s);
        const double s2 = s * s;
        return 1 / (s * std::sqrt(M_PI)) * (1 - 1 / (2 * s2) + 3 / (4 * s2 * s2));
    };
    return c_atm * (std::erfc(u) - std::exp(h * x + h * h * dt - s * s) * erfcx(s));
}

// The same averaged over a ≤ x ≤ b by 16-point Gauss–Legendre sums on 4 parts.
inline double stab_austausch_mittel(double a, double b, double dt, double h, double c_atm)
{
    static const double knoten[8] = {0.0950125098376374, 0.2816035507792589, 0.4580167776572274,
                                     0.6178762444026438, 0.7554044083550030, 0.8656312023878318,
                                     0.9445750230732326, 0.9894009349916499};
    static const double gewichte[8] = {0.1894506104550685, 0.1826034150449236, 0.1691565193950025,
                                       0.1495959888165767, 0.1246289712555339, 0.0951585116824928,
                                       0.0622535239386479, 0.0271524594117541};
    double summe = 0;
    constexpr int Teile = 4;
    const double breite = (b - a) / Teile;
    for (int t = 0; t < Teile; ++t) {
        const double mitte = a + (t + 0.5) * breite, halb = breite / 2;
        for (int k = 0; k < 8; ++k)
            summe += gewichte[k] * halb *
                     (stab_austausch(mitte - halb * knoten[k], dt, h, c_atm) +
                      stab_austausch(mitte + halb * knoten[k], dt, h, c_atm));
    }
    return summe / (b - a);
}

// A sphere of radius a, empty at t = 0, its surface held at c_s:
// c / c_s = 1 + (2a / πr) Σ (−1)ⁿ / n · sin(nπr / a) · exp(−D n² π² t / a²).
inline double kugel_fester_rand(double r, double radius, double dt, double c_s)
{
    double summe = 0;
    for (int n = 1; n <= 20000; ++n) {
        const double abklingen = std::exp(-dt * n * n * M_PI * M_PI / (radius * radius));
        if (abklingen < 1e-18)
            break;
        summe += (n % 2 == 0 ? 1.0 : -1.0) / n * std::sin(n * M_PI * r / radius) * abklingen;
    }
    return c_s * (1 + 2 * radius / (M_PI * r) * summe);
}

// The first roots of J0, the n-th between (n − ¼)π − ½ and (n − ¼)π + ½;
// found once, by bisection.
inline const std::vector<double>& nullstellen_j0()
{
    static const std::vector<double> wurzeln = [] {
        std::vector<double> w;
        for (int n = 1; n <= 2000; ++n) {
            double lo = (n - 0.25) * M_PI - 0.5, hi = (n - 0.25) * M_PI + 0.5;
            const double f_lo = std::cyl_bessel_j(0.0, lo);
            for (int k = 0; k < 100; ++k) {
                const double mitte = (lo + hi) / 2;
                (std::cyl_bessel_j(0.0, mitte) * f_lo > 0 ? lo : hi) = mitte;
            }
            w.push_back((lo + hi) / 2);
        }
        return w;
    }();
    return wurzeln;
}

// A fibre of radius a, empty at t = 0, its surface held at c_s:
// c / c_s = 1 − (2/a) Σ exp(−D αₙ² t) J0(r αₙ) / (αₙ J1(a αₙ)), a αₙ the roots of J0.
inline double zylinder_fester_rand(double r, double radius, double dt, double c_s)
{
    double summe = 0;
    for (const double wurzel : nullstellen_j0()) {
        const double alpha = wurzel / radius;
        const double abklingen = std::exp(-dt * alpha * alpha);
        if (abklingen < 1e-18)
            break;
        summe += abklingen * std::cyl_bessel_j(0.0, r * alpha) / (alpha * std::cyl_bessel_j(1.0, wurzel));
    }
    return c_s * (1 - 2 / radius * summe);
}

// What is left of a uniform content after loss through a surface held at 0,
// as a share of the start: the bar of length l closed at its far end, the
// fibre and the sphere of radius l.
inline double verbleibender_anteil(kalvion::Geometrie g, double l, double dt)
{
    double summe = 0;
    switch (g) {
    case kalvion::Geometrie::linear:
        for (int n = 0; n < 20000; ++n) {
            const double k = (2 * n + 1) * M_PI / (2 * l);
            summe += 8 / ((2 * n + 1) * (2 * n + 1) * M_PI * M_PI) * std::exp(-k * k * dt);
        }
        break;
    case kalvion::Geometrie::zylindrisch:
        for (const double wurzel : nullstellen_j0())
            summe += 4 / (wurzel * wurzel) * std::exp(-dt * wurzel * wurzel / (l * l));
        break;
    case kalvion::Geometrie::sphaerisch:
        for (int n = 1; n < 20000; ++n)
            summe += 6 / (n * n * M_PI * M_PI) * std::exp(-dt * n * n * M_PI * M_PI / (l * l));
        break;
    }
    return summe;
}
