// SPDX-License-Identifier: GPL-3.0-or-later
// Runs compared side by side: the names that tell them apart, results kept in
// the main window across runs, cancels and "ok", drawn under the live curves,
// in the exported graph and as columns of the curve table (the same columns
// as the command line's for the same runs), and the window's default look
// unchanged while nothing is kept.
#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QFontInfo>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "exportbefehle.h"
#include "frm_grafik.h"
#include "grafik.h"
#include "grafikexport.h"
#include "kurvendatei.h"
#include "meldungsrekorder.h"
#include "programmeingabe.h"
#include "svginhalt.h"
#include "testhilfen.h"
#include "vergleich.h"
#include "zahlen.h"

using namespace kalvion;

namespace {

using Aenderung = std::function<void(Modell&)>;

// The start-up parameters with one change, as the dialog's "ok" leaves them.
Modell parameter(const Aenderung& aendern = {})
{
    Modell m;
    startwerte_setzen(m);
    if (aendern)
        aendern(m);
    parameter_uebernehmen(m, {});
    return m;
}

void mit_programm(Modell& m, const QString& halten)
{
    Programmeingabe e;
    e.zeilen = {{"5", "1050", halten}, {"10", "20", "0"}};
    QVERIFY(programm_setzen(m, e, QLocale::c()));
}

QByteArray pruefsumme(const QByteArray& daten)
{
    return QCryptographicHash::hash(daten, QCryptographicHash::Sha256).toHex().left(16);
}

QByteArray pruefsumme(const QImage& b)
{
    return pruefsumme(QByteArray(reinterpret_cast<const char*>(b.constBits()), b.sizeInBytes()));
}

// The pictures below were taken from the program before kept results
// existed, with these fonts and this Qt; elsewhere other glyphs give other bytes.
bool wie_bei_der_aufnahme()
{
    return QString::fromLatin1(qVersion()) == "6.4.2" && QFontInfo(QApplication::font()).family() == "DejaVu Sans" &&
           QFontInfo(QFont("sans-serif")).family() == "DejaVu Sans";
}

QStringList zeilen(const QByteArray& tabelle)
{
    QStringList z = QString::fromUtf8(tabelle.mid(3)).split("\r\n");
    z.removeLast();
    return z;
}

// The live final profile's polyline and those in the kept results' colours.
QList<Linienzug> in_farbe(const Svginhalt& svg, const QColor& farbe)
{
    QList<Linienzug> l;
    for (const Linienzug& z : svg.linien)
        if (z.farbe == farbe.name() && z.punkte.size() > 2)
            l << z;
    return l;
}

}  // namespace

Q_DECLARE_METATYPE(Aenderung)

class tst_vergleich : public QObject {
    Q_OBJECT

    Modell m_;
    std::unique_ptr<frm_grafik> w_;
    QTemporaryDir ordner_;

    QAction* aktion(const char* name) { return kind<QAction>(w_.get(), name); }

    void fenster(const QLocale& locale)
    {
        m_ = Modell{};
        w_ = std::make_unique<frm_grafik>(m_, Dialogfabriken{}, locale);
        w_->setze_zellschrittkosten(1e-15);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        w_->parameter_uebernommen(Modell(m_));  // the start-up values, as after "ok"
    }
    void rechnen()
    {
        aktion("mnu_run")->trigger();
        QVERIFY(lauf_abwarten(*w_));
    }
    // The dialog's "ok" with one field typed anew.
    void ok(Eingabewert Modell::*feld, double wert, const char* text)
    {
        Modell neu = w_->parameter();
        (neu.*feld).setze_text(wert, text);
        parameter_uebernehmen(neu, {});
        w_->parameter_uebernommen(neu);
    }
    QByteArray exportieren(const char* name)
    {
        const QString pfad = ordner_.filePath(QString::fromLatin1(name));
        const Dateiwahl alt =
            setze_dateiwahl([&pfad](QWidget*, const QString&, const QString&, const QStringList&) { return pfad; });
        aktion(pfad.endsWith(".csv") ? "mnu_kurven_speichern" : "mnu_grafik_speichern")->trigger();
        setze_dateiwahl(alt);
        return lies_datei(pfad);
    }
    int pixel_in_farbe(int k) { return zaehle(w_->bild(), vergleichsstift(k, 2).farbe.rgb()); }
    bool leer() { return zaehle(w_->bild(), qRgb(255, 255, 255)) == w_->bild().width() * w_->bild().height(); }

private slots:
    void cleanup() { w_.reset(); }

