// SPDX-License-Identifier: GPL-3.0-or-later
// The open surface against the closed forms of in-diffusion, exchange with an
// atmosphere and loss (Crank, The Mathematics of Diffusion), its balance,
// its limits (β → ∞ and β = 0), the jump against stepping, a furnace cycle
// stepped through against its equivalent run, and the fit of c_s.
#include <QTest>
#include <cmath>
#include <cstring>
#include <memory>
#include <numeric>
#include <random>

#include "anpassung.h"
#include "loesungen.h"
#include "modell.h"
#include "sprung.h"
#include "zeitschritte.h"

using namespace kalvion;

Q_DECLARE_METATYPE(kalvion::Geometrie)
Q_DECLARE_METATYPE(kalvion::Oberflaechenart)

namespace {

// The start-up values with this model, path (µm) and time (h), "ok" pressed,
// the part empty at the start.
Modell leer(Geometrie g, double x_max, double stunden)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = g;
    Parametersatz p;
    p.eingaben = {{&Modell::x_max, Eingabewert{x_max, std::nullopt}},
                  {&Modell::Sinterzeit, Eingabewert{stunden, std::nullopt}}};
    parameter_uebernehmen(m, p);
    m.Anfang = Anfangsart::datei;
    m.startprofil = std::make_shared<const Startprofil>(Startprofil{{{0, 0}, {x_max, 0}}, ""});
    werte_ableiten(m);
    return m;
}

void gleichmaessig(Modell& m, double c)
{
    m.startprofil = std::make_shared<const Startprofil>(Startprofil{{{0, c}, {m.x_max.wert, c}}, ""});
    werte_ableiten(m);
}

void fester_rand(Modell& m, double c_s)
{
    m.Oberflaeche = Oberflaechenart::konzentration;
    m.c_s.setze_zahl(c_s);
    werte_ableiten(m);
}

void austausch(Modell& m, double beta, double c_atm)
{
    m.Oberflaeche = Oberflaechenart::austausch;
    m.beta.setze_zahl(beta);
    m.c_atm.setze_zahl(c_atm);
    werte_ableiten(m);
}

// The sintering time (h) that gives about `schritte` steps with the surface open.
double stunden_fuer(const Modell& m, double schritte)
{
    return schritte * stabilitaetsgrenze(m.dx, m.D, true) / 1.2 / 3600;
}

double mittel(const Modell& m)
{
    double menge = 0;
    for (int i = 1; i <= m.Zellen; ++i)
        menge += m.Konz[i] * m.Volumen[i];
    return menge / m.Volumen_ges;
}

void offene_arten_und_geometrien()
{
    QTest::addColumn<Geometrie>("geometrie");
    QTest::addColumn<Oberflaechenart>("art");
    for (const Geometriebeschreibung& g : Geometrien) {
        QTest::addRow("%s, fixed c_s", g.name) << g.geometrie << Oberflaechenart::konzentration;
        QTest::addRow("%s, exchange", g.name) << g.geometrie << Oberflaechenart::austausch;
    }
}

}  // namespace

class tst_oberflaeche : public QObject {
    Q_OBJECT
private slots:
    // A bar held at c_s at its surface, empty at first: the images of
    // c_s · erfc(x / 2√(Dt)) for the closed far end, as cell means.
    void fester_rand_gegen_erfc()
    {
        Modell m = leer(Geometrie::linear, 50, 1);
        m = leer(Geometrie::linear, 50, stunden_fuer(m, 6000));
        fester_rand(m, 100);
        lauf_rechnen(m);
        QVERIFY(std::fabs(m.Schritte - 6000) <= 1);
        const double dt = m.D * m.Sinterzeit_s;
        double groesste = 0;
        for (int i = 1; i <= m.Zellen; ++i)
            groesste = std::max(groesste, std::fabs(m.Konz[i] - stab_fester_rand_mittel((i - 1) * m.dx, i * m.dx,
                                                                                        m.x_max_cm, dt, 100)));
        qInfo("in-diffusion, 6000 steps: largest deviation %.4f mol%%", groesste);
        QVERIFY2(groesste <= 0.05, qPrintable(QString::number(groesste)));
    }

