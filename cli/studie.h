#pragma once
// A study: the cartesian product of the option values. Its runs are numbered
// in a fixed order, the options' order in the parameter dialog (model,
// temperature, time, path, D0, Q, i_Diff), the last one varying fastest, so
// that any run can be formed from its number alone.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "feldpruefung.h"
#include "werteliste.h"

namespace kalvion::cli {

// The command-line names of the model's and the six fields' options (indexed
// by Feld), in the dialog's order.
inline constexpr const char* Modelloption = "modell";
inline constexpr const char* Feldoptionen[6] = {"temperatur", "zeit", "weg", "d0", "q", "i-diff"};

// One run's parameters: the model and the six field values (indexed by Feld),
// i_Diff as given, before it is rounded to a cell count.
struct Lauf {
    bool kugel = false;
    std::array<double, 6> werte{};

    double wert(Feld f) const { return werte[static_cast<int>(f)]; }
};

// "--modell linear --temperatur 1050 --zeit 2 ...": the run as options.
QString als_optionen(const Lauf& lauf);

struct Studie {
    std::vector<bool> modelle{false};  // Kugel for each model given
    std::array<Werteliste, 6> listen;  // indexed by Feld

    // The start-up values: one run, the linear model.
    static Studie startwerte();

    // The number of runs, saturated at Hoechste_Anzahl.
    std::uint64_t anzahl() const;
    // Run `index` (0 <= index < anzahl()).
    Lauf lauf(std::uint64_t index) const;
};

// "linear,sphaerisch": the models of the option; "sphärisch" is taken too.
// Throws Eingabefehler.
std::vector<bool> lies_modelle(const QString& option, const QString& text);

// The K-th of N slices of a study (1 <= K <= N).
struct Teil {
    std::uint64_t k = 1, n = 1;
};

// "K/N"; throws Eingabefehler.
Teil lies_teil(const QString& option, const QString& text);

// The runs [von, bis) of a slice: contiguous, in order, their sizes differing
// by at most one, so that slices 1..N one after another are the whole study.
struct Laufbereich {
    std::uint64_t von = 0, bis = 0;
    std::uint64_t anzahl() const { return bis - von; }
};
Laufbereich teilbereich(std::uint64_t anzahl, Teil teil);

}  // namespace kalvion::cli
