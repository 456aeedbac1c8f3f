#pragma once
#include "laufumgebung.h"
#include "modell.h"
#include "zeitschritte.h"

namespace kalvion {

// "Berechnung Starten", shared by the button and the menu item: rebuilds the
// initial profile, runs the time stepping with the progress text shown and
// redraws the plot afterwards.
Laufende laufbefehl(Modell& m, Laufumgebung& u);

}  // namespace kalvion