    // Exchange with an atmosphere through β into a long bar, h √(Dt) = 1:
    // erfc(u) − exp(hx + h²Dt) · erfc(u + h√(Dt)), as cell means.
    void austausch_gegen_geschlossene_form()
    {
        Modell m = leer(Geometrie::linear, 50, 1);
        // The front stays far from the closed end: x_max = 10 √(Dt).
        const double sekunden = m.x_max_cm * m.x_max_cm / (100 * m.D);
        m = leer(Geometrie::linear, 50, sekunden / 3600);
        const double dt = m.D * m.Sinterzeit_s;
        const double beta = m.D / std::sqrt(dt);
        austausch(m, beta, 100);
        lauf_rechnen(m);
        double groesste = 0;
        for (int i = 1; i <= m.Zellen; ++i)
            groesste = std::max(groesste, std::fabs(m.Konz[i] - stab_austausch_mittel((i - 1) * m.dx, i * m.dx, dt,
                                                                                      beta / m.D, 100)));
        qInfo("exchange, %.0f steps: largest deviation %.4f mol%%", m.Schritte, groesste);
        QVERIFY2(groesste <= 0.05, qPrintable(QString::number(groesste)));
    }

    // Particle and fibre held at c_s at their surface, empty at first: the
    // classical series at the cell centres.
    void kugel_und_zylinder_gegen_reihe_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<double>("toleranz");
        QTest::newRow("sphere") << Geometrie::sphaerisch << Toleranz_kugel;
        QTest::newRow("fibre") << Geometrie::zylindrisch << Toleranz_zylinder;
    }
    void kugel_und_zylinder_gegen_reihe()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(double, toleranz);
        Modell m = leer(geometrie, 50, 1);
        // Half way to full: D t / a² = 0.03.
        m = leer(geometrie, 50, 0.03 * m.x_max_cm * m.x_max_cm / m.D / 3600);
        fester_rand(m, 100);
        lauf_rechnen(m);
        const double dt = m.D * m.Sinterzeit_s, a = m.x_max_cm;
        double groesste = 0;
        for (int i = 1; i <= m.Zellen; ++i) {
            const double r = a - (i - 0.5) * m.dx;
            const double exakt = geometrie == Geometrie::sphaerisch ? kugel_fester_rand(r, a, dt, 100)
                                                                     : zylinder_fester_rand(r, a, dt, 100);
            groesste = std::max(groesste, std::fabs(m.Konz[i] - exakt));
        }
        qInfo("%s: largest deviation %.4f mol%%", beschreibung(geometrie).name, groesste);
        QVERIFY2(groesste <= toleranz, qPrintable(QString::number(groesste)));
    }

    // Loss from a uniform start to a surface held at 0: what is left against
    // the series, and the error count, which counts no physical outflow.
    void verlust_gegen_reihe_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<double>("toleranz");
        QTest::newRow("bar") << Geometrie::linear << 1e-4;
        QTest::newRow("fibre") << Geometrie::zylindrisch << 1e-4;
        // The particle's cells weigh their outer face times dx, not their shells.
        QTest::newRow("particle") << Geometrie::sphaerisch << 5e-3;
    }
    void verlust_gegen_reihe()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(double, toleranz);
        Modell m = leer(geometrie, 50, 1);
        m = leer(geometrie, 50, 0.05 * m.x_max_cm * m.x_max_cm / m.D / 3600);
        gleichmaessig(m, 50);
        fester_rand(m, 0);
        const Laufausgang ausgang = lauf_rechnen(m);
        const double anteil = mittel(m) / 50, exakt = verbleibender_anteil(geometrie, m.x_max_cm, m.D * m.Sinterzeit_s);
        qInfo("%s: left %.6f, series %.6f; %lld errors in %.0f steps", beschreibung(geometrie).name, anteil, exakt,
              static_cast<long long>(ausgang.fehlerzahl), m.Schritte);
        QVERIFY2(std::fabs(anteil - exakt) <= toleranz, qPrintable(QString::number(anteil - exakt)));
        QCOMPARE(ausgang.fehlerzahl, 0);
        QCOMPARE(fehlerart(m), Fehlerart::bereichsverletzungen);
    }

    // A huge β passes whatever the half cell lets through: the fixed
    // concentration. β = 0 passes nothing: the closed run, bit for bit.
    void grenzen_des_austauschs_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        for (const Geometriebeschreibung& g : Geometrien)
            QTest::newRow(g.name) << g.geometrie;
    }
    void grenzen_des_austauschs()
    {
        QFETCH(Geometrie, geometrie);
        Modell fest = leer(geometrie, 50, 2), gross = fest;
        fester_rand(fest, 80);
        austausch(gross, Beta_max, 80);
        lauf_rechnen(fest);
        lauf_rechnen(gross);
        QCOMPARE(gross.Schritte, fest.Schritte);
        QVERIFY(groesste_abweichung(fest.Konz, gross.Konz, fest.Zellen) <= 1e-6);

        Modell zu;
        startwerte_setzen(zu);
        zu.Geometrie = geometrie;
        parameter_uebernehmen(zu, {});
        Modell null = zu;
        austausch(null, 0, 80);
        const Laufausgang a = lauf_rechnen(zu), b = lauf_rechnen(null);
        QCOMPARE(std::memcmp(zu.Konz.data(), null.Konz.data(), sizeof zu.Konz), 0);
        QCOMPARE(b.fehlerzahl, a.fehlerzahl);
        QCOMPARE(null.Menge_rand, 0.0);
        QCOMPARE(fehlerart(null), Fehlerart::negative_fluesse);
    }

    // What the part holds plus what left it through the surface stays what it
    // held at the start; and the jump lands where stepping does.
    void bilanz_und_sprung_data() { offene_arten_und_geometrien(); }
    void bilanz_und_sprung()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(Oberflaechenart, art);
        Modell m = leer(geometrie, 40, 1);
        m = leer(geometrie, 40, stunden_fuer(m, 40000));
        gleichmaessig(m, 30);
        if (art == Oberflaechenart::konzentration)
            fester_rand(m, 90);
        else
            austausch(m, 2e-7, 90);
        Modell gestuft = m, gesprungen = m;
        lauf_rechnen(gestuft);
        const Laufausgang sprung = lauf_rechnen(gesprungen, {}, Verfahren::sprung);
        QVERIFY(sprung.gesprungen);
        for (const Modell* l : {&gestuft, &gesprungen}) {
            const double bezug = std::max({m.Menge_ges, summe_menge(*l), std::fabs(l->Menge_rand)});
            QVERIFY2(std::fabs(summe_menge(*l) - l->Menge_rand - m.Menge_ges) <= 1e-12 * bezug,
                     qPrintable(QString::number((summe_menge(*l) - l->Menge_rand - m.Menge_ges) / bezug)));
            QVERIFY(l->Menge_rand > 0);  // the part took up
        }
        QVERIFY2(groesste_abweichung(gestuft.Konz, gesprungen.Konz, m.Zellen) <= 1e-9,
                 qPrintable(QString::number(groesste_abweichung(gestuft.Konz, gesprungen.Konz, m.Zellen))));
    }

    // With exchange a furnace cycle is stepped through with D(T(t)); where
    // the equivalent time holds too (β so large that the surface is held at
    // c_atm), both runs agree.
    void programm_durchgestuft_gegen_aequivalenten_lauf()
    {
        Temperaturprogramm p;
        p.start = 20;
        p.segmente = {{10.0, 1050, 1}, {5.0, 900, 0.5}, {std::nullopt, 1000, 0.5}, {10.0, 20, 0}};
        Modell zyklus = leer(Geometrie::linear, 50, 2);
        const double t_eq = aequivalente_zeit(p, zyklus.Q.wert);
        Parametersatz satz;
        satz.eingaben = {{&Modell::Sinterzeit, Eingabewert{t_eq, std::nullopt}}};
        parameter_uebernehmen(zyklus, satz);
        Modell aequivalent = zyklus;
        Programmangabe angabe;
        angabe.verlauf = p;
        zyklus.programm = angabe;
        austausch(zyklus, Beta_max, 100);
        QVERIFY(durch_programm(zyklus));
        QVERIFY(!sprung_moeglich(zyklus));
        fester_rand(aequivalent, 100);
        lauf_rechnen(zyklus, {}, Verfahren::sprung);  // steps all the same
        lauf_rechnen(aequivalent);
        QVERIFY(zyklus.Schritte > aequivalent.Schritte);
        const double abweichung = groesste_abweichung(zyklus.Konz, aequivalent.Konz, zyklus.Zellen);
        qInfo("cycle stepped through against its equivalent run: %.2e mol%%", abweichung);
        QVERIFY2(abweichung <= 0.01, qPrintable(QString::number(abweichung)));
    }

    // The fit takes c_s as a second unknown, or holds it as given: exact
    // without scatter, and with scatter the intervals hold the true values.
    void anpassung_mit_randkonzentration_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<bool>("randwert_anpassen");
        QTest::addColumn<double>("streuung");
        for (const Geometriebeschreibung& g : Geometrien)
            for (const double streuung : {0.0, 0.3}) {
                QTest::addRow("%s, D and c_s, scatter %g", g.name, streuung) << g.geometrie << true << streuung;
                QTest::addRow("%s, D with c_s given, scatter %g", g.name, streuung) << g.geometrie << false << streuung;
            }
    }
    void anpassung_mit_randkonzentration()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(bool, randwert_anpassen);
        QFETCH(double, streuung);
        Modell m = leer(geometrie, 40, 1);
        m = leer(geometrie, 40, 0.02 * m.x_max_cm * m.x_max_cm / m.D / 3600);
        gleichmaessig(m, 5);
        fester_rand(m, 37);
        Modell lauf = m;
        lauf_rechnen(lauf, {}, Verfahren::sprung);
        std::vector<Messpunkt> punkte;
        std::mt19937_64 zufall(7);
        std::normal_distribution<double> rauschen(0, streuung);
        for (int j = 0; j < 30; ++j) {
            const double x = (j + 0.5) * 40 / 30;
            punkte.push_back({x, profil_bei(lauf.Konz, lauf.Zellen, 40, x) + (streuung > 0 ? rauschen(zufall) : 0)});
        }
        Modell vermutet = m;
        if (randwert_anpassen)
            fester_rand(vermutet, 100);  // only the first guess
        const Anpassung a = d_anpassen(vermutet, punkte, randwert_anpassen);
        QCOMPARE(a.mit_randwert, randwert_anpassen);
        if (streuung == 0) {
            QVERIFY2(std::fabs(a.D / m.D - 1) < 1e-6, qPrintable(QString::number(a.D / m.D - 1)));
            if (randwert_anpassen)
                QVERIFY2(std::fabs(a.c_s - 37) < 1e-6, qPrintable(QString::number(a.c_s)));
            return;
        }
        QVERIFY2(a.D_unten <= m.D && m.D <= a.D_oben,
                 qPrintable(QStringLiteral("%1 … %2").arg(a.D_unten / m.D).arg(a.D_oben / m.D)));
        QVERIFY(a.D_oben / a.D_unten < 2);
        if (randwert_anpassen) {
            QVERIFY(!a.c_s_offen);
            QVERIFY2(a.c_s_unten <= 37 && 37 <= a.c_s_oben, qPrintable(QStringLiteral("%1 … %2").arg(a.c_s_unten).arg(a.c_s_oben)));
            QVERIFY(a.c_s_oben - a.c_s_unten < 10);
        }
    }

    // Exchange has no scale in D: each candidate is decomposed on its own.
    void anpassung_mit_austausch()
    {
        Modell m = leer(Geometrie::linear, 40, 1);
        m = leer(Geometrie::linear, 40, 0.02 * m.x_max_cm * m.x_max_cm / m.D / 3600);
        austausch(m, 3 * m.D / m.dx, 60);
        Modell lauf = m;
        lauf_rechnen(lauf, {}, Verfahren::sprung);
        std::vector<Messpunkt> punkte;
        for (int j = 0; j < 20; ++j) {
            const double x = (j + 0.5) * 40 / 20;
            punkte.push_back({x, profil_bei(lauf.Konz, lauf.Zellen, 40, x)});
        }
        const Anpassung a = d_anpassen(m, punkte);
        QVERIFY2(std::fabs(a.D / m.D - 1) < 1e-6, qPrintable(QString::number(a.D / m.D - 1)));
    }
};

QTEST_APPLESS_MAIN(tst_oberflaeche)
#include "tst_oberflaeche.moc"
