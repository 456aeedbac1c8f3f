// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one program-wide model record: parameters, derived values, the cell
// arrays and the flags that every window and both engine procedures share.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "anfang.h"
#include "geometrie.h"
#include "oberflaeche.h"
#include "temperaturprogramm.h"

namespace kalvion {

// A parameter the user types: its numeric value together with the text it was
// accepted as. Start-up values carry no text; the results file then prints the
// number, otherwise the text exactly as typed.
struct Eingabewert {
    double wert = 0.0;
    std::optional<std::string> text;  // UTF-8, as typed

    void setze_zahl(double v) { wert = v; text.reset(); }
    void setze_text(double v, std::string t) { wert = v; text = std::move(t); }
};

// A temperature programme as typed (UTF-8 texts): the start temperature and,
// per segment, rate in K/min ("sofort" for at once), target in °C and hold in
// h. While one is in force the run is its equivalent isothermal run: the
// record's Sintertemp and Sinterzeit hold T_ref and t_eq, and the isothermal
// values typed before wait here to come back when the programme is dropped.
struct Programmangabe {
    std::string start;
    struct Segment {
        std::string rate, ziel, halten;
    };
    std::vector<Segment> segmente;
    std::string zeile;                // "Programm: 20 °C → 5 K/min → 1050 °C, 2 h → …"
    Eingabewert temp_isotherm, zeit_isotherm;
    // The cycle in numbers, for a run that steps through it with D(T(t)).
    Temperaturprogramm verlauf;
};

constexpr int Feldgroesse = 202;  // indices 0..201; cells 1..Zellen are used
using Zellfeld = std::array<double, Feldgroesse>;

struct Modell {
    // Parameters
    Eingabewert Sinterzeit;  // h
    Eingabewert Sintertemp;  // °C
    Eingabewert x_max;       // µm
    Eingabewert D0;          // 1000 · cm²/s
    Eingabewert Q;           // J/mol
    std::int16_t i_Diff = 0;
    ::kalvion::Geometrie Geometrie = ::kalvion::Geometrie::linear;
    std::optional<Programmangabe> programm;  // none: one temperature for one time

    // How the profile starts: the step of i_Diff cells, on the base content c0
    // (mol%) for Anfangsart::grundgehalt, or the points of `startprofil`
    // (shared: a study's runs and every copy of the record read the same).
    Anfangsart Anfang = Anfangsart::stufe;
    Eingabewert c0;
    std::shared_ptr<const Startprofil> startprofil;

    // What crosses the surface: c_s (mol%) held there, or exchange with an
    // atmosphere of c_atm (mol%) through β (cm/s).
    Oberflaechenart Oberflaeche = Oberflaechenart::geschlossen;
    Eingabewert c_s, beta, c_atm;

    // Fixed values
    std::int16_t Zellen = 0;
    static constexpr double R = 8.31451;

    // Derived values
    double Sinterzeit_s = 0, Sintertemp_K = 0, x_max_cm = 0, dx = 0, D = 0;
    double dt_max = 0, Schritte = 0, dt = 0;
    // The surface's conductance per area (cm/s; 0 while it is closed) and the
    // concentration it draws the surface towards (mol%).
    double Randleitwert = 0, Randwert = 0;

    // Cell arrays
    Zellfeld Flaeche{}, Volumen{}, Menge{}, Fluss{}, Konz{}, Konz_Start{},
        Konz_10{}, Konz_100{}, Konz_1000{};

    // Totals and counters
    double Volumen_ges = 0, Menge_ges = 0, Molprozent = 0;
    // What the run took up through the surface (lost: negative), in the
    // units of Menge; 0 while the surface is closed.
    double Menge_rand = 0;
    // Counts on past 32767: a long run can meet more negative fluxes than a
    // 16-bit counter holds, and the message must show the true number.
    std::int64_t Fehlerzahl = 0;

