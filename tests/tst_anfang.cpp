// SPDX-License-Identifier: GPL-3.0-or-later
// Runs that start from a base content or from a given profile: a flat start
// stays flat, two treatments in a row equal one as long as both, the step on
// a base content keeps to the closed form, the amount stays, the jump equals
// stepping, and the fit finds D from a profile that started elsewhere.
#include <QTest>
#include <cmath>
#include <memory>
#include <numeric>

#include "anpassung.h"
#include "loesungen.h"
#include "modell.h"
#include "sprung.h"
#include "zeitschritte.h"

using namespace kalvion;

Q_DECLARE_METATYPE(kalvion::Geometrie)
Q_DECLARE_METATYPE(kalvion::Anfangsart)
Q_DECLARE_METATYPE(kalvion::Verfahren)

namespace {

// The start-up values with this model, path (µm) and time (h), "ok" pressed.
Modell satz(Geometrie g, double x_max = 50, double stunden = 2)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = g;
    Parametersatz p;
    p.eingaben = {{&Modell::x_max, Eingabewert{x_max, std::nullopt}},
                  {&Modell::Sinterzeit, Eingabewert{stunden, std::nullopt}}};
    parameter_uebernehmen(m, p);
    return m;
}

void setze_start(Modell& m, std::vector<Messpunkt> punkte, Anfangsart art = Anfangsart::datei)
{
    m.Anfang = art;
    m.startprofil = std::make_shared<const Startprofil>(Startprofil{std::move(punkte), "start.csv"});
    werte_ableiten(m, {.d = true, .schritte = false, .anfangsprofil = true});
}

// A finished run's final profile as the rows of its results file or curve
// table: cell i at i · x_max / Zellen.
std::vector<Messpunkt> als_zeilen(const Modell& m)
{
    std::vector<Messpunkt> punkte;
    for (int i = 1; i <= m.Zellen; ++i)
        punkte.push_back({i * m.x_max.wert / m.Zellen, m.Konz[i]});
    return punkte;
}

// A smooth profile as a line scan might give it: 37 points, not on the rows.
std::vector<Messpunkt> abgetastet(double x_max)
{
    std::vector<Messpunkt> punkte;
    for (int j = 0; j <= 36; ++j) {
        const double x = j * x_max / 36;
        punkte.push_back({x, 60 * std::erfc(x / (0.3 * x_max)) + 4 * std::sin(x / x_max * 7)});
    }
    return punkte;
}

void geometrien_als_zeilen()
{
    QTest::addColumn<Geometrie>("geometrie");
    for (const Geometriebeschreibung& g : Geometrien)
        QTest::newRow(g.name) << g.geometrie;
}

}  // namespace

