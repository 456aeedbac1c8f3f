// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table for scripts: RFC 4180 CSV (comma, CR LF), a header row, one row
// per run, numbers with a decimal point in their shortest exact form.

#include <string>

#include "modell.h"
#include "studie.h"
#include "zeitschritte.h"

namespace kalvion::cli {

// The cells whose final concentration the table shows.
inline constexpr int Tabellenzellen[] = {1, 50, 100, 150, 200};

// Which columns a study's table has beyond the fixed ones: those of the
// options given (a start, a programme), so that a table without them stays as
// it always was.
struct Tabellenform {
    bool anfang = false, oberflaeche = false, programm = false;
};
Tabellenform tabellenform(const Studie& studie);

// "modell,temperatur,zeit,weg,d0,q,i_diff,Kelvin,D,Schritte,Molprozent,Fehler,Sprung,Konz_1,...\r\n"
// With a start given three more: its kind (stufe, grundgehalt, datei), the
// base content c0 and the start file's name (each empty where the kind has
// none). With a surface given six more: its kind (geschlossen, konzentration,
// austausch), c_s, beta, c_atm (empty where the kind has none), and what the
// run took up through it (mol% of the volume, lost below 0) and its total
// mol% at the end (both empty for a closed surface). With a programme four
// more: the hold of its highest segment, the rate of its first heating ramp
// (empty: at once), T_ref and t_eq.
std::string tabellenkopf(Tabellenform form = {});

// The run's parameters (i_diff as the cell count it became), the derived
// values, the error count, whether the run jumped (1) or stepped (0), the
// final profile at Tabellenzellen, and the columns of `form`.
std::string tabellenzeile(const Lauf& lauf, const Modell& m, const Laufausgang& ausgang, Tabellenform form = {});

}  // namespace kalvion::cli
