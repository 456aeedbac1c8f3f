// SPDX-License-Identifier: GPL-3.0-or-later
// The command line in English and German: the choice of language, the help,
// the English option names, every kind of message and the fit's output.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "cli_messprofil.h"
#include "sprache.h"
#include "testhilfen.h"

namespace {

struct Aufruf {
    int status = -1;
    QByteArray aus, fehler;
};

// `sprache` as LANGUAGE (none when empty), `locale` as LANG and LC_ALL.
Aufruf rufe(const QStringList& argumente, const QString& sprache, const QString& locale = QStringLiteral("C.UTF-8"),
            const QString& ordner = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    if (!sprache.isEmpty())
        env.insert(QStringLiteral("LANGUAGE"), sprache);
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("LC_ALL"), locale);
    QProcess p;
    p.setProgram(QStringLiteral(KALVION_CLI));
    p.setArguments(argumente);
    p.setProcessEnvironment(env);
    if (!ordner.isEmpty())
        p.setWorkingDirectory(ordner);
    p.start();
    if (!p.waitForFinished(240000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// Words only a German text has; the option names and table columns the help
// quotes are German on purpose and left out.
const QStringList Deutsche_woerter{
    QStringLiteral("Aufruf"),      QStringLiteral("Rechnet"),   QStringLiteral("Startwert"),
    QStringLiteral("erlaubt"),     QStringLiteral("Sinter"),    QStringLiteral("Datei "),
    QStringLiteral("Zahlen"),      QStringLiteral("Studien"),    QStringLiteral("Ausgabe"),
    QStringLiteral("Beispiele"),   QStringLiteral("Hilfe"),     QStringLiteral("Läufe"),
    QStringLiteral(" oder "),      QStringLiteral(" und "),     QStringLiteral(" die "),
    QStringLiteral(" der "),       QStringLiteral(" ist "),     QStringLiteral("Wert"),
};

// What else gives a message away as German: words the messages use, umlauts
// and ß.
const QStringList Deutsch_in_meldungen = Deutsche_woerter + QStringList{
    QStringLiteral("nicht"),   QStringLiteral("kein"),    QStringLiteral("gerechnet"), QStringLiteral("geschrieben"),
    QStringLiteral("Lauf"),    QStringLiteral("Bereich"), QStringLiteral("Ordner"),    QStringLiteral("fehlt"),
    QStringLiteral("Zahl"),    QStringLiteral("Punkte"),  QStringLiteral(" bei "),     QStringLiteral("Messprofil"),
    QStringLiteral("ä"),       QStringLiteral("ö"),       QStringLiteral("ü"),         QStringLiteral("Ä"),
    QStringLiteral("Ö"),       QStringLiteral("Ü"),       QStringLiteral("ß"),
};

// The first German sign in `text`, or nothing. The folders the test made are
// left out (their names are random), and so is the model name the user may
// type in German.
QString deutsches_zeichen(QString text, const QString& ordner)
{
    text.remove(QFileInfo(ordner).canonicalFilePath()).remove(ordner).remove(QStringLiteral("sphärisch"));
    for (const QString& zeichen : Deutsch_in_meldungen)
        if (text.contains(zeichen))
            return zeichen;
    return QString();
}

}  // namespace

class tst_sprache_cli : public QObject {
    Q_OBJECT

private slots:
    void sprachwahl_data();
    void sprachwahl();
    void hilfe_englisch();
    void hilfe_deutsch_data();
    void hilfe_deutsch();
    void hilfe_spalte_data();
    void hilfe_spalte();
    void englische_namen_data();
    void englische_namen();
    void englische_namen_in_der_hilfe();
    void dateien_in_jeder_sprache_data();
    void dateien_in_jeder_sprache();
    void laufzeile_data();
    void laufzeile();
    void meldungen_data();
    void meldungen();
    void anpassung_englisch();
    // Last: they install translations into this process for good.
    void qt_texte_deutsch();
    void qt_texte_englisch();
};

void tst_sprache_cli::sprachwahl_data()
{
    QTest::addColumn<QStringList>("sprachen");
    QTest::addColumn<bool>("englisch");
    const auto l = [](const char* s) { return QString::fromLatin1(s).split(QLatin1Char('|')); };
    QTest::newRow("C") << l("C") << false;
    QTest::newRow("leer") << QStringList() << false;
    QTest::newRow("posix") << l("en-US-u-va-posix") << false;
    QTest::newRow("deutsch") << l("de-DE|de-Latn-DE|de") << false;
    QTest::newRow("deutsch (Schweiz)") << l("de-CH|de") << false;
    QTest::newRow("englisch") << l("en-US|en-Latn-US|en") << true;
    QTest::newRow("englisch vor deutsch") << l("en|de") << true;
    QTest::newRow("deutsch vor englisch") << l("de|en") << false;
    QTest::newRow("französisch") << l("fr-FR|fr") << true;
}

void tst_sprache_cli::sprachwahl()
{
    QFETCH(QStringList, sprachen);
    QFETCH(bool, englisch);
    QCOMPARE(kalvion::sprache::englisch_gewuenscht(sprachen), englisch);
}

void tst_sprache_cli::hilfe_englisch()
{
    for (const QString& locale : {QStringLiteral("C.UTF-8"), QStringLiteral("de_DE.UTF-8")}) {
        const Aufruf a = rufe({QStringLiteral("--help")}, QStringLiteral("en"), locale);
        QCOMPARE(a.status, 0);
        const QString text = QString::fromUtf8(a.aus);
        QVERIFY2(text.startsWith(QStringLiteral("Usage: kalvion-cli [options]\n")), qPrintable(text.left(80)));
        for (const QString& wort : Deutsche_woerter)
            QVERIFY2(!text.contains(wort), qPrintable(locale + QStringLiteral(": ") + wort));
        // The values in English too.
        for (const char* wert : {"linear (bar), cylindrical (fibre, wire) or spherical\n", "stepwise: every time step",
                                 "fast: after step 1000", "  models            --model linear,spherical\n"})
            QVERIFY2(text.contains(QString::fromUtf8(wert)), wert);
    }
    // A message in English too.
    const Aufruf a = rufe({QStringLiteral("--zeit"), QStringLiteral("-1")}, QStringLiteral("en"));
    QCOMPARE(a.status, 2);
    QVERIFY2(a.fehler.endsWith("\nHelp: kalvion-cli --help\n"), a.fehler.constData());
}

void tst_sprache_cli::hilfe_deutsch_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << QString() << QStringLiteral("C.UTF-8");
    QTest::newRow("de_DE") << QString() << QStringLiteral("de_DE.UTF-8");
    QTest::newRow("LANGUAGE=de") << QStringLiteral("de") << QStringLiteral("en_US.UTF-8");
    QTest::newRow("LANGUAGE=de:en") << QStringLiteral("de:en") << QStringLiteral("C.UTF-8");
}

void tst_sprache_cli::hilfe_deutsch()
{
    QFETCH(QString, sprache);
    QFETCH(QString, locale);
    const Aufruf a = rufe({QStringLiteral("--help")}, sprache, locale);
    QCOMPARE(a.status, 0);
    QVERIFY(a.aus.startsWith("Aufruf: kalvion-cli [Optionen]\n"));
    QVERIFY(a.aus.contains("  --temperatur °C     Sintertemperatur in °C, Startwert 1050\n"));
    QVERIFY(!a.aus.contains("--temperature"));
    QCOMPARE(a.aus, rufe({QStringLiteral("--help")}, QString(), QStringLiteral("C.UTF-8")).aus);
}

void tst_sprache_cli::hilfe_spalte_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::newRow("deutsch") << QString();
    QTest::newRow("englisch") << QStringLiteral("en");
}

