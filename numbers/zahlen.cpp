// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahlen.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace kalvion::zahlen {

namespace {

// Formats like printf in the C locale, whatever locale the process runs in
// (QApplication hands the user's LC_NUMERIC to the C library), then puts in
// the locale's decimal separator and an upper-case exponent letter.
QString druckbar(double wert, std::chars_format format, int stellen, const QLocale& locale)
{
    char puffer[400];  // "%.0f" of 1e300 has 301 digits
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert, format, stellen);
    if (fehler != std::errc())
        return QStringLiteral("?");
    QString s = QString::fromLatin1(puffer, ende - puffer);
    s.replace(QLatin1Char('e'), QLatin1Char('E'));
    s.replace(QLatin1Char('.'), locale.decimalPoint());
    return s;
}

}  // namespace

std::optional<double> lies(const QString& text, const QLocale& locale)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 400)
        return std::nullopt;

    const QString dezimal = locale.decimalPoint();
    QString minus = locale.negativeSign();
    QString plus = locale.positiveSign();

    // Build a plain C-locale string from an exact match of the grammar.
    QByteArray c;
    qsizetype i = 0;
    auto folgt = [&](const QString& s) { return !s.isEmpty() && t.mid(i, s.size()) == s; };
    auto ziffern = [&] {
        qsizetype n = 0;
        while (i < t.size() && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
            c.append(static_cast<char>(t[i].unicode()));
            ++i;
            ++n;
        }
        return n;
    };
    auto vorzeichen = [&] {
        if (t[i] == QLatin1Char('-') || folgt(minus)) {
            c.append('-');
            i += t[i] == QLatin1Char('-') ? 1 : minus.size();
        } else if (t[i] == QLatin1Char('+') || folgt(plus)) {
            i += t[i] == QLatin1Char('+') ? 1 : plus.size();
        }
    };

    vorzeichen();
    qsizetype mantisse = ziffern();
    if (folgt(dezimal)) {
        i += dezimal.size();
        c.append('.');
        mantisse += ziffern();
    }
    if (mantisse == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        ++i;
        c.append('e');
        if (i < t.size())
            vorzeichen();
        if (ziffern() == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;

    // from_chars ignores the C library's locale, unlike strtod.
    double v = 0;
    const auto [ende, fehler] = std::from_chars(c.constData(), c.constData() + c.size(), v);
    if (fehler != std::errc() || ende != c.constData() + c.size() || !std::isfinite(v))
        return std::nullopt;
    return v == 0 ? 0.0 : v;  // "-0" reads as 0
}

QString festkomma(double wert, int nachkommastellen, const QLocale& locale)
{
    return druckbar(wert, std::chars_format::fixed, nachkommastellen, locale);
}

QString exponentform(double wert, const QLocale& locale)
{
    return druckbar(wert, std::chars_format::scientific, 4, locale);
}

QString allgemein(double wert, const QLocale& locale, int stellen)
{
    if (wert == 0)
        return QStringLiteral("0");
    return druckbar(wert, std::chars_format::general, stellen, locale);
}

QString ganzzahl(double wert, const QLocale& locale)
{
    if (std::fabs(wert) < 1e15)
        return druckbar(wert, std::chars_format::fixed, 0, locale);
    return allgemein(wert, locale);
}

QString molprozent(double wert, const QLocale& locale)
{
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    return allgemein(std::nearbyint(wert * 100) / 100, locale);
}

QString kuerzeste_form(double wert, const QLocale& locale)
{
    // to_chars knows no locale: its shortest round-trip form has a '.' at most.
    char puffer[32];  // the longest shortest double is 24 characters
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    QString text = QString::fromLatin1(puffer, fehler == std::errc() ? ende - puffer : 0);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

QString druckform(double wert, const QLocale& locale)
{
    const QString zahl = allgemein(std::fabs(wert), locale);
    return (wert < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + zahl + QLatin1Char(' ');
}

}  // namespace kalvion::zahlen
