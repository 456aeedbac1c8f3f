// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line front end: its blocks against the window's writer and the
// independent reference, studies that do not depend on the thread count or
// the slicing, bad input and failing writes that leave the results file as it
// was, a stop by signal, and the parts its library is built from.
#include <QDir>
#include <QFile>
#include <QProcess>
#include "parameterdatei.h"
#include "programmeingabe.h"
#include <QTemporaryDir>
#include <QThread>
#include <QTest>
#include <charconv>
#include <csignal>
#include <functional>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "auftrag.h"
#include "ausgabeziele.h"
#include "eingabefehler.h"
#include "einzellauf.h"
#include "ergebnisdatei.h"
#include "kurvendatei.h"
#include "kurvenvergleich.h"
#include "feldpruefung.h"
#include "fortschritt.h"
#include "kurzform.h"
#include "referenz.h"
#include "studienlauf.h"
#include "studie.h"
#include "tabelle.h"
#include "testhilfen.h"
#include "werteliste.h"
#include "zahlen.h"

using namespace kalvion;
using namespace kalvion::cli;

namespace {

const QString Deutsch_UTF8 = QStringLiteral("de_DE.UTF-8");
const QString C_UTF8 = QStringLiteral("C.UTF-8");
const QByteArray Alte_Daten("alte Daten\r\n");

QLocale locale_fuer(const QString& sprache)
{
    return sprache == Deutsch_UTF8 ? Deutsch : C_Locale;
}

struct Aufruf {
    int status = -1;  // -1: ended by a signal or not at all
    QByteArray aus, fehler;
};

QProcessEnvironment umgebung(const QString& sprache)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), sprache);
    env.insert(QStringLiteral("LC_ALL"), sprache);
    return env;
}

void starte(QProcess& p, const QStringList& argumente, const QString& ordner, const QString& sprache,
            const std::function<void()>& im_kind = {})
{
    p.setProgram(QStringLiteral(KALVION_CLI));
    p.setArguments(argumente);
    p.setWorkingDirectory(ordner);
    p.setProcessEnvironment(umgebung(sprache));
    if (im_kind)
        p.setChildProcessModifier(im_kind);
    p.start();
}

Aufruf ende(QProcess& p, int frist_ms = 240000)
{
    if (!p.waitForFinished(frist_ms)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

Aufruf rufe(const QStringList& argumente, const QString& ordner, const QString& sprache = C_UTF8,
            const std::function<void()>& im_kind = {})
{
    QProcess p;
    starte(p, argumente, ordner, sprache, im_kind);
    return ende(p);
}

// The status, the results file at `pfad` and standard output of a study in
// German; the results file is removed again for the next call.
std::tuple<int, QByteArray, QByteArray> studie_mit_datei(const QStringList& argumente, const QString& ordner,
                                                         const QString& pfad)
{
    const Aufruf a = rufe(argumente, ordner, Deutsch_UTF8);
    const QByteArray datei = lies_datei(pfad);
    QFile::remove(pfad);
    return std::make_tuple(a.status, datei, a.aus);
}

// The results file as it was before the command: its old bytes, or not there.
void wie_vorher(const QString& pfad, bool gab_es)
{
    if (gab_es)
        QCOMPARE(lies_datei(pfad), Alte_Daten);
    else
        QVERIFY(!QFile::exists(pfad));
}

QString echter_pfad(const QTemporaryDir& d, const QString& name)
{
    return QFileInfo(d.path()).canonicalFilePath() + QLatin1Char('/') + name;
}

// The block the window appends after the texts were typed into the dialog,
// "ok", "Berechnung Starten" and "Speichern als ASCII" to `pfad`.
Modell lauf_des_fensters(bool kugel, const QStringList& getippt, const QLocale& locale)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = kugel ? Geometrie::sphaerisch : Geometrie::linear;
    std::array<QString, 6> texte;
    for (Feld f : Alle_Felder)
        texte[static_cast<int>(f)] = getippt[static_cast<int>(f)];
    parameter_uebernehmen(m, parametersatz(texte, locale));
    lauf_rechnen(m);
    return m;
}

QByteArray block_des_fensters(bool kugel, const QStringList& getippt, const QString& pfad, const QDate& tag,
                        const QLocale& locale)
{
    return ergebnisblock(lauf_des_fensters(kugel, getippt, locale), QDir::toNativeSeparators(pfad), tag, locale)
        .value_or(QByteArray());
}

int zaehle_bloecke(const QByteArray& datei, const QString& pfad)
{
    return datei.count(QDir::toNativeSeparators(pfad).toUtf8() + "\r\nDiffusion ");
}

double zahl(const QByteArray& text)
{
    double v = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), v);
    return v;
}

// Reads from a terminal's master side until `gesucht` shows or the deadline passes.
bool warte_auf(int master, const QByteArray& gesucht, QByteArray& gelesen)
{
    QDeadlineTimer frist(60000);
    while (!gelesen.contains(gesucht) && !frist.hasExpired()) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, 100) > 0) {
            char puffer[4096];
            const ssize_t n = read(master, puffer, sizeof puffer);
            if (n <= 0)
                return false;
            gelesen.append(puffer, n);
        }
    }
    return gelesen.contains(gesucht);
}

// Waits until the process has read `bytes` bytes in all (its input file) or the deadline passes.
bool hat_gelesen(qint64 pid, qint64 bytes)
{
    QDeadlineTimer frist(60000);
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    while (!frist.hasExpired()) {
        if (!io.open(QIODevice::ReadOnly))
            return false;
        const QByteArray text = io.readAll();
        io.close();
        const qsizetype i = text.indexOf("rchar: ");
        if (i >= 0 && text.mid(i + 7, text.indexOf('\n', i) - i - 7).toLongLong() >= bytes)
            return true;
        QThread::msleep(1);  // polling for the event, no timing
    }
    return false;
}

void lies_rest(int master, QByteArray& gelesen)
{
    pollfd p{master, POLLIN, 0};
    char puffer[4096];
    ssize_t n = 0;
    while (poll(&p, 1, 0) > 0 && (n = read(master, puffer, sizeof puffer)) > 0)
        gelesen.append(puffer, n);
}

}  // namespace

