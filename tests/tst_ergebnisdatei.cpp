// SPDX-License-Identifier: GPL-3.0-or-later
// The results file: the 217-line block byte for byte, appending, and saves
// that fail without touching what the file held before.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "ergebnisdatei.h"
#include "testhilfen.h"
using namespace kalvion;

Q_DECLARE_METATYPE(kalvion::Speicherergebnis)

namespace {

const QDate Tag(2026, 12, 8);



QList<QByteArray> zeilen(const QByteArray& block)
{
    QList<QByteArray> z = block.split('\n');
    z.removeLast();  // after the last line end
    return z;
}

}  // namespace

class tst_ergebnisdatei : public QObject {
    Q_OBJECT
private slots:
    void block_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("zeile2");
        QTest::addColumn<QByteArray>("zeile11");
        QTest::addColumn<QByteArray>("erste_zeile_start");
        QTest::addColumn<QByteArray>("letzte_zeile_start");
        QTest::newRow("deutsch") << Deutsch << QByteArray("Diffusion im linearen Fall, Daten berechnet am: 08.12.26")
                                 << QByteArray(" 2,22077604716197E-10 Diffusionskoeffizient D [cm^2/s]")
                                 << QByteArray("0,2500 22,0") << QByteArray("50,0000 0,97");
        QTest::newRow("C") << QLocale::c()
                           << "Diffusion im linearen Fall, Daten berechnet am: " + QLocale::c().toString(Tag, QLocale::ShortFormat).toLatin1()
                           << QByteArray(" 2.22077604716197E-10 Diffusionskoeffizient D [cm^2/s]")
                           << QByteArray("0.2500 22.0") << QByteArray("50.0000 0.97");
    }
    void block()
    {
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, zeile2);
        QFETCH(QByteArray, zeile11);
        QFETCH(QByteArray, erste_zeile_start);
        QFETCH(QByteArray, letzte_zeile_start);

        const auto b = ergebnisblock(standardlauf(), "/daten/ergebnis.txt", Tag, locale);
        QVERIFY(b);
        QVERIFY(b->endsWith("\r\n"));
        const QList<QByteArray> z = zeilen(*b);
        QCOMPARE(z.size(), 217);
        for (const QByteArray& zeile : z)
            QVERIFY(zeile.endsWith('\r'));  // CR LF after every line
        QCOMPARE(b->count('\n'), 217);
        QCOMPARE(b->count('\r'), 217);

        auto zeile = [&](int n) { return z[n - 1].chopped(1); };
        QCOMPARE(zeile(1), QByteArray("/daten/ergebnis.txt"));
        QCOMPARE(zeile(2), zeile2);
        QCOMPARE(zeile(3), QByteArray());
        QCOMPARE(zeile(4), QByteArray(" 50  Gesamtdiffusionsweg [\xB5m]"));
        QCOMPARE(zeile(5), QByteArray(" 200  Rechenschritte/Weg"));
        QCOMPARE(zeile(6), QByteArray(" 2  Sinterdauer [h]"));
        QCOMPARE(zeile(7), QByteArray(" 587  Diffusionskoeffizient D0 [ 1000*cm^2/s ]"));
        QCOMPARE(zeile(8), QByteArray(" 238650  Aktivierungsenergie [J/mol]"));
        QCOMPARE(zeile(9), QByteArray(" 1050  Sintertemperatur [\xB0" "C]"));
        QCOMPARE(zeile(10), QByteArray(" 1323  Sintertemperatur [Kelvin]"));
        QCOMPARE(zeile(11), zeile11);
        QCOMPARE(zeile(12), QByteArray(" 20  Zahl der Zellen von links, welche bei Start zu 100% diffundierenden Stoff enthalten"));
        QCOMPARE(zeile(13), QByteArray(" 10  Gesamtmol% des diffundierenden Stoffes"));
        QCOMPARE(zeile(14), QByteArray());
        QCOMPARE(zeile(15), QByteArray(35, '-'));
        QCOMPARE(zeile(16), QByteArray("ort x [\xB5m]      Konzentration      "));
        QCOMPARE(zeile(16).size(), 35);
        QCOMPARE(zeile(17), QByteArray(35, '-'));
        QVERIFY2(zeile(18).startsWith(erste_zeile_start), zeile(18).constData());
        QVERIFY2(zeile(217).startsWith(letzte_zeile_start), zeile(217).constData());
        QVERIFY(zeile(217).endsWith(' '));
        QCOMPARE(zeile(217).count(' '), 2);
    }

    void volle_erste_zelle_und_getippte_texte()
    {
        Modell m;
        startwerte_setzen(m);
        anfangsprofil(m);
        m.Sintertemp.setze_text(1050, "1050,0");
        m.x_max.setze_text(50, "50");
        const auto b = ergebnisblock(m, "x", Tag, Deutsch);
        QVERIFY(b);
        const QList<QByteArray> z = zeilen(*b);
        QCOMPARE(z[3], QByteArray("50 Gesamtdiffusionsweg [\xB5m]\r"));
        QCOMPARE(z[8], QByteArray("1050,0 Sintertemperatur [\xB0" "C]\r"));
        QCOMPARE(z[17], QByteArray("0,2500 100,0000 \r"));
        QCOMPARE(z[18], QByteArray("0,5000 100,0000 \r"));
        QCOMPARE(z[36], QByteArray("5,0000 100,0000 \r"));
        QCOMPARE(z[37], QByteArray("5,2500 0,0000 \r"));
    }

    // Characters Windows-1252 cannot hold become one "?" each, as the
    // platform's own conversion writes them; never the end-of-file byte 0x1A.
    void nicht_darstellbare_zeichen_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QByteArray>("zeile1");
        QTest::newRow("griechisch") << QString::fromUtf8("Ωμέγα") << QByteArray("/d/?????" "/x.txt\r");
        QTest::newRow("polnisch") << QString::fromUtf8("Łódź") << QByteArray("/d/?\xF3" "d?/x.txt\r");
        QTest::newRow("chinesisch") << QString::fromUtf8("数据") << QByteArray("/d/??" "/x.txt\r");
        QTest::newRow("Emoji ein Zeichen") << QString::fromUtf8("a😀b") << QByteArray("/d/a?b/x.txt\r");
        QTest::newRow("Windows-1252 bleibt") << QString::fromUtf8("Müller_€") << QByteArray("/d/M\xFCller_\x80/x.txt\r");
    }
    void nicht_darstellbare_zeichen()
    {
        QFETCH(QString, ordner);
        QFETCH(QByteArray, zeile1);
        Modell m;
        startwerte_setzen(m);
        anfangsprofil(m);
        const auto b = ergebnisblock(m, "/d/" + ordner + "/x.txt", Tag, C_Locale);
        QVERIFY(b);
        QCOMPARE(zeilen(*b)[0], zeile1);
        QVERIFY(!b->contains('\x1a'));
        QCOMPARE(zeilen(*b)[3], QByteArray(" 50  Gesamtdiffusionsweg [\xB5m]\r"));
    }

    void datei_unter_echtem_namen()
    {
        QTemporaryDir d;
        const QString ordner = d.path() + QString::fromUtf8("/数据_Ωμέγα");
        QVERIFY(QDir().mkpath(ordner));
        Modell m;
        startwerte_setzen(m);
        anfangsprofil(m);
        m.Berechnung_aktuell = true;
        QCOMPARE(speichere(m, ordner, QString::fromUtf8("😀.txt"), Tag, C_Locale), Speicherergebnis::gespeichert);
        const QByteArray inhalt = lies_datei(ordner + QString::fromUtf8("/😀.txt"));
        QVERIFY(inhalt.startsWith((d.path() + "/??" "_?????" "/?.txt\r\n").toUtf8()));
    }

    void kugel_zeile_2()
    {
        const auto b = ergebnisblock(standardlauf(true), "x", Tag, Deutsch);
        QVERIFY(b);
        QVERIFY(zeilen(*b)[1].startsWith("Diffusion bei sph\xE4rischer Symmetrie, Daten berechnet am: "));
    }

    void pfade_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pfad");
        QTest::newRow("Wurzel") << "/" << "a.txt" << "/a.txt";
