#include "befehl.h"

#include <QDir>
#include <QFileInfo>

#include "abbruch.h"
#include "auftrag.h"
#include "eingabefehler.h"
#include "ergebnisdatei.h"
#include "kurvendatei.h"
#include "fortschritt.h"
#include "studienlauf.h"
#include "tabelle.h"

namespace kalvion::cli {

namespace {

void schreibe(std::FILE* ziel, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, bytes.size(), ziel);
    std::fflush(ziel);
}

void melde(const Umgebung& u, const QString& text)
{
    schreibe(u.fehler, QStringLiteral("kalvion-cli: ") + text + QLatin1Char('\n'));
}

// The path as the save dialog composes it from its folder and the file name.
QString dateipfad(const QString& angabe)
{
    const QFileInfo info(angabe);
    return pfad_zusammensetzen(QDir::cleanPath(info.absolutePath()), info.fileName());
}

// The window asks before it steps for longer than half a minute; the command
// line cannot ask, but says so before it starts, on standard error only.
void warne_vor_langem_lauf(const std::vector<Laufplan>& plaene, const Auftrag& a, const Umgebung& u)
{
    double gestuft = 0;
    for (const Laufplan& p : plaene)
        gestuft += p.aufwand;
    // Below this no machine of today steps for half a minute: no measuring.
    constexpr double Zellen = 200, Schnellste_Zellschritte_je_s = 2e9, Warnen_ab_Sekunden = 30;
    if (gestuft * Zellen / Schnellste_Zellschritte_je_s <= Warnen_ab_Sekunden || a.threads <= 0)
        return;
    Modell m;
    startwerte_setzen(m);
    // Runs share the threads; a single run has only one.
    const double parallel = std::min(static_cast<double>(a.threads), static_cast<double>(plaene.size()));
    const double sekunden = geschaetzte_dauer(gestuft, m.Zellen, miss_zellschrittkosten(m)) / parallel;
    if (sekunden > Warnen_ab_Sekunden)
        melde(u, QStringLiteral("Hinweis: Schritt für Schritt dauert das voraussichtlich etwa %1; "
                                "--verfahren schnell rechnet nach Schritt 1000 in einem Sprung")
                     .arg(dauertext(sekunden)));
}

// The lines for standard output: the table, or one line per run for people.
QByteArray standardausgabe(const Auftrag& a, const std::vector<Laufertrag>& ertraege)
{
    QByteArray aus;
    if (a.tabelle) {
        // Only the first slice has the header, so that the slices one after
        // another are the whole table.
        if (a.teil.k == 1)
            aus += tabellenkopf();
        for (const Laufertrag& e : ertraege)
            aus += e.tabellenzeile;
    } else {
        for (const Laufertrag& e : ertraege)
            aus += e.zusammenfassung.toLocal8Bit() + '\n';
    }
    return aus;
}

int rechnen(const Auftrag& a, const Umgebung& u)
{
    Ausgaben ausgaben;
    ausgaben.locale = u.locale;
    ausgaben.datum = u.datum;
    ausgaben.tabellenzeile = a.tabelle;
    ausgaben.zusammenfassung = !a.tabelle;
    ausgaben.kurven = a.kurven.has_value();
    QString pfad;
    if (a.datei) {
        pfad = dateipfad(*a.datei);
        // Known before hours of computing: the folder is missing.
        if (!QFileInfo(QFileInfo(pfad).absolutePath()).isDir()) {
            melde(u, QStringLiteral("der Ordner %1 existiert nicht; nichts gerechnet, nichts geschrieben")
                         .arg(QDir::toNativeSeparators(QFileInfo(pfad).absolutePath())));
            return Exit_schreibfehler;
        }
        ausgaben.block = true;
        ausgaben.kopfzeile = QDir::toNativeSeparators(pfad);
    }

    const std::vector<Laufplan> plaene = laeufe_planen(a.studie, a.bereich, a.verfahren, u.locale);
    warne_vor_langem_lauf(plaene, a, u);
    Fortschrittsmeldung fortschritt;
    if (u.fortschritt)
        fortschritt = [&u](const Fortschrittsstand& stand) {
            schreibe(u.fehler, QLatin1Char('\r') + fortschrittszeile(stand) + QStringLiteral("\x1b[K"));
        };
    const auto ertraege = studie_rechnen(a.studie, a.bereich, plaene, ausgaben, a.threads, *u.halt, fortschritt);
    if (u.fortschritt)
        schreibe(u.fehler, QStringLiteral("\r\x1b[K"));
    if (const int signal = u.halt->load(); signal != 0 || !ertraege) {
        melde(u, QStringLiteral("abgebrochen (%1); nichts geschrieben, die Ergebnisdatei ist unverändert")
                     .arg(QString::fromLatin1(signalname(signal))));
        return Exit_abbruch + signal;
    }

    // The outputs, each only once every run is done and each in one piece:
    // the curves, the results file, then standard output. A slice without
    // runs leaves the files alone, not even creating them.
    if (a.kurven && !ertraege->empty() && !datei_ersetzen(*a.kurven, ertraege->front().kurven)) {
        melde(u, QStringLiteral("Speichern der Kurven in %1 fehlgeschlagen; nichts geschrieben")
                     .arg(QDir::toNativeSeparators(*a.kurven)));
        return Exit_schreibfehler;
    }
    if (a.datei && !ertraege->empty()) {
        QByteArray bloecke;
        for (const Laufertrag& e : *ertraege) {
            if (!e.block) {
                melde(u, QStringLiteral("die Zeichenkodierung Windows-1252 der Ergebnisdatei ist nicht verfügbar; "
                                        "nichts geschrieben"));
                return Exit_schreibfehler;
            }
            bloecke += *e.block;
        }
        QString grund;
        if (!block_anhaengen(pfad, bloecke, &grund)) {
            melde(u, QStringLiteral("Speichern in %1 fehlgeschlagen (%2); die Datei ist, wie sie war")
                         .arg(QDir::toNativeSeparators(pfad), grund));
            return Exit_schreibfehler;
        }
    }
    const QByteArray aus = standardausgabe(a, *ertraege);
    if (std::fwrite(aus.constData(), 1, aus.size(), u.aus) != static_cast<std::size_t>(aus.size()) ||
        std::fflush(u.aus) != 0) {
        melde(u, a.datei ? QStringLiteral("die Standardausgabe ließ sich nicht schreiben (die Ergebnisdatei ist "
                                          "geschrieben)")
                         : QStringLiteral("die Standardausgabe ließ sich nicht schreiben"));
        return Exit_schreibfehler;
    }
    return Exit_ok;
}

}  // namespace

int befehl_ausfuehren(const QStringList& argumente, const Umgebung& umgebung)
{
    try {
        const Auftrag a = auftrag_lesen(argumente);
        switch (a.art) {
        case Auftrag::Art::hilfe: schreibe(umgebung.aus, hilfetext()); return Exit_ok;
        case Auftrag::Art::version: schreibe(umgebung.aus, versionstext()); return Exit_ok;
        case Auftrag::Art::rechnen: break;
        }
        return rechnen(a, umgebung);
    } catch (const Eingabefehler& fehler) {
        melde(umgebung, fehler.meldung + QStringLiteral("\nHilfe: kalvion-cli --help"));
        return Exit_eingabefehler;
    }
}

}  // namespace kalvion::cli
