// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long work off the GIL, and Ctrl+C for it. Python runs its signal handlers
// only on its main thread and only while that thread holds the GIL; a study
// that keeps the main thread inside C++ for minutes, its runs on threads of
// their own, would never see KeyboardInterrupt. So the work goes to a thread
// of its own, and the calling thread waits for it with the GIL released,
// taking the GIL every few milliseconds to let Python look at its signals
// (and to report progress). Other Python threads run meanwhile, and so does
// their own work. (A single run does without: it takes the GIL for a moment
// where the engine lets a front end's event loop run.)

#include <pybind11/pybind11.h>

#include <chrono>
#include <functional>

namespace kalvion::python {

namespace py = pybind11;

// The longest the calling thread waits before it looks at the signals again.
inline constexpr std::chrono::milliseconds Signalabstand{20};

// Runs `arbeit` on a thread of its own and waits for it. Every Signalabstand
// the waiting thread, holding the GIL, lets Python handle pending signals
// and then calls `melden` (may be empty). When a signal handler raises
// (KeyboardInterrupt) or `melden` raises, `anhalten` asks the work to stop;
// once it has, that Python exception comes out. An exception of `arbeit`
// comes out on the calling thread. Needs the GIL on entry.
void abseits_rechnen(const std::function<void()>& arbeit, const std::function<void()>& anhalten,
                     const std::function<void()>& melden = {});

}  // namespace kalvion::python
