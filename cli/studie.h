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

// The command-line name of the model's option; the fields' options are in
// the field table.
inline constexpr const char* Modelloption = "modell";

// One run's parameters: the model and the six field values (indexed by Feld),
// i_Diff as given, before it is rounded to a cell count.
struct Lauf {
    Geometrie geometrie = Geometrie::linear;
    std::array<double, Feldzahl> werte{};

    double wert(Feld f) const { return werte[static_cast<int>(f)]; }
};

// "--modell linear --temperatur 1050 --zeit 2 ...": the run as options.
QString als_optionen(const Lauf& lauf);

struct Studie {
    std::vector<Geometrie> modelle{Geometrie::linear};  // the models given
    std::array<Werteliste, Feldzahl> listen;            // indexed by Feld

    // The start-up values: one run, the linear model.
    static Studie startwerte();

    // The number of runs, saturated at Hoechste_Anzahl.
    std::uint64_t anzahl() const;
    // Run `index` (0 <= index < anzahl()).
    Lauf lauf(std::uint64_t index) const;
};

// "linear,sphaerisch": the models of the option, by their command-line names
// or as the dialog writes them ("sphärisch"). Throws Eingabefehler.
std::vector<Geometrie> lies_modelle(const QString& option, const QString& text);

// "linear, zylindrisch und sphaerisch (oder sphärisch)": the names the option takes.
QString modellnamen();

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
