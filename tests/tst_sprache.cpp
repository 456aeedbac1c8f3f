// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its dialogs in English and in German: every text a user
// reads, with the numbers after the locale whatever the language.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "exportbefehle.h"
#include "frm_Eingabe.h"
#include "frm_speichern.h"
#include "geometrie.h"
#include "laufhinweise.h"
#include "meldungsrekorder.h"
#include "programm.h"
#include "sprache.h"
#include "eingabesitzung.h"
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

// Signs of German: its letters and its common words.
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
    QStringLiteral("Zeile"),      QStringLiteral("Messpunkt"), QStringLiteral("Messung"),    QStringLiteral("Suchbereich"),
    QStringLiteral("Konzentration"), QStringLiteral("Schritten"), QStringLiteral("Ende"),    QStringLiteral("erlaubt"),
    QStringLiteral("Parameterdatei"), QStringLiteral("weitere"), QStringLiteral("Starttemperatur"), QStringLiteral("fehlt"),
    QStringLiteral("sofort"),
    QStringLiteral("gleiche"),    QStringLiteral("ehalten"),
};

QString deutsches_in(const QStringList& texte)
{
    for (const QString& text : texte) {
        for (const QString& merkmal : Deutsch_merkmale)
            if (text.contains(merkmal))
                return text;
    }
    return QString();
}

// The access keys of a window's push buttons ("" for one without).
QStringList zugriffstasten(const QWidget* fenster)
{
    QStringList tasten;
    for (const QPushButton* k : fenster->findChildren<QPushButton*>())
        tasten << QKeySequence::mnemonic(k->text()).toString();
    return tasten;
}

QStringList zugriffstasten(const QStringList& knoepfe)
{
    QStringList tasten;
    for (const QString& k : knoepfe)
        tasten << QKeySequence::mnemonic(k).toString();
    return tasten;
}

// Every button has an access key, and no two share one.
QString fehlende_oder_doppelte(const QStringList& tasten)
{
    for (const QString& t : tasten)
        if (t.isEmpty() || tasten.count(t) > 1)
            return tasten.join(QLatin1Char(' '));
    return QString();
}

bool aktiv(QWidget* fenster)
{
    QApplication::setActiveWindow(fenster);
    return QTest::qWaitFor([&] { return fenster->isActiveWindow(); });
}

// The texts of an SVG picture: its labels, title and description.
QStringList svg_texte(const QByteArray& svg)
{
    QStringList t;
    QXmlStreamReader xml(svg);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && (xml.name() == QLatin1String("text") || xml.name() == QLatin1String("title") ||
                                     xml.name() == QLatin1String("desc")))
            t << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        else
            xml.readNext();
    }
    t.removeAll(QString());
    return t;
}

QImage gemalt(QSvgRenderer& bild)
{
    QImage b(175, 175, QImage::Format_ARGB32);
    b.fill(Qt::white);
    QPainter p(&b);
    bild.render(&p);
    return b;
}

// Every window and dialog once, and a run with 1,5 h saved into `ordner`:
// the texts read on the way, the messages and the results file. Then what
// goes wrong on the way: a refused parameter file, a refused measured profile
// and one beyond the path, a good one fitted, the graph exported with it, a
// field typed wrong and a programme with a wrong row.
struct Rundgang {
    QStringList texte, meldungen;
    QByteArray ergebnisdatei;
    QString schritte_bei_1_5;
    QStringList grafiktexte;  // the exported graph's
    QStringList bildtexte;    // the parameter dialog's model pictures'
    QString befund;           // the fit's note on a flat profile
    bool zelle_markiert = false;  // the programme table marks the wrong cell
    QString sofort;           // a rate typed "sofort", as the programme table shows it
    QList<QStringList> tasten;  // the access keys of the dialogs' and questions' buttons
};

