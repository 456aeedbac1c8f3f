// SPDX-License-Identifier: GPL-3.0-or-later
#include "feldpruefung.h"

#include "zahlen.h"

namespace kalvion {

bool im_bereich(const Feldregel& r, double v)
{
    // The lower bound sees the number as typed (0.99 is refused), the upper
    // one the cell count it becomes (199.4 is 199 and passes).
    const bool unten = r.untergrenze_erlaubt ? v >= r.untergrenze : v > r.untergrenze;
    const double oben = r.gerundet ? zellzahl_gerundet(v) : v;
    return unten && (!r.obergrenze || oben <= *r.obergrenze);
}

std::optional<double> gueltiger_wert(Feld f, const QString& text, const QLocale& locale)
{
    const std::optional<double> v = zahlen::lies(text, locale);
    if (v && im_bereich(regel(f), *v))
        return v;
    return std::nullopt;
}

QString feldtext(const Modell& m, Feld f, const QLocale& locale)
{
    const Feldregel& r = regel(f);
    if (!r.ziel)
        return QString::number(m.i_Diff);
    const Eingabewert& w = m.*r.ziel;
    return w.text ? QString::fromStdString(*w.text) : zahlen::allgemein(w.wert, locale);
}

Parametersatz parametersatz(const std::array<QString, Feldzahl>& texte, const QLocale& locale)
{
    Parametersatz p;
    for (const Feldregel& r : Feldtabelle) {
        const QString& text = texte[static_cast<int>(r.feld)];
        const std::optional<double> v = gueltiger_wert(r.feld, text, locale);
        if (!v)
            continue;
        if (r.ziel)
            p.eingaben.push_back({r.ziel, Eingabewert{*v, text.toStdString()}});
        else
            p.i_Diff = zellzahl(*v);
    }
    return p;
}

Pruefung pruefe_feld(Feld f, QString& text, Modell& m, const QLocale& locale)
{
    Pruefung p;
    const std::optional<double> gelesen = zahlen::lies(text, locale);
    if (!gelesen)
        return p;
    const double v = *gelesen;
    const Feldregel& r = regel(f);
    if (!im_bereich(r, v)) {
        p.ergebnis = Pruefergebnis::ausserhalb;
        return p;
    }

    if (r.ziel) {
        (m.*r.ziel).setze_text(v, text.toStdString());
    } else {
        m.i_Diff = zellzahl(v);
        text = QString::number(m.i_Diff);
    }
    // Whatever was stored before a refresh failed stays stored.
    const Abgeleitet a =
        werte_ableiten(m, {.d = r.neues_d, .schritte = r.neue_schritte, .anfangsprofil = r.neue_molprozent});
    p.d_gebildet = a.d;
    p.schritte_gebildet = a.schritte;
    p.molprozent_gebildet = a.molprozent;
    if ((!r.neues_d || a.d) && (!r.neue_schritte || a.schritte))
        p.ergebnis = Pruefergebnis::angenommen;
    return p;
}

}  // namespace kalvion
