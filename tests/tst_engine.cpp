// SPDX-License-Identifier: GPL-3.0-or-later
// The engine against the figures the sintering model must reproduce.
#include <QTest>
#include <atomic>
#include <stop_token>
#include <thread>
#include <cmath>
#include <limits>
#include <numeric>

#include "anfangsprofil.h"
#include "modell.h"
#include "sprache.h"
#include "zeitschritte.h"

using namespace kalvion;

namespace {

// Records what a run reports; its passes through the "event loop" can stop it.
struct Protokoll {
    std::vector<int> fortschritte;
    int durchlaesse = 0;
    int anhalten_bei = -1;  // answer `anhalten_mit` at this pass
    Fortgang anhalten_mit = Fortgang::abbrechen;

    Laufbegleitung begleitung()
    {
        return {[this](int prozent) { fortschritte.push_back(prozent); },
                [this] { return ++durchlaesse == anhalten_bei ? anhalten_mit : Fortgang::weiter; },
                {}};
    }
};

Modell start(bool kugel = false, int i_diff = 20)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = kugel ? Geometrie::sphaerisch : Geometrie::linear;
    m.i_Diff = static_cast<std::int16_t>(i_diff);
    return m;
}

double summe_menge(const Modell& m)
{
    return std::accumulate(m.Menge.begin() + 1, m.Menge.begin() + 1 + m.Zellen, 0.0);
}

double runde(double v, int stellen)
{
    const double f = std::pow(10.0, stellen);
    return std::round(v * f) / f;
}

}  // namespace

class tst_engine : public QObject {
    Q_OBJECT
private slots:
    void startwerte()
    {
        Modell m = start();
        QCOMPARE(m.Sintertemp_K, 1323.0);
        QCOMPARE(m.Sinterzeit_s, 7200.0);
        QCOMPARE(m.x_max_cm, 0.005);
        QCOMPARE(m.dx, 2.5e-5);
        QCOMPARE(runde(m.D * 1e10, 4), 2.2208);
        QVERIFY(!m.Berechnung_aktuell);
        QVERIFY(!m.Sintertemp.text.has_value());
        QCOMPARE(m.Zellen, std::int16_t(200));
    }

    void temperatur_in_ganzen_kelvin()
    {
        Modell m = start();
        m.Sintertemp.setze_zahl(1051);
        kelvin_ableiten(m);
        QCOMPARE(m.Sintertemp_K, 1324.0);
        m.Sintertemp.setze_zahl(1050.5);
        kelvin_ableiten(m);
        QCOMPARE(m.Sintertemp_K, 1323.5);
    }

    void schrittweite()
    {
        Modell m = start();
        anfangsprofil(m);
        schritte_vorbereiten(m);
        QCOMPARE(runde(m.dt_max, 5), 1.40717);
        QCOMPARE(m.Schritte, 6140.0);
        QCOMPARE(runde(m.dt, 5), 1.17264);
        QCOMPARE(runde(m.D * m.dt / (m.dx * m.dx), 5), 0.41667);
    }

