// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --kurven over a study: the final profile of every run as a column of one
// table, the runs differing in one option only ("--zeit 2,4,8"), each column
// named by what tells its run apart ("4 h"), as the window names kept results.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "studie.h"
#include "vergleich.h"

namespace kalvion::cli {

// A comparison holds every run's profile until the last is done: one column
// per run, as many as a spreadsheet takes with room to spare.
inline constexpr std::uint64_t Kurvenlaeufe_hoechstens = 10000;

// The options of a study that take more than one value, "--temperatur", in
// the study's order.
QStringList variierte_optionen(const Studie& studie);

// What tells the runs of the study apart, and the lines that every run
// shares (a programme, the start), which come before the column names as for
// one run.
struct Kurvenvergleich {
    Unterschiede welche;
    QStringList vorzeilen;
};
Kurvenvergleich kurvenvergleich(const Studie& studie, const QLocale& locale);

}  // namespace kalvion::cli