// Every option's description starts in the help's second column; a name with
// its English alias too long for the first one stands on a line of its own
// instead of pushing its description to the right.
void tst_sprache_cli::hilfe_spalte()
{
    QFETCH(QString, sprache);
    constexpr int Spalte = 22;
    const Aufruf a = rufe({QStringLiteral("--help")}, sprache);
    QCOMPARE(a.status, 0);
    const QStringList zeilen = QString::fromUtf8(a.aus).split(QLatin1Char('\n'));
    // "  --name, --alias W" and nothing else.
    static const QRegularExpression nur_name(QStringLiteral("^  (-h, )?--[a-z0-9-]+(, --[a-z0-9-]+)?( \\S+)?$"));
    const auto in_spalte = [&](const QString& zeile) {
        return zeile.size() > Spalte && zeile.left(Spalte).endsWith(QLatin1Char(' ')) &&
               zeile[Spalte] != QLatin1Char(' ');
    };
    int optionen = 0;
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen[i];
        if (!zeile.startsWith(QStringLiteral("  -")))
            continue;
        ++optionen;
        if (in_spalte(zeile))
            continue;
        QVERIFY2(nur_name.match(zeile).hasMatch(), qPrintable(zeile));
        QVERIFY2(i + 1 < zeilen.size() && in_spalte(zeilen[i + 1]) && zeilen[i + 1].left(Spalte).trimmed().isEmpty(),
                 qPrintable(zeile));
    }
    QVERIFY(optionen > 20);
}

