// SPDX-License-Identifier: GPL-3.0-or-later
// Measured profiles and what they tell: D with its interval for one profile,
// D0 and Q from several temperatures; the engine's fits, checked and called
// as the command line's --anpassen calls them.
#include "messbindung.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>

#include "anpassen.h"
#include "anpassungsbefund.h"
#include "angaben.h"
#include "messprofil.h"
#include "randangaben.h"
#include "umgebung.h"

namespace kalvion::python {

namespace {

struct Ermittlung {
    Anpassung anpassung;
    double temperatur = 0, kelvin = 0, q = 0;
    std::string quelle;  // the profile's file name
};

struct Arrheniusergebnis {
    Arrhenius werte;
    int punkte = 0;
};

// The finding under Python's names, in the engine's order.
const char* befundname(Anpassungsbefund b)
{
    switch (b) {
    case Anpassungsbefund::eindeutig: return "unique";
    case Anpassungsbefund::untere_grenze: return "lower_bound";
    case Anpassungsbefund::obere_grenze: return "upper_bound";
    case Anpassungsbefund::ohne_information: return "no_information";
    case Anpassungsbefund::nur_oben_begrenzt: return "bounded_above_only";
    case Anpassungsbefund::nur_unten_begrenzt: return "bounded_below_only";
    }
    return "";
}

Messprofil gelesen(const QString& pfad)
{
    lesbar_pruefen(pfad);
    const Messlesung l = messprofil_laden(pfad);
    if (!l.ok)
        wertfehler(QStringLiteral("%1: %2").arg(pfad, l.fehler));
    return l.profil;
}

// A Profile, a path, or the two columns (x_um, concentration).
Messprofil profil_aus(const py::object& objekt)
{
    if (py::isinstance<Messprofil>(objekt))
        return objekt.cast<Messprofil>();
    if (py::isinstance<py::str>(objekt) || py::hasattr(objekt, "__fspath__"))
        return gelesen(pfad_aus(objekt));
    const auto spalten = objekt.cast<py::sequence>();
    if (spalten.size() != 2)
        throw py::value_error("a profile is a kalvion.Profile, a path, or the two sequences (x_um, concentration)");
    const auto x = spalten[0].cast<py::array_t<double, py::array::forcecast>>();
    const auto c = spalten[1].cast<py::array_t<double, py::array::forcecast>>();
    if (x.ndim() != 1 || c.ndim() != 1 || x.size() != c.size())
        throw py::value_error("x_um and concentration must be two sequences of the same length");
    Messprofil p;
    for (py::ssize_t i = 0; i < x.size(); ++i) {
        if (!std::isfinite(x.at(i)) || !std::isfinite(c.at(i)))
            throw py::value_error("point " + std::to_string(i + 1) + " is not two finite numbers");
        p.punkte.push_back({x.at(i), c.at(i)});
        p.zeilen.push_back(static_cast<int>(i + 1));
    }
    if (p.punkte.size() < static_cast<std::size_t>(Messpunkte_min))
        throw py::value_error("a measured profile needs at least " + std::to_string(Messpunkte_min) + " points, not " +
                              std::to_string(p.punkte.size()));
    return p;
}

py::array_t<double> spalte(const Messprofil& p, double Messpunkt::*feld)
{
    py::array_t<double> a(static_cast<py::ssize_t>(p.punkte.size()));
    for (std::size_t i = 0; i < p.punkte.size(); ++i)
        a.mutable_at(i) = p.punkte[i].*feld;
    return a;
}

Ermittlung ermitteln(const Messprofil& profil, const Angaben& angaben, const Randangaben& rand, bool randwert)
{
    const cli::Lauf lauf = lauf_aus(angaben);
    const QLocale locale = rechenlocale();
    const Modell m = modell_fuer_lauf(lauf, rand, locale);
    if (const QString fehler = messprofil_pruefen(profil, m.x_max.wert, locale); !fehler.isEmpty())
        wertfehler(profil.dateiname.isEmpty() ? fehler : QStringLiteral("%1: %2").arg(profil.dateiname, fehler));
    if (randwert && m.Oberflaeche != Oberflaechenart::konzentration)
        throw py::value_error("fit_surface needs surface=kalvion.Surface.concentration(c_s) (c_s the first guess)");
    if (durch_programm(m))
        throw py::value_error("a run that steps through its programme (exchange at the surface) cannot be fitted");
    Ermittlung e;
    e.temperatur = m.Sintertemp.wert;
    e.kelvin = m.Sintertemp_K;
    e.q = m.Q.wert;
    e.quelle = profil.dateiname.toStdString();
    {
        const py::gil_scoped_release ohne_gil;
        e.anpassung = d_anpassen(m, profil.punkte, randwert);
    }
    return e;
}

}  // namespace

void binde_messung(py::module_& modul)
{
    py::class_<Messprofil>(modul, "Profile", R"(A measured profile (a line scan): depths x_um (µm, 0 at the surface where
cell 1 lies, the same x as the results file's rows) and concentrations
(mol%). read_profile() reads one from a file; Profile(x_um, concentration)
makes one from two sequences.)")
        .def(py::init([](const py::object& x, const py::object& c) { return profil_aus(py::make_tuple(x, c)); }),
             py::arg("x_um"), py::arg("concentration"),
             "A profile from two sequences of the same length, at least 3 points of finite numbers.")
        .def_property_readonly(
            "x_um", [](const Messprofil& p) { return spalte(p, &Messpunkt::x); }, "The depths (µm).")
        .def_property_readonly(
            "concentration", [](const Messprofil& p) { return spalte(p, &Messpunkt::konz); },
            "The concentrations (mol%).")
        .def_property_readonly(
            "lines", [](const Messprofil& p) { return p.zeilen; }, "The line of each point in its file, from 1.")
        .def_property_readonly(
            "name", [](const Messprofil& p) { return p.dateiname.toStdString(); },
            "The file's name without its folder (empty for a profile made from sequences).")
        .def("__len__", [](const Messprofil& p) { return p.punkte.size(); })
        .def("__repr__", [](const Messprofil& p) {
            return "<kalvion.Profile " + std::to_string(p.punkte.size()) + " points" +
                   (p.dateiname.isEmpty() ? std::string() : " from " + p.dateiname.toStdString()) + ">";
        });

    modul.def(
        "read_profile", [](const py::object& pfad) { return gelesen(pfad_aus(pfad)); }, py::arg("path"),
        R"(Reads a measured profile from a text file of two columns, x in µm and the
concentration in mol%, as "Messprofil laden …" and kalvion-cli --anpassen
read it: fields parted by ";", ",", a tab or blanks; a decimal comma or
point (with "," between the fields only the point); header lines before the
first point and "#" comment lines skipped; UTF-8 or Windows-1252. A file
that cannot be read is an OSError; a line that is neither a header nor two
numbers, or fewer than 3 points, a ValueError naming the line.)");

    py::class_<Ermittlung>(modul, "Fit", R"(The D whose final profile best matches a measured profile in least squares,
with its 95 % interval from the profile of the sum of squares, as
kalvion-cli --anpassen prints it.)")
        .def_property_readonly(
            "d_cm2_s", [](const Ermittlung& e) { return e.anpassung.D; }, "The best D (cm²/s).")
        .def_property_readonly(
            "d_low", [](const Ermittlung& e) { return e.anpassung.D_unten; }, "The 95 % interval's lower end (cm²/s).")
        .def_property_readonly(
            "d_high", [](const Ermittlung& e) { return e.anpassung.D_oben; }, "The 95 % interval's upper end (cm²/s).")
        .def_property_readonly(
            "low_open", [](const Ermittlung& e) { return e.anpassung.unten_offen; },
            "The interval reaches the smallest D searched.")
        .def_property_readonly(
            "high_open", [](const Ermittlung& e) { return e.anpassung.oben_offen; },
            "The interval reaches the largest D searched.")
        .def_property_readonly(
            "ln_d_error", [](const Ermittlung& e) { return e.anpassung.ln_d_fehler; },
            "The standard error of ln D from the interval (the weight in arrhenius()).")
        .def_property_readonly(
            "rms", [](const Ermittlung& e) { return e.anpassung.rms; }, "The RMS residual (mol%).")
        .def_property_readonly(
            "d0", [](const Ermittlung& e) { return e.anpassung.D0; },
            "The D0 (1000 · cm²/s) that gives this D at q and the temperature.")
        .def_property_readonly(
            "d_min", [](const Ermittlung& e) { return e.anpassung.D_min; }, "The smallest D searched (cm²/s).")
        .def_property_readonly(
            "d_max", [](const Ermittlung& e) { return e.anpassung.D_max; }, "The largest D searched (cm²/s).")
        .def_property_readonly(
            "points", [](const Ermittlung& e) { return e.anpassung.punkte; }, "The measured points used.")
        .def_property_readonly(
            "evaluations", [](const Ermittlung& e) { return e.anpassung.auswertungen; }, "The profiles computed.")
        .def_property_readonly(
            "finding", [](const Ermittlung& e) { return befundname(e.anpassung.befund); },
            "\"unique\" (a minimum inside the range), \"lower_bound\", \"upper_bound\", \"no_information\", "
            "\"bounded_above_only\" or \"bounded_below_only\".")
        .def_property_readonly(
            "note", [](const Ermittlung& e) { return befundtext(e.anpassung.befund).toStdString(); },
            "The sentence the window shows about a fit that is not plainly determined; empty otherwise.")
        .def_property_readonly(
            "c_s", [](const Ermittlung& e) -> py::object {
                if (!e.anpassung.mit_randwert)
                    return py::none();
                return py::make_tuple(e.anpassung.c_s, e.anpassung.c_s_unten, e.anpassung.c_s_oben,
                                      e.anpassung.c_s_offen);
            },
            "With fit_surface: (c_s, lower, upper, open) of the surface concentration (mol%); else None.")
        .def_property_readonly(
            "temperature_c", [](const Ermittlung& e) { return e.temperatur; }, "The sintering temperature (°C).")
        .def_property_readonly(
            "kelvin", [](const Ermittlung& e) { return e.kelvin; }, "The sintering temperature in kelvin (°C + 273).")
        .def_property_readonly(
            "q", [](const Ermittlung& e) { return e.q; }, "The Q (J/mol) d0 was formed with.")
        .def_property_readonly(
            "source", [](const Ermittlung& e) { return e.quelle; }, "The profile's file name, if it came from one.")
        .def("__repr__", [](const Ermittlung& e) {
            const QLocale c = QLocale::c();
            return QStringLiteral("<kalvion.Fit D = %1 cm²/s (95 %: %2 … %3), RMS %4 mol%, %5 points>")
                .arg(c.toString(e.anpassung.D, 'g', 6), c.toString(e.anpassung.D_unten, 'g', 6),
                     c.toString(e.anpassung.D_oben, 'g', 6), c.toString(e.anpassung.rms, 'g', 4),
                     QString::number(e.anpassung.punkte))
                .toStdString();
        });

    modul.def(
        "fit",
        [](const py::object& profil, const py::object& t, const py::object& zeit, const py::object& weg,
           const py::object& d0, const py::object& q, const py::object& zellen, const py::object& geometrie,
           const py::object& start, const py::object& oberflaeche, bool randwert) {
            Angaben a;
            a.felder = {t, zeit, weg, d0, q, zellen};
            a.geometrie = geometrie;
            const Messprofil p = profil_aus(profil);
            return ermitteln(p, a, randangaben_aus(start, oberflaeche), randwert);
        },
        py::arg("profile"), feldargument(Feld::Sintertemp), feldargument(Feld::Sinterzeit),
        feldargument(Feld::x_max), feldargument(Feld::D0), feldargument(Feld::Q), feldargument(Feld::i_Diff),
        py::arg_v("geometry", py::none(), "'linear'"), py::kw_only(), py::arg("start") = py::none(),
        py::arg("surface") = py::none(), py::arg("fit_surface") = false,
        R"(Fits D to a measured profile (a Profile, a path, or (x_um, concentration)):
the D whose final profile, with the geometry, temperature, time, path and
filled cells as given, best matches the points in least squares (the model
read at each x by linear interpolation between the rows). The search scans
ln D from a profile that has not moved (D · t / x_max² = 1e-11) to a flat
one (= 10) and refines the best point with Brent's method, as kalvion-cli
--anpassen FILE@T does. d0 of the result is the D0 for this D at q.

With surface=Surface.concentration(c_s) and fit_surface=True the surface
concentration is fitted too (c_s the first guess). Points outside
0 … length_um are a ValueError.)");

    py::class_<Arrheniusergebnis>(modul, "Arrhenius",
                                  "D0 and Q from ln D against 1/T, as kalvion-cli --anpassen prints them for two or "
                                  "more profiles.")
        .def_property_readonly(
            "d0", [](const Arrheniusergebnis& a) { return a.werte.D0; }, "D0 (1000 · cm²/s).")
        .def_property_readonly(
            "d0_error", [](const Arrheniusergebnis& a) { return a.werte.D0_fehler; },
            "The standard error of D0 (1000 · cm²/s).")
        .def_property_readonly(
            "q", [](const Arrheniusergebnis& a) { return a.werte.Q; }, "Q (J/mol).")
        .def_property_readonly(
            "q_error", [](const Arrheniusergebnis& a) { return a.werte.Q_fehler; }, "The standard error of Q (J/mol).")
        .def_property_readonly(
            "weighted", [](const Arrheniusergebnis& a) { return a.werte.gewichtet; },
            "False where an error was 0 or unknown and every point counted alike.")
        .def_property_readonly(
            "points", [](const Arrheniusergebnis& a) { return a.punkte; }, "The temperatures used.")
        .def("__repr__", [](const Arrheniusergebnis& a) {
            const QLocale c = QLocale::c();
            return QStringLiteral("<kalvion.Arrhenius D0 = %1 ± %2 (1000 · cm²/s), Q = %3 ± %4 J/mol>")
                .arg(c.toString(a.werte.D0, 'g', 7), c.toString(a.werte.D0_fehler, 'g', 7),
                     c.toString(a.werte.Q, 'g', 7), c.toString(a.werte.Q_fehler, 'g', 7))
                .toStdString();
        });

    modul.def(
        "arrhenius",
        [](const py::iterable& eintraege) {
            std::vector<Arrheniuspunkt> punkte;
            for (const py::handle e : eintraege) {
                if (py::isinstance<Ermittlung>(e)) {
                    const auto& f = e.cast<const Ermittlung&>();
                    punkte.push_back({f.kelvin, f.anpassung.D, f.anpassung.ln_d_fehler});
                    continue;
                }
                const auto teile = e.cast<py::sequence>();
                if (teile.size() != 2 && teile.size() != 3)
                    throw py::value_error("an entry is a kalvion.Fit or (temperature_c, d_cm2_s[, ln_d_error])");
                Angaben a;
                a.felder[static_cast<int>(Feld::Sintertemp)] = teile[0];
                const Modell m = modell_fuer_lauf(lauf_aus(a), {}, rechenlocale());
                punkte.push_back({m.Sintertemp_K, teile[1].cast<double>(), teile.size() == 3 ? teile[2].cast<double>() : 0});
            }
            Arrheniusergebnis ergebnis;
            ergebnis.werte = cli::arrhenius_aus(punkte);
            ergebnis.punkte = static_cast<int>(punkte.size());
            return ergebnis;
        },
        py::arg("fits"),
        R"(D0 and Q with their standard errors from the D of several temperatures: a
linear regression of ln D against 1/T (T in kelvin, °C + 273), weighted with
the errors of ln D from the fits' intervals, as kalvion-cli --anpassen does
for two or more files. Entries are Fit results or (temperature_c, d_cm2_s)
or (temperature_c, d_cm2_s, ln_d_error); fewer than two different
temperatures are a ValueError.)");
}

}  // namespace kalvion::python