    void molprozent_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<int>("i_diff");
        QTest::addColumn<double>("erwartet");
        QTest::addColumn<int>("stellen");
        QTest::newRow("linear 20") << false << 20 << 10.0 << 12;
        QTest::newRow("linear 1") << false << 1 << 0.5 << 12;
        QTest::newRow("linear 199") << false << 199 << 99.5 << 12;
        QTest::newRow("sphärisch 20") << true << 20 << 27.0395 << 4;
        QTest::newRow("sphärisch 1") << true << 1 << 1.4888 << 4;
        QTest::newRow("sphärisch 100") << true << 100 << 87.4065 << 4;
        QTest::newRow("sphärisch 199") << true << 199 << 99.99996 << 5;
    }
    void molprozent()
    {
        QFETCH(bool, kugel);
        QFETCH(int, i_diff);
        QFETCH(double, erwartet);
        QFETCH(int, stellen);
        for (double x_max : {50.0, 1.0, 1e6}) {  // the total does not depend on the path
            Modell m = start(kugel, i_diff);
            m.x_max.setze_zahl(x_max);
            m.dx = x_max * 1e-4 / m.Zellen;
            anfangsprofil(m);
            QCOMPARE(runde(m.Molprozent, stellen), erwartet);
        }
    }

    void molprozent_kugel_geschlossen()
    {
        // 100 · Σ j² (j = 201 − i_Diff .. 200) / Σ j² (j = 1 .. 200)
        for (int i_diff : {1, 20, 100, 199}) {
            Modell m = start(true, i_diff);
            anfangsprofil(m);
            double oben = 0, unten = 0;
            for (int j = 1; j <= 200; ++j) {
                unten += double(j) * j;
                if (j >= 201 - i_diff)
                    oben += double(j) * j;
            }
            QVERIFY(std::fabs(m.Molprozent - 100 * oben / unten) < 1e-10);
        }
    }

    void geometrie()
    {
        Modell m = start(true);
        anfangsprofil(m);
        QCOMPARE(m.Flaeche[1], 1.0);
        QCOMPARE(m.Flaeche[200], 0.000025);
        QCOMPARE(m.Volumen[200], 0.000025 * m.dx);
        QCOMPARE(m.Flaeche[0], 0.0);
        QCOMPARE(m.Flaeche[201], 0.0);
        QCOMPARE(m.Konz_Start, m.Konz);
        for (int i = 1; i <= 200; ++i)
            QCOMPARE(m.Fluss[i], 0.0);
        QCOMPARE(m.Konz[20], 100.0);
        QCOMPARE(m.Konz[21], 0.0);

        Modell l = start(false, 199);
        anfangsprofil(l);
        QCOMPARE(l.Volumen[7], l.dx);
        QCOMPARE(l.Konz[199], 100.0);
        QCOMPARE(l.Konz[200], 0.0);  // cell 200 never starts filled
    }

    void neuaufbau_ersetzt_endprofil()
    {
        Modell m = start();
        Protokoll p;
        lauf_rechnen(m, p.begleitung());
        QVERIFY(m.Konz[1] < 100);
        anfangsprofil(m);
        QCOMPARE(m.Konz[1], 100.0);
        QCOMPARE(m.Konz[21], 0.0);
    }

    void lauf_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<double>("k1");
        QTest::addColumn<double>("k50");
        QTest::addColumn<double>("k200");
        QTest::newRow("linear") << false << 22.02 << 17.44 << 0.975;
        QTest::newRow("sphärisch") << true << 32.28 << 28.40 << 7.34;
    }
    void lauf()
    {
        QFETCH(bool, kugel);
        QFETCH(double, k1);
        QFETCH(double, k50);
        QFETCH(double, k200);
        Modell m = start(kugel);
        Protokoll p;
        const Laufausgang ausgang = lauf_rechnen(m, p.begleitung());
        QCOMPARE(ausgang.ergebnis, Laufergebnis::fertig);

        QCOMPARE(m.Schritte, 6140.0);
        QCOMPARE(runde(m.Konz[1], 2), k1);
        QCOMPARE(runde(m.Konz[50], 2), k50);
        QCOMPARE(runde(m.Konz[200], kugel ? 2 : 3), k200);
        QVERIFY(std::fabs(summe_menge(m) - m.Menge_ges) <= 1e-12 * m.Menge_ges);
        QVERIFY(m.Berechnung_aktuell);
        QCOMPARE(ausgang.fehlerzahl, m.Fehlerzahl);
        if (!kugel)
            QCOMPARE(sprache::fehlermeldung(ausgang.fehlerzahl, ausgang.gesprungen), QStringLiteral("0 Fehler"));
        // Each percent once, in order, from 0 to 100.
        QCOMPARE(p.fortschritte.size(), std::size_t(101));
        for (int i = 0; i <= 100; ++i)
            QCOMPARE(p.fortschritte[i], i);
        for (int i = 1; i <= 200; ++i)
            QCOMPARE(m.Konz[i], m.Menge[i] / m.Volumen[i]);
    }

    void schnappschuss_nach_zehn_schritten()
    {
        Modell m = start();
        Protokoll p;
        lauf_rechnen(m, p.begleitung());
        QCOMPARE(runde(m.Konz_10[20], 2), 56.85);
        QCOMPARE(runde(m.Konz_10[21], 2), 43.15);
        QCOMPARE(m.Konz_10[0], 0.0);
        QCOMPARE(m.Konz_1000[201], 0.0);

        // The snapshot holds the profile after exactly ten steps.
        Modell hand = start();
        anfangsprofil(hand);
        schritte_vorbereiten(hand);
        for (int k = 0; k < 10; ++k)
            ein_zeitschritt(hand);
        QCOMPARE(m.Konz_10, hand.Konz);
    }

    void zweimal_gleich()
    {
        Modell m = start(true);
        Protokoll p;
        lauf_rechnen(m, p.begleitung());
        const Zellfeld erstes = m.Konz;
        lauf_rechnen(m, p.begleitung());
        QCOMPARE(m.Konz, erstes);
    }

    void mindestens_200_schritte()
    {
        Modell m = start();
        m.Sinterzeit.setze_zahl(0.01);  // 1.2 · 36 s / 1.407 s ≈ 30 < 200
        m.Sinterzeit_s = 36;
        m.Konz_1000.fill(-1);  // marks what a short run must leave alone
        m.Konz_1000[0] = m.Konz_1000[201] = 0;
        Protokoll p;
        lauf_rechnen(m, p.begleitung());
        QCOMPARE(m.Schritte, 200.0);
        QCOMPARE(m.dt, 36.0 / 200);
        QCOMPARE(p.fortschritte.back(), 100);
        QCOMPARE(m.Konz_1000[100], -1.0);
        QVERIFY(m.Konz_100[1] < 100);
    }

    void ohne_diffusion_bleibt_alles()
    {
        Modell m = start();
        m.D = 0;
        QCOMPARE(lauf_rechnen(m).fehlerzahl, 0);
        QCOMPARE(m.Schritte, 200.0);
        QCOMPARE(m.Konz, m.Konz_Start);
    }

    void fehlerzahl_laeuft_ueber_16_bit()
    {
        // A profile rising away from the source makes 199 negative fluxes in
        // the first step; 200 steps of a slow D keep most of them negative.
        Modell m = start();
        anfangsprofil(m);
        for (int i = 1; i <= 200; ++i) {
            m.Konz[i] = i;
            m.Menge[i] = m.Konz[i] * m.Volumen[i];
        }
        m.D = 1e-30;
        const Laufausgang ausgang = zeitschritte(m);
        QCOMPARE(m.Fehlerzahl, std::int64_t(199) * 200);
        QCOMPARE(ausgang.fehlerzahl, m.Fehlerzahl);
        QCOMPARE(sprache::fehlermeldung(ausgang.fehlerzahl, ausgang.gesprungen), QStringLiteral("39800 Fehler"));
    }

    // A stop request ends the run after the step it comes in: before the
    // first step, after one; from another thread, on the way, never finished.
    void stopanforderung_haelt_an()
    {
        Modell m = start();
        m.Sinterzeit.setze_zahl(1000);  // about three million steps
        werte_ableiten(m);
        std::stop_source quelle;
        quelle.request_stop();
        Laufbegleitung b;
        int meldungen = 0;
        b.fortschritt = [&](int) { ++meldungen; };
        b.halt = quelle.get_token();
        const Laufausgang sofort = lauf_rechnen(m, b);
        QCOMPARE(sofort.ergebnis, Laufergebnis::abgebrochen);
        QCOMPARE(meldungen, 1);  // 0 % after the first step, then the stop
        QVERIFY(!m.Berechnung_aktuell);

        std::atomic<bool> unterwegs{false};
        Laufergebnis wie = Laufergebnis::fertig;
        std::jthread faden([&](std::stop_token halt) {
            Laufbegleitung b;
            b.fortschritt = [&](int) { unterwegs = true; };
            b.halt = halt;
            wie = lauf_rechnen(m, b).ergebnis;
        });
        while (!unterwegs)
            std::this_thread::yield();
        faden.request_stop();
        faden.join();
        QCOMPARE(wie, Laufergebnis::abgebrochen);
        QVERIFY(!m.Berechnung_aktuell);
        QVERIFY(!m.Berechnung_laeuft);
    }

    void lauf_macht_ergebnis_ungueltig_bis_zum_ende()
    {
        Modell m = start();
        m.Berechnung_aktuell = true;
        bool je_aktuell = false;  // at any pass through the event loop
        lauf_rechnen(m, {{},
                         [&] {
                             je_aktuell = je_aktuell || m.Berechnung_aktuell;
                             return Fortgang::weiter;
                         },
                         {}});
        QVERIFY(!je_aktuell);
        QVERIFY(m.Berechnung_aktuell);
    }

    // Whoever runs the engine may stop it at a pass through its event loop:
    // a cancel or the end of the program. Nothing of the run counts then.
    void angehalten_data()
    {
        QTest::addColumn<int>("fortgang");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("abgebrochen") << int(Fortgang::abbrechen) << int(Laufergebnis::abgebrochen);
        QTest::newRow("Programmende") << int(Fortgang::programmende) << int(Laufergebnis::programmende);
    }
    void angehalten()
    {
        QFETCH(int, fortgang);
        QFETCH(int, ergebnis);
        Modell m = start();
        m.Sinterzeit_s = 1e8;  // far more steps than the three passes below take
        m.Berechnung_aktuell = true;
        Protokoll p;
        p.anhalten_bei = 3;
        p.anhalten_mit = Fortgang(fortgang);
        bool lief_bei_jedem_durchlass = true;
        Laufbegleitung begleitung = p.begleitung();
        begleitung.zwischendurch = [&, weiter = begleitung.zwischendurch] {
            lief_bei_jedem_durchlass = lief_bei_jedem_durchlass && m.Berechnung_laeuft;
            return weiter();
        };
        QCOMPARE(int(lauf_rechnen(m, begleitung).ergebnis), ergebnis);
        QCOMPARE(p.durchlaesse, 3);
        QVERIFY(!m.Berechnung_aktuell);
        QVERIFY(lief_bei_jedem_durchlass);
        QVERIFY(!m.Berechnung_laeuft);
    }

    void ohne_begleitung()
    {
        // A front end without a window needs nothing to run the engine.
        Modell m = start();
        QCOMPARE(lauf_rechnen(m).ergebnis, Laufergebnis::fertig);
        QVERIFY(m.Berechnung_aktuell);
        QVERIFY(!m.Berechnung_laeuft);
        QCOMPARE(m.Schritte, 6140.0);
    }

    // A step count the loop cannot count exactly is refused before any step.
    void nicht_zaehlbar_data()
    {
        QTest::addColumn<double>("x_max");
        QTest::addColumn<double>("d");
        QTest::addColumn<bool>("zaehlbar");
        // Schritte = 1.2 · 7200 / (dx² / 2D) with dx = x_max · 1e-4 / 200.
        QTest::newRow("2^53 + 2") << 1.0 << 9007199254740994.0 * 2.5e-13 / (2 * 8640) << false;
        QTest::newRow("unendlich") << 1e-200 << 1.0 << false;
        QTest::newRow("Start") << 50.0 << 2.2207760471619703e-10 << true;
    }
    void nicht_zaehlbar()
    {
        QFETCH(double, x_max);
        QFETCH(double, d);
        QFETCH(bool, zaehlbar);
        Modell m = start();
        m.x_max.setze_zahl(x_max);
        weg_ableiten(m);
        m.D = d;
        anfangsprofil(m);
        m.Berechnung_aktuell = true;
        const Zellfeld vorher = m.Konz;
        Protokoll p;
        const double schritte = laufschritte(m);
        QCOMPARE(schrittzahl_zaehlbar(schritte), zaehlbar);
        if (zaehlbar)
            return;
        QVERIFY(!std::isfinite(schritte) || schritte > Groesste_Schrittzahl);
        QCOMPARE(zeitschritte(m, p.begleitung()).ergebnis, Laufergebnis::nicht_zaehlbar);
        QCOMPARE(m.Konz, vorher);  // no step was made
        QVERIFY(p.fortschritte.empty());
        QVERIFY(!m.Berechnung_aktuell);
        QVERIFY(!m.Berechnung_laeuft);
    }

    void zaehlbare_schrittzahl_data()
    {
        QTest::addColumn<double>("schritte");
        QTest::addColumn<bool>("zaehlbar");
        QTest::newRow("2^53") << 9007199254740992.0 << true;
        QTest::newRow("2^53 + 2") << 9007199254740994.0 << false;
        QTest::newRow("unendlich") << std::numeric_limits<double>::infinity() << false;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false;
        QTest::newRow("200") << 200.0 << true;
    }
    void zaehlbare_schrittzahl()
    {
        QFETCH(double, schritte);
        QFETCH(bool, zaehlbar);
        QCOMPARE(schrittzahl_zaehlbar(schritte), zaehlbar);
    }

        // Through step 1000 the jump steps as always: the snapshots and the error
    // count of those steps are bit for bit the stepped ones.
    void sprung_im_lauf_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::newRow("linear") << false;
        QTest::newRow("sphärisch") << true;
    }
    void sprung_im_lauf()
    {
        QFETCH(bool, kugel);
        Modell gestuft = start(kugel), gesprungen = start(kugel);
        const Laufausgang a = lauf_rechnen(gestuft);
        Protokoll p;
        const Laufausgang b = lauf_rechnen(gesprungen, p.begleitung(), Verfahren::sprung);
        QVERIFY(!a.gesprungen);
        QVERIFY(b.gesprungen);
        QCOMPARE(gesprungen.Konz_10, gestuft.Konz_10);
        QCOMPARE(gesprungen.Konz_100, gestuft.Konz_100);
        QCOMPARE(gesprungen.Konz_1000, gestuft.Konz_1000);
        QCOMPARE(gesprungen.Schritte, gestuft.Schritte);
        for (int i = 1; i <= 200; ++i)
            QVERIFY(std::fabs(gesprungen.Konz[i] - gestuft.Konz[i]) <= 1e-9);
        QVERIFY(gesprungen.Berechnung_aktuell);
        QCOMPARE(p.fortschritte.back(), 100);
        Modell hand = start(kugel);
        anfangsprofil(hand);
        schritte_vorbereiten(hand);
        std::int64_t fehler_bis_1000 = 0;
        for (int k = 0; k < 1000; ++k)
            fehler_bis_1000 += ein_zeitschritt(hand);
        QCOMPARE(b.fehlerzahl, fehler_bis_1000);
        QCOMPARE(sprache::fehlermeldung(b.fehlerzahl, b.gesprungen),
                 QString::number(fehler_bis_1000) +
                     QStringLiteral(" Fehler (in den ersten 1000 Schritten; danach in einem Sprung gerechnet)"));

        // A run of fewer than 1000 steps has nothing to jump over.
        Modell kurz = start(kugel);
        kurz.Sinterzeit_s = 600;
        QVERIFY(!lauf_rechnen(kurz, {}, Verfahren::sprung).gesprungen);
    }

    void dauer_schaetzen()
    {
        const Modell m = start();
        const double kosten = miss_zellschrittkosten(m);
        QVERIFY(kosten > 0 && kosten < 1e-6);  // a cell-step takes nanoseconds
        QCOMPARE(geschaetzte_dauer(6140, 200, 1e-9), 6140 * 200 * 1e-9);
        QCOMPARE(laufschritte(m), 6140.0);
        QCOMPARE(m.Schritte, 0.0);  // the model itself is untouched
    }

    void fortschritt_in_prozent()
    {
        QCOMPARE(fortschritt_prozent(1, 6140), 0);
        QCOMPARE(fortschritt_prozent(2272, 6140), 37);
        QCOMPARE(fortschritt_prozent(6139, 6140), 99);  // cut, not rounded
        QCOMPARE(fortschritt_prozent(6140, 6140), 100);
    }
};

QTEST_APPLESS_MAIN(tst_engine)
#include "tst_engine.moc"