void tst_sprache_cli::englische_namen_data()
{
    QTest::addColumn<QStringList>("deutsch");
    QTest::addColumn<QStringList>("englisch");
    const auto l = [](const char* s) { return QString::fromUtf8(s).split(QLatin1Char(' ')); };
    QTest::newRow("modell") << l("--modell sphaerisch") << l("--model sphaerisch");
    QTest::newRow("Modelle englisch") << l("--modell zylindrisch,sphaerisch --zeit 0.5 --datei ergebnis.txt")
                                      << l("--model cylindrical,spherical --zeit 0.5 --datei ergebnis.txt");
    QTest::newRow("Verfahren englisch: fast") << l("--verfahren schnell --zeit 4") << l("--method fast --zeit 4");
    QTest::newRow("Verfahren englisch: stepwise") << l("--verfahren schrittweise --zeit 0.5")
                                                  << l("--verfahren stepwise --zeit 0.5");
    QTest::newRow("temperatur") << l("--temperatur 1000,1100") << l("--temperature 1000,1100");
    QTest::newRow("zeit") << l("--zeit 1.5") << l("--time 1.5");
    QTest::newRow("zeit=") << l("--zeit=3") << l("--time=3");
    QTest::newRow("weg") << l("--weg 30") << l("--path 30");
    QTest::newRow("tabelle") << l("--zeit 1 --tabelle") << l("--zeit 1 --table");
    QTest::newRow("kurven") << l("--zeit 1 --kurven -") << l("--zeit 1 --curves -");
    QTest::newRow("verfahren") << l("--verfahren schnell --zeit 4") << l("--method schnell --zeit 4");
    QTest::newRow("teil") << l("--zeit 1,2,3,4 --teil 2/2") << l("--zeit 1,2,3,4 --slice 2/2");
    QTest::newRow("viele") << l("--zeit 1 --viele") << l("--zeit 1 --many");
    QTest::newRow("threads") << l("--zeit 1,2 --threads 2") << l("--zeit 1,2 --threads 2");
    QTest::newRow("datei") << l("--zeit 1 --datei ergebnis.txt") << l("--zeit 1 --file ergebnis.txt");
    // Files that are not there: the same message shows the name was understood.
    QTest::newRow("parameter") << l("--parameter fehlt.kalvion") << l("--parameters fehlt.kalvion");
    QTest::newRow("programm") << l("--programm fehlt.kalvion") << l("--program fehlt.kalvion");
    QTest::newRow("programm-halten") << l("--programm-halten 1") << l("--program-hold 1");
    QTest::newRow("programm-rate") << l("--programm-rate 5") << l("--program-rate 5");
    QTest::newRow("messung") << l("--messung fehlt.csv") << l("--measurement fehlt.csv");
    QTest::newRow("anpassen") << l("--anpassen fehlt.csv@1000") << l("--fit fehlt.csv@1000");
    QTest::newRow("doppelt") << l("--zeit 1 --zeit 2") << l("--zeit 1 --time 2");
}

void tst_sprache_cli::englische_namen()
{
    QFETCH(QStringList, deutsch);
    QFETCH(QStringList, englisch);
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    // Standard output, standard error and the results file, which names its path.
    const auto lauf = [&](const QStringList& argumente, const QString& sprache) {
        const Aufruf a = rufe(argumente, sprache, QStringLiteral("C.UTF-8"), ordner.path());
        QFile datei(ordner.filePath(QStringLiteral("ergebnis.txt")));
        QByteArray inhalt;
        if (datei.open(QIODevice::ReadOnly))
            inhalt = datei.readAll();
        datei.remove();
        return std::make_tuple(a.status, a.aus, a.fehler, inhalt);
    };
    for (const QString& sprache : {QString(), QStringLiteral("en")}) {
        const auto d = lauf(deutsch, sprache);
        const auto e = lauf(englisch, sprache);
        QCOMPARE(std::get<0>(e), std::get<0>(d));
        QCOMPARE(std::get<1>(e), std::get<1>(d));
        QCOMPARE(std::get<2>(e), std::get<2>(d));
        QCOMPARE(std::get<3>(e), std::get<3>(d));
        QVERIFY2(!std::get<2>(d).contains("unbekannte Option"), std::get<2>(d).constData());
    }
}

void tst_sprache_cli::englische_namen_in_der_hilfe()
{
    const QString text = QString::fromUtf8(rufe({QStringLiteral("--help")}, QStringLiteral("en")).aus);
    for (const char* name : {"model", "temperature", "time", "path", "file", "table", "curves", "parameters",
                             "program", "program-hold", "program-rate", "measurement", "fit", "method", "slice",
                             "many", "threads"})
        QVERIFY2(text.contains(QStringLiteral("--") + QString::fromLatin1(name) + QLatin1Char(' ')) ||
                     text.contains(QStringLiteral("--") + QString::fromLatin1(name) + QLatin1Char('\n')),
                 name);
}

