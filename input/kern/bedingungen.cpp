// SPDX-License-Identifier: GPL-3.0-or-later
#include "bedingungen.h"

#include <QCoreApplication>
#include <cmath>

#include "feldpruefung.h"
#include "zahlen.h"

namespace kalvion {

namespace {

QString text(const char* kontext, const char* quelle, Namenssprache sprache)
{
    return sprache == Namenssprache::anzeige ? QCoreApplication::translate(kontext, quelle) : QString::fromUtf8(quelle);
}

// A value as the dialog accepted it: the text as typed, a start-up value in its ordinary form.
QString angenommen(const Eingabewert& w, const QLocale& locale)
{
    return w.text ? QString::fromStdString(*w.text) : zahlen::allgemein(w.wert, locale);
}

QString angenommen(const Modell& m, Feld f, const QLocale& locale)
{
    return angenommen(m.*regel(f).ziel, locale);
}

// The surface in the results file (`datei_zeichen`: "beta" for β, which
// Windows-1252 lacks) or in a line for people.
QString oberflaeche(const Modell& m, const QLocale& locale, Namenssprache sprache, bool datei_zeichen)
{
    switch (m.Oberflaeche) {
    case Oberflaechenart::geschlossen: break;
    case Oberflaechenart::konzentration:
        return text("Bedingungen", QT_TRANSLATE_NOOP("Bedingungen", "Oberfläche fest %1 Mol%"), sprache)
            .arg(angenommen(m, Feld::c_s, locale));
    case Oberflaechenart::austausch:
        return text("Bedingungen",
                    datei_zeichen ? QT_TRANSLATE_NOOP("Bedingungen", "Oberfläche Austausch beta %1 cm/s mit c_atm %2 Mol%")
                                  : QT_TRANSLATE_NOOP("Bedingungen", "Oberfläche Austausch β %1 cm/s mit c_atm %2 Mol%"),
                    sprache)
            .arg(angenommen(m, Feld::beta, locale), angenommen(m, Feld::c_atm, locale));
    }
    return {};
}

QString grundgehalt(const Modell& m, const QLocale& locale, Namenssprache sprache)
{
    return text("Bedingungen", QT_TRANSLATE_NOOP("Bedingungen", "Anfang Grundgehalt %1 Mol%"), sprache)
        .arg(angenommen(m.c0, locale));
}

QString vorgegebenes_profil(Namenssprache sprache)
{
    return text("Bedingungen", QT_TRANSLATE_NOOP("Bedingungen", "Anfang vorgegebenes Profil"), sprache);
}

// Where a start profile came from: its file, or the last result.
QString profilquelle(const Modell& m, Namenssprache sprache)
{
    if (m.Anfang == Anfangsart::datei && m.startprofil && !m.startprofil->quelle.empty())
        return QString::fromStdString(m.startprofil->quelle);
    if (m.Anfang == Anfangsart::ergebnis)
        return text("Bedingungen", QT_TRANSLATE_NOOP("Bedingungen", "letztes Ergebnis"), sprache);
    return {};
}

}  // namespace

bool standardbedingungen(const Modell& m)
{
    return m.Anfang == Anfangsart::stufe && m.Oberflaeche == Oberflaechenart::geschlossen;
}

QStringList bedingungen_ergebnisdatei(const Modell& m, const QLocale& locale)
{
    QStringList teile;
    switch (m.Anfang) {
    case Anfangsart::stufe: break;
    case Anfangsart::grundgehalt: teile << grundgehalt(m, locale, Namenssprache::datei); break;
    case Anfangsart::datei:
    case Anfangsart::ergebnis: teile << vorgegebenes_profil(Namenssprache::datei); break;
    }
    if (const QString o = oberflaeche(m, locale, Namenssprache::datei, true); !o.isEmpty())
        teile << o;
    return teile;
}

QString bedingungszeile(const Modell& m, const QLocale& locale, Namenssprache sprache, bool anfang, bool mit_oberflaeche)
{
    QStringList teile;
    switch (anfang ? m.Anfang : Anfangsart::stufe) {
    case Anfangsart::stufe: break;
    case Anfangsart::grundgehalt: teile << grundgehalt(m, locale, sprache); break;
    case Anfangsart::datei:
    case Anfangsart::ergebnis: {
        const QString quelle = profilquelle(m, sprache);
        teile << vorgegebenes_profil(sprache) + (quelle.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(quelle));
        break;
    }
    }
    if (const QString o = mit_oberflaeche ? oberflaeche(m, locale, sprache, false) : QString(); !o.isEmpty())
        teile << o;
    return teile.join(QStringLiteral(", "));
}

QString anfangsname(const Modell& m, const QLocale& locale, Namenssprache sprache)
{
    switch (m.Anfang) {
    case Anfangsart::stufe: return text("Anfang", beschreibung(m.Anfang).anzeigename, sprache);
    case Anfangsart::grundgehalt:
        return text("Vergleich", regel(Feld::c0).vergleich, sprache).arg(angenommen(m.c0, locale));
    case Anfangsart::datei:
        return text("Vergleich", QT_TRANSLATE_NOOP("Vergleich", "Start aus %1"), sprache)
            .arg(m.startprofil ? QString::fromStdString(m.startprofil->quelle) : QString());
    case Anfangsart::ergebnis:
        return text("Vergleich", QT_TRANSLATE_NOOP("Vergleich", "Start aus letztem Ergebnis"), sprache);
    }
    return {};
}

QString oberflaechenname(const Modell& m, const QLocale& locale, Namenssprache sprache)
{
    switch (m.Oberflaeche) {
    case Oberflaechenart::geschlossen: return text("Vergleich", QT_TRANSLATE_NOOP("Vergleich", "Oberfläche geschlossen"), sprache);
    case Oberflaechenart::konzentration:
        return text("Vergleich", regel(Feld::c_s).vergleich, sprache).arg(angenommen(m, Feld::c_s, locale));
    case Oberflaechenart::austausch:
        return text("Vergleich", regel(Feld::beta).vergleich, sprache).arg(angenommen(m, Feld::beta, locale)) +
               QStringLiteral(", ") +
               text("Vergleich", regel(Feld::c_atm).vergleich, sprache).arg(angenommen(m, Feld::c_atm, locale));
    }
    return {};
}

std::optional<Randbilanz> randbilanz(const Modell& m)
{
    if (!oberflaeche_offen(m) || !(m.Volumen_ges > 0))
        return std::nullopt;
    double menge = 0;
    for (int i = 1; i <= m.Zellen && i < Feldgroesse; ++i)
        menge += m.Menge[i];
    return Randbilanz{m.Molprozent, m.Menge_rand / m.Volumen_ges, menge / m.Volumen_ges};
}

QString bilanz_ergebnisdatei(const Modell& m, const QLocale& locale)
{
    const std::optional<Randbilanz> b = randbilanz(m);
    if (!b)
        return {};
    auto zahl = [&locale](double wert) { return zahlen::druckform(wert, locale).trimmed(); };
    return QString::fromUtf8(b->aufgenommen < 0 ? "Durch die Oberfläche abgegeben: %1 Mol% des Volumens; "
                                                  "Gesamtmol% vorher %2, nachher %3"
                                                : "Durch die Oberfläche aufgenommen: %1 Mol% des Volumens; "
                                                  "Gesamtmol% vorher %2, nachher %3")
        .arg(zahl(std::fabs(b->aufgenommen)), zahl(b->vorher), zahl(b->nachher));
}

QString bilanztext(const Modell& m, const QLocale& locale)
{
    const std::optional<Randbilanz> b = randbilanz(m);
    if (!b)
        return {};
    auto zahl = [&locale](double wert) { return zahlen::festkomma(wert, 4, locale); };
    return (b->aufgenommen < 0
                ? QCoreApplication::translate("Bedingungen", "Durch die Oberfläche abgegeben: %1 Mol% des Volumens; "
                                                             "gesamt vorher %2 Mol%, nachher %3 Mol%")
                : QCoreApplication::translate("Bedingungen", "Durch die Oberfläche aufgenommen: %1 Mol% des Volumens; "
                                                             "gesamt vorher %2 Mol%, nachher %3 Mol%"))
        .arg(zahl(std::fabs(b->aufgenommen)), zahl(b->vorher), zahl(b->nachher));
}

}  // namespace kalvion