    // One row per kind of difference: the kept run's name and the current
    // run's, each by its own values.
    void namen_data()
    {
        QTest::addColumn<Aenderung>("behalten");
        QTest::addColumn<Aenderung>("aktuell");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("aktueller_name");
        const Aenderung keine = [](Modell&) {};
        auto zeile = [&](const char* fall, Aenderung b, const char* name, const char* aktuell, Aenderung a = {}) {
            QTest::newRow(fall) << b << (a ? a : keine) << QString::fromUtf8(name) << QString::fromUtf8(aktuell);
        };
        zeile("nichts", keine, "gleiche Parameter", "");
        zeile("Modell", [](Modell& m) { m.Geometrie = Geometrie::sphaerisch; }, "sphärisch", "linear");
        zeile("Temperatur", [](Modell& m) { m.Sintertemp.setze_text(1100, "1100"); }, "1100 °C", "1050 °C");
        zeile("Zeit", [](Modell& m) { m.Sinterzeit.setze_text(4, "4"); }, "4 h", "2 h");
        zeile("gleiche Zeit anders getippt", [](Modell& m) { m.Sinterzeit.setze_text(2, "2,0"); }, "gleiche Parameter", "");
        zeile("x_max", [](Modell& m) { m.x_max.setze_text(100, "100"); }, "x_max 100 µm", "x_max 50 µm");
        zeile("D0", [](Modell& m) { m.D0.setze_text(700, "700"); }, "D0·1000 700 cm²/s", "D0·1000 587 cm²/s");
        zeile("Q", [](Modell& m) { m.Q.setze_text(250000, "250000"); }, "Q 250000 J/mol", "Q 238650 J/mol");
        zeile("i_Diff", [](Modell& m) { m.i_Diff = 30; }, "i_Diff 30", "i_Diff 20");
        zeile("Programm gegen isotherm", [](Modell& m) { mit_programm(m, "2"); },
              "Programm: 20 °C → 5 K/min → 1050 °C, 2 h → 10 K/min → 20 °C", "1050 °C, 2 h");
        zeile("zwei Programme", [](Modell& m) { mit_programm(m, "4"); },
              "Programm: 20 °C → 5 K/min → 1050 °C, 4 h → 10 K/min → 20 °C",
              "Programm: 20 °C → 5 K/min → 1050 °C, 2 h → 10 K/min → 20 °C", [](Modell& m) { mit_programm(m, "2"); });
        zeile("Grundgehalt", [](Modell& m) { m.Anfang = Anfangsart::grundgehalt; m.c0.setze_text(0.2, "0,2"); },
              "Grundgehalt 0,2 Mol%", "Stufe");
        zeile("Startprofil aus Datei", [](Modell& m) {
            m.Anfang = Anfangsart::datei;
            m.startprofil = std::make_shared<const Startprofil>(Startprofil{{{0, 50}, {50, 0}}, "scan.csv"});
        }, "Start aus scan.csv", "Stufe");
        zeile("feste Randkonzentration", [](Modell& m) { m.Oberflaeche = Oberflaechenart::konzentration; m.c_s.setze_zahl(0); },
              "Oberfläche 0 Mol%", "Oberfläche geschlossen");
        zeile("Austausch", [](Modell& m) {
            m.Oberflaeche = Oberflaechenart::austausch;
            m.beta.setze_text(1e-5, "1e-5");
            m.c_atm.setze_zahl(5);
        }, "β 1e-5 cm/s, c_atm 5 Mol%", "Oberfläche geschlossen");
        zeile("zwei, in der Reihenfolge der Tabelle", [](Modell& m) {
            m.Sinterzeit.setze_text(4, "4");
            m.Geometrie = Geometrie::sphaerisch;
        }, "sphärisch, 4 h", "linear, 2 h");
    }
    void namen()
    {
        QFETCH(Aenderung, behalten);
        QFETCH(Aenderung, aktuell);
        QFETCH(QString, name);
        QFETCH(QString, aktueller_name);
        const Modell k = parameter(behalten), m = parameter(aktuell);
        const Vergleichsnamen n = vergleichsnamen(m, {&k}, Deutsch, Namenssprache::datei);
        QCOMPARE(n.behalten, QStringList{name});
        QCOMPARE(n.aktuell, aktueller_name);
    }

