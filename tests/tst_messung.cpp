// SPDX-License-Identifier: GPL-3.0-or-later
// A measured profile in the main window: loaded through "Messprofil laden …",
// drawn as markers over the curves and in the exported graph, taken away
// again, refused without a trace when the file is bad, and fitted, with
// "D0 übernehmen" reaching the next run's results-file block.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "anpassung.h"
#include "ergebnisdatei.h"
#include "exportbefehle.h"
#include "frm_anpassung.h"
#include "frm_grafik.h"
#include "grafikexport.h"
#include "kurvendatei.h"
#include "meldungsrekorder.h"
#include "messbefehle.h"
#include "testhilfen.h"
#include "zahlen.h"

using namespace kalvion;

namespace {

// The final profile of a run with start-up values but this D0, at 25 depths,
// as a line scan file with a header, ';' and the point.
QByteArray scan_mit_d0(double d0)
{
    Modell m;
    startwerte_setzen(m);
    m.D0.setze_zahl(d0);
    m.D = diffusionskoeffizient(m);
    lauf_rechnen(m);
    QByteArray text = "x [um];c [mol%]\n";
    for (int j = 0; j < 25; ++j) {
        const double x = (j + 0.5) * 2;
        text += QByteArray::number(x, 'g', 17) + ';' +
                QByteArray::number(profil_bei(m.Konz, m.Zellen, 50, x), 'g', 17) + '\n';
    }
    return text;
}

}  // namespace

class tst_messung : public QObject {
    Q_OBJECT

    Modell m_;
    std::unique_ptr<frm_grafik> w_;
    QTemporaryDir ordner_;
    QString gewaehlt_;
    Dateiwahl alte_wahl_;

    QAction* aktion(const char* name) { return kind<QAction>(w_.get(), name); }
    QString pfad(const char* name) { return ordner_.filePath(QString::fromLatin1(name)); }
    int marken() { return zaehle(w_->bild(), Messfarbe.rgb()); }

    void fenster(const QLocale& locale)
    {
        w_ = std::make_unique<frm_grafik>(m_, Dialogfabriken{}, locale);
        w_->setze_zellschrittkosten(1e-15);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        w_->parameter_uebernommen(Modell(m_));  // the start-up values, as after "ok"
    }
    void rechnen()
    {
        aktion("mnu_run")->trigger();
        QVERIFY(lauf_abwarten(*w_));
    }
    void laden(const char* name)
    {
        gewaehlt_ = pfad(name);
        aktion("mnu_messprofil_laden")->trigger();
    }

private slots:
    void initTestCase()
    {
        alte_wahl_ = setze_dateioeffnung([this](QWidget*, const QString&, const QString&, const QStringList&) {
            return gewaehlt_;
        });
        schreibe_datei(pfad("scan.csv"), scan_mit_d0(700));
        schreibe_datei(pfad("kaputt.csv"), "x;c\n1;2\n3;vier\n5;6\n");
        schreibe_datei(pfad("zu_weit.csv"), "1;50\n20;30\n60;10\n");
    }
    void cleanupTestCase() { setze_dateioeffnung(alte_wahl_); }
    void cleanup() { w_.reset(); }

    void marken_kommen_und_gehen()
    {
        Meldungsrekorder meldungen;
        fenster(C_Locale);
        rechnen();
        const QImage ohne = w_->bild();
        QCOMPARE(marken(), 0);

        laden("scan.csv");
        QVERIFY(w_->messung());
        QCOMPARE(w_->messung()->punkte.size(), std::size_t(25));
        QVERIFY2(marken() > 25 * 9, qPrintable(QString::number(marken())));
        // The curves stay as they were: only marker pixels differ.
        const QImage mit = w_->bild();
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x)
                if (mit.pixel(x, y) != ohne.pixel(x, y))
                    QCOMPARE(mit.pixel(x, y), Messfarbe.rgb());

