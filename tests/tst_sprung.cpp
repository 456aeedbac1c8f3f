// SPDX-License-Identifier: GPL-3.0-or-later
// The jump over many steps against stepping them one by one, against the
// conservation of the amount and the flat end state, and against the
// closed-form solutions.
#include <QTest>
#include <charconv>
#include <cmath>
#include <numeric>
#include <random>
#include <string>

#include "anfangsprofil.h"
#include "loesungen.h"
#include "modell.h"
#include "sprung.h"
#include "zeitschritte.h"

using namespace kalvion;

namespace {

// Start-up values with the given model, source, path, temperature and time,
// the initial profile built and the steps prepared.
Modell vorbereitet(bool kugel, int i_diff, double x_max, double temperatur, double stunden)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = kugel ? Geometrie::sphaerisch : Geometrie::linear;
    m.i_Diff = static_cast<std::int16_t>(i_diff);
    m.x_max.setze_zahl(x_max);
    weg_ableiten(m);
    m.Sintertemp.setze_zahl(temperatur);
    kelvin_ableiten(m);
    m.D = diffusionskoeffizient(m);
    m.Sinterzeit.setze_zahl(stunden);
    sekunden_ableiten(m);
    anfangsprofil(m);
    schritte_vorbereiten(m);
    return m;
}

// The sintering time in hours that gives about `schritte` steps.
double stunden_fuer(bool kugel, double x_max, double temperatur, double schritte)
{
    const Modell m = vorbereitet(kugel, 1, x_max, temperatur, 1);
    return schritte * m.dt_max / 1.2 / 3600;
}

void stufen(Modell& m, double schritte)
{
    for (double k = 1; k <= schritte; ++k)
        m.Fehlerzahl += ein_zeitschritt(m);
}

double groesste_abweichung(const Modell& a, const Modell& b)
{
    double groesste = 0;
    for (int i = 1; i <= a.Zellen; ++i)
        groesste = std::max(groesste, std::fabs(a.Konz[i] - b.Konz[i]));
    return groesste;
}

// Uniform in [0, 1) from the generator's raw output, the same on every library.
double gleichverteilt(std::mt19937_64& zufall)
{
    return static_cast<double>(zufall() >> 11) * 0x1p-53;
}

constexpr double Toleranz_gegen_schritte = 1e-9;  // mol%

}  // namespace

