// SPDX-License-Identifier: GPL-3.0-or-later
#include "programmeingabe.h"

#include <QCoreApplication>
#include <QStringList>

#include "feldpruefung.h"
#include "zahlen.h"

namespace kalvion {

namespace {

constexpr double Hoechste_Temperatur = 10000;  // °C, as the temperature field
constexpr double Hoechste_Dauer = 10000;       // h, as the time field

// How the line the record keeps (and the curve table writes) begins, the
// same in every language.
const QString Programmzeilenanfang = QStringLiteral("Programm: ");

// A text that is no number in the locale but one with the other decimal
// sign ("2.5" under German numbers): as the locale would write it.
std::optional<QString> mit_eigenem_zeichen(const QString& text, const QLocale& locale)
{
    const QString eigen = locale.decimalPoint();
    const QString anders = eigen == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
    if (!text.contains(anders) || zahlen::lies(text, locale))
        return std::nullopt;
    QString umgeschrieben = text.trimmed();
    umgeschrieben.replace(anders, eigen);
    if (!zahlen::lies(umgeschrieben, locale))
        return std::nullopt;
    return umgeschrieben;
}

std::optional<double> temperatur(const QString& text, const QLocale& locale)
{
    const auto v = zahlen::lies(text, locale);
    if (v && *v >= 0 && *v <= Hoechste_Temperatur)
        return v;
    return std::nullopt;
}

}  // namespace

bool ist_sofort(const QString& rate)
{
    const QString r = rate.trimmed();
    return r.compare(Rate_sofort, Qt::CaseInsensitive) == 0 || r.compare(Rate_sofort_englisch, Qt::CaseInsensitive) == 0;
}

QString sofort_text()
{
    return QCoreApplication::translate("Programm", "sofort");
}

QString programmfehlertext(Programmfehler art, int zeile)
{
    switch (art) {
    case Programmfehler::keiner: return {};
    case Programmfehler::starttemperatur:
        return QCoreApplication::translate("Programm", "Starttemperatur: 0 bis 10000 °C erlaubt.");
    case Programmfehler::kein_segment:
        return QCoreApplication::translate("Programm", "Das Programm hat noch kein Segment.");
    case Programmfehler::zu_viele_segmente:
        return QCoreApplication::translate("Programm", "Höchstens %1 Segmente erlaubt.").arg(Hoechste_Segmentzahl);
    case Programmfehler::rate:
        return QCoreApplication::translate("Programm", "Zeile %1, Rate: größer als 0 K/min oder „sofort“.")
            .arg(zeile + 1);
    case Programmfehler::ziel:
        return QCoreApplication::translate("Programm", "Zeile %1, Ziel: 0 bis 10000 °C erlaubt.").arg(zeile + 1);
    case Programmfehler::halten:
        return QCoreApplication::translate("Programm", "Zeile %1, Halten: 0 bis 10000 h erlaubt.").arg(zeile + 1);
    case Programmfehler::gesamtdauer:
        return QCoreApplication::translate("Programm",
                                           "Die Gesamtdauer muss größer als 0 und höchstens 10000 h sein.");
    }
    return {};
}

QString dezimalzeichentext(Programmfehler art, int zeile, const QString& getippt, const QString& richtig)
{
    switch (art) {
    case Programmfehler::starttemperatur:
        return QCoreApplication::translate("Programm", "Starttemperatur: „%1“ hat das falsche Dezimalzeichen (hier: %2).")
            .arg(getippt, richtig);
    case Programmfehler::rate:
        return QCoreApplication::translate("Programm", "Zeile %1, Rate: „%2“ hat das falsche Dezimalzeichen (hier: %3).")
            .arg(zeile + 1)
            .arg(getippt, richtig);
    case Programmfehler::ziel:
        return QCoreApplication::translate("Programm", "Zeile %1, Ziel: „%2“ hat das falsche Dezimalzeichen (hier: %3).")
            .arg(zeile + 1)
            .arg(getippt, richtig);
    case Programmfehler::halten:
        return QCoreApplication::translate("Programm",
                                           "Zeile %1, Halten: „%2“ hat das falsche Dezimalzeichen (hier: %3).")
            .arg(zeile + 1)
            .arg(getippt, richtig);
    default:
        return programmfehlertext(art, zeile);
    }
}

Programmlesung programm_lesen(const Programmeingabe& e, const QLocale& locale)
{
    Programmlesung l;
    // `text`, where given, is the cell's: a number with the other decimal sign
    // is named as such, not as a value outside the range.
    auto fehler = [&l, &locale](Programmfehler art, int zeile = -1, const QString* text = nullptr) {
        l.art = art;
        l.zeile = zeile;
        const std::optional<QString> richtig = text ? mit_eigenem_zeichen(*text, locale) : std::nullopt;
        l.fehler = richtig ? dezimalzeichentext(art, zeile, text->trimmed(), *richtig) : programmfehlertext(art, zeile);
        return l;
    };
    Temperaturprogramm p;
    const auto start = temperatur(e.start, locale);
    if (!start)
        return fehler(Programmfehler::starttemperatur, -1, &e.start);
    p.start = *start;
    if (e.zeilen.isEmpty())
        return fehler(Programmfehler::kein_segment);
    if (e.zeilen.size() > Hoechste_Segmentzahl)
        return fehler(Programmfehler::zu_viele_segmente);
    for (int i = 0; i < e.zeilen.size(); ++i) {
        const Programmzeile& z = e.zeilen[i];
        Programmsegment s;
        if (!ist_sofort(z.rate)) {
            const auto rate = zahlen::lies(z.rate, locale);
            if (!rate || !(*rate > 0))
                return fehler(Programmfehler::rate, i, &z.rate);
            s.rate = *rate;
        }
        const auto ziel = temperatur(z.ziel, locale);
        if (!ziel)
            return fehler(Programmfehler::ziel, i, &z.ziel);
        s.ziel = *ziel;
        const auto halten = zahlen::lies(z.halten.trimmed().isEmpty() ? QStringLiteral("0") : z.halten, locale);
        if (!halten || *halten < 0 || *halten > Hoechste_Dauer)
            return fehler(Programmfehler::halten, i, &z.halten);
        s.halten = *halten;
        p.segmente.push_back(s);
    }
    const double dauer = programmdauer(p);
    if (!(dauer > 0) || dauer > Hoechste_Dauer)
        return fehler(Programmfehler::gesamtdauer);
    l.programm = std::move(p);
    return l;
}

QString programmzeile(const Programmeingabe& e, const QLocale& locale)
{
    const QString pfeil = QString::fromUtf8(" → ");
    const QString grad = QString::fromUtf8(" °C");
    QString zeile = Programmzeilenanfang + e.start.trimmed() + grad;
    for (const Programmzeile& z : e.zeilen) {
        zeile += pfeil + (ist_sofort(z.rate) ? Rate_sofort : z.rate.trimmed() + QStringLiteral(" K/min"));
        zeile += pfeil + z.ziel.trimmed() + grad;
        const auto halten = zahlen::lies(z.halten, locale);
        if (halten && *halten > 0)
            zeile += QStringLiteral(", ") + z.halten.trimmed() + QStringLiteral(" h");
    }
    return zeile;
}

QString programmanzeige(const Programmangabe& a)
{
    QString zeile = QString::fromStdString(a.zeile);
    if (zeile.startsWith(Programmzeilenanfang))
        zeile.remove(0, Programmzeilenanfang.size());
    const QString pfeil = QString::fromUtf8(" → ");
    QStringList schritte = zeile.split(pfeil);
    for (QString& schritt : schritte)
        if (schritt == Rate_sofort)
            schritt = sofort_text();
    return QCoreApplication::translate("Programm", "Programm: %1").arg(schritte.join(pfeil));
}

QString aequivalenztext(double t_eq, const QString& t_ref, const QLocale& locale)
{
    return QCoreApplication::translate("Programm", "entspricht %1 h bei %2 °C")
        .arg(zahlen::allgemein(t_eq, locale, 3), t_ref.trimmed());
}

QString aequivalente_zeit_text(double t_eq, const QLocale& locale)
{
    return zahlen::allgemein(t_eq, locale, 4);
}

QString bezugstext(const Programmeingabe& e, const QLocale& locale)
{
    QString text = e.start;
    double hoechste = zahlen::lies(e.start, locale).value_or(0);
    for (const Programmzeile& z : e.zeilen) {
        const auto v = zahlen::lies(z.ziel, locale);
        if (v && *v > hoechste) {
            hoechste = *v;
            text = z.ziel;
        }
    }
    return text.trimmed();
}

Programmangabe als_angabe(const Programmeingabe& e, const QLocale& locale)
{
    Programmangabe a;
    a.start = e.start.trimmed().toStdString();
    for (const Programmzeile& z : e.zeilen) {
        // "immediate" is kept as "sofort", which every version reads.
        const QString rate = z.rate.trimmed().compare(Rate_sofort_englisch, Qt::CaseInsensitive) == 0
                                 ? Rate_sofort
                                 : z.rate.trimmed();
        a.segmente.push_back({rate.toStdString(), z.ziel.trimmed().toStdString(), z.halten.trimmed().toStdString()});
    }
    a.zeile = programmzeile(e, locale).toStdString();
    return a;
}

Programmeingabe als_eingabe(const Programmangabe& a)
{
    Programmeingabe e;
    e.start = QString::fromStdString(a.start);
    for (const auto& s : a.segmente)
        e.zeilen.append({QString::fromStdString(s.rate), QString::fromStdString(s.ziel),
                         QString::fromStdString(s.halten)});
    return e;
}

namespace {

// T_ref and t_eq into the record, when t_eq is a time the time field takes.
bool aequivalent_eintragen(Modell& m, const Temperaturprogramm& p, const QString& t_ref_text,
                           const QLocale& locale, QString* fehler)
{
    const double t_eq = aequivalente_zeit(p, m.Q.wert);
    const QString zeittext = zahlen::kuerzeste_form(t_eq, locale);
    if (!gueltiger_wert(Feld::Sinterzeit, zeittext, locale)) {
        if (fehler)
            *fehler = QCoreApplication::translate("Programm", "Die gleichwertige Zeit %1 h liegt nicht über 0 h.")
                          .arg(zeittext);
        return false;
    }
    m.Sintertemp.setze_text(bezugstemperatur(p), t_ref_text.toStdString());
    kelvin_ableiten(m);
    m.Sinterzeit.setze_text(t_eq, zeittext.toStdString());
    sekunden_ableiten(m);
    d_ableiten(m);
    schritte_ableiten(m);
    return true;
}

}  // namespace

bool programm_setzen(Modell& m, const Programmeingabe& e, const QLocale& locale, QString* fehler)
{
    const Programmlesung l = programm_lesen(e, locale);
    if (!l.programm) {
        if (fehler)
            *fehler = l.fehler;
        return false;
    }
    Programmangabe a = als_angabe(e, locale);
    a.verlauf = *l.programm;
    a.temp_isotherm = m.programm ? m.programm->temp_isotherm : m.Sintertemp;
    a.zeit_isotherm = m.programm ? m.programm->zeit_isotherm : m.Sinterzeit;
    Modell probe = m;
    if (!aequivalent_eintragen(probe, *l.programm, bezugstext(e, locale), locale, fehler))
        return false;
    probe.programm = std::move(a);
    m = std::move(probe);
    return true;
}

bool programm_nachfuehren(Modell& m, const QLocale& locale)
{
    if (!m.programm)
        return true;
    const Programmeingabe e = als_eingabe(*m.programm);
    const Programmlesung l = programm_lesen(e, locale);
    return l.programm && aequivalent_eintragen(m, *l.programm, bezugstext(e, locale), locale, nullptr);
}

void programm_aufheben(Modell& m)
{
    if (!m.programm)
        return;
    m.Sintertemp = m.programm->temp_isotherm;
    kelvin_ableiten(m);
    m.Sinterzeit = m.programm->zeit_isotherm;
    sekunden_ableiten(m);
    m.programm.reset();
    d_ableiten(m);
    schritte_ableiten(m);
}

}  // namespace kalvion