class tst_anfang : public QObject {
    Q_OBJECT
private slots:
    // A part that holds the same content everywhere has nothing to even out:
    // every flux is 0 and the profile stays as it was, stepped or jumped.
    void gleichmaessig_bleibt_flach_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<Verfahren>("verfahren");
        for (const Geometriebeschreibung& g : Geometrien) {
            QTest::addRow("%s stepped", g.name) << g.geometrie << Verfahren::schrittweise;
            QTest::addRow("%s jumped", g.name) << g.geometrie << Verfahren::sprung;
        }
    }
    void gleichmaessig_bleibt_flach()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(Verfahren, verfahren);
        Modell m = satz(geometrie, 50, 20);
        setze_start(m, {{0, 0.2}, {50, 0.2}});
        QCOMPARE(m.Molprozent, 0.2);
        lauf_rechnen(m, {}, verfahren);
        for (int i = 1; i <= m.Zellen; ++i)
            QVERIFY2(std::fabs(m.Konz[i] - 0.2) <= 1e-12, qPrintable(QString::number(i)));
    }

    // Diffusion is a semigroup: 2 h and then 3 h from that result equal 5 h
    // at once, up to the scheme's time-step error (the step differs).
    void zwei_behandlungen_wie_eine_data() { geometrien_als_zeilen(); }
    void zwei_behandlungen_wie_eine()
    {
        QFETCH(Geometrie, geometrie);
        Modell erste = satz(geometrie, 50, 2);
        lauf_rechnen(erste);
        Modell zweite = satz(geometrie, 50, 3);
        setze_start(zweite, als_zeilen(erste), Anfangsart::ergebnis);
        QCOMPARE(zweite.Konz_Start, erste.Konz);
        lauf_rechnen(zweite);
        Modell beide = satz(geometrie, 50, 5);
        lauf_rechnen(beide);
        const double abweichung = groesste_abweichung(zweite.Konz, beide.Konz, beide.Zellen);
        qInfo("%s: 2 h + 3 h against 5 h: %.2e mol%%", beschreibung(geometrie).name, abweichung);
        QVERIFY2(abweichung <= 0.01, qPrintable(QString::number(abweichung)));
    }

    // A run's final profile, handed back as the start of a run that hardly
    // moves (200 steps of a tiny time), comes back to the printed digits.
    void endprofil_als_start_kommt_zurueck_data() { geometrien_als_zeilen(); }
    void endprofil_als_start_kommt_zurueck()
    {
        QFETCH(Geometrie, geometrie);
        Modell vorher = satz(geometrie, 50, 2);
        lauf_rechnen(vorher);
        Modell nachher = satz(geometrie, 50, 1e-12);
        setze_start(nachher, als_zeilen(vorher));
        lauf_rechnen(nachher);
        QCOMPARE(nachher.Schritte, 200.0);
        for (int i = 1; i <= nachher.Zellen; ++i)
            QCOMPARE(QString::fromStdString(vier_stellen(nachher.Konz[i])),
                     QString::fromStdString(vier_stellen(vorher.Konz[i])));
    }

    // The step on a base content c0 in a bar: c0 plus (100 − c0) times the
    // step's closed form, and the total (i_Diff · 100 + (200 − i_Diff) · c0) / 200.
    void grundgehalt_gegen_geschlossene_form_data()
    {
        QTest::addColumn<double>("c0");
        QTest::addColumn<double>("molprozent");
        QTest::newRow("0.2 % carbon") << 0.2 << 10.18;
        QTest::newRow("5 %") << 5.0 << 14.5;
        QTest::newRow("half full") << 50.0 << 55.0;
    }
    void grundgehalt_gegen_geschlossene_form()
    {
        QFETCH(double, c0);
        QFETCH(double, molprozent);
        Modell m = satz(Geometrie::linear);
        m.Anfang = Anfangsart::grundgehalt;
        m.c0.setze_zahl(c0);
        lauf_rechnen(m);
        QCOMPARE(QString::fromStdString(vier_stellen(m.Molprozent)), QString::fromStdString(vier_stellen(molprozent)));
        const double l = m.x_max_cm, h = m.i_Diff * m.dx, dt = m.D * m.Sinterzeit_s;
        double groesste = 0;
        for (int i = 1; i <= m.Zellen; ++i) {
            const double exakt = c0 + (100 - c0) * stab((i - 0.5) * m.dx, h, l, dt, 1);
            groesste = std::max(groesste, std::fabs(m.Konz[i] - exakt));
        }
        qInfo("largest deviation: %.5f mol%%", groesste);
        QVERIFY2(groesste < Toleranz_stab, qPrintable(QString::number(groesste)));
    }

    // From any start the scheme keeps the amount, and the jump lands where
    // stepping does.
    void erhalten_und_gesprungen_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<Anfangsart>("art");
        for (const Geometriebeschreibung& g : Geometrien) {
            QTest::addRow("%s on base content", g.name) << g.geometrie << Anfangsart::grundgehalt;
            QTest::addRow("%s from a line scan", g.name) << g.geometrie << Anfangsart::datei;
        }
    }
    void erhalten_und_gesprungen()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(Anfangsart, art);
        // About 40000 steps.
        Modell m = satz(geometrie, 40, 20);
        if (art == Anfangsart::grundgehalt) {
            m.Anfang = art;
            m.c0.setze_zahl(3.5);
            werte_ableiten(m);
        } else {
            setze_start(m, abgetastet(40));
        }
        Modell gestuft = m, gesprungen = m;
        lauf_rechnen(gestuft);
        lauf_rechnen(gesprungen, {}, Verfahren::sprung);
        QVERIFY(gestuft.Schritte > 30000);
        QVERIFY(std::fabs(summe_menge(gestuft) - m.Menge_ges) <= 1e-12 * m.Menge_ges);
        QVERIFY(std::fabs(summe_menge(gesprungen) - m.Menge_ges) <= 1e-12 * m.Menge_ges);
        QVERIFY(groesste_abweichung(gestuft.Konz, gesprungen.Konz, m.Zellen) <= 1e-9);
    }

    // The classic second anneal: the profile measured before it as the start,
    // the one after it as the points, and D comes back.
    void anpassung_mit_anfangsprofil_data() { geometrien_als_zeilen(); }
    void anpassung_mit_anfangsprofil()
    {
        QFETCH(Geometrie, geometrie);
        Modell m = satz(geometrie, 40, 3);
        setze_start(m, abgetastet(40));
        Modell lauf = m;
        lauf_rechnen(lauf, {}, Verfahren::sprung);
        std::vector<Messpunkt> nachher;
        for (int j = 0; j < 30; ++j) {
            const double x = (j + 0.5) * 40 / 30;
            nachher.push_back({x, profil_bei(lauf.Konz, lauf.Zellen, 40, x)});
        }
        const Anpassung a = d_anpassen(m, nachher);
        QVERIFY2(std::fabs(a.D / m.D - 1) < 1e-6, qPrintable(QString::number(a.D / m.D - 1)));
        QVERIFY(a.D_unten <= m.D && m.D <= a.D_oben);
    }

    // The rows of a results file or curve table are taken cell by cell; other
    // points are interpolated at the cell centres and held beyond their ends.
    void auf_zellen_abgebildet_data()
    {
        QTest::addColumn<QList<double>>("xs");
        QTest::addColumn<QList<double>>("werte");
        QTest::addColumn<int>("zelle");
        QTest::addColumn<double>("erwartet");
        QList<double> zeilen, zeilenwerte;
        for (int i = 1; i <= 200; ++i) {
            zeilen << i * 0.25;
            zeilenwerte << i;
        }
        QTest::newRow("rows: cell 1") << zeilen << zeilenwerte << 1 << 1.0;
        QTest::newRow("rows: cell 200") << zeilen << zeilenwerte << 200 << 200.0;
        QList<double> gerundet = zeilen;
        gerundet[6] = 1.75004;  // as a results file with four decimals may print it
        QTest::newRow("rows within the printed decimals") << gerundet << zeilenwerte << 7 << 7.0;
        gerundet[6] = 1.7501;
        QTest::newRow("off the rows: interpolated") << gerundet << zeilenwerte << 2 << 1.5;
        QTest::newRow("between two points") << QList<double>{0, 50} << QList<double>{100, 0} << 2 << 99.25;
        QTest::newRow("held before the first") << QList<double>{10, 50} << QList<double>{80, 0} << 1 << 80.0;
        QTest::newRow("held after the last") << QList<double>{0, 20} << QList<double>{80, 10} << 200 << 10.0;
        QTest::newRow("unsorted") << QList<double>{50, 0} << QList<double>{0, 100} << 2 << 99.25;
    }
    void auf_zellen_abgebildet()
    {
        QFETCH(QList<double>, xs);
        QFETCH(QList<double>, werte);
        QFETCH(int, zelle);
        QFETCH(double, erwartet);
        std::vector<Messpunkt> punkte;
        for (int j = 0; j < xs.size(); ++j)
            punkte.push_back({xs[j], werte[j]});
        QCOMPARE(auf_zellen(punkte, 200, 50)[zelle], erwartet);
    }
};

QTEST_APPLESS_MAIN(tst_anfang)
#include "tst_anfang.moc"
