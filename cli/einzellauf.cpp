// SPDX-License-Identifier: GPL-3.0-or-later
#include "einzellauf.h"

#include <QCoreApplication>

#include "bedingungen.h"
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
    // The surface as the dialog takes it: its option, and its values typed.
    m.Oberflaeche = lauf.oberflaeche.art;
    auto getippt = [&](Feld f, double wert) {
        satz.eingaben.push_back({regel(f).ziel, Eingabewert{wert, eingabetext(wert, locale).toStdString()}});
    };
    if (lauf.anfang.art == Anfangsart::grundgehalt)
        getippt(Feld::c0, lauf.anfang.c0);
    if (lauf.oberflaeche.art == Oberflaechenart::konzentration)
        getippt(Feld::c_s, lauf.oberflaeche.c_s);
    if (lauf.oberflaeche.art == Oberflaechenart::austausch) {
        getippt(Feld::beta, lauf.oberflaeche.beta);
        getippt(Feld::c_atm, lauf.oberflaeche.c_atm);
    }
    parameter_uebernehmen(m, satz);
    if (lauf.programm) {
        // The programme typed in the locale, as its dialog would take it.
        Programmeingabe e = *lauf.programm;
        auto im_locale = [&locale](QString& text) {
            if (const auto v = zahlen::lies(text, QLocale::c()))
                text = eingabetext(*v, locale);
        };
        im_locale(e.start);
        for (Programmzeile& z : e.zeilen) {
            im_locale(z.rate);
            im_locale(z.ziel);
            im_locale(z.halten);
        }
        programm_setzen(m, e, locale);  // checked for every run before the first
        parameter_uebernehmen(m, {});
    }
    return m;
}

QString zusammenfassung(const Modell& m, const Laufausgang& ausgang, const QLocale& locale)
{
    auto text = [&](Feld f) { return feldtext(m, f, locale); };
    QString zeile = tr("%1, %2 °C, %3 h, %4 µm, D0 %5, Q %6, i_Diff %7: %8 Schritte, %9 Gesamtmol%, ")
                        .arg(QCoreApplication::translate("Geometrie", beschreibung(m.Geometrie).anzeigename),
                             text(Feld::Sintertemp), text(Feld::Sinterzeit), text(Feld::x_max), text(Feld::D0),
                             text(Feld::Q), text(Feld::i_Diff), zahlen::ganzzahl(m.Schritte, locale),
                             zahlen::molprozent(m.Molprozent, locale));
    // A start or surface other than the default after the parameters, before the colon.
    if (const QString bedingungen = bedingungszeile(m, locale, Namenssprache::anzeige); !bedingungen.isEmpty())
        zeile.insert(zeile.indexOf(QStringLiteral(": ")), QStringLiteral(", ") + bedingungen);
    return zeile +
           sprache::fehlermeldung(ausgang.fehlerzahl, ausgang.gesprungen,
                                  fehlerart(m) == Fehlerart::bereichsverletzungen) +
           (randbilanz(m) ? QStringLiteral("; ") + bilanztext(m, locale) : QString());
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