    // While nothing is kept, every picture and table is byte for byte what
    // the program made before results could be kept (taken from it then).
    void ohne_behaltene_wie_vorher_data()
    {
        QTest::addColumn<QString>("was");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("summe");
        const char* summen[][3] = {{"csv linear", "81ede762739343b0", "8383f0c45d29f5a0"},
                                   {"csv kugel", "892d60df7d0ec511", "6a7ae762747f55d0"},
                                   {"csv programm", "e777dc970ec325db", "54ae7cab82e51d96"},
                                   {"png linear", "c5e75393f03f97fe", "c5e75393f03f97fe"},
                                   {"png kugel", "4dcec1bb580da957", "4dcec1bb580da957"},
                                   {"svg linear", "c7688acd26a0fa38", "c7688acd26a0fa38"},
                                   {"svg programm", "eb8faca7a2b4d0f3", "4de06c37f692182b"},  // t_eq to four digits, in the locale
                                   {"grafik kugel", "9145ebc34d92c6fb", "9145ebc34d92c6fb"},
                                   {"fenster", "fbd1b02768a8c40a", "fbd1b02768a8c40a"}};
        for (const auto& [was, c, deutsch] : summen) {
            QTest::addRow("%s, C", was) << was << C_Locale << QByteArray(c);
            QTest::addRow("%s, deutsch", was) << was << Deutsch << QByteArray(deutsch);
        }
    }
    void ohne_behaltene_wie_vorher()
    {
        QFETCH(QString, was);
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, summe);
        if (!was.startsWith("csv") && !wie_bei_der_aufnahme())
            QSKIP("other fonts or another Qt than when the pictures were taken");
        Modell programm = parameter([](Modell& m) { mit_programm(m, "2"); });
        lauf_rechnen(programm);
        const Modell linear = standardlauf(), kugel = standardlauf(true);
        const Modell& m = was.endsWith("programm") ? programm : was.endsWith("kugel") ? kugel : linear;
        QByteArray ist;
        if (was.startsWith("csv")) {
            ist = pruefsumme(kurventabelle(m, locale));
        } else if (was.startsWith("png") || was.startsWith("svg")) {
            ist = pruefsumme(grafikdaten(was.startsWith("png") ? Grafikformat::png : Grafikformat::svg, m, locale));
        } else if (was.startsWith("grafik")) {
            QImage b(QSize(960, 600), QImage::Format_RGB32);
            b.fill(Qt::white);
            QPainter p(&b);
            zeichne_grafik(p, QSizeF(960, 600), m, locale, Qt::black);
            p.end();
            ist = pruefsumme(b);
        } else {
            Meldungsrekorder meldungen;
            fenster(locale);
            w_->resize(900, 600);
            rechnen();
            QCOMPARE(w_->bild().size(), QSize(900, 581));
            ist = pruefsumme(w_->bild());
        }
        QCOMPARE(ist, summe);
    }

    // Kept results stay through new runs, cancels and "ok" with other
    // parameters, drawn whenever a current result is; names follow the
    // parameters in force.
    void behalten_bleibt()
    {
        Meldungsrekorder meldungen;
        fenster(C_Locale);
        rechnen();
        QCOMPARE(pixel_in_farbe(0), 0);
        QTest::keyClick(w_.get(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(w_->behalten().size(), std::size_t(1));
        const Ergebniszeiger zwei_stunden = w_->behalten().front();
        QVERIFY(pixel_in_farbe(0) > 0);  // the legend's sample; the curve lies under the live one
        QVERIFY(aktion("mnu_behaltene_entfernen")->isEnabled());

        ok(&Modell::Sinterzeit, 4, "4");
        QVERIFY(leer());
        rechnen();
        QVERIFY2(pixel_in_farbe(0) > 600, qPrintable(QString::number(pixel_in_farbe(0))));
        aktion("mnu_behalten")->trigger();

        // A long run cancelled: both kept stay; the 4 h result is current again.
        m_.Sinterzeit_s = 3600.0 * 1000;
        aktion("mnu_run")->trigger();
        aktion("mnu_abbrechen")->trigger();
        QVERIFY(lauf_abwarten(*w_));
        QCOMPARE(w_->behalten().size(), std::size_t(2));
        QCOMPARE(w_->behalten().front(), zwei_stunden);

        ok(&Modell::Sintertemp, 1100, "1100");
        rechnen();
        QCOMPARE(w_->behalten().front(), zwei_stunden);
        const Svginhalt svg = lies_svg(exportieren("g.svg"));
        for (const char* t : {"1050 °C, 2 h", "1050 °C, 4 h", "Ende (1100 °C, 4 h)"})
            QVERIFY2(svg.texte.contains(QString::fromUtf8(t)), t);
        QCOMPARE(meldungen.texte.size(), 3);  // the three runs' ends; the cancel says nothing

        aktion("mnu_behaltene_entfernen")->trigger();
        QVERIFY(w_->behalten().empty());
        QVERIFY(!aktion("mnu_behaltene_entfernen")->isEnabled());
        QCOMPARE(pixel_in_farbe(0) + pixel_in_farbe(1), 0);
    }
    void behalten_abgelehnt_data()
    {
        QTest::addColumn<int>("laeufe");  // runs kept before, 1 h, 2 h, …
        QTest::addColumn<int>("danach");  // then: 0 nothing, 1 "ok" with 9 h, 2 that and its run
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ohne aktuelles Ergebnis") << 0 << 1
                                                 << QString::fromUtf8("Noch keine aktuelle Berechnung durchgeführt!");
        QTest::newRow("schon behalten") << 1 << 0 << "Dieses Ergebnis ist schon behalten.";
        QTest::newRow("ein neuntes") << 8 << 2
                                     << QString::fromUtf8("Es sind schon 8 Ergebnisse behalten, mehr zeigt die Grafik "
                                                          "nicht (Bearbeiten → Behaltene Ergebnisse entfernen).");
    }
    void behalten_abgelehnt()
    {
        QFETCH(int, laeufe);
        QFETCH(int, danach);
        QFETCH(QString, meldung);
        Meldungsrekorder meldungen;
        fenster(Deutsch);
        for (int k = 1; k <= laeufe; ++k) {
            ok(&Modell::Sinterzeit, k, qPrintable(QString::number(k)));
            rechnen();
            aktion("mnu_behalten")->trigger();
        }
        if (danach >= 1)
            ok(&Modell::Sinterzeit, 9, "9");
        if (danach == 2)
            rechnen();
        const auto vorher = w_->behalten();
        meldungen.texte.clear();
        aktion("mnu_behalten")->trigger();
        QCOMPARE(meldungen.texte, QStringList{meldung});
        QVERIFY(w_->behalten() == vorher);
        if (laeufe == 8)  // every kept result in its own colour
            for (int k = 0; k < 8; ++k)
                QVERIFY2(pixel_in_farbe(k) > 100, qPrintable(QString::number(k)));
    }

    // The exports of 2, 4 and 8 h kept in the window: the graph draws and
    // names them, the curve table holds them, in the very columns the command
    // line writes for --zeit 2,4,8.
    void export_und_kommandozeile_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("sprache");
        QTest::newRow("C") << C_Locale << "C.UTF-8";
        QTest::newRow("deutsch") << Deutsch << "de_DE.UTF-8";
    }
    void export_und_kommandozeile()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, sprache);
        Meldungsrekorder meldungen;
        fenster(locale);
        for (const char* zeit : {"2", "4", "8"}) {
            ok(&Modell::Sinterzeit, QString(zeit).toDouble(), zeit);
            rechnen();
            aktion("mnu_behalten")->trigger();
        }
        const Modell& m = w_->ergebnisstand().aktuell->modell;

        const Svginhalt svg = lies_svg(exportieren("g.svg"));
        for (const char* t : {"2 h", "4 h", "8 h", "Ende (8 h)"})
            QVERIFY2(svg.texte.contains(QString::fromLatin1(t)), t);
        for (int k = 0; k < 3; ++k) {
            const QList<Linienzug> l = in_farbe(svg, vergleichsstift(k, 1.5).farbe);
            QCOMPARE(l.size(), 1);
            QVERIFY(folgt(l[0], w_->behalten()[k]->modell.Konz, m.Zellen));
            QVERIFY(!l[0].muster.isEmpty());
        }
        const QImage png = QImage::fromData(exportieren("g.png"), "PNG").convertToFormat(QImage::Format_RGB32);
        for (int k = 0; k < 2; ++k)  // the 8 h curve lies under the live one
            QVERIFY(zaehle(png, vergleichsstift(k, 1.5).farbe.rgb()) > 300);

        const QStringList fenster = zeilen(exportieren("k.csv"));
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANG", sprache);
        env.insert("LC_ALL", sprache);
        cli.setProcessEnvironment(env);
        cli.start(KALVION_CLI, {"--zeit", "2,4,8", "--kurven", "-"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QStringList befehl = zeilen(cli.readAllStandardOutput());
        QCOMPARE(befehl.size(), 201);
        QCOMPARE(fenster.size(), 201);
        const QChar trenner = feldtrenner(locale);
        for (int i = 0; i < 201; ++i) {
            const QStringList f = fenster[i].split(trenner);
            QCOMPARE(f.size(), 10);
            QCOMPARE(QStringList({f[0], f[1], f[7], f[8], f[9]}).join(trenner), befehl[i]);
        }
        QCOMPARE(befehl[0].split(trenner).mid(2), QStringList({"2 h [Mol%]", "4 h [Mol%]", "8 h [Mol%]"}));
    }

    // A kept result of another x_max on the same µm axis: a shorter one ends
    // inside the frame, a longer one is cut at its edge; the table gives each
    // its own x column.
    void andere_achse_data()
    {
        QTest::addColumn<double>("x_max");
        QTest::addColumn<double>("ende");  // where its line ends, in the current run's cells
        QTest::addColumn<int>("punkte");
        QTest::newRow("kürzer") << 25.0 << 100.0 << 200;
        QTest::newRow("länger") << 100.0 << 200.0 << 100;
    }
    void andere_achse()
    {
        QFETCH(double, x_max);
        QFETCH(double, ende);
        QFETCH(int, punkte);
        const Modell m = standardlauf();
        Modell k = parameter([x_max](Modell& k) { k.x_max.setze_text(x_max, qPrintable(QString::number(x_max))); });
        lauf_rechnen(k);
        const Behaltene behalten{std::make_shared<const Ergebnis>(Ergebnis{k, {}})};

        const Svginhalt svg = lies_svg(grafikdaten(Grafikformat::svg, m, C_Locale, nullptr, behalten));
        const QList<Linienzug> live = in_farbe(svg, QColor(255, 0, 0)), kurve = in_farbe(svg, vergleichsstift(0, 1.5).farbe);
        QCOMPARE(live.size(), 1);
        QCOMPARE(kurve.size(), 1);
        QCOMPARE(kurve[0].punkte.size(), punkte);
        const double je_zelle = (live[0].punkte.last().x() - live[0].punkte.first().x()) / (m.Zellen - 1);
        const double x0 = live[0].punkte.first().x() - je_zelle;
        QVERIFY(std::abs(kurve[0].punkte.first().x() - (x0 + je_zelle * x_max / 50)) < 0.01);
        QVERIFY(std::abs(kurve[0].punkte.last().x() - (x0 + je_zelle * ende)) < 0.01);
        const QString name = QStringLiteral("x_max %1 µm").arg(x_max);
        QVERIFY(svg.texte.contains(name));

        const QStringList tabelle = zeilen(kurventabelle(m, C_Locale, vergleichsspalten(m, behalten, C_Locale)));
        QCOMPARE(tabelle[0].split(',').mid(7), QStringList({"x [µm] (" + name + ")", name + " [Mol%]"}));
        QCOMPARE(tabelle[200].split(',').mid(7),
                 QStringList({QString::number(x_max), zahlen::kuerzeste_form(k.Konz[200], C_Locale)}));
    }
};

QTEST_MAIN(tst_vergleich)
#include "tst_vergleich.moc"
