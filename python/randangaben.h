// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalvion.Start and kalvion.Surface: how a run's profile starts and what
// crosses the surface, and the one place where a run's model is made with
// them.
//
// The command line does not take a start or a surface yet, so they are put
// onto the engine's fields here, after the command line has made the model.
// Once cli::Lauf carries them, modell_fuer_lauf hands them over there and
// becomes cli::modell_fuer.

#include <pybind11/pybind11.h>

#include <QLocale>
#include <memory>

#include "anfang.h"
#include "modell.h"
#include "oberflaeche.h"
#include "studie.h"

namespace kalvion::python {

namespace py = pybind11;

struct Startangabe {
    Anfangsart art = Anfangsart::stufe;
    double c0 = 0;  // mol%, for grundgehalt
    std::shared_ptr<const Startprofil> profil;  // for datei and ergebnis
};

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

void binde_rand(py::module_& modul);

}  // namespace kalvion::python
