// SPDX-License-Identifier: GPL-3.0-or-later
// The road of a typical use through the real windows: start, a new
// temperature, "ok", a run, the plot and its read-out, the clipboard and a
// save, checked against an independent computation of the profile; two
// sessions saving to one file; a long run computed the fast way and saved;
// a save attempted during a run.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>

#include "frm_Eingabe.h"
#include "ergebnisdatei.h"
#include "frm_speichern.h"
#include "meldungsrekorder.h"
#include "programm.h"
#include "referenz.h"
#include "eingabesitzung.h"
#include "testhilfen.h"

using namespace kalvion;

namespace {

QString zahl(double v, int stellen, const QLocale& l)
{
    return QString::number(v, 'f', stellen).replace('.', l.decimalPoint());
}

// "Datei → Speichern als ASCII": a folder picked, a name typed, "&ok".
void speichere_ueber_menue(frm_grafik& w, const QString& ordner, const QString& name)
{
    kind<QAction>(&w, "mnu_speichern")->trigger();
    auto* speichern = qobject_cast<frm_speichern*>(w.speichern());
    QVERIFY(speichern);
    speichern->setze_ordner(ordner);
    QTest::keyClicks(kind<QLineEdit>(speichern, "txt_dateiname"), name);
    QTest::mouseClick(kind<QPushButton>(speichern, "cmd_ok"), Qt::LeftButton);
    QTRY_VERIFY(!w.speichern());
}

// From the start to a finished run with the start-up values: the dialog's
// "ok", then "Berechnung Starten".
bool mit_startwerten_gerechnet(frm_grafik& w)
{
    frm_Eingabe* dlg = bis_zur_eingabe(w);
    if (!dlg)
        return false;
    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return !w.eingabe(); }))
        return false;
    QTest::mouseClick(kind<QPushButton>(&w, "cmd_run"), Qt::LeftButton);
    return lauf_abwarten(w);
}

}  // namespace

