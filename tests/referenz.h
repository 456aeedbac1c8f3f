// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An independent, plain statement of the model for the end-to-end checks:
// the initial profile from its closed form and the explicit finite-volume
// step, written out once more without the engine.
#include <cmath>
#include <vector>

struct Referenz {
    std::vector<double> konz;  // cells 1..200 at [1..200]
    long long negative = 0;
    double schritte = 0;
};

inline Referenz referenzlauf(bool kugel, int i_diff, double temp_c, double zeit_h, double x_max_um,
                             double d0, double q)
{
    const int n = 200;
    const double dx = x_max_um * 1e-4 / n;
    const double d = d0 / 1000 * std::exp(-q / ((temp_c + 273) * 8.31451));
    const double ts = zeit_h * 3600;
    double schritte = std::floor(1.2 * ts / (dx * dx / (2 * d)));
    schritte = std::max(schritte, 200.0);
    const double dt = ts / schritte;

    std::vector<double> a(n + 2), v(n + 2), c(n + 2), mg(n + 2), f(n + 2);
    for (int i = 1; i <= n; ++i) {
        a[i] = kugel ? std::pow(double(n + 1 - i) / n, 2) : 1.0;
        v[i] = a[i] * dx;
        c[i] = i <= i_diff ? 100.0 : 0.0;
        mg[i] = c[i] * v[i];
    }
    Referenz r;
    r.schritte = schritte;
    for (double k = 1; k <= schritte; ++k) {
        for (int i = 2; i <= n; ++i) {
            f[i] = (c[i - 1] - c[i]) * d / dx;
            r.negative += f[i] < 0;
        }
        for (int i = 1; i <= n; ++i) {
            const double rein = i > 1 ? dt * (a[i] * f[i]) : 0.0;
            const double raus = i < n ? dt * (a[i + 1] * f[i + 1]) : 0.0;
            mg[i] = i == 1 ? mg[i] - raus : (i == n ? mg[i] + rein : (mg[i] + rein) - raus);
            c[i] = mg[i] / v[i];
        }
    }
    r.konz = c;
    return r;
}
