// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "modell.h"

namespace kalvion {

// Builds the geometry of the chosen model, fills cells 1..i_Diff with 100 mol%
// and the rest with nothing, keeps a copy in Konz_Start and computes the
// volume-weighted total Molprozent. Needs 1 <= i_Diff <= 199 and dx > 0.
void anfangsprofil(Modell& m);

}  // namespace kalvion
