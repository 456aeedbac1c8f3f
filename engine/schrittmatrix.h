// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step's matrix in the symmetric form of the jump (see sprung.cpp),
// decomposed: shared by the jump and the fit, inside the engine only.

#include <Eigen/Eigenvalues>
#include <cmath>

#include "modell.h"

namespace kalvion::detail {

struct Schrittmatrix {
    Eigen::VectorXd wurzel_v;  // √Volumen of cells 1..Zellen
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> zerlegung;
};

// K = V^-½ · G · V^-½ for the model's cells, G from the conductance
// `leitwert(i)` of each inner face i (2..Zellen) and `rand` at face 1 (0: closed).
template <class Leitwert>
Schrittmatrix schrittmatrix(const Modell& m, double rand, Leitwert leitwert)
{
    const int n = m.Zellen;
    Schrittmatrix s;
    s.wurzel_v.resize(n);
    for (int k = 0; k < n; ++k)
        s.wurzel_v[k] = std::sqrt(m.Volumen[k + 1]);
    // K's diagonal and the off-diagonal between cells k and k+1 (face k+2).
    Eigen::VectorXd diagonale = Eigen::VectorXd::Zero(n), neben(n - 1);
    if (rand > 0)
        diagonale[0] = rand / m.Volumen[1];
    for (int k = 0; k + 1 < n; ++k) {
        const double g = leitwert(k + 2);
        diagonale[k] += g / m.Volumen[k + 1];
        diagonale[k + 1] += g / m.Volumen[k + 2];
        neben[k] = -g / (s.wurzel_v[k] * s.wurzel_v[k + 1]);
    }
    s.zerlegung.computeFromTridiagonal(diagonale, neben, Eigen::ComputeEigenvectors);
    return s;
}

}  // namespace kalvion::detail
