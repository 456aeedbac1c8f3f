// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <pybind11/pybind11.h>

namespace kalvion::python {

void binde_studie(pybind11::module_& modul);

}  // namespace kalvion::python
