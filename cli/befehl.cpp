// SPDX-License-Identifier: GPL-3.0-or-later
#include "befehl.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <optional>
#include <new>
#include <system_error>

#include "abbruch.h"
#include "ausgabeziele.h"
#include "auftrag.h"
#include "eingabefehler.h"
#include "ergebnisdatei.h"
#include "kurvendatei.h"
#include "kurvenvergleich.h"
#include "fortschritt.h"
#include "kurzform.h"
#include "studienlauf.h"
#include "tabelle.h"
#include "uebersetzen.h"

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

// How long stepping `schritte` steps takes here, in seconds, measured once
// as the window measures it; 0 where even a slow machine (a debugging or
// sanitizer build) steps them in less than Frage_ab_Sekunden, so that short
// commands do not measure.
// `art` is a run whose kind of step (a closed or an open surface) it takes.
double dauer_schrittweise(double schritte, const Modell& art)
{
    constexpr double Langsam_je_Zellschritt = 1e-7;  // s
    if (geschaetzte_dauer(schritte, art.Zellen, Langsam_je_Zellschritt) <= Frage_ab_Sekunden)
        return 0;
    // The open surface's step costs more: each kind is measured on its own.
    static std::array<std::optional<double>, 2> kosten;
    std::optional<double>& k = kosten[oberflaeche_offen(art) ? 1 : 0];
    if (!k)
        k = miss_zellschrittkosten(art);
    return geschaetzte_dauer(schritte, art.Zellen, *k);
}

// The window asks before it steps a run for longer than Frage_ab_Sekunden.
// The command line cannot ask: without --verfahren it refuses such a run
// before anything runs, naming both ways out; with it, it does as told.
void lange_laeufe_ablehnen(const Auftrag& a, const Laufpruefung& p, const QLocale& locale)
{
    if (a.verfahren_gegeben || a.bereich.anzahl() == 0)
        return;
    const Modell laengster = modell_fuer(a.studie.lauf(p.laengster), locale);
    const double sekunden = dauer_schrittweise(p.meiste_schritte, laengster);
    if (sekunden <= Frage_ab_Sekunden)
        return;
    // A programme with exchange at the surface is stepped through: no jump.
    const QString auswege =
        sprung_moeglich(laengster)
            ? tr("; --verfahren schnell rechnet nach Schritt 1000 in einem Sprung (in "
                 "Sekundenbruchteilen), --verfahren schrittweise trotzdem jeden Schritt")
            : tr("; mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt für Schritt gerechnet, ohne "
                 "Sprung; --verfahren schrittweise rechnet es trotzdem");
    if (a.studie.anzahl() == 1)
        throw Eingabefehler{tr("Schritt für Schritt dauert die Rechnung voraussichtlich etwa %1 (%2 Zeitschritte), "
                               "länger als %3 s")
                                .arg(dauertext(sekunden), QString::fromStdString(kurzform(p.meiste_schritte)))
                                .arg(Frage_ab_Sekunden) +
                            auswege};
    throw Eingabefehler{tr("Lauf %1 (%2) dauert Schritt für Schritt voraussichtlich etwa %3 (%4 Zeitschritte), "
                           "länger als %5 s")
                            .arg(QString::number(p.laengster + 1), als_optionen(a.studie.lauf(p.laengster)),
                                 dauertext(sekunden), QString::fromStdString(kurzform(p.meiste_schritte)))
                            .arg(Frage_ab_Sekunden) +
                        auswege};
}

// A study that takes long as a whole is said so before it starts, on
// standard error only.
void warne_vor_langer_studie(double gestuft, const Modell& art, const Auftrag& a, const Umgebung& u)
{
    if (a.threads <= 0)
        return;
    // Runs share the threads; a single run has only one.
    const double parallel = std::min(static_cast<double>(a.threads), static_cast<double>(a.bereich.anzahl()));
    const double sekunden = dauer_schrittweise(gestuft / std::max(parallel, 1.0), art);
    if (sekunden <= Frage_ab_Sekunden)
        return;
    // Jumping already, the study cannot be made shorter that way.
    if (a.verfahren == Verfahrenswahl::schnell)
        melde(u, tr("Hinweis: das dauert voraussichtlich etwa %1").arg(dauertext(sekunden)));
    else
        melde(u, tr("Hinweis: Schritt für Schritt dauert das voraussichtlich etwa %1; "
                    "--verfahren schnell rechnet nach Schritt 1000 in einem Sprung")
                     .arg(dauertext(sekunden)));
}

