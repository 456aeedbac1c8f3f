// SPDX-License-Identifier: GPL-3.0-or-later
// The save dialog: the linked drive, folder and file lists, the composed
// path, and "&ok" with its refusals, on real widgets.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "anfangsprofil.h"
#include "ergebnisdatei.h"
#include "frm_speichern.h"
#include "meldungsrekorder.h"
#include "testhilfen.h"

using namespace kalvion;

namespace {

QListWidgetItem* eintrag(QListWidget* liste, const QString& endung)
{
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->text().endsWith(endung))
            return liste->item(i);
    return nullptr;
}

}  // namespace

class tst_speichern : public QObject {
    Q_OBJECT

    QTemporaryDir ordner_;
    QString vorher_;
    Modell m_;
    QByteArray alt_;  // alt.txt: a results file of one block

    // Opens a dialog as the main window's menu does: discarded on closing.
    QPointer<frm_speichern> oeffne()
    {
        auto* d = new frm_speichern([this] { return stand(m_); }, QLocale::c());
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->show();
        return d;
    }

    QByteArray inhalt(const QString& name)
    {
        QFile f(ordner_.path() + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        vorher_ = QDir::currentPath();
        QDir(ordner_.path()).mkdir("unter");
        QDir::setCurrent(ordner_.path());
        startwerte_setzen(m_);
        anfangsprofil(m_);
        m_.Berechnung_aktuell = true;
        alt_ = *ergebnisblock(m_, ordner_.path() + "/alt.txt", QDate(2009, 2, 1), QLocale::c());
        schreibe_datei(ordner_.path() + "/alt.txt", alt_);
    }
    void cleanup()
    {
        QDir::setCurrent(vorher_);
        for (const QString& n : QDir(ordner_.path()).entryList(QDir::Files))
            QFile::remove(ordner_.path() + "/" + n);
    }

    void oeffnet_im_aktuellen_ordner()
    {
        auto d = oeffne();
        QCOMPARE(d->windowTitle(), QString("Kalvion  -  Daten  speichern"));
        QCOMPARE(d->size(), QSize(431, 284));
        QCOMPARE(kind<QComboBox>(d, "drive")->itemText(0), QString("/"));
        QVERIFY(kind<QLabel>(d, "lbl_pfad")->text().isEmpty());
        QVERIFY(kind<QLineEdit>(d, "txt_dateiname")->text().isEmpty());
        QCOMPARE(d->Pfad, ordner_.path());
        QVERIFY(eintrag(kind<QListWidget>(d, "file"), "alt.txt"));
        QVERIFY(eintrag(kind<QListWidget>(d, "dir"), "unter"));
        d->close();
    }

    void name_tippen_und_speichern()
    {
        auto d = oeffne();
        Meldungsrekorder meldungen;
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "neu.txt");
        QCOMPARE(d->Dateiname, QString("neu.txt"));
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), ordner_.path() + "/neu.txt");
        QTest::mouseClick(kind<QPushButton>(d, "cmd_ok"), Qt::LeftButton);
        QVERIFY(meldungen.texte.isEmpty());
        QTRY_VERIFY(!d);  // closed and discarded
        QVERIFY(inhalt("neu.txt").startsWith((ordner_.path() + "/neu.txt\r\n").toLatin1()));
        QCOMPARE(inhalt("neu.txt").count('\n'), 217);
    }

    void ordner_wechseln()
    {
        auto d = oeffne();
        QListWidgetItem* unter = eintrag(kind<QListWidget>(d, "dir"), "unter");
        kind<QListWidget>(d, "dir")->setCurrentItem(unter);
        QTest::keyClick(kind<QListWidget>(d, "dir"), Qt::Key_Return);
        QCOMPARE(d->Pfad, ordner_.path() + "/unter");
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), ordner_.path() + "/unter/");
        QCOMPARE(kind<QListWidget>(d, "file")->count(), 0);
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "x");
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), ordner_.path() + "/unter/x");

        d->setze_ordner("/");
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), QString("/x"));  // a root already ends in its separator
        d->close();
    }

    void datei_waehlen_haengt_an()
    {
        auto d = oeffne();
        QListWidgetItem* alt = eintrag(kind<QListWidget>(d, "file"), "alt.txt");
        QTest::mouseClick(kind<QListWidget>(d, "file")->viewport(), Qt::LeftButton, {}, kind<QListWidget>(d, "file")->visualItemRect(alt).center());
        QCOMPARE(kind<QLineEdit>(d, "txt_dateiname")->text(), QString("alt.txt"));
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), ordner_.path() + "/alt.txt");
        QTest::mouseClick(kind<QPushButton>(d, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!d);
        QVERIFY(inhalt("alt.txt").startsWith(alt_ + (ordner_.path() + "/alt.txt\r\n").toLatin1()));
    }

    // The arrow keys in the file list pick the highlighted file: the name and
    // the path line follow, and Enter on the focused "&ok" appends to it.
    void datei_mit_pfeiltasten()
    {
        QFile b(ordner_.path() + "/b.txt");
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.close();
        auto d = oeffne();
        auto* file = kind<QListWidget>(d, "file");
        QTest::mouseClick(file->viewport(), Qt::LeftButton, {}, file->visualItemRect(eintrag(file, "alt.txt")).center());
        QCOMPARE(kind<QLineEdit>(d, "txt_dateiname")->text(), QString("alt.txt"));
        QTest::keyClick(file, Qt::Key_Down);
        QCOMPARE(file->currentItem()->text(), QString("b.txt"));
        QCOMPARE(kind<QLineEdit>(d, "txt_dateiname")->text(), QString("b.txt"));
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), ordner_.path() + "/b.txt");
        auto* ok = kind<QPushButton>(d, "cmd_ok");
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        QTRY_VERIFY(!d);
        QCOMPARE(inhalt("alt.txt"), alt_);
        QVERIFY(inhalt("b.txt").startsWith((ordner_.path() + "/b.txt\r\n").toLatin1()));
    }

    // Tabbing from the typed name into the file list passes its entries by:
    // "&ok" then writes under the typed name. Enter on the entry the focus
    // rests on picks it, as a click would.
    void tab_in_die_dateiliste_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("ziel");
        QTest::newRow("Tab, Alt+O") << false << "neu.txt";
        QTest::newRow("Tab, Enter in der Liste, Alt+O") << true << "alt.txt";
    }
    void tab_in_die_dateiliste()
    {
        QFETCH(bool, enter);
        QFETCH(QString, ziel);
        auto d = oeffne();
        QApplication::setActiveWindow(d);
        QVERIFY(QTest::qWaitForWindowActive(d));
        auto* name = kind<QLineEdit>(d, "txt_dateiname");
        auto* file = kind<QListWidget>(d, "file");
        QVERIFY(name->hasFocus());
        QTest::keyClicks(name, "neu.txt");
        for (int i = 0; i < 10 && !file->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(file->hasFocus());
        QCOMPARE(file->currentItem()->text(), QString("alt.txt"));
        QCOMPARE(name->text(), QString("neu.txt"));
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), ordner_.path() + "/neu.txt");
        if (enter)
            QTest::keyClick(file, Qt::Key_Return);
        QCOMPARE(name->text(), ziel);
        QVERIFY(d && d->isVisible());
        QTest::keyClick(file, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!d);
        QCOMPARE(inhalt("alt.txt").size() > alt_.size(), ziel == "alt.txt");
        QCOMPARE(QFile::exists(ordner_.path() + "/neu.txt"), ziel == "neu.txt");
    }

    // An existing file that is no results file is only appended to after
    // "Ja"; "Nein", the default, writes nothing and leaves the dialog open.
    // An empty file or a results file takes the block without a question.
    void anhaengen_an_vorhandene_datei_data()
    {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QStringList>("antworten");
        QTest::addColumn<bool>("gefragt");
        QTest::addColumn<bool>("angehaengt");
        const QByteArray parameter("{\n    \"dezimalzeichen\": \",\",\n    \"format\": 1\n}\n");
        QTest::newRow("leere Datei") << QByteArray() << QStringList() << false << true;
        QTest::newRow("Ergebnisdatei eines anderen Ordners")
            << *ergebnisblock(standardlauf(), "/woanders/ziel.kalvion", QDate(2009, 2, 1), QLocale::c()) << QStringList()
            << false << true;
        QTest::newRow("Parameterdatei, Nein") << parameter << QStringList{"Nein"} << true << false;
        QTest::newRow("Parameterdatei, Escape") << parameter << QStringList() << true << false;
        QTest::newRow("Parameterdatei, Ja") << parameter << QStringList{"Ja"} << true << true;
        QTest::newRow("Bild, Nein") << QByteArray("\x89PNG\r\n\x1a\n", 8) << QStringList{"Nein"} << true << false;
    }
    void anhaengen_an_vorhandene_datei()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QStringList, antworten);
        QFETCH(bool, gefragt);
        QFETCH(bool, angehaengt);
        schreibe_datei(ordner_.path() + "/ziel.kalvion", vorher);
        auto d = oeffne();
        Meldungsrekorder meldungen;
        meldungen.antworten = antworten;
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "ziel.kalvion");
        QTest::mouseClick(kind<QPushButton>(d, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(meldungen.texte, QStringList());
        if (gefragt) {
            QCOMPARE(meldungen.fragen,
                     QStringList{QString::fromUtf8("„ziel.kalvion“ ist keine Kalvion-Ergebnisdatei. Trotzdem anhängen?")});
            QCOMPARE(meldungen.angeboten, (QList<QStringList>{{"Ja", "Nein"}}));
            QCOMPARE(meldungen.vorgaben, QStringList{"Nein"});
        } else {
            QCOMPARE(meldungen.fragen, QStringList());
        }
        const QByteArray block =
            *ergebnisblock(m_, ordner_.path() + "/ziel.kalvion", QDate::currentDate(), QLocale::c());
        QCOMPARE(inhalt("ziel.kalvion"), angehaengt ? vorher + block : vorher);
        if (angehaengt) {
            QTRY_VERIFY(!d);
        } else {
            QVERIFY(d && d->isVisible());
            d->close();
        }
    }

    void enter_auf_abbrechen()
    {
        auto d = oeffne();
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "neu.txt");
        QTest::keyClick(kind<QLineEdit>(d, "txt_dateiname"), Qt::Key_Return);  // in the field: nothing
        QVERIFY(d && d->isVisible());
        auto* abbrechen = kind<QPushButton>(d, "cmd_abbrechen");
        abbrechen->setFocus();
        QTest::keyClick(abbrechen, Qt::Key_Enter);
        QTRY_VERIFY(!d);
        QVERIFY(!QFile::exists(ordner_.path() + "/neu.txt"));
    }

    // A deep path keeps its file name in sight; the whole path is the tooltip.
    void langer_pfad()
    {
        QString tief = ordner_.path();
        for (int i = 0; i < 8; ++i)
            tief += "/ein_recht_langer_ordnername_" + QString::number(i);
        QVERIFY(QDir().mkpath(tief));
        auto d = oeffne();
        d->setze_ordner(tief);
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "ergebnis.txt");
        auto* pfad = kind<QLabel>(d, "lbl_pfad");
        QCOMPARE(pfad->toolTip(), tief + "/ergebnis.txt");
        QVERIFY(pfad->text().endsWith("/ergebnis.txt"));
        QVERIFY(pfad->text().contains(QChar(0x2026)));  // "…" in the middle
        QVERIFY(pfad->fontMetrics().horizontalAdvance(pfad->text()) <= pfad->width());
        d->close();
    }

    void leerer_name()
    {
        auto d = oeffne();
        Meldungsrekorder meldungen;
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "a");
        QTest::keyClick(kind<QLineEdit>(d, "txt_dateiname"), Qt::Key_Backspace);
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), ordner_.path() + "/");
        QTest::mouseClick(kind<QPushButton>(d, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(meldungen.texte, QStringList{"Dateiname fehlt!"});
        QVERIFY(d && d->isVisible());
        d->close();
    }

    void ohne_berechnung()
    {
        m_.Berechnung_aktuell = false;
        auto d = oeffne();
        Meldungsrekorder meldungen;
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "neu.txt");
        QTest::mouseClick(kind<QPushButton>(d, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(meldungen.texte, QStringList{QString::fromUtf8("Noch keine aktuelle Berechnung durchgeführt!")});
        QTRY_VERIFY(!d);
        QVERIFY(!QFile::exists(ordner_.path() + "/neu.txt"));
    }

    // During a run "&ok" says so and writes nothing; the dialog stays, and
    // once the run has finished the same "&ok" saves.
    void waehrend_eines_laufs()
    {
        m_.Berechnung_laeuft = true;
        auto d = oeffne();
        Meldungsrekorder meldungen;
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "alt.txt");
        QTest::mouseClick(kind<QPushButton>(d, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(meldungen.texte, QStringList{QString::fromUtf8("Die Berechnung läuft noch.")});
        QVERIFY(d && d->isVisible());
        QCOMPARE(inhalt("alt.txt"), alt_);

        m_.Berechnung_laeuft = false;
        QTest::mouseClick(kind<QPushButton>(d, "cmd_ok"), Qt::LeftButton);
        QTRY_VERIFY(!d);
        QCOMPARE(meldungen.texte.size(), 1);
        QVERIFY(inhalt("alt.txt").size() > alt_.size());
    }

    void fehlschlag_laesst_dialog_offen()
    {
        auto d = oeffne();
        Meldungsrekorder meldungen;
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "unter");  // a folder, not a file
        QTest::mouseClick(kind<QPushButton>(d, "cmd_ok"), Qt::LeftButton);
        QCOMPARE(meldungen.texte, QStringList{"Speichern fehlgeschlagen!"});
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->Dateiname, QString("unter"));
        d->close();
    }

    void abbrechen_und_neu_oeffnen()
    {
        auto d = oeffne();
        QTest::keyClicks(kind<QLineEdit>(d, "txt_dateiname"), "neu.txt");
        QTest::mouseClick(kind<QPushButton>(d, "cmd_abbrechen"), Qt::LeftButton);
        QTRY_VERIFY(!d);
        QVERIFY(!QFile::exists(ordner_.path() + "/neu.txt"));
        auto wieder = oeffne();
        QVERIFY(kind<QLineEdit>(wieder, "txt_dateiname")->text().isEmpty());
        QVERIFY(kind<QLabel>(wieder, "lbl_pfad")->text().isEmpty());
        wieder->close();
    }

    void laufwerk_nicht_lesbar()
    {
        auto d = oeffne();
        Meldungsrekorder meldungen;
        kind<QComboBox>(d, "drive")->addItem("/kein/laufwerk");
        kind<QComboBox>(d, "drive")->setCurrentIndex(kind<QComboBox>(d, "drive")->count() - 1);
        QCOMPARE(meldungen.texte, QStringList{QString::fromUtf8("Zugriff nicht möglich!")});
        QCOMPARE(kind<QComboBox>(d, "drive")->currentIndex(), 0);
        QCOMPARE(d->Pfad, QString("/"));
        QCOMPARE(kind<QLabel>(d, "lbl_pfad")->text(), QString("/"));
        d->close();
    }
};

QTEST_MAIN(tst_speichern)
#include "tst_speichern.moc"
