// SPDX-License-Identifier: GPL-3.0-or-later
// Starts and surfaces through the front ends: a chain of treatments in the
// window and on the command line giving the same block, a curve table read
// back as a start, the results file's last block as a start, the dialog's
// controls worked by hand, and every refusal of bad input.
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <QCheckBox>
#include <algorithm>

#include "anfangswahl.h"
#include "anpassung.h"
#include "bedingungen.h"
#include "frm_anpassung.h"
#include "grafikexport.h"
#include "parameterdatei.h"
#include "programmeingabe.h"
#include "einzellauf.h"
#include "ergebnisdatei.h"
#include "frm_Eingabe.h"
#include "kurvendatei.h"
#include "meldungsrekorder.h"
#include "programm.h"
#include "startprofil.h"
#include "eingabesitzung.h"
#include "testhilfen.h"
#include "zahlen.h"

using namespace kalvion;

Q_DECLARE_METATYPE(kalvion::Geometrie)
Q_DECLARE_METATYPE(kalvion::Anfangsart)

namespace {

QString sprache_fuer(const QLocale& locale)
{
    return locale == Deutsch ? QStringLiteral("de_DE.UTF-8") : QStringLiteral("C.UTF-8");
}

struct Aufruf {
    int status = -1;
    QByteArray aus, fehler;
};

// kalvion-cli in `ordner`, in the locale's language and numbers.
Aufruf rufe(const QStringList& argumente, const QString& ordner, const QLocale& locale)
{
    QProcess p;
    p.setProgram(QStringLiteral(KALVION_CLI));
    p.setArguments(argumente);
    p.setWorkingDirectory(ordner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LANG"), sprache_fuer(locale));
    env.insert(QStringLiteral("LC_ALL"), sprache_fuer(locale));
    p.setProcessEnvironment(env);
    p.start();
    if (!p.waitForFinished(120000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// "ok", then "Berechnung Starten", and the run's end.
bool ok_und_rechnen(frm_grafik& w, frm_Eingabe* dlg)
{
    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return !w.eingabe(); }))
        return false;
    QTest::mouseClick(kind<QPushButton>(&w, "cmd_run"), Qt::LeftButton);
    return lauf_abwarten(w);
}

// The block rows (lines 18 to 217) of a run's results block.
QList<QByteArray> profilzeilen(const Modell& m, const QLocale& locale)
{
    return ergebnisblock(m, QStringLiteral("/tmp/x.txt"), QDate(2026, 3, 4), locale)->split('\n').mid(17, 200);
}

// A run of the command line's model: the start-up values, this model, the
// start, these hours.
Modell gerechnet(Geometrie g, const cli::Startangabe& anfang, double stunden, const QLocale& locale)
{
    cli::Lauf lauf = cli::Studie::startwerte().lauf(0);
    lauf.geometrie = g;
    lauf.anfang = anfang;
    lauf.werte[static_cast<int>(Feld::Sinterzeit)] = stunden;
    Modell m = cli::modell_fuer(lauf, locale);
    lauf_rechnen(m);
    return m;
}

// Files a start may be read from, and what each is refused with.
void schreibe_startdateien(const QTemporaryDir& d)
{
    schreibe_datei(d.filePath("eins.csv"), "x;c\n5;50\n");
    schreibe_datei(d.filePath("hoch.csv"), "x;c\n0;50\n2;150\n");
    schreibe_datei(d.filePath("weit.csv"), "x;c\n0;50\n60;1\n");
    schreibe_datei(d.filePath("gut.csv"), "x;c\n0;80\n25;40\n50;0\n");
    QDir(d.path()).mkdir(QStringLiteral("ordner"));
}

}  // namespace

class tst_bedingungen : public QObject {
    Q_OBJECT
private slots:
    // Run, "Ergebnis als Anfangsprofil", another time, run again, save; the
    // same chain on the command line through the curve table: the same
    // block, byte for byte.
    // The second run may open the surface: its line 2 and its balance in line
    // 3 are the same too.
    void kette_wie_kommandozeile_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("oberflaeche");  // the second run's, as the command line takes it
        for (const Geometriebeschreibung& g : Geometrien)
            for (const QLocale& l : {Deutsch, C_Locale})
                QTest::addRow("%s, %s", g.name, l == Deutsch ? "deutsch" : "C") << g.geometrie << l << QString();
        QTest::newRow("linear, deutsch, Austausch") << Geometrie::linear << Deutsch << "austausch:1e-5,5";
        QTest::newRow("sphärisch, C, feste Randkonzentration") << Geometrie::sphaerisch << C_Locale << "konzentration:0.5";
    }
    void kette_wie_kommandozeile()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(QLocale, locale);
        QFETCH(QString, oberflaeche);
        const Geometriebeschreibung& g = beschreibung(geometrie);
        Meldungsrekorder meldungen;
        QTemporaryDir d;
        const QString ordner = QFileInfo(d.path()).canonicalFilePath();
        Modell m;
        auto w = programm_starten(m, locale);
        frm_Eingabe* dlg = bis_zur_eingabe(*w);
        QVERIFY(dlg);
        klick_links(kind<QRadioButton>(dlg, g.option));
        QVERIFY(ok_und_rechnen(*w, dlg));