#ifdef Q_OS_WIN
        QTest::newRow("Laufwerkswurzel") << "C:\\" << "a.txt" << "C:\\a.txt";
#else
        // Only the platform's separator ends a folder: here a backslash is
        // part of the folder's name, and the file must not land beside it.
        QTest::newRow("Backslash gehört zum Namen") << "/tmp/back\\" << "x.txt" << "/tmp/back\\/x.txt";
#endif
        QTest::newRow("Unterordner") << "/home/k" << "a.txt" << "/home/k/a.txt";
        QTest::newRow("ohne Namen") << "/home/k" << "" << "/home/k/";
    }
    void pfade()
    {
        QFETCH(QString, ordner);
        QFETCH(QString, name);
        QFETCH(QString, pfad);
        QCOMPARE(pfad_zusammensetzen(ordner, name), pfad);
    }

    void zweimal_speichern_haengt_an()
    {
        QTemporaryDir d;
        const Modell m = standardlauf();
        QString pfad;
        QCOMPARE(speichere(m, d.path(), "e.txt", Tag, Deutsch, &pfad), Speicherergebnis::gespeichert);
        QCOMPARE(speichere(m, d.path(), "e.txt", Tag, Deutsch), Speicherergebnis::gespeichert);
        QCOMPARE(pfad, d.path() + "/e.txt");
        const QByteArray inhalt = lies_datei(pfad);
        const QByteArray ein_block = *ergebnisblock(m, pfad, Tag, Deutsch);
        QCOMPARE(inhalt, ein_block + ein_block);
        QVERIFY(inhalt.startsWith(pfad.toLatin1() + "\r\n"));
    }

    // A file takes a block without asking when it is empty or begins as a
    // results file does, wherever its blocks were saved; anything else is
    // someone else's file.
    void beginnt_wie_ergebnisdatei_data()
    {
        QTest::addColumn<QByteArray>("anfang");
        QTest::addColumn<bool>("ergebnisdatei");
        const QByteArray linear = "Diffusion im linearen Fall, Daten berechnet am: 08.12.26\r\n";
        QTest::newRow("leer") << QByteArray() << true;
        for (const Geometriebeschreibung& g : Geometrien) {
            Modell m = standardlauf();
            m.Geometrie = g.geometrie;
            QTest::addRow("Block %s", g.name) << *ergebnisblock(m, "/daten/ergebnis.txt", Tag, Deutsch) << true;
        }
        QTest::newRow("nur die ersten 80 Bytes") << ergebnisblock(standardlauf(), "/d/e.txt", Tag, Deutsch)->left(80)
                                                 << true;
        QTest::newRow("Windows-Pfad") << "C:\\daten\\e.txt\r\n" + linear << true;
        QTest::newRow("Parameterdatei") << QByteArray("{\n    \"dezimalzeichen\": \",\",\n") << false;
        QTest::newRow("Kurventabelle") << QByteArray("\xEF\xBB\xBFZelle;x [\xC2\xB5m];Start\r\n") << false;
        QTest::newRow("PNG-Bild") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false;
        QTest::newRow("Zeile 1 kein Pfad") << "ergebnis\r\n" + linear << false;
        QTest::newRow("Zeile 2 keine Datumszeile") << QByteArray("/daten/e.txt\r\nHallo\r\n") << false;
        QTest::newRow("LF statt CR LF") << "/daten/e.txt\n" + linear << false;
        QTest::newRow("Steuerzeichen in Zeile 1") << "/daten/\x1a.txt\r\n" + linear << false;
        QTest::newRow("ohne Zeilenende") << QByteArray(200, '/') << false;
    }
    void beginnt_wie_ergebnisdatei()
    {
        QFETCH(QByteArray, anfang);
        QFETCH(bool, ergebnisdatei);
        QCOMPARE(kalvion::beginnt_wie_ergebnisdatei(anfang), ergebnisdatei);
    }

    // Only a regular file is read for the check (a FIFO would block it); a
    // file that is no results file is left as it was until the save may
    // append to it.
    void fremde_datei_unangetastet()
    {
        QTemporaryDir d;
        const QString fifo = d.path() + "/fifo";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!fremde_datei(fifo));
        QVERIFY(!fremde_datei(d.path() + "/neu.txt"));
        QVERIFY(!fremde_datei(d.path()));
        const QByteArray json("{\"format\": 1}\n");
        schreibe_datei(d.path() + "/p.kalvion", json);
        QVERIFY(fremde_datei(d.path() + "/p.kalvion"));
        QCOMPARE(speichere(standardlauf(), d.path(), "p.kalvion", Tag, Deutsch), Speicherergebnis::keine_ergebnisdatei);
        QCOMPARE(lies_datei(d.path() + "/p.kalvion"), json);
        QCOMPARE(speichere(standardlauf(), d.path(), "p.kalvion", Tag, Deutsch, nullptr, Fremde_datei::anhaengen),
                 Speicherergebnis::gespeichert);
        QCOMPARE(lies_datei(d.path() + "/p.kalvion"),
                 json + *ergebnisblock(standardlauf(), d.path() + "/p.kalvion", Tag, Deutsch));
    }

    // A refused save writes nothing; a run in progress is named first, also
    // while the previous result is still marked current.
    void verweigert_data()
    {
        QTest::addColumn<bool>("aktuell");
        QTest::addColumn<bool>("laeuft");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Speicherergebnis>("ergebnis");
        QTest::newRow("kein Dateiname") << true << false << "" << Speicherergebnis::kein_dateiname;
        QTest::newRow("keine Berechnung") << false << false << "e.txt" << Speicherergebnis::keine_berechnung;
        QTest::newRow("Berechnung läuft") << false << true << "e.txt" << Speicherergebnis::berechnung_laeuft;
        QTest::newRow("Berechnung läuft, altes Ergebnis aktuell")
            << true << true << "e.txt" << Speicherergebnis::berechnung_laeuft;
        QTest::newRow("Berechnung läuft, kein Dateiname") << false << true << "" << Speicherergebnis::berechnung_laeuft;
    }
    void verweigert()
    {
        QFETCH(bool, aktuell);
        QFETCH(bool, laeuft);
        QFETCH(QString, name);
        QFETCH(Speicherergebnis, ergebnis);
        QTemporaryDir d;
        Modell m = standardlauf();
        m.Berechnung_aktuell = aktuell;
        m.Berechnung_laeuft = laeuft;
        QCOMPARE(speichere(m, d.path(), name, Tag, Deutsch), ergebnis);
        QVERIFY(QDir(d.path()).isEmpty());
    }

    void fehlschlag_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("name");
        QTest::newRow("Ordner fehlt") << "/gibt/es/nicht" << "e.txt";
        QTest::newRow("Name ist ein Ordner") << "@tmp" << "ordner";
        QTest::newRow("Medium voll") << "/dev" << "full";
    }
    void fehlschlag()
    {
        QFETCH(QString, ordner);
        QFETCH(QString, name);
        QTemporaryDir d;
        QDir(d.path()).mkdir("ordner");
        if (ordner == "@tmp")
            ordner = d.path();
        QCOMPARE(speichere(standardlauf(), ordner, name, Tag, Deutsch), Speicherergebnis::fehlgeschlagen);
        QVERIFY(!QFile::exists("/gibt/es/nicht/e.txt"));
    }

    void fehlschlag_laesst_alte_datei_unveraendert()
    {
        // A file size limit makes the write fail part of the way through.
        QTemporaryDir d;
        const QString pfad = d.path() + "/alt.txt";
        const QByteArray alt("alte Daten\r\n", 12);
        schreibe_datei(pfad, alt);
        const QString neu = d.path() + "/neu.txt";

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit vorher{};
        getrlimit(RLIMIT_FSIZE, &vorher);
        rlimit klein = vorher;
        klein.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &klein);
        const Speicherergebnis anhaengen =
            speichere(standardlauf(), d.path(), "alt.txt", Tag, Deutsch, nullptr, Fremde_datei::anhaengen);
        const Speicherergebnis anlegen = speichere(standardlauf(), d.path(), "neu.txt", Tag, Deutsch);
        setrlimit(RLIMIT_FSIZE, &vorher);

        QCOMPARE(anhaengen, Speicherergebnis::fehlgeschlagen);
        QCOMPARE(lies_datei(pfad), alt);
        QCOMPARE(anlegen, Speicherergebnis::fehlgeschlagen);
        QVERIFY(!QFile::exists(neu));  // no empty or half file left behind
    }
};

QTEST_APPLESS_MAIN(tst_ergebnisdatei)
#include "tst_ergebnisdatei.moc"
