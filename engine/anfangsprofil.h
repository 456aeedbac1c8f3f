// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "modell.h"

namespace kalvion {

// Builds the geometry of the chosen model and the start the model names: cells
// 1..i_Diff at 100 mol% and the rest at nothing (the step) or at c0, or the
// start profile's points mapped onto the cells. Keeps a copy in Konz_Start,
// computes the volume-weighted total Molprozent and clears Menge_rand. Needs
// 1 <= i_Diff <= 199 and dx > 0.
void anfangsprofil(Modell& m);

}  // namespace kalvion
