// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What tells runs apart, for the names of compared curves: in the graph's
// legend beside kept results and in the headings of a curve table with one
// column per run. Each kind of difference is one entry of a table (the model,
// each field of the field table, the temperature programme, the start profile,
// the surface), so a further kind is one more entry there.
// Needs QtCore only, so that the window and the command line name runs alike.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "modell.h"

namespace kalvion {

// In which language a name is written: the user's (the window's legend, the
// exported graph) or German (a file, which is the same in every language).
enum class Namenssprache { anzeige, datei };

// The kinds of difference in which some runs differ, as a set.
class Unterschiede {
public:
    bool leer() const { return bits_ == 0; }
    bool enthaelt(std::size_t art) const { return (bits_ >> art) & 1U; }
    void hinzu(std::size_t art) { bits_ |= std::uint32_t{1} << art; }
    Unterschiede& operator|=(Unterschiede u)
    {
        bits_ |= u.bits_;
        return *this;
    }
    bool operator==(const Unterschiede&) const = default;

private:
    std::uint32_t bits_ = 0;
};

// How many kinds of difference there are, and the name of kind `art` for
// messages and tests ("Modell", "Sintertemp", …, "Programm", "Anfang", "Oberflaeche").
std::size_t unterschiedsarten();
const char* unterschiedsart(std::size_t art);

// The kinds in which a and b differ. Numbers are compared as values ("2" and
// "2,0" h are the same time); a temperature programme stands for the
// temperature and the time, which it sets.
Unterschiede unterschiede(const Modell& a, const Modell& b);

// The name of a run among runs that differ in `welche`: its own value of each,
// in the table's order, "4 h", "1100 °C, sphärisch", "x_max 100 µm". Empty when
// `welche` names nothing the run has (nothing differs).
QString vergleichsname(const Modell& m, Unterschiede welche, const QLocale& locale, Namenssprache sprache);

// What a compared run is called when nothing tells it apart: "gleiche Parameter".
QString ohne_unterschied(Namenssprache sprache);

// The names of kept results beside the current run: each named by its own
// values of everything in which any of them, or the current run, differs;
// "gleiche Parameter" where nothing does. `aktuell` is the current run's own
// name by the same rule, empty where nothing differs.
struct Vergleichsnamen {
    QString aktuell;
    QStringList behalten;
};
Vergleichsnamen vergleichsnamen(const Modell& aktuell, const std::vector<const Modell*>& behalten,
                                const QLocale& locale, Namenssprache sprache);

}  // namespace kalvion
