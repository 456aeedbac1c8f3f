// SPDX-License-Identifier: GPL-3.0-or-later
// The fit of D against profiles the engine computed itself at a known D, and
// the Arrhenius fit against D computed from known D0 and Q.
#include <QTest>
#include <cmath>
#include <random>

#include "anpassung.h"
#include "anpassungsbefund.h"
#include "modell.h"
#include "zeitschritte.h"

using namespace kalvion;

Q_DECLARE_METATYPE(kalvion::Geometrie)

namespace {

// Start-up values with the given model, source and path, the sintering time
// chosen so that a run makes about `schritte` steps.
Modell satz(Geometrie geometrie, int i_diff, double x_max, double temperatur, double schritte)
{
    Modell m;
    startwerte_setzen(m);
    Parametersatz p;
    p.eingaben = {{&Modell::x_max, Eingabewert{x_max, std::nullopt}},
                  {&Modell::Sintertemp, Eingabewert{temperatur, std::nullopt}}};
    p.i_Diff = static_cast<std::int16_t>(i_diff);
    m.Geometrie = geometrie;
    parameter_uebernehmen(m, p);
    const double sekunden = schritte * stabilitaetsgrenze(m.dx, m.D) / 1.2;
    p.eingaben.push_back({&Modell::Sinterzeit, Eingabewert{sekunden / 3600, std::nullopt}});
    parameter_uebernehmen(m, p);
    return m;
}

// The final profile of a real run, read at `anzahl` evenly spread depths.
std::vector<Messpunkt> gemessen(const Modell& m, int anzahl)
{
    Modell lauf = m;
    lauf_rechnen(lauf, {}, laufschritte(m) > 20000 ? Verfahren::sprung : Verfahren::schrittweise);
    std::vector<Messpunkt> punkte;
    for (int j = 0; j < anzahl; ++j) {
        const double x = (j + 0.5) * m.x_max.wert / anzahl;
        punkte.push_back({x, profil_bei(lauf.Konz, lauf.Zellen, m.x_max.wert, x)});
    }
    return punkte;
}

void verrauschen(std::vector<Messpunkt>& punkte, double sigma, unsigned saat)
{
    std::mt19937_64 zufall(saat);
    std::normal_distribution<double> rauschen(0, sigma);
    for (Messpunkt& p : punkte)
        p.konz += rauschen(zufall);
}

}  // namespace

