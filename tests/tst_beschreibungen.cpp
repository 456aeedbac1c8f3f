// SPDX-License-Identifier: GPL-3.0-or-later
// Every field of the field table and every geometry of the geometry table,
// walked through the parameter dialog, the command line, its table, the
// results file and the graph's caption: one row each, so that a new field or
// geometry is checked everywhere by its table entry alone.
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringDecoder>
#include <QSvgWidget>
#include <QTest>
#include <memory>
#include <set>

#include "anfangsprofil.h"
#include "auftrag.h"
#include "eingabefehler.h"
#include "einzellauf.h"
#include "ergebnisdatei.h"
#include "feldpruefung.h"
#include "eingabesitzung.h"
#include "frm_Eingabe.h"
#include "grafikexport.h"
#include "meldungsrekorder.h"
#include "tabelle.h"
#include "testhilfen.h"
#include "vergleich.h"
#include "zahlen.h"

using namespace kalvion;
using namespace kalvion::cli;

namespace {

// The dialog on the start-up parameters; it edits its own copy.
using Sitzung = Eingabesitzung;

QStringList zeilen_des_blocks(const Modell& m)
{
    const std::optional<QByteArray> block = ergebnisblock(m, QStringLiteral("/tmp/x.txt"), QDate(2026, 3, 4), C_Locale);
    if (!block)
        return {};
    QStringDecoder cp1252("windows-1252");
    return QString(cp1252(*block)).split(QStringLiteral("\r\n"));
}

// The start-up model with one field typed as `text`, accepted as by "ok".
Modell mit_feld(Feld f, const QString& text)
{
    Modell m;
    startwerte_setzen(m);
    std::array<QString, Feldzahl> texte;
    for (Feld g : Alle_Felder)
        texte[static_cast<int>(g)] = feldtext(m, g, C_Locale);
    texte[static_cast<int>(f)] = text;
    parameter_uebernehmen(m, parametersatz(texte, C_Locale));
    return m;
}

Auftrag lies(const QStringList& optionen)
{
    return auftrag_lesen(QStringList{QStringLiteral("kalvion-cli")} + optionen);
}

}  // namespace

class tst_beschreibungen : public QObject {
    Q_OBJECT
private slots:
    void felder_data()
    {
        QTest::addColumn<int>("index");
        for (const Feldregel& r : Feldtabelle)
            QTest::newRow(r.name) << static_cast<int>(r.feld);
    }
    void felder()
    {
        QFETCH(int, index);
        const Feldregel& r = Feldtabelle[index];
        const QString reset = QString::fromLatin1(r.reset);
        // Just below the lower bound: out of range, silently reset.
        const QString darunter = zahlen::allgemein(r.untergrenze - 1, C_Locale);

        // The dialog: the field under its name and caption, checked by its rule.
        {
            Meldungsrekorder meldungen;
            Sitzung s(C_Locale);
            auto* feld = kind<QLineEdit>(s.dlg, qPrintable(QStringLiteral("txt_") + QString::fromLatin1(r.name)));
            const QList<QLabel*> beschriftungen = s.dlg->findChildren<QLabel*>();
            const auto beschriftung = std::find_if(beschriftungen.begin(), beschriftungen.end(), [&](QLabel* l) {
                return l->text() == QString::fromUtf8(r.beschriftung);
            });
            QVERIFY(beschriftung != beschriftungen.end());
            QVERIFY((*beschriftung)->geometry().right() < feld->geometry().left());
            QVERIFY(std::abs((*beschriftung)->y() - feld->y()) <= 10);

            verlasse_mit(feld, darunter);
            QCOMPARE(feld->text(), reset);
            verlasse_mit(feld, reset);
            QCOMPARE(feldtext(s.p(), r.feld, C_Locale), reset);
            QVERIFY(meldungen.texte.isEmpty());
        }

        // The command line: the option, refused outside the rule, its help
        // line and its table column.
        const Auftrag a = lies({QStringLiteral("--") + QString::fromLatin1(r.option), reset});
        QCOMPARE(a.studie.listen[index].wert(0), zahlen::lies(reset, C_Locale).value());
        QVERIFY_THROWS_EXCEPTION(Eingabefehler,
                                 lies({QStringLiteral("--") + QString::fromLatin1(r.option), darunter}));
        const QString hilfe = hilfetext();
        QVERIFY(hilfe.contains(QStringLiteral("  --%1 %2 ").arg(QString::fromLatin1(r.option), QString::fromUtf8(r.einheit))));
        QVERIFY(hilfe.contains(QString::fromUtf8(r.hilfe)));
        const QStringList kopf = QString::fromStdString(tabellenkopf()).trimmed().split(QLatin1Char(','));
        QCOMPARE(kopf.value(1 + index), QString::fromLatin1(r.spalte));

        // The results file: its line, the value as typed (the cell count in
        // print form), then the label.
        const Modell m = mit_feld(r.feld, reset);
        const QString zeile = zeilen_des_blocks(m).value(r.ergebniszeile - 1);
        QVERIFY2(zeile.endsWith(QString::fromUtf8(r.ergebnistext)), qPrintable(zeile));
        QVERIFY2(zeile.startsWith(r.ziel ? reset : zahlen::druckform(zahlen::lies(reset, C_Locale).value(), C_Locale)),
                 qPrintable(zeile));

        // A run compared with the start-up run that differs in this field
        // alone is named by it, with the value as typed.
        const QString doppelt = zahlen::allgemein(2 * zahlen::lies(reset, C_Locale).value(), C_Locale);
        const Modell verglichen = mit_feld(r.feld, doppelt);
        Modell startwerte;
        startwerte_setzen(startwerte);
        QCOMPARE(vergleichsnamen(startwerte, {&verglichen}, C_Locale, Namenssprache::datei).behalten,
                 QStringList{QString::fromUtf8(r.vergleich).arg(doppelt)});
    }

