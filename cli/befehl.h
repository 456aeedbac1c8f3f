// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole command: read the command line, check everything, run the study,
// then write its outputs, or nothing at all.

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <atomic>
#include <cstdio>

namespace kalvion::cli {

enum Exitstatus {
    Exit_ok = 0,
    Exit_schreibfehler = 1,  // the results file is as it was
    Exit_eingabefehler = 2,  // nothing run, nothing written
    Exit_abbruch = 128,      // + the signal's number: 130 for SIGINT, 143 for SIGTERM
};

struct Umgebung {
    QLocale locale;                  // the user's: results file and lines for people
    QDate datum;                     // the date in the results file's blocks
    const std::atomic<int>* halt;    // a signal's number once the user asked to stop
    bool fortschritt = false;        // show the progress line (standard error is a terminal)
    std::FILE* aus = stdout;
    std::FILE* fehler = stderr;
};

// "kalvion-cli: abgebrochen (%1); …\n" in the user's language, %1 for the
// signal's name, as a stop by signal ends the command.
QByteArray abbruchmeldung();

// `argumente` with the program's name first; returns the exit status.
int befehl_ausfuehren(const QStringList& argumente, const Umgebung& umgebung);

}  // namespace kalvion::cli