class tst_cli : public QObject {
    Q_OBJECT

private slots:
    // A case kept from the window: the file's fields, model and programme,
    // options beside it before them; the block is the window's after the
    // same file was loaded there.
    void parameterdatei_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("deutsch") << Deutsch_UTF8;
        QTest::newRow("C") << C_UTF8;
    }
    void parameterdatei()
    {
        QFETCH(QString, sprache);
        const QLocale locale = locale_fuer(sprache);
        QTemporaryDir d;
        Modell fenster;
        startwerte_setzen(fenster);
        std::array<QString, 6> texte{"1000", "2", "30", "587", "238650", "20"};
        parameter_uebernehmen(fenster, parametersatz(texte, locale));
        Programmeingabe e;
        const QString halten = locale.decimalPoint() == QStringLiteral(",") ? "1,5" : "1.5";
        e.zeilen = {{"5", "1050", halten}, {"10", "20", ""}};
        QVERIFY(programm_setzen(fenster, e, locale));
        parameter_uebernehmen(fenster, {});
        QVERIFY(parameter_speichern(d.filePath("fall.kalvion"), fenster, locale));

        const QString pfad = echter_pfad(d, "r.txt");
        const Aufruf a = rufe({"--parameter", "fall.kalvion", "--datei", pfad}, d.path(), sprache);
        QCOMPARE(a.status, 0);
        lauf_rechnen(fenster);
        const QByteArray datei = lies_datei(pfad);
        const QByteArray block = ergebnisblock(fenster, QDir::toNativeSeparators(pfad), QDate::currentDate(), locale).value_or("");
        QCOMPARE(datei, block);

        // An option beside the file wins; the table names T_ref and t_eq.
        const Aufruf t = rufe({"--parameter", "fall.kalvion", "--weg", "40", "--tabelle"}, d.path(), sprache);
        QCOMPARE(t.status, 0);
        const QList<QByteArray> zeilen = t.aus.split('\n');
        QVERIFY(zeilen[0].endsWith(",Konz_200,halten,rate,T_ref,t_eq\r"));
        const QList<QByteArray> felder = zeilen[1].trimmed().split(',');
        QCOMPARE(felder[3], QByteArray("40"));
        QCOMPARE(felder.mid(felder.size() - 4), (QList<QByteArray>{"1.5", "5", "1050", felder[2]}));
        QCOMPARE(zahl(felder.last()), fenster.Sinterzeit.wert);
    }

    void programmstudie()
    {
        QTemporaryDir d;
        Modell m;
        startwerte_setzen(m);
        Programmeingabe e;
        e.zeilen = {{"5", "1050", "2"}, {"sofort", "900", "1"}, {"10", "20", ""}};
        QVERIFY(programm_setzen(m, e, C_Locale));
        QVERIFY(parameter_speichern(d.filePath("p.kalvion"), m, C_Locale));
        const Aufruf a = rufe({"--programm", "p.kalvion", "--programm-halten", "1,3", "--programm-rate", "2:10:8",
                               "--weg", "30,40", "--tabelle"}, d.path());
        QCOMPARE(a.status, 0);
        const QList<QByteArray> zeilen = a.aus.trimmed().split('\n');
        QCOMPARE(zeilen.size(), 1 + 2 * 2 * 2);
        // weg, then the hold, the rate fastest; t_eq as the engine computes it.
        const double erwartet[][2] = {{1, 2}, {1, 10}, {3, 2}, {3, 10}};
        for (int i = 0; i < 8; ++i) {
            const QList<QByteArray> f = zeilen[1 + i].trimmed().split(',');
            QCOMPARE(f[3], i < 4 ? QByteArray("30") : QByteArray("40"));
            const double h = erwartet[i % 4][0], r = erwartet[i % 4][1];
            QCOMPARE(zahl(f[f.size() - 4]), h);
            QCOMPARE(zahl(f[f.size() - 3]), r);
            Temperaturprogramm p;
            p.segmente = {{r, 1050, h}, {std::nullopt, 900, 1}, {10, 20, 0}};
            QCOMPARE(zahl(f.last()), aequivalente_zeit(p, 238650));
            QCOMPARE(f[1], QByteArray("1050"));
        }
    }

    void programmfehler_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Zeit neben Programm") << QStringList{"--programm", "p.kalvion", "--zeit", "3"}
                                             << "--zeit entfällt mit einem Temperaturprogramm";
        QTest::newRow("Haltezeit ohne Programm") << QStringList{"--programm-halten", "3"}
                                                 << "--programm-halten gilt nur mit einem Temperaturprogramm";
        QTest::newRow("Rate 0") << QStringList{"--programm", "p.kalvion", "--programm-rate", "0"}
                                << "--programm-rate: 0 liegt außerhalb des erlaubten Bereichs";
        QTest::newRow("Gesamtdauer über 10000 h") << QStringList{"--programm", "p.kalvion", "--programm-halten", "1,10000"}
                                                  << "Die Gesamtdauer muss größer als 0 und höchstens 10000 h sein.";
        QTest::newRow("Datei ohne Programm") << QStringList{"--programm", "ohne.kalvion"}
                                             << "die Datei enthält kein Temperaturprogramm";
        QTest::newRow("keine Parameterdatei") << QStringList{"--parameter", "kaputt.kalvion"}
                                              << "Keine Kalvion-Parameterdatei (kein JSON-Objekt).";
        QTest::newRow("Datei fehlt") << QStringList{"--parameter", "fehlt.kalvion"} << "kann nicht gelesen werden.";
    }
    void programmfehler()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        QTemporaryDir d;
        Modell m;
        startwerte_setzen(m);
        QVERIFY(parameter_speichern(d.filePath("ohne.kalvion"), m, C_Locale));
        Programmeingabe e;
        e.zeilen = {{"5", "1050", "2"}, {"10", "20", ""}};
        QVERIFY(programm_setzen(m, e, C_Locale));
        QVERIFY(parameter_speichern(d.filePath("p.kalvion"), m, C_Locale));
        schreibe_datei(d.filePath("kaputt.kalvion"), "Sintertemp = 1050\n");
        const Aufruf a = rufe(argumente + QStringList{"--datei", "r.txt"}, d.path());
        QCOMPARE(a.status, 2);
        QVERIFY2(QString::fromUtf8(a.fehler).contains(meldung), a.fehler.constData());
        QVERIFY(!QFile::exists(d.filePath("r.txt")));
    }
    void fensterblock_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<QStringList>("getippt");  // the dialog's six fields, as the user types them

        QTest::newRow("startwerte_linear_C")
            << C_UTF8 << QStringList{} << false
            << QStringList{"1050", "2", "50", "587", "238650", "20"};
        QTest::newRow("kugel_brueche_deutsch")
            << Deutsch_UTF8
            << QStringList{"--modell", "sphaerisch", "--temperatur", "987.25", "--zeit", "1.5", "--weg", "12.5",
                           "--i-diff", "33"}
            << true << QStringList{"987,25", "1,5", "12,5", "587", "238650", "33"};
        QTest::newRow("linear_brueche_halbe_zelle_C")
            << C_UTF8
            << QStringList{"--modell", "linear", "--zeit", "0.25", "--d0", "0.5", "--q", "200000.5", "--i-diff",
                           "150.5"}
            << false << QStringList{"1050", "0.25", "50", "0.5", "200000.5", "150"};
        QTest::newRow("kugel_exponent_deutsch")
            << Deutsch_UTF8
            << QStringList{"--modell", "sphärisch", "--temperatur", "0", "--zeit", "0.5", "--d0", "0.00001", "--q",
                           "0", "--i-diff", "199.4"}
            << true << QStringList{"0", "0,5", "50", "1E-05", "0", "199"};
        QTest::newRow("linear_deutsch_weg_bruch")
            << Deutsch_UTF8 << QStringList{"--weg", "37.5", "--temperatur", "1100.5", "--i-diff", "1"} << false
            << QStringList{"1100,5", "2", "37,5", "587", "238650", "1"};
    }

    void fensterblock()
    {
        QFETCH(QString, sprache);
        QFETCH(QStringList, argumente);
        QFETCH(bool, kugel);
        QFETCH(QStringList, getippt);
        const QLocale locale = locale_fuer(sprache);
        QTemporaryDir d;
        const QString pfad = echter_pfad(d, QStringLiteral("ergebnis.txt"));

        const QDate vorher = QDate::currentDate();
        const Aufruf a = rufe(argumente + QStringList{"--datei", "ergebnis.txt"}, d.path(), sprache);
        const QDate nachher = QDate::currentDate();
        QCOMPARE(a.status, 0);
        const QByteArray datei = lies_datei(pfad);
        // Run across midnight: either day is right.
        const QByteArray erwartet = block_des_fensters(kugel, getippt, pfad, vorher, locale);
        QVERIFY(!erwartet.isEmpty());
        if (datei != erwartet)
            QCOMPARE(datei, block_des_fensters(kugel, getippt, pfad, nachher, locale));

        // The profile rows against the independent statement of the model.
        const QList<QByteArray> zeilen = datei.split('\n');
        QCOMPARE(zeilen.size(), 218);  // 217 lines and the empty rest after the last line end
        const Referenz r = referenzlauf(kugel, zellzahl(zahlen::lies(getippt[5], locale).value()),
                                        *zahlen::lies(getippt[0], locale), *zahlen::lies(getippt[1], locale),
                                        *zahlen::lies(getippt[2], locale), *zahlen::lies(getippt[3], locale),
                                        *zahlen::lies(getippt[4], locale));
        for (int i = 1; i <= 200; ++i) {
            const QList<QByteArray> spalten = zeilen[16 + i].trimmed().split(' ');
            QCOMPARE(spalten.size(), 2);
            const double konz = zahlen::lies(QString::fromLatin1(spalten[1]), locale).value();
            QVERIFY2(std::fabs(konz - r.konz[i]) <= 0.00005 + 1e-9, qPrintable(QString::number(i)));
        }
    }

    // --kurven: the table "Kurven speichern …" writes for the same values,
    // byte for byte; only for a single run; a failed write leaves the old file.
    void kurven_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("kugel");
        QTest::addColumn<QStringList>("getippt");
        QTest::newRow("linear, C") << C_UTF8 << QStringList{} << false
                                   << QStringList{"1050", "2", "50", "587", "238650", "20"};
        QTest::newRow("sphärisch, deutsch, Brüche")
            << Deutsch_UTF8
            << QStringList{"--modell", "sphaerisch", "--temperatur", "1050.5", "--zeit", "0.25", "--i-diff", "150.5"}
            << true << QStringList{"1050,5", "0,25", "50", "587", "238650", "150"};
    }
    void kurven()
    {
        QFETCH(QString, sprache);
        QFETCH(QStringList, argumente);
        QFETCH(bool, kugel);
        QFETCH(QStringList, getippt);
        const QLocale locale = locale_fuer(sprache);
        QTemporaryDir d;
        const Aufruf a = rufe(argumente + QStringList{"--kurven", "k.csv"}, d.path(), sprache);
        QCOMPARE(a.status, 0);
        QCOMPARE(lies_datei(d.path() + "/k.csv"), kurventabelle(lauf_des_fensters(kugel, getippt, locale), locale));
    }

    void kurven_ueber_eine_option_und_ganz()
    {
        QTemporaryDir d;
        schreibe_datei(d.path() + "/k.csv", Alte_Daten);
        const Aufruf studie = rufe({"--zeit", "1:3:1", "--weg", "10,20", "--kurven", "k.csv"}, d.path());
        QCOMPARE(studie.status, 2);
        QVERIFY2(studie.fehler.contains("hier haben --zeit und --weg mehrere Werte"), studie.fehler.constData());
        const Aufruf voll = rufe({"--kurven", "/dev/full/k.csv"}, d.path());
        QCOMPARE(voll.status, 1);
        const Aufruf ordner = rufe({"--kurven", d.path()}, d.path());  // a folder is no file
        QCOMPARE(ordner.status, 1);
        QCOMPARE(lies_datei(d.path() + "/k.csv"), Alte_Daten);
    }

    // --kurven over a study of one varied option: the cell, x and one final
    // profile per run, headed by its value; a run of another x_max with its
    // own x column. (The numbers: tst_vergleich, against the window's.)
    void kurven_einer_studie_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QStringList>("koepfe");
        QTest::newRow("Modelle, deutsch") << Deutsch_UTF8 << QStringList{"--modell", "linear,sphaerisch"}
                                          << QStringList{"Zelle", "x [µm]", "linear [Mol%]", "sphärisch [Mol%]"};
        QTest::newRow("Wege") << C_UTF8 << QStringList{"--weg", "10,50"}
                              << QStringList{"Zelle", "x [µm]", "x_max 10 µm [Mol%]", "x [µm] (x_max 50 µm)",
                                             "x_max 50 µm [Mol%]"};
        QTest::newRow("gleiche Werte") << C_UTF8 << QStringList{"--zeit", "2,2.0"}
                                       << QStringList{"Zelle", "x [µm]", "gleiche Parameter [Mol%]",
                                                      "gleiche Parameter [Mol%]"};
    }
    void kurven_einer_studie()
    {
        QFETCH(QString, sprache);
        QFETCH(QStringList, argumente);
        QFETCH(QStringList, koepfe);
        QTemporaryDir d;
        const Aufruf a = rufe(argumente + QStringList{"--kurven", "-", "--threads", "3"}, d.path(), sprache);
        QCOMPARE(a.status, 0);
        const QStringList zeilen = QString::fromUtf8(a.aus.mid(3)).split("\r\n");
        QCOMPARE(zeilen.size(), 202);  // and the empty rest after the last line end
        QCOMPARE(zeilen[0].split(sprache == Deutsch_UTF8 ? ';' : ','), koepfe);
    }

    // A run of a comparison hands over its final profile alone, not the
    // table of its five curves: a study of 1000 times holds 1000 columns.
    void kurvenspalte_allein()
    {
        Ausgaben aus;
        aus.locale = C_Locale;
        aus.kurvenspalte = kurvenvergleich(auftrag_lesen({"kalvion-cli", "--zeit", "0.001:1:0.001"}).studie, C_Locale).welche;
        const Laufertrag e = einzellauf(Studie::startwerte().lauf(0), Verfahren::schrittweise, aus);
        QVERIFY(e.kurven.isEmpty() && !e.block && e.tabellenzeile.empty());
        QVERIFY(e.spalte);
        QCOMPARE(e.spalte->name, QStringLiteral("2 h"));
        QCOMPARE(e.spalte->konz.size(), std::size_t(200));
        QTemporaryDir d;
        const Aufruf a = rufe({"--zeit", "0.001:1:0.001", "--kurven", "-"}, d.path());
        QCOMPARE(a.status, 0);
        QCOMPARE(a.aus.left(a.aus.indexOf('\r')).count(','), 1001);
    }

    void studie_unabhaengig_von_threads_und_teilen()
    {
        const QStringList studie{"--modell", "linear,sphaerisch", "--temperatur", "1000:1100:50", "--zeit", "0.5,1",
                                 "--i-diff", "10,30", "--datei", "studie.txt", "--tabelle"};
        QTemporaryDir d;
        const QString pfad = echter_pfad(d, QStringLiteral("studie.txt"));
        auto ergebnis = [&](const QStringList& zusatz) { return studie_mit_datei(studie + zusatz, d.path(), pfad); };
        const auto [status1, datei1, tabelle1] = ergebnis({"--threads", "1"});
        QCOMPARE(status1, 0);
        QCOMPARE(zaehle_bloecke(datei1, pfad), 24);
        for (const QStringList& zusatz : {QStringList{}, QStringList{"--threads", "2"}, QStringList{"--threads", "5"}}) {
            const auto [status, datei, tabelle] = ergebnis(zusatz);
            QCOMPARE(status, 0);
            QVERIFY(datei == datei1);
            QCOMPARE(tabelle, tabelle1);
        }

        QByteArray tabelle_aus_teilen;
        for (int k = 1; k <= 3; ++k) {
            const Aufruf a = rufe(studie + QStringList{"--teil", QStringLiteral("%1/3").arg(k)}, d.path(), Deutsch_UTF8);
            QCOMPARE(a.status, 0);
            tabelle_aus_teilen += a.aus;
        }
        QVERIFY(lies_datei(pfad) == datei1);
        QCOMPARE(tabelle_aus_teilen, tabelle1);

        // The documented order: the model slowest, i_Diff fastest.
        const QList<QByteArray> zeilen = tabelle1.split('\n');
        QCOMPARE(zeilen.size(), 26);
        QVERIFY(zeilen[0].startsWith("modell,temperatur,zeit,weg,d0,q,i_diff,"));
        QVERIFY(zeilen[1].startsWith("linear,1000,0.5,50,587,238650,10,"));
        QVERIFY(zeilen[2].startsWith("linear,1000,0.5,50,587,238650,30,"));
        QVERIFY(zeilen[3].startsWith("linear,1000,1,50,587,238650,10,"));
        QVERIFY(zeilen[5].startsWith("linear,1050,0.5,"));
        QVERIFY(zeilen[13].startsWith("sphaerisch,1000,0.5,50,587,238650,10,"));
        QVERIFY(zeilen[24].startsWith("sphaerisch,1100,1,50,587,238650,30,"));
    }

    // More slices than runs: slice 1 has the header even without a run, an
    // empty slice leaves the files alone, and the slices one after another
    // are the whole table.
    void leerer_teil_schreibt_nichts()
    {
        QTemporaryDir d;
        const QStringList studie{"--temperatur", "1000,1100", "--tabelle"};
        const Aufruf ganz = rufe(studie, d.path());
        QCOMPARE(ganz.aus.count('\n'), 3);
        QByteArray zusammen;
        for (int k = 1; k <= 5; ++k) {
            const Aufruf a = rufe(studie + QStringList{"--teil", QStringLiteral("%1/5").arg(k), "--datei", "e.txt"},
                                  d.path());
            QCOMPARE(a.status, 0);
            QCOMPARE(a.aus.count('\n'), k == 1 ? 1 : k == 3 || k == 5 ? 1 : 0);
            if (k < 3)
                QVERIFY(!QFile::exists(d.filePath(QStringLiteral("e.txt"))));
            zusammen += a.aus;
        }
        QVERIFY(zusammen.startsWith("modell,"));
        QCOMPARE(zusammen, ganz.aus);
    }

    void tabelle_wie_das_modell()
    {
        QTemporaryDir d;
        const Aufruf a = rufe({"--tabelle", "--modell", "sphaerisch"}, d.path(), Deutsch_UTF8);
        QCOMPARE(a.status, 0);
        const QList<QByteArray> zeilen = a.aus.split('\n');
        QCOMPARE(zeilen.size(), 3);
        QVERIFY(zeilen[0].endsWith('\r') && zeilen[1].endsWith('\r'));  // CR LF, as RFC 4180 has it
        const QList<QByteArray> kopf = zeilen[0].trimmed().split(',');
        const QList<QByteArray> werte = zeilen[1].trimmed().split(',');
        QCOMPARE(kopf.size(), 18);
        QCOMPARE(werte.size(), 18);

        const Modell m = standardlauf(true);
        auto spalte = [&](const char* name) { return werte[kopf.indexOf(name)]; };
        QCOMPARE(spalte("modell"), QByteArray("sphaerisch"));
        QCOMPARE(zahl(spalte("Kelvin")), m.Sintertemp_K);
        QCOMPARE(zahl(spalte("D")), m.D);
        QCOMPARE(zahl(spalte("Schritte")), m.Schritte);
        QCOMPARE(zahl(spalte("Molprozent")), m.Molprozent);
        QCOMPARE(zahl(spalte("Fehler")), double(m.Fehlerzahl));
        QCOMPARE(spalte("Sprung"), QByteArray("0"));
        for (int zelle : {1, 50, 100, 150, 200})
            QCOMPARE(zahl(spalte(qPrintable(QStringLiteral("Konz_%1").arg(zelle)))), m.Konz[zelle]);
        QVERIFY(!a.aus.contains(' '));  // '.' decimal, no blanks, whatever the locale
    }

    void verfahren_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QByteArray>("spruenge");  // the Sprung column, run by run

        // 30 µm for 10 h: about 170000 steps, longer than worth stepping.
        QTest::newRow("schrittweise") << QStringList{"--weg", "30,50", "--zeit", "10"} << QByteArray("00");
        QTest::newRow("schnell") << QStringList{"--weg", "30,50", "--zeit", "10", "--verfahren", "schnell"}
                                 << QByteArray("11");
        QTest::newRow("schnell_unter_1000_schritten")
            << QStringList{"--zeit", "0.1", "--verfahren", "schnell"} << QByteArray("0");
        QTest::newRow("auto") << QStringList{"--weg", "10,50", "--zeit", "10,0.1", "--verfahren", "auto"}
                              << QByteArray("1000");
        // Steps for weeks: given a method, it is computed as told.
        QTest::newRow("schnell_bei_wochen") << QStringList{"--temperatur", "1.050", "--q", "238.650", "--verfahren", "schnell"}
                                            << QByteArray("1");
    }

    void verfahren()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QByteArray, spruenge);
        QTemporaryDir d;
        const Aufruf a = rufe(argumente + QStringList{"--tabelle"}, d.path());
        QCOMPARE(a.status, 0);
        QByteArray gefunden;
        const QList<QByteArray> zeilen = a.aus.split('\n');
        const int spalte = zeilen[0].split(',').indexOf("Sprung");
        for (int i = 1; i + 1 < zeilen.size(); ++i)
            gefunden += zeilen[i].split(',')[spalte];
        QCOMPARE(gefunden, spruenge);
    }

    void falsche_eingabe_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");

        auto zeile = [](const char* name, const QStringList& argumente, const char* meldung) {
            QTest::newRow(name) << argumente << QString::fromUtf8(meldung);
        };
        zeile("keine_zahl", {"--temperatur", "abc"}, "--temperatur: \"abc\" ist keine Zahl");
        zeile("gruppentrenner", {"--q", "238'650"}, "--q: \"238'650\" ist keine Zahl");
        zeile("zu_gross", {"--temperatur", "10050"},
              "--temperatur: 10050 liegt außerhalb des erlaubten Bereichs 0 ≤ Wert ≤ 10000");
        zeile("untergrenze_ausgeschlossen", {"--zeit", "0"}, "--zeit: 0 liegt außerhalb des erlaubten Bereichs 0 < Wert ≤ 10000");
        zeile("negativ_ohne_obergrenze", {"--q", "-1"}, "--q: -1 liegt außerhalb des erlaubten Bereichs Wert ≥ 0");
        // Within the bounds, but the dialog's refresh cannot form the step limit.
        zeile("d0_null", {"--d0", "0"}, "mit dem Diffusionskoeffizienten D = 0 lässt sich die Schrittweite nicht bilden");
        zeile("q_riesig", {"--q", "1e300"}, "der Eingabedialog lehnt das ab (\"Unerlaubte Eingabe !\")");
        zeile("zelle_gerundet_zu_gross", {"--i-diff", "199.5"}, "--i-diff: 199.5 liegt außerhalb des erlaubten Bereichs 1 ≤ Wert ≤ 199");
        zeile("zelle_zu_klein", {"--i-diff", "0.99"}, "--i-diff: 0.99 liegt außerhalb");
        zeile("bereich_ueber_grenze", {"--weg", "999000:1001000:1000"}, "--weg: 1001000 liegt außerhalb des erlaubten Bereichs 0 < Wert ≤ 1000000");
        zeile("listeneintrag_ungueltig", {"--d0", "587,-5"}, "--d0: -5 liegt außerhalb");
        zeile("leere_angabe", {"--temperatur", ""}, "--temperatur: leere Angabe");
        zeile("leerer_eintrag", {"--temperatur", "1000,,1100"}, "--temperatur: leerer Eintrag in der Liste \"1000,,1100\"");
        zeile("schritt_null", {"--temperatur", "1000:1200:0"}, "--temperatur: der Bereich \"1000:1200:0\" hat die Schrittweite 0");
        zeile("schritt_rueckwaerts", {"--temperatur", "1000:1200:-50"},
              "--temperatur: der Bereich \"1000:1200:-50\" kommt mit der Schrittweite -50 nie von 1000 nach 1200");
        zeile("schritt_weg_vom_ende", {"--zeit", "5:2:0.5"}, "kommt mit der Schrittweite 0.5 nie von 5 nach 2");
        zeile("kein_bereich", {"--temperatur", "1000:1200"}, "--temperatur: \"1000:1200\" ist kein Bereich");
        zeile("bereichsteil_keine_zahl", {"--temperatur", "1000:x:50"}, "\"x\" im Bereich \"1000:x:50\" ist keine Zahl");
        zeile("zu_viele_laeufe", {"--temperatur", "0:10000:0.1"}, "die Studie umfasst 100001 Läufe, mehr als 100000; mit --viele");
        zeile("zu_viele_laeufe_im_produkt", {"--temperatur", "0:1000:1", "--zeit", "1:100:1"},
              "die Studie umfasst 100100 Läufe");
        zeile("nicht_zu_zaehlen", {"--d0", "0:1e19:1", "--viele"}, "die Studie hat mehr Läufe, als sich zählen lassen");
        zeile("modell_unbekannt", {"--modell", "rund"}, "--modell: \"rund\" ist kein Modell");
        zeile("teil_null", {"--teil", "0/3"}, "--teil: \"0/3\" ist kein Teil");
        zeile("teil_ueber_n", {"--teil", "4/3"}, "--teil: \"4/3\" ist kein Teil");
        zeile("teil_keine_zahl", {"--teil", "a/b"}, "--teil: \"a/b\" ist kein Teil");
        zeile("threads_null", {"--threads", "0"}, "--threads: \"0\" ist keine ganze Zahl von 1 bis 1024");
        zeile("verfahren_unbekannt", {"--verfahren", "flink"}, "--verfahren: \"flink\" ist kein Verfahren");
        zeile("schrittzahl_unzaehlbar", {"--temperatur", "1000,1050", "--d0", "1e10", "--q", "0", "--weg", "0.001", "--zeit", "10000"},
              "Lauf 1 (--modell linear --temperatur 1000 --zeit 10000 --weg 0.001 --d0 1e+10 --q 0 --i-diff 20) "
              "hätte 3.456e+33 Zeitschritte, mehr als sich zählen lassen");
        zeile("unbekannte_option", {"--temperatura", "1000"}, "unbekannte Option --temperatura");
        zeile("wert_fehlt", {"--tabelle", "--zeit"}, "nach --zeit fehlt der Wert");
        zeile("schalter_mit_wert", {"--tabelle=ja"}, "--tabelle nimmt keinen Wert");
        zeile("ueberzaehliges_argument", {"1050"}, "\"1050\" ist keine Option");
        zeile("zweite_datei", {"--datei", "andere.txt"}, "--datei ist mehrfach angegeben");
        zeile("jenseits_double_gross", {"--temperatur", "1e400"}, "--temperatur: \"1e400\" ist zu groß");
        zeile("jenseits_double_negativ", {"--q", "-1e400"}, "--q: \"-1e400\" ist zu klein");
        zeile("jenseits_double_winzig", {"--zeit", "1e-400"}, "--zeit: \"1e-400\" ist zu klein");
        zeile("jenseits_double_im_bereich", {"--weg", "1:1e999:1"}, "--weg: \"1e999\" ist zu groß");
        zeile("kurven_option_als_name", {"--kurven", "--tabelle"}, "--kurven braucht einen Dateinamen");
        zeile("kurven_und_tabelle_auf_standardausgabe", {"--kurven", "-", "--tabelle"},
              "--kurven - und --tabelle schreiben beide auf die Standardausgabe");
    }

    void falsche_eingabe()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        for (const char* name : {"alt.txt", "neu.txt"}) {
            QTemporaryDir d;
            const QString pfad = d.filePath(QString::fromLatin1(name));
            const bool gab_es = qstrcmp(name, "alt.txt") == 0;
            if (gab_es)
                schreibe_datei(pfad, Alte_Daten);
            const Aufruf a = rufe(QStringList{"--datei", pfad} + argumente, d.path(), Deutsch_UTF8);
            QCOMPARE(a.status, 2);
            QVERIFY2(QString::fromUtf8(a.fehler).contains(meldung), a.fehler.constData());
            QVERIFY(a.fehler.startsWith("kalvion-cli: "));
            QVERIFY(a.aus.isEmpty());
            wie_vorher(pfad, gab_es);
        }
    }

    // Every input is read only as a regular file, within its size, and
    // refused by name otherwise, at once: nothing computed, no file changed.
    // The same for a run that would step for longer than the window asks
    // about, where no method is given.
    void eingabe_abgelehnt_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");

        auto zeile = [](const char* name, const QStringList& argumente, const char* meldung) {
            QTest::newRow(name) << argumente << QString::fromUtf8(meldung);
        };
        const QStringList datei{"--datei", "alt.txt"};
        zeile("parameter_fifo", QStringList{"--parameter", "fifo"} + datei,
              "--parameter fifo: Die Parameterdatei „fifo“ ist eine benannte Pipe (FIFO), keine gewöhnliche Datei.");
        zeile("programm_fifo", QStringList{"--programm", "fifo"} + datei,
              "--programm fifo: Die Parameterdatei „fifo“ ist eine benannte Pipe (FIFO), keine gewöhnliche Datei.");
        zeile("messung_fifo", {"--messung", "fifo"},
              "fifo: Nicht gelesen: fifo ist eine benannte Pipe (FIFO), keine gewöhnliche Datei.");
        zeile("anpassen_fifo", {"--anpassen", "fifo@1000"},
              "fifo: Nicht gelesen: fifo ist eine benannte Pipe (FIFO), keine gewöhnliche Datei.");
        zeile("anpassen_geraet", {"--anpassen", "/dev/zero@1000"},
              "Nicht gelesen: /dev/zero ist ein Gerät, keine gewöhnliche Datei.");
        zeile("parameter_socket", QStringList{"--parameter", "socket"} + datei, "„socket“ ist ein Socket, keine gewöhnliche Datei.");
        zeile("messung_ordner", {"--messung", "ordner"}, "Nicht gelesen: ordner ist ein Ordner, keine Datei.");
        zeile("parameter_zu_gross", QStringList{"--parameter", "gross.kalvion"} + datei,
              "Die Parameterdatei „gross.kalvion“ ist zu groß (mehr als 1 MiB).");
        zeile("messung_zu_gross", {"--anpassen", "gross.csv@1000"}, "Nicht gelesen: gross.csv ist zu groß (mehr als 10 MiB).");
        zeile("utf16", {"--anpassen", "u16.csv@1000"},
              "UTF-16 wird nicht gelesen; bitte als UTF-8 oder Windows-1252 speichern.");
        zeile("gleiche_zeilen", {"--anpassen", "gleich.csv@1000"},
              "Zu wenige verschiedene Tiefen: 3 Messpunkte bei nur 1 verschiedenen x (mindestens 3).");
        zeile("konzentration_unmoeglich", {"--anpassen", "konz.csv@1000"},
              "Zeile 3: eine Konzentration unter -1 oder über 101 Mol% kann keine Messung sein:\n2;150");
        zeile("schluessel_doppelt", QStringList{"--parameter", "doppelt.kalvion"} + datei,
              "Parameterdatei: „felder.zeit“ ist mehrfach angegeben.");
        zeile("formatzahl_wie_geschrieben", QStringList{"--parameter", "format.kalvion"} + datei,
              "Parameterdatei: „format“ = „1.0000000000000002“ ist eine unbekannte Version (erwartet 1 oder 2).");
        zeile("mehrere_wertespalten", {"--anpassen", "tabelle.csv@1000"},
              "Die Datei hat mehrere Wertespalten: „Fe“ (2), „Ni“ (3). Bitte eine davon wählen. (--spalte NAME oder "
              "--spalte NUMMER)");
        zeile("spalte_ohne_messung", QStringList{"--spalte", "2"} + datei, "--spalte gilt nur mit --messung, --anpassen oder --start datei:PFAD");
        const char* auswege = "; --verfahren schnell rechnet nach Schritt 1000 in einem Sprung (in Sekundenbruchteilen), "
                              "--verfahren schrittweise trotzdem jeden Schritt";
        zeile("wochenlanger_lauf", QStringList{"--temperatur", "1.050", "--q", "238.650"} + datei,
              "kalvion-cli: Schritt für Schritt dauert die Rechnung voraussichtlich etwa ");
        QTest::newRow("wochenlanger_lauf_auswege") << QStringList{"--temperatur", "1.050", "--q", "238.650"} + datei
                                                   << QString::fromUtf8(auswege);
        zeile("langer_lauf_in_studie", QStringList{"--weg", "50,1", "--zeit", "100"} + datei,
              "Lauf 2 (--modell linear --temperatur 1050 --zeit 100 --weg 1 --d0 587 --q 238650 --i-diff 20) dauert "
              "Schritt für Schritt voraussichtlich etwa ");
    }
    void eingabe_abgelehnt()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        QTemporaryDir d;
        const QDir ordner(d.path());
        schreibe_datei(d.filePath("alt.txt"), Alte_Daten);
        QVERIFY(mkfifo(QFile::encodeName(d.filePath(QStringLiteral("fifo"))).constData(), 0644) == 0);
        const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        const QByteArray sockname = QFile::encodeName(d.filePath(QStringLiteral("socket")));
        QVERIFY(sockname.size() < qsizetype(sizeof adresse.sun_path));
        std::copy(sockname.begin(), sockname.end(), adresse.sun_path);
        QVERIFY(bind(sock, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0);
        ordner.mkdir(QStringLiteral("ordner"));
        Modell m;
        startwerte_setzen(m);
        const QByteArray parameter = parameterdaten(m, C_Locale);
        schreibe_datei(d.filePath("gross.kalvion"), parameter + QByteArray((1 << 20) + 1 - parameter.size(), ' '));
        QFile gross(d.filePath("gross.csv"));
        QVERIFY(gross.open(QIODevice::WriteOnly) && gross.resize((10 << 20) + 1));  // zeros, without the disk space
        gross.close();
        const QString text = QStringLiteral("x;c\n0;80\n1;40\n2;3\n");
        schreibe_datei(d.filePath("u16.csv"),
                       QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
        schreibe_datei(d.filePath("gleich.csv"), "1;50\n1;50\n1;50\n");
        schreibe_datei(d.filePath("konz.csv"), "x;c\n1;50\n2;150\n3;1\n");
        schreibe_datei(d.filePath("doppelt.kalvion"), QByteArray(parameter).replace("\"zeit\":", "\"zeit\": \"3\", \"zeit\":"));
        schreibe_datei(d.filePath("format.kalvion"), QByteArray(parameter).replace("\"format\": 1", "\"format\": 1.0000000000000002"));
        schreibe_datei(d.filePath("tabelle.csv"), "x;Fe;Ni\n0;1;2\n1;2;3\n2;3;4\n");
        const auto inhalt = [&] {
            QStringList liste;
            for (const QString& name : ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
                liste << name + QLatin1Char(' ') +
                             (QFileInfo(d.filePath(name)).isFile() ? QString::fromLatin1(lies_datei(d.filePath(name)).toHex())
                                                                   : QString());
            return liste;
        };
        const QStringList vorher = inhalt();

        QProcess p;
        starte(p, argumente, d.path(), Deutsch_UTF8);
        const Aufruf a = ende(p, 30000);
        close(sock);
        QCOMPARE(a.status, 2);
        QVERIFY2(QString::fromUtf8(a.fehler).contains(meldung), a.fehler.constData());
        QVERIFY(a.fehler.startsWith("kalvion-cli: "));
        QVERIFY(a.aus.isEmpty());
        QVERIFY(inhalt() == vorher);
    }

    // The check before a study looks at the corners of the study only, and
    // finds what looking at every run finds: the first run in study order
    // whose D or step count cannot be formed (the same message), or else a
    // run with the most steps, and, up to Stichproben runs, the same work.
    void pruefung_wie_jeder_lauf_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("fehler");  // the run refused, from 1; 0 none

        QTest::newRow("zu_viele_schritte_im_letzten_lauf")
            << QStringList{"--d0", "587,1e6", "--weg", "50,0.05", "--zeit", "2,10000"} << 8;
        QTest::newRow("d_verschwindet_mitten_in_der_liste")
            << QStringList{"--temperatur", "0,100", "--q", "0,1e6:1e7:1e6"} << 3;
        QTest::newRow("fallender_bereich_bis_d0_null")
            << QStringList{"--zeit", "2000:10000:4000", "--d0", "1e6:0:-2.5e5", "--weg", "0.1"} << 5;
        QTest::newRow("gemischte_liste_rueckwaerts")
            << QStringList{"--weg", "0.05,50:10:-20,0.01", "--d0", "1e5,587", "--zeit", "10000,1"} << 9;
        QTest::newRow("teil_ohne_den_fehler")
            << QStringList{"--d0", "587,1e6", "--weg", "50,0.05", "--zeit", "2,10000", "--teil", "1/2"} << 0;
        QTest::newRow("teil_mit_dem_fehler")
            << QStringList{"--d0", "587,1e6", "--weg", "50,0.05", "--zeit", "2,10000", "--teil", "2/2"} << 8;
        QTest::newRow("ohne_fehler") << QStringList{"--temperatur", "0:10000:2500", "--zeit", "100,0.1", "--weg",
                                                    "50,1000", "--modell", "linear,sphaerisch", "--i-diff", "1,199"}
                                     << 0;
        QTest::newRow("programm") << QStringList{"--programm", "p.kalvion", "--programm-halten", "1,50,2",
                                                 "--programm-rate", "10,0.01,5", "--q", "200000,250000"}
                                  << 0;
        // An open surface needs 1.5 times the steps of a closed one: only the
        // open runs go beyond counting (β = 0 is closed).
        QTest::newRow("offene_oberflaeche_zaehlt_nicht")
            << QStringList{"--d0", "1e6", "--weg", "0.05", "--zeit", "1400", "--oberflaeche", "geschlossen",
                           "--oberflaeche", "austausch:0:1:0.5,5"}
            << 3;
        QTest::newRow("oberflaechen_ohne_fehler") << QStringList{"--oberflaeche", "konzentration:0,50", "--oberflaeche",
                                                                 "geschlossen", "--zeit", "1,100", "--start",
                                                                 "grundgehalt:0:1:0.5"}
                                                  << 0;
        QTest::newRow("programm_mit_fehler")
            << QStringList{"--programm", "p.kalvion", "--programm-halten", "1,5000", "--programm-rate", "10,0.5",
                           "--q", "100000", "--d0", "1e4", "--weg", "0.5"}
            << 3;
    }
    void pruefung_wie_jeder_lauf()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, fehler);
        QTemporaryDir d;
        Modell m;
        startwerte_setzen(m);
        Programmeingabe e;
        e.zeilen = {{"5", "1050", "2"}, {"10", "20", ""}};
        QVERIFY(programm_setzen(m, e, C_Locale));
        QVERIFY(parameter_speichern(d.filePath("p.kalvion"), m, C_Locale));
        for (QString& a : argumente)
            if (a == QStringLiteral("p.kalvion"))
                a = d.filePath(a);
        const Auftrag a = auftrag_lesen(QStringList{"kalvion-cli"} + argumente);

        // Every run, one after the other.
        QString erste_meldung;
        double meiste = 0, summe = 0;
        for (std::uint64_t i = a.bereich.von; i < a.bereich.bis && erste_meldung.isEmpty(); ++i) {
            try {
                const Laufplan p = laufplan(a.studie, i, a.verfahren, C_Locale);
                meiste = std::max(meiste, p.schritte);
                summe += p.aufwand;
            } catch (const Eingabefehler& f) {
                erste_meldung = f.meldung;
                QCOMPARE(int(i + 1), fehler);
            }
        }
        QCOMPARE(erste_meldung.isEmpty(), fehler == 0);

        try {
            const Laufpruefung p = laeufe_pruefen(a.studie, a.bereich, a.verfahren, C_Locale);
            QVERIFY2(erste_meldung.isEmpty(), qPrintable(erste_meldung));
            QCOMPARE(p.meiste_schritte, meiste);
            QVERIFY(p.laengster >= a.bereich.von && p.laengster < a.bereich.bis);
            QCOMPARE(laufplan(a.studie, p.laengster, a.verfahren, C_Locale).schritte, meiste);
            QCOMPARE(p.aufwand, summe);
        } catch (const Eingabefehler& f) {
            QCOMPARE(f.meldung, erste_meldung);
        }
    }

    void leere_datei_angabe()
    {
        QTemporaryDir d;
        const Aufruf a = rufe({"--datei", ""}, d.path());
        QCOMPARE(a.status, 2);
        QVERIFY(a.fehler.contains("--datei: der Dateiname fehlt"));
        QVERIFY(QDir(d.path()).isEmpty());
    }

    void schreibfehler_data()
    {
        QTest::addColumn<QString>("datei");  // relative to a fresh folder, or absolute
        QTest::addColumn<bool>("gab_es");
        QTest::addColumn<bool>("begrenzt");  // file size limit of 1000 bytes in the process
        QTest::addColumn<QString>("meldung");

        // A device is no results file: refused before the first run.
        QTest::newRow("dev_full") << "/dev/full" << true << false
                                  << "Speichern in /dev/full fehlgeschlagen (Öffnen fehlgeschlagen: ein Gerät, keine "
                                     "gewöhnliche Datei); nichts gerechnet";
        QTest::newRow("ordner_fehlt") << "fehlt/e.txt" << false << false << "/fehlt existiert nicht";
        QTest::newRow("ziel_ist_ordner") << "unterordner" << true << false
                                         << "fehlgeschlagen (Öffnen fehlgeschlagen: ";
        QTest::newRow("voll_nach_altem_inhalt") << "alt.txt" << true << true << "(Schreiben fehlgeschlagen: ";
        QTest::newRow("voll_bei_neuer_datei") << "neu.txt" << false << true << "(Schreiben fehlgeschlagen: ";
    }

    void schreibfehler()
    {
        QFETCH(QString, datei);
        QFETCH(bool, gab_es);
        QFETCH(bool, begrenzt);
        QFETCH(QString, meldung);
        QTemporaryDir d;
        QDir(d.path()).mkdir(QStringLiteral("unterordner"));
        const QString pfad = QDir(d.path()).absoluteFilePath(datei);
        if (gab_es && !QFileInfo::exists(pfad))
            schreibe_datei(pfad, Alte_Daten);
        const QByteArray vorher = QFileInfo(pfad).isFile() ? lies_datei(pfad) : QByteArray();
        const auto grenze = [] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit klein{1000, 1000};
            setrlimit(RLIMIT_FSIZE, &klein);
        };

        // Ten runs: the blocks go out in one write, which fails part of the way.
        const Aufruf a = rufe({"--temperatur", "1000:1090:10", "--datei", datei}, d.path(), C_UTF8,
                              begrenzt ? std::function<void()>(grenze) : std::function<void()>());
        QCOMPARE(a.status, 1);
        QVERIFY2(QString::fromUtf8(a.fehler).contains(meldung), a.fehler.constData());
        QVERIFY(a.aus.isEmpty());
        if (!gab_es)
            QVERIFY(!QFileInfo::exists(pfad));
        else if (QFileInfo(pfad).isFile() && pfad != QStringLiteral("/dev/full"))
            QCOMPARE(lies_datei(pfad), vorher);
        QVERIFY(QFileInfo(d.filePath(QStringLiteral("unterordner"))).isDir());
    }

    // A stop by signal in every phase: while a study computes, while the
    // check before a study of a billion runs would once have taken minutes,
    // while a large measured profile is read and fitted. The status says
    // which signal; no file changed.
    void abbruch_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("gab_es");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QByteArray>("zeichen");  // on standard error once the phase is reached; empty: the file read
        QTest::addColumn<bool>("zeilen");         // lines for people may have come before the signal

        const QStringList rechnend{"--weg", "1", "--zeit", "1:100:1", "--threads", "1", "--verfahren", "schrittweise",
                                   "--datei", "e.txt"};
        const QByteArray unterwegs("Läufe: 0 von 100 fertig");
        QTest::newRow("sigint_alte_datei") << int(SIGINT) << 130 << true << rechnend << unterwegs << false;
        QTest::newRow("sigint_neue_datei") << int(SIGINT) << 130 << false << rechnend << unterwegs << false;
        QTest::newRow("sigterm_alte_datei") << int(SIGTERM) << 143 << true << rechnend << unterwegs << false;
        QTest::newRow("sigint_milliarde_laeufe")
            << int(SIGINT) << 130 << true
            << QStringList{"--temperatur", "1000:1100:1", "--zeit", "1:10000:1", "--d0", "1:1000:1", "--viele",
                           "--verfahren", "schrittweise", "--datei", "e.txt"}
            << QByteArray(" von 1010000000 fertig") << true;
        QTest::newRow("sigterm_beim_anpassen")
            << int(SIGTERM) << 143 << true << QStringList{"--anpassen", "gross.csv@1000"} << QByteArray() << false;
    }

    void abbruch()
    {
        QFETCH(int, signal);
        QFETCH(int, status);
        QFETCH(bool, gab_es);
        QFETCH(QStringList, argumente);
        QFETCH(QByteArray, zeichen);
        QFETCH(bool, zeilen);
        QTemporaryDir d;
        const QString pfad = d.filePath(QStringLiteral("e.txt"));
        if (gab_es)
            schreibe_datei(pfad, Alte_Daten);
        // 10 MiB of points: read, checked and fitted for a second or more.
        const QString gross = d.filePath(QStringLiteral("gross.csv"));
        if (zeichen.isEmpty()) {
            QByteArray text("x;c\n");
            for (int i = 0; text.size() < (10 << 20) - 16; ++i)
                text += QByteArray::number(i * 1e-5, 'f', 5) + ';' + QByteArray::number(50 - i * 5e-5, 'f', 4) + '\n';
            schreibe_datei(gross, text);
        }
        const auto dateien = [&] {
            QStringList liste;
            for (const QString& name : QDir(d.path()).entryList(QDir::Files | QDir::Hidden))
                liste << name + QLatin1Char(' ') + QString::fromLatin1(lies_datei(d.filePath(name)).toHex().left(64));
            return liste;
        };
        const QStringList vorher = dateien();

        // Standard error on a terminal, so that the progress line shows when
        // the study is under way. A shell may have left SIGINT ignored for
        // us; the command keeps what it is given, so it gets the default.
        int master = -1, slave = -1;
        QCOMPARE(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        QProcess p;
        starte(p, argumente, d.path(), Deutsch_UTF8,
               [slave] {
                   dup2(slave, STDERR_FILENO);
                   std::signal(SIGINT, SIG_DFL);
                   std::signal(SIGTERM, SIG_DFL);
               });
        QVERIFY(p.waitForStarted());
        close(slave);
        QByteArray terminal;
        const bool erreicht = zeichen.isEmpty() ? hat_gelesen(p.processId(), QFileInfo(gross).size())
                                                : warte_auf(master, zeichen, terminal);
        if (erreicht)
            kill(static_cast<pid_t>(p.processId()), signal);
        else
            p.kill();
        const Aufruf a = ende(p);
        lies_rest(master, terminal);
        close(master);
        QVERIFY2(erreicht, terminal.constData());

        QCOMPARE(a.status, status);
        QVERIFY2(terminal.contains(QStringLiteral("abgebrochen (%1); nichts geschrieben")
                                       .arg(signal == SIGINT ? "SIGINT" : "SIGTERM")
                                       .toUtf8()),
                 terminal.constData());
        QVERIFY(zeilen || a.aus.isEmpty());
        wie_vorher(pfad, gab_es);
        QCOMPARE(dateien(), vorher);
    }

    // A study that takes long as a whole is said so on standard error before
    // it starts; the hint offers the jump only where it is not asked for
    // already. A short run says nothing.
    void hinweis_vor_langer_studie_data()
    {
        QTest::addColumn<QString>("verfahren");
        QTest::addColumn<bool>("sprung_angeboten");
        QTest::newRow("schrittweise") << "schrittweise" << true;
        QTest::newRow("schnell") << "schnell" << false;
    }
    void hinweis_vor_langer_studie()
    {
        QFETCH(QString, verfahren);
        QFETCH(bool, sprung_angeboten);
        QTemporaryDir d;
        QCOMPARE(rufe({}, d.path()).fehler, QByteArray());
        QProcess p;
        // Ten thousand jumps of about 5 ms each, or one run of hours stepped.
        starte(p, {"--weg", "1", "--zeit", verfahren == QStringLiteral("schnell") ? "1:10000:1" : "10000",
                   "--threads", "1", "--verfahren", verfahren},
               d.path(), C_UTF8);
        QByteArray fehler;
        QTRY_VERIFY_WITH_TIMEOUT((fehler += p.readAllStandardError()).contains("Hinweis: "), 20000);
        QTRY_VERIFY_WITH_TIMEOUT((fehler += p.readAllStandardError()).contains('\n'), 20000);
        QCOMPARE(fehler.contains("--verfahren schnell"), sprung_angeboten);
        QVERIFY2(fehler.contains(sprung_angeboten ? "Hinweis: Schritt für Schritt dauert das voraussichtlich etwa "
                                                  : "Hinweis: das dauert voraussichtlich etwa "),
                 fehler.constData());
        p.terminate();
        QCOMPARE(ende(p).status, 143);
    }

        void kein_fortschritt_ohne_terminal()
    {
        QTemporaryDir d;
        const Aufruf a = rufe({"--temperatur", "1000,1100"}, d.path(), Deutsch_UTF8);
        QCOMPARE(a.status, 0);
        QVERIFY(a.fehler.isEmpty());
        QCOMPARE(a.aus.count('\n'), 2);
        QVERIFY(a.aus.startsWith(QString::fromUtf8("linear, 1000 °C, 2 h, 50 µm, D0 587, Q 238650, i_Diff 20: ").toUtf8()));
    }

    void hilfe_und_version()
    {
        QTemporaryDir d;
        for (const char* hilfe : {"--help", "-h"}) {
            const Aufruf a = rufe({hilfe}, d.path(), Deutsch_UTF8);
            QCOMPARE(a.status, 0);
            const QString text = QString::fromUtf8(a.aus);
            for (const char* teil : {"Aufruf: kalvion-cli [Optionen]", "Beispiele:", "Exit-Status:", "Studien:",
                                     "--modell M", "--temperatur °C", "--zeit h", "--weg µm", "--d0 Zahl",
                                     "--q J/mol", "--i-diff Zahl", "--datei Pfad", "--tabelle", "--verfahren V",
                                     "--threads N", "--teil K/N", "--viele", "-h, --help", "--version",
                                     "erlaubt: 0 ≤ Wert ≤ 10000", "Startwert 238650", "130"})
                QVERIFY2(text.contains(QString::fromUtf8(teil)), teil);
        }
        const Aufruf v = rufe({"--version"}, d.path());
        QCOMPARE(v.status, 0);
        QCOMPARE(v.aus, QByteArray("kalvion-cli " KALVION_VERSION "\n"));
    }

    void nur_qtcore_ohne_bildschirm()
    {
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(KALVION_CLI)});
        QVERIFY(readelf.waitForFinished());
        const QByteArray bibliotheken = readelf.readAllStandardOutput();
        QVERIFY(bibliotheken.contains("libQt6Core.so"));
        QVERIFY(!bibliotheken.contains("libQt6Gui"));
        QVERIFY(!bibliotheken.contains("libQt6Widgets"));

        QTemporaryDir d;
        QProcess p;
        QProcessEnvironment env = umgebung(C_UTF8);
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(d.path());
        p.start(QStringLiteral(KALVION_CLI), {});
        QCOMPARE(ende(p).status, 0);
    }


    // --verfahren auto decides by the cell-step count alone: 1030 °C for 66
    // to 70 h makes about 145000 to 154000 steps of 200 cells, on both sides
    // of 30 million. Every thread count and every slicing gives the same bytes.
    void auto_gleich_auf_jedem_rechner()
    {
        const QStringList studie{"--modell", "linear,sphaerisch", "--temperatur", "1030", "--zeit", "66:70:1",
                                 "--i-diff", "20,199", "--verfahren", "auto", "--datei", "s.txt", "--tabelle"};
        QTemporaryDir d;
        const QString pfad = echter_pfad(d, QStringLiteral("s.txt"));
        auto ergebnis = [&](const QStringList& zusatz) { return studie_mit_datei(studie + zusatz, d.path(), pfad); };
        const auto [status1, datei1, tabelle1] = ergebnis({"--threads", "1"});
        QCOMPARE(status1, 0);
        QCOMPARE(zaehle_bloecke(datei1, pfad), 20);

        // The Sprung column follows from the Schritte column alone.
        const QList<QByteArray> zeilen = tabelle1.split('\n');
        const QList<QByteArray> kopf = zeilen[0].trimmed().split(',');
        QByteArray spruenge;
        for (int i = 1; i + 1 < zeilen.size(); ++i) {
            const QList<QByteArray> werte = zeilen[i].trimmed().split(',');
            const double schritte = zahl(werte[kopf.indexOf("Schritte")]);
            QCOMPARE(werte[kopf.indexOf("Sprung")], QByteArray(schritte * 200 > Sprung_ab_Zellschritten ? "1" : "0"));
            spruenge += werte[kopf.indexOf("Sprung")];
        }
        QCOMPARE(spruenge, QByteArray("00000011110000001111"));

        for (const char* threads : {"2", "8"}) {
            const auto [status, datei, tabelle] = ergebnis({"--threads", threads});
            QCOMPARE(status, 0);
            QVERIFY2(datei == datei1, threads);
            QCOMPARE(tabelle, tabelle1);
        }
        for (int n : {3, 7}) {
            QByteArray tabelle;
            for (int k = 1; k <= n; ++k) {
                const Aufruf a = rufe(studie + QStringList{"--teil", QStringLiteral("%1/%2").arg(k).arg(n)}, d.path(),
                                      Deutsch_UTF8);
                QCOMPARE(a.status, 0);
                tabelle += a.aus;
            }
            QVERIFY(lies_datei(pfad) == datei1);
            QCOMPARE(tabelle, tabelle1);
            QFile::remove(pfad);
        }
    }

    void auto_schwelle_data()
    {
        QTest::addColumn<double>("schritte");
        QTest::addColumn<int>("zellen");
        QTest::addColumn<bool>("sprung");
        QTest::newRow("knapp_darunter") << 149999.0 << 200 << false;
        QTest::newRow("genau_auf_der_grenze") << 150000.0 << 200 << false;
        QTest::newRow("knapp_darueber") << 150001.0 << 200 << true;
        QTest::newRow("weniger_zellen_mehr_schritte") << 300001.0 << 100 << true;
    }
    void auto_schwelle()
    {
        QFETCH(double, schritte);
        QFETCH(int, zellen);
        QFETCH(bool, sprung);
        for (int wiederholung = 0; wiederholung < 5; ++wiederholung)
            QCOMPARE(verfahren_fuer(Verfahrenswahl::automatisch, schritte, zellen) == Verfahren::sprung, sprung);
        QCOMPARE(verfahren_fuer(Verfahrenswahl::schrittweise, schritte, zellen), Verfahren::schrittweise);
        QCOMPARE(verfahren_fuer(Verfahrenswahl::schnell, schritte, zellen), Verfahren::sprung);
    }

    // Targets that can never be written are refused before the first run:
    // the study would step for hours. The target and its folder stay as they
    // were, and nothing is left beside it.
    void ziel_abgelehnt_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("ziel");  // in a fresh folder with "alt.txt", "fifo", "ordner/", "nur_lesen.txt", "zu/"
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");

        QTest::newRow("datei_geraet") << "--datei" << "/dev/null" << 1
                                      << "Speichern in /dev/null fehlgeschlagen (Öffnen fehlgeschlagen: ein Gerät, "
                                         "keine gewöhnliche Datei); nichts gerechnet, nichts geschrieben";
        QTest::newRow("kurven_geraet") << "--kurven" << "/dev/full" << 1
                                       << "Speichern der Kurven in /dev/full fehlgeschlagen (Öffnen fehlgeschlagen: "
                                          "ein Gerät, keine gewöhnliche Datei)";
        QTest::newRow("datei_fifo") << "--datei" << "fifo" << 1 << "eine benannte Pipe (FIFO), keine gewöhnliche Datei";
        QTest::newRow("kurven_fifo") << "--kurven" << "fifo" << 1 << "eine benannte Pipe (FIFO)";
        QTest::newRow("datei_socket") << "--datei" << "socket" << 1 << "ein Socket, keine gewöhnliche Datei";
        QTest::newRow("datei_ordner") << "--datei" << "ordner" << 1 << "ein Ordner, keine Datei";
        QTest::newRow("kurven_ordner") << "--kurven" << "ordner" << 1 << "ein Ordner, keine Datei";
        QTest::newRow("datei_schreibgeschuetzt") << "--datei" << "nur_lesen.txt" << 1 << "die Datei ist schreibgeschützt";
        QTest::newRow("kurven_schreibgeschuetzt") << "--kurven" << "nur_lesen.txt" << 1
                                                  << "die Datei ist schreibgeschützt";
        QTest::newRow("ordner_schreibgeschuetzt") << "--datei" << "zu/neu.txt" << 1 << "/zu ist schreibgeschützt";
        QTest::newRow("alte_datei_im_schreibgeschuetzten_ordner") << "--datei" << "zu/alt.txt" << 1
                                                                  << "/zu ist schreibgeschützt";
        QTest::newRow("ordner_ist_datei") << "--datei" << "alt.txt/neu.txt" << 1 << "ein Teil des Pfads ist kein Ordner";
        QTest::newRow("option_statt_datei") << "--datei" << "--tabelle" << 2 << "--datei braucht einen Dateinamen";
        QTest::newRow("datei_standardausgabe") << "--datei" << "-" << 2
                                               << "--datei braucht einen Dateinamen; die Ergebnisdatei kann nicht die "
                                                  "Standardausgabe (-) sein";
        QTest::newRow("dieselbe_datei") << "--kurven" << "alt.txt" << 2 << "--datei und --kurven nennen dieselbe Datei";
    }
    void ziel_abgelehnt()
    {
        QFETCH(QString, option);
        QFETCH(QString, ziel);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        QTemporaryDir d;
        const QDir ordner(d.path());
        schreibe_datei(d.filePath(QStringLiteral("alt.txt")), Alte_Daten);
        schreibe_datei(d.filePath(QStringLiteral("nur_lesen.txt")), Alte_Daten);
        QFile::setPermissions(d.filePath(QStringLiteral("nur_lesen.txt")), QFile::ReadOwner | QFile::ReadGroup);
        QVERIFY(mkfifo(QFile::encodeName(d.filePath(QStringLiteral("fifo"))).constData(), 0644) == 0);
        const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        const QByteArray sockname = QFile::encodeName(d.filePath(QStringLiteral("socket")));
        QVERIFY(sockname.size() < qsizetype(sizeof adresse.sun_path));
        std::copy(sockname.begin(), sockname.end(), adresse.sun_path);
        QVERIFY(bind(sock, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0);
        ordner.mkdir(QStringLiteral("ordner"));
        ordner.mkdir(QStringLiteral("zu"));
        schreibe_datei(d.filePath(QStringLiteral("zu/alt.txt")), Alte_Daten);
        QFile::setPermissions(d.filePath(QStringLiteral("zu")), QFile::ReadOwner | QFile::ExeOwner);
        const QStringList vorher = ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);

        // A stepped run of hours: only a refusal before it ends the command at once.
        QStringList argumente{"--weg", "1", "--zeit", "10000", "--verfahren", "schrittweise", "--threads", "1", option, ziel};
        if (option == QStringLiteral("--kurven"))
            argumente += QStringList{"--datei", "alt.txt"};
        const Aufruf a = rufe(argumente, d.path(), Deutsch_UTF8);
        close(sock);
        QFile::setPermissions(d.filePath(QStringLiteral("zu")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(a.status, status);
        QVERIFY2(QString::fromUtf8(a.fehler).contains(meldung), a.fehler.constData());
        QVERIFY2(!a.fehler.contains("Hinweis"), a.fehler.constData());  // said before the plan of the runs
        QVERIFY(a.aus.isEmpty());
        QCOMPARE(lies_datei(d.filePath(QStringLiteral("alt.txt"))), Alte_Daten);
        QCOMPARE(lies_datei(d.filePath(QStringLiteral("nur_lesen.txt"))), Alte_Daten);
        QCOMPARE(lies_datei(d.filePath(QStringLiteral("zu/alt.txt"))), Alte_Daten);
        QVERIFY(QFileInfo(d.filePath(QStringLiteral("fifo"))).isSymLink() ||
                !QFileInfo(d.filePath(QStringLiteral("fifo"))).isFile());
        QCOMPARE(ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), vorher);
        QCOMPARE(QDir(d.filePath(QStringLiteral("ordner"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    // The outputs of one command are committed together: a results file that
    // cannot take the blocks leaves the curves as they were, and standard
    // output that fails leaves the results file as it was.
    void ausgaben_gemeinsam_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::newRow("ergebnisdatei_voll_kurven_bleiben") << "voll";
        QTest::newRow("ergebnisdatei_ordner_kurven_bleiben") << "ordner";
        QTest::newRow("standardausgabe_voll") << "standardausgabe";
        QTest::newRow("leser_schliesst_die_pipe") << "pipe";
    }
    void ausgaben_gemeinsam()
    {
        QFETCH(QString, fall);
        QTemporaryDir d;
        QDir(d.path()).mkdir(QStringLiteral("adir"));
        // Old content just under the file size limit: the curves fit, the block does not.
        constexpr int Grenze = 100000;
        const QByteArray alt_gross = QByteArray(Grenze - 100, 'x');
        const QString datei = d.filePath(QStringLiteral("r.txt")), kurven = d.filePath(QStringLiteral("k.csv"));
        schreibe_datei(datei, alt_gross);
        schreibe_datei(kurven, Alte_Daten);

        Aufruf a;
        if (fall == QStringLiteral("voll") || fall == QStringLiteral("ordner")) {
            const auto grenze = [] {
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit klein{Grenze, Grenze};
                setrlimit(RLIMIT_FSIZE, &klein);
            };
            a = rufe({"--kurven", "k.csv", "--datei", fall == QStringLiteral("voll") ? "r.txt" : "adir"}, d.path(),
                     C_UTF8, grenze);
            QVERIFY2(a.fehler.contains(fall == QStringLiteral("voll") ? "(Schreiben fehlgeschlagen: die Datei würde zu groß)"
                                                                    : "(Öffnen fehlgeschlagen: ein Ordner, keine Datei)"),
                     a.fehler.constData());
        } else if (fall == QStringLiteral("standardausgabe")) {
            QProcess p;
            p.setStandardOutputFile(QStringLiteral("/dev/full"));
            starte(p, {"--zeit", "1,2", "--temperatur", "1000:1100:50", "--datei", "r.txt"}, d.path(), C_UTF8);
            a = ende(p);
            QVERIFY2(a.fehler.contains("die Standardausgabe ließ sich nicht schreiben (kein Platz auf dem Datenträger); "
                                       "nichts geschrieben"),
                     a.fehler.constData());
        } else {
            // The reader takes one line and goes: quietly, status 1, no file changed.
            QProcess p;
            p.setProgram(QStringLiteral("bash"));
            p.setArguments({"-c", "\"$0\" \"$@\" | head -n 1 > /dev/null; exit \"${PIPESTATUS[0]}\"", KALVION_CLI,
                            "--d0", "1:400:1", "--zeit", "0.1", "--tabelle", "--datei", "r.txt", "--threads", "2"});
            p.setWorkingDirectory(d.path());
            p.setProcessEnvironment(umgebung(C_UTF8));
            p.start();
            a = ende(p);
            QCOMPARE(a.fehler, QByteArray());
        }
        QCOMPARE(a.status, 1);
        QVERIFY2(!a.fehler.contains("QIODevice") && !a.fehler.contains("Unknown"), a.fehler.constData());
        QVERIFY(lies_datei(datei) == alt_gross);
        QCOMPARE(lies_datei(kurven), Alte_Daten);
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"adir", "k.csv", "r.txt"}));
    }

    // --kurven -: the table "Kurven speichern …" writes, on standard output.
    void kurven_auf_die_standardausgabe()
    {
        QTemporaryDir d;
        const Aufruf a = rufe({"--kurven", "-", "--modell", "sphaerisch"}, d.path(), Deutsch_UTF8);
        QCOMPARE(a.status, 0);
        QCOMPARE(a.aus, kurventabelle(lauf_des_fensters(true, {"1050", "2", "50", "587", "238650", "20"}, Deutsch),
                                      Deutsch));
        QVERIFY(QDir(d.path()).isEmpty());
    }

    // Rows reach standard output as soon as every earlier run is done, not
    // when the last one ends: here the last run would step for hours.
    void tabelle_kommt_sofort()
    {
        QTemporaryDir d;
        QProcess p;
        starte(p, {"--weg", "50,1", "--zeit", "1,10000", "--verfahren", "schrittweise", "--tabelle", "--threads", "2",
                   "--datei", "e.txt"},
               d.path(), C_UTF8);
        QByteArray aus;
        QTRY_VERIFY_WITH_TIMEOUT((aus += p.readAllStandardOutput()).count('\n') >= 3, 60000);
        QVERIFY(aus.startsWith("modell,"));
        QVERIFY(aus.contains("\r\nlinear,1050,1,50,"));
        p.terminate();
        const Aufruf a = ende(p);
        QCOMPARE(a.status, 143);
        QVERIFY(QDir(d.path()).isEmpty());  // no results file, and no spool left behind
    }

    // Memory does not grow with the study: 100 000 runs in 200 MB of address
    // space, where keeping their outputs alone would take more than twice that.
    void speicher_begrenzt_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("100000_laeufe_tabelle") << QStringList{"--d0", "0.001:100:0.001", "--zeit", "0.1", "--tabelle"}
                                               << 100001;
        QTest::newRow("20000_laeufe_tabelle_und_datei")
            << QStringList{"--d0", "0.005:100:0.005", "--zeit", "0.1", "--tabelle", "--datei", "e.txt"} << 20001;
    }
    void speicher_begrenzt()
    {
        if (Unter_AddressSanitizer)
            QSKIP("caps the address space, which AddressSanitizer's shadow memory needs");
        QFETCH(QStringList, argumente);
        QFETCH(int, zeilen);
        QTemporaryDir d;
        const QString pfad = echter_pfad(d, QStringLiteral("e.txt"));
        const QString tabelle = d.filePath(QStringLiteral("tabelle.csv"));
        QProcess p;
        p.setStandardOutputFile(tabelle);
        starte(p, argumente + QStringList{"--threads", "2"}, d.path(), C_UTF8, [] {
            rlimit adressraum{200L << 20, 200L << 20};
            setrlimit(RLIMIT_AS, &adressraum);
        });
        const Aufruf a = ende(p);
        QCOMPARE(a.status, 0);
        QCOMPARE(a.fehler, QByteArray());
        const QByteArray csv = lies_datei(tabelle);
        QCOMPARE(csv.count('\n'), zeilen);
        if (argumente.contains(QStringLiteral("--datei"))) {
            QCOMPARE(zaehle_bloecke(lies_datei(pfad), pfad), zeilen - 1);
            QVERIFY(QFileInfo(pfad).size() > (200 << 20) / 4);
        }
    }

    // Too little memory for what was asked (a thread each for 1024 runs in
    // 200 MB of address space): a German message and status 1, no abort, and
    // the results file as it was.
    void zu_wenig_speicher()
    {
        if (Unter_AddressSanitizer)
            QSKIP("caps the address space, which AddressSanitizer's shadow memory needs");
        QTemporaryDir d;
        const QString pfad = d.filePath(QStringLiteral("e.txt"));
        schreibe_datei(pfad, Alte_Daten);
        const Aufruf a = rufe({"--d0", "0.1:102.4:0.1", "--zeit", "0.1", "--threads", "1024", "--datei", "e.txt"},
                              d.path(), Deutsch_UTF8, [] {
                                  rlimit adressraum{200L << 20, 200L << 20};
                                  setrlimit(RLIMIT_AS, &adressraum);
                              });
        QCOMPARE(a.status, 1);
        QVERIFY2(a.fehler.startsWith("kalvion-cli: ") && a.fehler.contains("Arbeitsspeicher"), a.fehler.constData());
        QVERIFY2(a.fehler.contains("die Dateien sind, wie sie waren"), a.fehler.constData());
        QCOMPARE(lies_datei(pfad), Alte_Daten);
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"e.txt"});
    }

    void fehlerursache_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("text");
        QTest::newRow("voll") << int(ENOSPC) << "kein Platz auf dem Datenträger";
        QTest::newRow("zu_gross") << int(EFBIG) << "die Datei würde zu groß";
        QTest::newRow("verboten") << int(EACCES) << "keine Berechtigung";
        QTest::newRow("nur_lesbar") << int(EROFS) << "der Datenträger ist schreibgeschützt";
        QTest::newRow("unbekannt") << 4242 << "Systemfehler 4242";
    }
    void fehlerursache()
    {
        QFETCH(int, nummer);
        QFETCH(QString, text);
        QCOMPARE(cli::fehlerursache(nummer), text);
    }

    // The parts of the library.

    void werteliste_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<double>>("werte");

        QTest::newRow("ein_wert") << "1050" << QList<double>{1050};
        QTest::newRow("liste") << "1000,1050,1100" << QList<double>{1000, 1050, 1100};
        QTest::newRow("bereich") << "1000:1200:50" << QList<double>{1000, 1050, 1100, 1150, 1200};
        QTest::newRow("bereich_ende_nicht_getroffen") << "1000:1190:50" << QList<double>{1000, 1050, 1100, 1150};
        QTest::newRow("bereich_abwaerts") << "1200:1100:-50" << QList<double>{1200, 1150, 1100};
        QTest::newRow("dezimal_genau") << "0.1:0.5:0.1" << QList<double>{0.1, 0.2, 0.3, 0.4, 0.5};
        QTest::newRow("dezimal_krumm") << "1:2:0.3" << QList<double>{1, 1.3, 1.6, 1.9};
        QTest::newRow("exponenten") << "1e3:1.1e3:2.5E1" << QList<double>{1000, 1025, 1050, 1075, 1100};
        QTest::newRow("gemischt") << " 900 , 1000:1200:100" << QList<double>{900, 1000, 1100, 1200};
        QTest::newRow("ein_glied") << "5:5:-1" << QList<double>{5};
        QTest::newRow("plus_und_nullen") << "+0.050:00.1:0.025" << QList<double>{0.05, 0.075, 0.1};
    }

    void werteliste()
    {
        QFETCH(QString, text);
        QFETCH(QList<double>, werte);
        const Werteliste w = Werteliste::lesen(Feld::Sinterzeit, QStringLiteral("--zeit"), text);
        QCOMPARE(w.anzahl(), std::uint64_t(werte.size()));
        for (int j = 0; j < werte.size(); ++j)
            QCOMPARE(w.wert(j), werte[j]);  // exactly the double the decimal text reads as
    }

    void grosse_bereiche_werden_nur_gezaehlt()
    {
        const Werteliste w = Werteliste::lesen(Feld::D0, QStringLiteral("--d0"), QStringLiteral("0:1e15:0.001"));
        QCOMPARE(w.anzahl(), std::uint64_t(1000000000000000001ULL));
        QCOMPARE(w.wert(1000000000000000000ULL), 1e15);
        QCOMPARE(w.wert(3), 0.003);
    }

    // At most 100 000 runs per command without --viele, counted in the slice.
    void laufgrenze_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("genau 100000") << QStringList{"--temperatur", "0:9999.9:0.1"} << true;
        QTest::newRow("100001") << QStringList{"--temperatur", "0:10000:0.1"} << false;
        QTest::newRow("100001 mit --viele") << QStringList{"--temperatur", "0:10000:0.1", "--viele"} << true;
        QTest::newRow("100001, Teil 1/2") << QStringList{"--temperatur", "0:10000:0.1", "--teil", "1/2"} << true;
    }
    void laufgrenze()
    {
        QFETCH(QStringList, argumente);
        QFETCH(bool, erlaubt);
        bool ging = true;
        try {
            auftrag_lesen(QStringList{"kalvion-cli"} + argumente);
        } catch (const Eingabefehler&) {
            ging = false;
        }
        QCOMPARE(ging, erlaubt);
    }

        void eingabetext_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("text");

        QTest::newRow("ganz_deutsch") << 1050.0 << Deutsch_UTF8 << "1050";
        QTest::newRow("bruch_deutsch") << 1.5 << Deutsch_UTF8 << "1,5";
        QTest::newRow("bruch_C") << 1.5 << C_UTF8 << "1.5";
        QTest::newRow("klein_deutsch") << 0.00001 << Deutsch_UTF8 << "1E-05";
        QTest::newRow("gross_C") << 1e20 << C_UTF8 << "1E+20";
        QTest::newRow("krumm_deutsch") << 0.1 + 0.2 << Deutsch_UTF8 << "0,30000000000000004";
    }

    void eingabetext()
    {
        QFETCH(double, wert);
        QFETCH(QString, sprache);
        QFETCH(QString, text);
        const QLocale locale = locale_fuer(sprache);
        QCOMPARE(cli::eingabetext(wert, locale), text);
        QCOMPARE(zahlen::lies(text, locale).value(), wert);  // the dialog reads back the same number
    }

    void modell_wie_der_dialog()
    {
        Lauf lauf = Studie::startwerte().lauf(0);
        lauf.werte[static_cast<int>(Feld::Sinterzeit)] = 1.5;
        lauf.werte[static_cast<int>(Feld::i_Diff)] = 150.5;
        const Modell m = modell_fuer(lauf, Deutsch);
        QCOMPARE(QString::fromStdString(m.Sinterzeit.text.value()), QStringLiteral("1,5"));
        QCOMPARE(QString::fromStdString(m.Sintertemp.text.value()), QStringLiteral("1050"));
        QCOMPARE(m.Sinterzeit_s, 5400.0);
        QCOMPARE(m.i_Diff, std::int16_t(150));
        QVERIFY(!m.Berechnung_aktuell);
    }

    void reihenfolge()
    {
        Studie s = Studie::startwerte();
        s.modelle = {Geometrie::linear, Geometrie::sphaerisch};
        s.listen[static_cast<int>(Feld::Sintertemp)] = Werteliste::lesen(Feld::Sintertemp, "--temperatur", "900,1000");
        s.listen[static_cast<int>(Feld::i_Diff)] = Werteliste::lesen(Feld::i_Diff, "--i-diff", "1:3:1");
        QCOMPARE(s.anzahl(), std::uint64_t(12));
        QString folge;
        for (std::uint64_t i = 0; i < s.anzahl(); ++i) {
            const Lauf l = s.lauf(i);
            folge += QStringLiteral("%1%2%3 ")
                         .arg(QLatin1Char(l.geometrie == Geometrie::sphaerisch ? 'K' : 'L'))
                         .arg(l.wert(Feld::Sintertemp))
                         .arg(l.wert(Feld::i_Diff));
        }
        QCOMPARE(folge, QStringLiteral("L9001 L9002 L9003 L10001 L10002 L10003 K9001 K9002 K9003 K10001 K10002 K10003 "));
    }

    void teile_decken_die_studie()
    {
        for (std::uint64_t anzahl : {0, 1, 2, 7, 10, 100, 100001}) {
            for (std::uint64_t n : {1, 2, 3, 7, 16}) {
                std::uint64_t naechster = 0, kleinster = anzahl, groesster = 0;
                for (std::uint64_t k = 1; k <= n; ++k) {
                    const Laufbereich b = teilbereich(anzahl, {k, n});
                    QCOMPARE(b.von, naechster);
                    naechster = b.bis;
                    kleinster = std::min(kleinster, b.anzahl());
                    groesster = std::max(groesster, b.anzahl());
                }
                QCOMPARE(naechster, anzahl);
                QVERIFY(groesster - std::min(kleinster, groesster) <= 1);
            }
        }
    }

    void fortschrittszeile_data()
    {
        QTest::addColumn<double>("fertig");
        QTest::addColumn<double>("sekunden");
        QTest::addColumn<QString>("zeile");

        QTest::newRow("noch_nichts") << 0.0 << 3.0 << "Läufe: 5 von 40 fertig (0 %), Restzeit wird geschätzt";
        QTest::newRow("fast_fertig") << 99.9 << 10.0 << "Läufe: 5 von 40 fertig (99 %), gleich fertig";
        QTest::newRow("sekunden") << 25.0 << 10.0 << "Läufe: 5 von 40 fertig (25 %), noch etwa 30 s";
        QTest::newRow("minuten") << 50.0 << 125.0 << "Läufe: 5 von 40 fertig (50 %), noch etwa 2 min 05 s";
        QTest::newRow("stunden") << 10.0 << 413.9 << "Läufe: 5 von 40 fertig (10 %), noch etwa 1 h 02 min";
        QTest::newRow("tage") << 1.0 << 1000.0 << "Läufe: 5 von 40 fertig (1 %), noch etwa 1 d 03 h";
    }

    void fortschrittszeile()
    {
        QFETCH(double, fertig);
        QFETCH(double, sekunden);
        QFETCH(QString, zeile);
        Fortschrittsstand s;
        s.laeufe_fertig = 5;
        s.laeufe = 40;
        s.aufwand_fertig = fertig;
        s.aufwand = 100;
        s.vergangen = std::chrono::duration<double>(sekunden);
        QCOMPARE(cli::fortschrittszeile(s), zeile);
    }
};

QTEST_GUILESS_MAIN(tst_cli)
#include "tst_cli.moc"