    // The results file's lines 4 to 13 each hold one value.
    void ergebniszeilen_eindeutig()
    {
        std::set<int> belegt{5, 10, 11, 13};  // Zellen, Kelvin, D, Molprozent
        for (const Feldregel& r : Feldtabelle)
            QVERIFY2(belegt.insert(r.ergebniszeile).second, r.name);
        QCOMPARE(*belegt.begin(), 4);
        QCOMPARE(*belegt.rbegin(), 3 + static_cast<int>(belegt.size()));
        QCOMPARE(zeilen_des_blocks(mit_feld(Feld::Q, "238650")).size(), 17 + 200 + 1);  // the last CR LF
    }

    void geometrien_data()
    {
        QTest::addColumn<int>("index");
        for (const Geometriebeschreibung& g : Geometrien)
            QTest::newRow(g.name) << static_cast<int>(g.geometrie);
    }
    void geometrien()
    {
        QFETCH(int, index);
        const Geometriebeschreibung& g = Geometrien[index];
        Modell erwartet;
        startwerte_setzen(erwartet);
        erwartet.Geometrie = g.geometrie;
        anfangsprofil(erwartet);

        // The dialog: the option in the model box, its picture alone, the
        // total mol% of its cell weights.
        {
            Sitzung s(Deutsch);
            auto* option = kind<QRadioButton>(s.dlg, g.option);
            QCOMPARE(option->text(), QString::fromUtf8(g.anzeigename));
            auto* rahmen = kind<QGroupBox>(s.dlg, "Modell");
            QCOMPARE(option->parentWidget(), rahmen);
            QVERIFY(rahmen->rect().contains(option->geometry()));
            klick_links(option);
            QVERIFY(option->isChecked());
            QCOMPARE(s.p().Geometrie, g.geometrie);
            for (const Geometriebeschreibung& andere : Geometrien)
                QCOMPARE(kind<QSvgWidget>(s.dlg, andere.bild)->isVisible(), andere.geometrie == g.geometrie);
            QCOMPARE(kind<QLabel>(s.dlg, "lbl_molprozent")->text(), zahlen::molprozent(erwartet.Molprozent, Deutsch));
            QVERIFY(QFile::exists(QString::fromLatin1(g.bilddatei)));
        }

        // The command line: its name and the dialog's spelling, the run, the
        // table row and the help.
        const QString name = QString::fromLatin1(g.name);
        QVERIFY(lies({"--modell", name}).studie.modelle == std::vector<Geometrie>{g.geometrie});
        QVERIFY(lies({"--modell", QString::fromUtf8(g.anzeigename)}).studie.modelle == std::vector<Geometrie>{g.geometrie});
        const Lauf lauf = lies({"--modell", name}).studie.lauf(0);
        const Modell m = modell_fuer(lauf, C_Locale);
        QCOMPARE(m.Geometrie, g.geometrie);
        QCOMPARE(m.Molprozent, erwartet.Molprozent);
        QVERIFY(QString::fromStdString(tabellenzeile(lauf, m, {})).startsWith(name + QLatin1Char(',')));
        QVERIFY(zusammenfassung(m, {}, C_Locale).startsWith(QString::fromUtf8(g.anzeigename) + QLatin1Char(',')));
        QVERIFY(hilfetext().contains(QStringLiteral("%1 (%2").arg(name, QString::fromUtf8(g.gestalt))));

        // The results file's line 2 and the graph's caption.
        QCOMPARE(zeilen_des_blocks(m).value(1), QString::fromUtf8(g.kopfzeile) + C_Locale.toString(QDate(2026, 3, 4), QLocale::ShortFormat));
        QVERIFY(bildunterschrift(m, Deutsch).startsWith(QStringLiteral("Modell %1, ").arg(QString::fromUtf8(g.anzeigename))));
    }

    // The model box holds every option, none over another's text, and stays above
    // the first field's caption.
    void modellrahmen()
    {
        Sitzung s(C_Locale);
        auto* rahmen = kind<QGroupBox>(s.dlg, "Modell");
        QList<QRect> belegt;
        for (const Geometriebeschreibung& g : Geometrien) {
            const QRect r = kind<QRadioButton>(s.dlg, g.option)->geometry();
            // The two original options share a row of pixels; their marks
            // and texts, centred in them, must not.
            for (const QRect& anderes : belegt)
                QVERIFY2(!anderes.contains(r.center()) && !r.contains(anderes.center()), g.option);
            belegt << r;
        }
        int oberstes_feld = s.dlg->height();
        for (const Feldregel& r : Feldtabelle)
            oberstes_feld = std::min(oberstes_feld, kind<QLineEdit>(s.dlg, qPrintable(QStringLiteral("txt_") + r.name))->y());
        QVERIFY(rahmen->geometry().bottom() < oberstes_feld);
    }

    void unbekanntes_modell_nennt_alle()
    {
        try {
            lies({"--modell", "rund"});
            QFAIL("accepted");
        } catch (const Eingabefehler& e) {
            for (const Geometriebeschreibung& g : Geometrien)
                QVERIFY2(e.meldung.contains(QString::fromLatin1(g.name)), qPrintable(e.meldung));
        }
    }
};

QTEST_MAIN(tst_beschreibungen)
#include "tst_beschreibungen.moc"
