// SPDX-License-Identifier: GPL-3.0-or-later
// The graph and the five curves as files: the SVG, PDF and PNG of the graph,
// the CSV table in both number formats, and the two menu commands with their
// file dialog, their refusals, their failures and the folder they remember.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <csignal>
#include <optional>
#include <sys/resource.h>

#include "exportbefehle.h"
#include "frm_grafik.h"
#include "grafikexport.h"
#include "kurvendatei.h"
#include "meldungsrekorder.h"
#include "programmeingabe.h"
#include "svginhalt.h"
#include "testhilfen.h"
#include "zahlen.h"

using namespace kalvion;

namespace {

const QString Keine_Berechnung = QString::fromUtf8("Noch keine aktuelle Berechnung durchgeführt!");
const QString Fehlgeschlagen = QStringLiteral("Speichern fehlgeschlagen!");


// A run of exactly 2000 steps: the sintering time is chosen from the step limit.
Modell lauf_mit_2000_schritten()
{
    Modell m;
    startwerte_setzen(m);
    anfangsprofil(m);
    schritte_vorbereiten(m);
    m.Sinterzeit.setze_zahl(2000.5 / 1.2 * m.dt_max / 3600);
    sekunden_ableiten(m);
    zeitschritte(m);
    return m;
}

Modell modell_fuer(const QString& name)
{
    if (name == "2000 Schritte")
        return lauf_mit_2000_schritten();
    return standardlauf(name == "sphärisch");
}

bool rot(QRgb farbe) { return qRed(farbe) >= 200 && qGreen(farbe) <= 60 && qBlue(farbe) <= 60; }

// Stands in for the file dialog: records each question and gives one answer.
class Dateiwahlrekorder {
public:
    struct Frage {
        QString titel, vorschlag;
        QStringList filter;
    };

    explicit Dateiwahlrekorder(QString antwort) : antwort_(std::move(antwort))
    {
        alt_ = setze_dateiwahl([this](QWidget*, const QString& titel, const QString& vorschlag,
                                      const QStringList& filter) {
            fragen << Frage{titel, vorschlag, filter};
            return antwort_;
        });
    }
    ~Dateiwahlrekorder() { setze_dateiwahl(alt_); }

    QList<Frage> fragen;

private:
    QString antwort_;
    Dateiwahl alt_;
};

// Files may grow to a few bytes only while it lives: every write of an
// export fails part of the way through, as on a full disk. Root too.
class Dateigrenze {
public:
    explicit Dateigrenze(rlim_t bytes)
    {
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &vorher_);
        rlimit klein = vorher_;
        klein.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &klein);
    }
    ~Dateigrenze()
    {
        setrlimit(RLIMIT_FSIZE, &vorher_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit vorher_{};
    void (*signal_)(int) = nullptr;
};

using Befehl = void (*)(QWidget*, const Ergebnisstand&, const QLocale&);

}  // namespace

Q_DECLARE_METATYPE(Befehl)

class tst_export : public QObject {
    Q_OBJECT

    QTemporaryDir einstellungen_, heim_;

    QString gemerkter_ordner() const { return QSettings().value(Ordnerschluessel).toString(); }

private slots:
    void initTestCase()
    {
        // The settings and the home folder are folders of this test, never the user's.
        qputenv("HOME", heim_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen_.path());
        QCoreApplication::setOrganizationName("Kalvion-Test");
        QCoreApplication::setApplicationName("tst_export");
        QVERIFY(QSettings().fileName().startsWith(einstellungen_.path()));
    }
    void init() { QSettings().clear(); }

    void lauf_mit_2000_schritten_hat_2000()
    {
        const Modell m = lauf_mit_2000_schritten();
        QCOMPARE(m.Schritte, 2000.0);
        QVERIFY(m.Berechnung_aktuell);
        QVERIFY(!mit_konz_1000(m));
    }

