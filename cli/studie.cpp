// SPDX-License-Identifier: GPL-3.0-or-later
#include "studie.h"

#include <QStringList>
#include <algorithm>
#include <charconv>

#include "eingabefehler.h"
#include "kurzform.h"
#include "modell.h"
#include "sprache.h"
#include "uebersetzen.h"
#include "zahlen.h"

namespace kalvion::cli {

Studie Studie::startwerte()
{
    Modell m;
    startwerte_setzen(m);
    Studie s;
    s.modelle = {m.Geometrie};
    for (Feld f : Alle_Felder) {
        const Feldregel& r = regel(f);
        s.listen[static_cast<int>(f)] = Werteliste::einzeln(r.ziel ? (m.*r.ziel).wert : m.i_Diff);
    }
    return s;
}

std::uint64_t Studie::anzahl() const
{
    unsigned __int128 n = modelle.size();
    for (const Werteliste& l : listen)
        n = std::min<unsigned __int128>(n * l.anzahl(), Hoechste_Anzahl);
    n = std::min<unsigned __int128>(n * anfaenge.anzahl(), Hoechste_Anzahl);
    n = std::min<unsigned __int128>(n * oberflaechen.anzahl(), Hoechste_Anzahl);
    for (const auto* l : {&halten, &rate})
        if (*l)
            n = std::min<unsigned __int128>(n * (*l)->anzahl(), Hoechste_Anzahl);
    return static_cast<std::uint64_t>(n);
}

Lauf Studie::lauf(std::uint64_t index) const
{
    // Mixed radix, the last field the lowest digit; a programme's rate and
    // hold below it.
    Lauf l;
    if (programm) {
        std::optional<double> r, h;
        if (rate) {
            r = rate->wert(index % rate->anzahl());
            index /= rate->anzahl();
        }
        if (halten) {
            h = halten->wert(index % halten->anzahl());
            index /= halten->anzahl();
        }
        l.programm = programm_fuer(*programm, h, r);
    }
    l.oberflaeche = oberflaechen.wert(index % oberflaechen.anzahl());
    index /= oberflaechen.anzahl();
    l.anfang = anfaenge.wert(index % anfaenge.anzahl());
    index /= anfaenge.anzahl();
    for (int f = static_cast<int>(listen.size()) - 1; f >= 0; --f) {
        const std::uint64_t n = listen[f].anzahl();
        l.werte[f] = listen[f].wert(index % n);
        index /= n;
    }
    l.geometrie = modelle[index % modelle.size()];
    return l;
}

Programmeingabe programm_fuer(const Programmeingabe& vorlage, std::optional<double> halten, std::optional<double> rate)
{
    Programmeingabe e = vorlage;
    const QLocale& c = QLocale::c();
    int hoechstes = -1;
    double hoechste = -1, vorher = zahlen::lies(e.start, c).value_or(0);
    for (int i = 0; i < e.zeilen.size(); ++i) {
        const double ziel = zahlen::lies(e.zeilen[i].ziel, c).value_or(0);
        if (ziel > hoechste) {
            hoechste = ziel;
            hoechstes = i;
        }
        if (rate && ziel > vorher)
            e.zeilen[i].rate = QString::fromStdString(kurzform(*rate));
        vorher = ziel;
    }
    if (halten && hoechstes >= 0)
        e.zeilen[hoechstes].halten = QString::fromStdString(kurzform(*halten));
    return e;
}

const Feldregel& halteregel()
{
    return regel(Feld::Sinterzeit);
}

const Feldregel& rateregel()
{
    static const Feldregel r = [] {
        Feldregel r = regel(Feld::x_max);  // 0 < v, no upper bound
        r.obergrenze.reset();
        return r;
    }();
    return r;
}

QString als_optionen(const Lauf& lauf)
{
    QString text = QStringLiteral("--%1 %2").arg(QString::fromLatin1(Modelloption),
                                                 QString::fromLatin1(beschreibung(lauf.geometrie).name));
    for (const Feldregel& r : Feldtabelle)
        text += QStringLiteral(" --%1 %2").arg(QString::fromLatin1(r.option),
                                               QString::fromStdString(kurzform(lauf.wert(r.feld))));
    if (lauf.anfang.art != Anfangsart::stufe)
        text += QStringLiteral(" --%1 %2").arg(QString::fromLatin1(Startoption), als_option(lauf.anfang));
    if (lauf.oberflaeche.art != Oberflaechenart::geschlossen)
        text += QStringLiteral(" --%1 %2").arg(QString::fromLatin1(Oberflaechenoption), als_option(lauf.oberflaeche));
    if (lauf.programm)
        text += QStringLiteral(" (%1)").arg(programmzeile(*lauf.programm, QLocale::c()));
    return text;
}

QString modellwort(const Geometriebeschreibung& g)
{
    return QString::fromLatin1(sprache::englisch_aktiv() ? g.englischer_name : g.name);
}

QString modellnamen()
{
    QStringList namen;
    for (const Geometriebeschreibung& g : Geometrien) {
        QString name = modellwort(g);
        // The dialog's spelling is German; the English list keeps to English names.
        if (!sprache::englisch_aktiv() && qstrcmp(g.name, g.anzeigename) != 0)
            name += tr(" (oder %1)").arg(QString::fromUtf8(g.anzeigename));
        namen << name;
    }
    const QString letzter = namen.takeLast();
    return namen.join(QStringLiteral(", ")) + tr(" und ") + letzter;
}

std::vector<Geometrie> lies_modelle(const QString& option, const QString& text)
{
    std::vector<Geometrie> modelle;
    for (const QString& eintrag : text.split(QLatin1Char(','))) {
        const QString name = eintrag.trimmed().toLower();
        const auto g = std::find_if(Geometrien.begin(), Geometrien.end(), [&](const Geometriebeschreibung& b) {
            return name == QString::fromLatin1(b.name) || name == QString::fromLatin1(b.englischer_name) ||
                   name == QString::fromUtf8(b.anzeigename);
        });
        if (g == Geometrien.end())
            throw Eingabefehler{tr("%1: \"%2\" ist kein Modell; erlaubt sind %3, auch als Liste %4,%5")
                                    .arg(option, eintrag.trimmed(), modellnamen(),
                                         modellwort(Geometrien.front()), modellwort(Geometrien.back()))};
        modelle.push_back(g->geometrie);
    }
    return modelle;
}

namespace {

std::optional<std::uint64_t> ganze_zahl(const QString& text)
{
    const QByteArray t = text.trimmed().toLatin1();
    std::uint64_t n = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (t.isEmpty() || fehler != std::errc() || ende != t.data() + t.size())
        return std::nullopt;
    return n;
}

}  // namespace

Teil lies_teil(const QString& option, const QString& text)
{
    const QStringList teile = text.split(QLatin1Char('/'));
    const auto k = teile.size() == 2 ? ganze_zahl(teile[0]) : std::nullopt;
    const auto n = teile.size() == 2 ? ganze_zahl(teile[1]) : std::nullopt;
    if (!k || !n || *k < 1 || *k > *n)
        throw Eingabefehler{tr("%1: \"%2\" ist kein Teil; erwartet wird K/N mit 1 ≤ K ≤ N, zum Beispiel 3/10")
                                .arg(option, text)};
    return {*k, *n};
}

Laufbereich teilbereich(std::uint64_t anzahl, Teil teil)
{
    auto grenze = [&](std::uint64_t k) {
        return static_cast<std::uint64_t>(static_cast<unsigned __int128>(anzahl) * k / teil.n);
    };
    return {grenze(teil.k - 1), grenze(teil.k)};
}

}  // namespace kalvion::cli