class tst_anpassung : public QObject {
    Q_OBJECT
private slots:
    void fit_findet_d_ohne_rauschen_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<int>("i_diff");
        QTest::addColumn<double>("x_max");
        QTest::addColumn<double>("schritte");
        QTest::newRow("linear, 20 Zellen, 1e3 Schritte") << Geometrie::linear << 20 << 50.0 << 1e3;
        QTest::newRow("linear, 20 Zellen, 1e4 Schritte") << Geometrie::linear << 20 << 50.0 << 1e4;
        QTest::newRow("linear, 1 Zelle, 1e3 Schritte") << Geometrie::linear << 1 << 20.0 << 1e3;
        QTest::newRow("linear, 100 Zellen, 1e5 Schritte") << Geometrie::linear << 100 << 5.0 << 1e5;
        QTest::newRow("linear, 199 Zellen, 3e4 Schritte") << Geometrie::linear << 199 << 1000.0 << 3e4;
        QTest::newRow("zylindrisch, 20 Zellen, 1e3 Schritte") << Geometrie::zylindrisch << 20 << 50.0 << 1e3;
        QTest::newRow("zylindrisch, 150 Zellen, 1e5 Schritte") << Geometrie::zylindrisch << 150 << 3.0 << 1e5;
        QTest::newRow("sphaerisch, 20 Zellen, 1e3 Schritte") << Geometrie::sphaerisch << 20 << 50.0 << 1e3;
        QTest::newRow("sphaerisch, 5 Zellen, 1e4 Schritte") << Geometrie::sphaerisch << 5 << 30.0 << 1e4;
        QTest::newRow("sphaerisch, 100 Zellen, 1e5 Schritte") << Geometrie::sphaerisch << 100 << 2.0 << 1e5;
        QTest::newRow("sphaerisch, 199 Zellen, 3e4 Schritte") << Geometrie::sphaerisch << 199 << 80.0 << 3e4;
    }
    void fit_findet_d_ohne_rauschen()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(int, i_diff);
        QFETCH(double, x_max);
        QFETCH(double, schritte);
        const Modell m = satz(geometrie, i_diff, x_max, 1050, schritte);
        const Anpassung a = d_anpassen(m, gemessen(m, 40));
        QCOMPARE(a.befund, Anpassungsbefund::eindeutig);
        QVERIFY2(std::abs(a.D / m.D - 1) < 1e-6, qPrintable(QString::number(a.D / m.D - 1)));
        QVERIFY2(a.rms < 1e-5, qPrintable(QString::number(a.rms)));
        QVERIFY(a.D_unten <= a.D && a.D <= a.D_oben);
        // The D0 shown gives this D again at the model's Q and temperature,
        // and its interval is D's mapped the same way.
        QVERIFY(std::abs(d0_fuer(m, a.D) / m.D0.wert - 1) < 1e-6);
        QCOMPARE(a.D0_unten, d0_fuer(m, a.D_unten));
        QCOMPARE(a.D0_oben, d0_fuer(m, a.D_oben));
        QVERIFY(a.D0_unten <= a.D0 && a.D0 <= a.D0_oben);
    }

    // Beyond some 10^5 steps the profile is flat: no D can be read off it any
    // more, and the fit says so instead of inventing one.
    void flaches_profil_hat_nur_eine_untere_grenze_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<double>("schritte");
        QTest::newRow("linear, 1e7 Schritte") << Geometrie::linear << 1e7;
        QTest::newRow("linear, 1e10 Schritte") << Geometrie::linear << 1e10;
        QTest::newRow("zylindrisch, 1e10 Schritte") << Geometrie::zylindrisch << 1e10;
        QTest::newRow("sphaerisch, 1e10 Schritte") << Geometrie::sphaerisch << 1e10;
    }
    void flaches_profil_hat_nur_eine_untere_grenze()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(double, schritte);
        const Modell m = satz(geometrie, 20, 1, 1050, schritte);
        const Anpassung a = d_anpassen(m, gemessen(m, 20));
        QCOMPARE(a.befund, Anpassungsbefund::obere_grenze);
        QVERIFY(a.oben_offen);
        QVERIFY(!a.unten_offen);
        QVERIFY(a.D_unten < m.D);
        QVERIFY(!befundtext(a.befund).isEmpty());
    }

    void unbewegtes_profil_liegt_an_der_unteren_grenze()
    {
        Modell m = satz(Geometrie::linear, 20, 50, 1050, 1e3);
        std::vector<Messpunkt> punkte;
        for (int i = 1; i <= 200; i += 7)
            punkte.push_back({i * 50.0 / 200, i <= 20 ? 100.0 : 0.0});
        const Anpassung a = d_anpassen(m, punkte);
        QCOMPARE(a.befund, Anpassungsbefund::untere_grenze);
        QVERIFY(a.unten_offen);
    }

    // A profile far wider than any D of the model gives: the best D lies well
    // inside the range, and only the interval reaches down to the bound. The
    // note must not say the optimum lies at the bound.
    void optimum_innen_intervall_bis_zur_grenze()
    {
        Modell m;
        startwerte_setzen(m);
        Parametersatz p;
        p.eingaben = {{&Modell::Sintertemp, Eingabewert{900, std::nullopt}}};
        p.i_Diff = 20;
        parameter_uebernehmen(m, p);
        const std::vector<Messpunkt> punkte{{0, 95}, {5, 80},  {10, 60}, {15, 40},  {20, 22},
                                            {25, 10}, {30, 4}, {35, 1},  {40, 0.5}, {45, 0}};
        const Anpassung a = d_anpassen(m, punkte);
        QVERIFY(a.unten_offen);
        QVERIFY(!a.oben_offen);
        QVERIFY2(a.D > 1e6 * a.D_unten, qPrintable(QString::number(a.D / a.D_unten)));
        QCOMPARE(a.befund, Anpassungsbefund::nur_oben_begrenzt);
        QVERIFY(befundtext(a.befund).startsWith(QStringLiteral("Das Messprofil begrenzt D nur nach oben")));
    }

    void punkte_ohne_bezug_zu_d()
    {
        // Every point lies halfway between rows 100 and 101, where the
        // profile of a half-filled bar stays at 50 mol% whatever D is:
        // no D is better than another.
        Modell m = satz(Geometrie::linear, 100, 50, 1050, 1e3);
        std::vector<Messpunkt> punkte{{25.125, 50}, {25.125, 50}, {25.125, 50}};
        const Anpassung a = d_anpassen(m, punkte);
        QCOMPARE(a.befund, Anpassungsbefund::ohne_information);
        QVERIFY(!befundtext(a.befund).isEmpty());
    }

    void intervall_haelt_das_wahre_d_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<double>("schritte");
        QTest::newRow("linear, 1e4 Schritte") << Geometrie::linear << 1e4;
        QTest::newRow("zylindrisch, 5e3 Schritte") << Geometrie::zylindrisch << 5e3;
        QTest::newRow("sphaerisch, 3e3 Schritte") << Geometrie::sphaerisch << 3e3;
    }
    void intervall_haelt_das_wahre_d()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(double, schritte);
        const Modell m = satz(geometrie, 20, 50, 1050, schritte);
        const std::vector<Messpunkt> sauber = gemessen(m, 30);
        int getroffen = 0;
        for (unsigned saat = 1; saat <= 100; ++saat) {
            std::vector<Messpunkt> punkte = sauber;
            verrauschen(punkte, 0.5, saat);
            const Anpassung a = d_anpassen(m, punkte);
            QCOMPARE(a.befund, Anpassungsbefund::eindeutig);
            getroffen += a.D_unten <= m.D && m.D <= a.D_oben;
        }
        QVERIFY2(getroffen >= 88 && getroffen <= 100, qPrintable(QString::number(getroffen)));
    }

    void profil_zwischen_den_zeilen_linear()
    {
        Zellfeld konz{};
        for (int i = 1; i <= 200; ++i)
            konz[i] = 2.0 * i;
        QCOMPARE(profil_bei(konz, 200, 50, 0.25), 2.0);   // the first row
        QCOMPARE(profil_bei(konz, 200, 50, 0.375), 3.0);  // halfway to the second
        QCOMPARE(profil_bei(konz, 200, 50, 0.0), 2.0);    // before the first row
        QCOMPARE(profil_bei(konz, 200, 50, 50.0), 400.0);
    }

    void arrhenius_ohne_rauschen_data()
    {
        QTest::addColumn<double>("d0");
        QTest::addColumn<double>("q");
        QTest::newRow("Startwerte") << 587.0 << 238650.0;
        QTest::newRow("kleines Q") << 0.02 << 80000.0;
        QTest::newRow("grosses Q") << 1e6 << 450000.0;
    }
    void arrhenius_ohne_rauschen()
    {
        QFETCH(double, d0);
        QFETCH(double, q);
        std::vector<Arrheniuspunkt> punkte;
        for (double grad : {950.0, 1000.0, 1050.0, 1100.0}) {
            const double kelvin = grad + 273;
            punkte.push_back({kelvin, d0 / 1000 * std::exp(-q / (kelvin * Modell::R)), 0.02});
        }
        const Arrhenius e = arrhenius_anpassen(punkte);
        QVERIFY2(std::abs(e.D0 / d0 - 1) < 1e-6, qPrintable(QString::number(e.D0 / d0 - 1)));
        QVERIFY2(std::abs(e.Q / q - 1) < 1e-6, qPrintable(QString::number(e.Q / q - 1)));
        QVERIFY(e.gewichtet);
    }

    // With noise of known size on ln D, D0 and Q lie within one standard error
    // about two times in three.
    void arrhenius_fehler_passen_zum_rauschen()
    {
        const double d0 = 587, q = 238650;
        std::mt19937_64 zufall(7);
        int q_drin = 0, d0_drin = 0;
        const int laeufe = 400;
        for (int n = 0; n < laeufe; ++n) {
            std::vector<Arrheniuspunkt> punkte;
            for (double grad : {950.0, 1000.0, 1050.0, 1100.0}) {
                const double kelvin = grad + 273;
                const double sigma = grad == 1000 ? 0.1 : 0.05;  // unequal weights
                std::normal_distribution<double> rauschen(0, sigma);
                const double ln_d = std::log(d0 / 1000) - q / (kelvin * Modell::R) + rauschen(zufall);
                punkte.push_back({kelvin, std::exp(ln_d), sigma});
            }
            const Arrhenius e = arrhenius_anpassen(punkte);
            q_drin += std::abs(e.Q - q) <= e.Q_fehler;
            d0_drin += std::abs(std::log(e.D0 / d0)) <= e.D0_fehler / e.D0;
        }
        // 68.3 % expected; 400 draws put 3 sigma at about ±7 %.
        QVERIFY2(q_drin > 0.61 * laeufe && q_drin < 0.76 * laeufe, qPrintable(QString::number(q_drin)));
        QVERIFY2(d0_drin > 0.61 * laeufe && d0_drin < 0.76 * laeufe, qPrintable(QString::number(d0_drin)));
    }

    // The whole road: profiles at four temperatures, D fitted for each, then
    // D0 and Q.
    void arrhenius_aus_profilen()
    {
        std::vector<Arrheniuspunkt> punkte;
        for (double grad : {1000.0, 1050.0, 1100.0, 1150.0}) {
            Modell m = satz(Geometrie::linear, 20, 50, grad, 1e3);
            Parametersatz zeit;  // the same time for every temperature, as in a series
            zeit.eingaben = {{&Modell::Sinterzeit, Eingabewert{2, std::nullopt}}};
            parameter_uebernehmen(m, zeit);
            const Anpassung a = d_anpassen(m, gemessen(m, 40));
            punkte.push_back({m.Sintertemp_K, a.D, a.ln_d_fehler});
        }
        const Arrhenius e = arrhenius_anpassen(punkte);
        QVERIFY2(std::abs(e.D0 / 587 - 1) < 1e-5, qPrintable(QString::number(e.D0)));
        QVERIFY2(std::abs(e.Q / 238650 - 1) < 1e-6, qPrintable(QString::number(e.Q)));
    }

    void arrhenius_gleiches_d_gibt_q_null()
    {
        const Arrhenius e = arrhenius_anpassen({{1273.15, 2e-10, 0.1}, {1373.15, 2e-10, 0.1}});
        QCOMPARE(e.Q, 0.0);
        QVERIFY(!std::signbit(e.Q));
    }

    void arrhenius_braucht_zwei_temperaturen()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, arrhenius_anpassen({{1323, 1e-10, 0.1}}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 arrhenius_anpassen({{1323, 1e-10, 0.1}, {1323, 2e-10, 0.1}}));
        // Different weights at one temperature: the spread of 1/T rounds to
        // about 1e-36 instead of 0, which must not pass for a second temperature.
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 arrhenius_anpassen({{1273.15, 1e-10, 0.1}, {1273.15, 2e-10, 0.3}}));
    }
};

QTEST_GUILESS_MAIN(tst_anpassung)
#include "tst_anpassung.moc"
