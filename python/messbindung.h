// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <pybind11/pybind11.h>

namespace kalvion::python {

// kalvion.Profile, read_profile, fit, Fit, arrhenius, Arrhenius.
void binde_messung(pybind11::module_& modul);

}  // namespace kalvion::python
