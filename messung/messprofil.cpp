// SPDX-License-Identifier: GPL-3.0-or-later
#include "messprofil.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <optional>

namespace kalvion {

namespace {

QString entschluesseln(QByteArray inhalt)
{
    if (inhalt.startsWith("\xEF\xBB\xBF"))
        inhalt.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(inhalt);
    if (!utf8.hasError())
        return text;
    // Not UTF-8: the 8-bit code page the results file uses too.
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid())
        return ansi.decode(inhalt);
    return QString::fromLatin1(inhalt);
}

// A number with a decimal point, or with a decimal comma where the comma
// does not part the fields; the C library's locale plays no part.
std::optional<double> zahl(QString feld, bool komma_erlaubt)
{
    feld = feld.trimmed();
    if (komma_erlaubt && feld.count(QLatin1Char(',')) == 1 && !feld.contains(QLatin1Char('.')))
        feld.replace(QLatin1Char(','), QLatin1Char('.'));
    if (feld.startsWith(QLatin1Char('+')))
        feld.remove(0, 1);
    const QByteArray bytes = feld.toLatin1();
    if (bytes.isEmpty() || feld.size() != bytes.size() || bytes.front() == '+')
        return std::nullopt;
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), wert);
    if (fehler != std::errc{} || ende != bytes.data() + bytes.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

struct Zerlegung {
    QStringList felder;
    bool komma_erlaubt = true;
};

// The ways a line may be parted, the likeliest first.
std::vector<Zerlegung> zerlegungen(const QString& zeile)
{
    if (zeile.contains(QLatin1Char(';')))
        return {{zeile.split(QLatin1Char(';')), true}};
    if (zeile.contains(QLatin1Char('\t')))
        return {{zeile.split(QLatin1Char('\t')), true}};
    std::vector<Zerlegung> wege;
    wege.push_back({zeile.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts), true});
    if (zeile.contains(QLatin1Char(',')))
        wege.push_back({zeile.split(QLatin1Char(',')), false});
    return wege;
}

std::optional<Messpunkt> messpunkt(const QString& zeile)
{
    for (const Zerlegung& z : zerlegungen(zeile)) {
        if (z.felder.size() != 2)
            continue;
        const auto x = zahl(z.felder[0], z.komma_erlaubt);
        const auto c = zahl(z.felder[1], z.komma_erlaubt);
        if (x && c)
            return Messpunkt{*x, *c};
    }
    return std::nullopt;
}

// A header line names the columns: it holds a letter and does not begin with
// a number.
bool kopfzeile(const QString& zeile)
{
    bool buchstabe = false;
    for (const QChar c : zeile)
        buchstabe = buchstabe || c.isLetter();
    if (!buchstabe)
        return false;
    const Zerlegung erste = zerlegungen(zeile).front();
    return erste.felder.isEmpty() || !zahl(erste.felder.front(), erste.komma_erlaubt);
}

}  // namespace

Messlesung messprofil_lesen(const QByteArray& inhalt)
{
    Messlesung lesung;
    const QStringList zeilen = entschluesseln(inhalt).split(QLatin1Char('\n'));
    for (int n = 0; n < zeilen.size(); ++n) {
        QString zeile = zeilen[n];
        if (zeile.endsWith(QLatin1Char('\r')))
            zeile.chop(1);
        const QString inhalt_zeile = zeile.trimmed();
        if (inhalt_zeile.isEmpty() || inhalt_zeile.startsWith(QLatin1Char('#')))
            continue;
        if (const auto punkt = messpunkt(inhalt_zeile)) {
            lesung.profil.punkte.push_back(*punkt);
            lesung.profil.zeilen.push_back(n + 1);
            continue;
        }
        if (lesung.profil.punkte.empty() && kopfzeile(inhalt_zeile))
            continue;
        lesung.profil = {};
        lesung.fehler = QCoreApplication::translate("Messprofil",
                                                    "Zeile %1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n%2")
                            .arg(n + 1)
                            .arg(inhalt_zeile);
        return lesung;
    }
    const auto anzahl = lesung.profil.punkte.size();
    if (anzahl == 0) {
        lesung.fehler = QCoreApplication::translate("Messprofil", "Die Datei enthält keine Messpunkte.");
        return lesung;
    }
    if (anzahl < Messpunkte_min) {
        lesung.profil = {};
        lesung.fehler = QCoreApplication::translate("Messprofil", "Zu wenige Messpunkte: %1 (mindestens %2).")
                            .arg(anzahl)
                            .arg(Messpunkte_min);
        return lesung;
    }
    lesung.ok = true;
    return lesung;
}

Messlesung messprofil_laden(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        Messlesung lesung;
        lesung.fehler = QCoreApplication::translate("Messprofil", "Die Datei kann nicht gelesen werden:\n%1").arg(pfad);
        return lesung;
    }
    Messlesung lesung = messprofil_lesen(datei.readAll());
    if (lesung.ok)
        lesung.profil.dateiname = QFileInfo(pfad).fileName();
    return lesung;
}

QString messprofil_pruefen(const Messprofil& profil, double x_max, const QLocale& locale)
{
    // The first few by name; a scan of a longer path than the model's would
    // otherwise fill the screen.
    constexpr int Genannt = 10;
    QStringList ausserhalb;
    int weitere = 0;
    for (std::size_t i = 0; i < profil.punkte.size(); ++i) {
        const double x = profil.punkte[i].x;
        if (x >= 0 && x <= x_max)
            continue;
        if (ausserhalb.size() == Genannt) {
            ++weitere;
            continue;
        }
        ausserhalb << QCoreApplication::translate("Messprofil", "x = %1 µm (Zeile %2)")
                          .arg(locale.toString(x, 'g', QLocale::FloatingPointShortest))
                          .arg(profil.zeilen[i]);
    }
    if (ausserhalb.isEmpty())
        return {};
    if (weitere > 0)
        ausserhalb << QCoreApplication::translate("Messprofil", "… und %n weitere", nullptr, weitere);
    return QCoreApplication::translate("Messprofil", "Messpunkte außerhalb des Diffusionswegs 0 … %1 µm:\n%2")
        .arg(locale.toString(x_max, 'g', QLocale::FloatingPointShortest), ausserhalb.join(QStringLiteral("\n")));
}

}  // namespace kalvion
