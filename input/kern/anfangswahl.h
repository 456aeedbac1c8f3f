// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last result as the start of the next run: its final profile taken over
// cell by cell, allowed only where the next run has the result's cells (the
// same model and x_max). The parameter dialog's "Letztes Ergebnis" and the
// main window's "Ergebnis als Anfangsprofil" both go through here.
// Needs QtCore only.

#include <QLocale>
#include <QString>
#include <memory>

#include "modell.h"

namespace kalvion {

// A start profile's points may lie this far beyond x_max (µm): a results
// file prints its rows' positions to four decimals.
inline constexpr double Startprofil_rundung = 0.5e-4 * (1 + 1e-9);

// Empty when every point lies on the path 0 … x_max (µm), within that
// rounding; otherwise the message saying how far the profile reaches.
QString startpunkte_pruefen(const Startprofil& profil, double x_max, const QLocale& locale);

// The final profile of a run as a start profile: one point per cell, at the
// cell's row position i · x_max / Zellen (µm), as the results file and the
// curve table write it.
std::shared_ptr<const Startprofil> endprofil_als_start(const Modell& ergebnis);

// Where a start from a result came from: the cells it was computed on.
struct Ergebnisherkunft {
    Geometrie geometrie = Geometrie::linear;
    double x_max = 0;  // µm
};
Ergebnisherkunft herkunft(const Modell& ergebnis);

// Empty when a run with these parameters may start from a result of that
// origin; otherwise the message why not (another model, another x_max).
QString ergebnis_als_start_pruefen(const Ergebnisherkunft& herkunft, const Modell& parameter,
                                   const QLocale& locale);

// The message when there is no current result to start from.
QString kein_ergebnis_als_start();

// Puts the result's final profile into the parameters as their start; the
// caller forms the derived values (as an "ok" does).
void start_aus_ergebnis(Modell& parameter, const Modell& ergebnis);

}  // namespace kalvion
