// SPDX-License-Identifier: GPL-3.0-or-later
#include "randangaben.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <string>

#include "einzellauf.h"
#include "kurzform.h"
#include "messprofil.h"
#include "anfangswahl.h"
#include "startprofil.h"
#include "umgebung.h"

namespace kalvion::python {

namespace {

std::string zahl(double wert)
{
    return cli::kurzform(wert);
}

void im_bereich(const char* name, double wert, double unten, double oben)
{
    if (!(wert >= unten && wert <= oben))
        throw py::value_error(std::string(name) + ": " + zahl(wert) + " lies outside the allowed range " +
                              zahl(unten) + " ≤ value ≤ " + zahl(oben));
}

const char* startname(Anfangsart art)
{
    return beschreibung(art).englischer_name;
}

const char* oberflaechenname(Oberflaechenart art)
{
    return beschreibung(art).englischer_name;
}

}  // namespace

Startangabe startprofil_aus(std::vector<Messpunkt> punkte, std::string quelle, Anfangsart art)
{
    if (punkte.size() < Startpunkte_min)
        throw py::value_error("a start profile needs at least " + std::to_string(Startpunkte_min) + " points, not " +
                              std::to_string(punkte.size()));
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const Messpunkt& p = punkte[i];
        if (!std::isfinite(p.x) || p.x < 0)
            throw py::value_error("start profile point " + std::to_string(i + 1) + ": x = " + zahl(p.x) +
                                  " µm is no depth (0 or more)");
        if (!(p.konz >= Startwert_min && p.konz <= Startwert_max))
            throw py::value_error("start profile point " + std::to_string(i + 1) + ": " + zahl(p.konz) +
                                  " mol% lies outside the allowed range " + zahl(Startwert_min) +
                                  " ≤ value ≤ " + zahl(Startwert_max));
    }
    if (const std::size_t tiefen = verschiedene_tiefen(punkte); tiefen < Startpunkte_min)
        throw py::value_error("a start profile needs at least " + std::to_string(Startpunkte_min) +
                              " different depths x, not " + std::to_string(tiefen));
    Startangabe s;
    s.art = art;
    s.profil = std::make_shared<const Startprofil>(Startprofil{std::move(punkte), std::move(quelle)});
    return s;
}

cli::Anfangsliste anfaenge_aus(const py::handle& objekt, const char* wort)
{
    cli::Anfangsliste liste;
    if (objekt.is_none())
        return liste;
    auto eintrag = [&](const py::handle& e) {
        if (py::isinstance<py::str>(e))
            liste.hinzu(QString::fromStdString(e.cast<std::string>()), {}, QString::fromLatin1(wort));
        else
            liste.hinzu(startangabe_aus(e));
    };
    if (py::isinstance<py::str>(objekt) || py::isinstance<Startangabe>(objekt)) {
        eintrag(objekt);
        return liste;
    }
    for (const py::handle e : py::iter(objekt))
        eintrag(e);
    return liste;
}

Startangabe startangabe_aus(const py::handle& objekt)
{
    if (objekt.is_none())
        return {};
    if (py::isinstance<py::str>(objekt)) {
        const std::string name = objekt.cast<std::string>();
        if (name == beschreibung(Anfangsart::stufe).englischer_name || name == beschreibung(Anfangsart::stufe).name)
            return {};
        throw py::value_error("start: \"" + name + "\" is no start; give \"step\" or a kalvion.Start");
    }
    if (!py::isinstance<Startangabe>(objekt))
        throw py::type_error("start: give \"step\" or a kalvion.Start, not " +
                             std::string(py::str(py::type::handle_of(objekt).attr("__name__"))));
    return objekt.cast<Startangabe>();
}

Oberflaechenangabe oberflaechenangabe_aus(const py::handle& objekt)
{
    if (objekt.is_none())
        return {};
    if (py::isinstance<py::str>(objekt)) {
        const std::string name = objekt.cast<std::string>();
        const Oberflaechenbeschreibung& zu = beschreibung(Oberflaechenart::geschlossen);
        if (name == zu.englischer_name || name == zu.name)
            return {};
        throw py::value_error("surface: \"" + name + "\" is no surface; give \"closed\" or a kalvion.Surface");
    }
    if (!py::isinstance<Oberflaechenangabe>(objekt))
        throw py::type_error("surface: give \"closed\" or a kalvion.Surface, not " +
                             std::string(py::str(py::type::handle_of(objekt).attr("__name__"))));
    return objekt.cast<Oberflaechenangabe>();
}

Randangaben randangaben_aus(const py::handle& start, const py::handle& oberflaeche)
{
    Randangaben rand;
    rand.start = startangabe_aus(start);
    rand.oberflaeche = oberflaechenangabe_aus(oberflaeche);
    return rand;
}

