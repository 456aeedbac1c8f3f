// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>

#include "modell.h"

namespace kalvion {

// How a run ended: all steps done, cancelled or stopped because the program
// ends on the way, or refused before the first step because its step count
// cannot be counted.
enum class Laufergebnis { fertig, abgebrochen, programmende, nicht_zaehlbar };

// Stepping through every step, or stepping through step 1000 and jumping over
// the rest (same profile within 1e-9 mol%, in a blink).
enum class Verfahren { schrittweise, sprung };

// What the front end answers when the run passes through its event loop.
enum class Fortgang { weiter, abbrechen, programmende };

// What a run needs of whoever started it; both may stay empty (a run without
// a window needs neither).
struct Laufbegleitung {
    // The whole percent done, each time it changes.
    std::function<void(int prozent)> fortschritt;
    // At most every Durchlassabstand and after the last step: lets the event
    // loop run and says whether to go on.
    std::function<Fortgang()> zwischendurch;
    // A run on a worker thread is cancelled through this: looked at after
    // every step, so that it stops within a microsecond or two of the request.
    std::stop_token halt;
};

struct Laufausgang {
    Laufergebnis ergebnis = Laufergebnis::fertig;
    // Closed surface: the negative face fluxes met. Open surface: the cells
    // that left the range spanned by their own, their neighbours' and the
    // surface's values of the step before (see fehlerart).
    std::int64_t fehlerzahl = 0;
    bool gesprungen = false;      // the steps after step 1000 were jumped over
};

// What a run's error count counts. With a closed surface every flux towards
// the surface is one the step start cannot produce, so each negative flux
// counts. With an open surface such a flux is physical (loss to the
// atmosphere); what the scheme must not produce is a cell leaving the range
// of the values it is mixed from, which only rounding could do.
enum class Fehlerart { negative_fluesse, bereichsverletzungen };
Fehlerart fehlerart(const Modell& m);

// The loop counts its steps in a double: beyond 2^53 a step count cannot be
// counted exactly (k + 1 == k) and such a run would never end.
inline constexpr double Groesste_Schrittzahl = 9007199254740992.0;  // 2^53
bool schrittzahl_zaehlbar(double schritte);

// The step count a run of the current parameters will make (at least 200),
// without changing the model.
double laufschritte(const Modell& m);

// What one cell-step costs on this machine, in seconds: measured by stepping
// a copy of the model for about a millisecond.
double miss_zellschrittkosten(const Modell& m);

// How long stepping a run of `schritte` steps over `zellen` cells takes at
// that cost, in seconds.
double geschaetzte_dauer(double schritte, int zellen, double sekunden_je_zellschritt);

// A run whose stepping is expected to take longer than this is not simply
// started: the window asks whether to jump or to step, the command line wants
// its method given.
inline constexpr double Frage_ab_Sekunden = 30;

// Stepping through a run longer than this is worth the jump.
inline constexpr double Sprung_ab_Sekunden = 0.05;

// The event loop is passed through at most this often during a run.
inline constexpr std::chrono::milliseconds Durchlassabstand{10};

// dt_max, Schritte (at least 200) and dt for the current parameters.
void schritte_vorbereiten(Modell& m);

// One explicit, conservative step over all cells with a closed surface;
// returns the number of negative face fluxes it met. Needs Zellen >= 2.
std::int64_t ein_zeitschritt(Modell& m);

// One step with the surface open: face 1 passes `randleitwert` · (Randwert −
// Konz[1]) per area into cell 1 (kept in Fluss[1]), the other faces as
// ein_zeitschritt with this D. Returns the cells that left the range spanned
// by their own, their neighbours' and (for cell 1) the surface's value before
// the step. Needs Zellen >= 2.
std::int64_t ein_zeitschritt_offen(Modell& m, double D, double randleitwert);

// Whether the run may jump over its steps after step 1000: not where it steps
// through a temperature programme, whose steps differ.
bool sprung_moeglich(const Modell& m);

// Steps the initial profile through the whole sintering time and keeps the
// snapshots after steps 10, 100 and 1000. A finished run leaves Fehlerzahl
// set and the result current; a run stopped on the way, or refused, leaves it
// not current. With the jump, Fehlerzahl counts the stepped steps only.
// Berechnung_laeuft is set from the start to every return.
Laufausgang zeitschritte(Modell& m, const Laufbegleitung& begleitung = {},
                         Verfahren verfahren = Verfahren::schrittweise);

// The whole computation of "Berechnung Starten": the initial profile from the
// current parameters, then the time stepping.
Laufausgang lauf_rechnen(Modell& m, const Laufbegleitung& begleitung = {},
                         Verfahren verfahren = Verfahren::schrittweise);

// The percent done after step k of n: cut, never rounded up, so 100 only
// at the last step.
int fortschritt_prozent(double k, double n);

}  // namespace kalvion