    void grafikformat_nach_endung_data()
    {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<int>("format");  // -1: none
        QTest::newRow("png") << "/a/b.png" << int(Grafikformat::png);
        QTest::newRow("SVG groß") << "b.SVG" << int(Grafikformat::svg);
        QTest::newRow("pdf") << "/a.b/c.pdf" << int(Grafikformat::pdf);
        QTest::newRow("jpg") << "b.jpg" << -1;
        QTest::newRow("ohne Endung") << "/a.png/b" << -1;
    }
    void grafikformat_nach_endung()
    {
        QFETCH(QString, pfad);
        QFETCH(int, format);
        const std::optional<Grafikformat> f = grafikformat(pfad);
        QCOMPARE(f ? int(*f) : -1, format);
    }

    void unbekannte_endung_schreibt_nichts()
    {
        QTemporaryDir d;
        QVERIFY(!grafik_schreiben(d.path() + "/g.jpg", standardlauf(), QLocale::c()));
        QVERIFY(QDir(d.path()).isEmpty());
    }

    void bildunterschrift_data()
    {
        QTest::addColumn<bool>("eingetippt");
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<QString>("text");
        QTest::newRow("Startwerte, linear")
            << false << false
            << QString::fromUtf8("Modell linear, T = 1050 °C, t = 2 h, x_max = 50 µm, D0·1000 = 587 cm²/s, "
                                 "Q = 238650 J/mol, i_Diff = 20");
        QTest::newRow("wie eingetippt, sphärisch")
            << true << true
            << QString::fromUtf8("Modell sphärisch, T = 1050,50 °C, t = 2,0 h, x_max = 5E+01 µm, "
                                 "D0·1000 = 587 cm²/s, Q = 238650 J/mol, i_Diff = 20");
        // t_eq = 2.28009… h: four digits, as the time field shows it.
        QTest::newRow("Programm") << false << false
                                  << QString::fromUtf8("Modell linear, T = 1050 °C, t = 2,28 h, x_max = 50 µm, "
                                                       "D0·1000 = 587 cm²/s, Q = 238650 J/mol, i_Diff = 20");
    }
    void bildunterschrift()
    {
        QFETCH(bool, eingetippt);
        QFETCH(bool, kugel);
        QFETCH(QString, text);
        Modell m;
        startwerte_setzen(m);
        m.Geometrie = kugel ? Geometrie::sphaerisch : Geometrie::linear;
        if (eingetippt) {
            m.Sintertemp.setze_text(1050.5, "1050,50");
            m.Sinterzeit.setze_text(2, "2,0");
            m.x_max.setze_text(50, "5E+01");
        }
        if (QByteArray(QTest::currentDataTag()) == "Programm") {
            Programmeingabe e;
            e.zeilen = {{"5", "1050", "2"}, {"10", "20", ""}};
            QVERIFY(programm_setzen(m, e, Deutsch));
            QVERIFY(m.Sinterzeit.text->size() > 8);  // kept with every digit
        }
        QCOMPARE(kalvion::bildunterschrift(m, Deutsch), text);
    }

    void stil_fuer_papier()
    {
        // Dark enough on white, the window's red kept for the end, and every
        // curve apart from every other in greyscale: by grey level or dashes.
        const Grafikstil s = berichtstil();
        const QList<Kurvenstift> stifte{s.konz_start, s.konz_10, s.konz_100, s.konz_1000, s.konz};
        for (const Kurvenstift& k : stifte)
            QVERIFY2(qGray(k.farbe.rgb()) < 160, qPrintable(k.farbe.name()));
        QCOMPARE(s.konz.farbe, QColor(255, 0, 0));
        for (int i = 0; i < stifte.size(); ++i)
            for (int j = i + 1; j < stifte.size(); ++j)
                QVERIFY(std::abs(qGray(stifte[i].farbe.rgb()) - qGray(stifte[j].farbe.rgb())) >= 30 ||
                        stifte[i].muster != stifte[j].muster);
        // The window's own look stays the default.
        const Grafikstil fenster;
        QCOMPARE(fenster.konz_10.farbe, QColor(255, 255, 0));
        QVERIFY(!fenster.konz_start.farbe.isValid());
        QVERIFY(!fenster.kantenglaettung && !fenster.beschriftung_ausgerichtet);
    }

