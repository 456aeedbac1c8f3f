// SPDX-License-Identifier: GPL-3.0-or-later
#include "bedingungsliste.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>

#include "anfangswahl.h"
#include "eingabefehler.h"
#include "feldpruefung.h"
#include "kurzform.h"
#include "modell.h"
#include "sprache.h"
#include "startprofil.h"
#include "uebersetzen.h"

namespace kalvion::cli {

namespace {

QString optionsname(const char* name)
{
    return QStringLiteral("--") + QString::fromLatin1(name);
}

// The kinds the command line takes: every one but the last result, which
// only a window has.
bool auf_der_kommandozeile(Anfangsart a)
{
    return a != Anfangsart::ergebnis;
}

const char* name_fuer(const Anfangsbeschreibung& b)
{
    return sprache::englisch_aktiv() ? b.englischer_name : b.name;
}

}  // namespace

QString startnamen()
{
    QStringList namen;
    for (const Anfangsbeschreibung& b : Anfangsarten) {
        if (!auf_der_kommandozeile(b.art))
            continue;
        QString name = QString::fromLatin1(name_fuer(b));
        if (b.art == Anfangsart::grundgehalt)
            name += QStringLiteral(":C");
        if (b.art == Anfangsart::datei)
            name += sprache::englisch_aktiv() ? QStringLiteral(":PATH") : QStringLiteral(":PFAD");
        namen << name;
    }
    return namen.join(QLatin1Char('|'));
}

// A member's texts name their context themselves, as Werteliste's do.
void Anfangsliste::hinzu(const QString& text, const Spaltenwahl& spalte, const QString& option)
{
    const qsizetype doppelpunkt = text.indexOf(QLatin1Char(':'));
    const QString name = (doppelpunkt < 0 ? text : text.left(doppelpunkt)).trimmed().toLower();
    const QString rest = doppelpunkt < 0 ? QString() : text.mid(doppelpunkt + 1);
    const auto b = std::find_if(Anfangsarten.begin(), Anfangsarten.end(), [&](const Anfangsbeschreibung& d) {
        return auf_der_kommandozeile(d.art) &&
               (name == QLatin1String(d.name) || name == QLatin1String(d.englischer_name));
    });
    if (b == Anfangsarten.end())
        throw Eingabefehler{QCoreApplication::translate("kalvion::cli", "%1: \"%2\" ist kein Anfang; erlaubt sind %3").arg(option, text, startnamen())};
    Eintrag e;
    e.text = text;
    e.option = option;
    e.start.art = b->art;
    switch (b->art) {
    case Anfangsart::stufe:
    case Anfangsart::ergebnis:
        if (doppelpunkt >= 0)
            throw Eingabefehler{QCoreApplication::translate("kalvion::cli", "%1: \"%2\": %3 nimmt keinen Wert").arg(option, text, QString::fromLatin1(name_fuer(*b)))};
        break;
    case Anfangsart::grundgehalt:
        if (rest.trimmed().isEmpty())
            throw Eingabefehler{QCoreApplication::translate("kalvion::cli", "%1: \"%2\": der Grundgehalt fehlt, etwa %3:0.2")
                                    .arg(option, text, QString::fromLatin1(name_fuer(*b)))};
        e.c0 = Werteliste::lesen(Feld::c0, option + QLatin1Char(' ') + name, rest);
        break;
    case Anfangsart::datei: {
        if (rest.isEmpty())
            throw Eingabefehler{QCoreApplication::translate("kalvion::cli", "%1: \"%2\": der Dateiname fehlt").arg(option, text)};
        const Messlesung lesung = startprofil_laden(rest, spalte);
        if (!lesung.ok)
            throw Eingabefehler{QStringLiteral("%1 %2: %3").arg(option, text, lesung.fehler) +
                                (lesung.wahl_fehlt ? QCoreApplication::translate("kalvion::cli", " (--spalte NAME oder --spalte NUMMER)") : QString())};
        e.start.profil = std::make_shared<const Startprofil>(
            Startprofil{lesung.profil.punkte, lesung.profil.dateiname.toStdString()});
        break;
    }
    }
    eintraege_.push_back(std::move(e));
}

void Anfangsliste::hinzu(const Startangabe& start)
{
    Eintrag e;
    e.start = start;
    if (start.art == Anfangsart::grundgehalt)
        e.c0 = Werteliste::einzeln(start.c0);
    e.text = als_option(start);
    e.option = optionsname(Startoption);
    eintraege_.push_back(std::move(e));
}

std::uint64_t Anfangsliste::anzahl() const
{
    if (eintraege_.empty())
        return 1;
    std::uint64_t n = 0;
    for (const Eintrag& e : eintraege_)
        n = std::min(n + (e.c0 ? e.c0->anzahl() : 1), Hoechste_Anzahl);
    return n;
}

Startangabe Anfangsliste::wert(std::uint64_t j) const
{
    for (const Eintrag& e : eintraege_) {
        const std::uint64_t n = e.c0 ? e.c0->anzahl() : 1;
        if (j < n) {
            Startangabe s = e.start;
            if (e.c0)
                s.c0 = e.c0->wert(j);
            return s;
        }
        j -= n;
    }
    return {};
}

std::optional<QString> Anfangsliste::jenseits(double x_max) const
{
    for (const Eintrag& e : eintraege_)
        if (e.start.profil)
            if (const QString fehler = startpunkte_pruefen(*e.start.profil, x_max, QLocale::c()); !fehler.isEmpty())
                return QStringLiteral("%1 %2: %3").arg(e.option, e.text, fehler);
    return std::nullopt;
}

QString als_option(const Startangabe& start)
{
    const char* name = beschreibung(start.art).name;
    switch (start.art) {
    case Anfangsart::stufe: return QString::fromLatin1(name);
    case Anfangsart::grundgehalt:
        return QStringLiteral("%1:%2").arg(QString::fromLatin1(name), QString::fromStdString(kurzform(start.c0)));
    case Anfangsart::datei:
    case Anfangsart::ergebnis: break;
    }
    return QStringLiteral("%1:%2").arg(QString::fromLatin1(name),
                                       start.profil ? QString::fromStdString(start.profil->quelle) : QString());
}

namespace {

const char* name_fuer(const Oberflaechenbeschreibung& b)
{
    return sprache::englisch_aktiv() ? b.englischer_name : b.name;
}

double startwert_c_s()
{
    Modell m;
    startwerte_setzen(m);
    return m.c_s.wert;
}

// Whether the surface passes anything: exchange through β = 0 does not.
bool offen(const Oberflaechenangabe& o)
{
    return o.art == Oberflaechenart::konzentration || (o.art == Oberflaechenart::austausch && o.beta > 0);
}

}  // namespace

QString oberflaechennamen()
{
    QStringList namen;
    for (const Oberflaechenbeschreibung& b : Oberflaechenarten) {
        QString name = QString::fromLatin1(name_fuer(b));
        if (b.art == Oberflaechenart::konzentration)
            name += QStringLiteral(":C");
        if (b.art == Oberflaechenart::austausch)
            name += QStringLiteral(":BETA,C");
        namen << name;
    }
    return namen.join(QLatin1Char('|'));
}

// A member's texts name their context themselves, as Werteliste's do.
void Oberflaechenliste::hinzu(const QString& text, const QString& option, bool ohne_wert_erlaubt)
{
    const qsizetype doppelpunkt = text.indexOf(QLatin1Char(':'));
    const QString name = (doppelpunkt < 0 ? text : text.left(doppelpunkt)).trimmed().toLower();
    const QString rest = doppelpunkt < 0 ? QString() : text.mid(doppelpunkt + 1);
    const auto b = std::find_if(Oberflaechenarten.begin(), Oberflaechenarten.end(), [&](const Oberflaechenbeschreibung& d) {
        return name == QLatin1String(d.name) || name == QLatin1String(d.englischer_name);
    });
    if (b == Oberflaechenarten.end())
        throw Eingabefehler{QCoreApplication::translate("kalvion::cli", "%1: \"%2\" ist keine Oberfläche; erlaubt sind %3")
                                .arg(option, text, oberflaechennamen())};
    const QString wertoption = option + QLatin1Char(' ') + name;
    Eintrag e;
    e.art = b->art;
    switch (b->art) {
    case Oberflaechenart::geschlossen:
        if (doppelpunkt >= 0)
            throw Eingabefehler{QCoreApplication::translate("kalvion::cli", "%1: \"%2\": %3 nimmt keinen Wert")
                                    .arg(option, text, QString::fromLatin1(name_fuer(*b)))};
        break;
    case Oberflaechenart::konzentration:
        if (doppelpunkt < 0 && ohne_wert_erlaubt) {
            e.ohne_wert = true;
            break;
        }
        if (rest.trimmed().isEmpty())
            throw Eingabefehler{QCoreApplication::translate("kalvion::cli",
                                                            "%1: \"%2\": die Randkonzentration fehlt, etwa %3:0")
                                    .arg(option, text, QString::fromLatin1(name_fuer(*b)))};
        e.erste = Werteliste::lesen(Feld::c_s, wertoption, rest);
        break;
    case Oberflaechenart::austausch: {
        const QStringList teile = rest.split(QLatin1Char(','));
        if (doppelpunkt < 0 || teile.size() != 2)
            throw Eingabefehler{QCoreApplication::translate("kalvion::cli",
                                                            "%1: \"%2\": %3 braucht BETA,C (β in cm/s und c_atm in "
                                                            "Mol%, je ein Wert oder ein Bereich), etwa %3:1e-5,0; "
                                                            "mehrere Werte: die Option noch einmal angeben")
                                    .arg(option, text, QString::fromLatin1(name_fuer(*b)))};
        e.erste = Werteliste::lesen(Feld::beta, wertoption + QStringLiteral(" BETA"), teile[0]);
        e.zweite = Werteliste::lesen(Feld::c_atm, wertoption + QStringLiteral(" C"), teile[1]);
        break;
    }
    }
    eintraege_.push_back(std::move(e));
}

void Oberflaechenliste::hinzu(const Oberflaechenangabe& oberflaeche)
{
    Eintrag e;
    e.art = oberflaeche.art;
    if (e.art == Oberflaechenart::konzentration)
        e.erste = Werteliste::einzeln(oberflaeche.c_s);
    if (e.art == Oberflaechenart::austausch) {
        e.erste = Werteliste::einzeln(oberflaeche.beta);
        e.zweite = Werteliste::einzeln(oberflaeche.c_atm);
    }
    eintraege_.push_back(std::move(e));
}

std::uint64_t Oberflaechenliste::Eintrag::anzahl() const
{
    const std::uint64_t a = erste ? erste->anzahl() : 1, b = zweite ? zweite->anzahl() : 1;
    return static_cast<std::uint64_t>(std::min<unsigned __int128>(static_cast<unsigned __int128>(a) * b, Hoechste_Anzahl));
}

std::uint64_t Oberflaechenliste::anzahl() const
{
    if (eintraege_.empty())
        return 1;
    std::uint64_t n = 0;
    for (const Eintrag& e : eintraege_)
        n = std::min(n + e.anzahl(), Hoechste_Anzahl);
    return n;
}

Oberflaechenangabe Oberflaechenliste::wert(std::uint64_t j) const
{
    for (const Eintrag& e : eintraege_) {
        if (j >= e.anzahl()) {
            j -= e.anzahl();
            continue;
        }
        Oberflaechenangabe o;
        o.art = e.art;
        const std::uint64_t innen = e.zweite ? e.zweite->anzahl() : 1;
        if (e.art == Oberflaechenart::konzentration)
            // Without a value, the fit's first guess is the start-up value.
            o.c_s = e.ohne_wert ? startwert_c_s() : e.erste->wert(j);
        if (e.art == Oberflaechenart::austausch) {
            o.beta = e.erste->wert(j / innen);
            o.c_atm = e.zweite->wert(j % innen);
        }
        return o;
    }
    return {};
}

bool Oberflaechenliste::randwert_gesucht() const
{
    return std::any_of(eintraege_.begin(), eintraege_.end(), [](const Eintrag& e) { return e.ohne_wert; });
}

std::vector<Abschnitt> Oberflaechenliste::abschnitte() const
{
    // β runs through a value or a range, so each entry opens or closes once at most.
    std::vector<Abschnitt> liste;
    std::uint64_t von = 0;
    for (const Eintrag& e : eintraege_) {
        liste.push_back({von, von + e.anzahl()});
        von += e.anzahl();
    }
    if (liste.empty())
        liste.push_back({0, 1});
    return liste;
}

std::pair<std::uint64_t, std::uint64_t> Oberflaechenliste::extreme(Abschnitt a) const
{
    std::uint64_t klein = a.von, gross = a.von;
    bool zu_gefunden = false, offen_gefunden = false;
    for (const Abschnitt& s : abschnitte()) {
        const std::uint64_t von = std::max(s.von, a.von), bis = std::min(s.bis, a.bis);
        // Within a piece the surface opens or closes once at most: its ends tell.
        for (const std::uint64_t j : {von, bis - 1}) {
            if (von >= bis)
                break;
            const bool ist_offen = offen(wert(j));
            if (ist_offen && !offen_gefunden) {
                gross = j;
                offen_gefunden = true;
            }
            if (!ist_offen && !zu_gefunden) {
                klein = j;
                zu_gefunden = true;
            }
        }
    }
    return {klein, gross};
}

QString als_option(const Oberflaechenangabe& o)
{
    const QString name = QString::fromLatin1(beschreibung(o.art).name);
    switch (o.art) {
    case Oberflaechenart::geschlossen: return name;
    case Oberflaechenart::konzentration: return QStringLiteral("%1:%2").arg(name, QString::fromStdString(kurzform(o.c_s)));
    case Oberflaechenart::austausch:
        return QStringLiteral("%1:%2,%3")
            .arg(name, QString::fromStdString(kurzform(o.beta)), QString::fromStdString(kurzform(o.c_atm)));
    }
    return name;
}

}  // namespace kalvion::cli
