// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalvion.Start and kalvion.Surface: how a run's profile starts and what
// crosses the surface, and the one place where a run's model is made with
// them.
//
// Both are the command line's (cli::Startangabe, cli::Oberflaechenangabe),
// handed to cli::Lauf, whose model cli::modell_fuer makes as for the command
// line.

#include <pybind11/pybind11.h>

#include <QLocale>
#include <memory>

#include "anfang.h"
#include "modell.h"
#include "oberflaeche.h"
#include "studie.h"

namespace kalvion::python {

namespace py = pybind11;

using Startangabe = cli::Startangabe;

using Oberflaechenangabe = cli::Oberflaechenangabe;

struct Randangaben {
    Startangabe start;
    Oberflaechenangabe oberflaeche;
    bool standard() const
    {
        return start.art == Anfangsart::stufe && oberflaeche.art == Oberflaechenart::geschlossen;
    }
};

// None or "step", a Start; None or "closed", a Surface. Otherwise TypeError.
Startangabe startangabe_aus(const py::handle& objekt);
Oberflaechenangabe oberflaechenangabe_aus(const py::handle& objekt);
// Both at once.
Randangaben randangaben_aus(const py::handle& start, const py::handle& oberflaeche);

// The run with the start and the surface, a start profile checked against
// its path (ValueError).
cli::Lauf lauf_mit(const cli::Lauf& lauf, const Randangaben& rand);

// The run's model as the dialog's "ok" leaves it: cli::modell_fuer of lauf_mit.
Modell modell_fuer_lauf(const cli::Lauf& lauf, const Randangaben& rand, const QLocale& locale);

// A start from the points of a profile (x in µm, mol%), checked; `art` datei
// or ergebnis. Throws ValueError.
Startangabe startprofil_aus(std::vector<Messpunkt> punkte, std::string quelle, Anfangsart art);

// The starts of a study: None (the step), a Start, the command line's text
// ("base:0.1:0.5:0.1", "file:scan.csv") or a list of these, each an entry as
// --start given once more. Throws Eingabefehler naming `wort`.
cli::Anfangsliste anfaenge_aus(const py::handle& objekt, const char* wort);

// The surfaces of a study, the same way ("concentration:0,5", "exchange:1e-5,0").
cli::Oberflaechenliste oberflaechen_aus(const py::handle& objekt, const char* wort);

void binde_rand(py::module_& modul);

}  // namespace kalvion::python
