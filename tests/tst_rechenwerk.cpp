// SPDX-License-Identifier: GPL-3.0-or-later
// The run on its worker thread, seen from the main window: it keeps going
// while a menu or a message box is open, a cancel keeps the result before it,
// saves and exports during a run write nothing, and quick starts, cancels and
// an end of the program in the middle of a run leave nothing behind. Also
// built under ThreadSanitizer by scripts/tsan.sh.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ergebnisdatei.h"
#include "exportbefehle.h"
#include "frm_grafik.h"
#include "meldungsrekorder.h"
#include "testhilfen.h"

using namespace kalvion;

namespace {

// About three million steps: a second or so of stepping, a hundred percent
// texts on the way; cancelled long before its end where a test needs that.
void langer_lauf(Modell& m)
{
    startwerte_setzen(m);
    m.Sinterzeit_s = 3600.0 * 1000;
}

const QString Laeuft_noch = QString::fromUtf8("Die Berechnung läuft noch.");

}  // namespace

class tst_rechenwerk : public QObject {
    Q_OBJECT

    Modell m_;
    std::unique_ptr<frm_grafik> w_;

    QAction* aktion(const char* name) { return kind<QAction>(w_.get(), name); }

    // Opens a modal widget from inside the event loop while the run computes,
    // and reports how many percent texts the window showed meanwhile.
    int prozente_waehrend(const std::function<QWidget*()>& oeffnen)
    {
        int gesehen = 0;
        QTimer::singleShot(0, w_.get(), [&] {
            QWidget* offen = oeffnen();
            QSet<QString> texte;
            QTimer beobachter;
            QElapsedTimer uhr;
            uhr.start();
            connect(&beobachter, &QTimer::timeout, offen, [&] {
                texte.insert(kind<QLabel>(w_.get(), "lbl_fortschritt")->text());
                if (texte.size() >= 4 || uhr.elapsed() > 30000)
                    offen->close();
            });
            beobachter.start(5);
            if (auto* menu = qobject_cast<QMenu*>(offen))
                menu->exec(w_->mapToGlobal(QPoint(10, 10)));
            else
                static_cast<QDialog*>(offen)->exec();
            gesehen = int(texte.size());
            delete offen;
        });
        aktion("mnu_run")->trigger();
        if (!QTest::qWaitFor([&] { return gesehen > 0; }, 40000))
            return -1;
        aktion("mnu_abbrechen")->trigger();
        if (!lauf_abwarten(*w_))
            return -1;
        return gesehen;
    }

private slots:
    void init()
    {
        m_ = Modell{};
        w_ = std::make_unique<frm_grafik>(m_, Dialogfabriken{}, C_Locale);
        w_->setze_zellschrittkosten(1e-15);  // no question before a run
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void cleanup() { w_.reset(); }

    // Before, the run passed through the event loop and a menu or a box
    // opened there held it still; now both leave it stepping.
    void laeuft_weiter_bei_offenem_menue_und_box_data()
    {
        QTest::addColumn<bool>("box");
        QTest::newRow("Menü Datei offen") << false;
        QTest::newRow("Meldungsbox offen") << true;
    }
    void laeuft_weiter_bei_offenem_menue_und_box()
    {
        QFETCH(bool, box);
        langer_lauf(m_);
        const int prozente = prozente_waehrend([&]() -> QWidget* {
            if (box)
                return new QMessageBox(QMessageBox::NoIcon, "Kalvion", "Eine Meldung", QMessageBox::Ok, w_.get());
            auto* datei = new QMenu(w_.get());
            datei->addActions(kind<QMenu>(w_.get(), "mnu_datei")->actions());
            return datei;
        });
        QVERIFY2(prozente >= 4, qPrintable(QString::number(prozente)));
    }

    // A cancel leaves the result of the parameters in force: drawn, current,
    // saveable, and unchanged. After a changed "ok" there is none to keep.
    void abbruch_behaelt_das_vorige_ergebnis()
    {
        Meldungsrekorder meldungen;
        startwerte_setzen(m_);
        aktion("mnu_run")->trigger();
        QVERIFY(lauf_abwarten(*w_));
        const QImage bild = w_->bild();
        const Ergebniszeiger vorher = w_->ergebnisstand().aktuell;
        QVERIFY(vorher);
        QVERIFY(zaehle(bild, qRgb(255, 0, 0)) > 500);

        m_.Sinterzeit_s = 3600.0 * 1000;  // the next run is long; cancelled on the way
        aktion("mnu_run")->trigger();
        QVERIFY(w_->ergebnisstand().laeuft);
        QVERIFY(zaehle(w_->bild(), qRgb(255, 0, 0)) == 0);  // cleared for the run
        aktion("mnu_abbrechen")->trigger();
        QVERIFY(lauf_abwarten(*w_));
        QCOMPARE(meldungen.texte, QStringList{"0 Fehler"});
        QCOMPARE(w_->ergebnisstand().aktuell, vorher);
        QVERIFY(m_.Berechnung_aktuell);
        QCOMPARE(w_->bild(), bild);
        QCOMPARE(vorher->modell.Konz[1], standardlauf().Konz[1]);
        QTemporaryDir d;
        QCOMPARE(speichere(w_->ergebnisstand(), d.path(), "nach_abbruch.txt", QDate(2026, 12, 8), C_Locale),
                 Speicherergebnis::gespeichert);
        QCOMPARE(lies_datei(d.path() + "/nach_abbruch.txt"),
                 *ergebnisblock(standardlauf(), QDir::toNativeSeparators(d.path() + "/nach_abbruch.txt"),
                                QDate(2026, 12, 8), C_Locale));

        // A changed "ok": the old result no longer counts, a cancel brings none back.
        Modell geaendert = m_;
        geaendert.x_max.setze_text(60, "60");
        parameter_uebernehmen(geaendert, {});
        geaendert.Sinterzeit_s = 3600.0 * 1000;
        w_->parameter_uebernommen(geaendert);
        QVERIFY(!w_->ergebnisstand().aktuell);
        aktion("mnu_run")->trigger();
        aktion("mnu_abbrechen")->trigger();
        QVERIFY(lauf_abwarten(*w_));
        QVERIFY(!w_->ergebnisstand().aktuell);
        QVERIFY(!m_.Berechnung_aktuell);
        QCOMPARE(zaehle(w_->bild(), qRgb(255, 0, 0)), 0);
        QCOMPARE(meldungen.texte.size(), 1);
    }

    // Every save and export during a run says so and writes nothing.
    void speichern_und_exportieren_waehrend_eines_laufs()
    {
        Meldungsrekorder meldungen;
        int dateiwahlen = 0;
        const Dateiwahl alt = setze_dateiwahl([&](QWidget*, const QString&, const QString&, const QStringList&) {
            ++dateiwahlen;
            return QString("/nirgends/datei.csv");
        });
        langer_lauf(m_);
        aktion("mnu_run")->trigger();
        QVERIFY(w_->laeuft());
        aktion("mnu_grafik_speichern")->trigger();
        aktion("mnu_kurven_speichern")->trigger();
        QTemporaryDir d;
        QCOMPARE(speichere(w_->ergebnisstand(), d.path(), "x.txt", QDate(2026, 12, 8), C_Locale),
                 Speicherergebnis::berechnung_laeuft);
        aktion("mnu_abbrechen")->trigger();
        QVERIFY(lauf_abwarten(*w_));
        setze_dateiwahl(alt);
        QCOMPARE(meldungen.texte, (QStringList{Laeuft_noch, Laeuft_noch}));
        QCOMPARE(dateiwahlen, 0);
        QVERIFY(QDir(d.path()).isEmpty());
    }

    // Quick starts and cancels, and results replaced by newer ones: nothing
    // crashes, nothing is kept alive, the next whole run is the right one.
    void zweihundert_starts_und_abbrueche()
    {
        Meldungsrekorder meldungen;
        langer_lauf(m_);
        for (int i = 0; i < 200; ++i) {
            aktion("mnu_run")->trigger();
            if (i % 2)
                QCoreApplication::processEvents();  // sometimes a report is on its way
            aktion("mnu_abbrechen")->trigger();
            QVERIFY(lauf_abwarten(*w_));
        }
        QVERIFY(meldungen.texte.isEmpty());
        QVERIFY(!m_.Berechnung_aktuell);

        startwerte_setzen(m_);
        aktion("mnu_run")->trigger();
        QVERIFY(lauf_abwarten(*w_));
        std::weak_ptr<const Ergebnis> erstes = w_->ergebnisstand().aktuell;
        aktion("mnu_run")->trigger();
        QVERIFY(lauf_abwarten(*w_));
        QCOMPARE(meldungen.texte, (QStringList{"0 Fehler", "0 Fehler"}));
        QVERIFY(erstes.expired());  // a replaced result is freed
        QCOMPARE(m_.Konz, standardlauf().Konz);
    }

    // "Beenden" at once after the start: the worker is stopped and joined
    // before the command returns, and nothing arrives afterwards.
    void beenden_gleich_nach_dem_start()
    {
        Meldungsrekorder meldungen;
        langer_lauf(m_);
        aktion("mnu_run")->trigger();
        aktion("mnu_beenden")->trigger();
        QVERIFY(!w_->laeuft());
        QVERIFY(!w_->isVisible());
        QTest::qWait(20);
        QVERIFY(meldungen.texte.isEmpty());
        QVERIFY(!m_.Berechnung_aktuell);
        QVERIFY(!w_->ergebnisstand().aktuell);
        w_.reset();  // the window goes with the run stopped: no thread left to join
    }
};

QTEST_MAIN(tst_rechenwerk)
#include "tst_rechenwerk.moc"
