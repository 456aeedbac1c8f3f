// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, the graph, the cursor read-out, the run command,
// the menus, the clipboard and the info dialog, on real widgets offscreen.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "frm_grafik.h"
#include "fensterwechsel.h"
#include "frm_info.h"
#include "grafik.h"
#include "kalvion_version.h"
#include "laufhinweise.h"
#include "meldungsrekorder.h"
#include "sprache.h"
#include "testhilfen.h"

using namespace kalvion;

namespace {

bool dunkel(const QImage& b, int x, int y) { return qGray(b.pixel(x, y)) < 128; }
bool weiss(const QImage& b, int x, int y) { return b.pixel(x, y) == qRgb(255, 255, 255); }

bool ganz_weiss(const QImage& b)
{
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (!weiss(b, x, y))
                return false;
    return true;
}


QImage zeichne(const Modell& m, QSize groesse = {960, 600})
{
    QImage b(groesse, QImage::Format_RGB32);
    b.fill(Qt::white);
    QPainter p(&b);
    zeichne_grafik(p, groesse, m, C_Locale, Qt::black);
    return b;
}

void maus(QWidget* flaeche, QPointF wo)
{
    QMouseEvent e(QEvent::MouseMove, wo, flaeche->mapToGlobal(wo), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(flaeche, &e);
}

// Everything a run command could change, to show that one changed nothing.
struct Zustand {
    bool knopf_sichtbar, knopf_frei, fortschritt_sichtbar, run_frei, eingabe_frei, abbrechen_frei, aktuell;
    QString fortschritt;
    QImage bild;
    Zellfeld konz, konz_1000;
    double schritte;
    std::int64_t fehler;
    bool operator==(const Zustand&) const = default;
};

Zustand zustand(const frm_grafik& w, const Modell& m)
{
    return {kind<QPushButton>(&w, "cmd_run")->isVisible(), kind<QPushButton>(&w, "cmd_run")->isEnabled(),
            kind<QLabel>(&w, "lbl_fortschritt")->isVisible(), kind<QAction>(&w, "mnu_run")->isEnabled(),
            kind<QAction>(&w, "mnu_Eingabe")->isEnabled(), kind<QAction>(&w, "mnu_abbrechen")->isEnabled(),
            m.Berechnung_aktuell, kind<QLabel>(&w, "lbl_fortschritt")->text(), w.bild(), m.Konz,
            m.Konz_1000, m.Schritte, m.Fehlerzahl};
}

// The cost per cell-step that makes the start-up run (6140 steps of 200
// cells) look as long as `sekunden`.
void startlauf_dauert(frm_grafik& w, double sekunden) { w.setze_zellschrittkosten(sekunden / (6140.0 * 200)); }

// About three million steps: a second of stepping, cancelled long before its
// end in the tests; too short an estimate for the question.
void langer_lauf(frm_grafik& w, Modell& m)
{
    m.Sinterzeit_s = 3600.0 * 1000;
    w.setze_zellschrittkosten(1e-15);
}

const QString Sprungtext = QStringLiteral("0 Fehler (in den ersten 1000 Schritten; danach in einem Sprung gerechnet)");

}  // namespace

Q_DECLARE_METATYPE(kalvion::Verfahren)

class tst_grafik : public QObject {
    Q_OBJECT

    // A fresh main window for every test, without dialogs.
    Modell m_;
    std::unique_ptr<frm_grafik> w_;
    std::function<void()> pruefe_aktivierung_;

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowActivate && pruefe_aktivierung_)
            pruefe_aktivierung_();
        return false;
    }

