// SPDX-License-Identifier: GPL-3.0-or-later
#include "laufbindung.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <QDir>
#include <algorithm>
#include <atomic>
#include <ctime>
#include <vector>
#include <cmath>
#include <limits>

#include "angaben.h"
#include "ausgabeziele.h"
#include "einzellauf.h"
#include "ergebnisdatei.h"
#include "kurvendatei.h"
#include "ofenprogramm.h"
#include "tabelle.h"
#include "umgebung.h"

namespace kalvion::python {

namespace {

py::array_t<double> profil(const Zellfeld& werte, int zellen)
{
    return py::array_t<double>(zellen, &werte[1]);
}

py::array_t<double> leer(int zellen)
{
    py::array_t<double> a(zellen);
    std::fill_n(a.mutable_data(), zellen, std::numeric_limits<double>::quiet_NaN());
    return a;
}

QDate datum_aus(const py::object& datum)
{
    if (datum.is_none())
        return QDate::currentDate();
    return QDate(datum.attr("year").cast<int>(), datum.attr("month").cast<int>(), datum.attr("day").cast<int>());
}

// Refuses a file the command line would refuse before it writes.
void ziel_pruefen(const QString& pfad)
{
    if (const auto problem = cli::ziel_pruefen(pfad))
        schreibfehler(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(pfad), problem->text));
}

QByteArray block_fuer(const Rechenergebnis& e, const std::string& dezimal, const QString& pfad, const py::object& datum)
{
    const QLocale locale = locale_fuer(dezimal);
    const std::optional<QByteArray> block = ergebnisblock(e.in_locale(locale), QDir::toNativeSeparators(cli::dateipfad(pfad)),
                                                          datum_aus(datum), locale);
    if (!block)
        throw std::runtime_error("the encoding Windows-1252 of the results file is not available");
    return *block;
}

py::bytes bytes(const QByteArray& daten)
{
    return py::bytes(daten.constData(), static_cast<std::size_t>(daten.size()));
}

std::string geometriename(Geometrie g)
{
    return beschreibung(g).englischer_name;
}

Rechenergebnis rechnen(const Angaben& angaben, const Randangaben& rand, const std::string& verfahren,
                       const py::object& fortschritt)
{
    Rechenergebnis e;
    e.lauf = lauf_mit(lauf_aus(angaben), rand);
    e.rand = rand;
    e.modell = modell_fuer_lauf(e.lauf, rand, rechenlocale());
    const cli::Laufplan plan = cli::laufplan(e.lauf, e.modell, 0, verfahren_aus(verfahren));

    // The run steps on this thread without the GIL; every 10 ms, where the
    // engine lets its front end's event loop run, it takes the GIL to let
    // Python look at its signals and to report the progress. A run needs no
    // thread of its own, and runs on several Python threads run side by side.
    std::exception_ptr python_fehler;
    int prozent = 0, gemeldet = -1;
    const Laufbegleitung begleitung{
        [&prozent](int p) { prozent = p; },
        [&]() {
            const py::gil_scoped_acquire mit_gil;
            try {
                if (PyErr_CheckSignals() != 0)
                    throw py::error_already_set();
                if (!fortschritt.is_none() && prozent != gemeldet) {
                    gemeldet = prozent;
                    fortschritt(prozent / 100.0);
                }
            } catch (...) {
                python_fehler = std::current_exception();
                return Fortgang::abbrechen;
            }
            return Fortgang::weiter;
        },
        {}};
    {
        const py::gil_scoped_release ohne_gil;
        e.ausgang = lauf_rechnen(e.modell, begleitung, plan.verfahren);
    }
    if (python_fehler)
        std::rethrow_exception(python_fehler);
    if (e.ausgang.ergebnis != Laufergebnis::fertig)
        throw std::runtime_error("the run ended before its last step");
    return e;
}

}  // namespace

Modell Rechenergebnis::in_locale(const QLocale& locale) const
{
    // Every number is the one computed; only the texts the parameters were
    // typed as differ between locales ("1,5" or "1.5").
    const Modell getippt = modell_fuer_lauf(lauf, rand, locale);
    Modell m = modell;
    for (const Feldregel& r : Feldtabelle)
        if (r.ziel)
            m.*r.ziel = getippt.*r.ziel;
    for (Eingabewert Modell::*w : {&Modell::c0, &Modell::c_s, &Modell::beta, &Modell::c_atm})
        m.*w = getippt.*w;
    m.programm = getippt.programm;
    return m;
}

