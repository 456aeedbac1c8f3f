// SPDX-License-Identifier: GPL-3.0-or-later
// The equivalent time of a temperature programme: the ramp integral against
// its closed form and a fine numerical integral, the limits Q = 0 and a single
// hold, and the physics: stepping with D following T(t) against the run at the
// hold temperature for the equivalent time.
#include <QTest>

#include <cmath>

#include "anfangsprofil.h"
#include "modell.h"
#include "temperaturprogramm.h"
#include "zeitschritte.h"

using namespace kalvion;

Q_DECLARE_METATYPE(kalvion::Temperaturprogramm)
Q_DECLARE_METATYPE(kalvion::Geometrie)

namespace {

constexpr double R = Modell::R;

// ∫ exp(a/t_ref − a/T) dT by composite Simpson in long double, 2^18 panels.
double simpson(double t1, double t2, double a, double t_ref)
{
    const long double tief = std::min(t1, t2), hoch = std::max(t1, t2);
    const int n = 1 << 18;
    const long double h = (hoch - tief) / n;
    auto f = [&](long double t) { return std::exp((long double)a / t_ref - a / t); };
    long double summe = f(tief) + f(hoch);
    for (int i = 1; i < n; ++i)
        summe += f(tief + i * h) * (i % 2 ? 4 : 2);
    return static_cast<double>(summe * h / 3);
}

Temperaturprogramm programm(double start, std::initializer_list<Programmsegment> segmente)
{
    Temperaturprogramm p;
    p.start = start;
    p.segmente = segmente;
    return p;
}

Programmsegment mit_rate(double rate, double ziel, double halten = 0)
{
    return {rate, ziel, halten};
}

Programmsegment sofort(double ziel, double halten = 0)
{
    return {std::nullopt, ziel, halten};
}

// The equivalent time integrated over the programme's time axis, segment by
// segment, with Simpson in long double: independent of the engine's sums.
double aequivalent_numerisch(const Temperaturprogramm& p, double Q)
{
    const double a = Q / R, t_ref = bezugstemperatur(p) + 273;
    double summe = 0, temp = p.start;
    for (const auto& s : p.segmente) {
        if (s.rate && s.ziel != temp)
            summe += simpson(temp + 273, s.ziel + 273, a, t_ref) / (*s.rate * 60);
        summe += s.halten * std::exp(a / t_ref - a / (s.ziel + 273));
        temp = s.ziel;
    }
    return summe;
}

double relativ(double ist, double soll)
{
    return std::fabs(ist - soll) / std::fabs(soll);
}

}  // namespace