void tst_sprache_cli::dateien_in_jeder_sprache_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QByteArray>("darin");  // in German form, to show the locale was in force
    const auto l = [](const char* s) { return QString::fromUtf8(s).split(QLatin1Char(' ')); };
    QTest::newRow("Ergebnisdatei und Kurven") << l("--zeit 1.5 --datei ergebnis.txt --kurven kurven.csv")
                                              << QByteArray("\r\n1,5 Sinterdauer [h]\r\n");
    QTest::newRow("Kurven auf die Standardausgabe") << l("--modell zylindrisch --zeit 0.5 --kurven -")
                                                    << QByteArray("\n1;0,25;100;100;");
    QTest::newRow("Tabelle einer Studie") << l("--temperatur 1000,1100 --zeit 0.5 --tabelle")
                                          << QByteArray("\nlinear,1000,0.5,50,");
    QTest::newRow("Studie in die Ergebnisdatei") << l("--modell linear,sphaerisch --zeit 0.5 --datei ergebnis.txt")
                                                 << QByteArray("Diffusion bei sph\xe4rischer Symmetrie");  // Latin-1, as the window writes it
}

// What other programs read is the same in every language: the results file,
// the curve table and the study's table, here with German numbers.
void tst_sprache_cli::dateien_in_jeder_sprache()
{
    QFETCH(QStringList, argumente);
    QFETCH(QByteArray, darin);
    QByteArray vorher;
    for (const QString& sprache : {QString(), QStringLiteral("en")}) {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const Aufruf a = rufe(argumente, sprache, QStringLiteral("de_DE.UTF-8"), ordner.path());
        QCOMPARE(a.status, 0);
        // The results file names its own path, which differs from folder to folder.
        QByteArray alles = argumente.contains(QStringLiteral("--tabelle")) || argumente.contains(QStringLiteral("-"))
                               ? a.aus
                               : QByteArray();
        for (const char* name : {"ergebnis.txt", "kurven.csv"}) {
            QFile datei(ordner.filePath(QString::fromLatin1(name)));
            if (datei.open(QIODevice::ReadOnly))
                alles += datei.readAll().replace(ordner.path().toUtf8(), "ORDNER");
        }
        QVERIFY2(alles.contains(darin), alles.left(300).constData());
        if (!vorher.isEmpty())
            QCOMPARE(alles, vorher);
        vorher = alles;
    }
}

void tst_sprache_cli::laufzeile_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("ende");  // how the run's line ends
    const auto l = [](const char* s) { return QString::fromUtf8(s).split(QLatin1Char(' ')); };
    QTest::newRow("schrittweise, englisch") << QStringLiteral("en") << l("--zeit 0.5")
                                            << QStringLiteral(": 1535 steps, 10 total mol%, 0 errors (negative fluxes)\n");
    // The errors are counted before the jump only; said once, not in a second
    // bracket after the first.
    QTest::newRow("Sprung, englisch")
        << QStringLiteral("en") << l("--zeit 10 --verfahren schnell")
        << QStringLiteral(" 0 errors (negative fluxes) in the first 1000 steps (computed in one jump after that)\n");
    QTest::newRow("Sprung, deutsch")
        << QString() << l("--zeit 10 --verfahren schnell")
        << QStringLiteral(" 0 Fehler (in den ersten 1000 Schritten; danach in einem Sprung gerechnet)\n");
}

void tst_sprache_cli::laufzeile()
{
    QFETCH(QString, sprache);
    QFETCH(QStringList, argumente);
    QFETCH(QString, ende);
    const Aufruf a = rufe(argumente, sprache);
    QCOMPARE(a.status, 0);
    QVERIFY2(QString::fromUtf8(a.aus).endsWith(ende), a.aus.constData());
    QCOMPARE(a.aus.count('\n'), 1);
}

