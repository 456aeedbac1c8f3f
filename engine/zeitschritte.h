#pragma once
#include <chrono>

#include "laufumgebung.h"
#include "modell.h"

namespace kalvion {

enum class Laufende { fertig, abgebrochen };

// The event loop is passed through at most this often during a run.
inline constexpr std::chrono::milliseconds Durchlassabstand{10};

// dt_max, Schritte (at least 200) and dt for the current parameters.
void schritte_vorbereiten(Modell& m);

// One explicit, conservative step over all cells; returns the number of
// negative face fluxes it met. Needs Zellen >= 2.
std::int64_t ein_zeitschritt(Modell& m);

// Steps the initial profile through the whole sintering time, keeps the
// snapshots after steps 10, 100 and 1000, reports the count of negative
// fluxes and marks the result current. Stops early, without any of that, when
// the environment says the program is ending.
Laufende zeitschritte(Modell& m, Laufumgebung& u);

// "37  %" for step k of n.
std::string fortschrittstext(double k, double n);

}  // namespace kalvion
