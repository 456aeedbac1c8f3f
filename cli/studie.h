// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A study: the cartesian product of the option values. Its runs are numbered
// in a fixed order, the options' order in the parameter dialog (model,
// temperature, time, path, D0, Q, i_Diff), then the start and the surface,
// then a programme's hold and rate, the last one varying fastest, so that any
// run can be formed from its number alone.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include <optional>

#include "bedingungsliste.h"
#include "feldpruefung.h"
#include "programmeingabe.h"
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
    // A temperature programme, its numbers written with a decimal point: the
    // run is then its equivalent run (temperature and time left aside).
    std::optional<Programmeingabe> programm;
    Startangabe anfang;
    Oberflaechenangabe oberflaeche;

    double wert(Feld f) const { return werte[static_cast<int>(f)]; }
};

// "--modell linear --temperatur 1050 --zeit 2 ...": the run as options.
QString als_optionen(const Lauf& lauf);

// The study options of a programme: the hold of its highest segment and the
// rate of every heating ramp.
inline constexpr const char* Halteoption = "programm-halten";
inline constexpr const char* Rateoption = "programm-rate";

struct Studie {
    std::vector<Geometrie> modelle{Geometrie::linear};  // the models given
    std::array<Werteliste, Feldzahl> listen;            // indexed by Feld
    Anfangsliste anfaenge;                     // none given: the step
    Oberflaechenliste oberflaechen;            // none given: closed
    std::optional<Programmeingabe> programm;   // numbers with a decimal point
    std::optional<Werteliste> halten, rate;    // only with a programme; vary fastest

    // The start-up values: one run, the linear model.
    static Studie startwerte();

    // The number of runs, saturated at Hoechste_Anzahl.
    std::uint64_t anzahl() const;
    // Run `index` (0 <= index < anzahl()).
    Lauf lauf(std::uint64_t index) const;
};

// The programme with the hold of its highest segment (the first with the
// highest target) and the rate of every segment that heats replaced, where given.
Programmeingabe programm_fuer(const Programmeingabe& vorlage, std::optional<double> halten, std::optional<double> rate);

// The rules of the two study options: a hold as the time field (0 < h <= 10000),
// a rate above 0 K/min.
const Feldregel& halteregel();
const Feldregel& rateregel();

// "linear,sphaerisch": the models of the option, by their command-line names,
// their English ones ("spherical") or as the dialog writes them ("sphärisch").
// Throws Eingabefehler.
std::vector<Geometrie> lies_modelle(const QString& option, const QString& text);

// A model's command-line name as the help and the messages show it: the
// English one where the texts are English.
QString modellwort(const Geometriebeschreibung& g);

// "linear, zylindrisch und sphaerisch (oder sphärisch)": the names the option
// takes; in English "linear, cylindrical and spherical".
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
