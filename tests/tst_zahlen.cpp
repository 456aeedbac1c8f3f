// SPDX-License-Identifier: GPL-3.0-or-later
// Number reading and the display patterns, in the German and the C locale,
// each under the C library locales a desktop may hand the process.
#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>

#include "testhilfen.h"
#include "zahlen.h"

using namespace kalvion;

class tst_zahlen : public QObject {
    Q_OBJECT
private slots:
    // Every check runs again with the C library switched to another locale, as
    // QApplication does from the user's environment: no result may change.
    void initTestCase_data()
    {
        QTest::addColumn<QByteArray>("c_bibliothek");
        QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8");
        QTest::newRow("de_DE.UTF-8") << QByteArray("de_DE.UTF-8");
        QTest::newRow("en_US.UTF-8") << QByteArray("en_US.UTF-8");
    }
    void init()
    {
        QFETCH_GLOBAL(QByteArray, c_bibliothek);
        QVERIFY2(std::setlocale(LC_ALL, c_bibliothek.constData()),
                 "locale not generated here; scripts/test.sh sets it up");
    }
    void cleanupTestCase() { std::setlocale(LC_ALL, "C"); }

    void c_bibliothek_ist_wirklich_umgestellt()
    {
        // Proves the switch above reaches the C library: a German LC_NUMERIC
        // has a decimal comma.
        QFETCH_GLOBAL(QByteArray, c_bibliothek);
        const char* trenner = std::localeconv()->decimal_point;
        QCOMPARE(QByteArray(trenner), QByteArray(c_bibliothek.startsWith("de_") ? "," : "."));
    }

    void lesen_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gelesen");
        QTest::addColumn<double>("wert");