// Standard output as the runs are handed over: written at once, so that a
// script sees each row as soon as every earlier one is there.
class Standardausgabe {
public:
    explicit Standardausgabe(std::FILE* aus) : aus_(aus) {}

    bool schreiben(const char* daten, qsizetype laenge)
    {
        if (fehlernummer_ != 0)
            return false;
        errno = 0;
        if (std::fwrite(daten, 1, static_cast<size_t>(laenge), aus_) != static_cast<size_t>(laenge) ||
            std::fflush(aus_) != 0) {
            fehlernummer_ = errno != 0 ? errno : EIO;
            return false;
        }
        return true;
    }
    bool schreiben(const QByteArray& bytes) { return schreiben(bytes.constData(), bytes.size()); }
    bool schreiben(const std::string& text) { return schreiben(text.data(), static_cast<qsizetype>(text.size())); }
    int fehlernummer() const { return fehlernummer_; }

private:
    std::FILE* aus_;
    int fehlernummer_ = 0;
};

// Refuses a target before anything runs; status 1. `meldung` names the path
// as %1 and the cause as %2.
bool ziel_in_ordnung(const QString& pfad, const char* meldung, const Umgebung& u)
{
    const std::optional<Zielproblem> problem = ziel_pruefen(pfad);
    if (!problem)
        return true;
    if (problem->art == Zielproblem::Art::ordner_fehlt)
        melde(u, tr("der Ordner %1 existiert nicht; nichts gerechnet, nichts geschrieben").arg(problem->text));
    else
        melde(u, tr(meldung).arg(QDir::toNativeSeparators(pfad), problem->text));
    return false;
}

