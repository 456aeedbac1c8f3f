// SPDX-License-Identifier: GPL-3.0-or-later
#include "anfang.h"

#include <algorithm>
#include <cmath>

namespace kalvion {

namespace {

// Half a unit of the fourth decimal, which a results file's x column keeps,
// and a hair for the division that formed the row position.
constexpr double Positionstoleranz = 0.5e-4 * (1 + 1e-9);

}  // namespace

std::size_t verschiedene_tiefen(const std::vector<Messpunkt>& punkte)
{
    std::vector<double> tiefen;
    tiefen.reserve(punkte.size());
    for (const Messpunkt& p : punkte)
        tiefen.push_back(p.x);
    std::sort(tiefen.begin(), tiefen.end());
    return static_cast<std::size_t>(std::unique(tiefen.begin(), tiefen.end()) - tiefen.begin());
}

bool auf_zellpositionen(const std::vector<Messpunkt>& punkte, int zellen, double x_max)
{
    if (punkte.size() != static_cast<std::size_t>(zellen))
        return false;
    for (int i = 1; i <= zellen; ++i)
        if (!(std::fabs(punkte[i - 1].x - i * x_max / zellen) <= Positionstoleranz + 1e-12 * x_max))
            return false;
    return true;
}

std::vector<double> auf_zellen(const std::vector<Messpunkt>& punkte, int zellen, double x_max)
{
    std::vector<double> werte(static_cast<std::size_t>(zellen) + 2, 0.0);
    if (auf_zellpositionen(punkte, zellen, x_max)) {
        for (int i = 1; i <= zellen; ++i)
            werte[i] = punkte[i - 1].konz;
        return werte;
    }
    // A file need not list its points in order of depth.
    std::vector<Messpunkt> sortiert = punkte;
    std::stable_sort(sortiert.begin(), sortiert.end(), [](const Messpunkt& a, const Messpunkt& b) { return a.x < b.x; });
    std::size_t j = 0;  // the segment [j, j + 1] that holds the centre
    for (int i = 1; i <= zellen; ++i) {
        const double mitte = (i - 0.5) * x_max / zellen;
        if (mitte <= sortiert.front().x) {
            werte[i] = sortiert.front().konz;
            continue;
        }
        if (mitte >= sortiert.back().x) {
            werte[i] = sortiert.back().konz;
            continue;
        }
        while (sortiert[j + 1].x < mitte)
            ++j;
        const Messpunkt& a = sortiert[j];
        const Messpunkt& b = sortiert[j + 1];
        // a.x < mitte <= b.x, so the segment has a width. Rounding may carry
        // a + (b − a) · 1 a unit past b: the value stays between its ends.
        const double wert = a.konz + (b.konz - a.konz) * ((mitte - a.x) / (b.x - a.x));
        werte[i] = std::clamp(wert, std::min(a.konz, b.konz), std::max(a.konz, b.konz));
    }
    return werte;
}

}  // namespace kalvion
