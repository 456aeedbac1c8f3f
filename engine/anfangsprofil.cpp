// SPDX-License-Identifier: GPL-3.0-or-later
#include "anfangsprofil.h"

#include <algorithm>

namespace kalvion {

namespace {

// The concentration each cell starts with, for every start but the plain step.
std::vector<double> anfangswerte(const Modell& m)
{
    const int n = m.Zellen;
    switch (m.Anfang) {
    case Anfangsart::stufe:
    case Anfangsart::grundgehalt: {
        std::vector<double> werte(static_cast<std::size_t>(n) + 2, 0.0);
        for (int i = 1; i <= n; ++i)
            werte[i] = i <= m.i_Diff ? 100.0 : m.c0.wert;
        return werte;
    }
    case Anfangsart::datei:
    case Anfangsart::ergebnis:
        if (m.startprofil && !m.startprofil->punkte.empty())
            return auf_zellen(m.startprofil->punkte, n, m.x_max.wert);
        break;
    }
    return std::vector<double>(static_cast<std::size_t>(n) + 2, 0.0);
}

}  // namespace

void anfangsprofil(Modell& m)
{
    const int n = m.Zellen;
    const Geometriebeschreibung& g = beschreibung(m.Geometrie);
    for (int i = 1; i <= n; ++i) {
        const Zellgeometrie z = g.zelle(i, n);
        m.Flaeche[i] = z.flaeche;
        m.Volumen[i] = z.volumen * m.dx;
    }

    m.Volumen_ges = 0;
    for (int i = 1; i <= n; ++i)
        m.Volumen_ges = m.Volumen_ges + m.Volumen[i];
    m.Menge_rand = 0;

    if (m.Anfang == Anfangsart::stufe) {
        for (int i = 1; i <= n; ++i) {
            m.Konz[i] = i <= m.i_Diff ? 100.0 : 0.0;
            m.Menge[i] = i <= m.i_Diff ? m.Konz[i] * m.Volumen[i] : 0.0;
            m.Fluss[i] = 0;
            m.Konz_Start[i] = m.Konz[i];
        }

        m.Menge_ges = 0;
        for (int i = 1; i <= n; ++i)
            m.Menge_ges = m.Menge_ges + m.Menge[i];

        // Cell 1 always holds 100 %, so Volumen[1] / Menge[1] is 1/100 and
        // this is Menge_ges / Volumen_ges in mol%; kept in this order for the
        // same digits.
        m.Molprozent = m.Menge_ges * 100 / m.Volumen_ges * m.Volumen[1] / m.Menge[1];
        return;
    }

    const std::vector<double> werte = anfangswerte(m);
    for (int i = 1; i <= n; ++i) {
        m.Konz[i] = werte[i];
        m.Menge[i] = werte[i] * m.Volumen[i];
        m.Fluss[i] = 0;
        m.Konz_Start[i] = m.Konz[i];
    }
    m.Menge_ges = 0;
    for (int i = 1; i <= n; ++i)
        m.Menge_ges = m.Menge_ges + m.Menge[i];
    m.Molprozent = m.Menge_ges / m.Volumen_ges;
}

}  // namespace kalvion
