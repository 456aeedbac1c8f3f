// SPDX-License-Identifier: GPL-3.0-or-later
#include "auftrag.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>
#include <charconv>

#include "eingabefehler.h"
#include "kalvion_version.h"
#include "kurvenvergleich.h"
#include "kurzform.h"
#include "parameterdatei.h"
#include "programmeingabe.h"
#include "sprache.h"
#include "uebersetzen.h"

namespace kalvion::cli {

namespace {

// The options besides the parameters, in the order --help lists them. An
// empty value name makes a switch.
struct Option {
    const char* name;
    const char* wertname;
    const char* beschreibung;  // UTF-8; '\n' continues on the next line
};

// The outputs of a finished study come first.
constexpr Option Ausgabeoptionen[] = {
    {"datei", QT_TRANSLATE_NOOP("kalvion::cli", "Pfad"),
     QT_TRANSLATE_NOOP("kalvion::cli", "hängt je Lauf einen Block an die Ergebnisdatei an, Byte\n"
     "für Byte wie \"Speichern als ASCII\" im Fenster (Zahlen in\n"
     "der Spracheinstellung des Systems): die Blöcke sammeln\n"
     "sich in einer unsichtbaren Datei im selben Ordner und\n"
     "kommen am Ende alle an oder, wenn es misslingt, keiner")},
    {"tabelle", "",
     QT_TRANSLATE_NOOP("kalvion::cli", "die Tabelle (CSV nach RFC 4180, Dezimalpunkt) auf die\n"
     "Standardausgabe; ohne: eine Zeile je Lauf zum Lesen")},
    {"kurven", QT_TRANSLATE_NOOP("kalvion::cli", "Pfad"),
     QT_TRANSLATE_NOOP("kalvion::cli", "die fünf Kurven eines Laufs als CSV-Tabelle wie \"Kurven\n"
     "speichern …\" im Fenster (Trenn- und Dezimalzeichen nach\n"
     "der Spracheinstellung des Systems); bei einer Studie, in\n"
     "der nur eine Option mehrere Werte hat (--zeit 2,4,8), das\n"
     "Endprofil jedes Laufs als Spalte, benannt nach seinem\n"
     "Wert (\"4 h\"); eine vorhandene Datei wird ganz oder gar\n"
     "nicht ersetzt; - schreibt sie auf die Standardausgabe")},
};

// A case kept from the window, and a furnace cycle.
constexpr Option Dateioptionen[] = {
    {"parameter", QT_TRANSLATE_NOOP("kalvion::cli", "Datei"),
     QT_TRANSLATE_NOOP("kalvion::cli", "eine Parameterdatei (.kalvion, \"Parameter speichern …\" im\n"
     "Fenster) als Grundlage: ihre Felder, ihr Modell und ihr\n"
     "Temperaturprogramm; daneben angegebene Optionen gelten vor")},
    {"programm", QT_TRANSLATE_NOOP("kalvion::cli", "Datei"),
     QT_TRANSLATE_NOOP("kalvion::cli", "das Temperaturprogramm einer Parameterdatei (nur dieses);\n"
     "jeder Lauf ist dann der gleichwertige Lauf bei der\n"
     "höchsten Temperatur T_ref für die Zeit t_eq, --temperatur\n"
     "und --zeit entfallen")},
    {Halteoption, "W",
     QT_TRANSLATE_NOOP("kalvion::cli", "die Haltezeit des Segments mit dem höchsten Ziel in h\n"
     "(auch Liste oder Bereich); erlaubt: 0 < Wert ≤ 10000")},
    {Rateoption, "W",
     QT_TRANSLATE_NOOP("kalvion::cli", "die Rate jedes aufheizenden Segments in K/min (auch\n"
     "Liste oder Bereich); erlaubt: Wert > 0")},
};

// How the runs start, and what crosses their surface.
constexpr Option Anfangsoptionen[] = {
    {Startoption, QT_TRANSLATE_NOOP("kalvion::cli", "ANFANG"),
     QT_TRANSLATE_NOOP("kalvion::cli", "wie das Profil anfängt: stufe (Vorgabe: i-diff Zellen bei\n"
     "100 Mol%, die übrigen bei 0), grundgehalt:C (die Stufe auf\n"
     "dem Grundgehalt C in Mol%, 0 ≤ C ≤ 100; auch Liste oder\n"
     "Bereich) oder datei:PFAD (ein Profil aus einer Datei:\n"
     "Messprofil, Kurventabelle mit --spalte, oder der letzte\n"
     "Block einer Ergebnisdatei); mehrfach angegeben jeder\n"
     "Anfang ein Wert der Studie")},
    {Oberflaechenoption, QT_TRANSLATE_NOOP("kalvion::cli", "RAND"),
     QT_TRANSLATE_NOOP("kalvion::cli", "was durch die Oberfläche geht: geschlossen (Vorgabe:\n"
     "nichts), konzentration:C (die Oberfläche bei C Mol%\n"
     "gehalten, 0 ≤ C ≤ 100; auch Liste oder Bereich) oder\n"
     "austausch:BETA,C (Austausch mit einer Atmosphäre von C\n"
     "Mol% durch β = BETA cm/s, 0 ≤ BETA ≤ 1000; BETA und C je\n"
     "ein Wert oder Bereich, weitere Werte durch Wiederholen\n"
     "der Option); mehrfach angegeben jede ein Wert der\n"
     "Studie; mit --messung oder --anpassen passt\n"
     "konzentration ohne Wert auch C an")},
};

// Instead of runs: D from measured profiles.
constexpr Option Messoptionen[] = {
    {"messung", QT_TRANSLATE_NOOP("kalvion::cli", "Datei"),
     QT_TRANSLATE_NOOP("kalvion::cli", "passt D an das Messprofil der Datei an (zwei Spalten: x\n"
     "in µm ab der Oberfläche, Konzentration in Mol%; getrennt\n"
     "durch ; , Tabulator oder Leerzeichen; oder eine Tabelle\n"
     "mit Kopfzeile und Spalte \"x [µm]\"; höchstens 10 MiB),\n"
     "bei --temperatur")},
    {"anpassen", QT_TRANSLATE_NOOP("kalvion::cli", "Datei@T"),
     QT_TRANSLATE_NOOP("kalvion::cli", "ebenso, bei der Sintertemperatur T in °C; mehrfach\n"
     "angegeben außerdem D0 und Q aus ln D über 1/T\n"
     "(gewichtete Regression) mit ihren Standardfehlern")},
    {"spalte", QT_TRANSLATE_NOOP("kalvion::cli", "NAME|NUMMER"),
     QT_TRANSLATE_NOOP("kalvion::cli", "bei Dateien mit mehreren Wertespalten (etwa der\n"
     "Kurventabelle von \"Kurven speichern …\"): die Spalte mit\n"
     "diesem Namen aus der Kopfzeile (auch ohne Einheit:\n"
     "Ende) oder dieser Nummer (die erste Spalte ist 1);\n"
     "ohne: die einzige Wertespalte oder das Endprofil")},
};

constexpr Option Ablaufoptionen[] = {
    {"verfahren", "V",
     QT_TRANSLATE_NOOP("kalvion::cli", "schrittweise: jeder Zeitschritt, wie im Fenster (Vorgabe)\n"
     "schnell: nach Schritt 1000 ein Sprung über den Rest\n"
     "(bis auf 1e-9 Mol% gleich, in Sekundenbruchteilen)\n"
     "auto: der Sprung nur, wo Schritte mal Zellen 30 Millionen\n"
     "übersteigt (Schritt für Schritt etwa 0.05 s); eine feste\n"
     "Grenze, damit jeder Rechner dasselbe rechnet\n"
     "Ohne --verfahren wird ein Lauf abgelehnt, der Schritt für\n"
     "Schritt länger als 30 s dauern würde (das Fenster fragt\n"
     "dann nach); mit --verfahren wird gerechnet wie angegeben.")},
    {"threads", "N",
     QT_TRANSLATE_NOOP("kalvion::cli", "N Läufe zugleich (Vorgabe: einer je Rechenkern); die\n"
     "Ausgabe hängt nicht davon ab")},
    {"teil", "K/N",
     QT_TRANSLATE_NOOP("kalvion::cli", "nur den K-ten von N zusammenhängenden, fast gleich großen\n"
     "Teilen der Studie; die Teile 1 bis N hintereinander\n"
     "ergeben die ganze Studie (den Tabellenkopf hat Teil 1)")},
    {"viele", "", QT_TRANSLATE_NOOP("kalvion::cli", "erlaubt mehr als 100000 Läufe in einem Aufruf")},
    {"help", "", QT_TRANSLATE_NOOP("kalvion::cli", "diese Hilfe")},
    {"version", "", QT_TRANSLATE_NOOP("kalvion::cli", "die Version")},
};

QString optionsname(const char* name)
{
    return QStringLiteral("--") + QString::fromLatin1(name);
}

// The English names every option answers to as well; messages keep naming the
// German one, which the help lists first, so that either name gives the same
// output.
constexpr std::pair<const char*, const char*> Englische_namen[] = {
    {"modell", "model"},
    {"temperatur", "temperature"},
    {"zeit", "time"},
    {"weg", "path"},
    {"datei", "file"},
    {"tabelle", "table"},
    {"kurven", "curves"},
    {"parameter", "parameters"},
    {"programm", "program"},
    {"programm-halten", "program-hold"},
    {"programm-rate", "program-rate"},
    {"messung", "measurement"},
    {"anpassen", "fit"},
    {"spalte", "column"},
    {"oberflaeche", "surface"},
    {"verfahren", "method"},
    {"teil", "slice"},
    {"viele", "many"},
};

const char* englischer_name(const char* name)
{
    for (const auto& [deutsch, englisch] : Englische_namen)
        if (qstrcmp(deutsch, name) == 0)
            return englisch;
    return nullptr;
}

// "--zeit", in English "--zeit, --time".
QString hilfename(const char* name)
{
    const char* englisch = englischer_name(name);
    if (!englisch || !sprache::englisch_aktiv())
        return optionsname(name);
    return optionsname(name) + QStringLiteral(", ") + optionsname(englisch);
}

QCommandLineOption als_option(const char* name, const char* wertname)
{
    QStringList namen{QString::fromLatin1(name)};
    if (const char* englisch = englischer_name(name))
        namen << QString::fromLatin1(englisch);
    if (qstrcmp(name, "help") == 0)
        namen.prepend(QStringLiteral("h"));
    return *wertname ? QCommandLineOption(namen, QString(), QString::fromUtf8(wertname)) : QCommandLineOption(namen);
}

void optionen_anmelden(QCommandLineParser& parser)
{
    parser.addOption(als_option(Modelloption, "M"));
    for (const Feldregel& r : Feldtabelle)
        parser.addOption(als_option(r.option, "W"));
    for (const Option& o : Ausgabeoptionen)
        parser.addOption(als_option(o.name, o.wertname));
    for (const Option& o : Dateioptionen)
        parser.addOption(als_option(o.name, o.wertname));
    for (const Option& o : Anfangsoptionen)
        parser.addOption(als_option(o.name, o.wertname));
    for (const Option& o : Messoptionen)
        parser.addOption(als_option(o.name, o.wertname));
    for (const Option& o : Ablaufoptionen)
        parser.addOption(als_option(o.name, o.wertname));
}

// QCommandLineParser words its errors in English; these are the German ones.
QString parserfehler(const QCommandLineParser& parser, const QStringList& argumente)
{
    if (const QStringList unbekannt = parser.unknownOptionNames(); !unbekannt.isEmpty()) {
        // The parser names it without its dashes; a one-letter name may have had either.
        const QString name = unbekannt.first();
        const QString lang_geschrieben = QStringLiteral("--") + name;
        const bool lang = name.size() > 1 || std::any_of(argumente.begin(), argumente.end(), [&](const QString& a) {
                              return a == lang_geschrieben || a.startsWith(lang_geschrieben + QLatin1Char('='));
                          });
        return tr("unbekannte Option %1%2").arg(lang ? QStringLiteral("--") : QStringLiteral("-"), name);
    }
    static const QRegularExpression genannt(QStringLiteral("'([^']*)'"));
    const QString englisch = parser.errorText();
    const QString option = genannt.match(englisch).captured(1);
    if (englisch.startsWith(QStringLiteral("Missing value")))
        return tr("nach %1 fehlt der Wert").arg(option);
    if (englisch.startsWith(QStringLiteral("Unexpected value")))
        return tr("%1 nimmt keinen Wert").arg(option);
    return tr("unlesbare Befehlszeile (%1)").arg(englisch);
}

// All values of an option given several times, as one list.
QString liste(const QCommandLineParser& parser, const char* name)
{
    return parser.values(QString::fromLatin1(name)).join(QLatin1Char(','));
}

QString einziger_wert(const QCommandLineParser& parser, const char* name)
{
    const QStringList werte = parser.values(QString::fromLatin1(name));
    if (werte.size() > 1)
        throw Eingabefehler{tr("%1 ist mehrfach angegeben").arg(optionsname(name))};
    return werte.first();
}

// The value of --datei or --kurven. "--datei --tabelle" would otherwise
// write a file named "--tabelle"; "./--name" still names such a file.
QString pfadangabe(const QCommandLineParser& parser, const char* name)
{
    const QString wert = einziger_wert(parser, name);
    if (wert.isEmpty())
        throw Eingabefehler{tr("%1: der Dateiname fehlt").arg(optionsname(name))};
    if (wert.startsWith(QStringLiteral("--")))
        throw Eingabefehler{tr("%1 braucht einen Dateinamen").arg(optionsname(name))};
    return wert;
}

}  // namespace

Verfahrenswahl lies_verfahren(const QString& text)
{
    // The English names are taken in every language, as the options' are.
    if (text == QStringLiteral("schrittweise") || text == QStringLiteral("stepwise"))
        return Verfahrenswahl::schrittweise;
    if (text == QStringLiteral("schnell") || text == QStringLiteral("fast"))
        return Verfahrenswahl::schnell;
    if (text == QStringLiteral("auto"))
        return Verfahrenswahl::automatisch;
    throw Eingabefehler{
        tr("--verfahren: \"%1\" ist kein Verfahren; erlaubt sind schrittweise, schnell und auto").arg(text)};
}

// "Ende [Mol%]", "Ende" or "7": a header's name, or a column's number from 1.
Spaltenwahl lies_spalte(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        throw Eingabefehler{tr("--spalte: die Angabe fehlt; erwartet wird der Name einer Spalte aus der Kopfzeile "
                               "oder ihre Nummer")};
    bool zahl = false;
    const int nummer = t.toInt(&zahl);
    if (!zahl)
        return Spaltenwahl::nach_name(t);
    if (nummer < 1)
        throw Eingabefehler{tr("--spalte: \"%1\" ist keine Spaltennummer; die erste Spalte ist 1").arg(text)};
    return Spaltenwahl::nach_nummer(nummer);
}

int lies_threads(const QString& text)
{
    const QByteArray t = text.trimmed().toLatin1();
    int n = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (t.isEmpty() || fehler != std::errc() || ende != t.data() + t.size() || n < 1 || n > 1024)
        throw Eingabefehler{tr("--threads: \"%1\" ist keine ganze Zahl von 1 bis 1024").arg(text)};
    return n;
}

namespace {

// The parameters of a .kalvion file, read with a decimal point.
Modell lies_parameterdatei(const QCommandLineParser& parser, const char* name)
{
    const QString pfad = pfadangabe(parser, name);
    Modell basis;
    startwerte_setzen(basis);
    const Parameterlesung l = parameter_laden(pfad, basis, QLocale::c());
    if (!l.modell)
        throw Eingabefehler{QStringLiteral("%1 %2: %3").arg(optionsname(name), pfad, l.fehler)};
    return *l.modell;
}

// Smallest and largest value of a list.
std::pair<double, double> spanne(const Werteliste& w)
{
    const auto [klein, gross] = w.extreme({0, w.anzahl()});
    return {w.wert(klein), w.wert(gross)};
}

}  // namespace

// The total time grows with the hold and shrinks with the rate, so the
// corners decide.
void pruefe_programme(const Studie& s)
{
    std::vector<std::optional<double>> haltewerte{std::nullopt}, ratenwerte{std::nullopt};
    if (s.halten) {
        const auto [a, b] = spanne(*s.halten);
        haltewerte = {a, b};
    }
    if (s.rate) {
        const auto [a, b] = spanne(*s.rate);
        ratenwerte = {a, b};
    }
    for (const auto& h : haltewerte)
        for (const auto& r : ratenwerte) {
            const Programmeingabe e = programm_fuer(*s.programm, h, r);
            const Programmlesung l = programm_lesen(e, QLocale::c());
            if (!l.programm)
                throw Eingabefehler{QStringLiteral("%1: %2")
                                        .arg(programmzeile(e, QLocale::c()), l.fehler)};
            if (!(aequivalente_zeit(*l.programm, 0) > 0) )
                throw Eingabefehler{tr("%1: keine Sinterzeit")
                                        .arg(programmzeile(e, QLocale::c()))};
        }
}

void pruefe_anfaenge(const Studie& s)
{
    // Every run's path must hold every file's profile: the shortest decides.
    const Werteliste& weg = s.listen[static_cast<int>(Feld::x_max)];
    if (const auto fehler = s.anfaenge.jenseits(weg.wert(weg.extreme({0, weg.anzahl()}).first)))
        throw Eingabefehler{*fehler};
}

namespace {

Studie lies_studie(const QCommandLineParser& parser, const Spaltenwahl& spalte)
{
    Studie studie = Studie::startwerte();
    if (parser.isSet(QStringLiteral("parameter"))) {
        Modell m = lies_parameterdatei(parser, "parameter");
        if (m.programm) {
            studie.programm = als_eingabe(*m.programm);
            programm_aufheben(m);
        }
        studie.modelle = {m.Geometrie};
        for (Feld f : Alle_Felder) {
            const Feldregel& r = regel(f);
            studie.listen[static_cast<int>(f)] = Werteliste::einzeln(r.ziel ? (m.*r.ziel).wert : m.i_Diff);
        }
        if (m.Anfang != Anfangsart::stufe)
            studie.anfaenge.hinzu(Startangabe{m.Anfang, m.c0.wert, m.startprofil});
        if (m.Oberflaeche != Oberflaechenart::geschlossen)
            studie.oberflaechen.hinzu(Oberflaechenangabe{m.Oberflaeche, m.c_s.wert, m.beta.wert, m.c_atm.wert});
    }
    if (parser.isSet(QStringLiteral("programm"))) {
        const Modell m = lies_parameterdatei(parser, "programm");
        if (!m.programm)
            throw Eingabefehler{tr("--programm %1: die Datei enthält kein Temperaturprogramm")
                                    .arg(einziger_wert(parser, "programm"))};
        studie.programm = als_eingabe(*m.programm);
    }
    if (parser.isSet(QString::fromLatin1(Modelloption)))
        studie.modelle = lies_modelle(optionsname(Modelloption), liste(parser, Modelloption));
    for (const Feldregel& r : Feldtabelle)
        if (parser.isSet(QString::fromLatin1(r.option)))
            studie.listen[static_cast<int>(r.feld)] = Werteliste::lesen(r.feld, optionsname(r.option), liste(parser, r.option));
    for (const char* name : {Halteoption, Rateoption}) {
        if (!parser.isSet(QString::fromLatin1(name)))
            continue;
        if (!studie.programm)
            throw Eingabefehler{tr("%1 gilt nur mit einem Temperaturprogramm (--programm oder "
                                   "--parameter mit Programm)")
                                    .arg(optionsname(name))};
        const bool halten = name == Halteoption;
        (halten ? studie.halten : studie.rate) =
            Werteliste::lesen(halten ? halteregel() : rateregel(), optionsname(name), liste(parser, name));
    }
    if (parser.isSet(QString::fromLatin1(Startoption))) {
        studie.anfaenge = {};
        for (const QString& angabe : parser.values(QString::fromLatin1(Startoption)))
            studie.anfaenge.hinzu(angabe, spalte);
    }
    pruefe_anfaenge(studie);
    if (parser.isSet(QString::fromLatin1(Oberflaechenoption))) {
        studie.oberflaechen = {};
        // Only a fit finds a surface concentration left open.
        const bool anpassen = parser.isSet(QStringLiteral("messung")) || parser.isSet(QStringLiteral("anpassen"));
        for (const QString& angabe : parser.values(QString::fromLatin1(Oberflaechenoption)))
            studie.oberflaechen.hinzu(angabe, optionsname(Oberflaechenoption), anpassen);
    }
    if (studie.programm) {
        for (Feld f : {Feld::Sintertemp, Feld::Sinterzeit})
            if (parser.isSet(QString::fromLatin1(regel(f).option)))
                throw neben_programm(optionsname(regel(f).option));
        pruefe_programme(studie);
    }
    return studie;
}

}  // namespace

Eingabefehler neben_programm(const QString& option)
{
    return {tr("%1 entfällt mit einem Temperaturprogramm: Temperatur und Zeit kommen aus dem Programm").arg(option)};
}

void pruefe_laufzahl(const Auftrag& a, bool viele)
{
    const std::uint64_t alle = a.studie.anzahl();
    if (alle >= Hoechste_Anzahl)
        throw Eingabefehler{tr("die Studie hat mehr Läufe, als sich zählen lassen")};
    if (a.bereich.anzahl() > Laufgrenze && !viele) {
        const QString teil = a.teil.n > 1 ? tr(" (in diesem Teil %1)").arg(a.bereich.anzahl()) : QString();
        throw Eingabefehler{tr("die Studie umfasst %n Läufe%1, mehr als %2; mit --viele wird sie trotzdem gerechnet",
                               nullptr, alle)
                                .arg(teil, QString::number(Laufgrenze))};
    }
}

Auftrag auftrag_lesen(const QStringList& argumente)
{
    QCommandLineParser parser;
    optionen_anmelden(parser);
    if (!parser.parse(argumente))
        throw Eingabefehler{parserfehler(parser, argumente)};
    Auftrag a;
    if (parser.isSet(QStringLiteral("help"))) {
        a.art = Auftrag::Art::hilfe;
        return a;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        a.art = Auftrag::Art::version;
        return a;
    }
    if (!parser.positionalArguments().isEmpty())
        throw Eingabefehler{tr("\"%1\" ist keine Option; Werte stehen hinter ihrer Option, etwa "
                               "--temperatur 1100")
                                .arg(parser.positionalArguments().first())};

    // The column of every file read as a profile: measured ones and start profiles.
    if (parser.isSet(QStringLiteral("spalte"))) {
        if (!parser.isSet(QStringLiteral("messung")) && !parser.isSet(QStringLiteral("anpassen")) &&
            !parser.isSet(QString::fromLatin1(Startoption)))
            throw Eingabefehler{tr("--spalte gilt nur mit --messung, --anpassen oder --start datei:PFAD")};
        a.spalte = lies_spalte(einziger_wert(parser, "spalte"));
    }
    a.studie = lies_studie(parser, a.spalte);
    for (const QString& datei : parser.values(QStringLiteral("messung"))) {
        if (datei.isEmpty())
            throw Eingabefehler{tr("--messung: der Dateiname fehlt")};
        const Werteliste& t = a.studie.listen[static_cast<int>(Feld::Sintertemp)];
        if (t.anzahl() != 1)
            throw Eingabefehler{tr("--messung gilt bei einer einzigen Temperatur; --temperatur hat %n Werte "
                                   "(mehrere Messprofile: --anpassen Datei@T)",
                                   nullptr, t.anzahl())};
        a.messungen.push_back({datei, t.wert(0)});
    }
    for (const QString& angabe : parser.values(QStringLiteral("anpassen")))
        a.messungen.push_back(lies_messauftrag(QStringLiteral("--anpassen"), angabe));
    if (!a.messungen.empty()) {
        for (const char* name : {"datei", "kurven", "teil"})
            if (parser.isSet(QString::fromLatin1(name)))
                throw Eingabefehler{tr("%1 gilt nicht zusammen mit --messung oder --anpassen")
                                        .arg(optionsname(name))};
        a.tabelle = parser.isSet(QStringLiteral("tabelle"));
        return a;
    }
    if (parser.isSet(QStringLiteral("datei"))) {
        a.datei = pfadangabe(parser, "datei");
        // The blocks begin with the file's path: standard output has none.
        if (*a.datei == QStringLiteral("-"))
            throw Eingabefehler{tr("--datei braucht einen Dateinamen; die Ergebnisdatei kann nicht die "
                                   "Standardausgabe (-) sein")};
    }
    a.tabelle = parser.isSet(QStringLiteral("tabelle"));
    if (parser.isSet(QStringLiteral("kurven"))) {
        a.kurven = pfadangabe(parser, "kurven");
        if (*a.kurven == QStringLiteral("-") && a.tabelle)
            throw Eingabefehler{tr("--kurven - und --tabelle schreiben beide auf die Standardausgabe; "
                                   "nur eines von beiden")};
        // Over a study, one column per run: the runs must differ in one option only.
        if (QStringList variiert = variierte_optionen(a.studie); variiert.size() > 1) {
            const QString letzte = variiert.takeLast();
            throw Eingabefehler{tr("--kurven vergleicht Läufe, die sich in einer Option unterscheiden; hier "
                                   "haben %1 mehrere Werte")
                                    .arg(variiert.join(QStringLiteral(", ")) + tr(" und ") + letzte)};
        }
        if (a.studie.anzahl() > Kurvenlaeufe_hoechstens)
            throw Eingabefehler{tr("--kurven schreibt je Lauf eine Spalte, für höchstens %1 Läufe; diese Studie "
                                   "hat %n Läufe",
                                   nullptr, a.studie.anzahl())
                                    .arg(Kurvenlaeufe_hoechstens)};
    }
    a.verfahren_gegeben = parser.isSet(QStringLiteral("verfahren"));
    if (a.verfahren_gegeben)
        a.verfahren = lies_verfahren(einziger_wert(parser, "verfahren"));
    a.threads = parser.isSet(QStringLiteral("threads")) ? lies_threads(einziger_wert(parser, "threads"))
                                                         : std::max(QThread::idealThreadCount(), 1);
    if (parser.isSet(QStringLiteral("teil")))
        a.teil = lies_teil(QStringLiteral("--teil"), einziger_wert(parser, "teil"));
    a.bereich = teilbereich(a.studie.anzahl(), a.teil);
    pruefe_laufzahl(a, parser.isSet(QStringLiteral("viele")));
    return a;
}

namespace {

// "  --name W           description", continuation lines under the description.
// A name too long for its column ("--programm-halten, --program-hold W") stands
// on a line of its own, so the description keeps its column and the 80
// characters of a terminal.
QString hilfezeile(const QString& links, const QString& beschreibung)
{
    constexpr int Spalte = 22;
    QString anfang = QStringLiteral("  ") + links;
    QString text;
    if (anfang.size() >= Spalte) {
        text = anfang + QLatin1Char('\n');
        anfang.clear();
    }
    for (const QString& zeile : beschreibung.split(QLatin1Char('\n'))) {
        text += anfang.leftJustified(Spalte) + zeile + QLatin1Char('\n');
        anfang.clear();
    }
    return text;
}

// Words joined into lines of at most `breite` characters.
QString umbrochen(const QString& text, int breite = 56)
{
    QStringList zeilen{QString()};
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!zeilen.last().isEmpty() && zeilen.last().size() + 1 + wort.size() > breite)
            zeilen << QString();
        zeilen.last() += (zeilen.last().isEmpty() ? QString() : QStringLiteral(" ")) + wort;
    }
    return zeilen.join(QLatin1Char('\n'));
}

