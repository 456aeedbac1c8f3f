// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a run's profile starts, each kind described once: what the dialog, the
// command line, parameter files and the results file call it. A start is
// either a step (on nothing, or on a uniform base content) or a profile given
// point by point (a measured line scan, a curve table, a results file's rows,
// or the final profile of the last result), mapped onto the cells.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kalvion {

// One point of a profile: depth in µm (0 at the surface where cell 1 lies)
// and the concentration there in mol%.
struct Messpunkt {
    double x = 0;     // µm
    double konz = 0;  // mol%
};

enum class Anfangsart {
    stufe,        // i_Diff cells at 100 mol%, the rest at 0
    grundgehalt,  // i_Diff cells at 100 mol%, the rest at the base content c0
    datei,        // a profile read from a file
    ergebnis      // the final profile of the last result
};

struct Anfangsbeschreibung {
    Anfangsart art;
    const char* name;             // command line and parameter files: ASCII
    const char* englischer_name;  // accepted on the command line as well: ASCII
    const char* anzeigename;      // the dialog's option (UTF-8)
    bool mit_stufe;               // the i_Diff cells start at 100 mol%
};

inline constexpr std::array<Anfangsbeschreibung, 4> Anfangsarten{{
    {Anfangsart::stufe, "stufe", "step", QT_TRANSLATE_NOOP("Anfang", "Stufe"), true},
    {Anfangsart::grundgehalt, "grundgehalt", "base", QT_TRANSLATE_NOOP("Anfang", "Stufe auf Grundgehalt"), true},
    {Anfangsart::datei, "datei", "file", QT_TRANSLATE_NOOP("Anfang", "Aus Datei"), false},
    {Anfangsart::ergebnis, "ergebnis", "result", QT_TRANSLATE_NOOP("Anfang", "Letztes Ergebnis"), false},
}};

constexpr bool anfangsarten_in_reihenfolge()
{
    for (std::size_t i = 0; i < Anfangsarten.size(); ++i)
        if (static_cast<std::size_t>(Anfangsarten[i].art) != i)
            return false;
    return true;
}
static_assert(anfangsarten_in_reihenfolge(), "Anfangsarten is indexed by Anfangsart");

constexpr const Anfangsbeschreibung& beschreibung(Anfangsart a)
{
    return Anfangsarten[static_cast<std::size_t>(a)];
}

// A start profile given point by point, and where it came from (a file name
// without its folder; empty for the last result).
struct Startprofil {
    std::vector<Messpunkt> punkte;
    std::string quelle;  // UTF-8
};

// The base content c0 (mol%) admits 0 … 100; a start profile's values −1 … 101
// (a measurement scatters a little about 0 and 100).
inline constexpr double Grundgehalt_min = 0, Grundgehalt_max = 100;
inline constexpr double Startwert_min = -1, Startwert_max = 101;
inline constexpr std::size_t Startpunkte_min = 2;

// How many different depths x the points hold: a depth listed twice adds
// none, so a start profile needs Startpunkte_min of them, not just as many
// points.
std::size_t verschiedene_tiefen(const std::vector<Messpunkt>& punkte);

// Whether the points are the cells' own rows: exactly `zellen` points at the
// row positions i · x_max / zellen (µm, i = 1 … zellen, as the results file
// and the curve table write them), to within the four decimals a results file
// prints.
bool auf_zellpositionen(const std::vector<Messpunkt>& punkte, int zellen, double x_max);

// The profile's value for each cell 1 … zellen (index 0 and beyond zellen
// unused): taken cell by cell where the points are the cells' rows, otherwise
// interpolated linearly at the cell centres (i − ½) · x_max / zellen, held
// constant before the first and after the last point. Needs at least one point.
std::vector<double> auf_zellen(const std::vector<Messpunkt>& punkte, int zellen, double x_max);

}  // namespace kalvion
