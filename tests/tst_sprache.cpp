// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its dialogs in English and in German: every text a user
// reads, with the numbers after the locale whatever the language.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "frm_Eingabe.h"
#include "frm_speichern.h"
#include "meldungsrekorder.h"
#include "programm.h"
#include "sprache.h"
#include "testhilfen.h"

using namespace kalvion;

namespace {

// What a user reads in a window: titles, labels, buttons, menus, table
// headers and tooltips; typed values are no texts.
QStringList texte(const QWidget* fenster)
{
    QStringList t{fenster->windowTitle(), fenster->toolTip()};
    for (const QWidget* k : fenster->findChildren<QWidget*>()) {
        t << k->toolTip();
        if (auto* l = qobject_cast<const QLabel*>(k))
            t << l->text();
        if (auto* b = qobject_cast<const QAbstractButton*>(k))
            t << b->text();
        if (auto* g = qobject_cast<const QGroupBox*>(k))
            t << g->title();
        if (auto* m = qobject_cast<const QMenu*>(k))
            t << m->title();
        if (auto* v = qobject_cast<const QAbstractItemView*>(k); v && v->model())
            for (int s = 0; s < v->model()->columnCount(); ++s)
                t << v->model()->headerData(s, Qt::Horizontal).toString();
    }
    for (const QAction* a : fenster->findChildren<QAction*>())
        t << a->text() << a->toolTip();
    t.removeAll(QString());
    return t;
}

// Signs of German: its letters and its common words. "sofort" is the
// programme table's keyword for a step without ramp, typed as it is.
const QStringList Deutsch_merkmale{
    QStringLiteral("ä"),          QStringLiteral("ö"),         QStringLiteral("ü"),          QStringLiteral("ß"),
    QStringLiteral("Ä"),          QStringLiteral("Ö"),         QStringLiteral("Ü"),          QStringLiteral("Berechnung"),
    QStringLiteral("Datei"),      QStringLiteral("peichern"),  QStringLiteral("laden"),      QStringLiteral("Eingabe"),
    QStringLiteral("Bearbeiten"), QStringLiteral("Kopieren"),  QStringLiteral("Beenden"),    QStringLiteral("Fehler"),
    QStringLiteral("Abbrechen"),  QStringLiteral("Modell"),    QStringLiteral("Gesamt"),     QStringLiteral("Zellen"),
    QStringLiteral("Messprofil"), QStringLiteral("Schritte"),  QStringLiteral("Zugriff"),    QStringLiteral("Temperaturprogramm"),
    QStringLiteral("Halten"),     QStringLiteral("Ziel"),      QStringLiteral("Kein"),       QStringLiteral("Grafik"),
    QStringLiteral("Zwischenablage"), QStringLiteral("Kontakt"), QStringLiteral(" und "),    QStringLiteral(" der "),
    QStringLiteral(" die "),      QStringLiteral(" mit "),     QStringLiteral(" bei "),      QStringLiteral("unendlich"),
};
const QStringList Erlaubt{QStringLiteral("sofort")};

QString deutsches_in(const QStringList& texte)
{
    for (QString text : texte) {
        for (const QString& wort : Erlaubt)
            text.remove(wort);
        for (const QString& merkmal : Deutsch_merkmale)
            if (text.contains(merkmal))
                return text;
    }
    return QString();
}

bool aktiv(QWidget* fenster)
{
    QApplication::setActiveWindow(fenster);
    return QTest::qWaitFor([&] { return fenster->isActiveWindow(); });
}

frm_Eingabe* bis_zur_eingabe(frm_grafik& w)
{
    w.show();
    if (!QTest::qWaitFor([&] { return w.eingabe() != nullptr; }))
        return nullptr;
    auto* dlg = qobject_cast<frm_Eingabe*>(w.eingabe());
    if (!QTest::qWaitFor([&] { return kind<QLineEdit>(dlg, "txt_Sintertemp")->text() == QStringLiteral("1050"); }))
        return nullptr;
    return aktiv(dlg) ? dlg : nullptr;
}

// Every window and dialog once, and a run with 1,5 h saved into `ordner`:
// the texts read on the way, the messages and the results file.
struct Rundgang {
    QStringList texte, meldungen;
    QByteArray ergebnisdatei;
    QString schritte_bei_1_5;
};

void rundgang(Rundgang& r, const QString& ordner)
{
    Meldungsrekorder meldungen;
    Modell m;
    auto w = programm_starten(m, Deutsch);
    frm_Eingabe* dlg = bis_zur_eingabe(*w);
    QVERIFY(dlg);
    r.texte << texte(dlg);

    // The temperature programme's dialog, closed with "Abbrechen".
    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_programm"), Qt::LeftButton);
    QDialog* programm = nullptr;
    QTRY_VERIFY((programm = dlg->findChild<QDialog*>()) != nullptr && programm->isVisible());
    r.texte << texte(programm);
    programm->reject();
    QTRY_VERIFY(!programm->isVisible());
    QVERIFY(aktiv(dlg));

    // A German number.
    verlasse_mit(kind<QLineEdit>(dlg, "txt_Sinterzeit"), QStringLiteral("1,5"));
    r.schritte_bei_1_5 = kind<QLabel>(dlg, "lbl_Schritte")->text();
    r.texte << texte(dlg);
    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
    QTRY_VERIFY(!w->eingabe());

    r.texte << texte(w.get());
    kind<QAction>(w, "mnu_anpassen")->trigger();  // no profile loaded: a message
    QTest::mouseClick(kind<QPushButton>(w, "cmd_run"), Qt::LeftButton);
    QVERIFY(lauf_abwarten(*w));
    kind<QAction>(w, "mnu_version")->trigger();
    QTRY_VERIFY(w->info());
    r.texte << texte(w->info());
    w->info()->close();
    kind<QAction>(w, "mnu_kopieren")->trigger();

    // Saved: once without a name (a message), then as ergebnis.txt.
    kind<QAction>(w, "mnu_speichern")->trigger();
    auto* speichern = qobject_cast<frm_speichern*>(w->speichern());
    QVERIFY(speichern);
    r.texte << texte(speichern);
    speichern->setze_ordner(ordner);
    QTest::mouseClick(kind<QPushButton>(speichern, "cmd_ok"), Qt::LeftButton);
    QTest::keyClicks(kind<QLineEdit>(speichern, "txt_dateiname"), QStringLiteral("ergebnis.txt"));
    QTest::mouseClick(kind<QPushButton>(speichern, "cmd_ok"), Qt::LeftButton);
    QTRY_VERIFY(!w->speichern());
    r.ergebnisdatei = lies_datei(ordner + QStringLiteral("/ergebnis.txt"));
    QFile::remove(ordner + QStringLiteral("/ergebnis.txt"));
    r.meldungen = meldungen.texte + meldungen.fragen;
}

}  // namespace

