// SPDX-License-Identifier: GPL-3.0-or-later
#include "abbruch.h"

#include <csignal>

namespace kalvion::cli {

namespace {

// Lock-free, so the handler may set it.
std::atomic<int> signal_empfangen{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void beim_signal(int signal)
{
    int keins = 0;
    signal_empfangen.compare_exchange_strong(keins, signal);
}

}  // namespace

const std::atomic<int>& abbruchsignal()
{
    return signal_empfangen;
}

void abbruch_abfangen()
{
    struct sigaction neu {};
    neu.sa_handler = beim_signal;
    sigemptyset(&neu.sa_mask);
    neu.sa_flags = SA_RESTART;
    sigset_t freigeben;
    sigemptyset(&freigeben);
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction alt {};
        sigaction(signal, nullptr, &alt);
        if (signal == SIGINT && alt.sa_handler == SIG_IGN)
            continue;
        sigaction(signal, &neu, nullptr);
        sigaddset(&freigeben, signal);
    }
    // A signal blocked by whoever started us would otherwise never arrive.
    pthread_sigmask(SIG_UNBLOCK, &freigeben, nullptr);
}

const char* signalname(int signal)
{
    switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    default: return "Signal";
    }
}

}  // namespace kalvion::cli
