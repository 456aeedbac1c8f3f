// SPDX-License-Identifier: GPL-3.0-or-later
#include "warten.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace kalvion::python {

void abseits_rechnen(const std::function<void()>& arbeit, const std::function<void()>& anhalten,
                     const std::function<void()>& melden)
{
    std::mutex mutex;
    std::condition_variable fertig_signal;
    bool fertig = false;
    std::exception_ptr fehler;

    std::thread rechner([&] {
        try {
            arbeit();
        } catch (...) {
            fehler = std::current_exception();
        }
        const std::lock_guard sperre(mutex);
        fertig = true;
        fertig_signal.notify_all();
    });

    std::exception_ptr python_fehler;
    for (;;) {
        bool ende = false;
        {
            const py::gil_scoped_release ohne_gil;
            std::unique_lock sperre(mutex);
            ende = fertig_signal.wait_for(sperre, Signalabstand, [&] { return fertig; });
        }
        if (ende)
            break;
        try {
            if (PyErr_CheckSignals() != 0)
                throw py::error_already_set();
            if (melden)
                melden();
        } catch (...) {
            python_fehler = std::current_exception();
            anhalten();
            break;
        }
    }
    {
        const py::gil_scoped_release ohne_gil;
        rechner.join();
    }
    if (python_fehler)
        std::rethrow_exception(python_fehler);
    if (fehler)
        std::rethrow_exception(fehler);
}

}  // namespace kalvion::python
