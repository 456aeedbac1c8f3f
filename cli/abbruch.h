// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+C and SIGTERM ask the command to stop: the runs under way stop at
// their next pass, nothing is written.

#include <atomic>

namespace kalvion::cli {

// The signal that asked to stop (SIGINT or SIGTERM), or 0.
const std::atomic<int>& abbruchsignal();

// From now on SIGINT and SIGTERM only set abbruchsignal(). SIGINT stays
// ignored when whoever started us ignores it (a job in the background).
void abbruch_abfangen();

// "SIGINT", "SIGTERM".
const char* signalname(int signal);

}  // namespace kalvion::cli
