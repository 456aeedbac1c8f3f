// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A furnace cycle as a controller knows it: a start temperature and segments,
// each a ramp (or an immediate jump) to a target temperature and a hold there.
//
// D changes in time but not in space, so diffusion through a cycle is exactly
// diffusion at a fixed reference temperature over the equivalent time
//     t_eq = ∫ exp(−Q/R · (1/T(t) − 1/T_ref)) dt
// (kelvin = °C + 273, as everywhere in the program). The reference is the
// cycle's highest temperature; a cycle then runs as the plain run at T_ref for
// t_eq.

#include <optional>
#include <vector>

namespace kalvion {

struct Programmsegment {
    std::optional<double> rate;  // K/min, > 0; none: at once ("sofort")
    double ziel = 0;             // °C
    double halten = 0;           // h at the target, >= 0
};

struct Temperaturprogramm {
    double start = 20;  // °C
    std::vector<Programmsegment> segmente;
};

inline constexpr int Hoechste_Segmentzahl = 50;
inline constexpr double Programm_start = 20;  // °C, a new cycle starts here

// How long the cycle lasts, ramps and holds, in h.
double programmdauer(const Temperaturprogramm& p);

// The highest temperature the cycle reaches, in °C (the start counts too).
double bezugstemperatur(const Temperaturprogramm& p);

// The time at bezugstemperatur() that diffuses as far as the cycle, in h.
// Q in J/mol, >= 0; with Q = 0 it is the cycle's duration.
double aequivalente_zeit(const Temperaturprogramm& p, double Q);

// The temperature at t h after the start, in °C; after the end the last
// target. An immediate jump at t belongs to the segment after it.
double temperatur_zur_zeit(const Temperaturprogramm& p, double t);

// The time a linear ramp between t1 and t2 K contributes, as
// ∫ exp(a/t_ref − a/T) dT over [min, max] (K; divide by the rate for a time),
// with a = Q/R. The engine takes the closed form through the exponential
// integral and falls back on Gauss–Kronrod quadrature where the closed form's
// two terms cancel; both are open for the tests.
double rampenintegral(double t1, double t2, double a, double t_ref);
double rampenintegral_geschlossen(double t1, double t2, double a, double t_ref);
double rampenintegral_quadratur(double t1, double t2, double a, double t_ref);

// e^x · E1(x) for x > 0, good to a few rounding units for every x (the
// standard library's expint loses all but the leading term beyond x = 100).
double e1_skaliert(double x);

}  // namespace kalvion
