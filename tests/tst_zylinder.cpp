// SPDX-License-Identifier: GPL-3.0-or-later
// The fibre: its cell weights, its profiles against the Bessel series of the
// diffusion equation in a cylinder, the conservation of the amount and the
// jump over many steps against stepping them.
#include <QTest>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string>

#include "anfangsprofil.h"
#include "loesungen.h"
#include "modell.h"
#include "sprung.h"
#include "zeitschritte.h"

using namespace kalvion;

namespace {

Modell faser(int i_diff, double x_max, double temperatur, double stunden)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = Geometrie::zylindrisch;
    m.i_Diff = static_cast<std::int16_t>(i_diff);
    m.x_max.setze_zahl(x_max);
    m.Sintertemp.setze_zahl(temperatur);
    m.Sinterzeit.setze_zahl(stunden);
    werte_ableiten(m);
    return m;
}

}  // namespace

class tst_zylinder : public QObject {
    Q_OBJECT
private slots:
    // A cell weighs exactly the annulus between its faces: the weights sum to
    // the cross-section, and the filled shell's share is 1 − (r_innen / R)².
    void gewichte_data()
    {
        QTest::addColumn<int>("i_diff");
        QTest::addColumn<double>("molprozent");
        QTest::newRow("eine Zelle") << 1 << 100 * (1 - std::pow(199.0 / 200, 2));
        QTest::newRow("Startwert 20") << 20 << 19.0;
        QTest::newRow("halber Radius") << 100 << 75.0;
        QTest::newRow("bis auf die Achse") << 199 << 100 * (1 - std::pow(1.0 / 200, 2));
    }
    void gewichte()
    {
        QFETCH(int, i_diff);
        QFETCH(double, molprozent);
        Modell m = faser(i_diff, 50, 1050, 2);
        QCOMPARE(m.Flaeche[1], 1.0);
        QCOMPARE(m.Flaeche[200], 1.0 / 200);
        QCOMPARE(m.Flaeche[201], 0.0);  // never written
        QCOMPARE(m.Volumen[0], 0.0);
        // π r² / (2π R) in the engine's units: R / 2 = 100 dx.
        QVERIFY(std::fabs(m.Volumen_ges - 100 * m.dx) <= 1e-13 * m.Volumen_ges);
        // The innermost cell, a disc of radius dx: dx / (2 · 200) of it.
        QVERIFY(std::fabs(m.Volumen[200] - m.dx / 400) <= 1e-15 * m.dx);
        QVERIFY(std::fabs(m.Molprozent - molprozent) <= 1e-11);
    }

    // Against the closed form: the mean plus the J0 series over the roots of J1.
    void gegen_bessel_data()
    {
        QTest::addColumn<int>("i_diff");
        QTest::addColumn<double>("x_max");
        QTest::addColumn<double>("temperatur");
        QTest::addColumn<double>("stunden");
        QTest::newRow("Startwerte") << 20 << 50.0 << 1050.0 << 2.0;
        QTest::newRow("eine Zelle, heiß, kurz") << 1 << 50.0 << 1150.0 << 0.5;
        QTest::newRow("halber Radius, dünne Faser") << 100 << 20.0 << 1000.0 << 1.0;
        QTest::newRow("fast voll, dicker Draht") << 180 << 100.0 << 1200.0 << 0.4;
        QTest::newRow("schmale Schale, dünner Draht") << 5 << 10.0 << 1100.0 << 0.02;
        QTest::newRow("fast ausgeglichen") << 50 << 10.0 << 1100.0 << 1.0;
    }
    void gegen_bessel()
    {
        QFETCH(int, i_diff);
        QFETCH(double, x_max);
        QFETCH(double, temperatur);
        QFETCH(double, stunden);
        Modell m = faser(i_diff, x_max, temperatur, stunden);
        const Laufausgang a = lauf_rechnen(m);
        QCOMPARE(a.ergebnis, Laufergebnis::fertig);
        const double groesste = abweichung_von_geschlossener_loesung(m);
        qInfo("%.0f steps, largest deviation from the Bessel series: %.5f mol%%", m.Schritte, groesste);
        QVERIFY2(groesste <= Toleranz_zylinder, qPrintable(QString::number(groesste)));
    }

    void erhaltung()
    {
        Modell m = faser(20, 50, 1050, 2);
        const double anfang = m.Menge_ges;
        lauf_rechnen(m);
        QVERIFY(std::fabs(summe_menge(m) - anfang) <= 1e-12 * anfang);
        // The mean stays the filled share.
        QVERIFY(std::fabs(summe_menge(m) / m.Volumen_ges - 19.0) <= 1e-10);
    }

    // A long run ends flat at the filled share, stepped and jumped alike.
    void ausgleich()
    {
        Modell m = faser(20, 5, 1300, 100);
        lauf_rechnen(m, {}, Verfahren::sprung);
        for (int i = 1; i <= m.Zellen; ++i)
            QVERIFY2(std::fabs(m.Konz[i] - 19.0) <= 1e-9, qPrintable(QString::number(m.Konz[i], 'g', 17)));
    }

    // The fast path: the final profile as the results file prints it is the
    // stepped one; the snapshots and their error count are stepped anyway.
    void sprung_gegen_schritte_data()
    {
        QTest::addColumn<int>("i_diff");
        QTest::addColumn<double>("x_max");
        QTest::addColumn<double>("stunden");
        QTest::newRow("Startwerte, 6140 Schritte") << 20 << 50.0 << 2.0;
        QTest::newRow("eine Zelle, dünn, lang") << 1 << 10.0 << 10.0;
        QTest::newRow("199 Zellen, 30 µm, 20 h") << 199 << 30.0 << 20.0;
    }
    void sprung_gegen_schritte()
    {
        QFETCH(int, i_diff);
        QFETCH(double, x_max);
        QFETCH(double, stunden);
        Modell gestuft = faser(i_diff, x_max, 1050, stunden);
        Modell gesprungen = gestuft;
        const Laufausgang a = lauf_rechnen(gestuft, {}, Verfahren::schrittweise);
        const Laufausgang b = lauf_rechnen(gesprungen, {}, Verfahren::sprung);
        QVERIFY(gestuft.Schritte > Schritte_vor_dem_Sprung);
        QVERIFY(b.gesprungen);
        QVERIFY(gesprungen.Konz_1000 == gestuft.Konz_1000);
        double groesste = 0;
        for (int i = 1; i <= gestuft.Zellen; ++i) {
            const double v = gestuft.Konz[i], w = gesprungen.Konz[i];
            groesste = std::max(groesste, std::fabs(v - w));
            if (!nahe_rundungsgrenze(v, 1e-9))
                QCOMPARE(vier_stellen(w), vier_stellen(v));
        }
        qInfo("%.0f steps, largest deviation %.3g mol%%, %lld negative fluxes stepped", gestuft.Schritte, groesste,
              static_cast<long long>(a.fehlerzahl));
        QVERIFY2(groesste <= 1e-9, qPrintable(QString::number(groesste)));
        const double anfang = gesprungen.Menge_ges;
        QVERIFY(std::fabs(summe_menge(gesprungen) - anfang) <= 1e-12 * anfang);
    }
};

QTEST_APPLESS_MAIN(tst_zylinder)
#include "tst_zylinder.moc"
