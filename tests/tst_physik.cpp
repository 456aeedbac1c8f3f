// The engine's final profiles for the start-up values against closed-form
// solutions of the diffusion equation: this pins geometry and signs to the
// physics, not only to the engine's own earlier output.
#include <QTest>
#include <cmath>

#include "testhilfen.h"
using namespace kalvion;

namespace {



// Slab source 0 < x < h in a bar 0 < x < l closed at both ends (images):
// C = C0/2 Σn [erf((h + 2nl − x)/2√(Dt)) + erf((h − 2nl + x)/2√(Dt))].
double stab(double x, double h, double l, double dt, double c0)
{
    const double w = 2 * std::sqrt(dt);
    double c = 0;
    for (int n = -20; n <= 20; ++n)
        c += std::erf((h + 2 * n * l - x) / w) + std::erf((h - 2 * n * l + x) / w);
    return c0 / 2 * c;
}

// A sphere of radius R closed at its surface, with C0 in the shell
// R − h < r < R at t = 0: the mean plus the eigen-series with tan(αR) = αR.
double kugel(double r, double h, double radius, double dt, double c0)
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

}  // namespace

class tst_physik : public QObject {
    Q_OBJECT
private slots:
    void linearer_stab()
    {
        const Modell m = standardlauf(false);
        const double l = m.x_max_cm, h = m.i_Diff * m.dx, dt = m.D * m.Sinterzeit_s;
        double groesste = 0;
        for (int i = 1; i <= m.Zellen; ++i) {
            const double x = (i - 0.5) * m.dx;  // the cell centre
            groesste = std::max(groesste, std::fabs(m.Konz[i] - stab(x, h, l, dt, 100)));
        }
        qInfo("largest deviation from the erf images: %.5f mol%%", groesste);
        QVERIFY2(groesste < 0.01, qPrintable(QString::number(groesste)));
    }

    void kugel_mit_schale()
    {
        const Modell m = standardlauf(true);
        const double radius = m.x_max_cm, h = m.i_Diff * m.dx, dt = m.D * m.Sinterzeit_s;
        double groesste = 0;
        for (int i = 1; i <= m.Zellen; ++i) {
            const double r = radius - (i - 0.5) * m.dx;
            groesste = std::max(groesste, std::fabs(m.Konz[i] - kugel(r, h, radius, dt, 100)));
        }
        qInfo("largest deviation from the eigen-series: %.5f mol%%", groesste);
        QVERIFY2(groesste < 0.5, qPrintable(QString::number(groesste)));
    }
};

QTEST_APPLESS_MAIN(tst_physik)
#include "tst_physik.moc"
