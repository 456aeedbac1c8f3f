// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A finished run as a value: the parameters it was computed from with their
// derived values, the five profiles and how the run ended. Once made it never
// changes; the graph, the clipboard, the results file and the exports all read
// the same one, whatever a dialog does meanwhile.

#include <functional>
#include <memory>
#include <vector>

#include "modell.h"
#include "zeitschritte.h"

namespace kalvion {

struct Ergebnis {
    Modell modell;  // Konz_Start, Konz_10, Konz_100, Konz_1000, Konz and every parameter
    Laufausgang ausgang;
};

using Ergebniszeiger = std::shared_ptr<const Ergebnis>;

// What a save or an export finds when it asks the main window: the result that
// is current (none after a changed "ok" or before the first run), whether a
// run is in progress, and the results kept beside it for comparison.
struct Ergebnisstand {
    Ergebniszeiger aktuell;
    bool laeuft = false;
    std::vector<Ergebniszeiger> behalten;
};

// Where a save or an export finds the result at the moment it writes.
using Ergebnisquelle = std::function<Ergebnisstand()>;

}  // namespace kalvion