int rechnen(const Auftrag& a, const Umgebung& u)
{
    const bool kurven_auf_standardausgabe = a.kurven && *a.kurven == QStringLiteral("-");
    Ausgaben ausgaben;
    ausgaben.locale = u.locale;
    ausgaben.datum = u.datum;
    ausgaben.tabellenzeile = a.tabelle;
    ausgaben.tabellenform = tabellenform(a.studie);
    ausgaben.zusammenfassung = !a.tabelle && !kurven_auf_standardausgabe;
    // Over a study the curves are one column per run.
    const bool spaltenweise = a.kurven && a.studie.anzahl() > 1;
    ausgaben.kurven = a.kurven && !spaltenweise;
    QString pfad;
    if (a.datei) {
        pfad = dateipfad(*a.datei);
        ausgaben.block = true;
        ausgaben.kopfzeile = QDir::toNativeSeparators(pfad);
    }

    // Wrong input first (status 2), then every target (status 1): both are
    // known before hours of computing.
    const Laufpruefung pruefung = laeufe_pruefen(a.studie, a.bereich, a.verfahren, u.locale);
    lange_laeufe_ablehnen(a, pruefung, u.locale);
    Kurvenvergleich vergleich;
    if (spaltenweise) {
        vergleich = kurvenvergleich(a.studie, u.locale);
        ausgaben.kurvenspalte = vergleich.welche;
    }
    if (a.datei && !ziel_in_ordnung(pfad,
                                    QT_TRANSLATE_NOOP("kalvion::cli", "Speichern in %1 fehlgeschlagen (Öffnen "
                                                                      "fehlgeschlagen: %2); nichts gerechnet, nichts "
                                                                      "geschrieben"),
                                    u))
        return Exit_schreibfehler;
    if (a.kurven && !kurven_auf_standardausgabe) {
        if (!ziel_in_ordnung(*a.kurven,
                             QT_TRANSLATE_NOOP("kalvion::cli", "Speichern der Kurven in %1 fehlgeschlagen (Öffnen "
                                                               "fehlgeschlagen: %2); nichts gerechnet, nichts "
                                                               "geschrieben"),
                             u))
            return Exit_schreibfehler;
        if (a.datei && dieselbe_datei(pfad, *a.kurven))
            throw Eingabefehler{tr("--datei und --kurven nennen dieselbe Datei %1")
                                    .arg(QDir::toNativeSeparators(pfad))};
    }
    // From here on files are opened for writing and standard output is
    // written: a signal stops the runs, and nothing is committed.
    sofort_beenden(false);
    // A slice without runs leaves the files alone, not even creating them.
    const bool laeufe = a.bereich.anzahl() > 0;
    Ergebnisspool spool;
    QString grund;
    if (a.datei && laeufe && !spool.oeffnen(pfad, grund)) {
        melde(u, tr("Speichern in %1 fehlgeschlagen (%2); nichts gerechnet, nichts geschrieben")
                     .arg(QDir::toNativeSeparators(pfad), grund));
        return Exit_schreibfehler;
    }

    warne_vor_langer_studie(pruefung.aufwand, modell_fuer(a.studie.lauf(pruefung.laengster), u.locale), a, u);
    Fortschrittsmeldung fortschritt;
    if (u.fortschritt)
        fortschritt = [&u](const Fortschrittsstand& stand) {
            schreibe(u.fehler, QLatin1Char('\r') + fortschrittszeile(stand) + QStringLiteral("\x1b[K"));
        };

    Standardausgabe aus(u.aus);
    // Only the first slice has the header, also when it holds no run, so
    // that the slices one after another are the whole table.
    if (a.tabelle && a.teil.k == 1)
        aus.schreiben(tabellenkopf(ausgaben.tabellenform));
    bool spool_fehler = false, ohne_kodierung = false;
    QByteArray kurven;
    std::vector<Profilspalte> spalten;
    const Abnahme abnehmen = [&](std::uint64_t, Laufertrag& e) {
        // The block first: a results file that cannot take it ends the
        // study before its line is shown.
        if (a.datei) {
            if (!e.block) {
                ohne_kodierung = true;
                return false;
            }
            if (!spool.schreiben(*e.block, grund)) {
                spool_fehler = true;
                return false;
            }
        }
        if (a.tabelle)
            aus.schreiben(e.tabellenzeile);
        else if (ausgaben.zusammenfassung)
            aus.schreiben(e.zusammenfassung.toLocal8Bit() + '\n');
        if (e.spalte)
            spalten.push_back(std::move(*e.spalte));
        else if (a.kurven)
            kurven = std::move(e.kurven);
        return aus.fehlernummer() == 0;
    };
    const Studienende ende = aus.fehlernummer() != 0
                                 ? Studienende::abgelehnt
                                 : studie_rechnen(a.studie, a.bereich, a.verfahren, ausgaben, a.threads, *u.halt,
                                                  abnehmen, fortschritt, pruefung.aufwand);
    if (u.fortschritt)
        schreibe(u.fehler, QStringLiteral("\r\x1b[K"));

    const auto abgebrochen = [&] {
        const int signal = u.halt->load();
        schreibe(u.fehler, QString::fromLocal8Bit(abbruchmeldung()).arg(QString::fromLatin1(signalname(signal))));
        return Exit_abbruch + signal;
    };
    const auto standardausgabe_fehlgeschlagen = [&] {
        // A reader that went away (`| head`) needs no message.
        if (aus.fehlernummer() != EPIPE)
            melde(u, tr("die Standardausgabe ließ sich nicht schreiben (%1); nichts geschrieben, die "
                        "Dateien sind, wie sie waren")
                         .arg(fehlerursache(aus.fehlernummer())));
        return Exit_schreibfehler;
    };
    if (u.halt->load() != 0 || ende == Studienende::angehalten)
        return abgebrochen();
    if (aus.fehlernummer() != 0)
        return standardausgabe_fehlgeschlagen();
    if (ohne_kodierung) {
        melde(u, tr("die Zeichenkodierung Windows-1252 der Ergebnisdatei ist nicht verfügbar; "
                    "nichts geschrieben"));
        return Exit_schreibfehler;
    }
    if (spool_fehler) {
        melde(u, tr("Speichern in %1 fehlgeschlagen (%2); die Datei ist, wie sie war")
                     .arg(QDir::toNativeSeparators(pfad), grund));
        return Exit_schreibfehler;
    }
    if (!laeufe)
        return Exit_ok;
    if (spaltenweise)
        kurven = vergleichstabelle(spalten, u.locale, vergleich.vorzeilen);

    // Standard output is complete; now the files, together: the curves are
    // written beside their file, the blocks appended, then the curves
    // renamed into place. A failure on the way leaves both as they were.
    if (kurven_auf_standardausgabe && !aus.schreiben(kurven))
        return standardausgabe_fehlgeschlagen();
    Ersatzdatei ersatz;
    if (a.kurven && !kurven_auf_standardausgabe && !ersatz.schreiben(*a.kurven, kurven, grund)) {
        melde(u, tr("Speichern der Kurven in %1 fehlgeschlagen (%2); nichts geschrieben, die Dateien "
                    "sind, wie sie waren")
                     .arg(QDir::toNativeSeparators(*a.kurven), grund));
        return Exit_schreibfehler;
    }
    if (a.datei && !spool.anhaengen(*u.halt, grund)) {
        if (grund.isEmpty())
            return abgebrochen();
        melde(u, tr("Speichern in %1 fehlgeschlagen (%2); die Datei ist, wie sie war")
                     .arg(QDir::toNativeSeparators(pfad), grund));
        return Exit_schreibfehler;
    }
    if (a.kurven && !kurven_auf_standardausgabe && !ersatz.festschreiben(grund)) {
        spool.zuruecknehmen();
        melde(u, tr("Speichern der Kurven in %1 fehlgeschlagen (%2); nichts geschrieben, die Dateien "
                    "sind, wie sie waren")
                     .arg(QDir::toNativeSeparators(*a.kurven), grund));
        return Exit_schreibfehler;
    }
    return Exit_ok;
}

