// SPDX-License-Identifier: GPL-3.0-or-later
#include "abbruch.h"

#include <csignal>
#include <unistd.h>

namespace kalvion::cli {

namespace {

// Lock-free, so the handler may use them.
std::atomic<int> signal_empfangen{0};
std::atomic<bool> sofort{false};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

// The message for an end at once, per signal; written once before the
// handler is installed, only read by it.
QByteArray meldung_sigint, meldung_sigterm;

extern "C" void beim_signal(int signal)
{
    int keins = 0;
    signal_empfangen.compare_exchange_strong(keins, signal);
    if (!sofort.load())
        return;
    const QByteArray& meldung = signal == SIGINT ? meldung_sigint : meldung_sigterm;
    // write and _exit are async-signal-safe; the message is best effort.
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, meldung.constData(), static_cast<size_t>(meldung.size()));
    ::_exit(128 + signal);
}

}  // namespace

const std::atomic<int>& abbruchsignal()
{
    return signal_empfangen;
}

void abbruchmeldung_setzen(const QByteArray& mit_platzhalter)
{
    meldung_sigint = QByteArray(mit_platzhalter).replace("%1", "SIGINT");
    meldung_sigterm = QByteArray(mit_platzhalter).replace("%1", "SIGTERM");
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

void sofort_beenden(bool an)
{
    sofort.store(an);
    // A signal that came just before it was switched on ends the process now.
    if (an && signal_empfangen.load() != 0)
        beim_signal(signal_empfangen.load());
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
