// SPDX-License-Identifier: GPL-3.0-or-later
#include "laufhinweise.h"

#include <QCoreApplication>

#include <cmath>

#include "zahlen.h"
#include "zeitschritte.h"

namespace kalvion {

namespace {

// "etwa 3 Stunden": the count in the locale, the words in the UI language
// (German picks its singular itself, English by the count).
QString etwa(double anzahl, const char* mehrzahl, const char* einzahl, const QLocale& locale)
{
    const char* text = anzahl == 1 && einzahl ? einzahl : mehrzahl;
    const int form = static_cast<int>(std::min(anzahl, 1e9));
    return QCoreApplication::translate("Dauer", text, nullptr, form).arg(zahlen::ganzzahl(anzahl, locale));
}

}  // namespace

QString dauertext(double sekunden, const QLocale& locale)
{
    // Each unit is chosen after rounding, so 59.6 s reads "etwa 1 min", not "etwa 60 s".
    const double s = std::max(sekunden, 0.0);
    if (const double n = std::round(s); n < 60)
        return etwa(std::max(n, 1.0), QT_TRANSLATE_N_NOOP("Dauer", "etwa %1 s"), nullptr, locale);
    if (const double n = std::round(s / 60); n < 60)
        return etwa(n, QT_TRANSLATE_N_NOOP("Dauer", "etwa %1 min"), nullptr, locale);
    if (const double n = std::round(s / 3600); n < 48)
        return etwa(n, QT_TRANSLATE_N_NOOP("Dauer", "etwa %1 Stunden"), QT_TRANSLATE_N_NOOP("Dauer", "etwa %1 Stunde"),
                    locale);
    if (const double n = std::round(s / 86400); n < 365)
        return etwa(n, QT_TRANSLATE_N_NOOP("Dauer", "etwa %1 Tage"), nullptr, locale);
    return etwa(std::max(std::round(s / (365.25 * 86400)), 1.0), QT_TRANSLATE_N_NOOP("Dauer", "etwa %1 Jahre"),
                QT_TRANSLATE_N_NOOP("Dauer", "etwa %1 Jahr"), locale);
}

QString frage_langer_lauf(double sekunden, const QLocale& locale, bool mit_sprung)
{
    if (!mit_sprung)
        return QCoreApplication::translate("Laufhinweise",
                                           "Die Berechnung dauert voraussichtlich %1.\nMit Austausch an der Oberfläche "
                                           "wird ein Temperaturprogramm Schritt für Schritt gerechnet. Trotzdem "
                                           "rechnen?")
            .arg(dauertext(sekunden, locale));
    return QCoreApplication::translate("Laufhinweise", "Die Berechnung dauert voraussichtlich %1.\nSchnell rechnen (nach "
                                                       "Schritt 1000 in einem Sprung, sofort fertig) oder schrittweise?")
        .arg(dauertext(sekunden, locale));
}

QStringList knoepfe_langer_lauf(bool mit_sprung)
{
    QStringList knoepfe{QCoreApplication::translate("Laufhinweise", "&Schnell rechnen"),
                        QCoreApplication::translate("Laufhinweise", "Sch&rittweise"),
                        QCoreApplication::translate("Laufhinweise", "&Abbrechen")};
    if (!mit_sprung)
        knoepfe.removeFirst();
    return knoepfe;
}

Antwort_langer_lauf antwort_langer_lauf(int knopf, bool mit_sprung)
{
    const int antwort = mit_sprung ? knopf : knopf + 1;
    return antwort == Schnell_rechnen ? Schnell_rechnen : antwort == Schrittweise ? Schrittweise : Nicht_starten;
}

double restzeit(double geschaetzt, double vergangen, int prozent)
{
    if (prozent <= 0)
        return std::max(geschaetzt - vergangen, 0.0);
    return vergangen * (100 - prozent) / prozent;
}

QString prozentanzeige(int prozent)
{
    return QStringLiteral("%1  %").arg(prozent);
}

QString fortschrittsanzeige(int prozent, double geschaetzt, double vergangen, const QLocale& locale)
{
    if (prozent >= 100)
        return prozentanzeige(prozent);
    return prozentanzeige(prozent) + QCoreApplication::translate("Laufhinweise", "   noch %1").arg(dauertext(restzeit(geschaetzt, vergangen, prozent), locale));
}

QString schrittzahl_abgelehnt(double schritte, const QLocale& locale)
{
    const QString rat = QCoreApplication::translate("Laufhinweise", " Bitte eine kürzere Sinterzeit oder einen längeren Diffusionsweg wählen.");
    if (std::isnan(schritte))
        return QCoreApplication::translate("Laufhinweise", "Die Zahl der Zeitschritte lässt sich für diese Parameter nicht bestimmen.") + rat;
    if (std::isinf(schritte))
        return QCoreApplication::translate("Laufhinweise", "Die Berechnung bräuchte unendlich viele Zeitschritte.") + rat;
    // Every digit, as far as a 64-bit count reaches: a rounded general form
    // could read as if the count were within the limit.
    QLocale ohne_gruppen = locale;
    ohne_gruppen.setNumberOptions(QLocale::OmitGroupSeparator);
    auto ganz = [&](double n) {
        return n < 18446744073709551616.0 ? ohne_gruppen.toString(static_cast<qulonglong>(n))
                                          : zahlen::ganzzahl(n, locale);
    };
    return QCoreApplication::translate("Laufhinweise", "Die Berechnung bräuchte %1 Zeitschritte, mehr als das "
                                                       "Programm zählen kann (höchstens %2).")
               .arg(ganz(schritte), ganz(Groesste_Schrittzahl)) +
           rat;
}

}  // namespace kalvion
