#pragma once
// Runs the runs of a study on several threads. Each run has its own model and
// its own output; nothing is shared but the counters of the progress and the
// stop flag, and the results come back in the study's order whatever the
// thread count.

#include <QLocale>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "einzellauf.h"
#include "studie.h"
#include "zeitschritte.h"

namespace kalvion::cli {

// How the runs are computed: every step, jump after step 1000, or jump only
// where stepping would take longer than Sprung_ab_Sekunden.
enum class Verfahrenswahl { schrittweise, schnell, automatisch };

struct Laufplan {
    Verfahren verfahren = Verfahren::schrittweise;
    double schritte = 0;  // the run's step count
    double aufwand = 0;   // in stepped steps, for the remaining time
};

// Each run's method and step count. Throws Eingabefehler for the first run
// whose step count cannot be counted, naming the run and the count. With
// automatisch, measures the cost of a cell-step once.
std::vector<Laufplan> laeufe_planen(const Studie& studie, Laufbereich bereich, Verfahrenswahl wahl,
                                    const QLocale& locale);

struct Fortschrittsstand {
    std::uint64_t laeufe_fertig = 0, laeufe = 0;
    double aufwand_fertig = 0, aufwand = 0;
    std::chrono::duration<double> vergangen{};
};

// What the caller's thread does while it waits, about four times a second.
using Fortschrittsmeldung = std::function<void(const Fortschrittsstand&)>;

// The runs of `bereich` on `threads` threads (at least one). Nothing when the
// stop flag turned non-zero before the last run finished; the runs under way
// then stop at their next pass through their go-on check.
std::optional<std::vector<Laufertrag>> studie_rechnen(const Studie& studie, Laufbereich bereich,
                                                      const std::vector<Laufplan>& plaene, const Ausgaben& ausgaben,
                                                      int threads, const std::atomic<int>& halt,
                                                      const Fortschrittsmeldung& melden = {});

}  // namespace kalvion::cli
