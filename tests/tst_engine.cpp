// The engine against the figures the sintering model must reproduce.
#include <QTest>
#include <cmath>
#include <numeric>

#include "anfangsprofil.h"
#include "laufbefehl.h"
#include "modell.h"
#include "zeitschritte.h"

using namespace kalvion;

namespace {

// Records what a run does to the main window; the event loop is a no-op.
struct Protokoll : Laufumgebung {
    std::vector<std::string> fortschritte, meldungen, ablauf;
    int durchlaesse = 0;
    int abbrechen_nach = -1;  // stop the run at this pass through the loop

    void setze_fortschritt(const std::string& t) override { fortschritte.push_back(t); }
    void zeige_cursoranzeige() override { ablauf.push_back("cursor"); }
    void setze_fadenkreuz() override { ablauf.push_back("fadenkreuz"); }
    void verberge_startknopf() override { ablauf.push_back("knopf_weg"); }
    void melde(const std::string& t) override { meldungen.push_back(t); ablauf.push_back("meldung"); }
    bool ereignisse_verarbeiten() override { return ++durchlaesse != abbrechen_nach; }
    void zeige_fenster() override { ablauf.push_back("fenster"); }
    void loesche_zeichenflaeche() override { ablauf.push_back("loeschen"); }
    void zeige_fortschritt(bool s) override { ablauf.push_back(s ? "fortschritt_an" : "fortschritt_aus"); }
    void sperre_waehrend_lauf(bool g) override { ablauf.push_back(g ? "sperre" : "frei"); }
    void Form_Resize() override { ablauf.push_back("zeichnen"); }
};

Modell start(bool kugel = false, int i_diff = 20)
{
    Modell m;
    startwerte_setzen(m);
    m.Kugel = kugel;
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
        m.Sintertemp_K = 273 + m.Sintertemp.wert;
        QCOMPARE(m.Sintertemp_K, 1324.0);
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
        laufbefehl(m, p);
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
        QCOMPARE(laufbefehl(m, p), Laufende::fertig);

        QCOMPARE(m.Schritte, 6140.0);
        QCOMPARE(runde(m.Konz[1], 2), k1);
        QCOMPARE(runde(m.Konz[50], 2), k50);
        QCOMPARE(runde(m.Konz[200], kugel ? 2 : 3), k200);
        QVERIFY(std::fabs(summe_menge(m) - m.Menge_ges) <= 1e-12 * m.Menge_ges);
        QVERIFY(m.Berechnung_aktuell);
        QCOMPARE(p.meldungen.size(), std::size_t(1));
        if (!kugel)
            QCOMPARE(p.meldungen.front(), std::string("0 Fehler"));
        QCOMPARE(p.fortschritte.front(), std::string("0  %"));
        QCOMPARE(p.fortschritte.back(), std::string("100  %"));
        QCOMPARE(p.fortschritte.size(), std::size_t(101));
        for (int i = 1; i <= 200; ++i)
            QCOMPARE(m.Konz[i], m.Menge[i] / m.Volumen[i]);
    }

    void schnappschuss_nach_zehn_schritten()
    {
        Modell m = start();
        Protokoll p;
        laufbefehl(m, p);
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
        laufbefehl(m, p);
        const Zellfeld erstes = m.Konz;
        laufbefehl(m, p);
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
        laufbefehl(m, p);
        QCOMPARE(m.Schritte, 200.0);
        QCOMPARE(m.dt, 36.0 / 200);
        QCOMPARE(p.fortschritte.back(), std::string("100  %"));
        QCOMPARE(m.Konz_1000[100], -1.0);
        QVERIFY(m.Konz_100[1] < 100);
    }

    void ohne_diffusion_bleibt_alles()
    {
        Modell m = start();
        m.D = 0;
        Protokoll p;
        laufbefehl(m, p);
        QCOMPARE(m.Schritte, 200.0);
        QCOMPARE(m.Konz, m.Konz_Start);
        QCOMPARE(p.meldungen, std::vector<std::string>{"0 Fehler"});
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
        Protokoll p;
        zeitschritte(m, p);
        QCOMPARE(m.Fehlerzahl, std::int64_t(199) * 200);
        QCOMPARE(p.meldungen.back(), std::string("39800 Fehler"));
    }

    void ablauf_des_laufbefehls()
    {
        Modell m = start();
        Protokoll p;
        laufbefehl(m, p);
        const std::vector<std::string> erwartet{"knopf_weg", "sperre", "fenster", "loeschen",
            "fortschritt_an", "meldung", "cursor", "fadenkreuz", "knopf_weg",
            "fortschritt_aus", "frei", "zeichnen"};
        QCOMPARE(p.ablauf, erwartet);
    }

    void lauf_macht_ergebnis_ungueltig_bis_zum_ende()
    {
        Modell m = start();
        m.Berechnung_aktuell = true;
        struct Pruefer : Protokoll {
            Modell* m = nullptr;
            bool waehrenddessen = true;
            bool ereignisse_verarbeiten() override { waehrenddessen = m->Berechnung_aktuell; return true; }
        } p;
        p.m = &m;
        laufbefehl(m, p);
        QVERIFY(!p.waehrenddessen);
        QVERIFY(m.Berechnung_aktuell);
    }

    void abbruch_beim_beenden()
    {
        Modell m = start();
        m.Sinterzeit_s = 1e6;  // long enough for several passes
        Protokoll p;
        p.abbrechen_nach = 1;
        p.durchlaesse = 0;
        // Force a pass at the first step: the clock is not under test here.
        QCOMPARE(laufbefehl(m, p), Laufende::abgebrochen);
        QVERIFY(p.meldungen.empty());
        QVERIFY(!m.Berechnung_aktuell);
        QCOMPARE(p.ablauf.back(), std::string("fortschritt_an"));
    }

    void fortschrittstexte()
    {
        QCOMPARE(fortschrittstext(1, 6140), std::string("0  %"));
        QCOMPARE(fortschrittstext(2272, 6140), std::string("37  %"));
        QCOMPARE(fortschrittstext(6140, 6140), std::string("100  %"));
    }
};

QTEST_APPLESS_MAIN(tst_engine)
#include "tst_engine.moc"