// D (and D0, Q) from measured profiles; a refused file is an input error.
int anpassen(const Auftrag& a, const Umgebung& u)
{
    const QByteArray ausgabe = anpassung_ausgabe(a.studie, a.messungen, a.tabelle, u.locale, a.spalte);
    sofort_beenden(false);
    Standardausgabe aus(u.aus);
    if (!aus.schreiben(ausgabe)) {
        // A reader that went away (`| head`) needs no message.
        if (aus.fehlernummer() != EPIPE)
            melde(u, tr("die Standardausgabe ließ sich nicht schreiben (%1)")
                         .arg(fehlerursache(aus.fehlernummer())));
        return Exit_schreibfehler;
    }
    return Exit_ok;
}

}  // namespace

QByteArray abbruchmeldung()
{
    return (QStringLiteral("kalvion-cli: ") +
            tr("abgebrochen (%1); nichts geschrieben, die Ergebnisdatei ist unverändert") + QLatin1Char('\n'))
        .toLocal8Bit();
}

int befehl_ausfuehren(const QStringList& argumente, const Umgebung& umgebung)
{
    // Formed now: without memory there is none for a translation either.
    const QByteArray ohne_speicher =
        (QStringLiteral("kalvion-cli: ") +
         tr("zu wenig Arbeitsspeicher; nichts geschrieben, die Dateien sind, wie sie waren") + QLatin1Char('\n'))
            .toLocal8Bit();
    try {
        const Auftrag a = auftrag_lesen(argumente);
        switch (a.art) {
        case Auftrag::Art::hilfe: schreibe(umgebung.aus, hilfetext()); return Exit_ok;
        case Auftrag::Art::version: schreibe(umgebung.aus, versionstext()); return Exit_ok;
        case Auftrag::Art::rechnen: break;
        }
        if (!a.messungen.empty())
            return anpassen(a, umgebung);
        return rechnen(a, umgebung);
    } catch (const Eingabefehler& fehler) {
        melde(umgebung, fehler.meldung + tr("\nHilfe: kalvion-cli --help"));
        return Exit_eingabefehler;
    } catch (const std::bad_alloc&) {
        // No new QString here: there may be no memory for one.
        std::fputs(ohne_speicher.constData(), umgebung.fehler);
        return Exit_schreibfehler;
    } catch (const std::system_error& fehler) {
        // A thread the system would not start.
        melde(umgebung, tr("ein Thread für die Rechnung ließ sich nicht starten (%1); zu wenig "
                           "Arbeitsspeicher? Nichts geschrieben, die Dateien sind, wie sie waren")
                            .arg(fehlerursache(fehler.code().value())));
        return Exit_schreibfehler;
    }
}

}  // namespace kalvion::cli
