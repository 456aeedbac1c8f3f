// SPDX-License-Identifier: GPL-3.0-or-later
// kalvion-cli --messung and --anpassen: D from one profile, D0 and Q from
// profiles at several temperatures computed by the engine itself, and every
// input the command refuses before it fits anything.
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "anpassung.h"
#include "befehl.h"
#include "cli_messprofil.h"
#include "einzellauf.h"
#include "kurvendatei.h"
#include "kurzform.h"
#include "testhilfen.h"

using namespace kalvion;
using namespace kalvion::cli;

namespace {

struct Aufruf {
    int status = 0;
    QByteArray aus, fehler;
};

QByteArray lies(std::FILE* f)
{
    std::rewind(f);
    QByteArray inhalt;
    char puffer[4096];
    while (const std::size_t n = std::fread(puffer, 1, sizeof puffer, f))
        inhalt.append(puffer, static_cast<qsizetype>(n));
    std::fclose(f);
    return inhalt;
}

Aufruf ausfuehren(const QStringList& argumente, const QLocale& locale = QLocale::c())
{
    static const std::atomic<int> nie{0};
    std::FILE* aus = std::tmpfile();
    std::FILE* fehler = std::tmpfile();
    Umgebung u{locale, QDate(2026, 1, 2), &nie, false, aus, fehler};
    Aufruf e;
    e.status = befehl_ausfuehren(QStringList{QStringLiteral("kalvion-cli")} + argumente, u);
    e.aus = lies(aus);
    e.fehler = lies(fehler);
    return e;
}

// The number after `vor` in the text, read in `locale`.
double zahl_nach(const QString& text, const QString& vor, const QLocale& locale)
{
    const qsizetype i = text.indexOf(vor);
    if (i < 0)
        return -1;
    const QString rest = text.mid(i + vor.size()).section(QLatin1Char(' '), 0, 0);
    return locale.toDouble(rest);
}

}  // namespace

class tst_cli_anpassung : public QObject {
    Q_OBJECT

    QTemporaryDir ordner_;
    QString pfad(const QString& name) { return ordner_.filePath(name); }
    QString datei(double t) { return pfad(QStringLiteral("scan_%1.csv").arg(t)); }

private slots:
    void initTestCase()
    {
        for (double t : {1000.0, 1050.0, 1100.0, 1150.0})
            schreibe_datei(datei(t), scan(t));
        schreibe_datei(pfad(QStringLiteral("kaputt.csv")), "1;2\n3;x\n5;6\n");
    }