        kind<QAction>(w.get(), "mnu_ergebnis_als_anfang")->trigger();
        kind<QAction>(w.get(), "mnu_Eingabe")->trigger();
        QTRY_VERIFY(w->eingabe());
        dlg = qobject_cast<frm_Eingabe*>(w->eingabe());
        QTRY_VERIFY(kind<QRadioButton>(dlg, "opt_anfang_ergebnis")->isChecked());
        QVERIFY(!kind<QLineEdit>(dlg, "txt_i_Diff")->isEnabled());
        verlasse_mit(kind<QLineEdit>(dlg, "txt_Sinterzeit"), "3");
        if (oberflaeche.startsWith("austausch")) {
            klick_links(kind<QRadioButton>(dlg, "opt_oberflaeche_austausch"));
            verlasse_mit(kind<QLineEdit>(dlg, "txt_beta"), "1E-05");
            verlasse_mit(kind<QLineEdit>(dlg, "txt_c_atm"), "5");
        }
        if (oberflaeche.startsWith("konzentration")) {
            klick_links(kind<QRadioButton>(dlg, "opt_oberflaeche_konzentration"));
            verlasse_mit(kind<QLineEdit>(dlg, "txt_c_s"), locale.toString(0.5));
        }
        QVERIFY(ok_und_rechnen(*w, dlg));
        QCOMPARE(speichere(w->ergebnisstand(), ordner, "kette.txt", QDate::currentDate(), locale),
                 Speicherergebnis::gespeichert);
        const QByteArray fenster = lies_datei(ordner + "/kette.txt");
        QVERIFY(QFile::remove(ordner + "/kette.txt"));
        QVERIFY(fenster.contains(", Anfang vorgegebenes Profil, "));