    void svg_data()
    {
        QTest::addColumn<QString>("lauf");
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("linear, C") << "linear" << QLocale::c();
        QTest::newRow("sphärisch, deutsch") << "sphärisch" << Deutsch;
        QTest::newRow("2000 Schritte, deutsch") << "2000 Schritte" << Deutsch;
    }
    void svg()
    {
        QFETCH(QString, lauf);
        QFETCH(QLocale, locale);
        const Modell m = modell_fuer(lauf);
        const QByteArray daten = grafikdaten(Grafikformat::svg, m, locale);

        QSvgRenderer leser(daten);
        QVERIFY(leser.isValid());
        QCOMPARE(leser.viewBox(), QRect(QPoint(), png_groesse()));
        QVERIFY(daten.contains("width=\"160.02mm\" height=\"99.9913mm\""));

        // Each drawn curve is one polyline through its cells, in its own pen.
        const Svginhalt inhalt = lies_svg(daten);
        QList<Linienzug> kurven;
        for (const Linienzug& l : inhalt.linien)
            if (l.punkte.size() == m.Zellen)
                kurven << l;
        const Grafikstil s = berichtstil();
        QList<std::pair<const Zellfeld*, Kurvenstift>> erwartet{
            {&m.Konz_Start, s.konz_start}, {&m.Konz_10, s.konz_10}, {&m.Konz_100, s.konz_100}, {&m.Konz, s.konz}};
        if (mit_konz_1000(m))
            erwartet << std::pair{&m.Konz_1000, s.konz_1000};
        QCOMPARE(kurven.size(), erwartet.size());
        for (const auto& [werte, stift] : erwartet) {
            int treffer = 0;
            for (const Linienzug& l : kurven)
                treffer += folgt(l, *werte, m.Zellen) && l.farbe == stift.farbe.name() &&
                           l.muster.isEmpty() == stift.muster.isEmpty();
            QCOMPARE(treffer, 1);
        }
        QSet<QString> muster;
        for (const Linienzug& l : kurven)
            muster << l.muster;
        QCOMPARE(muster.size(), erwartet.size() - 1);  // start and end solid, every snapshot its own dashes

        QStringList texte{"Start", "nach 10 Schritten", "nach 100 Schritten", "Ende", QString::fromUtf8("x [µm]"),
                          "Konzentration [Mol%]", kalvion::bildunterschrift(m, locale)};
        for (const QString& t : texte)
            QVERIFY2(inhalt.texte.contains(t), qPrintable(t));
        QCOMPARE(inhalt.texte.contains("nach 1000 Schritten"), lauf != "2000 Schritte");
    }

    // A report's x axis reads in µm with its decimals, not rounded to whole
    // numbers as in the window.
    void achse_mit_nachkommastellen()
    {
        Modell m = standardlauf();
        m.x_max.setze_text(37.5, "37,5");
        const Svginhalt inhalt = lies_svg(grafikdaten(Grafikformat::svg, m, Deutsch));
        for (const char* t : {"7,5", "15", "22,5", "30", "37,5"})
            QVERIFY2(inhalt.texte.contains(QString::fromLatin1(t)), t);
        QVERIFY(!inhalt.texte.contains("38"));
    }

    void lange_unterschrift_ganz_in_kleinerer_schrift()
    {
        Modell m = standardlauf();
        m.Sintertemp.setze_text(1050, "1050,000000000");
        m.Q.setze_text(238650, "238650,0000000");
        m.D0.setze_text(587, "587,0000000000");
        const QString text = kalvion::bildunterschrift(m, Deutsch);
        QVERIFY(text.size() > 120);
        const Svginhalt inhalt = lies_svg(grafikdaten(Grafikformat::svg, m, Deutsch));
        QVERIFY(inhalt.texte.contains(text));
    }