class tst_sprache : public QObject {
    Q_OBJECT

private slots:
    void deutsch_wie_bisher();
    void englisch_ohne_deutsch();
    void ergebnisdatei_in_jeder_sprache();

private:
    QTemporaryDir ordner_;
    Rundgang deutsch_, englisch_;
};

// Without the English texts (a German desktop, or LANG=C) every text is
// the one written in the sources.
void tst_sprache::deutsch_wie_bisher()
{
    QVERIFY(ordner_.isValid());
    rundgang(deutsch_, ordner_.path());
    for (const char* text : {"Berechnung &Starten", "&Datei", "&Speichern als ASCII", "&Parameter speichern …",
                             "&Bearbeiten", "&Kopieren", "&Beenden", "Kalvion - Eingabe", "Modell", "Sintertemp. [°C]",
                             "-> Rechenschritte", "Kalvion - Temperaturprogramm", "Segment hinzufügen", "Ziel [°C]",
                             "Kalvion - Info", "Kalvion  -  Daten  speichern", "&Abbrechen", "sphärisch"})
        QVERIFY2(deutsch_.texte.contains(QString::fromUtf8(text)), text);
    QCOMPARE(deutsch_.meldungen, (QStringList{QStringLiteral("Kein Messprofil geladen!"), QStringLiteral("0 Fehler"),
                                              QStringLiteral("Grafik in Zwischenablage"),
                                              QStringLiteral("Dateiname fehlt!")}));
}

void tst_sprache::englisch_ohne_deutsch()
{
    QVERIFY(sprache::einrichten(*qApp, {QStringLiteral("en-GB"), QStringLiteral("en")}));
    QVERIFY(sprache::englisch_aktiv());
    rundgang(englisch_, ordner_.path());
    QVERIFY(englisch_.texte.size() >= deutsch_.texte.size());
    QCOMPARE(deutsches_in(englisch_.texte), QString());
    QCOMPARE(deutsches_in(englisch_.meldungen), QString());
    QVERIFY(englisch_.texte.contains(QStringLiteral("&Start calculation")));
    QCOMPARE(englisch_.meldungen.size(), deutsch_.meldungen.size());
    QCOMPARE(englisch_.meldungen[1], QStringLiteral("0 errors (negative fluxes)"));
}

// English texts, German numbers: "1,5" is read, and the results file is the
// same byte for byte.
void tst_sprache::ergebnisdatei_in_jeder_sprache()
{
    QVERIFY(!deutsch_.ergebnisdatei.isEmpty());
    QCOMPARE(englisch_.ergebnisdatei, deutsch_.ergebnisdatei);
    QVERIFY(deutsch_.ergebnisdatei.contains("\r\n1,5 Sinterdauer [h]\r\n"));
    QCOMPARE(englisch_.schritte_bei_1_5, deutsch_.schritte_bei_1_5);
    QVERIFY(englisch_.schritte_bei_1_5 != QStringLiteral("6140"));  // the start-up value's 2 h no longer
}

QTEST_MAIN(tst_sprache)
#include "tst_sprache.moc"
