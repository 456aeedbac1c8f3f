// SPDX-License-Identifier: GPL-3.0-or-later
// Parameter files: what they hold, the round trip in both locales (texts as
// typed, the model, a programme), every kind of bad file refused with its
// message and nothing changed, and the two menu commands of the main window.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "exportbefehle.h"
#include "feldpruefung.h"
#include "frm_grafik.h"
#include "grafikexport.h"
#include <QImage>
#include <QPainter>
#include "meldungsrekorder.h"
#include "parameterbefehle.h"
#include "parameterdatei.h"
#include "programmeingabe.h"
#include "zahlen.h"
#include "testhilfen.h"

using namespace kalvion;

Q_DECLARE_METATYPE(kalvion::Geometrie)

namespace {

// A record as the dialog's "ok" leaves it after these texts were typed.
Modell getippt(const std::array<QString, Feldzahl>& texte, Geometrie geometrie, const QLocale& locale)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = geometrie;
    parameter_uebernehmen(m, parametersatz(texte, locale));
    return m;
}

std::array<QString, 6> feldtexte(const Modell& m, const QLocale& locale)
{
    std::array<QString, Feldzahl> t;
    for (Feld f : Alle_Felder)
        t[static_cast<int>(f)] = feldtext(m, f, locale);
    return t;
}

const char* const Gute_Datei = R"({
 "format": 1, "dezimalzeichen": ",", "modell": "linear",
 "felder": {"temperatur": "1050", "zeit": "1,5", "weg": "50", "d0": "587", "q": "238650", "i-diff": "20"}
})";

QByteArray ersetzt(const char* was, const char* durch)
{
    return QByteArray(Gute_Datei).replace(was, durch);
}

}  // namespace