cli::Lauf lauf_mit(const cli::Lauf& lauf, const Randangaben& rand)
{
    cli::Lauf l = lauf;
    l.anfang = rand.start;
    l.oberflaeche = rand.oberflaeche;
    // A profile must lie on the run's path, as on the command line.
    if (rand.start.profil)
        if (const QString fehler = startpunkte_pruefen(*rand.start.profil, lauf.wert(Feld::x_max), QLocale::c());
            !fehler.isEmpty())
            wertfehler(QStringLiteral("start: %1").arg(fehler));
    return l;
}

Modell modell_fuer_lauf(const cli::Lauf& lauf, const Randangaben& rand, const QLocale& locale)
{
    return cli::modell_fuer(lauf_mit(lauf, rand), locale);
}

cli::Oberflaechenliste oberflaechen_aus(const py::handle& objekt, const char* wort)
{
    cli::Oberflaechenliste liste;
    if (objekt.is_none())
        return liste;
    auto eintrag = [&](const py::handle& e) {
        if (py::isinstance<py::str>(e))
            liste.hinzu(QString::fromStdString(e.cast<std::string>()), QString::fromLatin1(wort));
        else
            liste.hinzu(oberflaechenangabe_aus(e));
    };
    if (py::isinstance<py::str>(objekt) || py::isinstance<Oberflaechenangabe>(objekt)) {
        eintrag(objekt);
        return liste;
    }
    for (const py::handle e : py::iter(objekt))
        eintrag(e);
    return liste;
}

