// SPDX-License-Identifier: GPL-3.0-or-later
#include "werteliste.h"

#include <QCoreApplication>
#include <QStringList>
#include <charconv>
#include <climits>
#include <cmath>
#include <optional>

#include "eingabefehler.h"
#include "kurzform.h"
#include "uebersetzen.h"
#include "zahlen.h"

namespace kalvion::cli {

namespace {

const QLocale Kommandozeile = QLocale::c();

// A number as decimal digits: mantisse · 10^exponent.
struct Dezimal {
    __int128 mantisse = 0;
    long exponent = 0;
};

// Keeps every product and sum of the range arithmetic inside __int128.
constexpr __int128 Groesste_Mantisse = static_cast<__int128>(1000000000000000000LL) * 10000000000000000000ULL;  // 10^37

// The digits of a number that zahlen::lies has accepted (sign, digits with a
// point, exponent); nothing when it has more digits than can be counted on.
std::optional<Dezimal> dezimal(const QString& text)
{
    const QByteArray t = text.trimmed().toLatin1();
    qsizetype i = 0;
    bool negativ = false;
    if (t[i] == '-' || t[i] == '+')
        negativ = t[i++] == '-';
    Dezimal d;
    long nachkomma = 0;
    bool punkt = false;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        if (t[i] == '.') {
            punkt = true;
            continue;
        }
        const int ziffer = t[i] - '0';
        nachkomma += punkt;
        if (d.mantisse == 0 && ziffer == 0)
            continue;  // leading zeros carry no digit
        if (d.mantisse > Groesste_Mantisse / 10)
            return std::nullopt;
        d.mantisse = d.mantisse * 10 + ziffer;
    }
    long exponent = 0;
    if (i < t.size()) {
        ++i;
        if (i < t.size() && t[i] == '+')
            ++i;
        const auto [ende, fehler] = std::from_chars(t.data() + i, t.data() + t.size(), exponent);
        if (fehler != std::errc() || exponent < -100000 || exponent > 100000)
            return std::nullopt;
    }
    d.exponent = exponent - nachkomma;
    if (negativ)
        d.mantisse = -d.mantisse;
    return d;
}

// m · 10^stellen, when it stays within Groesste_Mantisse.
bool skaliere(__int128& m, long stellen)
{
    for (long k = 0; k < stellen && m != 0; ++k) {
        if (m > Groesste_Mantisse / 10 || m < -Groesste_Mantisse / 10)
            return false;
        m *= 10;
    }
    return true;
}

std::string ziffern(__int128 m)
{
    const bool negativ = m < 0;
    unsigned __int128 u = negativ ? -static_cast<unsigned __int128>(m) : static_cast<unsigned __int128>(m);
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(u % 10)));
        u /= 10;
    } while (u != 0);
    return negativ ? "-" + s : s;
}

QString ungueltig(const QString& option, const QString& wert, const Feldregel& r)
{
    return tr("%1: %2 liegt außerhalb des erlaubten Bereichs %3")
        .arg(option, wert, erlaubter_bereich(r));
}

// A number written correctly whose magnitude lies beyond a double is no
// typing slip: say which way it is out. Throws Eingabefehler for such a text.
void jenseits_double(const QString& option, const QString& text)
{
    QByteArray t = text.trimmed().toLatin1();
    if (t.startsWith('+'))
        t.remove(0, 1);
    if (t.isEmpty())
        return;
    double d = 0;
    const auto [dende, dfehler] = std::from_chars(t.constData(), t.constData() + t.size(), d);
    if (dfehler != std::errc::result_out_of_range || dende != t.constData() + t.size())
        return;
    // Only decimal numbers come this far; inf and nan are never out of range.
    long double l = 0;
    const auto [lende, lfehler] = std::from_chars(t.constData(), t.constData() + t.size(), l);
    const bool negativ = t.startsWith('-');
    const qsizetype e = std::max(t.lastIndexOf('e'), t.lastIndexOf('E'));
    const bool winzig = lfehler == std::errc() ? std::fabs(l) < 1 : (e >= 0 && t.mid(e + 1).startsWith('-'));
    if (winzig)
        throw Eingabefehler{tr("%1: \"%2\" ist zu klein (näher an 0 als die kleinste Zahl 5e-324)")
                                .arg(option, text)};
    throw Eingabefehler{negativ ? tr("%1: \"%2\" ist zu klein (die kleinste Zahl ist -1.7976931348623157e+308)")
                                      .arg(option, text)
                                : tr("%1: \"%2\" ist zu groß (die größte Zahl ist 1.7976931348623157e+308)")
                                      .arg(option, text)};
}