class tst_parameterdatei : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("kalvion-test"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_parameterdatei"));
        QSettings().clear();
    }

    void inhalt()
    {
        const Modell m = getippt({"1100", "1,25", "30", "600", "240000", "15"}, Geometrie::sphaerisch, Deutsch);
        const QJsonObject o = QJsonDocument::fromJson(parameterdaten(m, Deutsch)).object();
        QCOMPARE(o.value("format").toInt(), 1);
        QCOMPARE(o.value("dezimalzeichen").toString(), QStringLiteral(","));
        QCOMPARE(o.value("modell").toString(), QStringLiteral("sphaerisch"));
        const QJsonObject f = o.value("felder").toObject();
        QCOMPARE(f.value("zeit").toString(), QStringLiteral("1,25"));
        QCOMPARE(f.value("i-diff").toString(), QStringLiteral("15"));
        QVERIFY(!o.contains("programm"));
        // The step with a closed surface: the file as every file of format 1.
        QVERIFY(!o.contains("anfang") && !o.contains("oberflaeche"));
    }

    void rundweg_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<Geometrie>("geometrie");
        QTest::addColumn<bool>("mit_programm");
        QTest::newRow("deutsch, Texte wie getippt") << Deutsch << QStringList{"1050,0", "1,50", "5E1", "587", "238650", "20"} << Geometrie::linear << false;
        QTest::newRow("deutsch, Kugel mit Programm") << Deutsch << QStringList{"1000", "0,125", "12,5", "1000", "250000", "40"} << Geometrie::sphaerisch << true;
        QTest::newRow("C, Texte wie getippt") << C_Locale << QStringList{"1050.0", "1.50", "5e1", "587", "238650", "20"} << Geometrie::zylindrisch << false;
        QTest::newRow("C, Programm") << C_Locale << QStringList{"900", "2", "50", "587", "238650", "20"} << Geometrie::zylindrisch << true;
    }
    void rundweg()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, texte);
        QFETCH(Geometrie, geometrie);
        QFETCH(bool, mit_programm);
        std::array<QString, Feldzahl> t;
        std::copy(texte.begin(), texte.end(), t.begin());
        Modell m = getippt(t, geometrie, locale);
        Programmeingabe e;
        if (mit_programm) {
            const QString halten = locale.decimalPoint() == QStringLiteral(",") ? "1,5" : "1.5";
            e.zeilen = {{"5", "1050", halten}, {"sofort", "800", "0"}, {"2", "20", ""}};
            QVERIFY(programm_setzen(m, e, locale));
        }
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("fall.kalvion");
        QVERIFY(parameter_speichern(pfad, m, locale));

        Modell basis;
        startwerte_setzen(basis);
        const Parameterlesung l = parameter_laden(pfad, basis, locale);
        QVERIFY2(l.modell, qPrintable(l.fehler));
        QCOMPARE(l.modell->Geometrie, geometrie);
        QCOMPARE(feldtexte(*l.modell, locale), feldtexte(m, locale));
        QCOMPARE(l.modell->Sinterzeit.wert, m.Sinterzeit.wert);
        QCOMPARE(l.modell->D, m.D);
        QCOMPARE(l.modell->Molprozent, m.Molprozent);
        QCOMPARE(l.modell->programm.has_value(), mit_programm);
        if (mit_programm) {
            QCOMPARE(l.modell->programm->zeile, m.programm->zeile);
            Modell ohne = *l.modell;
            programm_aufheben(ohne);
            QCOMPARE(feldtext(ohne, Feld::Sinterzeit, locale), t[1]);
        } else {
            QCOMPARE(feldtext(*l.modell, Feld::Sinterzeit, locale), t[1]);
        }
        // Saved again, the same bytes.
        const Modell neu = *parameter_laden(pfad, basis, locale).modell;
        QCOMPARE(parameterdaten(neu, locale), lies_datei(pfad));
    }

    void anderes_dezimalzeichen()
    {
        // A file typed with a comma, read where a point is the decimal sign.
        Modell basis;
        startwerte_setzen(basis);
        const Parameterlesung l = parameter_lesen(Gute_Datei, basis, C_Locale);
        QVERIFY2(l.modell, qPrintable(l.fehler));
        QCOMPARE(l.modell->Sinterzeit.wert, 1.5);
        QCOMPARE(feldtext(*l.modell, Feld::Sinterzeit, C_Locale), QStringLiteral("1.5"));
    }

    void schlechte_dateien_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein JSON") << QByteArray("Sintertemp=1050\n") << "Keine Kalvion-Parameterdatei (kein JSON-Objekt).";
        QTest::newRow("leer") << QByteArray() << "Keine Kalvion-Parameterdatei (kein JSON-Objekt).";
        QTest::newRow("JSON-Liste") << QByteArray("[1, 2]") << "Keine Kalvion-Parameterdatei (kein JSON-Objekt).";
        QTest::newRow("andere Version") << ersetzt("\"format\": 1", "\"format\": 3")
                                        << "Parameterdatei: „format“ = „3“ ist eine unbekannte Version (erwartet 1 oder 2).";
        QTest::newRow("ohne Version") << ersetzt("\"format\": 1,", "")
                                      << "Parameterdatei: „format“ fehlt oder ist keine Zahl.";
        QTest::newRow("Schlüssel fehlt") << ersetzt("\"zeit\": \"1,5\", ", "") << "Parameterdatei: „zeit“ fehlt oder ist kein Text.";
        QTest::newRow("Zahl statt Text") << ersetzt("\"weg\": \"50\"", "\"weg\": 50") << "Parameterdatei: „weg“ fehlt oder ist kein Text.";
        QTest::newRow("Zeit 0") << ersetzt("\"zeit\": \"1,5\"", "\"zeit\": \"0\"") << "Parameterdatei: „zeit“ = „0“ ist nicht erlaubt.";
        QTest::newRow("Temperatur über 10000") << ersetzt("\"1050\"", "\"10001\"")
                                               << "Parameterdatei: „temperatur“ = „10001“ ist nicht erlaubt.";
        QTest::newRow("Zellen 200") << ersetzt("\"i-diff\": \"20\"", "\"i-diff\": \"200\"")
                                    << "Parameterdatei: „i-diff“ = „200“ ist nicht erlaubt.";
        QTest::newRow("keine Zahl") << ersetzt("\"q\": \"238650\"", "\"q\": \"viel\"") << "Parameterdatei: „q“ = „viel“ ist nicht erlaubt.";
        QTest::newRow("unbekanntes Modell") << ersetzt("\"linear\"", "\"quadratisch\"")
                                            << "Parameterdatei: „modell“ = „quadratisch“ ist nicht erlaubt.";
        QTest::newRow("Programm mit Rate 0")
            << ersetzt("\"modell\"", "\"programm\": {\"start\": \"20\", \"segmente\": [{\"rate\": \"0\", \"ziel\": \"1050\", \"halten\": \"1\"}]}, \"modell\"")
            << "Parameterdatei: „programm“: Zeile 1, Rate: größer als 0 K/min oder „sofort“.";
        QTest::newRow("Version wie geschrieben") << ersetzt("\"format\": 1", "\"format\": 1.0000000000000002")
                                                 << "Parameterdatei: „format“ = „1.0000000000000002“ ist eine unbekannte "
                                                    "Version (erwartet 1 oder 2).";
        QTest::newRow("Schlüssel doppelt") << ersetzt("\"modell\": \"linear\"", "\"modell\": \"linear\", \"modell\": \"linear\"")
                                           << "Parameterdatei: „modell“ ist mehrfach angegeben.";
        QTest::newRow("Feld doppelt, als Escape") << ersetzt("\"weg\": \"50\"", "\"weg\": \"50\", \"\\u0077eg\": \"60\"")
                                                  << "Parameterdatei: „felder.weg“ ist mehrfach angegeben.";
        QTest::newRow("Segmentwert doppelt")
            << ersetzt("\"modell\"", "\"programm\": {\"start\": \"20\", \"segmente\": [{\"rate\": \"5\", \"ziel\": \"1050\", "
                                    "\"halten\": \"1\"}, {\"rate\": \"5\", \"ziel\": \"20\", \"ziel\": \"30\", \"halten\": \"0\"}]}, \"modell\"")
            << "Parameterdatei: „programm.segmente[2].ziel“ ist mehrfach angegeben.";
        const char* profil = "\"anfang\": {\"art\": \"datei\", \"quelle\": \"s.csv\", \"punkte\": %1}, \"modell\"";
        auto mit_anfang = [](const QString& anfang) {
            return ersetzt("\"modell\"", (anfang + QStringLiteral(", \"modell\"")).toUtf8().constData());
        };
        QTest::newRow("Anfang unbekannt") << mit_anfang("\"anfang\": {\"art\": \"welle\"}")
                                          << "Parameterdatei: „anfang.art“ = „welle“ ist nicht erlaubt.";
        QTest::newRow("Anfang kein Objekt") << mit_anfang("\"anfang\": \"stufe\"")
                                            << "Parameterdatei: „anfang“ = „…“ ist nicht erlaubt.";
        QTest::newRow("Grundgehalt über 100") << mit_anfang("\"anfang\": {\"art\": \"grundgehalt\", \"c0\": \"100,5\"}")
                                              << "Parameterdatei: „anfang.c0“ = „100,5“ ist nicht erlaubt.";
        QTest::newRow("Grundgehalt fehlt") << mit_anfang("\"anfang\": {\"art\": \"grundgehalt\"}")
                                           << "Parameterdatei: „anfang.c0“ fehlt oder ist kein Text.";
        QTest::newRow("Punkt über 101") << ersetzt("\"modell\"", QString::fromLatin1(profil).arg("[[0, 50], [10, 150]]").toUtf8().constData())
                                        << "Parameterdatei: „anfang.punkte[2]“ = „[10,150]“ ist nicht erlaubt.";
        QTest::newRow("Punkt ohne Zahl") << ersetzt("\"modell\"", QString::fromLatin1(profil).arg("[[0, 50], [10]]").toUtf8().constData())
                                         << "Parameterdatei: „anfang.punkte[2]“ = „[10]“ ist nicht erlaubt.";
        QTest::newRow("ein Punkt") << ersetzt("\"modell\"", QString::fromLatin1(profil).arg("[[0, 50]]").toUtf8().constData())
                                   << "Parameterdatei: „anfang.punkte“ hat 1 Punkte, nötig sind mindestens 2.";
        QTest::newRow("zwei Punkte an einer Tiefe")
            << ersetzt("\"modell\"", QString::fromLatin1(profil).arg("[[10, 50], [10, 5]]").toUtf8().constData())
            << "Parameterdatei: „anfang.punkte“ hat 2 Punkte bei nur 1 verschiedenen x, nötig sind mindestens 2.";
        QTest::newRow("Punkt hinter x_max") << ersetzt("\"modell\"", QString::fromLatin1(profil).arg("[[0, 50], [60, 1]]").toUtf8().constData())
                                            << "Parameterdatei: „anfang.punkte[2]“: x = 60 µm liegt hinter x_max = 50 µm.";
        QTest::newRow("Oberfläche unbekannt") << mit_anfang("\"oberflaeche\": {\"art\": \"offen\"}")
                                              << "Parameterdatei: „oberflaeche.art“ = „offen“ ist nicht erlaubt.";
        QTest::newRow("Randkonzentration über 100")
            << mit_anfang("\"oberflaeche\": {\"art\": \"konzentration\", \"c_s\": \"101\"}")
            << "Parameterdatei: „oberflaeche.c_s“ = „101“ ist nicht erlaubt.";
        QTest::newRow("beta negativ")
            << mit_anfang("\"oberflaeche\": {\"art\": \"austausch\", \"beta\": \"-1E-5\", \"c_atm\": \"5\"}")
            << "Parameterdatei: „oberflaeche.beta“ = „-1E-5“ ist nicht erlaubt.";
        QTest::newRow("beta NaN")
            << mit_anfang("\"oberflaeche\": {\"art\": \"austausch\", \"beta\": \"NaN\", \"c_atm\": \"5\"}")
            << "Parameterdatei: „oberflaeche.beta“ = „NaN“ ist nicht erlaubt.";
        QTest::newRow("c_atm fehlt") << mit_anfang("\"oberflaeche\": {\"art\": \"austausch\", \"beta\": \"1\"}")
                                     << "Parameterdatei: „oberflaeche.c_atm“ fehlt oder ist kein Text.";
        QTest::newRow("Anfangsschlüssel doppelt") << mit_anfang("\"anfang\": {\"art\": \"grundgehalt\", \"c0\": \"1\", \"c0\": \"2\"}")
                                                  << "Parameterdatei: „anfang.c0“ ist mehrfach angegeben.";
        QTest::newRow("Programmsegment ohne Ziel")
            << ersetzt("\"modell\"", "\"programm\": {\"start\": \"20\", \"segmente\": [{\"rate\": \"5\", \"halten\": \"1\"}]}, \"modell\"")
            << "Parameterdatei: „programm.segmente[1].ziel“ fehlt oder ist kein Text.";
    }
    void schlechte_dateien()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QString, meldung);
        Modell basis;
        startwerte_setzen(basis);
        const Parameterlesung l = parameter_lesen(daten, basis, Deutsch);
        QVERIFY(!l.modell);
        QCOMPARE(l.fehler, meldung);
    }

    // Every start kind round the file in both locales: a step on the start-up
    // kind keeps format 1 and the bytes of a file without starts; any other
    // start is format 2 and comes back as it was, profile points exactly.
    void anfang_rundweg_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("c0");
        for (const QLocale& l : {Deutsch, C_Locale}) {
            const QString name = l == Deutsch ? QStringLiteral("deutsch") : QStringLiteral("C");
            for (const Anfangsbeschreibung& b : Anfangsarten)
                QTest::addRow("%s, %s", qPrintable(name), b.name)
                    << l << int(b.art) << (l == Deutsch ? QStringLiteral("0,25") : QStringLiteral("0.25"));
        }
    }
    void anfang_rundweg()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, art);
        QFETCH(QString, c0);
        Modell m;
        startwerte_setzen(m);
        const QByteArray ohne_anfang = parameterdaten(m, locale);
        m.Anfang = static_cast<Anfangsart>(art);
        Parametersatz satz;
        satz.eingaben.push_back({&Modell::c0, Eingabewert{0.25, c0.toStdString()}});
        // 1/3 and 0.1 do not end in decimal digits: exact only as numbers.
        m.startprofil = std::make_shared<const Startprofil>(
            Startprofil{{{0, 100}, {1.0 / 3, 0.1}, {50, -0.5}}, "Messung „1“.csv"});
        parameter_uebernehmen(m, satz);
        const QByteArray daten = parameterdaten(m, locale);
        const QJsonObject o = QJsonDocument::fromJson(daten).object();
        QCOMPARE(o.value("format").toInt(), m.Anfang == Anfangsart::stufe ? 1 : 2);
        if (m.Anfang == Anfangsart::stufe)
            QCOMPARE(daten, ohne_anfang);

        Modell basis;
        startwerte_setzen(basis);
        const Parameterlesung l = parameter_lesen(daten, basis, locale);
        QVERIFY2(l.modell, qPrintable(l.fehler));
        QCOMPARE(l.modell->Anfang, m.Anfang);
        QCOMPARE(l.modell->Molprozent, m.Molprozent);
        QCOMPARE(std::vector<double>(l.modell->Konz_Start.begin(), l.modell->Konz_Start.end()),
                 std::vector<double>(m.Konz_Start.begin(), m.Konz_Start.end()));
        if (m.Anfang == Anfangsart::grundgehalt)
            QCOMPARE(feldtext(*l.modell, Feld::c0, locale), c0);
        if (m.Anfang == Anfangsart::datei || m.Anfang == Anfangsart::ergebnis) {
            QCOMPARE(l.modell->startprofil->quelle, m.startprofil->quelle);
            QCOMPARE(l.modell->startprofil->punkte.size(), 3u);
            QCOMPARE(l.modell->startprofil->punkte[1].x, 1.0 / 3);
            QCOMPARE(l.modell->startprofil->punkte[1].konz, 0.1);
        }
        QCOMPARE(parameterdaten(*l.modell, locale), daten);

        // A file of format 1 starts as the step, whatever the parameters held before.
        const Parameterlesung alt = parameter_lesen(ohne_anfang, *l.modell, locale);
        QVERIFY(alt.modell);
        QCOMPARE(alt.modell->Anfang, Anfangsart::stufe);
        QVERIFY(!alt.modell->startprofil);
    }

    // Every surface kind round the file in both locales, its values as typed.
    void oberflaeche_rundweg_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("art");
        QTest::addColumn<QStringList>("werte");  // c_s, beta, c_atm as typed
        for (const Oberflaechenbeschreibung& b : Oberflaechenarten) {
            QTest::addRow("deutsch, %s", b.name) << Deutsch << int(b.art) << QStringList{"0,5", "2,5E-4", "7"};
            QTest::addRow("C, %s", b.name) << C_Locale << int(b.art) << QStringList{"0.5", "2.5e-4", "7"};
        }
    }
    void oberflaeche_rundweg()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, art);
        QFETCH(QStringList, werte);
        Modell m;
        startwerte_setzen(m);
        const QByteArray geschlossen = parameterdaten(m, locale);
        m.Oberflaeche = static_cast<Oberflaechenart>(art);
        Parametersatz satz;
        const Feld felder[] = {Feld::c_s, Feld::beta, Feld::c_atm};
        for (int i = 0; i < 3; ++i)
            satz.eingaben.push_back({regel(felder[i]).ziel, Eingabewert{*zahlen::lies(werte[i], locale), werte[i].toStdString()}});
        parameter_uebernehmen(m, satz);
        const QByteArray daten = parameterdaten(m, locale);
        QCOMPARE(QJsonDocument::fromJson(daten).object().value("format").toInt(),
                 m.Oberflaeche == Oberflaechenart::geschlossen ? 1 : 2);
        if (m.Oberflaeche == Oberflaechenart::geschlossen)
            QCOMPARE(daten, geschlossen);

        Modell basis;
        startwerte_setzen(basis);
        const Parameterlesung l = parameter_lesen(daten, basis, locale);
        QVERIFY2(l.modell, qPrintable(l.fehler));
        QCOMPARE(l.modell->Oberflaeche, m.Oberflaeche);
        if (m.Oberflaeche == Oberflaechenart::konzentration)
            QCOMPARE(feldtext(*l.modell, Feld::c_s, locale), werte[0]);
        if (m.Oberflaeche == Oberflaechenart::austausch) {
            QCOMPARE(feldtext(*l.modell, Feld::beta, locale), werte[1]);
            QCOMPARE(feldtext(*l.modell, Feld::c_atm, locale), werte[2]);
            QCOMPARE(l.modell->beta.wert, 2.5e-4);
        }
        QCOMPARE(l.modell->Randleitwert, m.Randleitwert);
        QCOMPARE(parameterdaten(*l.modell, locale), daten);
        // A file of format 1 has a closed surface, whatever the parameters held before.
        QCOMPARE(parameter_lesen(geschlossen, *l.modell, locale).modell->Oberflaeche, Oberflaechenart::geschlossen);
    }

    void gute_datei_als_gegenprobe()
    {
        Modell basis;
        startwerte_setzen(basis);
        QVERIFY(parameter_lesen(Gute_Datei, basis, Deutsch).modell);
    }

    // The menu commands: a refused or unreadable file changes nothing in the
    // main window, a good one becomes the parameters in force.
    void menue_laden_data()
    {
        QTest::addColumn<QByteArray>("daten");  // empty: no file at all
        QTest::addColumn<QString>("meldung");
        QTest::newRow("unlesbar") << QByteArray() << "Die Parameterdatei „%1“ kann nicht gelesen werden.";
        QTest::newRow("zu groß") << ersetzt("\"modell\"", QByteArray(1 << 20, ' ').prepend("\"fuell\": \"").append("\", \"modell\"").constData())
                                 << "Die Parameterdatei „%1“ ist zu groß (mehr als 1 MiB).";
        QTest::newRow("Wert abgelehnt") << ersetzt("\"zeit\": \"1,5\"", "\"zeit\": \"-1\"") << "Parameterdatei: „zeit“ = „-1“ ist nicht erlaubt.";
        QTest::newRow("gut") << QByteArray(Gute_Datei) << "";
    }
    void menue_laden()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QString, meldung);
        Meldungsrekorder rekorder;
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("fall.kalvion");
        if (!daten.isEmpty())
            schreibe_datei(pfad, daten);
        QString gezeigter_ordner;
        const auto alt = setze_dateioeffnung([&](QWidget*, const QString&, const QString& o, const QStringList&) {
            gezeigter_ordner = o;
            return pfad;
        });
        Modell m;
        startwerte_setzen(m);
        frm_grafik w(m, Dialogfabriken{}, Deutsch);
        const double zeit_vorher = w.parameter().Sinterzeit.wert;
        kind<QAction>(&w, "mnu_parameter_laden")->trigger();
        setze_dateioeffnung(alt);
        if (meldung.isEmpty()) {
            QCOMPARE(rekorder.texte, QStringList());
            QCOMPARE(w.parameter().Sinterzeit.wert, 1.5);
            QCOMPARE(QSettings().value(Parameterordnerschluessel).toString(), QFileInfo(pfad).absolutePath());
        } else {
            QCOMPARE(rekorder.texte, QStringList{meldung.contains("%1") ? meldung.arg(pfad) : meldung});
            QCOMPARE(w.parameter().Sinterzeit.wert, zeit_vorher);
        }
    }

    // The exported graph names a programme in a second caption line: the
    // frame starts lower, and the line is drawn.
    void bildunterschrift_mit_programm()
    {
        Modell m = standardlauf();
        const QSizeF seite(1890, 1181);
        const QRectF ohne = berichtsrahmen(seite, m);
        Programmeingabe e;
        e.zeilen = {{"5", "1050", "2"}, {"10", "20", ""}};
        QVERIFY(programm_setzen(m, e, Deutsch));
        lauf_rechnen(m);
        const QRectF mit = berichtsrahmen(seite, m);
        QVERIFY(mit.top() > ohne.top());
        QCOMPARE(mit.bottom(), ohne.bottom());
        QImage bild(seite.toSize(), QImage::Format_RGB32);
        QPainter p(&bild);
        zeichne_bericht(p, seite, m, Deutsch);
        p.end();
        // Dark pixels in the strip between the first caption line and the frame.
        int dunkel = 0;
        for (int y = int(ohne.top()) - 2; y < int(mit.top()) - 4; ++y)
            for (int x = 0; x < bild.width(); ++x)
                dunkel += qGray(bild.pixel(x, y)) < 128;
        QVERIFY(dunkel > 100);
    }

    void menue_speichern()
    {
        Meldungsrekorder rekorder;
        QTemporaryDir ordner;
        QString pfad = ordner.filePath("neu.kalvion");
        const auto alt = setze_dateiwahl([&](QWidget*, const QString&, const QString&, const QStringList&) { return pfad; });
        Modell m = getippt({"1100", "1,25", "30", "600", "240000", "15"}, Geometrie::linear, Deutsch);
        frm_grafik w(m, Dialogfabriken{}, Deutsch);
        kind<QAction>(&w, "mnu_parameter_speichern")->trigger();
        QCOMPARE(lies_datei(pfad), parameterdaten(m, Deutsch));
        // A folder that is not there: the message, and no file.
        pfad = ordner.filePath("fehlt/neu.kalvion");
        kind<QAction>(&w, "mnu_parameter_speichern")->trigger();
        setze_dateiwahl(alt);
        QCOMPARE(rekorder.texte, QStringList{"Speichern fehlgeschlagen!"});
        QVERIFY(!QFile::exists(pfad));
    }
};

QTEST_MAIN(tst_parameterdatei)
#include "tst_parameterdatei.moc"