void binde_lauf(py::module_& modul)
{
    py::class_<Rechenergebnis, std::shared_ptr<Rechenergebnis>>(modul, "Result", R"(A finished run, as the window draws and saves it.

The profiles are numpy arrays of one value per cell (mol%, cell 1 at the
surface): ``initial``, ``after_10``, ``after_100``, ``after_1000`` (NaN for
runs of 2000 steps or fewer, where the graph does not draw it either) and
``final``, at the depths ``x_um`` (cell i at i · length_um / 200, the rows of
the results file and the curve table).

``results_block()`` is the block "Speichern als ASCII" appends to the results
file (and ``kalvion-cli --datei``), ``curves_csv()`` the table "Kurven
speichern …" writes (and ``kalvion-cli --kurven``), byte for byte.)")
        .def_property_readonly(
            "x_um",
            [](const Rechenergebnis& e) {
                const Modell& m = e.modell;
                py::array_t<double> x(m.Zellen);
                for (int i = 1; i <= m.Zellen; ++i)
                    x.mutable_at(i - 1) = i * m.x_max.wert / m.Zellen;
                return x;
            },
            "Depth of each cell's row (µm): i · length_um / cells.")
        .def_property_readonly(
            "initial", [](const Rechenergebnis& e) { return profil(e.modell.Konz_Start, e.modell.Zellen); },
            "The profile at the start (mol%).")
        .def_property_readonly(
            "after_10", [](const Rechenergebnis& e) { return profil(e.modell.Konz_10, e.modell.Zellen); },
            "The profile after 10 time steps (mol%).")
        .def_property_readonly(
            "after_100", [](const Rechenergebnis& e) { return profil(e.modell.Konz_100, e.modell.Zellen); },
            "The profile after 100 time steps (mol%).")
        .def_property_readonly(
            "after_1000",
            [](const Rechenergebnis& e) {
                return mit_konz_1000(e.modell) ? profil(e.modell.Konz_1000, e.modell.Zellen) : leer(e.modell.Zellen);
            },
            "The profile after 1000 time steps (mol%); NaN for runs of 2000 steps or fewer.")
        .def_property_readonly(
            "final", [](const Rechenergebnis& e) { return profil(e.modell.Konz, e.modell.Zellen); },
            "The profile at the end of the sintering time (mol%).")
        .def_property_readonly(
            "errors", [](const Rechenergebnis& e) { return e.ausgang.fehlerzahl; },
            "The error count of the run's message: negative fluxes (closed surface) or cells that left the range "
            "of the values they were mixed from (open surface); of the first 1000 steps where the run jumped.")
        .def_property_readonly(
            "steps", [](const Rechenergebnis& e) { return static_cast<std::int64_t>(e.modell.Schritte); },
            "The run's number of time steps.")
        .def_property_readonly(
            "dt_s", [](const Rechenergebnis& e) { return e.modell.dt; }, "The time step (s).")
        .def_property_readonly(
            "d_cm2_s", [](const Rechenergebnis& e) { return e.modell.D; },
            "The diffusion coefficient D (cm²/s) at the sintering temperature.")
        .def_property_readonly(
            "kelvin", [](const Rechenergebnis& e) { return e.modell.Sintertemp_K; },
            "The sintering temperature in kelvin (°C + 273).")
        .def_property_readonly(
            "total_mol_percent", [](const Rechenergebnis& e) { return e.modell.Molprozent; },
            "The total mol% of the diffusing substance at the start.")
        .def_property_readonly(
            "jumped", [](const Rechenergebnis& e) { return e.ausgang.gesprungen; },
            "Whether the steps after step 1000 were computed in one jump.")
        .def_property_readonly(
            "geometry", [](const Rechenergebnis& e) { return geometriename(e.modell.Geometrie); },
            "\"linear\", \"cylindrical\" or \"spherical\".")
        .def_property_readonly(
            "temperature_c", [](const Rechenergebnis& e) { return e.modell.Sintertemp.wert; },
            "The sintering temperature (°C); with a programme its T_ref.")
        .def_property_readonly(
            "time_h", [](const Rechenergebnis& e) { return e.modell.Sinterzeit.wert; },
            "The sintering time (h); with a programme its equivalent time t_eq.")
        .def_property_readonly(
            "length_um", [](const Rechenergebnis& e) { return e.modell.x_max.wert; }, "The diffusion path x_max (µm).")
        .def_property_readonly(
            "d0", [](const Rechenergebnis& e) { return e.modell.D0.wert; }, "D0 as the dialog takes it (1000 · cm²/s).")
        .def_property_readonly(
            "q", [](const Rechenergebnis& e) { return e.modell.Q.wert; }, "The activation energy Q (J/mol).")
        .def_property_readonly(
            "filled_cells", [](const Rechenergebnis& e) { return e.modell.i_Diff; },
            "The cells that start full (the rounded i_Diff).")
        .def_property_readonly(
            "programme",
            [](const Rechenergebnis& e) -> py::object {
                if (!e.lauf.programm)
                    return py::none();
                return py::cast(ofenprogramm_aus(*e.lauf.programm));
            },
            "The temperature programme of the run, or None.")
        .def_property_readonly(
            "start", [](const Rechenergebnis& e) { return e.rand.start; }, "How the profile started (a Start).")
        .def_property_readonly(
            "surface", [](const Rechenergebnis& e) { return e.rand.oberflaeche; },
            "What crossed the surface (a Surface).")
        .def_property_readonly(
            "summary",
            [](const Rechenergebnis& e) {
                const QLocale c = QLocale::c();
                return cli::zusammenfassung(e.in_locale(c), e.ausgang, c).toStdString();
            },
            "The command line's line for people: parameters, steps, total mol% and the error message.")
        .def(
            "results_block",
            [](const Rechenergebnis& e, const std::string& dezimal, const py::object& pfad, const py::object& datum) {
                return bytes(block_fuer(e, dezimal, pfad_aus(pfad), datum));
            },
            py::arg("decimal") = ",", py::arg("path") = "results.txt", py::arg("date") = py::none(),
            R"(The block "Speichern als ASCII" appends to the results file, as bytes
(Windows-1252, CR LF, 17 + 200 lines): line 1 the file's absolute path as
the save dialog composes it from `path`, line 2 the model and `date` (a
datetime.date; None: today) in the locale's short format, then the
parameters as typed and the final profile. decimal="," writes as on a German
system, "." as under the C locale.)")
        .def(
            "append_to",
            [](const Rechenergebnis& e, const py::object& pfad_objekt, const std::string& dezimal,
               const py::object& datum) {
                const QString pfad = cli::dateipfad(pfad_aus(pfad_objekt));
                ziel_pruefen(pfad);
                const QByteArray block = block_fuer(e, dezimal, pfad, datum);
                QString grund;
                bool ok = false;
                {
                    const py::gil_scoped_release ohne_gil;
                    ok = block_anhaengen(pfad, block, &grund);
                }
                if (!ok)
                    schreibfehler(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(pfad), grund));
            },
            py::arg("path"), py::arg("decimal") = ",", py::arg("date") = py::none(),
            "Appends results_block() to the results file `path` in one write, as kalvion-cli --datei does; a "
            "failure (OSError) leaves the file as it was.")
        .def(
            "curves_csv",
            [](const Rechenergebnis& e, const std::string& dezimal) {
                const QLocale locale = locale_fuer(dezimal);
                return bytes(kurventabelle(e.in_locale(locale), locale));
            },
            py::arg("decimal") = ",",
            R"(The five curves as "Kurven speichern …" writes them, as bytes: UTF-8 with
byte-order mark, CR LF; with decimal="," fields parted by ";" and numbers
as "0,25", with "." by "," and "0.25"; every number in its shortest exact
form. A programme's run has its line before the column names.)")
        .def(
            "save_curves",
            [](const Rechenergebnis& e, const py::object& pfad_objekt, const std::string& dezimal) {
                const QString pfad = pfad_aus(pfad_objekt);
                ziel_pruefen(pfad);
                const QLocale locale = locale_fuer(dezimal);
                if (!datei_ersetzen(pfad, kurventabelle(e.in_locale(locale), locale)))
                    schreibfehler(QStringLiteral("%1: the curves could not be written").arg(QDir::toNativeSeparators(pfad)));
            },
            py::arg("path"), py::arg("decimal") = ",",
            "Writes curves_csv() to `path`, replacing the file in one piece or not at all (OSError).")
        .def("__repr__", [](const Rechenergebnis& e) {
            const QLocale c = QLocale::c();
            return "<kalvion.Result " + cli::zusammenfassung(e.in_locale(c), e.ausgang, c).toStdString() + ">";
        });

    modul.def(
        "_engine_seconds",
        [](int wiederholungen) {
            // The start-up run as the command line makes it, without Python:
            // what bench/python_bench.py sets kalvion.run against.
            const cli::Lauf lauf = cli::Studie::startwerte().lauf(0);
            std::vector<double> zeiten;
            const py::gil_scoped_release ohne_gil;
            // The thread's CPU time, as the bench times kalvion.run: other load
            // on the machine shifts both alike.
            const auto cpu_zeit = [] {
                timespec t{};
                clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
                return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
            };
            for (int i = 0; i < std::max(wiederholungen, 1); ++i) {
                const double anfang = cpu_zeit();
                Modell m = cli::modell_fuer(lauf, rechenlocale());
                lauf_rechnen(m);
                zeiten.push_back(cpu_zeit() - anfang);
            }
            std::sort(zeiten.begin(), zeiten.end());
            return zeiten[zeiten.size() / 2];
        },
        py::arg("repeats") = 21, "The median CPU time (s) of the start-up run in the engine alone, on this thread, for the bench.");

    modul.def(
        "run",
        [](const py::object& t, const py::object& zeit, const py::object& weg, const py::object& d0,
           const py::object& q, const py::object& zellen, const py::object& geometrie, const py::object& programm,
           const py::object& start, const py::object& oberflaeche, const std::string& verfahren,
           const py::object& fortschritt) {
            Angaben a;
            a.felder = {t, zeit, weg, d0, q, zellen};
            a.geometrie = geometrie;
            a.programm = programm;
            return std::make_shared<Rechenergebnis>(
                rechnen(a, randangaben_aus(start, oberflaeche), verfahren, fortschritt));
        },
        feldargument(Feld::Sintertemp), feldargument(Feld::Sinterzeit), feldargument(Feld::x_max),
        feldargument(Feld::D0), feldargument(Feld::Q), feldargument(Feld::i_Diff),
        py::arg_v("geometry", py::none(), "'linear'"), py::kw_only(), py::arg("programme") = py::none(),
        py::arg("start") = py::none(), py::arg("surface") = py::none(), py::arg("method") = "auto",
        py::arg("progress") = py::none(),
        R"(Runs one simulation, as the window does after "ok" and "Berechnung Starten",
and returns its Result.

temperature_c  sintering temperature (°C, 0 … 10000)
time_h         sintering time (h, above 0, at most 10000)
length_um      diffusion path x_max (µm, above 0, at most 1000000)
d0             D0 as the dialog takes it (1000 · cm²/s, 0 or more)
q              activation energy Q (J/mol, 0 or more)
filled_cells   cells that start full (1 … 199, rounded half to even)
geometry       "linear" (a bar), "cylindrical" (a fibre or wire) or
               "spherical" (a particle); the German names work too
programme      a kalvion.Programme: the run is its equivalent run at T_ref
               for t_eq (temperature_c and time_h are then refused)
start          a kalvion.Start (None: the step)
surface        a kalvion.Surface (None: closed)
method         "stepwise": every step; "fast": step through step 1000 and
               jump over the rest (the same profile within 1e-9 mol%);
               "auto": jump only where steps × cells exceed 30 million
progress       called now and then on this thread with the share done (0 … 1)

Parameters left at None keep the program's start-up values. A value the
parameter dialog would refuse is a ValueError with the command line's
message. The run releases the GIL, so runs in several Python threads run
side by side, and Ctrl+C (KeyboardInterrupt) stops it within a few
milliseconds.)");
}

}  // namespace kalvion::python
