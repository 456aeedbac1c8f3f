// SPDX-License-Identifier: GPL-3.0-or-later
// Reading measured profiles: every separator and decimal sign the files of
// line scans carry, both encodings, and each kind of file that is refused.
#include <QTemporaryDir>
#include <QTest>

#include "messprofil.h"
#include "testhilfen.h"

using namespace kalvion;

Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(kalvion::Spaltenwahl)

class tst_messprofil : public QObject {
    Q_OBJECT
private slots:
    void gelesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<std::vector<double>>("x");
        QTest::addColumn<std::vector<double>>("c");
        const std::vector<double> x{0.5, 1.25, 10}, c{80, 40.5, 0.25};
        QTest::newRow("Semikolon, Dezimalkomma") << QByteArray("0,5;80\n1,25;40,5\n10;0,25\n") << x << c;
        QTest::newRow("Semikolon, Dezimalpunkt") << QByteArray("0.5;80\n1.25;40.5\n10;0.25\n") << x << c;
        QTest::newRow("Tabulator, Dezimalkomma, CR LF") << QByteArray("0,5\t80\r\n1,25\t40,5\r\n10\t0,25\r\n") << x << c;
        QTest::newRow("Komma zwischen den Feldern, Punkt") << QByteArray("0.5,80\n1.25,40.5\n10,0.25\n") << x << c;
        QTest::newRow("Komma und Leerzeichen") << QByteArray("0.5, 80\n1.25, 40.5\n10, 0.25\n") << x << c;
        QTest::newRow("Leerzeichen, Exponent") << QByteArray("  5e-1   8e1\n1.25 40.5\n1e1 2.5E-1\n") << x << c;
        QTest::newRow("Kopfzeilen, Kommentare, Leerzeilen")
            << QByteArray("Probe 3, 1100 °C\nx [µm];c [mol%]\n# Linienscan\n\n0,5;80\n# Mitte\n1,25;40,5\n10;0,25\n\n")
            << x << c;
        QTest::newRow("UTF-8 mit BOM und µm im Kopf")
            << QByteArray("\xEF\xBB\xBFx [\xC2\xB5m]\tc [mol%]\n0,5\t80\n1,25\t40,5\n10\t0,25") << x << c;
        QTest::newRow("Windows-1252 mit µm im Kopf")
            << QByteArray("Tiefe [\xB5m];Konzentration [mol%]\r\n0,5;80\r\n1,25;40,5\r\n10;0,25\r\n") << x << c;
        QTest::newRow("Vorzeichen") << QByteArray("+0.5;80\n1.25;40.5\n10;+0.25\n") << x << c;
        QTest::newRow("Rauschen knapp unter 0 und über 100")
            << QByteArray("0.5;100.75\n1.25;40.5\n10;-1\n") << x << std::vector<double>{100.75, 40.5, -1};
        QTest::newRow("Kopfzeile mit drei Namen, zwei Spalten")
            << QByteArray("Tiefe;Konzentration;Bemerkung\n0,5;80\n1,25;40,5\n10;0,25\n") << x << c;
    }
    void gelesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(std::vector<double>, x);
        QFETCH(std::vector<double>, c);
        const Messlesung l = messprofil_lesen(inhalt);
        QVERIFY2(l.ok, qPrintable(l.fehler));
        QCOMPARE(l.profil.punkte.size(), x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            QCOMPARE(l.profil.punkte[i].x, x[i]);
            QCOMPARE(l.profil.punkte[i].konz, c[i]);
        }
    }

    void abgelehnt_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("leer") << QByteArray() << QStringLiteral("Die Datei enthält keine Messpunkte.");
        QTest::newRow("nur Kopf und Kommentar") << QByteArray("x;c\n# nichts\n")
                                                << QStringLiteral("Die Datei enthält keine Messpunkte.");
        QTest::newRow("eine Spalte") << QByteArray("0.5\n1.5\n2.5\n")
                                     << QStringLiteral("Zeile 1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n0.5");
        QTest::newRow("drei Spalten") << QByteArray("1;2;3\n")
                                      << QStringLiteral("Zeile 1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n1;2;3");
        QTest::newRow("Text in einer Zahl") << QByteArray("x;c\n0,5;80\n1,25;4o,5\n10;0,25\n")
                                            << QStringLiteral("Zeile 3 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n1,25;4o,5");
        QTest::newRow("Kopfzeile nach den Punkten") << QByteArray("0,5;80\nx;c\n1;2\n")
                                                    << QStringLiteral("Zeile 2 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\nx;c");
        QTest::newRow("Zahl mit Text am Anfang") << QByteArray("1;abc\n1;2\n")
                                                 << QStringLiteral("Zeile 1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n1;abc");
        QTest::newRow("Tausenderpunkt") << QByteArray("1.000,5;2\n1;2\n3;4\n")
                                        << QStringLiteral("Zeile 1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n1.000,5;2");
        QTest::newRow("unendlich") << QByteArray("1;inf\n1;2\n3;4\n")
                                   << QStringLiteral("Zeile 1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n1;inf");
        QTest::newRow("Dezimalkomma mit Komma als Trenner") << QByteArray("0,5,80\n1,2\n3,4\n")
                                                            << QStringLiteral("Zeile 1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n0,5,80");
        QTest::newRow("zwei Punkte") << QByteArray("x;c\n1;2\n3;4\n")
                                     << QStringLiteral("Zu wenige Messpunkte: 2 (mindestens 3).");
        QTest::newRow("drei gleiche Zeilen") << QByteArray("1;50\n1;50\n1;50\n")
                                             << QStringLiteral("Zu wenige verschiedene Tiefen: 3 Messpunkte bei nur 1 "
                                                               "verschiedenen x (mindestens 3).");
        QTest::newRow("über 101 Mol%") << QByteArray("x;c\n0;80\n1;101,5\n2;3\n")
                                        << QStringLiteral("Zeile 3: eine Konzentration unter -1 oder über 101 Mol% "
                                                          "kann keine Messung sein:\n1;101,5");
        QTest::newRow("unter -1 Mol%") << QByteArray("0 80\n1 -1.5\n2 3\n")
                                        << QStringLiteral("Zeile 2: eine Konzentration unter -1 oder über 101 Mol% "
                                                          "kann keine Messung sein:\n1 -1.5");
        const QString utf16 = QStringLiteral("Die Datei ist in UTF-16 gespeichert. UTF-16 wird nicht gelesen; bitte "
                                             "als UTF-8 oder Windows-1252 speichern.");
        const QString text = QStringLiteral("x;c\n0;80\n1;40\n2;3\n");
        QByteArray le(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        QTest::newRow("UTF-16 mit Kennung") << QByteArray("\xFF\xFE") + le << utf16;
        QTest::newRow("UTF-16 ohne Kennung") << le << utf16;
        QTest::newRow("Nullbytes") << QByteArray("0;80\n1;40\n2;3\n\0\0\0\0", 16)
                                   << QStringLiteral("Die Datei enthält Nullbytes und ist keine Textdatei; bitte als "
                                                     "UTF-8 oder Windows-1252 speichern.");
        QTest::newRow("Tabellenzeile mit einem Feld zu wenig")
            << QByteArray("x;a;b\n0;1;2\n1;2\n")
            << QStringLiteral("Zeile 3 passt nicht zu den 3 Spalten der Kopfzeile (je Spalte eine Zahl oder nichts):\n1;2");
        QTest::newRow("mehrere Wertespalten, keine gewählt")
            << QByteArray("x;Fe;Ni\n0;1;2\n1;2;3\n2;3;4\n")
            << QString::fromUtf8("Die Datei hat mehrere Wertespalten: „Fe“ (2), „Ni“ (3). Bitte eine davon wählen.");
    }
    void abgelehnt()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        const Messlesung l = messprofil_lesen(inhalt);
        QVERIFY(!l.ok);
        QCOMPARE(l.fehler, meldung);
        QVERIFY(l.profil.punkte.empty());
    }

    // A table of value columns: x is the column named so, the value columns
    // follow it; one is read, by default the curve table's final profile.
    void spalten_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<Spaltenwahl>("wahl");
        QTest::addColumn<QStringList>("spalten");  // "Name (Nummer)", the one read marked with *
        QTest::addColumn<std::vector<double>>("c");  // at x = 1, 2, 3
        QTest::addColumn<QString>("meldung");

        const QByteArray kurven("\xEF\xBB\xBF\"Programm: 20 °C → 5 K/min → 1050 °C, 2 h\"\r\n"
                                "Zelle,x [µm],Start [Mol%],nach 10 Schritten [Mol%],nach 1000 Schritten [Mol%],Ende [Mol%]\r\n"
                                "1,1,100,90,,50\r\n2,2,100,80,,40\r\n3,3,0,10,,30\r\n");
        const QStringList kurvenspalten{"Start [Mol%] (3)", "nach 10 Schritten [Mol%] (4)", "Ende [Mol%] (6)"};
        auto markiert = [](QStringList s, int i) {
            s[i] += QLatin1Char('*');
            return s;
        };
        QTest::newRow("Kurventabelle: das Endprofil") << kurven << Spaltenwahl{} << markiert(kurvenspalten, 2)
                                                      << std::vector<double>{50, 40, 30} << QString();
        QTest::newRow("nach Name ohne Einheit") << kurven << Spaltenwahl::nach_name(QStringLiteral("start"))
                                                << markiert(kurvenspalten, 0) << std::vector<double>{100, 100, 0}
                                                << QString();
        QTest::newRow("nach Nummer") << kurven << Spaltenwahl::nach_nummer(4) << markiert(kurvenspalten, 1)
                                     << std::vector<double>{90, 80, 10} << QString();
        QTest::newRow("die leere Spalte ist keine") << kurven << Spaltenwahl::nach_nummer(5) << kurvenspalten
                                                    << std::vector<double>{}
                                                    << QString::fromUtf8("Die Datei hat keine Wertespalte 5; ihre Wertespalten: "
                                                                         "„Start [Mol%]“ (3), „nach 10 Schritten [Mol%]“ (4), „Ende [Mol%]“ (6).");
        QTest::newRow("x ist keine Wertespalte") << kurven << Spaltenwahl::nach_nummer(2) << kurvenspalten
                                                 << std::vector<double>{} << QStringLiteral("Spalte 2 ist die Tiefe x");
        QTest::newRow("unbekannter Name") << kurven << Spaltenwahl::nach_name(QStringLiteral("Mitte")) << kurvenspalten
                                          << std::vector<double>{} << QString::fromUtf8("keine Wertespalte „Mitte“");
        QTest::newRow("Tabulator, Dezimalkomma, leere Felder übergangen")
            << QByteArray("Punkt\tX (um)\tFe\tNi\n7\t1\t0,5\t\n8\t2\t\t9\n9\t3\t1,5\t8\n10\t4\t2\t7\n")
            << Spaltenwahl::nach_name(QStringLiteral("Ni")) << markiert({"Fe (3)", "Ni (4)"}, 1)
            << std::vector<double>{9, 8} << QString();
        QTest::newRow("zwei Spalten mit Kopf") << QByteArray("x [um];c\n1;5\n2;6\n3;7\n") << Spaltenwahl::nach_nummer(2)
                                               << QStringList{"c (2)*"} << std::vector<double>{5, 6, 7} << QString();
        QTest::newRow("zwei Spalten ohne Kopf") << QByteArray("1;5\n2;6\n3;7\n") << Spaltenwahl::nach_name("c")
                                                << QStringList{"Spalte 2 (2)"} << std::vector<double>{}
                                                << QString::fromUtf8("keine Wertespalte „c“; ihre Wertespalten: Spalte 2.");
    }
    void spalten()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(Spaltenwahl, wahl);
        QFETCH(QStringList, spalten);
        QFETCH(std::vector<double>, c);
        QFETCH(QString, meldung);
        const Messlesung l = messprofil_lesen(inhalt, wahl);
        QStringList gefunden;
        for (std::size_t i = 0; i < l.spalten.size(); ++i)
            gefunden << QStringLiteral("%1 (%2)%3")
                            .arg(spaltentitel(l.spalten[i]))
                            .arg(l.spalten[i].nummer)
                            .arg(int(i) == l.gewaehlt ? QStringLiteral("*") : QString());
        QCOMPARE(gefunden, spalten);
        QCOMPARE(l.ok, meldung.isEmpty());
        QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
        if (!l.ok)
            return;
        std::vector<double> konz;
        for (const Messpunkt& p : l.profil.punkte)
            if (p.x >= 1 && p.x <= 3)
                konz.push_back(p.konz);
        QCOMPARE(konz, c);
    }

    void jenseits_von_x_max_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("deutsch") << Deutsch
                                 << QStringLiteral("Messpunkte außerhalb des Diffusionswegs 0 … 50 µm:\n"
                                                   "x = 50,5 µm (Zeile 4)\nx = -1 µm (Zeile 5)");
        QTest::newRow("C") << C_Locale
                           << QStringLiteral("Messpunkte außerhalb des Diffusionswegs 0 … 50 µm:\n"
                                             "x = 50.5 µm (Zeile 4)\nx = -1 µm (Zeile 5)");
    }
    void jenseits_von_x_max()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, meldung);
        const Messlesung l = messprofil_lesen("x;c\n0;1\n50;2\n50,5;3\n-1;4\n");
        QVERIFY(l.ok);
        QCOMPARE(messprofil_pruefen(l.profil, 50, locale), meldung);
        QCOMPARE(messprofil_pruefen(l.profil, 60, locale).size() > 0, true);  // -1 stays outside
        const Messlesung innen = messprofil_lesen("0;1\n50;2\n25;3\n");
        QVERIFY(messprofil_pruefen(innen.profil, 50, locale).isEmpty());
    }

    void viele_jenseits_von_x_max()
    {
        QByteArray text;
        for (int i = 1; i <= 30; ++i)
            text += QByteArray::number(i) + ";1\n";
        const Messlesung l = messprofil_lesen(text);
        const QStringList zeilen = messprofil_pruefen(l.profil, 5, C_Locale).split(QLatin1Char('\n'));
        QCOMPARE(zeilen.size(), 1 + 10 + 1);
        QCOMPARE(zeilen[1], QString::fromUtf8("x = 6 µm (Zeile 6)"));
        QCOMPARE(zeilen.last(), QString::fromUtf8("… und 15 weitere"));
    }

    void aus_einer_datei()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("scan 1100.csv"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0;80\n1;40\n2;10\n");
        f.close();
        const Messlesung l = messprofil_laden(pfad);
        QVERIFY(l.ok);
        QCOMPARE(l.profil.dateiname, QStringLiteral("scan 1100.csv"));
        QCOMPARE(l.profil.zeilen, (std::vector<int>{1, 2, 3}));
        const Messlesung fehlt = messprofil_laden(ordner.filePath(QStringLiteral("fehlt.csv")));
        QVERIFY(!fehlt.ok);
        QVERIFY(fehlt.fehler.startsWith(QStringLiteral("Die Datei kann nicht gelesen werden:")));
    }
};

QTEST_GUILESS_MAIN(tst_messprofil)
#include "tst_messprofil.moc"
