// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometrie.h"

#include <cmath>

namespace kalvion::geometrie_detail {

Zellgeometrie kugel(int i, int n)
{
    // The surface (face 1) has area 1, the innermost face (1/n)²; std::pow
    // as always, for the same digits.
    const double flaeche = std::pow(static_cast<double>((1 + n) - i) / n, 2);
    return {flaeche, flaeche};
}

}  // namespace kalvion::geometrie_detail