class tst_ablauf : public QObject {
    Q_OBJECT
private slots:
    void typischer_gebrauch_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<int>("i_diff");
        QTest::newRow("linear, deutsch") << Deutsch << false << 20;
        QTest::newRow("linear, C") << QLocale::c() << false << 20;
        QTest::newRow("sphärisch, deutsch") << Deutsch << true << 20;
        QTest::newRow("linear, i_Diff 1") << QLocale::c() << false << 1;
        QTest::newRow("sphärisch, i_Diff 199") << Deutsch << true << 199;
    }
    void typischer_gebrauch()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, kugel);
        QFETCH(int, i_diff);
        Meldungsrekorder meldungen;
        QTemporaryDir ordner;
        Modell m;

        // 1. Start: the parameter dialog with the start-up values; the main window waits.
        auto w = programm_starten(m, locale);
        frm_Eingabe* dlg = bis_zur_eingabe(*w);
        QVERIFY(dlg);
        QCOMPARE(kind<QLabel>(dlg, "lbl_Schritte")->text(), QString("6140"));
        QCOMPARE(kind<QLabel>(dlg, "lbl_D_ergebnis")->text(), QString("2.2208E-10").replace('.', locale.decimalPoint()));
        QVERIFY(!w->isEnabled());

        // 2. A new temperature, the field left: D and the step count follow.
        verlasse_mit(kind<QLineEdit>(dlg, "txt_Sintertemp"), "1100");
        const double d = 0.587 * std::exp(-238650 / (1373 * 8.31451));
        QCOMPARE(kind<QLabel>(dlg, "lbl_D_ergebnis")->text(),
                 QString::asprintf("%.4E", d).replace('.', locale.decimalPoint()));
        if (kugel)
            klick_links(kind<QRadioButton>(dlg, "opt_kugel"));
        if (i_diff != 20)
            verlasse_mit(kind<QLineEdit>(dlg, "txt_i_Diff"), QString::number(i_diff));

        // 3. "ok": the main window is back with its run button.
        QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!w->eingabe());
        QVERIFY(w->isEnabled());
        QVERIFY(kind<QPushButton>(w, "cmd_run")->isVisible());
        QVERIFY(!m.Berechnung_aktuell);

        // 4. The run, its progress and its message.
        const Referenz r = referenzlauf(kugel, i_diff, 1100, 2, 50, 587, 238650);
        QString letzter_fortschritt;
        meldungen.waehrenddessen = [&](const QString&) { letzter_fortschritt = kind<QLabel>(w, "lbl_fortschritt")->text(); };
        QTest::mouseClick(kind<QPushButton>(w, "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(*w));
        QCOMPARE(meldungen.texte, QStringList{QString::number(r.negative) + " Fehler"});
        QCOMPARE(letzter_fortschritt, QString("100  %"));
        QCOMPARE(m.Schritte, r.schritte);
        QVERIFY(!kind<QPushButton>(w, "cmd_run")->isVisible());

        // 5. The plot, the read-out and the clipboard.
        QVERIFY(zaehle(w->bild(), qRgb(255, 0, 0)) > 300);
        QWidget* flaeche = w->centralWidget();
        QMouseEvent bewegung(QEvent::MouseMove, QPointF(0, 0), flaeche->mapToGlobal(QPointF(0, 0)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(flaeche, &bewegung);
        QCOMPARE(kind<QLabel>(w, "lbl_cursor_position")->text(),
                 QString("x = -20.0     y = 110.0").replace('.', locale.decimalPoint()));
        kind<QAction>(w, "mnu_kopieren")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), flaeche->size());
        QCOMPARE(meldungen.texte.last(), QString("Grafik in Zwischenablage"));

        // 6. Save: a folder picked, a name typed, "&ok".
        speichere_ueber_menue(*w, ordner.path(), "ergebnis.txt");

        QFile datei(ordner.path() + "/ergebnis.txt");
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = datei.readAll().split('\n');
        QCOMPARE(zeilen.size(), 218);  // 217 lines, each ending in CR LF
        QCOMPARE(zeilen[0], (ordner.path() + "/ergebnis.txt\r").toLatin1());
        QCOMPARE(zeilen[8], QByteArray("1100 Sintertemperatur [\xB0" "C]\r"));
        QCOMPARE(zeilen[9], QByteArray(" 1373  Sintertemperatur [Kelvin]\r"));
        QCOMPARE(zeilen[11], QByteArray(" ") + QByteArray::number(i_diff) + "  Zahl der Zellen von links, "
                                                 "welche bei Start zu 100% diffundierenden Stoff enthalten\r");
        for (int i = 1; i <= 200; ++i) {
            const QString erwartet = zahl(i * 50.0 / 200, 4, locale) + " " + zahl(r.konz[i], 4, locale) + " \r";
            QCOMPARE(QString::fromLatin1(zeilen[16 + i]), erwartet);
        }

        // 7. The parameters accepted again bring back the run button.
        kind<QAction>(w, "mnu_Eingabe")->trigger();
        QTRY_VERIFY(w->eingabe());
        auto* wieder = qobject_cast<frm_Eingabe*>(w->eingabe());
        QTRY_COMPARE(kind<QLineEdit>(wieder, "txt_Sintertemp")->text(), QString("1100"));
        QCOMPARE(kind<QRadioButton>(wieder, "opt_kugel")->isChecked(), kugel);
        QVERIFY(!w->isEnabled());
        QTest::mouseClick(kind<QPushButton>(wieder, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!w->eingabe());
        QVERIFY(w->isEnabled());
        QVERIFY(kind<QPushButton>(w, "cmd_run")->isVisible());
        QVERIFY(kind<QPushButton>(w, "cmd_run")->isEnabled());
        QVERIFY(!m.Berechnung_aktuell);
    }

    // A German user types a fraction into every field, with the C library in
    // German as on such a desktop: every value is computed and saved as typed.
    void deutsche_brueche_data()
    {
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<QString>("i_diff_getippt");
        QTest::addColumn<int>("i_diff");
        QTest::newRow("linear, i_Diff 150,5 zur geraden 150") << false << "150,5" << 150;
        QTest::newRow("sphärisch, i_Diff 151,5 zur geraden 152") << true << "151,5" << 152;
        QTest::newRow("sphärisch, i_Diff 150,5") << true << "150,5" << 150;
    }
    void deutsche_brueche()
    {
        QFETCH(bool, kugel);
        QFETCH(QString, i_diff_getippt);
        QFETCH(int, i_diff);
        const QByteArray c_vorher = std::setlocale(LC_ALL, nullptr);
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "de_DE.UTF-8 is not generated here");
        struct Zurueck {
            QByteArray l;
            ~Zurueck() { std::setlocale(LC_ALL, l.constData()); }
        } zurueck{c_vorher};
        Meldungsrekorder meldungen;
        QTemporaryDir ordner;
        Modell m;

        auto w = programm_starten(m, Deutsch);
        frm_Eingabe* dlg = bis_zur_eingabe(*w);
        QVERIFY(dlg);
        if (kugel)
            klick_links(kind<QRadioButton>(dlg, "opt_kugel"));
        verlasse_mit(kind<QLineEdit>(dlg, "txt_Sintertemp"), "1050,5");
        verlasse_mit(kind<QLineEdit>(dlg, "txt_Sinterzeit"), "1,5");
        verlasse_mit(kind<QLineEdit>(dlg, "txt_x_max"), "37,5");
        verlasse_mit(kind<QLineEdit>(dlg, "txt_D0"), "587,25");
        verlasse_mit(kind<QLineEdit>(dlg, "txt_Q"), "238650,5");
        verlasse_mit(kind<QLineEdit>(dlg, "txt_i_Diff"), i_diff_getippt);
        QCOMPARE(kind<QLineEdit>(dlg, "txt_i_Diff")->text(), QString::number(i_diff));
        QVERIFY(meldungen.texte.isEmpty());

        const Referenz r = referenzlauf(kugel, i_diff, 1050.5, 1.5, 37.5, 587.25, 238650.5);
        QCOMPARE(kind<QLabel>(dlg, "lbl_Schritte")->text(), QString::number(r.schritte, 'f', 0));
        QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!w->eingabe());
        QTest::mouseClick(kind<QPushButton>(w, "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(*w));
        QCOMPARE(m.Schritte, r.schritte);
        QCOMPARE(meldungen.texte, QStringList{QString::number(r.negative) + " Fehler"});
        speichere_ueber_menue(*w, ordner.path(), "brueche.txt");

        QFile datei(ordner.path() + "/brueche.txt");
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = datei.readAll().split('\n');
        QCOMPARE(zeilen.size(), 218);
        QCOMPARE(zeilen[3], QByteArray("37,5 Gesamtdiffusionsweg [\xB5m]\r"));
        QCOMPARE(zeilen[5], QByteArray("1,5 Sinterdauer [h]\r"));
        QCOMPARE(zeilen[6], QByteArray("587,25 Diffusionskoeffizient D0 [ 1000*cm^2/s ]\r"));
        QCOMPARE(zeilen[7], QByteArray("238650,5 Aktivierungsenergie [J/mol]\r"));
        QCOMPARE(zeilen[8], QByteArray("1050,5 Sintertemperatur [\xB0" "C]\r"));
        QCOMPARE(zeilen[9], QByteArray(" 1323,5  Sintertemperatur [Kelvin]\r"));
        const double d = 0.58725 * std::exp(-238650.5 / (1323.5 * 8.31451));
        QCOMPARE(zeilen[10], QString::asprintf(" %.15G Diffusionskoeffizient D [cm^2/s]\r", d).replace('.', ',').toLatin1());
        QCOMPARE(zeilen[11].left(5), QByteArray(" ") + QByteArray::number(i_diff) + " ");
        for (int i = 1; i <= 200; ++i) {
            const QString erwartet = zahl(i * 37.5 / 200, 4, Deutsch) + " " + zahl(r.konz[i], 4, Deutsch) + " \r";
            QCOMPARE(QString::fromLatin1(zeilen[16 + i]), erwartet);
        }
    }

    // Typed but not yet left, a field keeps its text when the user switches to
    // another program, or clicks the disabled main window, and comes back.
    void wechsel_behaelt_getipptes()
    {
        Meldungsrekorder meldungen;
        QTemporaryDir ordner;
        Modell m;
        auto w = programm_starten(m, Deutsch);
        frm_Eingabe* dlg = bis_zur_eingabe(*w);
        QVERIFY(dlg);
        // As a window manager does: the main window comes up, then the dialog.
        QApplication::setActiveWindow(w.get());
        QApplication::setActiveWindow(dlg);
        QTRY_VERIFY(dlg->isActiveWindow());

        auto* zeit = kind<QLineEdit>(dlg, "txt_Sinterzeit");
        zeit->setFocus(Qt::MouseFocusReason);
        zeit->selectAll();
        QTest::keyClicks(zeit, "7,5");
        QApplication::setActiveWindow(nullptr);  // another program
        QTRY_VERIFY(!dlg->isActiveWindow());
        QApplication::setActiveWindow(dlg);
        QTRY_VERIFY(dlg->isActiveWindow());
        QCOMPARE(zeit->text(), QString("7,5"));
        QApplication::setActiveWindow(w.get());  // a click on the disabled main window
        QApplication::setActiveWindow(dlg);
        QTRY_VERIFY(dlg->isActiveWindow());
        QCOMPARE(zeit->text(), QString("7,5"));

        zeit->setFocus();
        QTest::keyClick(zeit, Qt::Key_Tab);
        QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!w->eingabe());
        QTest::mouseClick(kind<QPushButton>(w, "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(*w));
        QCOMPARE(m.Schritte, referenzlauf(false, 20, 1050, 7.5, 50, 587, 238650).schritte);
        speichere_ueber_menue(*w, ordner.path(), "wechsel.txt");
        QFile datei(ordner.path() + "/wechsel.txt");
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll().split('\n')[5], QByteArray("7,5 Sinterdauer [h]\r"));
    }

    // x_max 1 µm for 10000 h: 7.7·10^10 steps, about half a day of stepping.
    // The program asks, "Schnell rechnen" answers at once, and the saved
    // block holds the flat end state in every row.
    void langer_lauf_schnell_gerechnet()
    {
        Meldungsrekorder meldungen;
        QTemporaryDir ordner;
        Modell m;
        auto w = programm_starten(m, Deutsch);
        frm_Eingabe* dlg = bis_zur_eingabe(*w);
        QVERIFY(dlg);
        verlasse_mit(kind<QLineEdit>(dlg, "txt_x_max"), "1");
        verlasse_mit(kind<QLineEdit>(dlg, "txt_Sinterzeit"), "10000");
        QCOMPARE(kind<QLabel>(dlg, "lbl_Schritte")->text(), QString("76750020189"));
        QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!w->eingabe());

        meldungen.antworten << "Schnell rechnen";
        QTest::mouseClick(kind<QPushButton>(w, "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(*w));
        QCOMPARE(meldungen.fragen.size(), 1);
        QVERIFY2(meldungen.fragen[0].startsWith("Die Berechnung dauert voraussichtlich etwa "), qPrintable(meldungen.fragen[0]));
        QCOMPARE(meldungen.angeboten[0].first(), QString("Schnell rechnen"));
        QCOMPARE(meldungen.texte,
                 QStringList{"0 Fehler (in den ersten 1000 Schritten; danach in einem Sprung gerechnet)"});
        QCOMPARE(m.Schritte, 76750020189.0);
        QVERIFY(m.Berechnung_aktuell);

        speichere_ueber_menue(*w, ordner.path(), "lang.txt");
        QFile datei(ordner.path() + "/lang.txt");
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = datei.readAll().split('\n');
        QCOMPARE(zeilen.size(), 218);  // 217 lines, each ending in CR LF
        QCOMPARE(zeilen[5], QByteArray("10000 Sinterdauer [h]\r"));
        // 20 of 200 equal cells full at the start: 10 mol% everywhere in the end.
        for (int i = 1; i <= 200; ++i)
            QCOMPARE(QString::fromLatin1(zeilen[16 + i]), zahl(i / 200.0, 4, Deutsch) + " 10,0000 \r");
    }

    // "&ok" of the save dialog during a run says so and writes nothing; the
    // dialog stays, and after the run has been cancelled there is no result.
    void speichern_waehrend_eines_laufs()
    {
        Meldungsrekorder meldungen;
        QTemporaryDir ordner;
        Modell m;
        auto w = programm_starten(m, QLocale::c());
        w->setze_zellschrittkosten(1e-15);  // no question: the run starts at once
        frm_Eingabe* dlg = bis_zur_eingabe(*w);
        QVERIFY(dlg);
        verlasse_mit(kind<QLineEdit>(dlg, "txt_Sinterzeit"), "10000");  // 30 million steps
        QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!w->eingabe());

        QPointer<frm_speichern> speichern;
        QTimer::singleShot(0, w.get(), [&] {
            kind<QAction>(w, "mnu_speichern")->trigger();
            speichern = qobject_cast<frm_speichern*>(w->speichern());
            speichern->setze_ordner(ordner.path());
            QTest::keyClicks(kind<QLineEdit>(speichern, "txt_dateiname"), "waehrend.txt");
            QTest::mouseClick(kind<QPushButton>(speichern, "cmd_ok"), Qt::LeftButton);
            kind<QAction>(w, "mnu_abbrechen")->trigger();
        });
        QTest::mouseClick(kind<QPushButton>(w, "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(*w));
        QCOMPARE(meldungen.texte, QStringList{QString::fromUtf8("Die Berechnung läuft noch.")});
        QVERIFY(!QFile::exists(ordner.path() + "/waehrend.txt"));
        QVERIFY(speichern && speichern->isVisible());
        QVERIFY(!m.Berechnung_aktuell);

        QTest::mouseClick(kind<QPushButton>(speichern, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(meldungen.texte.last(), QString::fromUtf8("Noch keine aktuelle Berechnung durchgeführt!"));
        QVERIFY(!QFile::exists(ordner.path() + "/waehrend.txt"));
    }

    // The save window stays open while the parameter dialog is used: whatever
    // the dialog does before its "ok" (filling itself, another model, a new
    // field value) leaves the result that "&ok" saves as it was; after its
    // "ok" there is no current result to save.
    void offenes_speicherfenster_schreibt_das_ergebnis_data()
    {
        QTest::addColumn<bool>("feld_geaendert");
        QTest::addColumn<bool>("eingabe_ok");
        QTest::newRow("Eingabe offen, Modell umgeschaltet") << false << false;
        QTest::newRow("Eingabe offen, Modell und Temperatur geändert") << true << false;
        QTest::newRow("Eingabe mit ok, Modell umgeschaltet") << false << true;
    }
    void offenes_speicherfenster_schreibt_das_ergebnis()
    {
        QFETCH(bool, feld_geaendert);
        QFETCH(bool, eingabe_ok);
        Meldungsrekorder meldungen;
        QTemporaryDir ordner;
        Modell m;
        auto w = programm_starten(m, Deutsch);
        QVERIFY(mit_startwerten_gerechnet(*w));
        const Modell ergebnis = m;  // the window's copy of the finished run

        kind<QAction>(w, "mnu_speichern")->trigger();
        QPointer<frm_speichern> speichern = qobject_cast<frm_speichern*>(w->speichern());
        QVERIFY(speichern);
        speichern->setze_ordner(ordner.path());
        QTest::keyClicks(kind<QLineEdit>(speichern, "txt_dateiname"), "ergebnis.txt");

        kind<QAction>(w, "mnu_Eingabe")->trigger();
        QTRY_VERIFY(w->eingabe());
        auto* eingabe = qobject_cast<frm_Eingabe*>(w->eingabe());
        QTRY_VERIFY(!w->isEnabled());  // filled: the main window waits for "ok"
        klick_links(kind<QRadioButton>(eingabe, "opt_kugel"));
        if (feld_geaendert)
            verlasse_mit(kind<QLineEdit>(eingabe, "txt_Sintertemp"), "1100");
        if (eingabe_ok) {
            QTest::mouseClick(kind<QPushButton>(eingabe, "cmd_ok"), Qt::LeftButton);
            QTRY_VERIFY(!w->eingabe());
        }

        QTest::mouseClick(kind<QPushButton>(speichern, "cmd_ok"), Qt::LeftButton);
        const QString pfad = ordner.path() + "/ergebnis.txt";
        if (eingabe_ok) {
            QCOMPARE(meldungen.texte.last(), QString::fromUtf8("Noch keine aktuelle Berechnung durchgeführt!"));
            QVERIFY(!QFile::exists(pfad));
            return;
        }
        QTRY_VERIFY(!speichern);
        QCOMPARE(meldungen.texte, QStringList{"0 Fehler"});
        const QByteArray inhalt = lies_datei(pfad);
        QVERIFY(inhalt.split('\n')[17].startsWith("0,2500 22,0204"));
        QCOMPARE(inhalt, *ergebnisblock(ergebnis, QDir::toNativeSeparators(pfad), QDate::currentDate(), Deutsch));
        QVERIFY(ergebnis.Geometrie == Geometrie::linear);
        QCOMPARE(ergebnis.Konz, standardlauf().Konz);
    }

    // Two sessions of the program saving to one file keep both blocks whole.
    void zwei_sitzungen_eine_datei()
    {
        QTemporaryDir ordner;
        Meldungsrekorder meldungen;
        for (int sitzung = 0; sitzung < 2; ++sitzung) {
            Modell m;
            auto w = programm_starten(m, C_Locale);
            QVERIFY(mit_startwerten_gerechnet(*w));
            speichere_ueber_menue(*w, ordner.path(), "gemeinsam.txt");
        }
        QFile datei(ordner.path() + "/gemeinsam.txt");
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray inhalt = datei.readAll();
        QCOMPARE(inhalt.count("\r\n"), 2 * 217);
        const qsizetype mitte = inhalt.size() / 2;
        QCOMPARE(inhalt.left(mitte), inhalt.mid(mitte));
        QVERIFY(inhalt.mid(mitte).startsWith((ordner.path() + "/gemeinsam.txt\r\n").toLatin1()));
    }
};

QTEST_MAIN(tst_ablauf)
#include "tst_ablauf.moc"
