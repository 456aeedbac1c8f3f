// The road of a typical use through the real windows: start, a new
// temperature, "ok", a run, the plot and its read-out, the clipboard and a
// save, checked against an independent computation of the profile; and two
// sessions saving to one file.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "frm_Eingabe.h"
#include "frm_speichern.h"
#include "meldungsrekorder.h"
#include "programm.h"
#include "referenz.h"

using namespace kalvion;

namespace {

QString zahl(double v, int stellen, const QLocale& l)
{
    return QString::number(v, 'f', stellen).replace('.', l.decimalPoint());
}

// "Datei → Speichern als ASCII": a folder picked, a name typed, "&ok".
void speichere_ueber_menue(frm_grafik& w, const QString& ordner, const QString& name)
{
    w.mnu_speichern->trigger();
    auto* speichern = qobject_cast<frm_speichern*>(w.speichern());
    QVERIFY(speichern);
    speichern->setze_ordner(ordner);
    QTest::keyClicks(speichern->txt_dateiname, name);
    QTest::mouseClick(speichern->cmd_ok, Qt::LeftButton);
    QTRY_VERIFY(!w.speichern());
}

void verlasse_mit(QLineEdit* feld, const QString& text)
{
    feld->setFocus(Qt::MouseFocusReason);
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Delete);
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Tab);
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
        QTest::newRow("linear, deutsch") << QLocale(QLocale::German, QLocale::Germany) << false << 20;
        QTest::newRow("linear, C") << QLocale::c() << false << 20;
        QTest::newRow("sphärisch, deutsch") << QLocale(QLocale::German, QLocale::Germany) << true << 20;
        QTest::newRow("linear, i_Diff 1") << QLocale::c() << false << 1;
        QTest::newRow("sphärisch, i_Diff 199") << QLocale(QLocale::German, QLocale::Germany) << true << 199;
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
        w->show();
        QTRY_VERIFY(w->eingabe());
        auto* dlg = qobject_cast<frm_Eingabe*>(w->eingabe());
        QVERIFY(dlg);
        QTRY_COMPARE(dlg->txt_Sintertemp->text(), QString("1050"));
        QCOMPARE(dlg->lbl_Schritte->text(), QString("6140"));
        QCOMPARE(dlg->lbl_D_ergebnis->text(), QString("2.2208E-10").replace('.', locale.decimalPoint()));
        QVERIFY(!w->isEnabled());
        QApplication::setActiveWindow(dlg);
        QTRY_VERIFY(dlg->isActiveWindow());

        // 2. A new temperature, the field left: D and the step count follow.
        verlasse_mit(dlg->txt_Sintertemp, "1100");
        const double d = 0.587 * std::exp(-238650 / (1373 * 8.31451));
        QCOMPARE(dlg->lbl_D_ergebnis->text(),
                 QString::asprintf("%.4E", d).replace('.', locale.decimalPoint()));
        if (kugel)
            QTest::mouseClick(dlg->opt_kugel, Qt::LeftButton, {}, QPoint(8, dlg->opt_kugel->height() / 2));
        if (i_diff != 20)
            verlasse_mit(dlg->txt_i_Diff, QString::number(i_diff));

        // 3. "ok": the main window is back with its run button.
        QTest::mouseClick(dlg->cmd_ok, Qt::LeftButton);
        QTRY_VERIFY(!w->eingabe());
        QVERIFY(w->isEnabled());
        QVERIFY(w->cmd_run->isVisible());
        QVERIFY(!m.Berechnung_aktuell);

        // 4. The run, its progress and its message.
        const Referenz r = referenzlauf(kugel, i_diff, 1100, 2, 50, 587, 238650);
        QString letzter_fortschritt;
        meldungen.waehrenddessen = [&](const QString&) { letzter_fortschritt = w->lbl_fortschritt->text(); };
        QTest::mouseClick(w->cmd_run, Qt::LeftButton);
        QCOMPARE(meldungen.texte, QStringList{QString::number(r.negative) + " Fehler"});
        QCOMPARE(letzter_fortschritt, QString("100  %"));
        QCOMPARE(m.Schritte, r.schritte);
        QVERIFY(!w->cmd_run->isVisible());

        // 5. The plot, the read-out and the clipboard.
        const QImage& bild = w->bild();
        int rot = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                rot += bild.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(rot > 300);
        QWidget* flaeche = w->centralWidget();
        QMouseEvent bewegung(QEvent::MouseMove, QPointF(0, 0), flaeche->mapToGlobal(QPointF(0, 0)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(flaeche, &bewegung);
        QCOMPARE(w->lbl_cursor_position->text(),
                 QString("x = -20.0     y = 110.0").replace('.', locale.decimalPoint()));
        w->mnu_kopieren->trigger();
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
        w->mnu_Eingabe->trigger();
        QTRY_VERIFY(w->eingabe());
        auto* wieder = qobject_cast<frm_Eingabe*>(w->eingabe());
        QTRY_COMPARE(wieder->txt_Sintertemp->text(), QString("1100"));
        QCOMPARE(wieder->opt_kugel->isChecked(), kugel);
        QVERIFY(!w->isEnabled());
        QTest::mouseClick(wieder->cmd_ok, Qt::LeftButton);
        QTRY_VERIFY(!w->eingabe());
        QVERIFY(w->isEnabled());
        QVERIFY(w->cmd_run->isVisible());
        QVERIFY(w->cmd_run->isEnabled());
        QVERIFY(!m.Berechnung_aktuell);
    }

    // Two sessions of the program saving to one file keep both blocks whole.
    void zwei_sitzungen_eine_datei()
    {
        QTemporaryDir ordner;
        Meldungsrekorder meldungen;
        for (int sitzung = 0; sitzung < 2; ++sitzung) {
            Modell m;
            auto w = programm_starten(m, QLocale::c());
            w->show();
            QTRY_VERIFY(w->eingabe());
            auto* dlg = qobject_cast<frm_Eingabe*>(w->eingabe());
            QTRY_COMPARE(dlg->txt_Sintertemp->text(), QString("1050"));
            QTest::mouseClick(dlg->cmd_ok, Qt::LeftButton);
            QTRY_VERIFY(!w->eingabe());
            QTest::mouseClick(w->cmd_run, Qt::LeftButton);
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
