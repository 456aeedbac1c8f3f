// SPDX-License-Identifier: GPL-3.0-or-later
#include "einzellauf.h"

#include <QCoreApplication>

#include "ergebnisdatei.h"
#include "kurvendatei.h"
#include "feldpruefung.h"
#include "programmeingabe.h"
#include "sprache.h"
#include "kurzform.h"
#include "tabelle.h"
#include "uebersetzen.h"
#include "zahlen.h"

namespace kalvion::cli {

Modell modell_fuer(const Lauf& lauf, const QLocale& locale)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = lauf.geometrie;
    std::array<QString, Feldzahl> texte;
    for (Feld f : Alle_Felder) {
        const double v = lauf.wert(f);
        texte[static_cast<int>(f)] = regel(f).ziel ? eingabetext(v, locale) : QString::number(zellzahl(v));
    }
    Parametersatz satz = parametersatz(texte, locale);
    // The start as the dialog takes it: its option, and a base content typed.
    m.Anfang = lauf.anfang.art;
    m.startprofil = lauf.anfang.profil;
    if (lauf.anfang.art == Anfangsart::grundgehalt)
        satz.eingaben.push_back({regel(Feld::c0).ziel, Eingabewert{lauf.anfang.c0, eingabetext(lauf.anfang.c0, locale).toStdString()}});
    parameter_uebernehmen(m, satz);
    if (lauf.programm) {
        // The programme typed in the locale, as its dialog would take it.
        Programmeingabe e = *lauf.programm;
        auto getippt = [&locale](QString& text) {
            if (const auto v = zahlen::lies(text, QLocale::c()))
                text = eingabetext(*v, locale);
        };
        getippt(e.start);
        for (Programmzeile& z : e.zeilen) {
            getippt(z.rate);
            getippt(z.ziel);
            getippt(z.halten);
        }
        programm_setzen(m, e, locale);  // checked for every run before the first
        parameter_uebernehmen(m, {});
    }
    return m;
}

QString zusammenfassung(const Modell& m, const Laufausgang& ausgang, const QLocale& locale)
{
    auto text = [&](Feld f) { return feldtext(m, f, locale); };
    return tr("%1, %2 °C, %3 h, %4 µm, D0 %5, Q %6, i_Diff %7: %8 Schritte, %9 Gesamtmol%, ")
               .arg(QCoreApplication::translate("Geometrie", beschreibung(m.Geometrie).anzeigename), text(Feld::Sintertemp),
                    text(Feld::Sinterzeit), text(Feld::x_max), text(Feld::D0), text(Feld::Q), text(Feld::i_Diff),
                    zahlen::ganzzahl(m.Schritte, locale), zahlen::molprozent(m.Molprozent, locale)) +
           sprache::fehlermeldung(ausgang.fehlerzahl, ausgang.gesprungen);
}

Laufertrag einzellauf(const Lauf& lauf, Verfahren verfahren, const Ausgaben& ausgaben,
                      const Laufbegleitung& begleitung)
{
    Modell m = modell_fuer(lauf, ausgaben.locale);
    Laufertrag e;
    e.ausgang = lauf_rechnen(m, begleitung, verfahren);
    if (e.ausgang.ergebnis != Laufergebnis::fertig)
        return e;
    if (ausgaben.block)
        e.block = ergebnisblock(m, ausgaben.kopfzeile, ausgaben.datum, ausgaben.locale);
    if (ausgaben.tabellenzeile)
        e.tabellenzeile = tabellenzeile(lauf, m, e.ausgang, ausgaben.tabellenform);
    if (ausgaben.kurven)
        e.kurven = kurventabelle(m, ausgaben.locale);
    if (ausgaben.kurvenspalte) {
        const QString name = vergleichsname(m, *ausgaben.kurvenspalte, ausgaben.locale, Namenssprache::datei);
        e.spalte = profilspalte(m, name.isEmpty() ? ohne_unterschied(Namenssprache::datei) : name);
    }
    if (ausgaben.zusammenfassung)
        e.zusammenfassung = zusammenfassung(m, e.ausgang, ausgaben.locale);
    return e;
}

}  // namespace kalvion::cli
