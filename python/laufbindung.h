// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalvion.run and kalvion.Result: one run as the window makes it, and what
// the window and the command line write of it.

#include <pybind11/pybind11.h>

#include <QLocale>

#include "randangaben.h"
#include "studie.h"
#include "zeitschritte.h"

namespace kalvion::python {

namespace py = pybind11;

// A finished run. The model holds the texts as typed in rechenlocale();
// written in another locale, the same run is typed there.
struct Rechenergebnis {
    cli::Lauf lauf;
    Randangaben rand;
    Modell modell;
    Laufausgang ausgang;

    Modell in_locale(const QLocale& locale) const;
};

void binde_lauf(py::module_& modul);

}  // namespace kalvion::python
