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

}  // namespace kalvion::cli