private slots:
    void init()
    {
        m_ = Modell{};
        w_ = std::make_unique<frm_grafik>(m_, Dialogfabriken{}, C_Locale);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void cleanup() { w_.reset(); }

    void rahmen_und_teilstriche()
    {
        const QImage b = zeichne(standardlauf());
        // Frame from 80 to 880 across and 50 to 550 down.
        QVERIFY(dunkel(b, 80, 100));
        QVERIFY(dunkel(b, 880, 300));
        QVERIFY(dunkel(b, 500, 50));
        QVERIFY(dunkel(b, 880, 550));
        QVERIFY(weiss(b, 620, 45));
        QVERIFY(weiss(b, 890, 300));
        // y tick at 50 mol% (row 300) points 4.8 px outward on both sides.
        QVERIFY(dunkel(b, 77, 300));
        QVERIFY(dunkel(b, 883, 300));
        QVERIFY(weiss(b, 73, 300));
        QVERIFY(weiss(b, 77, 310));
        // x tick at cell 10 (column 120) points 5 px down and up.
        QVERIFY(dunkel(b, 120, 553));
        QVERIFY(dunkel(b, 120, 47));
        QVERIFY(weiss(b, 120, 557));
        QVERIFY(weiss(b, 100, 553));
    }

    void kurven_in_ihren_farben()
    {
        const QImage b = zeichne(standardlauf());
        // The final profile, 2 px wide over 800 px, and three 1 px snapshots
        // that the later curves partly cover (measured: 1613 and 1387).
        const int rot = zaehle(b, qRgb(255, 0, 0)), gelb = zaehle(b, qRgb(255, 255, 0));
        QVERIFY2(rot >= 1550 && rot <= 1700, qPrintable(QString::number(rot)));
        QVERIFY2(gelb >= 1250 && gelb <= 1500, qPrintable(QString::number(gelb)));
    }

    // Cell i is drawn at x = i: a profile that is empty but for cell 200
    // rises at the frame's right edge, and nowhere else.
    void kurven_an_ihren_zellen()
    {
        Modell m = standardlauf();
        m.Konz.fill(0);
        m.Konz[200] = 100;
        const QImage b = zeichne(m);
        const QRgb rot = qRgb(255, 0, 0);
        QCOMPARE(b.pixel(879, 52), rot);  // (200, 100) is pixel (880, 50)
        QVERIFY(b.pixel(879, 300) == rot || b.pixel(878, 300) == rot);  // the rise from (199, 0)
        for (int x = 81; x < 870; x += 7)
            QVERIFY2(b.pixel(x, 300) != rot && b.pixel(x, 60) != rot, qPrintable(QString::number(x)));
    }

    // Across one column a flat curve is as thick as its pen: 2 px for the
    // final profile, 1 px for a snapshot.
    void linienbreiten_data()
    {
        QTest::addColumn<int>("zeile");   // the row the flat curve lies on
        QTest::addColumn<QRgb>("farbe");
        QTest::addColumn<int>("dicke");
        QTest::newRow("Endprofil 2 px") << 300 << qRgb(255, 0, 0) << 2;
        QTest::newRow("Schnappschuss 1 px") << 200 << qRgb(255, 255, 0) << 1;
    }
    void linienbreiten()
    {
        QFETCH(int, zeile);
        QFETCH(QRgb, farbe);
        QFETCH(int, dicke);
        Modell m = standardlauf();
        m.Konz.fill(50);       // row 550 − 50·5 = 300
        m.Konz_10.fill(70);    // row 200
        m.Konz_100.fill(90);   // row 100
        m.Konz_1000.fill(90);
        m.Konz_Start.fill(10);  // row 500
        const QImage b = zeichne(m);
        int n = 0;
        for (int y = zeile - 10; y <= zeile + 10; ++y)
            n += b.pixel(480, y) == farbe;
        QCOMPARE(n, dicke);
    }

    void dritte_gelbe_kurve_data()
    {
        QTest::addColumn<double>("schritte");
        QTest::addColumn<bool>("gezeichnet");
        QTest::newRow("2000 Schritte: zwei") << 2000.0 << false;
        QTest::newRow("2001 Schritte: drei") << 2001.0 << true;
        QTest::newRow("6140 Schritte: drei") << 6140.0 << true;
    }
    void dritte_gelbe_kurve()
    {
        QFETCH(double, schritte);
        QFETCH(bool, gezeichnet);
        Modell m = standardlauf();
        m.Konz_1000.fill(70);  // a flat line at 70 mol%: row 550 − 70·5 = 200
        m.Schritte = schritte;
        const QImage b = zeichne(m);
        QCOMPARE(b.pixel(700, 200) == qRgb(255, 255, 0), gezeichnet);
    }

    void beschriftungen_data()
    {
        QTest::addColumn<double>("x_max");
        QTest::addColumn<QStringList>("x_texte");
        QTest::addColumn<QStringList>("fuer_berichte");  // the export's exact labels, German
        QTest::newRow("50 µm") << 50.0 << QStringList{"0", "10", "20", "30", "40", "50"}
                               << QStringList{"0", "10", "20", "30", "40", "50"};
        QTest::newRow("1 µm") << 1.0 << QStringList{"0", "0", "0", "1", "1", "1"}
                              << QStringList{"0", "0,2", "0,4", "0,6", "0,8", "1"};
        QTest::newRow("37,5 µm") << 37.5 << QStringList{"0", "8", "15", "22", "30", "38"}
                                 << QStringList{"0", "7,5", "15", "22,5", "30", "37,5"};
        QTest::newRow("1000000 µm") << 1e6 << QStringList{"0", "200000", "400000", "600000", "800000", "1000000"}
                                    << QStringList{"0", "200000", "400000", "600000", "800000", "1000000"};
    }
    void beschriftungen()
    {
        QFETCH(double, x_max);
        QFETCH(QStringList, x_texte);
        QFETCH(QStringList, fuer_berichte);
        Modell m;
        startwerte_setzen(m);
        m.x_max.setze_zahl(x_max);
        QCOMPARE(x_beschriftungen(m, C_Locale), x_texte);
        QCOMPARE(x_beschriftungen(m, Deutsch, true), fuer_berichte);
        QCOMPARE(y_beschriftungen(QLocale(QLocale::German)), (QStringList{"0", "20", "40", "60", "80", "100"}));
    }

    void zeichnen_nur_wenn_moeglich_data()
    {
        QTest::addColumn<bool>("minimiert");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<bool>("aktuell");
        QTest::addColumn<bool>("erwartet");
        QTest::newRow("normal") << false << 14685 << 8430 << true << true;
        QTest::newRow("genau 1000 Twips") << false << 1000 << 1000 << true << true;
        QTest::newRow("999 Twips hoch") << false << 5000 << 999 << true << false;
        QTest::newRow("999 Twips breit") << false << 999 << 5000 << true << false;
        QTest::newRow("minimiert") << true << 14685 << 8430 << true << false;
        QTest::newRow("keine aktuelle Berechnung") << false << 14685 << 8430 << false << false;
    }
    void zeichnen_nur_wenn_moeglich()
    {
        QFETCH(bool, minimiert);
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        QFETCH(bool, aktuell);
        QFETCH(bool, erwartet);
        QCOMPARE(darf_zeichnen(minimiert, breite, hoehe, aktuell), erwartet);
    }

    void startzustand()
    {
        Modell& m = m_;
        frm_grafik& w = *w_;
        QCOMPARE(w.windowTitle(), QString("Kalvion"));
        QVERIFY(kind<QPushButton>(&w, "cmd_run")->isVisible());
        QVERIFY(kind<QPushButton>(&w, "cmd_run")->isEnabled());
        QCOMPARE(kind<QPushButton>(&w, "cmd_run")->text(), QString("Berechnung &Starten"));
        QCOMPARE(kind<QLabel>(&w, "lbl_fortschritt")->text(), QString("0"));
        QVERIFY(!kind<QLabel>(&w, "lbl_cursor_position")->isVisible());
        QCOMPARE(w.centralWidget()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w.centralWidget()->size(), QSize(979, 562));
        QCOMPARE(m.D0.wert, 587.0);
        QVERIFY(ganz_weiss(w.bild()));
        QCOMPARE(kind<QMenu>(&w, "mnu_datei")->title(), QString("&Datei"));
        QCOMPARE(kind<QAction>(&w, "mnu_speichern")->text(), QString("&Speichern als ASCII"));
        QCOMPARE(kind<QAction>(&w, "mnu_kopieren")->text(), QString("&Kopieren"));
        QCOMPARE(kind<QAction>(&w, "mnu_version")->text(), QString("&Version"));
        QVERIFY(kind<QAction>(&w, "mnu_run")->shortcut().isEmpty());

        // The read-out works before any plot, in the window's own units.
        maus(w.centralWidget(), {10, 20});
        QCOMPARE(kind<QLabel>(&w, "lbl_cursor_position")->text(), QString("x = 150.0     y = 300.0"));
    }

    void ein_ganzer_lauf()
    {
        Modell& m = m_;
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        bool gesperrt_waehrend_lauf = false;
        QString fortschritt_am_ende;
        meldungen.waehrenddessen = [&](const QString&) {
            gesperrt_waehrend_lauf = !kind<QAction>(&w, "mnu_run")->isEnabled() && !kind<QAction>(&w, "mnu_Eingabe")->isEnabled();
            fortschritt_am_ende = kind<QLabel>(&w, "lbl_fortschritt")->text();
        };

        QTest::mouseClick(kind<QPushButton>(&w, "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(w));

        QCOMPARE(meldungen.texte, QStringList{"0 Fehler"});
        QVERIFY(gesperrt_waehrend_lauf);
        QCOMPARE(fortschritt_am_ende, QString("100  %"));
        QVERIFY(m.Berechnung_aktuell);
        QVERIFY(!kind<QPushButton>(&w, "cmd_run")->isVisible());
        QVERIFY(!kind<QPushButton>(&w, "cmd_run")->isEnabled());
        QVERIFY(!kind<QLabel>(&w, "lbl_fortschritt")->isVisible());
        QVERIFY(kind<QLabel>(&w, "lbl_cursor_position")->isVisible());
        QVERIFY(kind<QAction>(&w, "mnu_run")->isEnabled());
        QVERIFY(kind<QAction>(&w, "mnu_Eingabe")->isEnabled());
        QCOMPARE(w.centralWidget()->cursor().shape(), Qt::CrossCursor);
        QVERIFY(zaehle(w.bild(), qRgb(255, 0, 0)) > 500);

        // The read-out in graph units, at the top-left pixel and on the "20" tick.
        maus(w.centralWidget(), {0, 0});
        QCOMPARE(kind<QLabel>(&w, "lbl_cursor_position")->text(), QString("x = -20.0     y = 110.0"));
        const QSize f = w.centralWidget()->size();
        maus(w.centralWidget(), {f.width() * 100.0 / 240, f.height() / 2.0});
        QCOMPARE(kind<QLabel>(&w, "lbl_cursor_position")->text(), QString("x = 80.0     y = 50.0"));
        maus(w.centralWidget(), {f.width() * 0.75, f.height() * 0.25});
        QCOMPARE(kind<QLabel>(&w, "lbl_cursor_position")->text(), QString("x = 160.0     y = 80.0"));

        // A second run from the menu starts again from the initial profile.
        const Zellfeld erstes = m.Konz;
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QCOMPARE(m.Konz, erstes);
        QCOMPARE(meldungen.texte.size(), 2);
    }

    void groesse_und_zustand_loeschen_oder_zeichnen()
    {
        Modell& m = m_;
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QVERIFY(!ganz_weiss(w.bild()));

        w.showMinimized();
        w.Form_Resize();
        QVERIFY(ganz_weiss(w.bild()));
        w.showNormal();
        w.Form_Resize();
        QVERIFY(!ganz_weiss(w.bild()));

        // After the parameters are accepted again the result is out of date.
        m.Berechnung_aktuell = false;
        w.resize(800, 500);
        QTRY_COMPARE(w.bild().size(), w.centralWidget()->size() * w.devicePixelRatio());
        QVERIFY(ganz_weiss(w.bild()));
        maus(w.centralWidget(), {0, 0});
        QCOMPARE(kind<QLabel>(&w, "lbl_cursor_position")->text(), QString("x = -20.0     y = 110.0"));
    }

    void kopieren()
    {
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        kind<QAction>(&w, "mnu_kopieren")->trigger();
        QCOMPARE(meldungen.texte, QStringList{"Grafik in Zwischenablage"});
        const QImage leer = QGuiApplication::clipboard()->image();
        QCOMPARE(leer.size(), w.centralWidget()->size());
        QVERIFY(ganz_weiss(leer));

        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        kind<QAction>(&w, "mnu_kopieren")->trigger();
        const QImage grafik = QGuiApplication::clipboard()->image();
        QCOMPARE(grafik.size(), w.centralWidget()->size());
        QVERIFY(zaehle(grafik, qRgb(255, 0, 0)) > 500);
    }

    void info_nur_einmal_und_ok_zeichnet_neu()
    {
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        const QImage gezeichnet = w.bild();
        QVERIFY(!ganz_weiss(gezeichnet));

        kind<QAction>(&w, "mnu_version")->trigger();
        kind<QAction>(&w, "mnu_version")->trigger();
        int infos = 0;
        for (QWidget* t : QApplication::topLevelWidgets())
            infos += qobject_cast<frm_info*>(t) && t->isVisible();
        QCOMPARE(infos, 1);
        auto* info = qobject_cast<frm_info*>(w.info());
        QVERIFY(info);
        QCOMPARE(info->windowTitle(), QString("Kalvion - Info"));
        QVERIFY(kind<QLabel>(info, "Label3")->text().startsWith("Kalvion.exe    -   Version " KALVION_VERSION "          "));
        QVERIFY(kind<QLabel>(info, "Label3")->text().endsWith("  02.2009"));
        QVERIFY(kind<QLabel>(info, "Label1")->text().startsWith("Kontakt:  "));
        QVERIFY(!(info->windowFlags() & Qt::WindowCloseButtonHint));
        QTest::keyClick(info, Qt::Key_Escape);
        QVERIFY(info->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(info));

        // Back from the dialog the window is cleared and, the result being
        // current, drawn again at once: "&Kopieren" copies the graph.
        // Enter presses the focused "OK", as on every desktop.
        kind<QPushButton>(info, "cmd_ok")->setFocus();
        QTest::keyClick(kind<QPushButton>(info, "cmd_ok"), Qt::Key_Return);
        QTRY_VERIFY(!w.info());
        QTRY_VERIFY(w.isActiveWindow());
        QCOMPARE(w.bild(), gezeichnet);
        kind<QAction>(&w, "mnu_kopieren")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 gezeichnet.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(meldungen.texte, (QStringList{"0 Fehler", "Grafik in Zwischenablage"}));
    }

    // Coming back from another program is no move between the program's
    // windows, whichever of them was active last: the plot stays.
    void zurueck_von_anderem_programm()
    {
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        kind<QAction>(&w, "mnu_version")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(w.info()));
        QWidget* info = w.info();
        QApplication::setActiveWindow(nullptr);  // another program has the focus
        QTRY_VERIFY(!info->isActiveWindow());
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(w.isActiveWindow());
        QVERIFY(!kam_von_anderem_programmfenster(&w));
        QVERIFY(zaehle(w.bild(), qRgb(255, 0, 0)) > 1500);
        // A move from the dialog itself does count.
        QApplication::setActiveWindow(info);
        QTRY_VERIFY(info->isActiveWindow());
        bool von_dialog = false;
        w.installEventFilter(this);
        pruefe_aktivierung_ = [&] { von_dialog = kam_von_anderem_programmfenster(&w); };
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(w.isActiveWindow());
        w.removeEventFilter(this);
        QVERIFY(von_dialog);
        QVERIFY(zaehle(w.bild(), qRgb(255, 0, 0)) > 1500);  // and draws the current result again

        // Drawn anew, not merely left standing: a new picture of the same result.
        const QImage vorher = w.bild();
        QApplication::setActiveWindow(info);
        QTRY_VERIFY(info->isActiveWindow());
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(w.isActiveWindow());
        QVERIFY(w.bild().cacheKey() != vorher.cacheKey());
        QCOMPARE(w.bild(), vorher);
        // And cleared when the result is no longer current.
        m_.Berechnung_aktuell = false;
        QApplication::setActiveWindow(info);
        QTRY_VERIFY(info->isActiveWindow());
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(w.isActiveWindow());
        QVERIFY(ganz_weiss(w.bild()));
    }

    void meldungsbox_loescht_nicht()
    {
        frm_grafik& w = *w_;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // The real "0 Fehler" box: closed by a key press as soon as it is up,
        // however long the run takes.
        QTimer schliesser;
        connect(&schliesser, &QTimer::timeout, [&schliesser] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                schliesser.stop();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        schliesser.start(20);
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QTRY_VERIFY(!schliesser.isActive());
        w.activateWindow();
        QTRY_VERIFY(w.isActiveWindow());
        QVERIFY(zaehle(w.bild(), qRgb(255, 0, 0)) > 500);
    }

    void beenden_waehrend_eines_laufs()
    {
        Modell& m = m_;
        frm_grafik& w = *w_;
        startwerte_setzen(m);
        m.Sinterzeit_s = 3600.0 * 1000;  // a long run
        Meldungsrekorder meldungen;
        QTimer::singleShot(0, kind<QAction>(&w, "mnu_beenden"), &QAction::trigger);
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(w.laeuft());
        QTRY_VERIFY(!w.isVisible());
        QVERIFY(!w.laeuft());  // the worker has been stopped and joined
        QTest::qWait(50);      // nothing it might still have queued arrives
        QVERIFY(meldungen.texte.isEmpty());
        QVERIFY(!m.Berechnung_aktuell);
    }

    void schliessen_waehrend_eines_laufs()
    {
        Modell& m = m_;
        frm_grafik& w = *w_;
        startwerte_setzen(m);
        m.Sinterzeit_s = 3600.0 * 1000;
        Meldungsrekorder meldungen;
        QTimer::singleShot(0, &w, &QWidget::close);
        kind<QAction>(&w, "mnu_run")->trigger();
        QTRY_VERIFY(!w.isVisible());
        QVERIFY(!w.laeuft());
        QVERIFY(meldungen.texte.isEmpty());
    }

    // "Berechnung &Abbrechen" and Escape stop a run at its next pass through
    // the event loop; the window is then ready for the next run, and nothing
    // half-computed is drawn.
    void abbrechen_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Menü Berechnung Abbrechen") << false;
        QTest::newRow("Escape") << true;
    }
    void abbrechen()
    {
        QFETCH(bool, escape);
        frm_grafik& w = *w_;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Meldungsrekorder meldungen;
        langer_lauf(w, m_);
        auto* abbrechen = kind<QAction>(&w, "mnu_abbrechen");
        QCOMPARE(abbrechen->text(), QString("Berechnung &Abbrechen"));
        QVERIFY(abbrechen->shortcut().isEmpty());
        QVERIFY(kind<QMenu>(&w, "mnu_datei")->actions().contains(abbrechen));
        QVERIFY(!abbrechen->isEnabled());
        QTest::keyClick(&w, Qt::Key_Escape);  // without a run: nothing to stop

        bool frei_waehrend_lauf = false, lief = false;
        QTimer::singleShot(0, &w, [&] {
            frei_waehrend_lauf = abbrechen->isEnabled() && !kind<QAction>(&w, "mnu_run")->isEnabled();
            lief = w.laeuft();
            if (escape)
                QTest::keyClick(&w, Qt::Key_Escape);
            else
                abbrechen->trigger();
        });
        QTest::mouseClick(kind<QPushButton>(&w, "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(w));

        QVERIFY(lief);
        QVERIFY(frei_waehrend_lauf);
        QVERIFY(meldungen.texte.isEmpty());
        QVERIFY(meldungen.fragen.isEmpty());
        QVERIFY(!m_.Berechnung_aktuell);
        QVERIFY(!m_.Berechnung_laeuft);
        QVERIFY(kind<QLabel>(&w, "lbl_fortschritt")->text() != "100  %");  // stopped on the way
        QVERIFY(!kind<QLabel>(&w, "lbl_fortschritt")->isVisible());
        QVERIFY(kind<QPushButton>(&w, "cmd_run")->isVisible());
        QVERIFY(kind<QPushButton>(&w, "cmd_run")->isEnabled());
        QVERIFY(kind<QAction>(&w, "mnu_run")->isEnabled());
        QVERIFY(kind<QAction>(&w, "mnu_Eingabe")->isEnabled());
        QVERIFY(!abbrechen->isEnabled());
        QVERIFY(ganz_weiss(w.bild()));
        w.Form_Resize();
        QVERIFY(ganz_weiss(w.bild()));

        // A run to its end leaves the command disabled as well.
        m_.Sinterzeit_s = 7200;
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QCOMPARE(meldungen.texte, QStringList{"0 Fehler"});
        QVERIFY(!abbrechen->isEnabled());
    }

    void zweiter_lauf_nach_abbruch()
    {
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        w.setze_zellschrittkosten(1e-15);
        m_.Sinterzeit_s = 7200.0 * 20;  // about 123000 steps
        QTimer::singleShot(0, kind<QAction>(&w, "mnu_abbrechen"), &QAction::trigger);
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QVERIFY(meldungen.texte.isEmpty());
        QVERIFY(!m_.Berechnung_aktuell);

        QTest::mouseClick(kind<QPushButton>(&w, "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(w));
        Modell ununterbrochen;
        startwerte_setzen(ununterbrochen);
        ununterbrochen.Sinterzeit_s = 7200.0 * 20;
        const Laufausgang ausgang = lauf_rechnen(ununterbrochen);
        QCOMPARE(meldungen.texte, QStringList{sprache::fehlermeldung(ausgang.fehlerzahl, ausgang.gesprungen)});
        QVERIFY(m_.Berechnung_aktuell);
        QCOMPARE(m_.Schritte, ununterbrochen.Schritte);
        QCOMPARE(m_.Konz, ununterbrochen.Konz);
        QCOMPARE(m_.Konz_10, ununterbrochen.Konz_10);
        QCOMPARE(m_.Konz_1000, ununterbrochen.Konz_1000);
        QVERIFY(zaehle(w.bild(), qRgb(255, 0, 0)) > 500);
    }

    void keine_frage_beim_startlauf()
    {
        // The cost as the program measures it: the start-up run takes milliseconds.
        Meldungsrekorder meldungen;
        QTest::mouseClick(kind<QPushButton>(w_.get(), "cmd_run"), Qt::LeftButton);
        QVERIFY(lauf_abwarten(*w_));
        QVERIFY(meldungen.fragen.isEmpty());
        QCOMPARE(meldungen.texte, QStringList{"0 Fehler"});
        QVERIFY(m_.Berechnung_aktuell);
    }

    // A long estimate asks first; "Abbrechen" (also Escape, the last button)
    // leaves everything as it was before the command.
    void frage_und_abbrechen_data()
    {
        QTest::addColumn<bool>("nach_einem_lauf");
        QTest::newRow("vor dem ersten Lauf") << false;
        QTest::newRow("nach einem Lauf") << true;
    }
    void frage_und_abbrechen()
    {
        QFETCH(bool, nach_einem_lauf);
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        if (nach_einem_lauf) {
            kind<QAction>(&w, "mnu_run")->trigger();
            QVERIFY(lauf_abwarten(w));
            QVERIFY(!ganz_weiss(w.bild()));
        }
        const Zustand vorher = zustand(w, m_);
        bool unveraendert_waehrend_frage = false;
        meldungen.bei_frage = [&](const QString&) { unveraendert_waehrend_frage = zustand(w, m_) == vorher; };
        startlauf_dauert(w, 13 * 3600);
        meldungen.antworten << "Abbrechen";
        kind<QAction>(&w, "mnu_run")->trigger();

        QCOMPARE(meldungen.fragen,
                 QStringList{"Die Berechnung dauert voraussichtlich etwa 13 Stunden.\nSchnell rechnen (nach Schritt "
                             "1000 in einem Sprung, sofort fertig) oder schrittweise?"});
        QCOMPARE(meldungen.angeboten, (QList<QStringList>{{"Schnell rechnen", "Schrittweise", "Abbrechen"}}));
        QVERIFY(unveraendert_waehrend_frage);
        QVERIFY(zustand(w, m_) == vorher);
        QCOMPARE(meldungen.texte.size(), nach_einem_lauf ? 1 : 0);
    }

    // The question comes only for an estimate above half a minute.
    void frage_ab_30_sekunden_data()
    {
        QTest::addColumn<double>("sekunden");
        QTest::addColumn<bool>("frage");
        QTest::newRow("30 s: keine Frage") << 30.0 << false;
        QTest::newRow("31 s: Frage") << 31.0 << true;
    }
    void frage_ab_30_sekunden()
    {
        QFETCH(double, sekunden);
        QFETCH(bool, frage);
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        startlauf_dauert(w, sekunden);
        meldungen.antworten << "Abbrechen";
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QCOMPARE(meldungen.fragen.size(), frage ? 1 : 0);
        if (frage)
            QVERIFY(meldungen.fragen[0].startsWith("Die Berechnung dauert voraussichtlich etwa 31 s.\n"));
        else
            QCOMPARE(meldungen.texte, QStringList{"0 Fehler"});
    }

        // "Schnell rechnen" jumps over the steps after step 1000, "Schrittweise"
    // steps as always; each gives the engine's profile and message.
    void antwort_waehlt_verfahren_data()
    {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<Verfahren>("verfahren");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Schnell rechnen") << "Schnell rechnen" << Verfahren::sprung << Sprungtext;
        QTest::newRow("Schrittweise") << "Schrittweise" << Verfahren::schrittweise << "0 Fehler";
    }
    void antwort_waehlt_verfahren()
    {
        QFETCH(QString, antwort);
        QFETCH(Verfahren, verfahren);
        QFETCH(QString, meldung);
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        QString fortschritt_am_ende;
        meldungen.waehrenddessen = [&](const QString&) { fortschritt_am_ende = kind<QLabel>(&w, "lbl_fortschritt")->text(); };
        startlauf_dauert(w, 600);
        meldungen.antworten << antwort;
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));

        QCOMPARE(meldungen.fragen.size(), 1);
        QCOMPARE(meldungen.texte, QStringList{meldung});
        QCOMPARE(fortschritt_am_ende, QString("100  %"));
        Modell erwartet;
        startwerte_setzen(erwartet);
        lauf_rechnen(erwartet, {}, verfahren);
        QCOMPARE(m_.Konz, erwartet.Konz);
        QCOMPARE(m_.Konz_1000, erwartet.Konz_1000);
        QVERIFY(m_.Berechnung_aktuell);
        QVERIFY(zaehle(w.bild(), qRgb(255, 0, 0)) > 500);
        QVERIFY(!kind<QAction>(&w, "mnu_abbrechen")->isEnabled());
    }

    // A step count the loop cannot count is refused with its number before
    // anything changes.
    void abgelehnte_schrittzahl_data()
    {
        QTest::addColumn<double>("x_max");
        QTest::addColumn<double>("d");
        QTest::addColumn<QString>("meldung");
        const QString rat = " Bitte eine kürzere Sinterzeit oder einen längeren Diffusionsweg wählen.";
        QTest::newRow("2^53 + 2") << 1.0 << 9007199254740994.0 * 2.5e-13 / (2 * 8640)
                                  << "Die Berechnung bräuchte 9007199254740994 Zeitschritte, mehr als das Programm "
                                     "zählen kann (höchstens 9007199254740992)." + rat;
        QTest::newRow("unendlich") << 1e-200 << 2.2e-10 << "Die Berechnung bräuchte unendlich viele Zeitschritte." + rat;
    }
    void abgelehnte_schrittzahl()
    {
        QFETCH(double, x_max);
        QFETCH(double, d);
        QFETCH(QString, meldung);
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        m_.x_max.setze_zahl(x_max);
        weg_ableiten(m_);
        m_.D = d;
        const Zustand vorher = zustand(w, m_);
        QTest::mouseClick(kind<QPushButton>(&w, "cmd_run"), Qt::LeftButton);
        QCOMPARE(meldungen.texte, QStringList{meldung});
        QVERIFY(meldungen.fragen.isEmpty());
        QVERIFY(zustand(w, m_) == vorher);
        QVERIFY(!m_.Berechnung_laeuft);
    }

    // A stepped run estimated above two seconds shows the time left next to
    // the percent; the label grows with its text and keeps its place. A jump
    // shows the percent alone.
    void restzeit_im_fortschritt_data()
    {
        QTest::addColumn<double>("sekunden");
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<bool>("restzeit");
        QTest::newRow("10 s") << 10.0 << "" << true;
        QTest::newRow("2,5 s") << 2.5 << "" << true;
        QTest::newRow("2 s: nur Prozent") << 2.0 << "" << false;
        QTest::newRow("600 s schnell: nur Prozent") << 600.0 << "Schnell rechnen" << false;
    }
    void restzeit_im_fortschritt()
    {
        QFETCH(double, sekunden);
        QFETCH(QString, antwort);
        QFETCH(bool, restzeit);
        frm_grafik& w = *w_;
        Meldungsrekorder meldungen;
        langer_lauf(w, m_);
        w.setze_zellschrittkosten(sekunden / (laufschritte(m_) * 200));
        if (!antwort.isEmpty())
            meldungen.antworten << antwort;
        auto* fortschritt = kind<QLabel>(&w, "lbl_fortschritt");
        QString text;
        bool passt = false;
        auto lesen = [&] {
            text = fortschritt->text();
            passt = fortschritt->width() >= fortschritt->sizeHint().width() &&
                    fortschritt->width() >= 121 && fortschritt->pos() == QPoint(0, 40);
        };
        if (antwort.isEmpty()) {
            QTimer::singleShot(0, &w, [&] {
                lesen();
                kind<QAction>(&w, "mnu_abbrechen")->trigger();
            });
        } else {
            meldungen.waehrenddessen = [&](const QString&) { lesen(); };  // a jump ends before any timer
        }
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QCOMPARE(meldungen.fragen.size(), antwort.isEmpty() ? 0 : 1);
        const QString muster = restzeit ? "^\\d{1,3}  %   noch etwa \\d+ (s|min)$" : "^\\d{1,3}  %$";
        QVERIFY2(QRegularExpression(muster).match(text).hasMatch(), qPrintable(text));
        QVERIFY(passt);
    }

    void fortschrittsanzeige_data()
    {
        QTest::addColumn<int>("prozent");
        QTest::addColumn<double>("geschaetzt");
        QTest::addColumn<double>("vergangen");
        QTest::addColumn<QString>("anzeige");
        QTest::newRow("am Anfang nach der Schätzung") << 0 << 120.0 << 0.0 << "0  %   noch etwa 2 min";
        QTest::newRow("vor dem ersten Prozent") << 0 << 120.0 << 80.0 << "0  %   noch etwa 40 s";
        QTest::newRow("Schätzung überschritten") << 0 << 120.0 << 130.0 << "0  %   noch etwa 1 s";
        QTest::newRow("nach dem bisherigen Tempo") << 47 << 1000.0 << 94.0 << "47  %   noch etwa 2 min";
        QTest::newRow("halb") << 50 << 1.0 << 20.0 << "50  %   noch etwa 20 s";
        QTest::newRow("99 %") << 99 << 46800.0 << 46000.0 << "99  %   noch etwa 8 min";
        QTest::newRow("fertig") << 100 << 46800.0 << 46000.0 << "100  %";
    }
    void fortschrittsanzeige()
    {
        QFETCH(int, prozent);
        QFETCH(double, geschaetzt);
        QFETCH(double, vergangen);
        QFETCH(QString, anzeige);
        QCOMPARE(kalvion::fortschrittsanzeige(prozent, geschaetzt, vergangen, Deutsch), anzeige);
    }

    void dauertexte_data()
    {
        QTest::addColumn<double>("sekunden");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("unter einer Sekunde") << 0.2 << C_Locale << "etwa 1 s";
        QTest::newRow("40 s") << 40.0 << Deutsch << "etwa 40 s";
        QTest::newRow("59,4 s") << 59.4 << Deutsch << "etwa 59 s";
        QTest::newRow("59,6 s: eine Minute") << 59.6 << Deutsch << "etwa 1 min";
        QTest::newRow("2 min") << 120.0 << C_Locale << "etwa 2 min";
        QTest::newRow("59 min 50 s: eine Stunde") << 3590.0 << Deutsch << "etwa 1 Stunde";
        QTest::newRow("eineinhalb Stunden") << 5400.0 << Deutsch << "etwa 2 Stunden";
        QTest::newRow("13 Stunden") << 46800.0 << Deutsch << "etwa 13 Stunden";
        QTest::newRow("47 Stunden") << 47.4 * 3600 << Deutsch << "etwa 47 Stunden";
        QTest::newRow("47,6 Stunden: zwei Tage") << 47.6 * 3600 << Deutsch << "etwa 2 Tage";
        QTest::newRow("3 Tage") << 3 * 86400.0 << Deutsch << "etwa 3 Tage";
        QTest::newRow("364 Tage") << 364 * 86400.0 << C_Locale << "etwa 364 Tage";
        QTest::newRow("400 Tage: ein Jahr") << 400 * 86400.0 << Deutsch << "etwa 1 Jahr";
        QTest::newRow("114 Jahre") << 114 * 365.25 * 86400 << Deutsch << "etwa 114 Jahre";
        QTest::newRow("negativ") << -5.0 << Deutsch << "etwa 1 s";
    }
    void dauertexte()
    {
        QFETCH(double, sekunden);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(dauertext(sekunden, locale), text);
    }

    // The real question box: titled "Kalvion", no icon, the buttons in the
    // given order, the first the default, Escape the last.
    void fragebox_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("klick");
        QTest::addColumn<int>("antwort");
        QTest::newRow("Eingabetaste: der erste Knopf") << int(Qt::Key_Return) << "" << 0;
        QTest::newRow("Escape: der letzte Knopf") << int(Qt::Key_Escape) << "" << 2;
        QTest::newRow("Klick auf Schrittweise") << 0 << "Schrittweise" << 1;
    }
    void fragebox()
    {
        QFETCH(int, taste);
        QFETCH(QString, klick);
        QFETCH(int, antwort);
        QString titel, vorgabe;
        QStringList reihenfolge;
        bool ohne_symbol = false;
        QTimer beantworter;
        connect(&beantworter, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            beantworter.stop();
            titel = box->windowTitle();
            ohne_symbol = box->icon() == QMessageBox::NoIcon;
            vorgabe = box->defaultButton() ? box->defaultButton()->text() : QString();
            QList<QAbstractButton*> knoepfe = box->buttons();
            std::sort(knoepfe.begin(), knoepfe.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
            for (QAbstractButton* k : knoepfe) {
                reihenfolge << k->text();
                if (k->text() == klick)
                    QTest::mouseClick(k, Qt::LeftButton);
            }
            if (taste)
                QTest::keyClick(box, Qt::Key(taste));
        });
        beantworter.start(20);
        const QStringList knoepfe{"Schnell rechnen", "Schrittweise", "Abbrechen"};
        QCOMPARE(kalvion::frage(w_.get(), "Wie?", knoepfe), antwort);
        QCOMPARE(titel, QString("Kalvion"));
        QVERIFY(ohne_symbol);
        QCOMPARE(vorgabe, QString("Schnell rechnen"));
        QCOMPARE(reihenfolge, knoepfe);
    }
};

QTEST_MAIN(tst_grafik)
#include "tst_grafik.moc"
