// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter dialog: activation, model options, the six field checks and
// "ok", typed into real widgets in the German and the C locale.
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSvgWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include "eingabesitzung.h"
#include "frm_Eingabe.h"
#include "meldungsrekorder.h"
#include "testhilfen.h"
#include "zahlen.h"

using namespace kalvion;

namespace {

// One opened dialog on a fresh model, ready for typing, with what it signals
// to the main window recorded. `m` stands for the main window's parameters:
// the dialog fills itself from them and hands its copy back on "ok".
struct Sitzung : Eingabesitzung {
    using Eingabesitzung::Eingabesitzung;
    void tippe(QLineEdit* feld, const QString& text, QWidget* weiter = nullptr) { verlasse_mit(feld, text, weiter); }
};

}  // namespace

class tst_eingabe : public QObject {
    Q_OBJECT
private slots:
    void erste_oeffnung_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("d_text");
        QTest::newRow("deutsch") << Deutsch << "2,2208E-10";
        QTest::newRow("C") << QLocale::c() << "2.2208E-10";
    }
    void erste_oeffnung()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, d_text);
        Sitzung s(locale);
        frm_Eingabe& d = *s.dlg;
        QCOMPARE(d.windowTitle(), QString("Kalvion - Eingabe"));
        QCOMPARE(kind<QLineEdit>(&d, "txt_Sintertemp")->text(), QString("1050"));
        QCOMPARE(kind<QLineEdit>(&d, "txt_Sinterzeit")->text(), QString("2"));
        QCOMPARE(kind<QLineEdit>(&d, "txt_x_max")->text(), QString("50"));
        QCOMPARE(kind<QLineEdit>(&d, "txt_D0")->text(), QString("587"));
        QCOMPARE(kind<QLineEdit>(&d, "txt_Q")->text(), QString("238650"));
        QCOMPARE(kind<QLineEdit>(&d, "txt_i_Diff")->text(), QString("20"));
        QVERIFY(kind<QRadioButton>(&d, "opt_linear")->isChecked());
        QVERIFY(kind<QSvgWidget>(&d, "Image_linear")->isVisible());
        QVERIFY(!kind<QSvgWidget>(&d, "Image_kugel")->isVisible());
        QCOMPARE(kind<QLabel>(&d, "lbl_D_ergebnis")->text(), d_text);
        QCOMPARE(kind<QLabel>(&d, "lbl_Schritte")->text(), QString("6140"));
        QCOMPARE(kind<QLabel>(&d, "lbl_molprozent")->text(), QString("10"));
        QCOMPARE(s.aktiviert->count(), 1);  // the main window waits for "ok"
        QCOMPARE(s.uebernommen->count(), 0);
        // The strip at the bottom holds the temperature programme, the column on the right the start.
        QCOMPARE(d.size(), QSize(608 + 232, 478 + 40));
        QVERIFY(!(d.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(d.windowFlags() & Qt::WindowMinMaxButtonsHint));
    }

    void modell_umschalten()
    {
        Sitzung s(Deutsch);
        klick_links(kind<QRadioButton>(s.dlg, "opt_kugel"));
        QVERIFY(s.p().Geometrie == Geometrie::sphaerisch);
        QVERIFY(s.m.Geometrie != Geometrie::sphaerisch);  // nothing reaches the main window before "ok"
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_molprozent")->text(), QString("27,04"));
        QVERIFY(kind<QSvgWidget>(s.dlg, "Image_kugel")->isVisible());
        QVERIFY(!kind<QSvgWidget>(s.dlg, "Image_linear")->isVisible());
        klick_links(kind<QRadioButton>(s.dlg, "opt_linear"));
        QVERIFY(s.p().Geometrie != Geometrie::sphaerisch);
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_molprozent")->text(), QString("10"));
        QVERIFY(kind<QSvgWidget>(s.dlg, "Image_linear")->isVisible());
    }

    void feldpruefung_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("danach");
        QTest::addColumn<bool>("meldung");
        QTest::addColumn<QString>("schritte");  // lbl_Schritte afterwards
        QTest::addColumn<QString>("mol");       // lbl_molprozent afterwards

        QTest::newRow("Temperatur 10000") << "txt_Sintertemp" << "10000" << "10000" << false << "" << "10";
        QTest::newRow("Temperatur 0") << "txt_Sintertemp" << "0" << "0" << false << "0" << "10";
        QTest::newRow("Temperatur -1") << "txt_Sintertemp" << "-1" << "900" << false << "6140" << "10";
        QTest::newRow("Temperatur 10000,5") << "txt_Sintertemp" << "10000,5" << "900" << false << "6140" << "10";
        QTest::newRow("Temperatur abc") << "txt_Sintertemp" << "abc" << "900" << true << "6140" << "10";
        QTest::newRow("Temperatur leer") << "txt_Sintertemp" << "" << "900" << true << "6140" << "10";
        QTest::newRow("Temperatur 1.5 deutsch") << "txt_Sintertemp" << "1.5" << "900" << true << "6140" << "10";
        QTest::newRow("Temperatur 1050,0") << "txt_Sintertemp" << "1050,0" << "1050,0" << false << "6140" << "10";
        QTest::newRow("Zeit 0") << "txt_Sinterzeit" << "0" << "2" << false << "6140" << "10";
        QTest::newRow("Zeit 10000") << "txt_Sinterzeit" << "10000" << "10000" << false << "30700008" << "10";
        QTest::newRow("Zeit 10001") << "txt_Sinterzeit" << "10001" << "2" << false << "6140" << "10";
        QTest::newRow("Weg 0") << "txt_x_max" << "0" << "50" << false << "6140" << "10";
        QTest::newRow("Weg 1000000") << "txt_x_max" << "1000000" << "1000000" << false << "0" << "10";
        QTest::newRow("Weg 1000001") << "txt_x_max" << "1000001" << "50" << false << "6140" << "10";
        QTest::newRow("i_Diff 0,99") << "txt_i_Diff" << "0,99" << "50" << false << "6140" << "10";
        QTest::newRow("i_Diff 199,6") << "txt_i_Diff" << "199,6" << "50" << false << "6140" << "10";
        QTest::newRow("i_Diff 1,4") << "txt_i_Diff" << "1,4" << "1" << false << "6140" << "0,5";
        QTest::newRow("i_Diff 199,4") << "txt_i_Diff" << "199,4" << "199" << false << "6140" << "99,5";
        QTest::newRow("i_Diff 150,5") << "txt_i_Diff" << "150,5" << "150" << false << "6140" << "75";
        QTest::newRow("i_Diff 151,5") << "txt_i_Diff" << "151,5" << "152" << false << "6140" << "76";
        QTest::newRow("i_Diff x") << "txt_i_Diff" << "x" << "50" << true << "6140" << "10";
        QTest::newRow("D0 0") << "txt_D0" << "0" << "587" << true << "6140" << "10";
        QTest::newRow("D0 1E300") << "txt_D0" << "1E300" << "1E300" << false << "" << "10";
        QTest::newRow("D0 zu viele Schritte") << "txt_D0" << "1E308" << "587" << true << "6140" << "10";
        QTest::newRow("i_Diff 199,5 zur geraden 200") << "txt_i_Diff" << "199,5" << "50" << false << "6140" << "10";
        QTest::newRow("D0 -1") << "txt_D0" << "-1" << "587" << false << "6140" << "10";
        QTest::newRow("Q 10^300") << "txt_Q" << "1E300" << "238650" << true << "6140" << "10";
        QTest::newRow("Q 0") << "txt_Q" << "0" << "0" << false << "" << "10";
    }
    void feldpruefung()
    {
        QFETCH(QString, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, danach);
        QFETCH(bool, meldung);
        QFETCH(QString, schritte);
        QFETCH(QString, mol);
        Sitzung s(Deutsch);
        Meldungsrekorder meldungen;
        QLineEdit* f = s.dlg->findChild<QLineEdit*>(feld);
        QVERIFY(f);
        s.tippe(f, eingabe);
        QCOMPARE(f->text(), danach);
        QCOMPARE(meldungen.texte, meldung ? QStringList{"Unerlaubte Eingabe !"} : QStringList{});
        if (!schritte.isEmpty())
            QCOMPARE(kind<QLabel>(s.dlg, "lbl_Schritte")->text(), schritte);
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_molprozent")->text(), mol);
    }

    void angenommen_wie_getippt()
    {
        Sitzung s(Deutsch);
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sintertemp"), "1051");
        QCOMPARE(s.p().Sintertemp_K, 1324.0);
        QCOMPARE(*s.p().Sintertemp.text, std::string("1051"));
        s.tippe(kind<QLineEdit>(s.dlg, "txt_i_Diff"), "150,5");
        QCOMPARE(s.p().i_Diff, std::int16_t(150));
        QCOMPARE(s.p().Molprozent, 75.0);  // the initial profile is rebuilt at once
        s.tippe(kind<QLineEdit>(s.dlg, "txt_x_max"), "2,5E1");
        QCOMPARE(s.p().dx, 25 * 1e-4 / 200);
    }

    void abgelehnt_laesst_modell_stehen()
    {
        Sitzung s(Deutsch);
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sintertemp"), "-1");
        QCOMPARE(s.p().Sintertemp.wert, 1050.0);
        QVERIFY(!s.p().Sintertemp.text);
        QCOMPARE(s.p().Sintertemp_K, 1323.0);
    }

    void d_null_und_die_folgen()
    {
        Sitzung s(Deutsch);
        Meldungsrekorder meldungen;
        // (Leaving by a click on the option, so that no other field is left.)
        QWidget* weg = kind<QRadioButton>(s.dlg, "opt_linear");
        s.tippe(kind<QLineEdit>(s.dlg, "txt_D0"), "0", weg);
        QCOMPARE(meldungen.texte, QStringList{"Unerlaubte Eingabe !"});
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_D_ergebnis")->text(), QString("0,0000E+00"));
        QCOMPARE(kind<QLineEdit>(s.dlg, "txt_D0")->text(), QString("587"));
        QCOMPARE(s.p().D0.wert, 0.0);
        QCOMPARE(s.p().D, 0.0);

        // While D is 0 the step count of x_max and time cannot be formed.
        s.tippe(kind<QLineEdit>(s.dlg, "txt_x_max"), "60", weg);
        QCOMPARE(kind<QLineEdit>(s.dlg, "txt_x_max")->text(), QString("50"));
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sinterzeit"), "3", weg);
        QCOMPARE(kind<QLineEdit>(s.dlg, "txt_Sinterzeit")->text(), QString("2"));
        QCOMPARE(meldungen.texte.size(), 3);
        QCOMPARE(s.p().x_max.wert, 60.0);  // stored before the failing refresh

        // An accepted D0 makes D positive again and ends it.
        s.tippe(kind<QLineEdit>(s.dlg, "txt_D0"), "587", weg);
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_D_ergebnis")->text(), QString("2,2208E-10"));
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sinterzeit"), "3", weg);
        QCOMPARE(kind<QLineEdit>(s.dlg, "txt_Sinterzeit")->text(), QString("3"));
        QCOMPARE(meldungen.texte.size(), 3);

        // "ok" after Q = 10^300 was refused stores the field's reset text.
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Q"), "1E300");
        QCOMPARE(s.p().D, 0.0);
        QTest::mouseClick(kind<QPushButton>(s.dlg, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(s.m.Q.wert, 238650.0);
        QVERIFY(s.m.D > 0);
    }

    void oeffnet_bei_d_null()
    {
        Sitzung s(Deutsch, [](Modell& m) {
            m.D0.setze_text(0, "0");
            m.D = 0;
        });
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_Schritte")->text(), QString::fromUtf8("– (D = 0)"));
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_D_ergebnis")->text(), QString("0,0000E+00"));
        s.tippe(kind<QLineEdit>(s.dlg, "txt_D0"), "587");
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_Schritte")->text(), QString("6140"));
    }

    void ausserhalb_dann_ok_speichert_ruecksetzwert()
    {
        Sitzung s(Deutsch);
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sinterzeit"), "5");
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_Schritte")->text(), QString("15350"));
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sinterzeit"), "0");
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_Schritte")->text(), QString("15350"));  // from the previous value
        QTest::mouseClick(kind<QPushButton>(s.dlg, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(s.m.Sinterzeit.wert, 2.0);
        QCOMPARE(s.m.Sinterzeit_s, 7200.0);
    }

    void ok_uebernimmt_und_schliesst()
    {
        Sitzung s(Deutsch);
        s.m.Berechnung_aktuell = true;
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sintertemp"), "1050,0");
        QPointer<frm_Eingabe> dlg = s.dlg.release();
        QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        QTRY_VERIFY(!dlg);  // discarded
        QCOMPARE(s.uebernommen->count(), 1);  // the main window comes back
        QVERIFY(!s.m.Berechnung_aktuell);
        QCOMPARE(*s.m.Sintertemp.text, std::string("1050,0"));
        QCOMPARE(s.m.D, 0.587 * std::exp(-238650 / (1323 * 8.31451)));
        QCOMPARE(s.m.Konz_Start[20], 100.0);

        // Opened again, the dialog shows what was accepted, exactly as typed.
        frm_Eingabe wieder([&s] { return s.m; }, Deutsch);
        wieder.show();
        QTRY_COMPARE(kind<QLineEdit>(&wieder, "txt_Sintertemp")->text(), QString("1050,0"));
        QCOMPARE(kind<QLineEdit>(&wieder, "txt_Sinterzeit")->text(), QString("2"));
    }

    // "ok" stores what the fields show, reset texts included, with every
    // value derived from them.
    void ok_nach_ruecksetzen_leitet_ab()
    {
        Sitzung s(Deutsch);
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sintertemp"), "-1");
        QCOMPARE(kind<QLineEdit>(s.dlg, "txt_Sintertemp")->text(), QString("900"));
        s.tippe(kind<QLineEdit>(s.dlg, "txt_x_max"), "0");
        s.tippe(kind<QLineEdit>(s.dlg, "txt_D0"), "600,5");
        QTest::mouseClick(kind<QPushButton>(s.dlg.release(), "cmd_ok"), Qt::LeftButton);
        QCOMPARE(s.m.Sintertemp.wert, 900.0);
        QCOMPARE(s.m.Sintertemp_K, 1173.0);
        QCOMPARE(s.m.x_max.wert, 50.0);
        QCOMPARE(s.m.dx, 50 * std::pow(10.0, -4) / 200);
        QCOMPARE(s.m.D, 0.6005 * std::exp(-238650 / (1173 * 8.31451)));
        QCOMPARE(*s.m.D0.text, std::string("600,5"));
    }

    // Enter presses the focused "ok", as on every desktop; in a field it
    // does nothing.
    void enter_auf_ok()
    {
        Sitzung s(Deutsch);
        auto* ok = kind<QPushButton>(s.dlg, "cmd_ok");
        QPointer<frm_Eingabe> dlg = s.dlg.release();
        kind<QLineEdit>(dlg, "txt_i_Diff")->setFocus();
        QTest::keyClick(kind<QLineEdit>(dlg, "txt_i_Diff"), Qt::Key_Tab);
        QVERIFY(ok->hasFocus());
        QTest::keyClick(ok, Qt::Key_Return);
        QCOMPARE(s.uebernommen->count(), 1);
        QTRY_VERIFY(!dlg);
    }

    // A derived value is shown whole, however long: a step count in exponent
    // form must not read as a small number.
    void lange_schrittzahl_ganz_lesbar()
    {
        Sitzung s(Deutsch);
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Sinterzeit"), "10000");
        s.tippe(kind<QLineEdit>(s.dlg, "txt_x_max"), "0,001");
        auto* schritte = kind<QLabel>(s.dlg, "lbl_Schritte");
        QCOMPARE(schritte->text(), zahlen::ganzzahl(s.p().Schritte, Deutsch));
        QVERIFY(schritte->text().endsWith("E+16"));
        QVERIFY(schritte->fontMetrics().horizontalAdvance(schritte->text()) <= schritte->width());
        QCOMPARE(schritte->toolTip(), schritte->text());
        // Every derived label fits its text.
        for (const char* name : {"lbl_D_ergebnis", "lbl_molprozent"}) {
            auto* l = kind<QLabel>(s.dlg, name);
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), name);
        }
    }

    void ok_mit_unveraenderten_feldern()
    {
        Sitzung s(QLocale::c());
        const Modell vorher = s.m;
        QTest::mouseClick(kind<QPushButton>(s.dlg.release(), "cmd_ok"), Qt::LeftButton);
        QCOMPARE(s.m.D, vorher.D);
        QCOMPARE(s.m.dx, vorher.dx);
        QCOMPARE(s.m.Sintertemp_K, vorher.Sintertemp_K);
        QCOMPARE(s.m.Sinterzeit_s, vorher.Sinterzeit_s);
    }

    // A press of "ok" before the dialog has filled itself hands over the
    // parameters it would have shown, never an empty record.
    void ok_vor_dem_fuellen()
    {
        Modell haupt;
        startwerte_setzen(haupt);
        Modell uebergeben;
        frm_Eingabe dlg([&haupt] { return haupt; }, Deutsch);
        connect(&dlg, &frm_Eingabe::uebernommen, [&uebergeben](const Modell& p) { uebergeben = p; });
        dlg.show();
        QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_ok"), Qt::LeftButton);  // before any event loop
        QCOMPARE(uebergeben.Zellen, std::int16_t(200));
        QCOMPARE(uebergeben.x_max.wert, 50.0);
        QCOMPARE(uebergeben.dx, haupt.dx);
        QCOMPARE(uebergeben.Konz_Start[20], 100.0);
        QCOMPARE(kind<QLineEdit>(&dlg, "txt_Sintertemp")->text(), QString("1050"));
    }

    void escape_und_enter_tun_nichts()
    {
        Sitzung s(Deutsch);
        kind<QLineEdit>(s.dlg, "txt_Q")->setFocus();
        QTest::keyClick(kind<QLineEdit>(s.dlg, "txt_Q"), Qt::Key_Escape);
        QTest::keyClick(kind<QLineEdit>(s.dlg, "txt_Q"), Qt::Key_Return);
        QTest::keyClick(kind<QLineEdit>(s.dlg, "txt_Q"), Qt::Key_Enter);
        QVERIFY(s.dlg->isVisible());
        QCOMPARE(s.uebernommen->count(), 0);
        s.dlg->close();
        QVERIFY(s.dlg->isVisible());  // no close button, and no closing by other means
    }

    void anderes_programm_ist_kein_verlassen()
    {
        Sitzung s(Deutsch);
        Meldungsrekorder meldungen;
        kind<QLineEdit>(s.dlg, "txt_Sintertemp")->setFocus();
        kind<QLineEdit>(s.dlg, "txt_Sintertemp")->setText("abc");
        QFocusEvent weg(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(kind<QLineEdit>(s.dlg, "txt_Sintertemp"), &weg);
        QVERIFY(meldungen.texte.isEmpty());
        QCOMPARE(kind<QLineEdit>(s.dlg, "txt_Sintertemp")->text(), QString("abc"));
        // The check runs when the focus later moves within the dialog.
        QTest::keyClick(kind<QLineEdit>(s.dlg, "txt_Sintertemp"), Qt::Key_Tab);
        QCOMPARE(meldungen.texte, QStringList{"Unerlaubte Eingabe !"});
    }

    // The dialog fills itself once per opening: hidden and shown again (the
    // main window minimised and restored) it keeps what was typed.
    void fuellt_sich_einmal_je_oeffnung()
    {
        Sitzung s(Deutsch);
        auto* zeit = kind<QLineEdit>(s.dlg, "txt_Sinterzeit");
        zeit->setFocus();
        zeit->selectAll();
        QTest::keyClicks(zeit, "7,5");
        s.dlg->hide();
        s.dlg->show();
        QApplication::setActiveWindow(s.dlg.get());
        QTRY_VERIFY(s.dlg->isActiveWindow());
        QCoreApplication::processEvents();
        QCOMPARE(s.aktiviert->count(), 1);
        QCOMPARE(zeit->text(), QString("7,5"));
    }

        void meldung_nur_einmal()
    {
        // A real modal box takes the focus from the dialog while it is up.
        Sitzung s(Deutsch);
        int boxen = 0;
        Meldungsrekorder meldungen;
        meldungen.waehrenddessen = [&](const QString& text) {
            ++boxen;
            QMessageBox box(QMessageBox::NoIcon, "Kalvion", text, QMessageBox::Ok, s.dlg.get());
            QTimer::singleShot(50, &box, [&box] { QTest::keyClick(&box, Qt::Key_Return); });
            box.exec();
        };
        s.tippe(kind<QLineEdit>(s.dlg, "txt_Q"), "nichts");
        QCOMPARE(boxen, 1);
        QApplication::setActiveWindow(s.dlg.get());
        QTRY_VERIFY(s.dlg->isActiveWindow());
        QCOMPARE(kind<QLineEdit>(s.dlg, "txt_Q")->text(), QString("238650"));
        // Clicking "ok" right from a bad field: one message, and "ok" stays up.
        kind<QLineEdit>(s.dlg, "txt_Q")->setFocus();
        kind<QLineEdit>(s.dlg, "txt_Q")->setText("nichts");
        QTest::mousePress(kind<QPushButton>(s.dlg, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(boxen, 2);
        QTRY_VERIFY(!kind<QPushButton>(s.dlg, "cmd_ok")->isDown());
        QVERIFY(s.dlg->isVisible());
    }
};

QTEST_MAIN(tst_eingabe)
#include "tst_eingabe.moc"
