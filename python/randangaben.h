// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalvion.Start and kalvion.Surface: how a run's profile starts and what
// crosses the surface, and the one place where a run's model is made with
// them.
//
// A start is the command line's (cli::Startangabe), handed to cli::Lauf. The
// command line does not take a surface yet, so it is put onto the engine's
// fields here, after the command line has made the model; once cli::Lauf
// carries it, modell_fuer_lauf becomes cli::modell_fuer.

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

struct Oberflaechenangabe {
    Oberflaechenart art = Oberflaechenart::geschlossen;
    double c_s = 0;             // mol%, for konzentration
    double beta = 0, c_atm = 0; // cm/s and mol%, for austausch
};

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

// The run's model as the dialog's "ok" leaves it: the command line's model of
// the run with the start and the surface, every derived value formed anew.
Modell modell_fuer_lauf(const cli::Lauf& lauf, const Randangaben& rand, const QLocale& locale);

// A start from the points of a profile (x in µm, mol%), checked; `art` datei
// or ergebnis. Throws ValueError.
Startangabe startprofil_aus(std::vector<Messpunkt> punkte, std::string quelle, Anfangsart art);

// The starts of a study: None (the step), a Start, the command line's text
// ("base:0.1:0.5:0.1", "file:scan.csv") or a list of these, each an entry as
// --start given once more. Throws Eingabefehler naming `wort`.
cli::Anfangsliste anfaenge_aus(const py::handle& objekt, const char* wort);

void binde_rand(py::module_& modul);

}  // namespace kalvion::python