// The parameter dialog's pictures as it shows them: each the picture its
// geometry names in the UI language, the one on show drawn as that file.
void modellbilder(Rundgang& r, frm_Eingabe* dlg)
{
    for (const Geometriebeschreibung& g : Geometrien) {
        const QString pfad = QCoreApplication::translate("Geometrie", g.bilddatei);
        r.bildtexte << svg_texte(lies_datei(pfad));
        auto* gezeigt = kind<QSvgWidget>(dlg, g.bild);
        if (!gezeigt->isVisible())
            continue;
        QSvgRenderer datei(pfad);
        QVERIFY(datei.isValid());
        QCOMPARE(gemalt(*gezeigt->renderer()), gemalt(datei));
    }
}

void fehlerwege(Rundgang& r, frm_grafik& w, const QString& ordner)
{
    // A parameter file whose programme has a rate of 0.
    const QString parameterdatei = ordner + QStringLiteral("/falsch.kalvion");
    schreibe_datei(parameterdatei, R"({"format": 1, "dezimalzeichen": ",", "modell": "linear",
        "felder": {"temperatur": "1050", "zeit": "2", "weg": "50", "d0": "587", "q": "238650", "i-diff": "50"},
        "programm": {"start": "20", "segmente": [{"rate": "0", "ziel": "1050", "halten": "2"}]}})");
    QString gewaehlt;
    const Dateiwahl alte_oeffnung =
        setze_dateioeffnung([&gewaehlt](QWidget*, const QString&, const QString&, const QStringList&) { return gewaehlt; });
    gewaehlt = parameterdatei;
    kind<QAction>(&w, "mnu_parameter_laden")->trigger();

    // Measured profiles: a line that is no point, points beyond the 50 µm
    // path, then a flat one at the 10 mol% of the start-up values, fitted.
    gewaehlt = ordner + QStringLiteral("/zeilen.csv");
    schreibe_datei(gewaehlt, "x;c\n1;50\n2;40\n1;2;3\n");
    kind<QAction>(&w, "mnu_messprofil_laden")->trigger();
    gewaehlt = ordner + QStringLiteral("/weit.csv");
    QByteArray weit = "x;c\n10;20\n";
    for (int x = 60; x < 72; ++x)
        weit += QByteArray::number(x) + ";0\n";
    schreibe_datei(gewaehlt, weit);
    kind<QAction>(&w, "mnu_messprofil_laden")->trigger();
    gewaehlt = ordner + QStringLiteral("/scan.csv");
    schreibe_datei(gewaehlt, "x;c\n5;10\n15;10\n25;10\n35;10\n45;10\n");
    kind<QAction>(&w, "mnu_messprofil_laden")->trigger();
    setze_dateioeffnung(alte_oeffnung);
    QVERIFY(kind<QAction>(&w, "mnu_messprofil_entfernen")->isEnabled());

    kind<QAction>(&w, "mnu_anpassen")->trigger();
    QTRY_VERIFY(w.anpassung() && w.anpassung()->isVisible());
    r.texte << texte(w.anpassung());
    r.befund = kind<QLabel>(w.anpassung(), "lbl_befund")->text();
    QTest::mouseClick(kind<QPushButton>(w.anpassung(), "cmd_schliessen"), Qt::LeftButton);
    QTRY_VERIFY(!w.anpassung() || !w.anpassung()->isVisible());

    // The result kept for comparison (twice: the second time a message),
    // then the graph with it and the measured profile as SVG.
    kind<QAction>(&w, "mnu_behalten")->trigger();
    kind<QAction>(&w, "mnu_behalten")->trigger();
    const QString bild = ordner + QStringLiteral("/bild.svg");
    const Dateiwahl alte_wahl =
        setze_dateiwahl([&bild](QWidget*, const QString&, const QString&, const QStringList&) { return bild; });
    kind<QAction>(&w, "mnu_grafik_speichern")->trigger();
    setze_dateiwahl(alte_wahl);
    r.grafiktexte = svg_texte(lies_datei(bild));
    QFile::remove(bild);

    // The parameter dialog again: a letter in a field, then a programme
    // with a target beyond 10000 °C in its second row; mended, it is in
    // force until "Kein Programm".
    kind<QAction>(&w, "mnu_Eingabe")->trigger();
    QTRY_VERIFY(w.eingabe());
    auto* dlg = qobject_cast<frm_Eingabe*>(w.eingabe());
    QVERIFY(dlg && aktiv(dlg));
    QTRY_COMPARE(kind<QLineEdit>(dlg, "txt_Sintertemp")->text(), QStringLiteral("1050"));
    verlasse_mit(kind<QLineEdit>(dlg, "txt_Sintertemp"), QStringLiteral("abc"));
    QCOMPARE(kind<QLineEdit>(dlg, "txt_Sintertemp")->text(), QStringLiteral("900"));
    verlasse_mit(kind<QLineEdit>(dlg, "txt_Sintertemp"), QStringLiteral("1050"));

    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_programm"), Qt::LeftButton);
    QDialog* programm = nullptr;
    QTRY_VERIFY((programm = dlg->findChild<QDialog*>()) != nullptr && programm->isVisible());
    auto* tabelle = kind<QTableView>(programm, "tbl_segmente")->model();
    QCOMPARE(tabelle->rowCount(), 2);
    tabelle->setData(tabelle->index(1, 1), QStringLiteral("20000"));
    r.zelle_markiert = tabelle->data(tabelle->index(1, 1), Qt::ForegroundRole).isValid() &&
                       !tabelle->data(tabelle->index(1, 0), Qt::ForegroundRole).isValid();
    tabelle->setData(tabelle->index(1, 0), QStringLiteral("sofort"));
    r.sofort = tabelle->data(tabelle->index(1, 0)).toString();
    r.texte << texte(programm);
    r.tasten << zugriffstasten(programm);
    QTest::mouseClick(kind<QPushButton>(programm, "cmd_ok"), Qt::LeftButton);
    QVERIFY(programm->isVisible());
    tabelle->setData(tabelle->index(1, 1), QStringLiteral("20"));
    QTest::mouseClick(kind<QPushButton>(programm, "cmd_ok"), Qt::LeftButton);
    QTRY_VERIFY(!dlg->findChild<QDialog*>());
    QVERIFY(aktiv(dlg));
    QVERIFY(kind<QLineEdit>(dlg, "txt_Sintertemp")->isReadOnly());
    r.texte << texte(dlg);
    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_programm"), Qt::LeftButton);
    QTRY_VERIFY((programm = dlg->findChild<QDialog*>()) != nullptr && programm->isVisible());
    QTest::mouseClick(kind<QPushButton>(programm, "cmd_kein_programm"), Qt::LeftButton);
    QTRY_VERIFY(!dlg->findChild<QDialog*>());
    QVERIFY(!kind<QLineEdit>(dlg, "txt_Sintertemp")->isReadOnly());
    QVERIFY(aktiv(dlg));
    QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
    QTRY_VERIFY(!w.eingabe());
}

