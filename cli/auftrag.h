// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line asks for, read with QCommandLineParser and checked
// completely before anything runs.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "anpassen.h"
#include "eingabefehler.h"
#include "messprofil.h"
#include "studie.h"
#include "studienlauf.h"

namespace kalvion::cli {

// More runs than this in one command only with --viele: a typing slip in a
// range should not keep the machine busy for days.
inline constexpr std::uint64_t Laufgrenze = 100000;

struct Auftrag {
    enum class Art { rechnen, hilfe, version };
    Art art = Art::rechnen;
    Studie studie = Studie::startwerte();
    Teil teil;
    Laufbereich bereich;  // the runs of this command: the slice `teil` of the study
    // The outputs of a finished study, each written only when every run is done.
    std::optional<QString> datei;  // --datei: the results file
    bool tabelle = false;          // --tabelle: CSV on standard output
    std::optional<QString> kurven; // --kurven: the five curves of the one run
    Verfahrenswahl verfahren = Verfahrenswahl::schrittweise;
    bool verfahren_gegeben = false;  // --verfahren named: a long run is computed as told
    int threads = 0;  // 0: one per core
    // --messung, --anpassen: instead of runs, D fitted to these measured
    // profiles (and D0 and Q for two or more).
    std::vector<Messauftrag> messungen;
    Spaltenwahl spalte;  // --spalte: which value column of each file
};

// `argumente` as QCoreApplication::arguments() gives them (the program first).
// Throws Eingabefehler with a message in the user's language.
Auftrag auftrag_lesen(const QStringList& argumente);

// The pieces of auftrag_lesen that other front ends of the same study need,
// each throwing Eingabefehler as the command would:
// "schrittweise"/"stepwise", "schnell"/"fast" or "auto".
Verfahrenswahl lies_verfahren(const QString& text);
// A thread count, 1 to 1024.
int lies_threads(const QString& text);
// Every run's programme passes the programme's checks (the study has one).
void pruefe_programme(const Studie& s);
// Every start profile lies on every run's path.
void pruefe_anfaenge(const Studie& s);
// Temperature and time come from a programme: `option` given beside one.
Eingabefehler neben_programm(const QString& option);
// At most Laufgrenze runs in the slice unless `viele`, and a countable study.
void pruefe_laufzahl(const Auftrag& a, bool viele);

// --help and --version.
QString hilfetext();
QString versionstext();

}  // namespace kalvion::cli
