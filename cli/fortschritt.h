// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-line progress of a study on a terminal.

#include <QString>

#include "studienlauf.h"

namespace kalvion::cli {

// "Läufe: 12 von 40 fertig (31 %), noch etwa 35 s", at the end "gleich
// fertig". The remaining time is the time so far scaled by the work still to
// do, the work of a run counted in the steps it steps.
QString fortschrittszeile(const Fortschrittsstand& stand);

// "35 s", "2 min 05 s", "1 h 02 min", "3 d 04 h".
QString dauertext(double sekunden);

}  // namespace kalvion::cli
