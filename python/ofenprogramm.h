// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalvion.Programme: a furnace cycle, kept as the command line keeps one (its
// texts written with a decimal point) and checked by the same rules.

#include <pybind11/pybind11.h>

#include "programmeingabe.h"
#include "temperaturprogramm.h"

namespace kalvion::python {

namespace py = pybind11;

struct Ofenprogramm {
    Programmeingabe eingabe;   // numbers with a decimal point
    Temperaturprogramm verlauf;
};

// The programme of these texts, checked as the command line checks
// --programm (its rules and a total time above 0). Throws Eingabefehler.
Ofenprogramm ofenprogramm_aus(const Programmeingabe& eingabe);

void binde_programm(py::module_& modul);

}  // namespace kalvion::python
