#include "laufhinweise.h"

#include <cmath>

#include "zahlen.h"
#include "zeitschritte.h"

namespace kalvion {

namespace {

QString etwa(double anzahl, const char* einheit, const char* einzahl, const QLocale& locale)
{
    const QString wort = QString::fromUtf8(anzahl == 1 && einzahl ? einzahl : einheit);
    return QStringLiteral("etwa ") + zahlen::ganzzahl(anzahl, locale) + QLatin1Char(' ') + wort;
}

}  // namespace

QString dauertext(double sekunden, const QLocale& locale)
{
    // Each unit is chosen after rounding, so 59.6 s reads "etwa 1 min", not "etwa 60 s".
    const double s = std::max(sekunden, 0.0);
    if (const double n = std::round(s); n < 60)
        return etwa(std::max(n, 1.0), "s", nullptr, locale);
    if (const double n = std::round(s / 60); n < 60)
        return etwa(n, "min", nullptr, locale);
    if (const double n = std::round(s / 3600); n < 48)
        return etwa(n, "Stunden", "Stunde", locale);
    if (const double n = std::round(s / 86400); n < 365)
        return etwa(n, "Tage", nullptr, locale);
    return etwa(std::max(std::round(s / (365.25 * 86400)), 1.0), "Jahre", "Jahr", locale);
}

QString frage_langer_lauf(double sekunden, const QLocale& locale)
{
    return QStringLiteral("Die Berechnung dauert voraussichtlich ") + dauertext(sekunden, locale) +
           QStringLiteral(".\nSchnell rechnen (nach Schritt 1000 in einem Sprung, sofort fertig) oder schrittweise?");
}

QStringList knoepfe_langer_lauf()
{
    return {QStringLiteral("Schnell rechnen"), QStringLiteral("Schrittweise"), QStringLiteral("Abbrechen")};
}

double restzeit(double geschaetzt, double vergangen, int prozent)
{
    if (prozent <= 0)
        return std::max(geschaetzt - vergangen, 0.0);
    return vergangen * (100 - prozent) / prozent;
}

QString fortschrittsanzeige(const QString& prozenttext, double geschaetzt, double vergangen, const QLocale& locale)
{
    // The engine's text begins with the whole percent ("47  %").
    const int prozent = prozenttext.section(QLatin1Char(' '), 0, 0).toInt();
    if (prozent >= 100)
        return prozenttext;
    return prozenttext + QStringLiteral("   noch ") + dauertext(restzeit(geschaetzt, vergangen, prozent), locale);
}

QString schrittzahl_abgelehnt(double schritte, const QLocale& locale)
{
    const QString rat = QStringLiteral(" Bitte eine kürzere Sinterzeit oder einen längeren Diffusionsweg wählen.");
    if (std::isnan(schritte))
        return QStringLiteral("Die Zahl der Zeitschritte lässt sich für diese Parameter nicht bestimmen.") + rat;
    if (std::isinf(schritte))
        return QStringLiteral("Die Berechnung bräuchte unendlich viele Zeitschritte.") + rat;
    // Every digit, as far as a 64-bit count reaches: a rounded general form
    // could read as if the count were within the limit.
    QLocale ohne_gruppen = locale;
    ohne_gruppen.setNumberOptions(QLocale::OmitGroupSeparator);
    auto ganz = [&](double n) {
        return n < 18446744073709551616.0 ? ohne_gruppen.toString(static_cast<qulonglong>(n))
                                          : zahlen::ganzzahl(n, locale);
    };
    return QStringLiteral("Die Berechnung bräuchte ") + ganz(schritte) +
           QStringLiteral(" Zeitschritte, mehr als das Programm zählen kann (höchstens ") +
           ganz(Groesste_Schrittzahl) + QStringLiteral(").") + rat;
}

}  // namespace kalvion