    void pdf_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("deutsch") << Deutsch;
    }
    void pdf()
    {
        QFETCH(QLocale, locale);
        const QByteArray daten = grafikdaten(Grafikformat::pdf, standardlauf(), locale);
        QVERIFY(daten.startsWith("%PDF-"));
        QCOMPARE(QString::fromLatin1(daten).count(QRegularExpression(R"(/Type\s*/Page\b)")), 1);
        QVERIFY(!daten.contains("/Subtype /Image"));  // drawn as vectors, no picture inside

        // One page of 16 × 10 cm (PDF sizes are whole points here).
        const QRegularExpressionMatch box =
            QRegularExpression(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])").match(QString::fromLatin1(daten));
        QVERIFY(box.hasMatch());
        QVERIFY(std::abs(box.captured(1).toDouble() - 160 / 25.4 * 72) <= 1);
        QVERIFY(std::abs(box.captured(2).toDouble() - 100 / 25.4 * 72) <= 1);
    }

    void pdf_in_einem_pdf_leser()
    {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftoppm.isEmpty() || pdftotext.isEmpty())
            QSKIP("pdftoppm/pdftotext fehlen (Paket poppler-utils): das PDF wird hier nicht gelesen");
        QTemporaryDir d;
        const Modell m = standardlauf();
        QVERIFY(grafik_schreiben(d.path() + "/g.pdf", m, Deutsch));

        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "50", "-png", "-singlefile", d.path() + "/g.pdf",
                                              d.path() + "/seite"}),
                 0);
        const QImage seite(d.path() + "/seite.png");
        QVERIFY(std::abs(seite.width() - 315) <= 1 && std::abs(seite.height() - 197) <= 1);  // 16 × 10 cm at 50 dpi
        int rote = 0;
        for (int y = 0; y < seite.height(); ++y)
            for (int x = 0; x < seite.width(); ++x)
                rote += rot(seite.pixel(x, y));
        QVERIFY2(rote > 100, qPrintable(QString::number(rote)));

        QCOMPARE(QProcess::execute(pdftotext, {d.path() + "/g.pdf", d.path() + "/g.txt"}), 0);
        const QString text = QString::fromUtf8(lies_datei(d.path() + "/g.txt"));
        for (const char* t : {"Start", "nach 10 Schritten", "nach 100 Schritten", "nach 1000 Schritten", "Ende",
                              "Konzentration [Mol%]"})
            QVERIFY2(text.contains(QString::fromUtf8(t)), t);
    }

    void png_data()
    {
        QTest::addColumn<QString>("lauf");
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("linear, C") << "linear" << QLocale::c();
        QTest::newRow("sphärisch, deutsch") << "sphärisch" << Deutsch;
    }
    void png()
    {
        QFETCH(QString, lauf);
        QFETCH(QLocale, locale);
        const Modell m = modell_fuer(lauf);
        const QImage bild = QImage::fromData(grafikdaten(Grafikformat::png, m, locale), "PNG");
        QCOMPARE(png_groesse(), QSize(1890, 1181));  // 16 × 10 cm at 300 dpi
        QCOMPARE(bild.size(), png_groesse());
        QCOMPARE(qRound(bild.dotsPerMeterX() * 0.0254), 300);
        QCOMPARE(qRound(bild.dotsPerMeterY() * 0.0254), 300);

        // Red along the final profile, white 10 mol% above it.
        const QRectF r = berichtsrahmen(bild.size(), m);
        auto ort = [&](int zelle, double konz) {
            return QPointF(r.left() + r.width() * zelle / m.Zellen, r.bottom() - r.height() * konz / 100).toPoint();
        };
        for (int zelle : {1, 40, 80, 120, 160, 199}) {
            QVERIFY2(rot(bild.pixel(ort(zelle, m.Konz[zelle]))), qPrintable(QString::number(zelle)));
            QCOMPARE(bild.pixel(ort(zelle, m.Konz[zelle] + 10)), qRgb(255, 255, 255));
        }
        QVERIFY(qGray(bild.pixel(ort(0, 50))) < 100);  // the frame's left edge
        QVERIFY(qGray(bild.pixel(ort(100, 100))) < 100);  // and its top
    }

    void kurzform_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("0,1 deutsch") << 0.1 << Deutsch << "0,1";
        QTest::newRow("0.1 C") << 0.1 << QLocale::c() << "0.1";
        QTest::newRow("ganze Zahl") << 100.0 << Deutsch << "100";
        QTest::newRow("ohne Tausendertrenner") << 1234567.0 << Deutsch << "1234567";
        QTest::newRow("negativ") << -2.5 << Deutsch << "-2,5";
        QTest::newRow("ein Drittel") << 1.0 / 3 << QLocale::c() << "0.3333333333333333";
        QTest::newRow("klein") << 1e-5 << Deutsch << "1e-05";
        QTest::newRow("kleinste") << 5e-324 << QLocale::c() << "5e-324";
    }
    void kurzform()
    {
        QFETCH(double, wert);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(zahlen::kuerzeste_form(wert, locale), text);
    }

    void kurven_csv_data()
    {
        QTest::addColumn<QString>("lauf");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QChar>("trenner");
        QTest::newRow("C, linear") << "linear" << QLocale::c() << QChar(',');
        QTest::newRow("deutsch, linear") << "linear" << Deutsch << QChar(';');
        QTest::newRow("deutsch, sphärisch") << "sphärisch" << Deutsch << QChar(';');
        QTest::newRow("französisch, sphärisch") << "sphärisch" << QLocale(QLocale::French, QLocale::France) << QChar(';');
        QTest::newRow("englisch, sphärisch") << "sphärisch" << QLocale(QLocale::English, QLocale::UnitedStates)
                                             << QChar(',');
        QTest::newRow("C, 2000 Schritte") << "2000 Schritte" << QLocale::c() << QChar(',');
        QTest::newRow("deutsch, 2000 Schritte") << "2000 Schritte" << Deutsch << QChar(';');
    }
    void kurven_csv()
    {
        QFETCH(QString, lauf);
        QFETCH(QLocale, locale);
        QFETCH(QChar, trenner);
        const Modell m = modell_fuer(lauf);
        QTemporaryDir d;
        const QString pfad = d.path() + "/k.csv";
        QVERIFY(kurven_schreiben(pfad, m, locale));
        const QByteArray daten = lies_datei(pfad);
        QCOMPARE(daten, kurventabelle(m, locale));

        QVERIFY(daten.startsWith("\xEF\xBB\xBF"));
        const QString text = QString::fromUtf8(daten.mid(3));
        QVERIFY(text.endsWith("\r\n"));
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        QStringList zeilen = text.split("\r\n");
        zeilen.removeLast();
        QCOMPARE(zeilen.size(), 1 + m.Zellen);
        QCOMPARE(zeilen[0].split(trenner),
                 (QStringList{"Zelle", QString::fromUtf8("x [µm]"), "Start [Mol%]", "nach 10 Schritten [Mol%]",
                              "nach 100 Schritten [Mol%]", "nach 1000 Schritten [Mol%]", "Ende [Mol%]"}));

        // Every number reads back, in the table's own locale, to the very same double.
        QLocale streng = locale;
        streng.setNumberOptions(QLocale::RejectGroupSeparator);
        const QList<const Zellfeld*> profile{&m.Konz_Start, &m.Konz_10, &m.Konz_100, &m.Konz_1000, &m.Konz};
        for (int i = 1; i <= m.Zellen; ++i) {
            const QStringList felder = zeilen[i].split(trenner);
            QCOMPARE(felder.size(), 7);
            QCOMPARE(felder[0], QString::number(i));
            auto gleich = [&](const QString& feld, double soll) {
                bool ok = false;
                const double ist = streng.toDouble(feld, &ok);
                return ok && ist == soll && !feld.contains(locale.groupSeparator());
            };
            QVERIFY2(gleich(felder[1], i * m.x_max.wert / m.Zellen), qPrintable(zeilen[i]));
            for (int k = 0; k < profile.size(); ++k) {
                if (profile[k] == &m.Konz_1000 && !mit_konz_1000(m))
                    QVERIFY2(felder[2 + k].isEmpty(), qPrintable(zeilen[i]));
                else
                    QVERIFY2(gleich(felder[2 + k], (*profile[k])[i]), qPrintable(zeilen[i]));
            }
        }
    }

    void menue()
    {
        Modell m;
        frm_grafik w(m, Dialogfabriken{}, QLocale::c());
        auto* grafik = w.findChild<QAction*>("mnu_grafik_speichern");
        auto* kurven = w.findChild<QAction*>("mnu_kurven_speichern");
        QVERIFY(grafik && kurven);
        QCOMPARE(grafik->text(), QString::fromUtf8("&Grafik speichern …"));
        QCOMPARE(kurven->text(), QString::fromUtf8("&Kurven speichern …"));

        // After "&Speichern als ASCII"; their access keys are nobody else's in
        // the menu (the two S were there before).
        QStringList texte;
        QList<QChar> tasten;
        for (QAction* a : kind<QMenu>(&w, "mnu_datei")->actions()) {
            texte << a->text();
            tasten << a->text().at(a->text().indexOf('&') + 1).toUpper();
        }
        QCOMPARE(texte, (QStringList{"Berechnung &Starten", "Berechnung &Abbrechen", "&Speichern als ASCII",
                                     QString::fromUtf8("&Grafik speichern …"), QString::fromUtf8("&Kurven speichern …"),
                                     QString::fromUtf8("&Parameter speichern …"), QString::fromUtf8("Parameter &laden …"),
                                     QString::fromUtf8("&Messprofil laden …"), "Messprofil &entfernen",
                                     "An Messprofil a&npassen", "&Beenden"}));
        QCOMPARE(tasten.count('G'), 1);
        QCOMPARE(tasten.count('P'), 1);
        QCOMPARE(tasten.count('L'), 1);
        QCOMPARE(tasten.count('K'), 1);

        // The menu commands reach the exports for the window's model.
        QTemporaryDir d;
        Meldungsrekorder meldungen;
        kind<QAction>(&w, "mnu_run")->trigger();
        QVERIFY(lauf_abwarten(w));
        QCOMPARE(meldungen.texte, QStringList{"0 Fehler"});
        meldungen.texte.clear();
        {
            Dateiwahlrekorder wahl(d.path() + "/k.csv");
            kurven->trigger();
            QCOMPARE(wahl.fragen.size(), 1);
        }
        {
            Dateiwahlrekorder wahl(d.path() + "/g.svg");
            grafik->trigger();
            QCOMPARE(wahl.fragen.size(), 1);
        }
        QVERIFY(meldungen.texte.isEmpty());
        QCOMPARE(lies_datei(d.path() + "/k.csv"), kurventabelle(m, QLocale::c()));
        QVERIFY(QSvgRenderer(d.path() + "/g.svg").isValid());
    }

    void befehle_data()
    {
        QTest::addColumn<Befehl>("befehl");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("filter");
        const QStringList bildfilter{"PNG-Bild (*.png)", "SVG-Grafik (*.svg)", "PDF-Dokument (*.pdf)"};
        QTest::newRow("Grafik als PNG") << Befehl(grafik_speichern) << "g.png" << "Kalvion - Grafik speichern"
                                        << bildfilter;
        QTest::newRow("Grafik als SVG") << Befehl(grafik_speichern) << "g.svg" << "Kalvion - Grafik speichern"
                                        << bildfilter;
        QTest::newRow("Grafik als PDF") << Befehl(grafik_speichern) << "g.pdf" << "Kalvion - Grafik speichern"
                                        << bildfilter;
        QTest::newRow("Kurven als CSV") << Befehl(kurven_speichern) << "k.csv" << "Kalvion - Kurven speichern"
                                        << QStringList{"CSV-Tabelle (*.csv)"};
    }
    void befehle()
    {
        QFETCH(Befehl, befehl);
        QFETCH(QString, name);
        QFETCH(QString, titel);
        QFETCH(QStringList, filter);
        QTemporaryDir d;
        const QString pfad = d.path() + "/" + name;
        schreibe_datei(pfad, "alter Inhalt");  // the dialog has asked before replacing it
        Meldungsrekorder meldungen;
        Dateiwahlrekorder wahl(pfad);
        befehl(nullptr, stand(standardlauf()), Deutsch);

        QVERIFY(meldungen.texte.isEmpty());
        QCOMPARE(wahl.fragen.size(), 1);
        QCOMPARE(wahl.fragen[0].titel, titel);
        QCOMPARE(wahl.fragen[0].filter, filter);
        const QByteArray daten = lies_datei(pfad);
        const QByteArray kopf = name.endsWith("png") ? "\x89PNG" : name.endsWith("svg") ? "<?xml" : name.endsWith("pdf")
                                                                                            ? "%PDF"
                                                                                            : "\xEF\xBB\xBFZelle;";
        QVERIFY(daten.startsWith(kopf));
        QCOMPARE(QDir(d.path()).entryList(QDir::Files), QStringList{name});  // no temporary file left
    }

    void ohne_aktuelle_berechnung_data()
    {
        QTest::addColumn<Befehl>("befehl");
        QTest::addColumn<bool>("je_gerechnet");
        QTest::newRow("Grafik, nie gerechnet") << Befehl(grafik_speichern) << false;
        QTest::newRow("Grafik, Parameter seither bestätigt") << Befehl(grafik_speichern) << true;
        QTest::newRow("Kurven, nie gerechnet") << Befehl(kurven_speichern) << false;
        QTest::newRow("Kurven, Parameter seither bestätigt") << Befehl(kurven_speichern) << true;
    }
    void ohne_aktuelle_berechnung()
    {
        QFETCH(Befehl, befehl);
        QFETCH(bool, je_gerechnet);
        Modell m;
        startwerte_setzen(m);
        if (je_gerechnet) {
            m = standardlauf();
            m.Berechnung_aktuell = false;
        }
        QTemporaryDir d;
        Meldungsrekorder meldungen;
        Dateiwahlrekorder wahl(d.path() + "/x.csv");
        befehl(nullptr, stand(m), Deutsch);
        QCOMPARE(meldungen.texte, QStringList{Keine_Berechnung});
        QVERIFY(wahl.fragen.isEmpty());
        QVERIFY(QDir(d.path()).isEmpty());
    }

    void abgebrochen()
    {
        Meldungsrekorder meldungen;
        Dateiwahlrekorder wahl("");
        grafik_speichern(nullptr, stand(standardlauf()), Deutsch);
        kurven_speichern(nullptr, stand(standardlauf()), Deutsch);
        QCOMPARE(wahl.fragen.size(), 2);
        QVERIFY(meldungen.texte.isEmpty());
        QVERIFY(gemerkter_ordner().isEmpty());
    }

    void fehlschlag_data()
    {
        QTest::addColumn<Befehl>("befehl");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("platte_voll");
        for (const char* name : {"g.png", "g.svg", "g.pdf", "k.csv"}) {
            const Befehl b = QByteArray(name).endsWith("csv") ? kurven_speichern : grafik_speichern;
            QTest::addRow("%s, Pfad in einer Datei", name) << b << QString(name) << false;
            QTest::addRow("%s, Platte voll", name) << b << QString(name) << true;
        }
    }
    void fehlschlag()
    {
        QFETCH(Befehl, befehl);
        QFETCH(QString, name);
        QFETCH(bool, platte_voll);
        QTemporaryDir d;
        const QByteArray alt("alter Inhalt\r\n");
        // Root may write anywhere, so the failures are ones that hold for root
        // too: a folder that is a file, and a file size limit.
        const QString pfad = platte_voll ? d.path() + "/" + name : d.path() + "/datei/" + name;
        schreibe_datei(platte_voll ? pfad : d.path() + "/datei", alt);
        Meldungsrekorder meldungen;
        Dateiwahlrekorder wahl(pfad);
        {
            std::optional<Dateigrenze> grenze;
            if (platte_voll)
                grenze.emplace(1000);
            befehl(nullptr, stand(standardlauf()), Deutsch);
        }
        QCOMPARE(meldungen.texte, QStringList{Fehlgeschlagen});
        QCOMPARE(lies_datei(platte_voll ? pfad : d.path() + "/datei"), alt);
        QCOMPARE(QDir(d.path()).entryList(QDir::Files), QStringList{platte_voll ? name : "datei"});
        QVERIFY(gemerkter_ordner().isEmpty());  // a failed folder is not remembered
    }

    // A suffix the graph cannot be written as is named, with the ones there
    // are; nothing is written and the folder is not remembered.
    void unbekannte_endung_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("JPEG") << "bild.jpg";
        QTest::newRow("ohne Endung") << "bild";
        QTest::newRow("PNG nicht am Ende") << "bild.png.bak";
    }
    void unbekannte_endung()
    {
        QFETCH(QString, name);
        QTemporaryDir d;
        Meldungsrekorder meldungen;
        Dateiwahlrekorder wahl(d.path() + "/" + name);
        grafik_speichern(nullptr, stand(standardlauf()), Deutsch);
        QCOMPARE(meldungen.texte, QStringList{QString::fromUtf8("„%1“: Grafiken werden als PNG (.png), SVG (.svg) "
                                                                "oder PDF (.pdf) gespeichert.")
                                                  .arg(name)});
        QVERIFY(QDir(d.path()).isEmpty());
        QVERIFY(gemerkter_ordner().isEmpty());
    }

    void ordner_merken()
    {
        QTemporaryDir d;
        QVERIFY(QDir(d.path()).mkdir("a"));
        const QString a = d.path() + "/a";
        const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(dokumente, heim_.path() + "/Documents");

        // The first time in the documents folder, the home folder while there is none.
        QCOMPARE(exportordner(), heim_.path());
        QVERIFY(QDir(heim_.path()).mkdir("Documents"));
        QCOMPARE(exportordner(), dokumente);

        Meldungsrekorder meldungen;
        {
            Dateiwahlrekorder wahl(a + "/k.csv");
            kurven_speichern(nullptr, stand(standardlauf()), QLocale::c());
            QCOMPARE(wahl.fragen.value(0).vorschlag, dokumente + "/kalvion-kurven.csv");
        }
        QCOMPARE(gemerkter_ordner(), a);
        QCOMPARE(exportordner(), a);
        {
            // The next command starts there; a failure elsewhere changes nothing.
            Dateiwahlrekorder wahl(d.path() + "/fehlt/g.png");
            grafik_speichern(nullptr, stand(standardlauf()), QLocale::c());
            QCOMPARE(wahl.fragen.value(0).vorschlag, a + "/kalvion-grafik.png");
        }
        QCOMPARE(meldungen.texte, QStringList{Fehlgeschlagen});
        QCOMPARE(gemerkter_ordner(), a);
        {
            Dateiwahlrekorder wahl(d.path() + "/g.pdf");
            grafik_speichern(nullptr, stand(standardlauf()), QLocale::c());
        }
        QCOMPARE(gemerkter_ordner(), d.path());

        // A remembered folder that is gone: back to the documents folder.
        QVERIFY(QDir(a).removeRecursively());
        QSettings().setValue(Ordnerschluessel, a);
        QCOMPARE(exportordner(), dokumente);
        QVERIFY(QDir(dokumente).removeRecursively());
        QVERIFY(QSettings().fileName().startsWith(einstellungen_.path()));
    }
};

QTEST_MAIN(tst_export)
#include "tst_export.moc"
