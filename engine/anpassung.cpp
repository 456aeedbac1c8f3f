// SPDX-License-Identifier: GPL-3.0-or-later
#include "anpassung.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/roots.hpp>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

#include "anfangsprofil.h"
#include "schrittmatrix.h"
#include "sprung.h"

namespace kalvion {

// The step's matrix in the symmetric form of the jump (see sprung.cpp) is
//     K = dt · D / dx · K1,
// with K1 built from Flaeche and Volumen alone. K1 = Q · diag(ν) · Qᵀ once;
// a run with D then has the eigenvalues μ = dt · D / dx · ν, and its final
// profile is Q · diag((1 − μ)^Schritte) · Qᵀ · y0 with y0 the initial profile.

Profilrechner::Profilrechner(const Modell& m) : modell_(m)
{
    anfangsprofil(modell_);
    oberflaeche_ableiten(modell_);
    const Modell& anfang = modell_;
    art_ = oberflaeche_offen(anfang) ? anfang.Oberflaeche : Oberflaechenart::geschlossen;
    randwert_ = anfang.Randwert;
    zellen_ = anfang.Zellen;
    dx_ = anfang.dx;
    sekunden_ = anfang.Sinterzeit_s;
    const int n = zellen_;
    if (art_ == Oberflaechenart::austausch)
        return;  // a decomposition for each D

    // A fixed surface concentration: face 1 passes 2 D / dx, in units of D / dx.
    const detail::Schrittmatrix matrix = detail::schrittmatrix(
        anfang, art_ == Oberflaechenart::konzentration ? 2 * anfang.Flaeche[1] : 0.0,
        [&anfang](int i) { return anfang.Flaeche[i]; });
    const Eigen::VectorXd& wurzel_v = matrix.wurzel_v;
    const auto& zerlegung = matrix.zerlegung;
    Eigen::VectorXd y(n);
    volumen_.resize(n);
    for (int k = 0; k < n; ++k) {
        volumen_[k] = anfang.Volumen[k + 1];
        y[k] = anfang.Menge[k + 1] / wurzel_v[k];
    }
    wurzel_v_.assign(wurzel_v.data(), wurzel_v.data() + n);

    if (art_ == Oberflaechenart::konzentration) {
        // Nothing is kept: every mode decays, towards c_s in every cell.
        const Eigen::MatrixXd& basis = zerlegung.eigenvectors();
        const Eigen::VectorXd koeff = basis.transpose() * y;
        const Eigen::VectorXd eins = basis.transpose() * wurzel_v;
        nu_.assign(zerlegung.eigenvalues().data(), zerlegung.eigenvalues().data() + n);
        basis_.assign(basis.data(), basis.data() + basis.size());
        koeff_.assign(koeff.data(), koeff.data() + n);
        koeff_eins_.assign(eins.data(), eins.data() + n);
        return;
    }

    const Eigen::VectorXd q0 = wurzel_v.normalized();
    erhalten_ = q0.dot(y);
    const Eigen::MatrixXd basis = zerlegung.eigenvectors().rightCols(n - 1);
    const Eigen::VectorXd koeff = basis.transpose() * (y - erhalten_ * q0);

    q0_.assign(q0.data(), q0.data() + n);
    nu_.assign(zerlegung.eigenvalues().data() + 1, zerlegung.eigenvalues().data() + n);
    basis_.assign(basis.data(), basis.data() + basis.size());
    koeff_.assign(koeff.data(), koeff.data() + koeff.size());
}

double Profilrechner::schrittzahl_fuer(double D) const
{
    // The run's step count, as schritte_vorbereiten forms it.
    double schritte = schrittzahl(sekunden_, stabilitaetsgrenze(dx_, D, art_ != Oberflaechenart::geschlossen));
    if (schritte < 200)
        schritte = 200;
    return schritte;
}

Profilrechner::Teile Profilrechner::teile_fest(double D) const
{
    const int n = zellen_;
    const double schritte = schrittzahl_fuer(D);
    const double faktor = sekunden_ / schritte * (D / dx_);
    Eigen::VectorXd start(n), eins(n);
    for (int j = 0; j < n; ++j) {
        const double f = sprungfaktor(faktor * nu_[j], schritte);
        start[j] = koeff_[j] * f;
        eins[j] = koeff_eins_[j] * f;
    }
    const Eigen::Map<const Eigen::MatrixXd> basis(basis_.data(), n, n);
    const Eigen::VectorXd y_a = basis * start, y_eins = basis * eins;
    Teile t;
    for (int k = 0; k < n; ++k) {
        t.a[k + 1] = y_a[k] * wurzel_v_[k] / volumen_[k];
        t.b[k + 1] = 1 - y_eins[k] / wurzel_v_[k];
    }
    return t;
}

Profilrechner::Teile Profilrechner::endprofil_teile(double D) const
{
    if (art_ != Oberflaechenart::konzentration)
        throw std::logic_error("only with a fixed surface concentration");
    return teile_fest(D);
}

Zellfeld Profilrechner::endprofil(double D) const
{
    const int n = zellen_;
    if (art_ == Oberflaechenart::konzentration) {
        const Teile t = teile_fest(D);
        Zellfeld konz{};
        for (int k = 1; k <= n; ++k)
            konz[k] = t.a[k] + randwert_ * t.b[k];
        return konz;
    }
    if (art_ == Oberflaechenart::austausch) {
        Modell lauf = modell_;
        lauf.D = D;
        lauf.Schritte = schrittzahl_fuer(D);
        lauf.dt = sekunden_ / lauf.Schritte;
        oberflaeche_ableiten(lauf);
        const Zellfeld menge = menge_nach_sprung(lauf, lauf.Schritte);
        Zellfeld konz{};
        for (int k = 1; k <= n; ++k)
            konz[k] = menge[k] / lauf.Volumen[k];
        return konz;
    }

    // The run's step count and step, as schritte_vorbereiten forms them.
    const double schritte = schrittzahl_fuer(D);
    const double dt = sekunden_ / schritte;
    const double faktor = dt * (D / dx_);

    Eigen::VectorXd gewichtet(n - 1);
    for (int j = 0; j < n - 1; ++j)
        gewichtet[j] = koeff_[j] * sprungfaktor(faktor * nu_[j], schritte);
    const Eigen::Map<const Eigen::MatrixXd> basis(basis_.data(), n, n - 1);
    const Eigen::Map<const Eigen::VectorXd> q0(q0_.data(), n);
    Eigen::VectorXd abklingend = basis * gewichtet;
    abklingend -= q0.dot(abklingend) * q0;

    Zellfeld konz{};
    for (int k = 0; k < n; ++k) {
        const double y = erhalten_ * q0[k] + abklingend[k];
        konz[k + 1] = y * wurzel_v_[k] / volumen_[k];
    }
    return konz;
}

double profil_bei(const Zellfeld& konz, int zellen, double x_max, double x)
{
    const double zeile = x * zellen / x_max;  // 1 at the first row, Zellen at the last
    if (zeile <= 1)
        return konz[1];
    if (zeile >= zellen)
        return konz[zellen];
    const int i = static_cast<int>(std::floor(zeile));
    const double anteil = zeile - i;
    return konz[i] + anteil * (konz[i + 1] - konz[i]);
}

double quadratsumme(const Profilrechner& rechner, double x_max, const std::vector<Messpunkt>& punkte,
                    double D)
{
    const Zellfeld konz = rechner.endprofil(D);
    double summe = 0;
    for (const Messpunkt& p : punkte) {
        const double r = profil_bei(konz, rechner.zellen(), x_max, p.x) - p.konz;
        summe += r * r;
    }
    return summe;
}

double d0_fuer(const Modell& m, double D)
{
    return D * 1000 / std::exp(-m.Q.wert / (m.Sintertemp_K * Modell::R));
}

namespace {

constexpr int Rasterpunkte = 121;
constexpr double Rundung_molprozent = 1e-9;

}  // namespace

namespace {

// The model's values at the measured depths.
std::vector<double> an_punkten(const Zellfeld& konz, int zellen, double x_max, const std::vector<Messpunkt>& punkte)
{
    std::vector<double> werte(punkte.size());
    for (std::size_t j = 0; j < punkte.size(); ++j)
        werte[j] = profil_bei(konz, zellen, x_max, punkte[j].x);
    return werte;
}

// The best c_s for profiles a + c_s · b at the points, and the sum of squares
// it leaves: a linear least-squares fit in closed form. Where b vanishes at
// every point the points say nothing about c_s, and `vorgabe` stays.
struct Randanpassung {
    double c_s = 0, ss = 0;
};
Randanpassung bester_randwert(const std::vector<double>& a, const std::vector<double>& b,
                              const std::vector<Messpunkt>& punkte, double vorgabe)
{
    double bb = 0, br = 0;
    for (std::size_t j = 0; j < punkte.size(); ++j) {
        bb += b[j] * b[j];
        br += b[j] * (punkte[j].konz - a[j]);
    }
    Randanpassung r;
    r.c_s = bb > 0 ? br / bb : vorgabe;
    for (std::size_t j = 0; j < punkte.size(); ++j) {
        const double rest = punkte[j].konz - a[j] - r.c_s * b[j];
        r.ss += rest * rest;
    }
    return r;
}

double quadratsumme_bei(const std::vector<double>& a, const std::vector<double>& b,
                        const std::vector<Messpunkt>& punkte, double c_s)
{
    double ss = 0;
    for (std::size_t j = 0; j < punkte.size(); ++j) {
        const double rest = punkte[j].konz - a[j] - c_s * b[j];
        ss += rest * rest;
    }
    return ss;
}

// The 95 % interval of a fitted c_s, from the profile of the sum of squares
// over c_s: for each c_s the D that fits best, and the c_s where that least
// sum of squares reaches the threshold. `teile_bei(u)` gives the profile's
// parts at the points for ln D = u.
template <class Teilefunktion>
void randwert_intervall(Anpassung& a, const Teilefunktion& teile_bei, const std::vector<double>& raster,
                        double u_hat, double schwelle, double vorgabe, const std::vector<Messpunkt>& punkte)
{
    const auto beste_teile = teile_bei(u_hat);
    a.c_s = bester_randwert(beste_teile.a, beste_teile.b, punkte, vorgabe).c_s;

    std::vector<decltype(teile_bei(u_hat))> gitter;
    gitter.reserve(raster.size());
    for (const double u : raster)
        gitter.push_back(teile_bei(u));
    // The least sum of squares over D for this c_s.
    auto ss_c = [&](double c) {
        std::size_t beste = 0;
        std::vector<double> werte(raster.size());
        for (std::size_t k = 0; k < raster.size(); ++k) {
            werte[k] = quadratsumme_bei(gitter[k].a, gitter[k].b, punkte, c);
            if (werte[k] < werte[beste])
                beste = k;
        }
        const double mitte = raster[beste];
        const double links = raster[beste > 0 ? beste - 1 : 0] - mitte;
        const double rechts = raster[std::min(beste + 1, raster.size() - 1)] - mitte;
        std::uintmax_t iterationen = 100;
        const auto [v, wert] = boost::math::tools::brent_find_minima(
            [&](double v) {
                const auto t = teile_bei(mitte + v);
                return quadratsumme_bei(t.a, t.b, punkte, c);
            },
            links, rechts, 40, iterationen);
        return std::min(wert, werte[beste]);
    };

    // Outwards from c_s in growing steps until the threshold is passed, then
    // the crossing itself.
    constexpr double Weiteste_abweichung = 1e4;  // mol%
    auto grenze = [&](int richtung) -> std::optional<double> {
        double innen = a.c_s, schritt = 0.01 * std::max(1.0, std::fabs(a.c_s));
        // Without scatter the threshold lies within rounding of the minimum,
        // which the search over D for a fixed c_s may not reach again.
        if (ss_c(innen) >= schwelle)
            return innen;
        while (schritt <= Weiteste_abweichung) {
            const double aussen = a.c_s + richtung * schritt;
            if (ss_c(aussen) >= schwelle) {
                boost::math::tools::eps_tolerance<double> genau(30);
                std::uintmax_t schritte = 60;
                const auto [r1, r2] = boost::math::tools::toms748_solve(
                    [&](double c) { return ss_c(c) - schwelle; }, std::min(innen, aussen), std::max(innen, aussen),
                    genau, schritte);
                return (r1 + r2) / 2;
            }
            innen = aussen;
            schritt *= 2;
        }
        return std::nullopt;
    };
    const std::optional<double> unten = grenze(-1), oben = grenze(+1);
    a.c_s_offen = !unten || !oben;
    a.c_s_unten = unten.value_or(-std::numeric_limits<double>::infinity());
    a.c_s_oben = oben.value_or(std::numeric_limits<double>::infinity());
}

}  // namespace

Anpassung d_anpassen(const Modell& m, const std::vector<Messpunkt>& punkte, bool randwert_anpassen)
{
    if (punkte.size() < 3)
        throw std::invalid_argument("at least three points");
    if (durch_programm(m))
        throw std::invalid_argument("a programme stepped through has no single D");
    Modell satz = m;
    kelvin_ableiten(satz);
    sekunden_ableiten(satz);
    weg_ableiten(satz);
    const Profilrechner rechner(satz);
    const double x_max = satz.x_max.wert;
    const int zellen = rechner.zellen();

    Anpassung a;
    a.punkte = static_cast<int>(punkte.size());
    a.mit_randwert = randwert_anpassen && rechner.fester_rand();
    const double mass = satz.x_max_cm * satz.x_max_cm / satz.Sinterzeit_s;
    a.D_min = Anpassung_tau_min * mass;
    a.D_max = Anpassung_tau_max * mass;
    const double u_min = std::log(a.D_min), u_max = std::log(a.D_max);

    // The profile's two parts at the points for ln D = u, with c_s fitted.
    struct Stand {
        std::vector<double> a, b;
    };
    auto teile_bei = [&](double u) {
        const Profilrechner::Teile t = rechner.endprofil_teile(std::exp(u));
        return Stand{an_punkten(t.a, zellen, x_max, punkte), an_punkten(t.b, zellen, x_max, punkte)};
    };
    // The objective on ln D; with c_s fitted, the least sum of squares over c_s.
    auto ss = [&](double u) {
        ++a.auswertungen;
        if (!a.mit_randwert)
            return quadratsumme(rechner, x_max, punkte, std::exp(u));
        const Stand t = teile_bei(u);
        return bester_randwert(t.a, t.b, punkte, satz.c_s.wert).ss;
    };

    // A coarse scan over the whole range first: the sum of squares may have
    // plateaus at both ends, and a minimiser started there would stay.
    std::vector<double> raster(Rasterpunkte), werte(Rasterpunkte);
    int beste = 0;
    for (int k = 0; k < Rasterpunkte; ++k) {
        raster[k] = u_min + (u_max - u_min) * k / (Rasterpunkte - 1);
        werte[k] = ss(raster[k]);
        if (werte[k] < werte[beste])
            beste = k;
    }

    // Brent on the two intervals beside the best grid point, in coordinates
    // centred there so that the minimiser's relative tolerance is fine in ln D.
    const double mitte = raster[beste];
    const double links = raster[std::max(beste - 1, 0)] - mitte;
    const double rechts = raster[std::min(beste + 1, Rasterpunkte - 1)] - mitte;
    std::uintmax_t iterationen = 200;
    const auto [v, ss_min_brent] = boost::math::tools::brent_find_minima(
        [&](double v) { return ss(mitte + v); }, links, rechts, std::numeric_limits<double>::digits,
        iterationen);
    double u_hat = mitte + v, ss_min = ss_min_brent;
    if (werte[beste] < ss_min) {  // the minimiser never does worse than the grid
        u_hat = mitte;
        ss_min = werte[beste];
    }
    a.D = std::exp(u_hat);
    a.rms = std::sqrt(ss_min / a.punkte);
    a.D0 = d0_fuer(satz, a.D);

    // 95 % interval from the profile of the sum of squares:
    // SS(D) <= SS_min · (1 + F(0.95; 1, n − p) / (n − p)), p the unknowns.
    const double freiheit = a.punkte - (a.mit_randwert ? 2 : 1);
    const double f = boost::math::quantile(boost::math::fisher_f(1, freiheit), 0.95);
    // The jump agrees with stepping to about 1e-9 mol%: differences below
    // that are rounding, so a profile without noise still gets an interval
    // where the sum of squares really rises, and a plateau counts as one.
    const double rundung = a.punkte * Rundung_molprozent * Rundung_molprozent;
    const double schwelle = std::max(ss_min * (1 + f / freiheit), ss_min + rundung);
    auto grenze = [&](int richtung, bool& offen) {
        if (!(schwelle > ss_min))
            return u_hat;
        double innen = u_hat;
        for (int k = beste; k >= 0 && k < Rasterpunkte; k += richtung) {
            if ((raster[k] - u_hat) * richtung <= 0)
                continue;
            if (werte[k] >= schwelle) {
                boost::math::tools::eps_tolerance<double> genau(40);
                std::uintmax_t schritte = 100;
                const auto [r1, r2] = boost::math::tools::toms748_solve(
                    [&](double u) { return ss(u) - schwelle; }, std::min(innen, raster[k]),
                    std::max(innen, raster[k]), genau, schritte);
                return (r1 + r2) / 2;
            }
            innen = raster[k];
        }
        offen = true;
        return richtung < 0 ? u_min : u_max;
    };
    const double u_unten = grenze(-1, a.unten_offen);
    const double u_oben = grenze(+1, a.oben_offen);
    a.D_unten = std::exp(u_unten);
    a.D_oben = std::exp(u_oben);
    // D0 grows with D at a fixed Q and temperature: the interval maps through.
    a.D0_unten = d0_fuer(satz, a.D_unten);
    a.D0_oben = d0_fuer(satz, a.D_oben);

    // The standard error of ln D that the interval stands for (F(1, ν) = t(ν)²).
    const double t = std::sqrt(f);
    if (a.unten_offen && a.oben_offen)
        a.ln_d_fehler = std::numeric_limits<double>::infinity();
    else if (a.unten_offen)
        a.ln_d_fehler = (u_oben - u_hat) / t;
    else if (a.oben_offen)
        a.ln_d_fehler = (u_hat - u_unten) / t;
    else
        a.ln_d_fehler = (u_oben - u_unten) / (2 * t);

    // An interval open to a bound: the data bound D from one side only. The
    // optimum lies at that bound only where the bound fits as well as the
    // optimum, to rounding; otherwise it lies inside and the bound merely fits
    // within the scatter.
    const bool bei_unten = werte.front() <= ss_min + rundung;
    const bool bei_oben = werte.back() <= ss_min + rundung;
    if (a.unten_offen && a.oben_offen)
        a.befund = Anpassungsbefund::ohne_information;
    else if (a.unten_offen)
        a.befund = bei_unten ? Anpassungsbefund::untere_grenze : Anpassungsbefund::nur_oben_begrenzt;
    else if (a.oben_offen)
        a.befund = bei_oben ? Anpassungsbefund::obere_grenze : Anpassungsbefund::nur_unten_begrenzt;

    if (a.mit_randwert)
        randwert_intervall(a, teile_bei, raster, u_hat, schwelle, satz.c_s.wert, punkte);
    return a;
}

Arrhenius arrhenius_anpassen(const std::vector<Arrheniuspunkt>& punkte)
{
    const std::size_t n = punkte.size();
    if (n < 2)
        throw std::invalid_argument("at least two temperatures");
    // Asked of the temperatures themselves: at a single one, the spread of
    // 1/T about its mean need not come out as exactly 0 in rounding, and a
    // line through one point would come back as D0 and Q.
    if (std::all_of(punkte.begin(), punkte.end(),
                    [&](const Arrheniuspunkt& p) { return p.kelvin == punkte.front().kelvin; }))
        throw std::invalid_argument("two different temperatures needed");
    Arrhenius e;
    std::vector<double> x(n), y(n), w(n);
    for (std::size_t i = 0; i < n; ++i) {
        x[i] = 1 / punkte[i].kelvin;
        y[i] = std::log(punkte[i].D);
        const double s = punkte[i].ln_d_fehler;
        if (!(s > 0) || !std::isfinite(s))
            e.gewichtet = false;
        w[i] = s > 0 ? 1 / (s * s) : 0;
    }
    if (!e.gewichtet)
        std::fill(w.begin(), w.end(), 1.0);

    double sw = 0, swx = 0, swy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sw += w[i];
        swx += w[i] * x[i];
        swy += w[i] * y[i];
    }
    const double xq = swx / sw, yq = swy / sw;
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sxx += w[i] * (x[i] - xq) * (x[i] - xq);
        sxy += w[i] * (x[i] - xq) * (y[i] - yq);
    }
    if (!(sxx > 0))
        throw std::invalid_argument("two different temperatures needed");
    const double b = sxy / sxx;
    const double a = yq - b * xq;
    double var_b = 1 / sxx, var_a = 1 / sw + xq * xq / sxx;
    if (!e.gewichtet) {
        // Without the points' errors the scatter about the line stands for them.
        double rest = 0;
        for (std::size_t i = 0; i < n; ++i)
            rest += (y[i] - a - b * x[i]) * (y[i] - a - b * x[i]);
        const double s2 = n > 2 ? rest / static_cast<double>(n - 2) : 0;
        var_b *= s2;
        var_a *= s2;
    }
    // + 0.0: a level line gives Q = 0, not the -0 a table would print.
    e.Q = -b * Modell::R + 0.0;
    e.Q_fehler = std::sqrt(var_b) * Modell::R;
    e.D0 = std::exp(a) * 1000;
    e.D0_fehler = e.D0 * std::sqrt(var_a);
    return e;
}

}  // namespace kalvion
