// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From a measured profile back to the diffusion coefficient: the D whose final
// profile best matches the points in least squares, with its 95 % interval,
// and D0 and Q from the D of several temperatures.

#include <vector>

#include "modell.h"

namespace kalvion {

// The final profile of a run for any D, with everything else as the model
// holds it (geometry, x_max, time, start, surface). A run's step is a linear
// map whose matrix is D · dt / dx times one fixed matrix of the geometry (with
// a fixed surface concentration too: its face passes 2 D / dx), so that one
// eigen-decomposition serves every candidate D: each then costs a product of
// a matrix and a vector instead of a decomposition. Exchange with the
// atmosphere has no such scale (β / D changes with D): there each D costs a
// decomposition of its own.
class Profilrechner {
public:
    explicit Profilrechner(const Modell& m);

    // Konz[1..Zellen] after a run with this D (D > 0), as the jump computes it.
    Zellfeld endprofil(double D) const;

    // With a fixed surface concentration: the final profile is a + c_s · b,
    // a what the start alone leaves at c_s = 0, b what a surface held at
    // 1 mol% adds to an empty part.
    struct Teile {
        Zellfeld a{}, b{};
    };
    Teile endprofil_teile(double D) const;

    int zellen() const { return zellen_; }
    // The surface is held at a fixed concentration (endprofil_teile applies).
    bool fester_rand() const { return art_ == Oberflaechenart::konzentration; }

private:
    double schrittzahl_fuer(double D) const;
    Teile teile_fest(double D) const;

    Modell modell_;  // the start, surface and time, for exchange
    Oberflaechenart art_ = Oberflaechenart::geschlossen;
    double randwert_ = 0;
    int zellen_;
    double dx_, sekunden_;
    std::vector<double> wurzel_v_, volumen_;  // per cell
    std::vector<double> nu_;                  // eigenvalues of the geometry's matrix, ascending
    std::vector<double> basis_;               // eigenvectors (closed: 1..n-1), column-major
    std::vector<double> q0_;                  // closed: the direction that carries the total amount
    std::vector<double> koeff_;               // the initial profile in that basis
    std::vector<double> koeff_eins_;          // fixed surface: a unit profile in that basis
    double erhalten_ = 0;                     // closed: the profile's component along q0
};

// The profile's value at depth x (µm): cell i belongs to the row position
// i · x_max / Zellen, as in the results file; between two rows linearly, before
// the first row the first cell's value.
double profil_bei(const Zellfeld& konz, int zellen, double x_max, double x);

enum class Anpassungsbefund {
    eindeutig,         // a minimum inside the search range
    untere_grenze,     // best at the smallest D: the profile has hardly moved
    obere_grenze,      // best at the largest D: the profile is evened out
    ohne_information,  // every D of the range fits equally well
    nur_oben_begrenzt,  // best inside, but the interval reaches the smallest D
    nur_unten_begrenzt  // best inside, but the interval reaches the largest D
};

struct Anpassung {
    double D = 0;                      // cm²/s
    double D_unten = 0, D_oben = 0;    // 95 % interval, cm²/s
    bool unten_offen = false, oben_offen = false;  // the interval reaches the search bound
    double ln_d_fehler = 0;            // standard error of ln D from the interval
    double rms = 0;                    // RMS residual, mol%
    double D0 = 0;                     // 1000 · cm²/s, at the model's Q and temperature
    double D0_unten = 0, D0_oben = 0;  // its 95 % interval, the D interval's bounds mapped
    double D_min = 0, D_max = 0;       // the search range
    int punkte = 0;
    int auswertungen = 0;              // profiles computed
    // With a fixed surface concentration fitted as well: c_s and its 95 % interval (mol%).
    bool mit_randwert = false;
    double c_s = 0, c_s_unten = 0, c_s_oben = 0;
    bool c_s_offen = false;            // the profile bounds c_s on one side at most
    Anpassungsbefund befund = Anpassungsbefund::eindeutig;
};

// The search covers D · Sinterzeit_s / x_max_cm² from 1e-11 (the profile has
// not moved measurably) to 10 (it is flat to the last digit).
inline constexpr double Anpassung_tau_min = 1e-11, Anpassung_tau_max = 10;

// Needs at least 3 points, x_max > 0 and Sinterzeit > 0, and no programme that
// the run steps through (durch_programm). With `randwert_anpassen` and a fixed
// surface concentration, c_s is fitted together with D (the model's c_s is
// then only the starting guess); otherwise the model's c_s holds.
Anpassung d_anpassen(const Modell& m, const std::vector<Messpunkt>& punkte, bool randwert_anpassen = false);

// The sum of squared residuals of the model profile for D at the points.
double quadratsumme(const Profilrechner& rechner, double x_max, const std::vector<Messpunkt>& punkte,
                    double D);

// D0 as the dialog takes it (1000 · cm²/s) that gives D at the model's Q and
// Sintertemp_K.
double d0_fuer(const Modell& m, double D);

// D at one temperature, for the Arrhenius fit.
struct Arrheniuspunkt {
    double kelvin = 0;
    double D = 0;            // cm²/s
    double ln_d_fehler = 0;  // standard error of ln D
};

struct Arrhenius {
    double D0 = 0, D0_fehler = 0;  // 1000 · cm²/s
    double Q = 0, Q_fehler = 0;    // J/mol
    bool gewichtet = true;         // false: an error was 0 or unknown, every point counts alike
};

// ln D against 1/T by weighted linear regression (weights 1 / error²); the
// standard errors follow from the points' errors. Needs two or more
// different temperatures.
Arrhenius arrhenius_anpassen(const std::vector<Arrheniuspunkt>& punkte);

}  // namespace kalvion