void tst_sprache_cli::meldungen_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("englisch");  // a part of the English message
    QTest::addColumn<QString>("deutsch");   // all of standard error in German, where checked
    const auto l = [](const char* s) { return QString::fromUtf8(s).split(QLatin1Char(' ')); };
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    const QString hilfe = QStringLiteral("\nHilfe: kalvion-cli --help\n");

    QTest::newRow("keine Zahl") << l("--temperatur abc") << 2
                                << u("--temperatur: \"abc\" is not a number (numbers with a decimal point, for example 1.5)")
                                << u("kalvion-cli: --temperatur: \"abc\" ist keine Zahl (Zahlen mit Dezimalpunkt, zum "
                                     "Beispiel 1.5)") + hilfe;
    // Messages name an option by its German name, whichever name was typed.
    QTest::newRow("keine Zahl, englischer Name") << l("--temperature abc") << 2
                                                 << u("--temperatur: \"abc\" is not a number") << QString();
    QTest::newRow("zu groß") << l("--temperatur 1e400") << 2
                             << u("--temperatur: \"1e400\" is too large (the largest number is 1.7976931348623157e+308)")
                             << QString();
    QTest::newRow("außerhalb des Bereichs") << l("--temperatur 20000") << 2
                                            << u("--temperatur: 20000 lies outside the allowed range 0 ≤ value ≤ 10000")
                                            << u("kalvion-cli: --temperatur: 20000 liegt außerhalb des erlaubten Bereichs "
                                                 "0 ≤ Wert ≤ 10000") + hilfe;
    QTest::newRow("unbekannte Option") << l("--tempratur 1000") << 2 << u("unknown option --tempratur")
                                       << u("kalvion-cli: unbekannte Option --tempratur") + hilfe;
    QTest::newRow("zweimal angegeben") << l("--threads 2 --threads 3") << 2 << u("--threads is given more than once")
                                       << u("kalvion-cli: --threads ist mehrfach angegeben") + hilfe;
    QTest::newRow("Wert fehlt") << l("--zeit") << 2 << u("missing value after --zeit")
                                << u("kalvion-cli: nach --zeit fehlt der Wert") + hilfe;
    QTest::newRow("Schalter mit Wert") << l("--tabelle=1") << 2 << u("--tabelle takes no value") << QString();
    QTest::newRow("Wert ohne Option") << l("1100") << 2
                                      << u("\"1100\" is not an option; values follow their option") << QString();
    QTest::newRow("kein Verfahren") << l("--verfahren flott") << 2
                                    << u("--verfahren: \"flott\" is not a method; allowed are stepwise, fast and auto")
                                    << u("kalvion-cli: --verfahren: \"flott\" ist kein Verfahren; erlaubt sind "
                                         "schrittweise, schnell und auto") + hilfe;
    QTest::newRow("threads") << l("--threads 0") << 2 << u("--threads: \"0\" is not a whole number from 1 to 1024")
                             << QString();
    QTest::newRow("teil") << l("--zeit 1,2 --teil 3/2") << 2
                          << u("--teil: \"3/2\" is not a slice; expected is K/N with 1 ≤ K ≤ N") << QString();
    QTest::newRow("leerer Listeneintrag") << l("--zeit 1,,2") << 2 << u("--zeit: empty entry in the list \"1,,2\"")
                                          << QString();
    QTest::newRow("kein Bereich") << l("--zeit 1:2") << 2
                                  << u("--zeit: \"1:2\" is not a range; a range is start:end:step") << QString();
    QTest::newRow("Bereich kommt nie an") << l("--temperatur 1200:1000:50") << 2
                                          << u("--temperatur: with the step 50, the range \"1200:1000:50\" never gets "
                                               "from 1200 to 1000")
                                          << u("kalvion-cli: --temperatur: der Bereich \"1200:1000:50\" kommt mit der "
                                               "Schrittweite 50 nie von 1200 nach 1000") + hilfe;
    QTest::newRow("Schrittweite 0") << l("--zeit 1:2:0") << 2 << u("--zeit: the range \"1:2:0\" has the step 0")
                                    << QString();
    QTest::newRow("kein Modell") << l("--modell kugel") << 2
                                 << u("--modell: \"kugel\" is not a model; allowed are linear, cylindrical and "
                                      "spherical, also as a list such as linear,spherical")
                                 << u("kalvion-cli: --modell: \"kugel\" ist kein Modell; erlaubt sind linear, "
                                      "zylindrisch und sphaerisch (oder sphärisch), auch als Liste linear,sphaerisch") +
                                        hilfe;
    QTest::newRow("zu viele Läufe") << l("--temperatur 1000:1100:0.001") << 2
                                    << u("the study has 100001 runs, more than 100000; with --viele it is computed")
                                    << u("kalvion-cli: die Studie umfasst 100001 Läufe, mehr als 100000; mit --viele "
                                         "wird sie trotzdem gerechnet") + hilfe;
    QTest::newRow("zu viele Läufe im Teil") << l("--temperatur 1000:1300:0.001 --teil 1/2") << 2
                                            << u("the study has 300001 runs (150000 in this slice), more than 100000")
                                            << u("kalvion-cli: die Studie umfasst 300001 Läufe (in diesem Teil 150000), "
                                                 "mehr als 100000; mit --viele wird sie trotzdem gerechnet") + hilfe;
    // More runs than an int holds: the count is named in full all the same.
    QTest::newRow("Läufe jenseits von int") << l("--zeit 1:3000:1 --temperatur 1000:1100:0.0001") << 2
                                            << u("the study has 3000003000 runs, more than 100000")
                                            << u("kalvion-cli: die Studie umfasst 3000003000 Läufe, mehr als 100000; "
                                                 "mit --viele wird sie trotzdem gerechnet") + hilfe;
    QTest::newRow("Kurven über zwei Optionen") << l("--zeit 1:3000:1 --temperatur 1000:1100:0.0001 --kurven k.csv")
                                               << 2
                                               << u("--kurven compares runs that differ in one option; here "
                                                    "--temperatur and --zeit have several values")
                                               << u("kalvion-cli: --kurven vergleicht Läufe, die sich in einer Option "
                                                    "unterscheiden; hier haben --temperatur und --zeit mehrere Werte") +
                                                      hilfe;
    QTest::newRow("Kurven über drei Optionen") << l("--modell linear,sphaerisch --zeit 1,2 --weg 10,20 --kurven -")
                                               << 2 << u("here --modell, --zeit and --weg have several values")
                                               << QString();
    QTest::newRow("Kurven zu vieler Läufe") << l("--zeit 0.001:20:0.001 --kurven k.csv") << 2
                                            << u("--kurven writes one column per run, for at most 10000 runs; this "
                                                 "study has 20000 runs")
                                            << u("kalvion-cli: --kurven schreibt je Lauf eine Spalte, für höchstens "
                                                 "10000 Läufe; diese Studie hat 20000 Läufe") + hilfe;
    QTest::newRow("Kurven und Tabelle") << l("--zeit 1 --kurven - --tabelle") << 2
                                        << u("--kurven - and --tabelle both write to standard output") << QString();
    QTest::newRow("datei -") << l("--zeit 1 --datei -") << 2
                             << u("--datei needs a file name; the results file cannot be standard output (-)")
                             << u("kalvion-cli: --datei braucht einen Dateinamen; die Ergebnisdatei kann nicht die "
                                  "Standardausgabe (-) sein") + hilfe;
    QTest::newRow("dieselbe Datei") << l("--zeit 1 --datei a.txt --kurven a.txt") << 2
                                    << u("--datei and --kurven name the same file") << QString();
    QTest::newRow("Schrittweite nicht zu bilden") << l("--d0 0") << 2
                                                  << u("run 1 (--modell linear --temperatur 1050 --zeit 2 --weg 50 --d0 0 "
                                                       "--q 238650 --i-diff 20): with the diffusion coefficient D = 0 no "
                                                       "time step can be formed")
                                                  << QString();
    // The dialog's own words, as the window shows them in English.
    QTest::newRow("Schrittweite nicht zu bilden, Meldung des Dialogs")
        << l("--d0 0") << 2 << u("; the input dialog refuses this (\"Invalid input!\")\n") << QString();
    QTest::newRow("zu viele Zeitschritte") << l("--zeit 10000 --weg 0.000001 --temperatur 10000") << 2
                                           << u("time steps, more than can be counted (at most 2^53 = 9007199254740992)")
                                           << QString();
    QTest::newRow("Programm fehlt") << l("--programm-halten 1") << 2
                                    << u("--programm-halten applies only with a temperature programme") << QString();
    // Targets that cannot be written, for root as well: status 1.
    QTest::newRow("Ziel unter einer Datei") << l("--zeit 1 --datei gewoehnlich.txt/ergebnis.txt") << 1
                                            << u("/gewoehnlich.txt/ergebnis.txt (cannot open: a part of the path is not "
                                                 "a folder); nothing computed, nothing written")
                                            << QString();
    QTest::newRow("Ziel schreibgeschützt") << l("--zeit 1 --kurven /proc/version") << 1
                                           << u("unable to save the curves to /proc/version (cannot open: the file is "
                                                "read-only); nothing computed, nothing written")
                                           << u("kalvion-cli: Speichern der Kurven in /proc/version fehlgeschlagen "
                                                "(Öffnen fehlgeschlagen: die Datei ist schreibgeschützt); nichts "
                                                "gerechnet, nichts geschrieben\n");
    QTest::newRow("Ziel ein Ordner") << l("--zeit 1 --kurven /proc") << 1
                                     << u("(cannot open: a folder, not a file)") << QString();
    QTest::newRow("Ordner fehlt") << l("--zeit 1 --datei absent/ergebnis.txt") << 1
                                  << u("/absent does not exist; nothing computed, nothing written") << QString();
    QTest::newRow("anpassen ohne Temperatur") << l("--anpassen scan.csv") << 2
                                              << u("--anpassen: \"scan.csv\" does not have the form FILE@TEMPERATURE "
                                                   "(such as scan.csv@1100)")
                                              << u("kalvion-cli: --anpassen: \"scan.csv\" hat nicht die Form "
                                                   "DATEI@TEMPERATUR (etwa scan.csv@1100)") + hilfe;
    QTest::newRow("anpassen bei zwei Temperaturen") << l("--anpassen scan.csv@1000,1100") << 2
                                                    << u("a file belongs to exactly one temperature") << QString();
    QTest::newRow("anpassen bei einer Studie") << l("--zeit 1,2 --anpassen scan.csv@1000") << 2
                                               << u("--anpassen needs a single parameter set; the options make 2 runs")
                                               << QString();
    QTest::newRow("anpassen mit datei") << l("--anpassen scan.csv@1000 --datei e.txt") << 2
                                        << u("--datei does not go together with --messung or --anpassen") << QString();
    QTest::newRow("messung bei einer Liste") << l("--temperatur 1000,1100 --messung scan.csv") << 2
                                             << u("--messung applies at a single temperature; --temperatur has 2 values")
                                             << QString();
    QTest::newRow("messung ohne Dateiname") << (QStringList{QStringLiteral("--messung"), QString()}) << 2
                                            << u("--messung: the file name is missing") << QString();
}

