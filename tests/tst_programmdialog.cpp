// SPDX-License-Identifier: GPL-3.0-or-later
// Temperature programmes as the user types them: the checks of every cell, the
// programme's line and its equivalent, the dialog with its table and drawing,
// the parameter dialog with a programme in force and without, and what a run
// of a programme writes: the block of its equivalent run, the programme's line
// in the curve table.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <memory>

#include "ergebnisdatei.h"
#include "eingabesitzung.h"
#include "frm_Eingabe.h"
#include "frm_Programm.h"
#include "kurvendatei.h"
#include "meldungsrekorder.h"
#include "parameterdatei.h"
#include "programmeingabe.h"
#include "programmtabelle.h"
#include "testhilfen.h"
#include "zahlen.h"

using namespace kalvion;

Q_DECLARE_METATYPE(kalvion::Programmeingabe)
Q_DECLARE_METATYPE(kalvion::Programmfehler)

namespace {

Programmeingabe zyklus(const QLocale& locale)
{
    Programmeingabe e;
    e.start = QStringLiteral("20");
    const QString halten = locale.decimalPoint() == QStringLiteral(",") ? QStringLiteral("1,5") : QStringLiteral("1.5");
    e.zeilen = {{QStringLiteral("5"), QStringLiteral("1050"), halten}, {QStringLiteral("10"), QStringLiteral("20"), QString()}};
    return e;
}

// The parameter dialog, with the programme dialog behind its button.
struct Sitzung : Eingabesitzung {
    using Eingabesitzung::Eingabesitzung;
    // Opens the programme dialog with its button.
    frm_Programm* programmdialog()
    {
        QTest::mouseClick(kind<QPushButton>(dlg, "cmd_programm"), Qt::LeftButton);
        auto* p = dlg->findChild<frm_Programm*>();
        if (p && !QTest::qWaitFor([p] { return p->isVisible(); }))
            return nullptr;
        return p;
    }
};

void setze_tabelle(frm_Programm* p, const Programmeingabe& e)
{
    auto* start = kind<QLineEdit>(p, "txt_start");
    start->setText(e.start);
    auto* tabelle = kind<QTableView>(p, "tbl_segmente")->model();
    while (tabelle->rowCount() > 0)
        QTest::mouseClick(kind<QPushButton>(p, "cmd_entfernen"), Qt::LeftButton);
    for (int i = 0; i < e.zeilen.size(); ++i) {
        QTest::mouseClick(kind<QPushButton>(p, "cmd_hinzufuegen"), Qt::LeftButton);
        const int zeile = tabelle->rowCount() - 1;
        tabelle->setData(tabelle->index(zeile, 0), e.zeilen[i].rate);
        tabelle->setData(tabelle->index(zeile, 1), e.zeilen[i].ziel);
        tabelle->setData(tabelle->index(zeile, 2), e.zeilen[i].halten);
    }
}

}  // namespace

