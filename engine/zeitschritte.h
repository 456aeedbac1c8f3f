#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "modell.h"

namespace kalvion {

// How a run ended.
enum class Laufergebnis { fertig, abgebrochen, programmende };

// What the front end answers when the run passes through its event loop.
enum class Fortgang { weiter, abbrechen, programmende };

// What a run needs of whoever started it; both may stay empty (a run without
// a window needs neither).
struct Laufbegleitung {
    // The percent text ("37  %"), each time it changes.
    std::function<void(const std::string& prozenttext)> fortschritt;
    // At most every Durchlassabstand and after the last step: lets the event
    // loop run and says whether to go on.
    std::function<Fortgang()> zwischendurch;
};

struct Laufausgang {
    Laufergebnis ergebnis = Laufergebnis::fertig;
    std::int64_t fehlerzahl = 0;  // negative face fluxes met
};

// The event loop is passed through at most this often during a run.
inline constexpr std::chrono::milliseconds Durchlassabstand{10};

// dt_max, Schritte (at least 200) and dt for the current parameters.
void schritte_vorbereiten(Modell& m);

// One explicit, conservative step over all cells; returns the number of
// negative face fluxes it met. Needs Zellen >= 2.
std::int64_t ein_zeitschritt(Modell& m);

// Steps the initial profile through the whole sintering time and keeps the
// snapshots after steps 10, 100 and 1000. A finished run leaves Fehlerzahl
// set and the result current; a run stopped on the way leaves it not current.
Laufausgang zeitschritte(Modell& m, const Laufbegleitung& begleitung = {});

// The whole computation of "Berechnung Starten": the initial profile from the
// current parameters, then the time stepping.
Laufausgang lauf_rechnen(Modell& m, const Laufbegleitung& begleitung = {});

// "37  %" for step k of n: the percentage cut, never rounded up.
std::string fortschrittstext(double k, double n);

// The message after a run: "0 Fehler".
std::string fehlertext(std::int64_t fehlerzahl);

}  // namespace kalvion