        aktion("mnu_messprofil_entfernen")->trigger();
        QVERIFY(!w_->messung());
        QCOMPARE(marken(), 0);
        QVERIFY(w_->bild() == ohne);
        QCOMPARE(meldungen.texte, QStringList{QStringLiteral("0 Fehler")});
    }

    void ablehnung_aendert_nichts_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Text in einer Zahl")
            << "kaputt.csv" << "Zeile 3 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n3;vier";
        QTest::newRow("jenseits von x_max")
            << "zu_weit.csv" << QString::fromUtf8("Messpunkte außerhalb des Diffusionswegs 0 … 50 µm:\nx = 60 µm (Zeile 3)");
    }
    void ablehnung_aendert_nichts()
    {
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        Meldungsrekorder meldungen;
        fenster(C_Locale);
        rechnen();
        laden("scan.csv");
        const auto vorher = w_->messung();
        const QImage bild = w_->bild();
        laden(qPrintable(datei));
        QCOMPARE(meldungen.texte.last(), meldung);
        QVERIFY(w_->messung() == vorher);
        QVERIFY(w_->bild() == bild);
    }

    // The curve table "Kurven speichern …" writes is a measured profile too:
    // the window asks which of its value columns, the final profile offered
    // first; cancelled, nothing changes.
    void kurventabelle_laden_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("antwort");  // empty: cancelled
        QTest::addColumn<int>("profil");       // 0 start, 4 final; -1 none
        QTest::newRow("Endprofil, wie vorgeschlagen") << Deutsch << "Ende [Mol%]" << 4;
        QTest::newRow("Anfangsprofil, Punkt und Komma") << C_Locale << "Start [Mol%]" << 0;
        QTest::newRow("abgebrochen") << Deutsch << "" << -1;
    }
    void kurventabelle_laden()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, antwort);
        QFETCH(int, profil);
        Meldungsrekorder meldungen;
        meldungen.auswahl_antworten << antwort;
        fenster(locale);
        rechnen();
        const Modell& m = w_->ergebnisstand().aktuell->modell;
        schreibe_datei(pfad("kurven.csv"), kurventabelle(m, locale));
        laden("kurven.csv");

        QCOMPARE(meldungen.auswahlen,
                 QStringList{QString::fromUtf8("„kurven.csv“ hat mehrere Wertespalten. Welche soll geladen werden?")});
        QCOMPARE(meldungen.eintraege_angeboten.first(), kurvenspalten().mid(2));
        QCOMPARE(meldungen.auswahl_vorgaben, QList<int>{4});
        if (profil < 0) {
            QVERIFY(!w_->messung());
            return;
        }
        QVERIFY(w_->messung());
        const Zellfeld& erwartet = profil == 0 ? m.Konz_Start : m.Konz;
        const auto& punkte = w_->messung()->punkte;
        QCOMPARE(punkte.size(), std::size_t(m.Zellen));
        for (int i = 1; i <= m.Zellen; ++i) {
            QCOMPARE(punkte[i - 1].x, i * 50.0 / m.Zellen);
            QCOMPARE(punkte[i - 1].konz, erwartet[i]);
        }
        QCOMPARE(meldungen.texte, QStringList{QStringLiteral("0 Fehler")});
    }

    void export_zeigt_die_messung()
    {
        Meldungsrekorder meldungen;
        fenster(Deutsch);
        rechnen();
        laden("scan.csv");
        const Dateiwahl alt = setze_dateiwahl([this](QWidget*, const QString&, const QString&, const QStringList&) {
            return pfad("g.svg");
        });
        aktion("mnu_grafik_speichern")->trigger();
        setze_dateiwahl(alt);
        const QString svg = QString::fromUtf8(lies_datei(pfad("g.svg")));
        QVERIFY(svg.contains(QStringLiteral(">Messung<")));
        QVERIFY(svg.contains(QStringLiteral(", Messung: scan.csv")));

        // The PNG has the markers' colour, the one without the profile none of it.
        const Modell& m = w_->ergebnisstand().aktuell->modell;
        const QImage mit = QImage::fromData(grafikdaten(Grafikformat::png, m, Deutsch, w_->messung().get()), "PNG");
        const QImage ohne = QImage::fromData(grafikdaten(Grafikformat::png, m, Deutsch), "PNG");
        QVERIFY(zaehle(mit.convertToFormat(QImage::Format_RGB32), Messfarbe.rgb()) > 25 * 50);
        QCOMPARE(zaehle(ohne.convertToFormat(QImage::Format_RGB32), Messfarbe.rgb()), 0);
    }

    void anpassen_und_d0_uebernehmen_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("deutsch") << Deutsch;
        QTest::newRow("C") << C_Locale;
    }
    void anpassen_und_d0_uebernehmen()
    {
        QFETCH(QLocale, locale);
        Meldungsrekorder meldungen;
        fenster(locale);
        laden("scan.csv");
        aktion("mnu_anpassen")->trigger();
        QWidget* dialog = w_->anpassung();
        QVERIFY(dialog && dialog->isVisible());

        // The profile was computed with D0 = 700 at the start-up Q and temperature.
        const double d_wahr = 0.7 * std::exp(-238650 / (1323 * Modell::R));
        const QString d_text = kind<QLabel>(dialog, "lbl_D")->text();
        QVERIFY(d_text.startsWith(QStringLiteral("D = ")) && d_text.endsWith(QString::fromUtf8(" cm²/s")));
        const double d = *zahlen::lies(d_text.mid(4).chopped(6), locale);
        QVERIFY2(std::abs(d / d_wahr - 1) < 1e-4, qPrintable(d_text));
        QVERIFY(kind<QLabel>(dialog, "lbl_rms")->text().startsWith(QStringLiteral("RMS-Abweichung: ")));
        QVERIFY(kind<QLabel>(dialog, "lbl_intervall")->text().startsWith(QStringLiteral("95-%-Intervall: ")));
        const QString d0_zeile = kind<QLabel>(dialog, "lbl_D0")->text();
        const QString d0_text = d0_zeile.section(QLatin1Char(' '), 2, 2);
        QVERIFY2(std::abs(*zahlen::lies(d0_text, locale) / 700 - 1) < 1e-6, qPrintable(d0_zeile));
        QVERIFY(kind<QLabel>(dialog, "lbl_D0_intervall")->text().startsWith(QStringLiteral("95-%-Intervall: ")));

        QTest::mouseClick(kind<QPushButton>(dialog, "cmd_d0_uebernehmen"), Qt::LeftButton);
        QTRY_VERIFY(!w_->anpassung());
        QCOMPARE(w_->parameter().D0.text, std::optional<std::string>(d0_text.toStdString()));
        QVERIFY(!w_->ergebnisstand().aktuell);  // as after every "ok"

        rechnen();
        const auto block = ergebnisblock(w_->ergebnisstand().aktuell->modell, pfad("e.txt"), QDate(2026, 1, 2), locale);
        QVERIFY(block);
        QVERIFY(block->contains((d0_text + QStringLiteral(" Diffusionskoeffizient D0 [ 1000*cm^2/s ]")).toLatin1()));
    }

    // D0's interval beside D's, in D0's units and digits, a search bound
    // marked as for D.
    void d0_intervall_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("oben_offen");
        QTest::addColumn<QString>("text");
        QTest::newRow("deutsch") << Deutsch << false << QString::fromUtf8("95-%-Intervall: 512,25 … 701,5 cm²/s");
        QTest::newRow("C, oben offen") << C_Locale << true
                                       << QString::fromUtf8("95-%-Intervall: 512.25 … 701.5 (Suchgrenze) cm²/s");
    }
    void d0_intervall()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, oben_offen);
        QFETCH(QString, text);
        Anpassung a;
        a.D = 2e-10;
        a.D_unten = 1.5e-10;
        a.D_oben = 3e-10;
        a.D0 = 587;
        a.D0_unten = 512.25;
        a.D0_oben = 701.5;
        a.oben_offen = oben_offen;
        a.punkte = 5;
        Modell m;
        startwerte_setzen(m);
        QCOMPARE(anpassungstexte(a, m, "scan.csv", locale).d0_intervall, text);
    }

    void anpassen_ohne_profil()
    {
        Meldungsrekorder meldungen;
        fenster(C_Locale);
        aktion("mnu_anpassen")->trigger();
        QCOMPARE(meldungen.texte, QStringList{QStringLiteral("Kein Messprofil geladen!")});
        QVERIFY(!w_->anpassung());
    }
};

QTEST_MAIN(tst_messung)
#include "tst_messung.moc"