class tst_programmdialog : public QObject {
    Q_OBJECT
private slots:
    void pruefung_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("halten");
        QTest::addColumn<QString>("fehler");  // empty: accepted
        QTest::newRow("gültig") << "20" << "5" << "1050" << "2" << "";
        QTest::newRow("sofort") << "20" << "sofort" << "1050" << "2" << "";
        QTest::newRow("immediate, das englische Wort") << "20" << "immediate" << "1050" << "2" << "";
        QTest::newRow("Immediate") << "20" << " Immediate" << "1050" << "2" << "";
        QTest::newRow("Ziel 0 und 10000 erlaubt") << "0" << "1" << "10000" << "" << "";
        QTest::newRow("Start über 10000") << "10001" << "5" << "1050" << "2" << "Starttemperatur: 0 bis 10000 °C erlaubt.";
        QTest::newRow("Start keine Zahl") << "zwanzig" << "5" << "1050" << "2" << "Starttemperatur: 0 bis 10000 °C erlaubt.";
        QTest::newRow("Rate 0") << "20" << "0" << "1050" << "2" << "Zeile 1, Rate: größer als 0 K/min oder „sofort“.";
        QTest::newRow("Rate negativ") << "20" << "-5" << "1050" << "2" << "Zeile 1, Rate: größer als 0 K/min oder „sofort“.";
        QTest::newRow("Ziel negativ") << "20" << "5" << "-1" << "2" << "Zeile 1, Ziel: 0 bis 10000 °C erlaubt.";
        QTest::newRow("Halten negativ") << "20" << "5" << "1050" << "-1" << "Zeile 1, Halten: 0 bis 10000 h erlaubt.";
        QTest::newRow("Gesamtdauer 0") << "20" << "sofort" << "1050" << "0" << "Die Gesamtdauer muss größer als 0 und höchstens 10000 h sein.";
        QTest::newRow("Gesamtdauer über 10000") << "20" << "sofort" << "1050" << "10000,5" << "";
    }
    void pruefung()
    {
        QFETCH(QString, start);
        QFETCH(QString, rate);
        QFETCH(QString, ziel);
        QFETCH(QString, halten);
        QFETCH(QString, fehler);
        Programmeingabe e;
        e.start = start;
        e.zeilen = {{rate, ziel, halten}};
        if (QByteArray(QTest::currentDataTag()) == "Gesamtdauer über 10000") {
            e.zeilen.append({QStringLiteral("sofort"), QStringLiteral("20"), QStringLiteral("0,5")});
            e.zeilen[0].halten = QStringLiteral("9999,75");
            fehler = QString::fromUtf8("Die Gesamtdauer muss größer als 0 und höchstens 10000 h sein.");
        }
        const Programmlesung l = programm_lesen(e, Deutsch);
        QCOMPARE(l.fehler, fehler);
        QCOMPARE(l.programm.has_value(), fehler.isEmpty());
    }

    void segmentzahl()
    {
        Programmeingabe e;
        QCOMPARE(programm_lesen(e, C_Locale).fehler, QStringLiteral("Das Programm hat noch kein Segment."));
        for (int i = 0; i < 51; ++i)
            e.zeilen.append({QStringLiteral("sofort"), QStringLiteral("100"), QStringLiteral("1")});
        QCOMPARE(programm_lesen(e, C_Locale).fehler, QString::fromUtf8("Höchstens 50 Segmente erlaubt."));
        e.zeilen.removeLast();
        QVERIFY(programm_lesen(e, C_Locale).programm);
    }

    // The first fault comes back as data: which check and which segment. The
    // table marks a cell from that alone, each cell checked on its own, so a
    // fault in one cell of a row hides none in another.
    void fehlerstelle_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("zeilen");  // rate, target, hold of each segment
        QTest::addColumn<Programmfehler>("art");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QStringList>("rot");  // "row,column" of the cells marked
        QTest::newRow("gültig") << "20" << QStringList{"5", "1050", "2", "10", "20", ""} << Programmfehler::keiner
                                << -1 << QStringList{};
        QTest::newRow("Start keine Zahl") << "abc" << QStringList{"5", "1050", "2"}
                                          << Programmfehler::starttemperatur << -1 << QStringList{};
        QTest::newRow("kein Segment") << "20" << QStringList{} << Programmfehler::kein_segment << -1 << QStringList{};
        QTest::newRow("Rate der zweiten Zeile") << "20" << QStringList{"5", "1050", "2", "0", "20", ""}
                                                << Programmfehler::rate << 1 << QStringList{"1,0"};
        QTest::newRow("Ziel der dritten Zeile")
            << "20" << QStringList{"5", "1050", "2", "sofort", "900", "1", "10", "10001", ""} << Programmfehler::ziel
            << 2 << QStringList{"2,1"};
        QTest::newRow("Halten keine Zahl") << "20" << QStringList{"5", "1050", "1:5"} << Programmfehler::halten << 0
                                           << QStringList{"0,2"};
        QTest::newRow("Rate und Ziel einer Zeile: die Rate zuerst, beide markiert")
            << "20" << QStringList{"-5", "-1", "2"} << Programmfehler::rate << 0 << QStringList{"0,0", "0,1"};
        QTest::newRow("Fehler in zwei Zeilen: die erste zuerst, beide markiert")
            << "20" << QStringList{"5", "1050", "x", "Rate:", "Ziel:", "1"} << Programmfehler::halten << 0
            << QStringList{"0,2", "1,0", "1,1"};
        QTest::newRow("Gesamtdauer 0: keine Zelle") << "20" << QStringList{"sofort", "1050", "0"}
                                                    << Programmfehler::gesamtdauer << -1 << QStringList{};
    }
    void fehlerstelle()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, zeilen);
        QFETCH(Programmfehler, art);
        QFETCH(int, zeile);
        QFETCH(QStringList, rot);
        Programmeingabe e;
        e.start = start;
        for (int i = 0; i + 2 < zeilen.size(); i += 3)
            e.zeilen.append({zeilen[i], zeilen[i + 1], zeilen[i + 2]});
        const Programmlesung l = programm_lesen(e, Deutsch);
        QCOMPARE(l.art, art);
        QCOMPARE(l.zeile, zeile);
        QCOMPARE(l.fehler, programmfehlertext(art, zeile));
        QCOMPARE(l.programm.has_value(), art == Programmfehler::keiner);

        Programmtabelle tabelle(Deutsch);
        tabelle.setze(e.zeilen);
        QStringList markiert;
        for (int r = 0; r < tabelle.rowCount(); ++r)
            for (int c = 0; c < tabelle.columnCount(); ++c)
                if (tabelle.data(tabelle.index(r, c), Qt::ForegroundRole).isValid())
                    markiert << QStringLiteral("%1,%2").arg(r).arg(c);
        QCOMPARE(markiert, rot);
    }

    // A number typed with the other decimal sign is named as such, in the
    // cell where it stands; the table marks that cell.
    void falsches_dezimalzeichen_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("spalte");  // -1: the start temperature
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("deutsch, Halten 2.5") << Deutsch << 2 << "2.5"
                                             << "Zeile 1, Halten: „2.5“ hat das falsche Dezimalzeichen (hier: 2,5).";
        QTest::newRow("deutsch, Rate 7.5") << Deutsch << 0 << " 7.5"
                                           << "Zeile 1, Rate: „7.5“ hat das falsche Dezimalzeichen (hier: 7,5).";
        QTest::newRow("deutsch, Ziel 1050.5") << Deutsch << 1 << "1050.5"
                                              << "Zeile 1, Ziel: „1050.5“ hat das falsche Dezimalzeichen (hier: 1050,5).";
        QTest::newRow("deutsch, Start 20.5") << Deutsch << -1 << "20.5"
                                             << "Starttemperatur: „20.5“ hat das falsche Dezimalzeichen (hier: 20,5).";
        QTest::newRow("C, Halten 2,5") << C_Locale << 2 << "2,5"
                                       << "Zeile 1, Halten: „2,5“ hat das falsche Dezimalzeichen (hier: 2.5).";
        QTest::newRow("deutsch, 1.2.3 ist keine Zahl") << Deutsch << 2 << "1.2.3"
                                                       << "Zeile 1, Halten: 0 bis 10000 h erlaubt.";
        QTest::newRow("deutsch, 20000.5 auch richtig geschrieben zu groß")
            << Deutsch << 1 << "20000.5" << "Zeile 1, Ziel: „20000.5“ hat das falsche Dezimalzeichen (hier: 20000,5).";
    }
    void falsches_dezimalzeichen()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, spalte);
        QFETCH(QString, text);
        QFETCH(QString, fehler);
        Programmeingabe e;
        e.zeilen = {{"5", "1050", "2"}};
        if (spalte < 0)
            e.start = text;
        else
            (spalte == 0 ? e.zeilen[0].rate : spalte == 1 ? e.zeilen[0].ziel : e.zeilen[0].halten) = text;
        const Programmlesung l = programm_lesen(e, locale);
        QCOMPARE(l.fehler, fehler);
        QVERIFY(!l.programm);
        if (spalte >= 0) {
            Programmtabelle tabelle(locale);
            tabelle.setze(e.zeilen);
            QVERIFY(tabelle.data(tabelle.index(0, spalte), Qt::ForegroundRole).isValid());
        }
    }

    void zeile_und_aequivalent_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("aequivalent");
        QTest::newRow("deutsch") << Deutsch << QString::fromUtf8("Programm: 20 °C → 5 K/min → 1050 °C, 1,5 h → 10 K/min → 20 °C")
                                 << QString::fromUtf8("entspricht 1,78 h bei 1050 °C");
        QTest::newRow("C") << C_Locale << QString::fromUtf8("Programm: 20 °C → 5 K/min → 1050 °C, 1.5 h → 10 K/min → 20 °C")
                           << QString::fromUtf8("entspricht 1.78 h bei 1050 °C");
    }
    void zeile_und_aequivalent()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, zeile);
        QFETCH(QString, aequivalent);
        const Programmeingabe e = zyklus(locale);
        QCOMPARE(programmzeile(e, locale), zeile);
        const auto p = programm_lesen(e, locale).programm;
        QVERIFY(p);
        QCOMPARE(aequivalenztext(aequivalente_zeit(*p, 238650), bezugstext(e, locale), locale), aequivalent);
    }

    // A jump is kept as "sofort" whichever word it was typed as: the line,
    // and the record that parameter files are written from, read everywhere.
    void sofort_in_der_zeile()
    {
        Programmeingabe e;
        e.zeilen = {{QStringLiteral("Sofort"), QStringLiteral("1050"), QStringLiteral("2")},
                    {QStringLiteral("immediate"), QStringLiteral("20"), QStringLiteral("0")}};
        QCOMPARE(programmzeile(e, Deutsch), QString::fromUtf8("Programm: 20 °C → sofort → 1050 °C, 2 h → sofort → 20 °C"));
        const Programmangabe a = als_angabe(e, Deutsch);
        QCOMPARE(a.segmente[0].rate, std::string("Sofort"));
        QCOMPARE(a.segmente[1].rate, std::string("sofort"));
        QCOMPARE(programmanzeige(a), QString::fromUtf8("Programm: 20 °C → sofort → 1050 °C, 2 h → sofort → 20 °C"));
    }

    // A parameter file whose programme was typed "immediate" (by hand, or in
    // the English interface of a version that kept the word) loads under
    // German numbers too, and is written back with "sofort".
    void immediate_in_einer_parameterdatei()
    {
        const QByteArray datei = R"({"format": 1, "dezimalzeichen": ".", "modell": "linear",
            "felder": {"temperatur": "1050", "zeit": "2", "weg": "50", "d0": "587", "q": "238650", "i-diff": "20"},
            "programm": {"start": "20", "segmente": [{"rate": "immediate", "ziel": "1050", "halten": "2.5"},
                                                     {"rate": "10", "ziel": "20", "halten": ""}]}})";
        Modell basis;
        startwerte_setzen(basis);
        const Parameterlesung l = parameter_lesen(datei, basis, Deutsch);
        QVERIFY2(l.modell, qPrintable(l.fehler));
        QVERIFY(l.modell->programm);
        const QByteArray neu = parameterdaten(*l.modell, Deutsch);
        QVERIFY(neu.contains(R"("rate": "sofort")"));
        QVERIFY(!neu.contains("immediate"));
    }

    // A programme of one hold is the isothermal run: the same block, byte for byte.
    void einzelnes_halten_gibt_den_block_der_isothermen_laufs_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("temperatur");
        QTest::addColumn<QString>("zeit");
        QTest::newRow("deutsch, Startwerte") << Deutsch << "1050" << "2";
        QTest::newRow("deutsch, krumme Werte") << Deutsch << "987,5" << "0,125";
        QTest::newRow("C, krumme Werte") << C_Locale << "987.5" << "0.125";
    }
    void einzelnes_halten_gibt_den_block_der_isothermen_laufs()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, temperatur);
        QFETCH(QString, zeit);
        Modell iso;
        startwerte_setzen(iso);
        std::array<QString, 6> texte{temperatur, zeit, "50", "587", "238650", "20"};
        parameter_uebernehmen(iso, parametersatz(texte, locale));
        Modell prog = iso;
        Programmeingabe e;
        e.zeilen = {{QStringLiteral("sofort"), temperatur, zeit}, {QStringLiteral("sofort"), QStringLiteral("20"), QString()}};
        QVERIFY(programm_setzen(prog, e, locale));
        parameter_uebernehmen(prog, parametersatz(texte, locale));  // as "ok" does with the fields' texts
        texte[0] = feldtext(prog, Feld::Sintertemp, locale);
        texte[1] = feldtext(prog, Feld::Sinterzeit, locale);
        QCOMPARE(texte[0], temperatur);
        QCOMPARE(texte[1], zeit);
        lauf_rechnen(iso);
        lauf_rechnen(prog);
        const QDate datum(2026, 12, 8);
        const auto a = ergebnisblock(iso, "/tmp/x.txt", datum, locale), b = ergebnisblock(prog, "/tmp/x.txt", datum, locale);
        QVERIFY(a && b);
        QCOMPARE(*b, *a);
    }

    void kurventabelle_nennt_das_programm()
    {
        Modell m = standardlauf();
        const QByteArray ohne = kurventabelle(m, Deutsch);
        QVERIFY(programm_setzen(m, zyklus(Deutsch), Deutsch));
        lauf_rechnen(m);
        const QByteArray mit = kurventabelle(m, Deutsch), mit_c = kurventabelle(m, C_Locale);
        QVERIFY(mit.startsWith("\xEF\xBB\xBFProgramm: 20 \xC2\xB0" "C \xE2\x86\x92 5 K/min"));
        QVERIFY(mit.contains("\r\nZelle;"));
        QVERIFY(ohne.startsWith("\xEF\xBB\xBFZelle;"));
        // With ',' between the fields the line is one quoted field.
        QVERIFY(mit_c.startsWith("\xEF\xBB\xBF\"Programm: 20"));
        QVERIFY(mit_c.contains("20 \xC2\xB0" "C\"\r\nZelle,"));
    }

    void setzen_und_aufheben()
    {
        Modell m;
        startwerte_setzen(m);
        const Modell vorher = m;
        Programmeingabe falsch = zyklus(Deutsch);
        falsch.zeilen[0].rate = QStringLiteral("0");
        QString fehler;
        QVERIFY(!programm_setzen(m, falsch, Deutsch, &fehler));
        QCOMPARE(fehler, QString::fromUtf8("Zeile 1, Rate: größer als 0 K/min oder „sofort“."));
        QVERIFY(!m.programm);
        QVERIFY(programm_setzen(m, zyklus(Deutsch), Deutsch));
        QCOMPARE(m.Sintertemp.wert, 1050.0);
        QCOMPARE(m.Sintertemp_K, 1323.0);
        QVERIFY(m.Sinterzeit.wert > 1.5 && m.Sinterzeit.wert < 2);
        QCOMPARE(m.Sinterzeit_s, m.Sinterzeit.wert * 3600);
        // A second programme keeps the isothermal values of before the first.
        Programmeingabe zweites = zyklus(Deutsch);
        zweites.zeilen[0].ziel = QStringLiteral("1100");
        QVERIFY(programm_setzen(m, zweites, Deutsch));
        QCOMPARE(m.Sintertemp.wert, 1100.0);
        programm_aufheben(m);
        QVERIFY(!m.programm);
        QCOMPARE(m.Sintertemp.wert, vorher.Sintertemp.wert);
        QCOMPARE(m.Sintertemp.text, vorher.Sintertemp.text);
        QCOMPARE(m.Sinterzeit.wert, vorher.Sinterzeit.wert);
        QCOMPARE(m.Sintertemp_K, vorher.Sintertemp_K);
        QCOMPARE(m.Sinterzeit_s, vorher.Sinterzeit_s);
        QCOMPARE(m.D, vorher.D);
    }

    void dialog_tabelle_und_aequivalent()
    {
        Meldungsrekorder rekorder;
        frm_Programm dlg(zyklus(Deutsch), 238650, Deutsch);
        dlg.show();
        auto* tabelle = kind<QTableView>(&dlg, "tbl_segmente")->model();
        QCOMPARE(tabelle->rowCount(), 2);
        QCOMPARE(tabelle->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Rate [K/min]"));
        QCOMPARE(tabelle->data(tabelle->index(0, 2)).toString(), QStringLiteral("1,5"));
        auto* zeile = kind<QLabel>(&dlg, "lbl_aequivalent");
        QCOMPARE(zeile->text(), QString::fromUtf8("entspricht 1,78 h bei 1050 °C"));
        // A German number with a point is no number: the line says where and why.
        tabelle->setData(tabelle->index(0, 2), QStringLiteral("1.5"));
        const QString punkt = QString::fromUtf8("Zeile 1, Halten: „1.5“ hat das falsche Dezimalzeichen (hier: 1,5).");
        QCOMPARE(zeile->text(), punkt);
        QVERIFY(tabelle->data(tabelle->index(0, 2), Qt::ForegroundRole).isValid());
        QVERIFY(!tabelle->data(tabelle->index(0, 1), Qt::ForegroundRole).isValid());
        QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(rekorder.texte, QStringList{punkt});
        QVERIFY(dlg.isVisible());
        tabelle->setData(tabelle->index(0, 2), QStringLiteral("2"));
        QCOMPARE(zeile->text(), QString::fromUtf8("entspricht 2,28 h bei 1050 °C"));
        // Fifty segments and no more.
        while (tabelle->rowCount() < 50)
            QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_hinzufuegen"), Qt::LeftButton);
        QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_hinzufuegen"), Qt::LeftButton);
        QCOMPARE(tabelle->rowCount(), 50);
        QCOMPARE(rekorder.texte.last(), QString::fromUtf8("Höchstens 50 Segmente erlaubt."));
        QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_entfernen"), Qt::LeftButton);
        QCOMPARE(tabelle->rowCount(), 49);
        QTest::mouseClick(kind<QPushButton>(&dlg, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    // Tab leaves the segment table, also from a cell being edited (taking its
    // text); Ctrl+Tab and the arrow keys go from cell to cell.
    void tab_verlaesst_die_tabelle_data()
    {
        QTest::addColumn<bool>("bearbeiten");  // "900" typed into cell (0, 1) first
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("umschalter");
        QTest::addColumn<QString>("fokus");  // the control that has the focus after: its name
        QTest::addColumn<int>("spalte");     // the table's current column after, in row 0
        const int strg = Qt::ControlModifier, shift = Qt::ShiftModifier;
        QTest::newRow("Tab") << false << int(Qt::Key_Tab) << 0 << "cmd_hinzufuegen" << 1;
        QTest::newRow("Shift+Tab") << false << int(Qt::Key_Backtab) << shift << "txt_start" << 1;
        QTest::newRow("Strg+Tab") << false << int(Qt::Key_Tab) << strg << "tbl_segmente" << 2;
        QTest::newRow("Strg+Shift+Tab") << false << int(Qt::Key_Backtab) << (strg | shift) << "tbl_segmente" << 0;
        QTest::newRow("Pfeil rechts") << false << int(Qt::Key_Right) << 0 << "tbl_segmente" << 2;
        QTest::newRow("Tab beim Bearbeiten") << true << int(Qt::Key_Tab) << 0 << "cmd_hinzufuegen" << 1;
        QTest::newRow("Shift+Tab beim Bearbeiten") << true << int(Qt::Key_Backtab) << shift << "txt_start" << 1;
        QTest::newRow("Strg+Tab beim Bearbeiten") << true << int(Qt::Key_Tab) << strg << "tbl_segmente" << 2;
    }
    void tab_verlaesst_die_tabelle()
    {
        QFETCH(bool, bearbeiten);
        QFETCH(int, taste);
        QFETCH(int, umschalter);
        QFETCH(QString, fokus);
        QFETCH(int, spalte);
        frm_Programm dlg(zyklus(Deutsch), 238650, Deutsch);
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* tabelle = kind<QTableView>(&dlg, "tbl_segmente");
        tabelle->setFocus(Qt::TabFocusReason);
        tabelle->setCurrentIndex(tabelle->model()->index(0, 1));
        if (bearbeiten) {
            tabelle->edit(tabelle->currentIndex());
            QVERIFY(QApplication::focusWidget() != tabelle && tabelle->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClicks(QApplication::focusWidget(), "900");
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(taste), Qt::KeyboardModifiers(umschalter));
        QWidget* jetzt = QApplication::focusWidget();
        QVERIFY(jetzt);
        // An editor in the table counts as the table.
        QCOMPARE(tabelle->isAncestorOf(jetzt) ? tabelle->objectName() : jetzt->objectName(), fokus);
        QCOMPARE(tabelle->currentIndex().row(), 0);
        QCOMPARE(tabelle->currentIndex().column(), spalte);
        QCOMPARE(tabelle->model()->index(0, 1).data().toString(), bearbeiten ? "900" : "1050");
    }

    // "ok" is the default button: Enter in a field or the table hands the
    // programme over, Enter on another button presses that one; Escape
    // cancels; every button has its access key.
    void enter_escape_und_zugriffstasten_data()
    {
        QTest::addColumn<QString>("wo");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("umschalter");
        QTest::addColumn<int>("ergebnis");
        const int alt = Qt::AltModifier;
        QTest::newRow("Enter im Startfeld") << "txt_start" << int(Qt::Key_Return) << 0 << int(QDialog::Accepted);
        QTest::newRow("Enter in der Tabelle") << "tbl_segmente" << int(Qt::Key_Return) << 0 << int(QDialog::Accepted);
        QTest::newRow("Enter auf Kein Programm") << "cmd_kein_programm" << int(Qt::Key_Return) << 0
                                                 << frm_Programm::Kein_Programm;
        QTest::newRow("Enter auf Abbrechen") << "cmd_abbrechen" << int(Qt::Key_Enter) << 0 << int(QDialog::Rejected);
        QTest::newRow("Escape in der Tabelle") << "tbl_segmente" << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected);
        QTest::newRow("Alt+O") << "tbl_segmente" << int(Qt::Key_O) << alt << int(QDialog::Accepted);
        QTest::newRow("Alt+K") << "tbl_segmente" << int(Qt::Key_K) << alt << frm_Programm::Kein_Programm;
        QTest::newRow("Alt+A") << "txt_start" << int(Qt::Key_A) << alt << int(QDialog::Rejected);
    }
    void enter_escape_und_zugriffstasten()
    {
        QFETCH(QString, wo);
        QFETCH(int, taste);
        QFETCH(int, umschalter);
        QFETCH(int, ergebnis);
        frm_Programm dlg(zyklus(Deutsch), 238650, Deutsch);
        QSignalSpy beendet(&dlg, &QDialog::finished);
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QWidget* ziel = kind<QWidget>(&dlg, wo.toLatin1().constData());
        ziel->setFocus(Qt::TabFocusReason);
        QVERIFY(ziel->hasFocus());
        QTest::keyClick(ziel, Qt::Key(taste), Qt::KeyboardModifiers(umschalter));
        QTRY_COMPARE(beendet.size(), 1);  // an access key clicks after a short flash
        QCOMPARE(beendet[0][0].toInt(), ergebnis);
        QVERIFY(!dlg.isVisible());
    }

    // The parameter dialog's button reached with Tab opens the programme
    // with Enter, as Enter on its "ok" takes the parameters.
    void enter_auf_temperaturprogramm()
    {
        Sitzung s(Deutsch);
        auto* ok = kind<QPushButton>(s.dlg, "cmd_ok");
        ok->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ok, Qt::Key_Tab);
        auto* knopf = kind<QPushButton>(s.dlg, "cmd_programm");
        QVERIFY(knopf->hasFocus());
        QTest::keyClick(knopf, Qt::Key_Return);
        frm_Programm* p = nullptr;
        QTRY_VERIFY((p = s.dlg->findChild<frm_Programm*>()) != nullptr && p->isVisible());
        QTest::keyClick(p, Qt::Key_Escape);
        QTRY_VERIFY(!s.dlg->findChild<frm_Programm*>());
        QVERIFY(!s.dlg->parameter().programm);
    }

    void parameterdialog_mit_programm_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("deutsch") << Deutsch;
        QTest::newRow("C") << C_Locale;
    }
    void parameterdialog_mit_programm()
    {
        QFETCH(QLocale, locale);
        Meldungsrekorder rekorder;
        Sitzung s(locale);
        auto* temp = kind<QLineEdit>(s.dlg, "txt_Sintertemp");
        auto* zeit = kind<QLineEdit>(s.dlg, "txt_Sinterzeit");
        verlasse_mit(zeit, locale.decimalPoint() == QStringLiteral(",") ? QStringLiteral("2,5") : QStringLiteral("2.5"));
        const QString zeit_vorher = zeit->text();

        // Abbrechen changes nothing.
        frm_Programm* p = s.programmdialog();
        QVERIFY(p);
        QTest::mouseClick(kind<QPushButton>(p, "cmd_abbrechen"), Qt::LeftButton);
        QTRY_VERIFY(!s.dlg->findChild<frm_Programm*>());
        QVERIFY(!temp->isReadOnly());
        QVERIFY(!s.dlg->parameter().programm);

        p = s.programmdialog();
        setze_tabelle(p, zyklus(locale));
        QTest::mouseClick(kind<QPushButton>(p, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!s.dlg->findChild<frm_Programm*>());
        QVERIFY(temp->isReadOnly());
        QVERIFY(zeit->isReadOnly());
        QCOMPARE(temp->text(), QStringLiteral("1050"));
        // t_eq = 1.7800977… h, to four digits in the field; the copy keeps every digit.
        const double t_eq = s.dlg->parameter().Sinterzeit.wert;
        QCOMPARE(zeit->text(), locale == Deutsch ? QStringLiteral("1,78") : QStringLiteral("1.78"));
        QCOMPARE(QString::fromStdString(*s.dlg->parameter().Sinterzeit.text), zahlen::kuerzeste_form(t_eq, locale));
        QVERIFY(kind<QLabel>(s.dlg, "lbl_programm")->text().startsWith(programmzeile(zyklus(locale), locale)));
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_Schritte")->text(),
                 zahlen::ganzzahl(std::floor(1.2 * t_eq * 3600 / s.dlg->parameter().dt_max), locale));

        // A new Q changes the equivalent time at once.
        QApplication::setActiveWindow(s.dlg.get());
        verlasse_mit(kind<QLineEdit>(s.dlg, "txt_Q"), QStringLiteral("300000"));
        QVERIFY(s.dlg->parameter().Sinterzeit.wert < t_eq);
        QCOMPARE(zeit->text(), zahlen::allgemein(s.dlg->parameter().Sinterzeit.wert, locale, 4));

        // "Kein Programm": the isothermal fields as they were.
        p = s.programmdialog();
        QCOMPARE(kind<QLineEdit>(p, "txt_start")->text(), QStringLiteral("20"));
        QTest::mouseClick(kind<QPushButton>(p, "cmd_kein_programm"), Qt::LeftButton);
        QTRY_VERIFY(!s.dlg->findChild<frm_Programm*>());
        QVERIFY(!temp->isReadOnly());
        QCOMPARE(temp->text(), QStringLiteral("1050"));
        QCOMPARE(zeit->text(), zeit_vorher);
        QCOMPARE(kind<QLabel>(s.dlg, "lbl_programm")->text(), QString());

        // Once more, then "ok" hands the programme to the main window.
        p = s.programmdialog();
        setze_tabelle(p, zyklus(locale));
        QTest::mouseClick(kind<QPushButton>(p, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!s.dlg->findChild<frm_Programm*>());
        QTest::mouseClick(kind<QPushButton>(s.dlg, "cmd_ok"), Qt::LeftButton);
        QVERIFY(s.m.programm);
        QCOMPARE(QString::fromStdString(s.m.programm->zeile), programmzeile(zyklus(locale), locale));
        QCOMPARE(s.m.Sintertemp.wert, 1050.0);
        QCOMPARE(s.m.Sinterzeit.wert, aequivalente_zeit(*programm_lesen(zyklus(locale), locale).programm, 300000));
        QCOMPARE(rekorder.texte, QStringList());
    }
};

QTEST_MAIN(tst_programmdialog)
#include "tst_programmdialog.moc"
