// SPDX-License-Identifier: GPL-3.0-or-later
#include "sprung.h"

#include <Eigen/Eigenvalues>
#include <cmath>

#include "schrittmatrix.h"

// The step in matrix form. With g[i] = dt · Flaeche[i] · D / dx the amount a
// unit concentration difference moves through face i in one step (g[1] and
// g[Zellen+1] are 0: both ends are closed), a step is
//     Menge' = Menge − G · Konz,   Konz = V⁻¹ · Menge,
// where G is the face-weighted difference matrix (G[i][i] = g[i] + g[i+1],
// G[i][i−1] = G[i−1][i] = −g[i]) and V the diagonal of Volumen. G is
// symmetric, V⁻¹ · G is not; in y = V^-½ · Menge (= V^½ · Konz) the step is
//     y' = (I − K) · y,   K = V^-½ · G · V^-½,
// and K is symmetric, tridiagonal and positive semi-definite. With
// K = Q · diag(μ) · Qᵀ, S steps are
//     y_S = Q · diag((1 − μ)^S) · Qᵀ · y.
// The rows of G sum to 0, so K · V^½ · 1 = 0: the direction q0 = √V / |√V|
// has μ = 0 and carries the total amount Σ Menge = |√V| · (q0 · y). That
// component is kept as it is rather than through a computed eigenpair, whose
// μ is only near 0 (an error δ there would grow into S · δ); the other
// computed eigenvectors are used orthogonal to q0, so the total stays exact
// up to rounding for any S.
//
// The stability limit keeps μ below 2, but above 1 (the fast, alternating
// modes) 1 − μ is negative. (1 − μ)^S is taken as exp(S · log1p(−μ)), which
// holds the small μ of the slow modes to full precision even for S near 2^53;
// a negative base gets its sign from the parity of S.

namespace kalvion {

double sprungfaktor(double mu, double schritte)
{
    if (mu <= 0)  // only rounding makes a mode other than q0 reach 0
        return 1;
    if (mu == 1)
        return 0;
    if (mu < 1)
        return std::exp(schritte * std::log1p(-mu));
    const double betrag = std::exp(schritte * std::log(mu - 1));
    return std::fmod(schritte, 2.0) == 0 ? betrag : -betrag;
}

namespace {

// With the surface open the step is affine, Menge' = Menge − G · Konz + b,
// where G also holds face 1's conductance g1 = dt · Flaeche[1] · Randleitwert
// in its first diagonal entry and b draws cell 1 towards Randwert. Its fixed
// point is Randwert in every cell (the far end is closed), so the difference
// to it steps linearly: d' = (I − K) · d in the symmetric form. K is now
// positive definite (no amount is kept), and every mode decays.
Zellfeld menge_nach_sprung_offen(const Modell& m, double schritte)
{
    const int n = m.Zellen;
    const double c = m.Randwert;
    const detail::Schrittmatrix matrix = detail::schrittmatrix(
        m, m.dt * (m.Flaeche[1] * m.Randleitwert), [&m](int i) { return m.dt * (m.Flaeche[i] * (m.D / m.dx)); });
    const Eigen::VectorXd& wurzel_v = matrix.wurzel_v;
    const Eigen::MatrixXd& q = matrix.zerlegung.eigenvectors();
    const Eigen::VectorXd& mu = matrix.zerlegung.eigenvalues();

    Eigen::VectorXd y(n);
    for (int i = 0; i < n; ++i)
        y[i] = (m.Menge[i + 1] - c * m.Volumen[i + 1]) / wurzel_v[i];
    Eigen::VectorXd koeff = q.transpose() * y;
    for (int j = 0; j < n; ++j)
        koeff[j] *= sprungfaktor(mu[j], schritte);
    const Eigen::VectorXd y_s = q * koeff;

    Zellfeld ergebnis = m.Menge;
    for (int i = 0; i < n; ++i)
        ergebnis[i + 1] = y_s[i] * wurzel_v[i] + c * m.Volumen[i + 1];
    return ergebnis;
}

}  // namespace

Zellfeld menge_nach_sprung(const Modell& m, double schritte)
{
    Zellfeld ergebnis = m.Menge;
    if (schritte <= 0 || m.D == 0)  // no step, or steps that move nothing
        return ergebnis;
    if (m.Randleitwert > 0)
        return menge_nach_sprung_offen(m, schritte);

    const int n = m.Zellen;
    const detail::Schrittmatrix matrix =
        detail::schrittmatrix(m, 0, [&m](int i) { return m.dt * (m.Flaeche[i] * (m.D / m.dx)); });
    const Eigen::VectorXd& wurzel_v = matrix.wurzel_v;
    const Eigen::MatrixXd& q = matrix.zerlegung.eigenvectors();
    const Eigen::VectorXd& mu = matrix.zerlegung.eigenvalues();  // ascending: mu[0] belongs to q0
    Eigen::VectorXd y(n);
    for (int i = 0; i < n; ++i)
        y[i] = m.Menge[i + 1] / wurzel_v[i];

    const Eigen::VectorXd q0 = wurzel_v.normalized();
    const double erhalten = q0.dot(y);
    const Eigen::VectorXd rest = y - erhalten * q0;

    Eigen::VectorXd koeff = q.rightCols(n - 1).transpose() * rest;
    for (int j = 0; j < n - 1; ++j)
        koeff[j] *= sprungfaktor(mu[j + 1], schritte);
    Eigen::VectorXd abklingend = q.rightCols(n - 1) * koeff;
    abklingend -= q0.dot(abklingend) * q0;

    const Eigen::VectorXd y_s = erhalten * q0 + abklingend;
    for (int k = 0; k < n; ++k)
        ergebnis[k + 1] = y_s[k] * wurzel_v[k];
    return ergebnis;
}

void springe(Modell& m, double schritte)
{
    if (schritte <= 0)
        return;
    const Zellfeld vorher = m.Menge;
    m.Menge = menge_nach_sprung(m, schritte);
    for (int i = 1; i <= m.Zellen; ++i)
        m.Konz[i] = m.Menge[i] / m.Volumen[i];
    if (m.Randleitwert > 0) {
        // Whatever the cells gained or lost over the jumped steps crossed the surface.
        for (int i = 1; i <= m.Zellen; ++i)
            m.Menge_rand += m.Menge[i] - vorher[i];
    }
}

}  // namespace kalvion