        QTest::newRow("de ganze Zahl") << Deutsch << "1050" << true << 1050.0;
        QTest::newRow("de Komma") << Deutsch << "1050,0" << true << 1050.0;
        QTest::newRow("de Punkt ist Tausendertrenner") << Deutsch << "1.5" << false << 0.0;
        QTest::newRow("de Gruppen abgelehnt") << Deutsch << "1.000,5" << false << 0.0;
        QTest::newRow("de Exponent") << Deutsch << "2,5E-3" << true << 0.0025;
        QTest::newRow("de kleines e") << Deutsch << "1e300" << true << 1e300;
        QTest::newRow("de Vorzeichen") << Deutsch << "-1" << true << -1.0;
        QTest::newRow("de Plus") << Deutsch << "+7" << true << 7.0;
        QTest::newRow("de Leerzeichen") << Deutsch << "  150,5 " << true << 150.5;
        QTest::newRow("de nur Komma") << Deutsch << "," << false << 0.0;
        QTest::newRow("de Komma vorn") << Deutsch << ",5" << true << 0.5;
        QTest::newRow("de leer") << Deutsch << "" << false << 0.0;
        QTest::newRow("de Blanks") << Deutsch << "   " << false << 0.0;
        QTest::newRow("de Buchstaben") << Deutsch << "abc" << false << 0.0;
        QTest::newRow("de Rest") << Deutsch << "12abc" << false << 0.0;
        QTest::newRow("de zu groß") << Deutsch << "1e309" << false << 0.0;
        QTest::newRow("de inf") << Deutsch << "inf" << false << 0.0;
        QTest::newRow("de NaN") << Deutsch << "NaN" << false << 0.0;
        QTest::newRow("de minus null") << Deutsch << "-0" << true << 0.0;
        QTest::newRow("de Exponent ohne Ziffern") << Deutsch << "1E" << false << 0.0;
        QTest::newRow("de doppeltes Vorzeichen") << Deutsch << "--1" << false << 0.0;
        QTest::newRow("de arabische Ziffern") << Deutsch << QString::fromUtf8("١٢") << false << 0.0;
        QTest::newRow("de Unicode-Minus") << Deutsch << QString::fromUtf8("\u22121") << false << 0.0;
        QTest::newRow("de Sinterzeit 1,5") << Deutsch << "1,5" << true << 1.5;
        QTest::newRow("de Temperatur 1050,9") << Deutsch << "1050,9" << true << 1050.9;
        QTest::newRow("de Exponent mit Komma") << Deutsch << "1,05E3" << true << 1050.0;
        QTest::newRow("de 0,5") << Deutsch << "0,5" << true << 0.5;
        QTest::newRow("de i_Diff 199,6") << Deutsch << "199,6" << true << 199.6;
        QTest::newRow("de winzig") << Deutsch << "1E-400" << false << 0.0;
        QTest::newRow("C Punkt") << C_Locale << "1.5" << true << 1.5;
        QTest::newRow("C Komma abgelehnt") << C_Locale << "1,5" << false << 0.0;
        QTest::newRow("C Gruppen abgelehnt") << C_Locale << "1,000" << false << 0.0;
        QTest::newRow("C Exponent") << C_Locale << "1E+15" << true << 1e15;
        QTest::newRow("C NUL") << C_Locale << QString::fromLatin1("1\0002", 3) << false << 0.0;
    }
    void lesen()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(bool, gelesen);
        QFETCH(double, wert);
        const auto v = zahlen::lies(text, locale);
        QCOMPARE(v.has_value(), gelesen);
        if (gelesen) {
            QCOMPARE(*v, wert);
            QVERIFY(!std::signbit(*v) || *v < 0);
        }
    }

    void muster_data()
    {
        QTest::addColumn<QString>("muster");
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("deutsch");
        QTest::addColumn<QString>("c");

        QTest::newRow("0 Achse") << "0" << 10.0 << "10" << "10";
        QTest::newRow("0 Million ohne Gruppen") << "0" << 1e6 << "1000000" << "1000000";
        QTest::newRow("0 0,8") << "0" << 0.8 << "1" << "1";
        QTest::newRow("0.0 Cursor oben links") << "0.0" << -20.0 << "-20,0" << "-20.0";
        QTest::newRow("0.0 110") << "0.0" << 110.0 << "110,0" << "110.0";
        QTest::newRow("0.0 Minus bleibt") << "0.0" << -0.04 << "-0,0" << "-0.0";
        QTest::newRow("0.0000 erste Zeile") << "0.0000" << 0.25 << "0,2500" << "0.2500";
        QTest::newRow("0.0000 Konz") << "0.0000" << 100.0 << "100,0000" << "100.0000";
        QTest::newRow("0.0000E+00 D") << "E" << 2.2207760472e-10 << "2,2208E-10" << "2.2208E-10";
        QTest::newRow("0.0000E+00 null") << "E" << 0.0 << "0,0000E+00" << "0.0000E+00";
        QTest::newRow("0.0000E+00 groß") << "E" << 12345.0 << "1,2345E+04" << "1.2345E+04";
        QTest::newRow("Schritte") << "ganz" << 6140.0 << "6140" << "6140";
        QTest::newRow("Schritte 10000 h") << "ganz" << 30700008.0 << "30700008" << "30700008";
        QTest::newRow("Schritte unter 10^15") << "ganz" << 999999999999999.0 << "999999999999999" << "999999999999999";
        QTest::newRow("Schritte ab 10^15") << "ganz" << 1e15 << "1E+15" << "1E+15";
        QTest::newRow("Mol% 10") << "mol" << 10.0 << "10" << "10";
        QTest::newRow("Mol% Kugel") << "mol" << 27.0395 << "27,04" << "27.04";
        QTest::newRow("Mol% 100") << "mol" << 99.99996 << "100" << "100";
        QTest::newRow("Mol% halb zur geraden") << "mol" << 0.125 << "0,12" << "0.12";
        QTest::newRow("Mol% 0,5") << "mol" << 0.5 << "0,5" << "0.5";
        QTest::newRow("Druck Zellen") << "druck" << 200.0 << " 200 " << " 200 ";
        QTest::newRow("Druck D") << "druck" << 2.22077604716197e-10 << " 2,22077604716197E-10 " << " 2.22077604716197E-10 ";
        QTest::newRow("Druck negativ") << "druck" << -1.5 << "-1,5 " << "-1.5 ";
        QTest::newRow("Druck 15 Stellen") << "druck" << 1.0 / 3 << " 0,333333333333333 " << " 0.333333333333333 ";
        QTest::newRow("Druck groß") << "druck" << 1e20 << " 1E+20 " << " 1E+20 ";
        QTest::newRow("Druck Kelvin") << "druck" << 1323.0 << " 1323 " << " 1323 ";
        QTest::newRow("Druck null") << "druck" << 0.0 << " 0 " << " 0 ";
    }
    void muster()
    {
        QFETCH(QString, muster);
        QFETCH(double, wert);
        QFETCH(QString, deutsch);
        QFETCH(QString, c);
        auto format = [&](const QLocale& l) {
            if (muster == "0") return zahlen::festkomma(wert, 0, l);
            if (muster == "0.0") return zahlen::festkomma(wert, 1, l);
            if (muster == "0.0000") return zahlen::festkomma(wert, 4, l);
            if (muster == "E") return zahlen::exponentform(wert, l);
            if (muster == "ganz") return zahlen::ganzzahl(wert, l);
            if (muster == "mol") return zahlen::molprozent(wert, l);
            return zahlen::druckform(wert, l);
        };
        QCOMPARE(format(Deutsch), deutsch);
        QCOMPARE(format(C_Locale), c);
    }

    void gelesen_wie_gedruckt()
    {
        // Whatever is accepted reads back to the same number.
        for (double v : {0.1, 1050.0, 2.5e-7, 238650.0, 1e300}) {
            for (const QLocale& l : {Deutsch, C_Locale}) {
                const auto r = zahlen::lies(zahlen::allgemein(v, l), l);
                QVERIFY(r.has_value());
                QVERIFY(std::fabs(*r - v) <= 1e-14 * v);
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_zahlen)
#include "tst_zahlen.moc"