void tst_sprache_cli::meldungen()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, status);
    QFETCH(QString, englisch);
    QFETCH(QString, deutsch);
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    schreibe_datei(ordner.filePath(QStringLiteral("gewoehnlich.txt")), "1\n");

    const Aufruf e = rufe(argumente, QStringLiteral("en"), QStringLiteral("C.UTF-8"), ordner.path());
    const QString text = QString::fromUtf8(e.fehler);
    QCOMPARE(e.status, status);
    QVERIFY(e.aus.isEmpty());
    QVERIFY2(text.startsWith(QStringLiteral("kalvion-cli: ")) && text.contains(englisch), qPrintable(text));
    QVERIFY2(status != 2 || text.endsWith(QStringLiteral("\nHelp: kalvion-cli --help\n")), qPrintable(text));
    const QString zeichen = deutsches_zeichen(text, ordner.path());
    QVERIFY2(zeichen.isEmpty(), qPrintable(zeichen + QStringLiteral(" in ") + text));

    // German as before, whatever the numbers' locale.
    for (const QString& locale : {QStringLiteral("C.UTF-8"), QStringLiteral("de_DE.UTF-8")}) {
        const Aufruf d = rufe(argumente, QString(), locale, ordner.path());
        QCOMPARE(d.status, status);
        QVERIFY2(!d.fehler.contains("Help:"), d.fehler.constData());
        if (!deutsch.isEmpty())
            QCOMPARE(QString::fromUtf8(d.fehler), deutsch);
    }
    // Nothing was written in either language.
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("gewoehnlich.txt")});
}

