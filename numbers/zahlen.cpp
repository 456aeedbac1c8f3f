#include "zahlen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kalvion::zahlen {

namespace {

// Replaces the C decimal point of a printf result with the locale's separator.
QString mit_dezimaltrenner(const char* c_text, const QLocale& locale)
{
    QString s = QString::fromLatin1(c_text);
    s.replace(QLatin1Char('.'), locale.decimalPoint());
    return s;
}

QString druckbar(const char* format, double wert, const QLocale& locale)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, wert);
    return mit_dezimaltrenner(puffer, locale);
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

    const double v = std::strtod(c.constData(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v == 0 ? 0.0 : v;  // "-0" reads as 0
}

QString festkomma(double wert, int nachkommastellen, const QLocale& locale)
{
    const QByteArray format = "%." + QByteArray::number(nachkommastellen) + "f";
    return druckbar(format.constData(), wert, locale);
}

QString exponentform(double wert, const QLocale& locale)
{
    return druckbar("%.4E", wert, locale);
}

QString allgemein(double wert, const QLocale& locale)
{
    if (wert == 0)
        return QStringLiteral("0");
    return druckbar("%.15G", wert, locale);
}

QString ganzzahl(double wert, const QLocale& locale)
{
    if (std::fabs(wert) < 1e15)
        return druckbar("%.0f", wert, locale);
    return allgemein(wert, locale);
}

QString molprozent(double wert, const QLocale& locale)
{
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    return allgemein(std::nearbyint(wert * 100) / 100, locale);
}

QString druckform(double wert, const QLocale& locale)
{
    const QString zahl = allgemein(std::fabs(wert), locale);
    return (wert < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + zahl + QLatin1Char(' ');
}

}  // namespace kalvion::zahlen