class tst_programm : public QObject {
    Q_OBJECT
private slots:
    void e1_skaliert_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("soll");
        // e^x·E1(x) from tables (Abramowitz–Stegun 5.1) and, beyond, from the
        // asymptotic series summed to its smallest term.
        QTest::newRow("klein 0,5") << 0.5 << 0.9229106324837304;
        QTest::newRow("eins") << 1.0 << 0.5963473623231940;
        QTest::newRow("zehn") << 10.0 << 0.09156333393978809;
        auto asymptotisch = [](double x) {
            long double summe = 0, glied = 1;
            for (int k = 0; k < 60; ++k) {
                summe += (k % 2 ? -glied : glied);
                glied *= (k + 1) / (long double)x;
            }
            return static_cast<double>(summe / x);
        };
        QTest::newRow("100, wo expint nur das erste Glied hat") << 100.0 << asymptotisch(100);
        QTest::newRow("300") << 300.0 << asymptotisch(300);
        QTest::newRow("5000") << 5000.0 << asymptotisch(5000);
    }
    void e1_skaliert()
    {
        QFETCH(double, x);
        QFETCH(double, soll);
        QVERIFY2(relativ(kalvion::e1_skaliert(x), soll) < 1e-14,
                 qPrintable(QString::number(kalvion::e1_skaliert(x), 'g', 17)));
    }

    void rampe_data()
    {
        QTest::addColumn<double>("von");  // °C
        QTest::addColumn<double>("bis");
        QTest::addColumn<double>("Q");
        QTest::addColumn<double>("bezug");  // °C
        QTest::newRow("aufheizen 20 → 1050, Q 238650") << 20.0 << 1050.0 << 238650.0 << 1050.0;
        QTest::newRow("abkühlen 1050 → 20, Q 238650") << 1050.0 << 20.0 << 238650.0 << 1050.0;
        QTest::newRow("unter dem Bezug 20 → 900") << 20.0 << 900.0 << 238650.0 << 1050.0;
        QTest::newRow("Q 0") << 20.0 << 1050.0 << 0.0 << 1050.0;
        QTest::newRow("kleines Q 100") << 20.0 << 1050.0 << 100.0 << 1050.0;
        QTest::newRow("kleines Q 5000") << 0.0 << 600.0 << 5000.0 << 600.0;
        QTest::newRow("großes Q 1e6") << 20.0 << 1400.0 << 1e6 << 1400.0;
        QTest::newRow("sehr großes Q 4e6, x bis 1600") << 20.0 << 2000.0 << 4e6 << 2000.0;
        QTest::newRow("kurze Rampe 1049 → 1050") << 1049.0 << 1050.0 << 238650.0 << 1050.0;
        QTest::newRow("winzige Rampe 1050 → 1050,001") << 1050.0 << 1050.001 << 238650.0 << 1050.001;
        QTest::newRow("heiß 5000 → 10000") << 5000.0 << 10000.0 << 238650.0 << 10000.0;
        QTest::newRow("ab 0 °C") << 0.0 << 1200.0 << 238650.0 << 1200.0;
    }
    void rampe()
    {
        QFETCH(double, von);
        QFETCH(double, bis);
        QFETCH(double, Q);
        QFETCH(double, bezug);
        const double a = Q / R, t_ref = bezug + 273;
        const double fein = simpson(von + 273, bis + 273, a, t_ref);
        const double wert = rampenintegral(von + 273, bis + 273, a, t_ref);
        const double quadratur = rampenintegral_quadratur(von + 273, bis + 273, a, t_ref);
        QVERIFY2(relativ(wert, fein) <= 1e-10, qPrintable(QStringLiteral("%1 gegen %2").arg(wert, 0, 'g', 17).arg(fein, 0, 'g', 17)));
        QVERIFY2(relativ(quadratur, fein) <= 1e-10, qPrintable(QString::number(relativ(quadratur, fein))));
        // The closed form alone, where its two terms do not cancel.
        if (std::fabs(bis - von) >= 10) {
            const double geschlossen = rampenintegral_geschlossen(von + 273, bis + 273, a, t_ref);
            QVERIFY2(relativ(geschlossen, fein) <= 1e-10, qPrintable(QString::number(relativ(geschlossen, fein))));
        }
    }

    void q_null_ist_die_dauer_data()
    {
        QTest::addColumn<Temperaturprogramm>("p");
        QTest::addColumn<double>("dauer");  // h
        QTest::newRow("Ofenzyklus") << programm(20, {mit_rate(5, 1050, 2), mit_rate(10, 20)})
                                    << 1030.0 / 300 + 2 + 1030.0 / 600;
        QTest::newRow("zwei Haltestufen") << programm(20, {mit_rate(2, 600, 1), mit_rate(1, 1100, 0.5), sofort(20)})
                                          << 580.0 / 120 + 1 + 500.0 / 60 + 0.5;
        QTest::newRow("nur Halten") << programm(20, {sofort(1050, 3)}) << 3.0;
    }
    void q_null_ist_die_dauer()
    {
        QFETCH(Temperaturprogramm, p);
        QFETCH(double, dauer);
        QVERIFY(relativ(programmdauer(p), dauer) <= 1e-14);
        QVERIFY(relativ(aequivalente_zeit(p, 0), dauer) <= 1e-14);
    }

    void einzelnes_halten_ist_isotherm_data()
    {
        QTest::addColumn<double>("temperatur");
        QTest::addColumn<double>("zeit");
        QTest::addColumn<double>("Q");
        QTest::newRow("Startwerte") << 1050.0 << 2.0 << 238650.0;
        QTest::newRow("krumme Werte") << 987.654 << 0.123456789 << 312345.6;
        QTest::newRow("Q 0") << 1100.0 << 7.5 << 0.0;
    }
    void einzelnes_halten_ist_isotherm()
    {
        QFETCH(double, temperatur);
        QFETCH(double, zeit);
        QFETCH(double, Q);
        const auto p = programm(20, {sofort(temperatur, zeit), sofort(20)});
        QCOMPARE(bezugstemperatur(p), temperatur);
        QCOMPARE(aequivalente_zeit(p, Q), zeit);  // exactly, not nearly
    }

    void programm_gegen_zeitintegral_data()
    {
        QTest::addColumn<Temperaturprogramm>("p");
        QTest::addColumn<double>("Q");
        const auto zyklus = programm(20, {mit_rate(5, 1050, 2), mit_rate(10, 20)});
        QTest::newRow("Ofenzyklus, Q 238650") << zyklus << 238650.0;
        QTest::newRow("Ofenzyklus, kleines Q") << zyklus << 2000.0;
        QTest::newRow("Ofenzyklus, großes Q") << zyklus << 900000.0;
        QTest::newRow("Stufen mit Sprung") << programm(100, {sofort(800, 1), mit_rate(0.5, 1150, 0.25), mit_rate(3, 900, 4), sofort(20)})
                                           << 238650.0;
    }
    void programm_gegen_zeitintegral()
    {
        QFETCH(Temperaturprogramm, p);
        QFETCH(double, Q);
        const double t_eq = aequivalente_zeit(p, Q);
        QVERIFY2(relativ(t_eq, aequivalent_numerisch(p, Q)) <= 1e-10, qPrintable(QString::number(t_eq, 'g', 17)));
        QVERIFY(t_eq <= programmdauer(p));
    }

    void beispiel_des_ofens()
    {
        // Heating at 5 K/min adds several minutes at 1050 °C, cooling at
        // 10 K/min half as much, to the two hours of the hold.
        const auto p = programm(20, {mit_rate(5, 1050, 2), mit_rate(10, 20)});
        const double t_eq = aequivalente_zeit(p, 238650);
        qInfo("t_eq of 20 → 5 K/min → 1050 °C, 2 h → 10 K/min → 20 °C: %.6f h", t_eq);
        const double aufheizen = rampenintegral(293, 1323, 238650 / R, 1323) / 300;
        QVERIFY(aufheizen * 60 > 3 && aufheizen * 60 < 15);  // minutes
        QVERIFY(std::fabs(t_eq - 2 - 1.5 * aufheizen) < 1e-12);
    }

    void temperaturverlauf_data()
    {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("soll");
        // 20 → 5 K/min → 1050 (3,4333 h), 2 h, → 10 K/min → 20 (1,7167 h), then sofort 500 for 1 h.
        QTest::newRow("Beginn") << 0.0 << 20.0;
        QTest::newRow("mitten im Aufheizen") << 1.0 << 320.0;
        QTest::newRow("am Ende des Aufheizens") << 1030.0 / 300 << 1050.0;
        QTest::newRow("im Halten") << 4.0 << 1050.0;
        QTest::newRow("eine Stunde Abkühlen") << 1030.0 / 300 + 3 << 450.0;
        QTest::newRow("nach dem Sprung") << 1030.0 / 300 + 2 + 1030.0 / 600 + 0.5 << 500.0;
        QTest::newRow("nach dem Ende") << 100.0 << 500.0;
    }
    void temperaturverlauf()
    {
        QFETCH(double, t);
        QFETCH(double, soll);
        const auto p = programm(20, {mit_rate(5, 1050, 2), mit_rate(10, 20), sofort(500, 1)});
        QVERIFY2(std::fabs(temperatur_zur_zeit(p, t) - soll) < 1e-9, qPrintable(QString::number(temperatur_zur_zeit(p, t))));
    }

    // Physics: the explicit scheme stepped with D(T(t)) at every step (dt as
    // the run at T_ref would choose it for the programme's whole duration)
    // against the run at T_ref for t_eq.
    void physik_data()
    {
        QTest::addColumn<Temperaturprogramm>("p");
        QTest::addColumn<Geometrie>("geometrie");
        QTest::newRow("langsam auf 1050, 1 h, langsam ab, linear")
            << programm(20, {mit_rate(2, 1050, 1), mit_rate(2, 20)}) << Geometrie::linear;
        QTest::newRow("zwei Stufen, Kugel")
            << programm(20, {mit_rate(1, 900, 0.5), mit_rate(0.5, 1100, 1), mit_rate(1, 20)}) << Geometrie::sphaerisch;
        QTest::newRow("nur Rampen ohne Halten, Zylinder")
            << programm(700, {mit_rate(0.2, 1150), mit_rate(0.5, 700)}) << Geometrie::zylindrisch;
    }
    void physik()
    {
        QFETCH(Temperaturprogramm, p);
        QFETCH(Geometrie, geometrie);
        const double t_ref = bezugstemperatur(p);
        const double t_eq = aequivalente_zeit(p, 238650);

        Modell bezug;
        startwerte_setzen(bezug);
        bezug.Geometrie = geometrie;
        bezug.Sintertemp.setze_zahl(t_ref);
        bezug.Sinterzeit.setze_zahl(t_eq);
        parameter_uebernehmen(bezug, {});
        QCOMPARE(lauf_rechnen(bezug).ergebnis, Laufergebnis::fertig);

        Modell m;
        startwerte_setzen(m);
        m.Geometrie = geometrie;
        m.Sintertemp.setze_zahl(t_ref);
        m.Sinterzeit.setze_zahl(programmdauer(p));
        parameter_uebernehmen(m, {});
        schritte_vorbereiten(m);
        const double n = m.Schritte;
        QVERIFY(n > 20000);  // ramps of hours
        for (double k = 1; k <= n; ++k) {
            const double t = (k - 0.5) * m.dt / 3600;
            m.D = (m.D0.wert / 1000) * std::exp(-m.Q.wert / ((temperatur_zur_zeit(p, t) + 273) * R));
            ein_zeitschritt(m);
        }
        double groesste = 0;
        for (int i = 1; i <= m.Zellen; ++i)
            groesste = std::max(groesste, std::fabs(m.Konz[i] - bezug.Konz[i]));
        qInfo("%s: %.0f steps, t_eq %.6f h, largest deviation %.2e mol%%", QTest::currentDataTag(), n, t_eq, groesste);
        QVERIFY2(groesste <= 0.01, qPrintable(QString::number(groesste)));
    }
};

QTEST_APPLESS_MAIN(tst_programm)
#include "tst_programm.moc"