void binde_rand(py::module_& modul)
{
    py::class_<Startangabe>(modul, "Start", R"(How a run's profile starts. Make one with a class method:

- ``Start.step()``: the first filled_cells cells at 100 mol%, the rest at 0
  (the default, also ``start=None`` or ``start="step"``);
- ``Start.base(c0)``: the same step on a uniform base content c0 (mol%, 0 … 100);
- ``Start.profile(x_um, concentration)``: a profile given point by point (depth
  in µm from the surface where cell 1 lies, mol%, −1 … 101), mapped onto the
  cells: taken cell by cell where the points are the cells' own rows, otherwise
  interpolated linearly at the cell centres;
- ``Start.file(path)``: such a profile from a file, read as
  ``kalvion-cli --start datei:`` reads it: a measured profile (from two depths
  on), a curve table, or the last block of a results file;
- ``Start.result(result)``: the final profile of an earlier Result (a second
  treatment after a first).)")
        .def_static("step", [] { return Startangabe{}; }, "The step: filled_cells cells at 100 mol%, the rest at 0.")
        .def_static(
            "base",
            [](double c0) {
                im_bereich("c0", c0, Grundgehalt_min, Grundgehalt_max);
                Startangabe s;
                s.art = Anfangsart::grundgehalt;
                s.c0 = c0;
                return s;
            },
            py::arg("c0"), "The step on a base content c0 (mol%, 0 … 100) in the cells that are not filled.")
        .def_static(
            "profile",
            [](const py::array_t<double, py::array::forcecast>& x_um,
               const py::array_t<double, py::array::forcecast>& konzentration, const std::string& quelle) {
                if (x_um.ndim() != 1 || konzentration.ndim() != 1 || x_um.size() != konzentration.size())
                    throw py::value_error("x_um and concentration must be two sequences of the same length");
                std::vector<Messpunkt> punkte;
                for (py::ssize_t i = 0; i < x_um.size(); ++i)
                    punkte.push_back({x_um.at(i), konzentration.at(i)});
                return startprofil_aus(std::move(punkte), quelle, Anfangsart::datei);
            },
            py::arg("x_um"), py::arg("concentration"), py::arg("source") = "",
            "A start profile point by point: depths (µm), at least two different ones, and concentrations\n"
            "(mol%, −1 … 101); source names it.")
        .def_static(
            "file",
            [](const py::object& pfad_objekt) {
                const QString pfad = pfad_aus(pfad_objekt);
                lesbar_pruefen(pfad);
                const Messlesung l = startprofil_laden(pfad);
                if (!l.ok)
                    wertfehler(QStringLiteral("%1: %2").arg(pfad, l.fehler));
                return startprofil_aus(l.profil.punkte, l.profil.dateiname.toStdString(), Anfangsart::datei);
            },
            py::arg("path"),
            "A start profile from a file (x in µm, mol%): a measured profile, a curve table or a results file's last "
            "block, as kalvion-cli --start datei: reads it.")
        .def_static(
            "result",
            [](const py::object& ergebnis) {
                const auto x = ergebnis.attr("x_um").cast<py::array_t<double, py::array::forcecast>>();
                const auto c = ergebnis.attr("final").cast<py::array_t<double, py::array::forcecast>>();
                std::vector<Messpunkt> punkte;
                for (py::ssize_t i = 0; i < x.size(); ++i)
                    punkte.push_back({x.at(i), c.at(i)});
                return startprofil_aus(std::move(punkte), std::string(), Anfangsart::ergebnis);
            },
            py::arg("result"),
            "The final profile of an earlier Result, cell by cell: a second treatment after the first.")
        .def_property_readonly(
            "kind", [](const Startangabe& s) { return startname(s.art); },
            "\"step\", \"base\", \"file\" (a profile given point by point) or \"result\".")
        .def_property_readonly(
            "c0", [](const Startangabe& s) { return s.c0; }, "The base content (mol%) of a step on a base content.")
        .def_property_readonly(
            "points",
            [](const Startangabe& s) {
                py::list punkte;
                if (s.profil)
                    for (const Messpunkt& p : s.profil->punkte)
                        punkte.append(py::make_tuple(p.x, p.konz));
                return punkte;
            },
            "The points of a start profile as (x_um, mol%); empty for a step.")
        .def("__repr__", [](const Startangabe& s) {
            switch (s.art) {
            case Anfangsart::stufe: return std::string("kalvion.Start.step()");
            case Anfangsart::grundgehalt: return "kalvion.Start.base(" + zahl(s.c0) + ")";
            case Anfangsart::datei:
            case Anfangsart::ergebnis: break;
            }
            return "<kalvion.Start " + std::string(startname(s.art)) + ": " +
                   std::to_string(s.profil ? s.profil->punkte.size() : 0) + " points" +
                   (s.profil && !s.profil->quelle.empty() ? " from " + s.profil->quelle : std::string()) + ">";
        });

    py::class_<Oberflaechenangabe>(modul, "Surface", R"(What crosses the surface (the end of the path where cell 1 lies: the left
end of the bar, the outer surface of fibre and particle). The far end is
always closed. Make one with a class method:

- ``Surface.closed()``: nothing crosses it (the default, also ``surface=None``
  or ``surface="closed"``);
- ``Surface.concentration(c_s)``: held at c_s (mol%, 0 … 100): an infinite
  source, or at 0 a perfect sink;
- ``Surface.exchange(beta_cm_s, c_atm)``: a flux into the part of
  beta · (c_atm − c at the surface), beta the mass transfer coefficient
  (cm/s, 0 … 1000) and c_atm the atmosphere's content (mol%, 0 … 100).

With an open surface the step limit is smaller (cell 1 also exchanges through
the half cell to the surface), and the error count counts cells that leave
the range of the values they are mixed from instead of negative fluxes.)")
        .def_static("closed", [] { return Oberflaechenangabe{}; }, "Nothing crosses the surface.")
        .def_static(
            "concentration",
            [](double c_s) {
                im_bereich("c_s", c_s, Randkonzentration_min, Randkonzentration_max);
                Oberflaechenangabe o;
                o.art = Oberflaechenart::konzentration;
                o.c_s = c_s;
                return o;
            },
            py::arg("c_s"), "The surface held at c_s (mol%, 0 … 100).")
        .def_static(
            "exchange",
            [](double beta, double c_atm) {
                im_bereich("beta_cm_s", beta, Beta_min, Beta_max);
                im_bereich("c_atm", c_atm, Randkonzentration_min, Randkonzentration_max);
                Oberflaechenangabe o;
                o.art = Oberflaechenart::austausch;
                o.beta = beta;
                o.c_atm = c_atm;
                return o;
            },
            py::arg("beta_cm_s"), py::arg("c_atm"),
            "Exchange with an atmosphere of c_atm (mol%, 0 … 100) through beta (cm/s, 0 … 1000).")
        .def_property_readonly(
            "kind", [](const Oberflaechenangabe& o) { return oberflaechenname(o.art); },
            "\"closed\", \"concentration\" or \"exchange\".")
        .def_property_readonly(
            "c_s", [](const Oberflaechenangabe& o) { return o.c_s; }, "The fixed surface concentration (mol%).")
        .def_property_readonly(
            "beta_cm_s", [](const Oberflaechenangabe& o) { return o.beta; },
            "The mass transfer coefficient of exchange (cm/s).")
        .def_property_readonly(
            "c_atm", [](const Oberflaechenangabe& o) { return o.c_atm; },
            "The atmosphere's content for exchange (mol%).")
        .def("__repr__", [](const Oberflaechenangabe& o) {
            switch (o.art) {
            case Oberflaechenart::geschlossen: break;
            case Oberflaechenart::konzentration: return "kalvion.Surface.concentration(" + zahl(o.c_s) + ")";
            case Oberflaechenart::austausch:
                return "kalvion.Surface.exchange(" + zahl(o.beta) + ", " + zahl(o.c_atm) + ")";
            }
            return std::string("kalvion.Surface.closed()");
        });
}

}  // namespace kalvion::python
