// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values one numeric option stands for: a single value ("1050"), a list
// ("1000,1050,1100"), an inclusive range ("1000:1200:50") or a list that mixes
// both ("900,1000:1200:100"). Numbers are written with a decimal point, as on
// any shell, so ',' only ever separates list entries.

#include <QString>
#include <cstdint>
#include <vector>

#include "feldpruefung.h"

namespace kalvion::cli {

// More values or runs than this cannot be counted here (and would never end).
inline constexpr std::uint64_t Hoechste_Anzahl = std::uint64_t{1} << 62;

// The positions [von, bis) of some values of a list.
struct Abschnitt {
    std::uint64_t von = 0, bis = 0;
};

class Werteliste {
public:
    // Reads the option's text; every value must pass the field's rule as the
    // parameter dialog checks it. Throws Eingabefehler naming `option`.
    static Werteliste lesen(Feld feld, const QString& option, const QString& text);
    // The same with a rule of its own (a programme's hold or rate).
    static Werteliste lesen(const Feldregel& regel, const QString& option, const QString& text);
    static Werteliste einzeln(double wert);

    // Saturates at Hoechste_Anzahl.
    std::uint64_t anzahl() const { return anzahl_; }
    // Value j (0 <= j < anzahl()) in the order written.
    double wert(std::uint64_t j) const;

    // The list in pieces along which the values rise or fall: each single
    // value and each range as written.
    std::vector<Abschnitt> abschnitte() const;
    // The positions of a smallest and a largest value among `a`; as cheap as
    // the list is written short (a range's extremes are its ends).
    std::pair<std::uint64_t, std::uint64_t> extreme(Abschnitt a) const;

private:
    // A range's members are counted in decimal: member j is
    // (anfang + j · schritt) · 10^exponent, rounded to a double only at the
    // end, so that 0.1:0.5:0.1 gives 0.3 and not 0.30000000000000004.
    struct Stueck {
        std::uint64_t anzahl = 1;
        double einzelwert = 0;  // a single value, exactly as typed
        bool bereich = false;
        __int128 anfang = 0, schritt = 0;
        int exponent = 0;
    };
    static Stueck lies_stueck(const Feldregel& regel, const QString& option, const QString& text);
    static double bereichswert(const Stueck& s, std::uint64_t j);

    std::vector<Stueck> stuecke_;
    std::uint64_t anzahl_ = 0;
};

// "0 ≤ Wert ≤ 10000", "Wert ≥ 0", ...: what the field's rule allows.
QString erlaubter_bereich(const Feldregel& r);

}  // namespace kalvion::cli
