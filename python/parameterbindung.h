// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <pybind11/pybind11.h>

namespace kalvion::python {

// kalvion.load_parameters and kalvion.save_parameters.
void binde_parameter(pybind11::module_& modul);

}  // namespace kalvion::python
