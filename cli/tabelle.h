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

// "modell,temperatur,zeit,weg,d0,q,i_diff,Kelvin,D,Schritte,Molprozent,Fehler,Sprung,Konz_1,...\r\n"
// With a programme four more: the hold of its highest segment, the rate of
// its first heating ramp (empty: at once), T_ref and t_eq.
std::string tabellenkopf(bool mit_programm = false);

// The run's parameters (i_diff as the cell count it became), the derived
// values, the error count, whether the run jumped (1) or stepped (0), and the
// final profile at Tabellenzellen.
std::string tabellenzeile(const Lauf& lauf, const Modell& m, const Laufausgang& ausgang);

}  // namespace kalvion::cli