// A single value through the dialog's own check, read with a decimal point.
double lies_wert(const Feldregel& r, const QString& option, const QString& text)
{
    if (const std::optional<double> v = zahlen::lies(text, Kommandozeile); v && im_bereich(r, *v))
        return *v;
    jenseits_double(option, text);
    if (!zahlen::lies(text, Kommandozeile))
        throw Eingabefehler{tr("%1: \"%2\" ist keine Zahl (Zahlen mit Dezimalpunkt, zum Beispiel 1.5)")
                                .arg(option, text)};
    throw Eingabefehler{ungueltig(option, text, r)};
}

}  // namespace

QString erlaubter_bereich(const Feldregel& r)
{
    const QString unten = zahlen::allgemein(r.untergrenze, Kommandozeile);
    if (!r.obergrenze)
        return tr("Wert %1 %2").arg(r.untergrenze_erlaubt ? QStringLiteral("≥") : QStringLiteral(">"), unten);
    QString text = tr("%1 %2 Wert ≤ %3")
                       .arg(unten, r.untergrenze_erlaubt ? QStringLiteral("≤") : QStringLiteral("<"),
                            zahlen::allgemein(*r.obergrenze, Kommandozeile));
    if (r.gerundet)
        text += tr(" (die Obergrenze nach dem Runden)");
    return text;
}

Werteliste Werteliste::einzeln(double wert)
{
    Werteliste w;
    Stueck s;
    s.einzelwert = wert;
    w.stuecke_.push_back(s);
    w.anzahl_ = 1;
    return w;
}

Werteliste Werteliste::lesen(Feld feld, const QString& option, const QString& text)
{
    return lesen(regel(feld), option, text);
}

// A member's texts name their context themselves: a tr() in here would be
// looked for in "kalvion::cli::Werteliste".
Werteliste Werteliste::lesen(const Feldregel& r, const QString& option, const QString& text)
{
    if (text.trimmed().isEmpty())
        throw Eingabefehler{QCoreApplication::translate("kalvion::cli",
                                                        "%1: leere Angabe; erwartet wird ein Wert, eine Liste wie "
                                                        "1000,1050,1100 oder ein Bereich wie 1000:1200:50")
                                .arg(option)};
    Werteliste w;
    for (const QString& eintrag : text.split(QLatin1Char(','))) {
        if (eintrag.trimmed().isEmpty())
            throw Eingabefehler{
                QCoreApplication::translate("kalvion::cli", "%1: leerer Eintrag in der Liste \"%2\"").arg(option, text)};
        const Stueck s = lies_stueck(r, option, eintrag.trimmed());
        w.stuecke_.push_back(s);
        w.anzahl_ = std::min(w.anzahl_ + s.anzahl, Hoechste_Anzahl);
    }
    return w;
}