// D, D0 and Q from profiles the engine made: the same numbers in the same
// places in both languages, the words in English; the table is the same file.
void tst_sprache_cli::anpassung_englisch()
{
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    for (double t : {1000.0, 1100.0})
        schreibe_datei(ordner.filePath(QStringLiteral("scan_%1.csv").arg(t)), scan(t));
    const QStringList gemeinsam{"--weg", "30", "--zeit", "3"};
    const QStringList eins = gemeinsam + QStringList{"--anpassen", "scan_1100.csv@1100"};
    const QStringList zwei = eins + QStringList{"--anpassen", "scan_1000.csv@1000"};
    const auto lauf = [&](const QStringList& argumente, const QString& sprache, const QString& locale) {
        const Aufruf a = rufe(argumente, sprache, locale, ordner.path());
        [&] {
            QCOMPARE(a.status, 0);
            QVERIFY2(a.fehler.isEmpty(), a.fehler.constData());
        }();
        return QString::fromUtf8(a.aus);
    };

    for (const QString& locale : {QStringLiteral("C.UTF-8"), QStringLiteral("de_DE.UTF-8")}) {
        const QString en1 = lauf(eins, QStringLiteral("en"), locale), de1 = lauf(eins, QString(), locale);
        QVERIFY2(de1.contains(QStringLiteral(", 30 Punkte\n")), qPrintable(de1));
        QVERIFY2(de1.contains(QStringLiteral(" bei Q = 238650 J/mol\n")), qPrintable(de1));
        QVERIFY2(en1.startsWith(QString::fromUtf8("scan_1100.csv, 1100 °C: D = ")), qPrintable(en1));
        QVERIFY2(en1.contains(QStringLiteral(", 30 points\n")), qPrintable(en1));
        QVERIFY2(en1.contains(QStringLiteral(" at Q = 238650 J/mol\n")), qPrintable(en1));
        QString erwartet = de1;
        erwartet.replace(QStringLiteral(" Punkte\n"), QStringLiteral(" points\n"))
            .replace(QStringLiteral(" bei Q = "), QStringLiteral(" at Q = "));
        QCOMPARE(en1, erwartet);

        const QString en2 = lauf(zwei, QStringLiteral("en"), locale), de2 = lauf(zwei, QString(), locale);
        QVERIFY2(de2.contains(QStringLiteral("\nArrhenius aus 2 Messprofilen:\n")), qPrintable(de2));
        QVERIFY2(en2.contains(QStringLiteral("\nArrhenius from 2 measured profiles:\n")), qPrintable(en2));
        erwartet = de2;
        erwartet.replace(QStringLiteral(" Punkte\n"), QStringLiteral(" points\n"))
            .replace(QStringLiteral("Arrhenius aus 2 Messprofilen"), QStringLiteral("Arrhenius from 2 measured profiles"));
        QCOMPARE(en2, erwartet);
        for (const QString& text : {en1, en2}) {
            const QString zeichen = deutsches_zeichen(text, ordner.path());
            QVERIFY2(zeichen.isEmpty(), qPrintable(zeichen + QStringLiteral(" in ") + text));
        }
        // The CSV table does not change with the language.
        const QStringList tabelle = zwei + QStringList{"--tabelle"};
        QCOMPARE(lauf(tabelle, QStringLiteral("en"), locale), lauf(tabelle, QString(), locale));
    }

    // A flat profile: the fit's note on the search bound, in the UI language.
    QByteArray flach = "Tiefe;Konzentration\n";
    for (int j = 0; j < 30; ++j)
        flach += QByteArray::number(j) + ";10\n";
    schreibe_datei(ordner.filePath(QStringLiteral("flach.csv")), flach);
    const QStringList flach_anpassen = gemeinsam + QStringList{"--anpassen", "flach.csv@1100"};
    const QString de_flach = lauf(flach_anpassen, QString(), QStringLiteral("C.UTF-8"));
    const QString en_flach = lauf(flach_anpassen, QStringLiteral("en"), QStringLiteral("C.UTF-8"));
    QVERIFY2(de_flach.contains(QStringLiteral("\n  Hinweis: Das Optimum liegt an der oberen Grenze")), qPrintable(de_flach));
    QVERIFY2(en_flach.contains(QStringLiteral("\n  Note: ")), qPrintable(en_flach));
    QVERIFY2(deutsches_zeichen(en_flach, ordner.path()).isEmpty(), qPrintable(en_flach));

    // Two profiles at one temperature give no Arrhenius line, however far
    // apart their D are.
    const QStringList eine_temperatur =
        gemeinsam + QStringList{"--anpassen", "scan_1000.csv@1000", "--anpassen", "scan_1100.csv@1000"};
    const Aufruf e = rufe(eine_temperatur, QStringLiteral("en"), QStringLiteral("C.UTF-8"), ordner.path());
    QVERIFY2(e.status == 2, e.aus.constData());
    QCOMPARE(e.fehler, QByteArray("kalvion-cli: --anpassen: D0 and Q need measured profiles at two or more different "
                                  "temperatures\nHelp: kalvion-cli --help\n"));
    const Aufruf d = rufe(eine_temperatur, QString(), QStringLiteral("C.UTF-8"), ordner.path());
    QCOMPARE(d.status, 2);
    QCOMPARE(QString::fromUtf8(d.fehler),
             QString::fromUtf8("kalvion-cli: --anpassen: für D0 und Q braucht es Messprofile bei mindestens zwei "
                               "verschiedenen Temperaturen\nHilfe: kalvion-cli --help\n"));
}

// Qt's own buttons (the file dialog's) in the program's language: German
// with the German texts, ...
void tst_sprache_cli::qt_texte_deutsch()
{
    QVERIFY(!kalvion::sprache::englisch_aktiv());
    if (!kalvion::sprache::qt_texte_einrichten(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany)))
        QSKIP("Qt's German translations are not installed");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

// ... and none with the English texts, even where the numbers are German:
// no German button beside English texts.
void tst_sprache_cli::qt_texte_englisch()
{
    QVERIFY(kalvion::sprache::einrichten(*QCoreApplication::instance(), {QStringLiteral("en-GB")}));
    QVERIFY(!kalvion::sprache::qt_texte_einrichten(*QCoreApplication::instance(),
                                                     QLocale(QLocale::German, QLocale::Germany)));
}

QTEST_GUILESS_MAIN(tst_sprache_cli)
#include "tst_sprache_cli.moc"
