// SPDX-License-Identifier: GPL-3.0-or-later
// kalvion._kalvion: the engine and the writers of the window and the command
// line for Python. The package kalvion re-exports everything.
#include <pybind11/pybind11.h>

#include "kalvion_version.h"
#include "laufbindung.h"
#include "messbindung.h"
#include "ofenprogramm.h"
#include "parameterbindung.h"
#include "randangaben.h"
#include "studienbindung.h"
#include "umgebung.h"

namespace py = pybind11;
using namespace kalvion::python;

PYBIND11_MODULE(_kalvion, modul)
{
    modul.doc() = "The engine of Kalvion and the writers of its window and command line.";
    einrichten();
    fehler_uebersetzen();
    modul.attr("__version__") = KALVION_VERSION;
    binde_programm(modul);
    binde_rand(modul);
    binde_lauf(modul);
    binde_studie(modul);
    binde_messung(modul);
    binde_parameter(modul);
}
