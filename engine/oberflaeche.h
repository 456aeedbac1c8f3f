// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What crosses the surface (face 1: the left end of the bar, the outer surface
// of fibre and particle), each kind described once. The far end (bar end,
// fibre axis, particle centre) is always closed.

#include <array>
#include <cstddef>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kalvion {

enum class Oberflaechenart {
    geschlossen,    // nothing crosses it
    konzentration,  // held at c_s (mol%): an infinite source or, at 0, a perfect sink
    austausch       // flux into the part β · (c_atm − c at the surface)
};

struct Oberflaechenbeschreibung {
    Oberflaechenart art;
    const char* name;             // command line and parameter files: ASCII
    const char* englischer_name;  // accepted on the command line as well: ASCII
    const char* anzeigename;      // the dialog's option (UTF-8)
};

inline constexpr std::array<Oberflaechenbeschreibung, 3> Oberflaechenarten{{
    {Oberflaechenart::geschlossen, "geschlossen", "closed", QT_TRANSLATE_NOOP("Oberflaeche", "geschlossen")},
    {Oberflaechenart::konzentration, "konzentration", "concentration",
     QT_TRANSLATE_NOOP("Oberflaeche", "feste Randkonzentration")},
    {Oberflaechenart::austausch, "austausch", "exchange", QT_TRANSLATE_NOOP("Oberflaeche", "Austausch mit der Atmosphäre")},
}};

constexpr bool oberflaechenarten_in_reihenfolge()
{
    for (std::size_t i = 0; i < Oberflaechenarten.size(); ++i)
        if (static_cast<std::size_t>(Oberflaechenarten[i].art) != i)
            return false;
    return true;
}
static_assert(oberflaechenarten_in_reihenfolge(), "Oberflaechenarten is indexed by Oberflaechenart");

constexpr const Oberflaechenbeschreibung& beschreibung(Oberflaechenart a)
{
    return Oberflaechenarten[static_cast<std::size_t>(a)];
}

// The surface concentration c_s and the atmosphere's c_atm admit 0 … 100 mol%,
// the mass transfer coefficient β 0 … 1000 cm/s.
inline constexpr double Randkonzentration_min = 0, Randkonzentration_max = 100;
inline constexpr double Beta_min = 0, Beta_max = 1e3;

// What the surface passes per unit of its area and of concentration
// difference, in cm/s, for the cell length dx (cm) and D (cm²/s): the
// concentration outside sits half a cell from cell 1's centre, so a fixed
// value passes 2 D / dx; exchange puts the surface's resistance 1/β in series
// with that half cell. 0 for a closed surface and for β = 0.
double randleitwert(Oberflaechenart art, double beta, double D, double dx);

}  // namespace kalvion