    // Flags
    bool Berechnung_aktuell = false;
    // While the time stepping runs: a save in the middle of it must say so,
    // not that there has never been a result.
    bool Berechnung_laeuft = false;
};

// The program's one instance.
Modell& modell();

// Start-up values, in the order the main window's load handler assigns them.
void startwerte_setzen(Modell& m);

// Every value derived from the parameters is computed here and nowhere else,
// by werte_ableiten in the one order they build on each other.

// Kelvin (+ 273, a whole number), seconds, and the path in cm with its cell length.
void kelvin_ableiten(Modell& m);
void sekunden_ableiten(Modell& m);
void weg_ableiten(Modell& m);

// Arrhenius law: (D0 / 1000) · exp(−Q / (Sintertemp_K · R)).
double diffusionskoeffizient(const Modell& m);

// Stores D; false, with D left as it was, when it is beyond a double.
bool d_ableiten(Modell& m);

// The stability limit of the explicit scheme, dx² / (2 · D); with an open
// surface dx² / (3 · D), because cell 1 then also exchanges through the half
// cell to the surface (2 D / dx), and its own coefficient in the step,
// 1 − 3 · D · dt / dx², must not turn negative.
double stabilitaetsgrenze(double dx, double D, bool offen = false);

// The surface passes something: fixed concentration, or exchange with β > 0.
// Exchange with β = 0 is the closed surface in every respect.
bool oberflaeche_offen(const Modell& m);

// Randleitwert and Randwert from the surface's kind and values, D and dx.
void oberflaeche_ableiten(Modell& m);

// The run steps through its temperature programme itself, with D(T(t)) at
// every step, instead of running the programme's equivalent isothermal run:
// with exchange at the surface β/D changes with the temperature, and the
// equivalent time no longer holds. Sintertemp is then the programme's highest
// temperature, whose D sets the step.
bool durch_programm(const Modell& m);

// The time the run steps through, in s: the sintering time, or the
// programme's whole duration where the run steps through it.
double laufzeit_s(const Modell& m);

// 1.2 · Sinterzeit_s / dt_max, rounded down; no floor of 200 here.
double schrittzahl(double Sinterzeit_s, double dt_max);

// dt_max and Schritte as the parameter dialog shows them (without the run's
// floor of 200). False when they cannot be formed (D = 0, a result beyond a
// double); whatever could be formed before that stays stored.
bool schritte_ableiten(Modell& m);

// The initially filled cells: a typed count rounded to the nearest whole
// number, a half to the even neighbour (150.5 → 150, 151.5 → 152). The range
// is checked on the rounded double, before it becomes a 16-bit count.
inline constexpr double Zellzahl_min = 1, Zellzahl_max = 199;
double zellzahl_gerundet(double getippt);
std::int16_t zellzahl(double getippt);  // needs a count within the range

// Which derived values to form. The units (kelvin, seconds, the path in cm
// and dx) are always formed; D needs them, dt_max and Schritte need D, the
// initial profile and Molprozent need the path.
struct Ableitungen {
    bool d = true;
    bool schritte = true;
    bool anfangsprofil = true;
};

// Which of them could be formed. A D that cannot be formed leaves D as it
// was and the step count unformed; whatever was formed stays stored.
struct Abgeleitet {
    bool d = false, schritte = false, molprozent = false;
};

// Every value that depends on the parameters, in this order: the units, D,
// the surface's conductance, dt_max and Schritte (without the run's floor of
// 200), the initial profile.
Abgeleitet werte_ableiten(Modell& m, Ableitungen welche = {});

// One typed value and where it goes.
struct Parameterwert {
    Eingabewert Modell::*ziel;
    Eingabewert wert;
};

// What the parameter dialog's "ok" accepts: each typed value with its text;
// a value that is missing keeps what the model holds.
struct Parametersatz {
    std::vector<Parameterwert> eingaben;
    std::optional<std::int16_t> i_Diff;
};

// Stores the parameters and brings every derived value, the initial profile
// and Molprozent up to date; the last run is no longer current.
void parameter_uebernehmen(Modell& m, const Parametersatz& p);

// The snapshot after step 1000 counts only in runs of more than 2000 steps:
// the graph draws it and the curve file fills its column only then.
inline bool mit_konz_1000(const Modell& m) { return m.Schritte > 2000; }

}  // namespace kalvion