// A paragraph of the help, indented by two blanks.
QString absatz(const QString& text)
{
    QString ergebnis;
    for (const QString& zeile : umbrochen(text, 76).split(QLatin1Char('\n')))
        ergebnis += QStringLiteral("  ") + zeile + QLatin1Char('\n');
    return ergebnis;
}

QString optionszeilen(const Option* anfang, const Option* ende)
{
    QString text;
    for (const Option* o = anfang; o != ende; ++o)
        text += hilfezeile((qstrcmp(o->name, "help") == 0 ? QStringLiteral("-h, ") : QString()) +
                               hilfename(o->name) +
                               (*o->wertname ? QStringLiteral(" ") + tr(o->wertname) : QString()),
                           tr(o->beschreibung));
    return text;
}

}  // namespace

QString hilfetext()
{
    const Studie start = Studie::startwerte();
    // "linear (Stab), zylindrisch (Faser, Draht) oder sphaerisch (Teilchen;
    // auch sphärisch), Startwert linear"
    QStringList modelle;
    for (const Geometriebeschreibung& g : Geometrien) {
        QString name = QStringLiteral("%1 (%2").arg(modellwort(g), tr(g.gestalt));
        if (!sprache::englisch_aktiv() && qstrcmp(g.name, g.anzeigename) != 0)
            name += tr("; auch %1").arg(QString::fromUtf8(g.anzeigename));
        modelle << name + QLatin1Char(')');
    }
    const QString letztes = modelle.takeLast();
    QString parameter = hilfezeile(
        hilfename(Modelloption) + QStringLiteral(" M"),
        umbrochen(modelle.join(QStringLiteral(", ")) + tr(" oder ") + letztes + tr(", Startwert ") + modellwort(beschreibung(start.modelle.front()))));
    QStringList optionen{QString::fromLatin1(Modelloption)}, spalten{QString::fromLatin1(Modelloption)};
    for (const Feldregel& r : Feldtabelle) {
        const int i = static_cast<int>(r.feld);
        parameter += hilfezeile(hilfename(r.option) + QLatin1Char(' ') + QCoreApplication::translate("Feld", r.einheit),
                                QCoreApplication::translate("Feld", r.hilfe) + tr(", Startwert ") +
                                    QString::fromStdString(kurzform(start.listen[i].wert(0))) +
                                    tr("\nerlaubt: ") + erlaubter_bereich(r));
        optionen << QString::fromLatin1(r.option);
        spalten << QString::fromLatin1(r.spalte) + (r.gerundet ? tr(" (die gerundete Zellenzahl)") : QString());
    }

    return tr(
               "Aufruf: kalvion-cli [Optionen]\n"
               "\n"
               "Rechnet die Diffusion beim Sintern ohne Fenster, mit denselben Zahlen wie\n"
               "Kalvion, wenn dieselben Werte im Eingabedialog stehen, \"ok\" und dann\n"
               "\"Berechnung Starten\" gedrückt wird. Jede Zahlenoption nimmt auch eine Liste\n"
               "oder einen Bereich; dann wird jede Kombination gerechnet (eine Studie).\n"
               "\n"
               "Parameter (ohne Angabe gilt der Startwert des Programms):\n") +
           parameter +
           tr(
               "\n"
               "Zahlen stehen immer mit Dezimalpunkt (1.5), gleich welche Spracheinstellung\n"
               "gilt; das Komma trennt Listeneinträge (--zeit 1,5 sind die Zeiten 1 h und\n"
               "5 h). Ein Wert, den der Dialog zurücksetzen oder ablehnen würde, ist ein\n"
               "Fehler: nichts wird gerechnet oder geschrieben.\n"
               "\n"
               "Studien:\n"
               "  Liste             1000,1050,1100\n"
               "  Bereich           1000:1200:50 (Anfang:Ende:Schritt; das Ende zählt mit, wenn\n"
               "                    es getroffen wird; der Schritt darf negativ sein)\n"
               "  gemischt          900,1000:1200:100\n"
               "  Modelle           --modell linear,sphaerisch\n") +
           absatz(tr("Eine mehrfach angegebene Option zählt wie eine Liste. Gerechnet wird jede "
                                 "Kombination, in der Reihenfolge der Optionen im Dialog: ") +
                  optionen.join(QStringLiteral(", ")) +
                  tr("; die letzte wechselt am schnellsten. Diese Reihenfolge gilt für die Blöcke "
                                 "der Ergebnisdatei, die Zeilen der Tabelle und die Teile von --teil, gleich "
                                 "wie viele Läufe zugleich rechnen.")) +
           tr(
               "\n"
               "Ausgabe:\n") +
           optionszeilen(std::begin(Ausgabeoptionen), std::end(Ausgabeoptionen)) +
           absatz(tr("Tabellenspalten: ") + spalten.join(QStringLiteral(", ")) +
                  tr(", Kelvin, D, Schritte, Molprozent, Fehler (negative Flüsse; beim Sprung nur die "
                                 "der ersten 1000 Schritte), Sprung (1 oder 0) und das Endprofil in den Zellen "
                                 "1, 50, 100, 150 und 200 (Konz_1 ... Konz_200).")) +
           tr(
               "  Mit einem Temperaturprogramm kommen vier Spalten dazu: halten, rate (des\n"
               "  ersten aufheizenden Segments; leer bei sofort), T_ref und t_eq; temperatur\n"
               "  und zeit sind dann T_ref und t_eq.\n"
               "\n"
               "Parameterdatei und Temperaturprogramm:\n") +
           optionszeilen(std::begin(Dateioptionen), std::end(Dateioptionen)) +
           tr(
               "  Eine Studie über --programm-halten und --programm-rate läuft wie die\n"
               "  übrigen Optionen, nach i-diff, die Rate am schnellsten.\n"
               "\n"
               "Ablauf:\n") +
           optionszeilen(std::begin(Ablaufoptionen), std::end(Ablaufoptionen)) +
           tr("\nAnfang und Oberfläche:\n") + optionszeilen(std::begin(Anfangsoptionen), std::end(Anfangsoptionen)) +
           absatz(tr("Mit offener Oberfläche ist der Zeitschritt kleiner (dx²/(3 D) statt dx²/(2 D)), und "
                     "Fehler zählt die Zellen, die den Bereich der Werte verlassen, aus denen sie gemischt "
                     "werden; ein Temperaturprogramm mit Austausch wird Schritt für Schritt gerechnet. "
                     "Tabellenspalten mit einem Anfang: anfang, c0 und startdatei; mit einer Oberfläche: "
                     "oberflaeche, c_s, beta, c_atm, aufgenommen (Mol% des Volumens, abgegeben unter 0) und "
                     "Molprozent_Ende.")) +
           tr("\nMessprofile (statt zu rechnen):\n") +
           optionszeilen(std::begin(Messoptionen), std::end(Messoptionen)) +
           tr(
               "  Modell, Zeit, x_max und i-diff kommen aus den Optionen (je ein Wert); Q\n"
               "  für das D0 eines einzelnen Profils. Ausgabe: D mit 95-%-Intervall, die\n"
               "  RMS-Abweichung und D0 (· 1000 cm²/s) bzw. D0 und Q; mit --tabelle als CSV\n"
               "  mit den Spalten art, datei, temperatur, Kelvin, punkte, D, D_unten, D_oben,\n"
               "  RMS, befund, D0, D0_fehler, Q, Q_fehler.\n") +
           tr(
               "  Auf einem Terminal zeigt die Standardfehlerausgabe eine Fortschrittszeile.\n"
               "  Die Zeilen der Standardausgabe kommen in der Reihenfolge der Studie, jede,\n"
               "  sobald alle früheren fertig sind. Die Dateien werden vor der ersten Rechnung\n"
               "  geprüft (eine gewöhnliche Datei, die geschrieben werden darf, oder ein\n"
               "  Ordner, in dem sie entstehen darf) und erst am Ende geschrieben, alle\n"
               "  zusammen und nach der Standardausgabe. Gelesen werden nur gewöhnliche\n"
               "  Dateien: eine benannte Pipe, ein Gerät, ein Socket oder ein Ordner wird\n"
               "  sofort abgelehnt, ebenso eine Parameterdatei über 1 MiB und ein\n"
               "  Messprofil über 10 MiB.\n"
               "  Strg+C (SIGINT) oder SIGTERM halten die Rechnung an, beim Lesen, Prüfen,\n"
               "  Rechnen und Schreiben; geschrieben wird dann nichts, die Ergebnisdatei\n"
               "  bleibt, wie sie war.\n"
               "\n"
               "Exit-Status:\n"
               "  0    alles gerechnet und geschrieben\n"
               "  1    Schreiben misslungen, auch auf die Standardausgabe, oder zu wenig\n"
               "       Arbeitsspeicher (alle Dateien bleiben, wie sie waren); eine\n"
               "       geschlossene Pipe (etwa | head) endet ebenso, nur ohne Meldung\n"
               "  2    falsche Eingabe (nichts gerechnet, nichts geschrieben)\n"
               "  130  abgebrochen mit Strg+C (SIGINT), 143 mit SIGTERM\n"
               "\n"
               "Beispiele:\n"
               "  kalvion-cli --temperatur 1100 --zeit 1.5 --datei ergebnis.txt\n"
               "  kalvion-cli --modell linear,sphaerisch --temperatur 1000:1200:50 \\\n"
               "              --tabelle > studie.csv\n"
               "  kalvion-cli --weg 30 --zeit 1,2,4,8 --q 230000:250000:5000 --verfahren auto\n"
               "  kalvion-cli --temperatur 900:1300:10 --zeit 1:100:1 --datei studie.txt \\\n"
               "              --teil 3/10\n"
               "  kalvion-cli --zeit 4 --weg 40 --anpassen scan_1000.csv@1000 \\\n"
               "              --anpassen scan_1100.csv@1100 --anpassen scan_1200.csv@1200\n");
}

QString versionstext()
{
    return QStringLiteral("kalvion-cli " KALVION_VERSION "\n");
}

}  // namespace kalvion::cli