void rundgang(Rundgang& r, const QString& ordner)
{
    Meldungsrekorder meldungen;
    Modell m;
    auto w = programm_starten(m, Deutsch);
    frm_Eingabe* dlg = bis_zur_eingabe(*w);
    QVERIFY(dlg);
    r.texte << texte(dlg);
    modellbilder(r, dlg);

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
    r.tasten << zugriffstasten(speichern);
    r.tasten << zugriffstasten(knoepfe_langer_lauf())
             << zugriffstasten({QCoreApplication::translate("kalvion::frm_speichern", "&Ja"),
                                QCoreApplication::translate("kalvion::frm_speichern", "&Nein")});
    speichern->setze_ordner(ordner);
    QTest::mouseClick(kind<QPushButton>(speichern, "cmd_ok"), Qt::LeftButton);
    QTest::keyClicks(kind<QLineEdit>(speichern, "txt_dateiname"), QStringLiteral("ergebnis.txt"));
    QTest::mouseClick(kind<QPushButton>(speichern, "cmd_ok"), Qt::LeftButton);
    QTRY_VERIFY(!w->speichern());
    r.ergebnisdatei = lies_datei(ordner + QStringLiteral("/ergebnis.txt"));
    QFile::remove(ordner + QStringLiteral("/ergebnis.txt"));

    fehlerwege(r, *w, ordner);
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
                             "-> Rechenschritte", "Kalvion - Temperaturprogramm", "Segment &hinzufügen", "Ziel [°C]",
                             "Kalvion - Info", "Kalvion  -  Daten  speichern", "&Abbrechen", "sphärisch"})
        QVERIFY2(deutsch_.texte.contains(QString::fromUtf8(text)), text);
    QString ausserhalb = QString::fromUtf8("Messpunkte außerhalb des Diffusionswegs 0 … 50 µm:");
    for (int x = 60; x < 70; ++x)
        ausserhalb += QStringLiteral("\nx = %1 µm (Zeile %2)").arg(x).arg(x - 57);
    ausserhalb += QString::fromUtf8("\n… und 2 weitere");
    QCOMPARE(deutsch_.meldungen,
             (QStringList{QStringLiteral("Kein Messprofil geladen!"), QStringLiteral("0 Fehler"),
                          QStringLiteral("Grafik in Zwischenablage"), QStringLiteral("Dateiname fehlt!"),
                          QString::fromUtf8("Parameterdatei: „programm“: Zeile 1, Rate: größer als 0 K/min oder „sofort“."),
                          QStringLiteral("Zeile 4 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n1;2;3"), ausserhalb,
                          QStringLiteral("Dieses Ergebnis ist schon behalten."), QStringLiteral("Unerlaubte Eingabe !"),
                          QString::fromUtf8("Zeile 2, Ziel: 0 bis 10000 °C erlaubt.")}));
    for (const char* text : {"Messprofil: scan.csv (5 Punkte)", "Kalvion - Anpassung an Messprofil", "D0 übernehmen",
                             "Zeile 2, Ziel: 0 bis 10000 °C erlaubt."})
        QVERIFY2(deutsch_.texte.contains(QString::fromUtf8(text)), text);
    QVERIFY(deutsch_.zelle_markiert);
    QCOMPARE(deutsch_.sofort, QStringLiteral("sofort"));
    for (const QStringList& tasten : deutsch_.tasten)
        QCOMPARE(fehlende_oder_doppelte(tasten), QString());
    QCOMPARE(deutsch_.befund, QString::fromUtf8("Das Optimum liegt an der oberen Grenze des Suchbereichs: das Messprofil "
                                                "ist ausgeglichen (flach), D ist nur nach unten begrenzt."));
    // The graph and the pictures as they have always been.
    for (const char* text : {"Start", "nach 10 Schritten", "nach 100 Schritten", "Ende", "gleiche Parameter", "Messung",
                             "Konzentration [Mol%]"})
        QVERIFY2(deutsch_.grafiktexte.contains(QString::fromUtf8(text)), text);
    QVERIFY(deutsch_.grafiktexte.contains(
        QString::fromUtf8("Modell linear, T = 1050 °C, t = 1,5 h, x_max = 50 µm, D0·1000 = 587 cm²/s, Q = 238650 J/mol, "
                          "i_Diff = 20, Messung: scan.csv")));
    QCOMPARE(deutsch_.bildtexte.count(QStringLiteral("200 Zellen")), 3);
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
    // The command line quotes this one when D cannot form a time step.
    QCOMPARE(englisch_.meldungen[7], QStringLiteral("This result is kept already."));
    QCOMPARE(englisch_.meldungen[8], QStringLiteral("Invalid input!"));
    QVERIFY(englisch_.zelle_markiert);
    QCOMPARE(englisch_.sofort, QStringLiteral("immediate"));
    QCOMPARE(englisch_.tasten.size(), deutsch_.tasten.size());
    for (const QStringList& tasten : englisch_.tasten)
        QCOMPARE(fehlende_oder_doppelte(tasten), QString());
    QVERIFY(!englisch_.befund.isEmpty());
    QCOMPARE(deutsches_in({englisch_.befund}), QString());
    QCOMPARE(englisch_.grafiktexte.size(), deutsch_.grafiktexte.size());
    QCOMPARE(deutsches_in(englisch_.grafiktexte), QString());
    QVERIFY(englisch_.grafiktexte.contains(QStringLiteral("after 10 steps")));
    QVERIFY(englisch_.grafiktexte.contains(QStringLiteral("same parameters")));
    QCOMPARE(englisch_.bildtexte.size(), deutsch_.bildtexte.size());
    QCOMPARE(deutsches_in(englisch_.bildtexte), QString());
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
