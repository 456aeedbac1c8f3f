// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the runs of a study on several threads. Each run has its own model and
// its own output; nothing is shared but the counters of the progress and the
// stop flag. The results are handed over in the study's order, whatever the
// thread count, each as soon as every earlier one is handed over; only a
// bounded number of finished runs waits for an earlier one, so the memory
// does not grow with the study.

#include <QLocale>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

#include "einzellauf.h"
#include "studie.h"
#include "zeitschritte.h"

namespace kalvion::cli {

// How the runs are computed: every step, jump after step 1000, or jump only
// where the run has more than Sprung_ab_Zellschritten.
enum class Verfahrenswahl { schrittweise, schnell, automatisch };

// With --verfahren auto a run jumps when its steps times its cells exceed
// this: 30 million cell-steps, about 0.05 s of stepping on today's machines.
// A fixed count, not a measured time, so that the same study gives the same
// results on every machine, with every thread count and in every slice.
inline constexpr double Sprung_ab_Zellschritten = 3e7;

struct Laufplan {
    Verfahren verfahren = Verfahren::schrittweise;
    double schritte = 0;  // the run's step count
    double aufwand = 0;   // in stepped steps, for the remaining time
};

// The method of a run of `schritte` steps over `zellen` cells.
Verfahren verfahren_fuer(Verfahrenswahl wahl, double schritte, int zellen);

// Run `index` of the study: its method and step count. Throws Eingabefehler
// when its step count cannot be formed or counted, naming the run.
Laufplan laufplan(const Studie& studie, std::uint64_t index, Verfahrenswahl wahl, const QLocale& locale);
// The same for the run's model `m` as modell_fuer made it, `index` naming the run.
Laufplan laufplan(const Lauf& lauf, const Modell& m, std::uint64_t index, Verfahrenswahl wahl);

// What the check of a slice found out about its runs.
struct Laufpruefung {
    // Their whole work in stepped steps: summed up to Stichproben runs,
    // beyond that estimated from as many spread evenly over the slice.
    double aufwand = 0;
    std::uint64_t laengster = 0;  // a run with the most steps (its number in the study)
    double meiste_schritte = 0;   // its step count
};
inline constexpr std::uint64_t Stichproben = 1024;

// Checks every run of `bereich` as laufplan does, before anything runs, in a
// time that does not grow with their number: a run's step count rises with
// the temperature, the time, D0 and a programme's hold, falls with x_max,
// Q and a programme's rate (D and a programme's t_eq fall with Q) and is
// larger with an open surface than with a closed one, so the two
// runs at the corners of the slice decide whether any run's D or step count
// cannot be formed, the one with the fewest steps whether D vanishes, the one
// with the most whether the count grows beyond counting. Throws Eingabefehler
// naming the first such run in study order.
Laufpruefung laeufe_pruefen(const Studie& studie, Laufbereich bereich, Verfahrenswahl wahl, const QLocale& locale);

struct Fortschrittsstand {
    std::uint64_t laeufe_fertig = 0, laeufe = 0;
    double aufwand_fertig = 0, aufwand = 0;
    std::chrono::duration<double> vergangen{};
};

// What the caller's thread does while it waits, about four times a second.
using Fortschrittsmeldung = std::function<void(const Fortschrittsstand&)>;

// Takes over finished run `index` (of the whole study) on the caller's
// thread, in the study's order; false stops the study (an output failed).
using Abnahme = std::function<bool(std::uint64_t index, Laufertrag& ertrag)>;

enum class Studienende {
    fertig,      // every run handed over
    angehalten,  // the stop flag turned non-zero before the last run
    abgelehnt,   // the taker said false
};

// The runs of `bereich` on `threads` threads (at least one), `aufwand` their
// whole work as laeufe_pruefen gives it. Each run is planned again as it
// starts; a run refused then (laeufe_pruefen let none through) ends the study
// with its Eingabefehler. When the stop flag turns non-zero the
// runs under way stop at their next pass through their go-on check. An
// exception in a run (no memory) stops the others and comes out here.
Studienende studie_rechnen(const Studie& studie, Laufbereich bereich, Verfahrenswahl wahl, const Ausgaben& ausgaben,
                           int threads, const std::atomic<int>& halt, const Abnahme& abnehmen,
                           const Fortschrittsmeldung& melden = {}, double aufwand = 0);

}  // namespace kalvion::cli
