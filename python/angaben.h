// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The module's keywords as the command line's options: a Python value (a
// number, a string such as "1000:1200:50", a range, a list or an array) is
// written as the option's text and read by the command line's own readers,
// so that every value passes the same rules and a refusal is the same
// message, naming the keyword instead of the option.

#include <pybind11/pybind11.h>

#include <QString>
#include <array>
#include <optional>

#include "feldpruefung.h"
#include "studie.h"
#include "studienlauf.h"

namespace kalvion::python {

namespace py = pybind11;

// The keyword of each field (indexed by Feld), with its unit in the name.
inline constexpr std::array<const char*, Feldzahl> Feldwoerter{
    "temperature_c", "time_h", "length_um", "d0", "q", "filled_cells"};

// The text of a command-line option for a value, a list or a range. A range
// is inclusive on the command line: range(1000, 1201, 50) is 1000:1200:50.
QString als_optionstext(const py::handle& wert, const char* wort);

// The parameters of the keywords: one value each for a run, or lists and
// ranges for a study. Fields left at None keep the start-up value.
struct Angaben {
    py::object geometrie = py::none();  // "linear", "spherical,linear", or a list
    std::array<py::object, Feldzahl> felder{py::none(), py::none(), py::none(), py::none(), py::none(), py::none()};
    py::object programm = py::none();   // a Programme
    py::object halten = py::none(), rate = py::none();
    py::object start = py::none();      // a Start, a text, or a list of them
    py::object oberflaeche = py::none();  // a Surface, a text, or a list of them
};

// The study the keywords describe, checked as the command line checks its
// options (the programme's runs included). Throws Eingabefehler.
cli::Studie studie_aus(const Angaben& a);

// The one run they describe; a list or a range is a ValueError.
cli::Lauf lauf_aus(const Angaben& a);

// "auto", "stepwise", "fast" (or the German names).
cli::Verfahrenswahl verfahren_aus(const std::string& text);

// None: one per core, as on the command line.
int threads_aus(const py::object& threads);

// None: the whole study; (k, n): the k-th of n slices.
cli::Teil teil_aus(const py::object& teil);

// The keyword arguments of a field, for the signatures: None, shown as the
// start-up value.
py::arg_v feldargument(Feld f);

}  // namespace kalvion::python