        QCOMPARE(rufe({"--modell", g.name, "--kurven", "k.csv"}, ordner, locale).status, 0);
        QStringList argumente{"--modell", g.name, "--zeit", "3", "--start", "datei:k.csv", "--datei", "kette.txt"};
        if (!oberflaeche.isEmpty())
            argumente << "--oberflaeche" << oberflaeche;
        const Aufruf zweiter = rufe(argumente, ordner, locale);
        QVERIFY2(zweiter.status == 0, zweiter.fehler.constData());
        QCOMPARE(lies_datei(ordner + "/kette.txt"), fenster);
        QCOMPARE(fenster.split('\n')[2].startsWith("Durch die Oberfl\xE4" "che abgegeben: "), !oberflaeche.isEmpty());
    }

    // The curve table of a run, read back as the start of a run of almost no
    // time, gives its final profile again to the results file's digits; its
    // line naming the run's own start does not stand in the way.
    void kurventabelle_als_start_data()
    {
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<QLocale>("locale");
        for (const Geometriebeschreibung& g : Geometrien)
            for (const QLocale& l : {Deutsch, C_Locale})
                QTest::addRow("%s, %s", g.name, l == Deutsch ? "deutsch" : "C") << g.geometrie << l;
    }
    void kurventabelle_als_start()
    {
        QFETCH(Geometrie, geometrie);
        QFETCH(QLocale, locale);
        const Modell erster = gerechnet(geometrie, {Anfangsart::grundgehalt, 0.2, {}}, 2, locale);
        const QByteArray tabelle = kurventabelle(erster, locale);
        QVERIFY(tabelle.contains("Anfang Grundgehalt 0" + locale.decimalPoint().toUtf8() + "2 Mol%"));
        const Messlesung l = startprofil_lesen(tabelle);
        QVERIFY2(l.ok, qPrintable(l.fehler));
        QCOMPARE(l.profil.punkte.size(), 200u);

        const auto profil = std::make_shared<const Startprofil>(Startprofil{l.profil.punkte, "k.csv"});
        const Modell zweiter = gerechnet(geometrie, {Anfangsart::datei, 0, profil}, 1e-15, locale);
        QCOMPARE(zweiter.Schritte, 200.0);
        QCOMPARE(profilzeilen(zweiter, locale), profilzeilen(erster, locale));
    }

    // A results file of several blocks, saved in either locale: its last
    // block is the start, row by row.
    void ergebnisdatei_letzter_block()
    {
        const Modell a = gerechnet(Geometrie::linear, {}, 2, Deutsch);
        const Modell b = gerechnet(Geometrie::sphaerisch, {Anfangsart::grundgehalt, 0.5, {}}, 1, C_Locale);
        const QDate tag(2026, 3, 4);
        for (const auto& [erste, zweite] : {std::pair{Deutsch, C_Locale}, std::pair{C_Locale, Deutsch}}) {
            const QByteArray datei = *ergebnisblock(a, "/d/e.txt", tag, erste) + *ergebnisblock(b, "/d/e.txt", tag, zweite) +
                                     *ergebnisblock(a, "/d/e.txt", tag, erste) + *ergebnisblock(b, "/d/e.txt", tag, zweite);
            const Messlesung l = startprofil_lesen(datei);
            QVERIFY2(l.ok, qPrintable(l.fehler));
            QCOMPARE(l.block, 4);
            QCOMPARE(l.profil.punkte.size(), 200u);
            for (int i = 1; i <= 200; ++i) {
                QCOMPARE(l.profil.punkte[i - 1].x, zahlen::festkomma(i * 50.0 / 200, 4, C_Locale).toDouble());
                QCOMPARE(l.profil.punkte[i - 1].konz, zahlen::festkomma(b.Konz[i], 4, C_Locale).toDouble());
                QCOMPARE(l.profil.zeilen[i - 1], 3 * 217 + 17 + i);
            }
            QCOMPARE(startprofil_beschreibung(l), QStringLiteral(", Block 4 von 4: 200 Punkte"));
        }
    }

    // Taken onto the cells, a start read from a file keeps every value
    // between its smallest and largest point, even where a cell's centre
    // falls on a point at the end of a steep segment (25 → 29.75 µm here).
    void start_auf_zellen_im_bereich()
    {
        const Messlesung l = startprofil_lesen(lies_datei(KALVION_TESTDATEN "/startprofil_ueber_das_ende.txt"));
        QVERIFY2(l.ok, qPrintable(l.fehler));
        const auto [kleinster, groesster] = std::minmax_element(
            l.profil.punkte.begin(), l.profil.punkte.end(), [](const Messpunkt& a, const Messpunkt& b) { return a.konz < b.konz; });
        const std::vector<double> zellen = auf_zellen(l.profil.punkte, 200, 340);
        for (int i = 1; i <= 200; ++i)
            QVERIFY2(zellen[i] >= kleinster->konz && zellen[i] <= groesster->konz, qPrintable(QString::number(i)));
        QCOMPARE(zellen[18], 1.2078);
    }

    void ergebnisdatei_abgelehnt_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("meldung");
        const Modell a = gerechnet(Geometrie::linear, {}, 2, Deutsch);
        const QByteArray block = *ergebnisblock(a, "/d/e.txt", QDate(2026, 3, 4), Deutsch);
        qsizetype zehn = 0;
        for (int i = 0; i < 10; ++i)
            zehn = block.indexOf("\r\n", zehn) + 2;
        QTest::newRow("abgeschnitten im Kopf") << block + block.left(zehn)
                                               << "Zeile 228 sollte die Spaltenköpfe eines Ergebnisblocks";
        QTest::newRow("Leerzeile zwischen Blöcken") << block + "\r\n" + block
                                                    << "Zeile 218 ist weder eine Zeile „x Konzentration“";
        QByteArray fremd = block;
        fremd.replace("50,0000 ", "50,0000 x");
        QTest::newRow("Zeile ohne Zahl") << fremd << "Zeile 217 ist weder eine Zeile „x Konzentration“";
        QByteArray hoch = block;
        const qsizetype zeile18 = block.indexOf("\r\n0,2500 ") + 2;
        hoch.replace(zeile18, block.indexOf("\r\n", zeile18) - zeile18, "0,2500 150,0000 ");
        QTest::newRow("Konzentration 150") << hoch << "Zeile 18: eine Konzentration unter -1 oder über 101 Mol%";
        QTest::newRow("Block ohne Zeilen") << block.left(block.indexOf("0,2500 ")) + block
                                           << "Zeile 18 ist weder eine Zeile „x Konzentration“";
        const QByteArray zeile_18 = block.mid(zeile18, block.indexOf("\r\n", zeile18) + 2 - zeile18);
        QTest::newRow("letzter Block an einer Tiefe") << block.left(zeile18) + zeile_18 + zeile_18
                                                      << "Zu wenige verschiedene Tiefen: 2 Messpunkte bei nur 1 "
                                                         "verschiedenen x (mindestens 2).";
        QTest::newRow("letzter Block mit einer Zeile") << lies_datei(KALVION_TESTDATEN "/ergebnisdatei_ein_punkt.txt")
                                                       << "Zu wenige Messpunkte: 1 (mindestens 2).";
    }
    void ergebnisdatei_abgelehnt()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, meldung);
        const Messlesung l = startprofil_lesen(datei);
        QVERIFY(!l.ok);
        QVERIFY2(l.fehler.startsWith(meldung), qPrintable(l.fehler));
        QVERIFY(l.profil.punkte.empty());
    }

    // The dialog's start controls worked as a user works them.
    void anfang_im_dialog()
    {
        Meldungsrekorder meldungen;
        QTemporaryDir d;
        schreibe_startdateien(d);
        Modell m;
        startwerte_setzen(m);
        frm_Eingabe dlg([&m] { return m; }, Deutsch, {{}, [&d](QWidget*) { return d.filePath("gut.csv"); }});
        std::optional<Modell> uebernommen;
        QObject::connect(&dlg, &frm_Eingabe::uebernommen, [&](const Modell& p) { uebernommen = p; });
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        auto* c0 = kind<QLineEdit>(&dlg, "txt_c0");
        auto* molprozent = kind<QLabel>(&dlg, "lbl_molprozent");
        QTRY_COMPARE(molprozent->text(), QString("10"));
        QVERIFY(!c0->isEnabled());

        klick_links(kind<QRadioButton>(&dlg, "opt_anfang_grundgehalt"));
        QVERIFY(c0->isEnabled());
        verlasse_mit(c0, "0,5");
        // 20 cells at 100, 180 at 0.5: (2000 + 90) / 200.
        QCOMPARE(molprozent->text(), QString("10,45"));
        verlasse_mit(c0, "100,5");  // out of range: silently back to its reset text
        QCOMPARE(c0->text(), QString("0"));
        verlasse_mit(c0, "viel");
        QCOMPARE(meldungen.texte, QStringList{"Unerlaubte Eingabe !"});
        meldungen.texte.clear();
        verlasse_mit(c0, "0,5");

        klick_links(kind<QRadioButton>(&dlg, "opt_anfang_datei"));
        QVERIFY(kind<QRadioButton>(&dlg, "opt_anfang_datei")->isChecked());
        QVERIFY(!c0->isEnabled());
        QVERIFY(!kind<QLineEdit>(&dlg, "txt_i_Diff")->isEnabled());
        // 80 → 40 over 25 µm, 40 → 0 over the next 25: the mean is 40.
        QCOMPARE(molprozent->text(), QString("40"));
        QCOMPARE(kind<QLabel>(&dlg, "lbl_startdatei")->text(), QString("gut.csv: 3 Punkte, gesamt 40 Mol%"));

        QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_ok"), Qt::LeftButton);
        QVERIFY(uebernommen);
        QCOMPARE(uebernommen->Anfang, Anfangsart::datei);
        QCOMPARE(uebernommen->startprofil->quelle, std::string("gut.csv"));
        QCOMPARE(uebernommen->c0.text, std::optional<std::string>("0,5"));
        QVERIFY(meldungen.texte.isEmpty());
    }

    // Whatever the dialog refuses leaves the choice and the parameters as
    // they were, with the reader's or the check's message.
    void anfang_im_dialog_abgelehnt_data()
    {
        QTest::addColumn<QString>("option");   // clicked, then…
        QTest::addColumn<QString>("datei");    // …the file chosen
        QTest::addColumn<int>("ergebnis");     // the result to start from: 0 none, 1 other model, 2 other x_max
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Datei fehlt") << "datei" << "fehlt.csv" << 0 << "Die Datei kann nicht gelesen werden:";
        QTest::newRow("ein Punkt") << "datei" << "eins.csv" << 0 << "Zu wenige Messpunkte: 1 (mindestens 2).";
        QTest::newRow("über 101 Mol%") << "datei" << "hoch.csv" << 0 << "Zeile 3: eine Konzentration unter -1 oder über 101";
        QTest::newRow("hinter x_max") << "datei" << "weit.csv" << 0 << "Messpunkte außerhalb des Diffusionswegs 0 … 50 µm:\nx = 60 µm (Zeile 3)";
        QTest::newRow("Ordner") << "datei" << "ordner" << 0 << "ist ein Ordner, keine Datei.";
        QTest::newRow("kein Ergebnis") << "ergebnis" << "" << 0 << kein_ergebnis_als_start();
        QTest::newRow("anderes Modell") << "ergebnis" << "" << 1 << "Das letzte Ergebnis ist im Modell sphärisch gerechnet, gewählt ist linear";
        QTest::newRow("anderes x_max") << "ergebnis" << "" << 2 << "Das letzte Ergebnis ist für x_max = 40 µm gerechnet, gewählt ist 50 µm";
    }
    void anfang_im_dialog_abgelehnt()
    {
        QFETCH(QString, option);
        QFETCH(QString, datei);
        QFETCH(int, ergebnis);
        QFETCH(QString, meldung);
        Meldungsrekorder meldungen;
        QTemporaryDir d;
        schreibe_startdateien(d);
        Modell m;
        startwerte_setzen(m);
        Ergebniszeiger e;
        if (ergebnis) {
            Modell r = gerechnet(ergebnis == 1 ? Geometrie::sphaerisch : Geometrie::linear, {}, 2, Deutsch);
            if (ergebnis == 2) {
                r.x_max.setze_zahl(40);
                lauf_rechnen(r);
            }
            e = std::make_shared<const Ergebnis>(Ergebnis{r, {}});
        }
        frm_Eingabe dlg([&m] { return m; }, Deutsch,
                        {[e] { return e; }, [&](QWidget*) { return d.filePath(datei); }});
        QSignalSpy uebernommen(&dlg, &frm_Eingabe::uebernommen);
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QTRY_COMPARE(kind<QLabel>(&dlg, "lbl_molprozent")->text(), QString("10"));

        auto* gewaehlt = kind<QRadioButton>(&dlg, qPrintable("opt_anfang_" + option));
        klick_links(gewaehlt);
        QCOMPARE(meldungen.texte.size(), 1);
        QVERIFY2(meldungen.texte[0].contains(meldung), qPrintable(meldungen.texte[0]));
        QVERIFY(!gewaehlt->isChecked());
        QVERIFY(kind<QRadioButton>(&dlg, "opt_anfang_stufe")->isChecked());
        QCOMPARE(dlg.parameter().Anfang, Anfangsart::stufe);
        QCOMPARE(kind<QLabel>(&dlg, "lbl_molprozent")->text(), QString("10"));
        QVERIFY(kind<QLineEdit>(&dlg, "txt_i_Diff")->isEnabled());
        QCOMPARE(uebernommen.count(), 0);
    }

    // Parameters that hold a start from a file or from a result, opened
    // again: the dialog shows that start and "ok" hands the same one back.
    void anfang_der_parameter_wieder_gezeigt_data()
    {
        QTest::addColumn<Anfangsart>("art");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("beschreibung");
        QTest::newRow("aus Datei") << Anfangsart::datei << "datei" << "gut.csv: 3 Punkte, gesamt 40 Mol%";
        QTest::newRow("letztes Ergebnis") << Anfangsart::ergebnis << "ergebnis" << "";
    }
    void anfang_der_parameter_wieder_gezeigt()
    {
        QFETCH(Anfangsart, art);
        QFETCH(QString, option);
        QFETCH(QString, beschreibung);
        Modell m;
        startwerte_setzen(m);
        m.Anfang = art;
        m.startprofil = std::make_shared<const Startprofil>(Startprofil{{{0, 80}, {25, 40}, {50, 0}}, "gut.csv"});
        frm_Eingabe dlg([&m] { return m; }, Deutsch, {});
        std::optional<Modell> uebernommen;
        QObject::connect(&dlg, &frm_Eingabe::uebernommen, [&](const Modell& p) { uebernommen = p; });
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QTRY_COMPARE(kind<QLabel>(&dlg, "lbl_molprozent")->text(), QString("40"));
        QVERIFY(kind<QRadioButton>(&dlg, qPrintable("opt_anfang_" + option))->isChecked());
        QCOMPARE(kind<QLabel>(&dlg, "lbl_startdatei")->text(), beschreibung);
        QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_ok"), Qt::LeftButton);
        QVERIFY(uebernommen);
        QCOMPARE(uebernommen->Anfang, art);
        QCOMPARE(uebernommen->startprofil, m.startprofil);
    }

    // "Letztes Ergebnis" chosen, then another x_max: "ok" says why not and
    // the dialog stays; with x_max back, "ok" takes the start.
    void ergebnis_bei_ok_neu_geprueft()
    {
        Meldungsrekorder meldungen;
        Modell m;
        startwerte_setzen(m);
        const auto e = std::make_shared<const Ergebnis>(Ergebnis{gerechnet(Geometrie::linear, {}, 2, C_Locale), {}});
        frm_Eingabe dlg([&m] { return m; }, C_Locale, {[e] { return e; }, {}});
        std::optional<Modell> uebernommen;
        QObject::connect(&dlg, &frm_Eingabe::uebernommen, [&](const Modell& p) { uebernommen = p; });
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QTRY_COMPARE(kind<QLabel>(&dlg, "lbl_molprozent")->text(), QString("10"));
        klick_links(kind<QRadioButton>(&dlg, "opt_anfang_ergebnis"));
        QVERIFY(meldungen.texte.isEmpty());
        QCOMPARE(kind<QLabel>(&dlg, "lbl_molprozent")->text(), QString("10"));  // the result's total, kept
        auto* x_max = kind<QLineEdit>(&dlg, "txt_x_max");
        verlasse_mit(x_max, "40", kind<QPushButton>(&dlg, "cmd_ok"));
        QCOMPARE(meldungen.texte, QStringList{"Das letzte Ergebnis ist für x_max = 50 µm gerechnet, gewählt ist 40 µm: "
                                             "es kann nicht der Anfang sein."});
        QVERIFY(!uebernommen);
        verlasse_mit(x_max, "50");
        QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_ok"), Qt::LeftButton);
        QVERIFY(uebernommen);
        QCOMPARE(uebernommen->Anfang, Anfangsart::ergebnis);
        QCOMPARE(uebernommen->Konz_Start[1], e->modell.Konz[1]);
    }

    // Each value of a start or surface, typed into its field: what the field
    // shows then, and the message if any; the value kept only where accepted.
    void randfelder_im_dialog_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("danach");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("c0 angenommen") << "anfang_grundgehalt" << "c0" << "0,25" << "0,25" << "";
        QTest::newRow("c0 über 100") << "anfang_grundgehalt" << "c0" << "100,5" << "0" << "";
        QTest::newRow("c0 keine Zahl") << "anfang_grundgehalt" << "c0" << "viel" << "0" << "Unerlaubte Eingabe !";
        QTest::newRow("c_s angenommen") << "oberflaeche_konzentration" << "c_s" << "0" << "0" << "";
        QTest::newRow("c_s unter 0") << "oberflaeche_konzentration" << "c_s" << "-0,1" << "100" << "";
        QTest::newRow("c_s über 100") << "oberflaeche_konzentration" << "c_s" << "101" << "100" << "";
        QTest::newRow("beta angenommen") << "oberflaeche_austausch" << "beta" << "2,5E-4" << "2,5E-4" << "";
        QTest::newRow("beta negativ") << "oberflaeche_austausch" << "beta" << "-1E-5" << "1E-05" << "";
        QTest::newRow("beta über 1000") << "oberflaeche_austausch" << "beta" << "1001" << "1E-05" << "";
        QTest::newRow("beta NaN") << "oberflaeche_austausch" << "beta" << "NaN" << "1E-05" << "Unerlaubte Eingabe !";
        QTest::newRow("c_atm über 100") << "oberflaeche_austausch" << "c_atm" << "100,01" << "100" << "";
        QTest::newRow("c_atm keine Zahl") << "oberflaeche_austausch" << "c_atm" << "1.5" << "100" << "Unerlaubte Eingabe !";
    }
    void randfelder_im_dialog()
    {
        QFETCH(QString, option);
        QFETCH(QString, feld);
        QFETCH(QString, getippt);
        QFETCH(QString, danach);
        QFETCH(QString, meldung);
        Meldungsrekorder meldungen;
        Modell m;
        startwerte_setzen(m);
        frm_Eingabe dlg([&m] { return m; }, Deutsch);
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QTRY_COMPARE(kind<QLabel>(&dlg, "lbl_molprozent")->text(), QString("10"));
        auto* eingabe = kind<QLineEdit>(&dlg, qPrintable("txt_" + feld));
        QVERIFY(!eingabe->isEnabled());
        klick_links(kind<QRadioButton>(&dlg, qPrintable("opt_" + option)));
        QVERIFY(eingabe->isEnabled());
        const Eingabewert vorher = dlg.parameter().*regel(feld == "c0" ? Feld::c0 : feld == "c_s" ? Feld::c_s
                                                                 : feld == "beta" ? Feld::beta : Feld::c_atm).ziel;
        verlasse_mit(eingabe, getippt);
        QCOMPARE(eingabe->text(), danach);
        QCOMPARE(meldungen.texte, meldung.isEmpty() ? QStringList() : QStringList{meldung});
        const Eingabewert nachher = dlg.parameter().*regel(feld == "c0" ? Feld::c0 : feld == "c_s" ? Feld::c_s
                                                                  : feld == "beta" ? Feld::beta : Feld::c_atm).ziel;
        if (danach == getippt)
            QCOMPARE(nachher.text, std::optional<std::string>(getippt.toStdString()));
        else
            QCOMPARE(nachher.wert, vorher.wert);
    }

    // After a run with an open surface the message says which count it is
    // and what crossed the surface; before a long run with exchange in a
    // programme there is no jump to offer.
    void meldungen_mit_offener_oberflaeche()
    {
        Meldungsrekorder meldungen;
        Modell m;
        auto w = programm_starten(m, Deutsch);
        w->setze_zellschrittkosten(1e-15);
        frm_Eingabe* dlg = bis_zur_eingabe(*w);
        QVERIFY(dlg);
        klick_links(kind<QRadioButton>(dlg, "opt_oberflaeche_konzentration"));
        verlasse_mit(kind<QLineEdit>(dlg, "txt_c_s"), "0");
        QCOMPARE(kind<QLabel>(dlg, "lbl_Schritte")->text(), QString("9210"));  // dx²/(3 D): 1.5 times the steps
        QVERIFY(ok_und_rechnen(*w, dlg));
        const Ergebniszeiger e = w->ergebnisstand().aktuell;
        QVERIFY(e);
        QCOMPARE(e->ausgang.fehlerzahl, 0);
        const std::optional<Randbilanz> b = randbilanz(e->modell);
        QVERIFY(b);
        QCOMPARE(b->vorher, 10.0);
        QVERIFY(std::fabs(b->vorher + b->aufgenommen - b->nachher) <= 1e-12 * b->vorher);
        QCOMPARE(meldungen.texte,
                 QStringList{QStringLiteral("0 Fehler (Werte außerhalb des Bereichs ihrer Nachbarn)\n"
                                            "Durch die Oberfläche abgegeben: %1 Mol% des Volumens; gesamt vorher "
                                            "10,0000 Mol%, nachher %2 Mol%")
                                 .arg(zahlen::festkomma(-b->aufgenommen, 4, Deutsch),
                                      zahlen::festkomma(b->nachher, 4, Deutsch))});

        // A programme with exchange, and a run long enough to be asked about.
        Modell p = w->parameter();
        Programmeingabe programm;
        programm.zeilen = {{"5", "1050", "2"}, {"10", "20", ""}};
        QVERIFY(programm_setzen(p, programm, Deutsch));
        p.Oberflaeche = Oberflaechenart::austausch;
        parameter_uebernehmen(p, {});
        w->parameter_uebernommen(p);
        w->setze_zellschrittkosten(1.0);
        meldungen.texte.clear();
        QTest::mouseClick(kind<QPushButton>(w.get(), "cmd_run"), Qt::LeftButton);
        QCOMPARE(meldungen.angeboten, (QList<QStringList>{{"Schrittweise", "Abbrechen"}}));
        QVERIFY(meldungen.fragen[0].contains("Mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt "
                                             "für Schritt gerechnet."));
        QVERIFY(!w->laeuft());
        QVERIFY(!w->ergebnisstand().aktuell);
    }

    // The fit window fits the fixed surface concentration too when asked.
    void anpassung_mit_randkonzentration()
    {
        Modell m;
        startwerte_setzen(m);
        m.Oberflaeche = Oberflaechenart::konzentration;
        m.c_s.setze_zahl(20);
        m.Anfang = Anfangsart::grundgehalt;
        parameter_uebernehmen(m, {});
        Modell gemessen = m;
        lauf_rechnen(gemessen);
        std::vector<Messpunkt> punkte;
        for (int i = 1; i <= 200; i += 5)
            punkte.push_back({i * 50.0 / 200, gemessen.Konz[i]});
        m.c_s.setze_zahl(100);  // a wrong guess: the fit finds 20
        parameter_uebernehmen(m, {});
        int anpassungen = 0;
        frm_anpassung dlg(d_anpassen(m, punkte), m, "scan.csv", C_Locale, nullptr, [&](bool randwert) {
            ++anpassungen;
            return d_anpassen(m, punkte, randwert);
        });
        dlg.show();
        auto* c_s = kind<QLabel>(&dlg, "lbl_c_s");
        QVERIFY(!c_s->isVisible());
        QTest::mouseClick(kind<QCheckBox>(&dlg, "chk_randwert"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(anpassungen, 1);
        QVERIFY(c_s->isVisible());
        QVERIFY2(c_s->text().startsWith("c_s = 20.0000 Mol%  (95-%-Intervall: "), qPrintable(c_s->text()));
        QCOMPARE(kind<QLabel>(&dlg, "lbl_D")->text(), QString("D = 2.2208E-10 cm²/s"));
    }

    // --oberflaeche konzentration without its value in a fit: c_s with its
    // interval, and the table's three columns only then.
    void anpassung_auf_der_kommandozeile()
    {
        QTemporaryDir d;
        cli::Lauf lauf = cli::Studie::startwerte().lauf(0);
        lauf.oberflaeche = {Oberflaechenart::konzentration, 20, 0, 0};
        Modell gemessen = cli::modell_fuer(lauf, C_Locale);
        lauf_rechnen(gemessen);
        QByteArray scan = "x;c\n";
        for (int i = 3; i <= 200; i += 7)
            scan += QByteArray::number(i * 0.25) + ";" +
                    QByteArray::number(gemessen.Konz[i] + (i % 2 ? 0.05 : -0.05), 'g', 17) + "\n";
        schreibe_datei(d.filePath("scan.csv"), scan);
        const Aufruf text = rufe({"--oberflaeche", "konzentration", "--messung", "scan.csv"}, d.path(), C_Locale);
        QCOMPARE(text.status, 0);
        const QList<QByteArray> zeilen = text.aus.split('\n');
        QVERIFY2(zeilen[1].startsWith("  c_s = 20.0"), text.aus.constData());
        const Aufruf tabelle =
            rufe({"--oberflaeche", "konzentration", "--messung", "scan.csv", "--tabelle"}, d.path(), C_Locale);
        const QList<QByteArray> kopf = tabelle.aus.split('\r').first().split(',');
        QCOMPARE(kopf.mid(kopf.size() - 3), (QList<QByteArray>{"c_s", "c_s_unten", "c_s_oben"}));
        const QList<QByteArray> felder = tabelle.aus.split('\n')[1].split(',');
        const double c_s = felder[14].toDouble(), unten = felder[15].toDouble(), oben = felder[16].toDouble();
        QVERIFY(unten < c_s && c_s < oben);
        QVERIFY(unten < 20 && 20 < oben);
        // With the value given, D alone and the table as before.
        const Aufruf fest =
            rufe({"--oberflaeche", "konzentration:20", "--messung", "scan.csv", "--tabelle"}, d.path(), C_Locale);
        QVERIFY(fest.aus.startsWith("art,datei,temperatur,Kelvin,punkte,D,D_unten,D_oben,RMS,befund,D0,D0_fehler,Q,"
                                    "Q_fehler\r\n"));
    }

    // The exported graph's caption names a start and a surface in a line of
    // their own, in the user's language; the default run has none.
    void bildunterschrift_mit_bedingungen()
    {
        cli::Lauf lauf = cli::Studie::startwerte().lauf(0);
        QCOMPARE(unterschriftzeilen(cli::modell_fuer(lauf, Deutsch), Deutsch).size(), 1);
        lauf.anfang = {Anfangsart::grundgehalt, 0.2, {}};
        lauf.oberflaeche = {Oberflaechenart::austausch, 0, 1e-5, 5};
        const QStringList zeilen = unterschriftzeilen(cli::modell_fuer(lauf, Deutsch), Deutsch);
        QCOMPARE(zeilen.size(), 2);
        QCOMPARE(zeilen[1], QString("Anfang Grundgehalt 0,2 Mol%, Oberfläche Austausch β 1E-05 cm/s mit c_atm 5 Mol%"));
    }

    // A programme with exchange at the surface cannot jump: the refusal of a
    // long run names the one way there is.
    void langer_lauf_ohne_sprung()
    {
        QTemporaryDir d;
        Modell m;
        startwerte_setzen(m);
        Programmeingabe e;
        e.zeilen = {{"5", "1050", "2"}, {"10", "20", ""}};
        QVERIFY(programm_setzen(m, e, C_Locale));
        QVERIFY(parameter_speichern(d.filePath("p.kalvion"), m, C_Locale));
        const QStringList lang{"--programm", "p.kalvion", "--q", "238.65", "--datei", "e.txt"};
        const Aufruf a = rufe(lang + QStringList{"--oberflaeche", "austausch:1e-5,5"}, d.path(), Deutsch);
        QCOMPARE(a.status, 2);
        QVERIFY2(a.fehler.contains("; mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt für Schritt "
                                   "gerechnet, ohne Sprung; --verfahren schrittweise rechnet es trotzdem"),
                 a.fehler.constData());
        // A fixed surface concentration keeps the equivalent time, and its jump.
        const Aufruf fest = rufe(lang + QStringList{"--oberflaeche", "konzentration:0"}, d.path(), Deutsch);
        QCOMPARE(fest.status, 2);
        QVERIFY2(fest.fehler.contains("--verfahren schnell rechnet nach Schritt 1000 in einem Sprung"), fest.fehler.constData());
        QVERIFY(!QFile::exists(d.filePath("e.txt")));
    }

    // Runs compared by their surface: each column named by it, the start they
    // share in the line before the column names.
    void vergleich_nach_oberflaeche()
    {
        QTemporaryDir d;
        const Aufruf a = rufe({"--oberflaeche", "geschlossen", "--oberflaeche", "konzentration:0", "--start",
                               "grundgehalt:0.5", "--kurven", "-"},
                              d.path(), C_Locale);
        QCOMPARE(a.status, 0);
        const QList<QByteArray> zeilen = a.aus.split('\n');
        QCOMPARE(zeilen[0], QByteArray("\xEF\xBB\xBF" "Anfang Grundgehalt 0.5 Mol%\r"));
        QCOMPARE(zeilen[1], QByteArray("Zelle,x [\xC2\xB5m],Oberfl\xC3\xA4" "che geschlossen [Mol%],Oberfl\xC3\xA4" "che 0 Mol% [Mol%]\r"));
    }

    // A results file prints its rows' depths to four decimals, so a start
    // may reach half a unit of the fourth beyond x_max, and not further.
    void startpunkte_am_wegende_data()
    {
        QTest::addColumn<double>("x_max");
        QTest::addColumn<double>("weiteste");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("bis x_max") << 50.0 << 50.0 << "";
        QTest::newRow("gerundet darüber") << 50.0 << 50.00005 << "";
        QTest::newRow("gerundet darunter") << 49.99995 << 50.0 << "";
        QTest::newRow("eine Einheit darüber")
            << 50.0 << 50.0001 << "Das Anfangsprofil reicht bis x = 50,0001 µm, über x_max = 50 µm hinaus.";
        QTest::newRow("vor der Oberfläche") << 50.0 << -1e-300 << "Das Anfangsprofil hat Punkte vor der Oberfläche (x < 0).";
    }
    void startpunkte_am_wegende()
    {
        QFETCH(double, x_max);
        QFETCH(double, weiteste);
        QFETCH(QString, meldung);
        const Startprofil profil{{{0.0, 1.0}, {weiteste, 0.0}}, "p.csv"};
        QCOMPARE(startpunkte_pruefen(profil, x_max, Deutsch), meldung);
    }

    // The command line refuses a bad start before anything runs: status 2,
    // a message naming the option, nothing written.
    void start_abgelehnt_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Grundgehalt über 100") << QStringList{"--start", "grundgehalt:101"}
                                              << "--start grundgehalt: 101 liegt außerhalb des erlaubten Bereichs 0 ≤ Wert ≤ 100";
        QTest::newRow("Grundgehalt unter 0") << QStringList{"--start", "base:0:-1:-0.5"}
                                             << "--start base: -1 liegt außerhalb des erlaubten Bereichs 0 ≤ Wert ≤ 100";
        QTest::newRow("Grundgehalt fehlt") << QStringList{"--start", "grundgehalt"}
                                           << "--start: \"grundgehalt\": der Grundgehalt fehlt, etwa grundgehalt:0.2";
        QTest::newRow("Stufe mit Wert") << QStringList{"--start", "stufe:2"} << "--start: \"stufe:2\": stufe nimmt keinen Wert";
        QTest::newRow("letztes Ergebnis") << QStringList{"--start", "ergebnis"}
                                          << "--start: \"ergebnis\" ist kein Anfang; erlaubt sind stufe|grundgehalt:C|datei:PFAD";
        QTest::newRow("Datei fehlt") << QStringList{"--start", "datei:fehlt.csv"}
                                     << "--start datei:fehlt.csv: Die Datei kann nicht gelesen werden:\nfehlt.csv";
        QTest::newRow("ein Punkt") << QStringList{"--start", "datei:eins.csv"}
                                   << "--start datei:eins.csv: Zu wenige Messpunkte: 1 (mindestens 2).";
        QTest::newRow("über 101 Mol%") << QStringList{"--start", "file:hoch.csv"}
                                       << "--start file:hoch.csv: Zeile 3: eine Konzentration unter -1 oder über 101 Mol%";
        QTest::newRow("hinter x_max") << QStringList{"--start", "datei:gut.csv", "--weg", "60,40"}
                                      << "--start datei:gut.csv: Das Anfangsprofil reicht bis x = 50 µm, über x_max = 40 µm hinaus.";
        QTest::newRow("Ordner") << QStringList{"--start", "datei:ordner"}
                                << "--start datei:ordner: Nicht gelesen: ordner ist ein Ordner, keine Datei.";
        QTest::newRow("Spalte ohne Datei") << QStringList{"--spalte", "2"}
                                           << "--spalte gilt nur mit --messung, --anpassen oder --start datei:PFAD";
        QTest::newRow("Randkonzentration über 100") << QStringList{"--oberflaeche", "konzentration:0,101"}
                                                    << "--oberflaeche konzentration: 101 liegt außerhalb des erlaubten "
                                                       "Bereichs 0 ≤ Wert ≤ 100";
        QTest::newRow("Randkonzentration ohne Wert") << QStringList{"--oberflaeche", "konzentration"}
                                                     << "--oberflaeche: \"konzentration\": die Randkonzentration fehlt";
        QTest::newRow("beta negativ") << QStringList{"--surface", "exchange:-1e-5,5"}
                                      << "--oberflaeche exchange BETA: -1e-5 liegt außerhalb des erlaubten Bereichs "
                                         "0 ≤ Wert ≤ 1000";
        QTest::newRow("beta über 1000") << QStringList{"--oberflaeche", "austausch:1:1001:500,5"}
                                        << "--oberflaeche austausch BETA: 1001 liegt außerhalb";
        QTest::newRow("beta NaN") << QStringList{"--oberflaeche", "austausch:nan,5"}
                                  << "--oberflaeche austausch BETA: \"nan\" ist keine Zahl";
        QTest::newRow("c_atm über 100") << QStringList{"--oberflaeche", "austausch:1e-5,150"}
                                        << "--oberflaeche austausch C: 150 liegt außerhalb";
        QTest::newRow("Austausch als Liste") << QStringList{"--oberflaeche", "austausch:1e-5,1e-4,5"}
                                             << "--oberflaeche: \"austausch:1e-5,1e-4,5\": austausch braucht BETA,C";
        QTest::newRow("Vergleich über zwei Optionen") << QStringList{"--zeit", "1,2", "--start", "grundgehalt:0.1,0.2", "--kurven", "k.csv"}
                                                      << "--kurven vergleicht Läufe, die sich in einer Option unterscheiden; hier "
                                                         "haben --zeit und --start mehrere Werte";
        QTest::newRow("unbekannte Oberfläche") << QStringList{"--oberflaeche", "offen"}
                                               << "--oberflaeche: \"offen\" ist keine Oberfläche; erlaubt sind "
                                                  "geschlossen|konzentration:C|austausch:BETA,C";
    }
    void start_abgelehnt()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        QTemporaryDir d;
        schreibe_startdateien(d);
        const Aufruf a = rufe(argumente + QStringList{"--datei", "e.txt"}, d.path(), Deutsch);
        QCOMPARE(a.status, 2);
        QVERIFY2(QString::fromUtf8(a.fehler).startsWith("kalvion-cli: " + meldung), a.fehler.constData());
        QVERIFY(a.aus.isEmpty());
        QVERIFY(!QFile::exists(d.filePath("e.txt")));
    }
};

QTEST_MAIN(tst_bedingungen)
#include "tst_bedingungen.moc"