    void ein_profil_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("messung");
        QTest::newRow("deutsch, --anpassen") << Deutsch << false;
        QTest::newRow("C, --anpassen") << C_Locale << false;
        QTest::newRow("C, --messung mit --temperatur") << C_Locale << true;
    }
    void ein_profil()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, messung);
        const QStringList gemeinsam{"--weg", "30", "--zeit", "3"};
        const QStringList profil = messung ? QStringList{"--messung", datei(1100), "--temperatur", "1100"}
                                           : QStringList{"--anpassen", datei(1100) + "@1100"};
        const Aufruf e = ausfuehren(gemeinsam + profil, locale);
        QCOMPARE(e.status, 0);
        QVERIFY(e.fehler.isEmpty());
        const QString text = QString::fromLocal8Bit(e.aus);
        QVERIFY2(text.startsWith(QString::fromUtf8("scan_1100.csv, 1100 °C: D = ")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("30 Punkte")));
        // The profile came from D0 = 587 at the start-up Q.
        QVERIFY2(std::abs(zahl_nach(text, QStringLiteral("D0 = "), locale) / 587 - 1) < 1e-6, qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("bei Q = 238650 J/mol")));
    }

    void d0_und_q_aus_vier_temperaturen()
    {
        QStringList argumente{"--weg", "30", "--zeit", "3", "--tabelle"};
        for (double t : {1000.0, 1050.0, 1100.0, 1150.0})
            argumente << "--anpassen" << datei(t) + "@" + QString::number(t);
        const Aufruf e = ausfuehren(argumente);
        QCOMPARE(e.status, 0);
        const QList<QByteArray> zeilen = e.aus.split('\n');
        QCOMPARE(zeilen.size(), 1 + 4 + 1 + 1);  // header, four fits, Arrhenius, the empty rest
        QCOMPARE(zeilen[0], QByteArray("art,datei,temperatur,Kelvin,punkte,D,D_unten,D_oben,RMS,befund,D0,D0_fehler,Q,"
                                       "Q_fehler\r"));
        QVERIFY(zeilen[1].startsWith("anpassung,"));
        QVERIFY(zeilen[1].contains(",1000,1273,30,"));
        QVERIFY(zeilen[1].contains(",eindeutig,"));
        const QList<QByteArray> arrhenius = zeilen[5].trimmed().split(',');
        QCOMPARE(arrhenius.size(), 14);
        QCOMPARE(arrhenius[0], QByteArray("arrhenius"));
        QVERIFY2(std::abs(arrhenius[10].toDouble() / 587 - 1) < 1e-5, arrhenius[10].constData());
        QVERIFY2(std::abs(arrhenius[12].toDouble() / 238650 - 1) < 1e-6, arrhenius[12].constData());

        // The same for people.
        argumente.removeAll(QStringLiteral("--tabelle"));
        const Aufruf text = ausfuehren(argumente, Deutsch);
        QCOMPARE(text.status, 0);
        const QString t = QString::fromLocal8Bit(text.aus);
        QVERIFY(t.contains(QStringLiteral("Arrhenius aus 4 Messprofilen:\n")));
        QVERIFY(std::abs(zahl_nach(t, QStringLiteral("Q = "), Deutsch) / 238650 - 1) < 1e-6);
        QVERIFY(t.contains(QString::fromUtf8(" J/mol\n")));
    }

    // Files and temperatures swapped: D falls as the temperature rises, so Q
    // comes out below 0. The lines for people say so; the table keeps its
    // numbers; the right way round says nothing of it.
    void arrhenius_mit_negativem_q_data()
    {
        QTest::addColumn<bool>("vertauscht");
        QTest::newRow("vertauscht") << true;
        QTest::newRow("richtig") << false;
    }
    void arrhenius_mit_negativem_q()
    {
        QFETCH(bool, vertauscht);
        const QStringList argumente{"--weg", "30", "--zeit", "3", "--anpassen",
                                    datei(1000) + (vertauscht ? "@1150" : "@1000"), "--anpassen",
                                    datei(1150) + (vertauscht ? "@1000" : "@1150")};
        const Aufruf text = ausfuehren(argumente, Deutsch);
        QCOMPARE(text.status, 0);
        const QString t = QString::fromLocal8Bit(text.aus);
        QCOMPARE(zahl_nach(t, QStringLiteral("Q = "), Deutsch) < 0, vertauscht);
        QCOMPARE(t.contains(QString::fromUtf8("  Hinweis: Q < 0 heißt, D fällt mit steigender Temperatur; gehören "
                                              "Dateien und Temperaturen zusammen (vertauscht)?\n")),
                 vertauscht);
        const Aufruf tabelle = ausfuehren(argumente + QStringList{"--tabelle"});
        QCOMPARE(tabelle.status, 0);
        QVERIFY(!tabelle.aus.contains("Hinweis"));
        QCOMPARE(tabelle.aus.split('\n')[3].split(',')[12].startsWith('-'), vertauscht);
    }

    // The curve table "Kurven speichern …" writes is a measured profile: its
    // final profile by default, any value column by name or number; the fit
    // finds the D0 it was computed with.
    void kurventabelle_als_profil_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("spalte");
        QTest::addColumn<double>("d0");
        QTest::newRow("deutsch, das Endprofil") << Deutsch << QStringList{} << 587.0;
        QTest::newRow("C, --spalte Ende") << C_Locale << QStringList{"--spalte", "Ende"} << 587.0;
        QTest::newRow("C, --column 7") << C_Locale << QStringList{"--column", "7"} << 587.0;
    }
    void kurventabelle_als_profil()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, spalte);
        QFETCH(double, d0);
        Lauf lauf = Studie::startwerte().lauf(0);
        lauf.werte[static_cast<int>(Feld::Sintertemp)] = 1100;
        lauf.werte[static_cast<int>(Feld::x_max)] = 30;
        lauf.werte[static_cast<int>(Feld::Sinterzeit)] = 3;
        Modell m = modell_fuer(lauf, locale);
        lauf_rechnen(m);
        schreibe_datei(pfad(QStringLiteral("kurven.csv")), kurventabelle(m, locale));
        const Aufruf e = ausfuehren(QStringList{"--weg", "30", "--zeit", "3", "--anpassen",
                                                pfad(QStringLiteral("kurven.csv")) + "@1100"} +
                                        spalte,
                                    locale);
        QCOMPARE(e.status, 0);
        const QString text = QString::fromLocal8Bit(e.aus);
        QVERIFY2(text.contains(QStringLiteral("200 Punkte")), qPrintable(text));
        QVERIFY2(std::abs(zahl_nach(text, QStringLiteral("D0 = "), locale) / d0 - 1) < 1e-6, qPrintable(text));
    }

    void abgelehnt_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ohne Temperatur") << QStringList{"--anpassen", "scan.csv"}
                                         << "scan.csv\" hat nicht die Form DATEI@TEMPERATUR (etwa scan.csv@1100)";
        QTest::newRow("Temperatur zu hoch") << QStringList{"--anpassen", "scan.csv@20000"} << "--anpassen";
        QTest::newRow("zwei Temperaturen") << QStringList{"--anpassen", "scan.csv@1000:1100:100"}
                                           << "eine Datei gehört zu genau einer Temperatur";
        QTest::newRow("Datei fehlt") << QStringList{"--anpassen", "fehlt.csv@1000"}
                                     << "Die Datei kann nicht gelesen werden";
        QTest::newRow("Text in einer Zahl") << QStringList{"--anpassen", "kaputt.csv@1000"}
                                            << "Zeile 2 ist weder Kopfzeile noch Messpunkt";
        QTest::newRow("jenseits von x_max") << QStringList{"--weg", "10", "--anpassen", "scan_1000.csv@1000"}
                                            << QString::fromUtf8("Messpunkte außerhalb des Diffusionswegs 0 … 10 µm");
        QTest::newRow("zweimal dieselbe Temperatur")
            << QStringList{"--weg", "30", "--anpassen", "scan_1000.csv@1000", "--anpassen", "scan_1050.csv@1000"}
            << "mindestens zwei verschiedenen Temperaturen";
        QTest::newRow("Studie statt Parametersatz") << QStringList{"--zeit", "1,2", "--anpassen", "scan_1000.csv@1000"}
                                                    << "einen einzelnen Parametersatz; die Optionen ergeben 2";
        QTest::newRow("--messung bei mehreren Temperaturen")
            << QStringList{"--temperatur", "1000,1100", "--messung", "scan_1000.csv"} << "--messung gilt bei einer";
        QTest::newRow("mit --datei") << QStringList{"--anpassen", "scan_1000.csv@1000", "--datei", "e.txt"}
                                     << "--datei gilt nicht zusammen mit --messung oder --anpassen";
    }
    void abgelehnt()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        for (QString& a : argumente)
            if (a.contains(QStringLiteral(".csv")))
                a = pfad(a);
        const Aufruf e = ausfuehren(argumente);
        QCOMPARE(e.status, 2);
        QVERIFY(e.aus.isEmpty());
        QVERIFY2(QString::fromLocal8Bit(e.fehler).contains(meldung), e.fehler.constData());
    }
};

QTEST_GUILESS_MAIN(tst_cli_anpassung)
#include "tst_cli_anpassung.moc"