class tst_sprung : public QObject {
    Q_OBJECT
private slots:
    // Stepping the first 1000 steps and jumping over the rest against
    // stepping them all. About 5·10^6 steps in all: most runs between 2·10^4
    // and 2·10^5 steps, every sixth up to 10^6.
    void gegen_schritte_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<int>("i_diff");
        QTest::addColumn<double>("x_max");
        QTest::addColumn<double>("temperatur");
        QTest::addColumn<double>("stunden");
        std::mt19937_64 zufall(16);
        for (int r = 0; r < 34; ++r) {
            const bool kugel = r % 2 == 1;
            const int i_diff = r < 2 ? 1 : r < 4 ? 199 : 1 + static_cast<int>(gleichverteilt(zufall) * 199);
            const double x_max = std::pow(10.0, 2 * gleichverteilt(zufall));          // 1 .. 100 µm
            const double temperatur = std::round(900 + 400 * gleichverteilt(zufall));  // °C
            const double bis = r % 6 == 5 ? 1e6 : 2e5, von = r % 6 == 5 ? 2e5 : 2e4;
            const double ziel = von * std::pow(bis / von, gleichverteilt(zufall));
            const double stunden = stunden_fuer(kugel, x_max, temperatur, ziel);
            const Modell m = vorbereitet(kugel, i_diff, x_max, temperatur, stunden);
            const std::string name = std::string(kugel ? "sphärisch" : "linear") + " i_Diff "
                + std::to_string(i_diff) + ", " + std::to_string(static_cast<long long>(m.Schritte)) + " Schritte";
            QTest::newRow(name.c_str()) << kugel << i_diff << x_max << temperatur << stunden;
        }
    }
    void gegen_schritte()
    {
        QFETCH(bool, kugel);
        QFETCH(int, i_diff);
        QFETCH(double, x_max);
        QFETCH(double, temperatur);
        QFETCH(double, stunden);
        Modell gestuft = vorbereitet(kugel, i_diff, x_max, temperatur, stunden);
        QVERIFY(gestuft.Schritte >= 2e4 && gestuft.Schritte <= 1e6);

        stufen(gestuft, Schritte_vor_dem_Sprung);
        const std::int64_t fehler_gestuft = gestuft.Fehlerzahl;
        Modell gesprungen = gestuft;
        springe(gesprungen, gestuft.Schritte - Schritte_vor_dem_Sprung);
        stufen(gestuft, gestuft.Schritte - Schritte_vor_dem_Sprung);

        const double groesste = groesste_abweichung(gesprungen, gestuft);
        int an_der_grenze = 0;
        for (int i = 1; i <= gestuft.Zellen; ++i) {
            const double v = gestuft.Konz[i], w = gesprungen.Konz[i];
            if (nahe_rundungsgrenze(v, Toleranz_gegen_schritte)) {
                ++an_der_grenze;
                qInfo("cell %d lies at a rounding boundary: stepped %.15g -> %s, jumped %.15g -> %s", i, v,
                    vier_stellen(v).c_str(), w, vier_stellen(w).c_str());
                continue;
            }
            QCOMPARE(vier_stellen(w), vier_stellen(v));
        }
        qInfo("largest deviation %.3g mol%%, %d cells at a rounding boundary", groesste, an_der_grenze);
        QVERIFY2(groesste <= Toleranz_gegen_schritte, qPrintable(QString::number(groesste)));
        QCOMPARE(gesprungen.Fehlerzahl, fehler_gestuft);  // a jump counts no fluxes
    }

    // A few steps leave the fast, alternating modes alive: their sign must
    // follow the parity of the step count.
    void wenige_schritte_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<double>("schritte");
        for (const bool kugel : {false, true})
            for (const double s : {1.0, 2.0, 3.0, 7.0, 10.0, 1001.0}) {
                const std::string name = std::string(kugel ? "sphärisch " : "linear ") + std::to_string(int(s));
                QTest::newRow(name.c_str()) << kugel << s;
            }
    }
    void wenige_schritte()
    {
        QFETCH(bool, kugel);
        QFETCH(double, schritte);
        Modell gestuft = vorbereitet(kugel, 20, 50, 1050, 2);
        Modell gesprungen = gestuft;
        stufen(gestuft, schritte);
        springe(gesprungen, schritte);
        const double groesste = groesste_abweichung(gesprungen, gestuft);
        QVERIFY2(groesste <= Toleranz_gegen_schritte, qPrintable(QString::number(groesste)));
    }

    // The 1 µm particle at 1050 °C for 10000 h: about 7.7·10^10 steps.
    void erhaltung_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::newRow("linear") << false;
        QTest::newRow("sphärisch") << true;
    }
    void erhaltung()
    {
        QFETCH(bool, kugel);
        Modell m = vorbereitet(kugel, 20, 1, 1050, 10000);
        QVERIFY(m.Schritte > 7.6e10 && m.Schritte < 7.8e10);
        stufen(m, Schritte_vor_dem_Sprung);
        springe(m, m.Schritte - Schritte_vor_dem_Sprung);
        const double fehler = std::fabs(summe_menge(m) - m.Menge_ges) / m.Menge_ges;
        QVERIFY2(fehler <= 1e-12, qPrintable(QString::number(fehler)));
    }

    // The longest jump there is ends in the flat profile of the mean.
    void gleichgewicht_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<int>("i_diff");
        for (const bool kugel : {false, true})
            for (const int i_diff : {1, 20, 100, 199}) {
                const std::string name = std::string(kugel ? "sphärisch " : "linear ") + std::to_string(i_diff);
                QTest::newRow(name.c_str()) << kugel << i_diff;
            }
    }
    void gleichgewicht()
    {
        QFETCH(bool, kugel);
        QFETCH(int, i_diff);
        Modell m = vorbereitet(kugel, i_diff, 1, 1050, 10000);
        springe(m, 0x1p53);
        for (int i = 1; i <= m.Zellen; ++i)
            QVERIFY2(std::fabs(m.Konz[i] - m.Molprozent) <= 1e-9,
                qPrintable(QString("cell %1: %2 vs %3").arg(i).arg(m.Konz[i], 0, 'g', 17).arg(m.Molprozent, 0, 'g', 17)));
    }

    // The same tolerances as the stepped runs keep to.
    void geschlossene_loesung_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<double>("stunden");
        QTest::addColumn<double>("toleranz");
        QTest::newRow("linear 2 h") << false << 2.0 << Toleranz_stab;
        QTest::newRow("linear 40 h") << false << 40.0 << Toleranz_stab;
        QTest::newRow("sphärisch 2 h") << true << 2.0 << Toleranz_kugel;
        QTest::newRow("sphärisch 40 h") << true << 40.0 << Toleranz_kugel;
    }
    void geschlossene_loesung()
    {
        QFETCH(bool, kugel);
        QFETCH(double, stunden);
        QFETCH(double, toleranz);
        Modell m = vorbereitet(kugel, 20, 50, 1050, stunden);
        stufen(m, Schritte_vor_dem_Sprung);
        springe(m, m.Schritte - Schritte_vor_dem_Sprung);
        const double groesste = abweichung_von_geschlossener_loesung(m);
        qInfo("largest deviation from the closed form: %.5f mol%%", groesste);
        QVERIFY2(groesste < toleranz, qPrintable(QString::number(groesste)));
    }

    void ohne_diffusion_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::newRow("linear") << false;
        QTest::newRow("sphärisch") << true;
    }
    void ohne_diffusion()
    {
        QFETCH(bool, kugel);
        Modell gesprungen = vorbereitet(kugel, 20, 50, 1050, 2);
        gesprungen.D = 0;
        schritte_vorbereiten(gesprungen);
        Modell gestuft = gesprungen;
        springe(gesprungen, 1e12);
        stufen(gestuft, 3);
        QCOMPARE(gesprungen.Menge, gestuft.Menge);
        QCOMPARE(gesprungen.Konz, gestuft.Konz);
        for (int i = 1; i <= gesprungen.Zellen; ++i)
            QVERIFY(std::fabs(gesprungen.Konz[i] - gesprungen.Konz_Start[i]) <= 1e-12);
    }

    void null_schritte()
    {
        Modell m = vorbereitet(true, 20, 50, 1050, 2);
        stufen(m, 10);
        m.Konz[5] = -1;  // a jump that recomputed Konz would show here
        const Modell vorher = m;
        springe(m, 0);
        QCOMPARE(m.Konz, vorher.Konz);
        QCOMPARE(m.Menge, vorher.Menge);
        QCOMPARE(m.Fluss, vorher.Fluss);
        QCOMPARE(m.Fehlerzahl, vorher.Fehlerzahl);
    }
};

QTEST_APPLESS_MAIN(tst_sprung)
#include "tst_sprung.moc"
