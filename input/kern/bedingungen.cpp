// SPDX-License-Identifier: GPL-3.0-or-later
#include "bedingungen.h"

#include <QCoreApplication>

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
    return teile;
}

QString bedingungszeile(const Modell& m, const QLocale& locale, Namenssprache sprache, bool anfang,
                        [[maybe_unused]] bool oberflaeche)
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

}  // namespace kalvion
