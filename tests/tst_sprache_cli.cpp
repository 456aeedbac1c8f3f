// SPDX-License-Identifier: GPL-3.0-or-later
// The command line in English and German: the choice of language, the help
// and the English option names.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "sprache.h"

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

}  // namespace

class tst_sprache_cli : public QObject {
    Q_OBJECT

private slots:
    void sprachwahl_data();
    void sprachwahl();
    void hilfe_englisch();
    void hilfe_deutsch_data();
    void hilfe_deutsch();
    void englische_namen_data();
    void englische_namen();
    void englische_namen_in_der_hilfe();
    void dateien_in_jeder_sprache_data();
    void dateien_in_jeder_sprache();
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

void tst_sprache_cli::englische_namen_data()
{
    QTest::addColumn<QStringList>("deutsch");
    QTest::addColumn<QStringList>("englisch");
    const auto l = [](const char* s) { return QString::fromUtf8(s).split(QLatin1Char(' ')); };
    QTest::newRow("modell") << l("--modell sphaerisch") << l("--model sphaerisch");
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

QTEST_GUILESS_MAIN(tst_sprache_cli)
#include "tst_sprache_cli.moc"
