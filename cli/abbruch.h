// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+C and SIGTERM ask the command to stop. Until the first file may be
// touched the command ends at once, whatever it is doing (reading, checking,
// fitting): there is nothing to undo. From then on the runs under way stop at
// their next pass and nothing is written.

#include <QByteArray>
#include <atomic>

namespace kalvion::cli {

// The signal that asked to stop (SIGINT or SIGTERM), or 0.
const std::atomic<int>& abbruchsignal();

// From now on SIGINT and SIGTERM set abbruchsignal(), and while sofort_beenden
// is on they end the process at once with status 128 + the signal, after
// writing `meldung(signal)` to standard error. SIGINT stays ignored when
// whoever started us ignores it (a job in the background).
void abbruch_abfangen();

// The messages for an end at once, formed beforehand (a signal handler may
// not form text); %1 stands for the signal's name.
void abbruchmeldung_setzen(const QByteArray& mit_platzhalter);

// On while nothing has been written yet; off before the first file is opened
// for writing and before standard output is written. A signal that came while
// it was on has already ended the process.
void sofort_beenden(bool an);

// "SIGINT", "SIGTERM".
const char* signalname(int signal);

}  // namespace kalvion::cli