Werteliste::Stueck Werteliste::lies_stueck(const Feldregel& r, const QString& option, const QString& text)
{
    Stueck s;
    if (!text.contains(QLatin1Char(':'))) {
        s.einzelwert = lies_wert(r, option, text);
        return s;
    }
    const QStringList teile = text.split(QLatin1Char(':'));
    if (teile.size() != 3)
        throw Eingabefehler{QCoreApplication::translate("kalvion::cli",
                                                        "%1: \"%2\" ist kein Bereich; ein Bereich ist "
                                                        "Anfang:Ende:Schritt, zum Beispiel 1000:1200:50")
                                .arg(option, text)};
    Dezimal d[3];
    for (int k = 0; k < 3; ++k) {
        const QString teil = teile[k].trimmed();
        if (!zahlen::lies(teil, Kommandozeile)) {
            jenseits_double(option, teil);
            throw Eingabefehler{
                QCoreApplication::translate("kalvion::cli", "%1: \"%2\" im Bereich \"%3\" ist keine Zahl (Zahlen mit "
                                                            "Dezimalpunkt, zum Beispiel 1.5)")
                    .arg(option, teil, text)};
        }
        const std::optional<Dezimal> z = dezimal(teil);
        if (!z)
            throw Eingabefehler{QCoreApplication::translate(
                                    "kalvion::cli", "%1: der Bereich \"%2\" hat zu viele Stellen, um ihn genau zu zählen")
                                    .arg(option, text)};
        d[k] = *z;
    }
    // All three on the finest exponent among them; a zero has none of its own.
    long exponent = LONG_MAX;
    for (const Dezimal& z : d)
        if (z.mantisse != 0)
            exponent = std::min(exponent, z.exponent);
    for (Dezimal& z : d)
        if (z.mantisse != 0 && !skaliere(z.mantisse, z.exponent - exponent))
            throw Eingabefehler{QCoreApplication::translate(
                                    "kalvion::cli", "%1: der Bereich \"%2\" hat zu viele Stellen, um ihn genau zu zählen")
                                    .arg(option, text)};
    const __int128 anfang = d[0].mantisse, ende = d[1].mantisse, schritt = d[2].mantisse;
    if (schritt == 0)
        throw Eingabefehler{
            QCoreApplication::translate("kalvion::cli", "%1: der Bereich \"%2\" hat die Schrittweite 0").arg(option, text)};
    const __int128 abstand = ende - anfang;
    if (abstand != 0 && (abstand > 0) != (schritt > 0))
        throw Eingabefehler{QCoreApplication::translate(
                                "kalvion::cli", "%1: der Bereich \"%2\" kommt mit der Schrittweite %3 nie von %4 nach %5")
                                .arg(option, text, teile[2].trimmed(), teile[0].trimmed(), teile[1].trimmed())};
    const __int128 anzahl = abstand / schritt + 1;

    s.bereich = true;
    s.anfang = anfang;
    s.schritt = schritt;
    s.exponent = static_cast<int>(exponent == LONG_MAX ? 0 : exponent);
    s.anzahl = anzahl > static_cast<__int128>(Hoechste_Anzahl) ? Hoechste_Anzahl : static_cast<std::uint64_t>(anzahl);
    // The members lie between the first and the last, and every rule is an
    // interval: checking those two checks them all.
    const Stueck letzter{1, 0, true, anfang + (anzahl - 1) * schritt, 0, s.exponent};
    for (const double v : {bereichswert(s, 0), bereichswert(letzter, 0)})
        if (!im_bereich(r, v))
            throw Eingabefehler{ungueltig(option, QString::fromStdString(kurzform(v)), r)};
    return s;
}

double Werteliste::bereichswert(const Stueck& s, std::uint64_t j)
{
    const std::string text = ziffern(s.anfang + static_cast<__int128>(j) * s.schritt) + "e" + kurzform(std::int64_t{s.exponent});
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

double Werteliste::wert(std::uint64_t j) const
{
    for (const Stueck& s : stuecke_) {
        if (j < s.anzahl)
            return s.bereich ? bereichswert(s, j) : s.einzelwert;
        j -= s.anzahl;
    }
    return stuecke_.empty() ? 0.0 : stuecke_.back().einzelwert;
}

std::vector<Abschnitt> Werteliste::abschnitte() const
{
    std::vector<Abschnitt> liste;
    std::uint64_t von = 0;
    for (const Stueck& s : stuecke_) {
        liste.push_back({von, von + s.anzahl});
        von += s.anzahl;
    }
    return liste;
}

std::pair<std::uint64_t, std::uint64_t> Werteliste::extreme(Abschnitt a) const
{
    std::uint64_t klein = a.von, gross = a.von;
    double kleinster = wert(a.von), groesster = kleinster;
    std::uint64_t anfang = 0;
    for (const Stueck& s : stuecke_) {
        const std::uint64_t von = std::max(anfang, a.von), bis = std::min(anfang + s.anzahl, a.bis);
        // Monotone within a piece: its extremes lie at the ends.
        for (const std::uint64_t j : {von, bis - 1}) {
            if (von >= bis)
                break;
            const double v = s.bereich ? bereichswert(s, j - anfang) : s.einzelwert;
            if (v < kleinster) {
                kleinster = v;
                klein = j;
            }
            if (v > groesster) {
                groesster = v;
                gross = j;
            }
        }
        anfang += s.anzahl;
    }
    return {klein, gross};
}

}  // namespace kalvion::cli
