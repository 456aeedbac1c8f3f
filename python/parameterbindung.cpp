// SPDX-License-Identifier: GPL-3.0-or-later
// Parameter files (.kalvion), read and written by the window's own code: a
// case set up in the window opens in Python and the other way round.
#include "parameterbindung.h"

#include <QDir>

#include "angaben.h"
#include "auftrag.h"
#include "ausgabeziele.h"
#include "einzellauf.h"
#include "ofenprogramm.h"
#include "parameterdatei.h"
#include "randangaben.h"
#include "umgebung.h"

namespace kalvion::python {

void binde_parameter(py::module_& modul)
{
    modul.def(
        "load_parameters",
        [](const py::object& pfad_objekt) {
            const QString pfad = pfad_aus(pfad_objekt);
            lesbar_pruefen(pfad);
            Modell basis;
            startwerte_setzen(basis);
            // As kalvion-cli --parameter reads it: numbers with a decimal point.
            const Parameterlesung l = parameter_laden(pfad, basis, QLocale::c());
            if (!l.modell)
                wertfehler(QStringLiteral("%1: %2").arg(pfad, l.fehler));
            const Modell& m = *l.modell;
            py::dict werte;
            werte["geometry"] = beschreibung(m.Geometrie).englischer_name;
            for (const Feldregel& r : Feldtabelle) {
                // Temperature and time come from a programme where there is one.
                if (m.programm && (r.feld == Feld::Sintertemp || r.feld == Feld::Sinterzeit))
                    continue;
                const char* wort = Feldwoerter[static_cast<int>(r.feld)];
                if (r.ziel)
                    werte[wort] = (m.*r.ziel).wert;
                else
                    werte[wort] = static_cast<int>(m.i_Diff);
            }
            werte["programme"] = m.programm ? py::cast(ofenprogramm_aus(als_eingabe(*m.programm))) : py::none();
            // The step is the default, as on the command line, where it adds no table columns.
            werte["start"] = m.Anfang == Anfangsart::stufe ? py::none() : py::cast(Startangabe{m.Anfang, m.c0.wert, m.startprofil});
            werte["surface"] = m.Oberflaeche == Oberflaechenart::geschlossen
                                   ? py::none()
                                   : py::cast(Oberflaechenangabe{m.Oberflaeche, m.c_s.wert, m.beta.wert, m.c_atm.wert});
            return werte;
        },
        py::arg("path"),
        R"(Reads a parameter file (.kalvion, "Parameter speichern …" in the window) as
kalvion-cli --parameter does, every field check included, and returns the
keyword arguments of kalvion.run: geometry, temperature_c, time_h,
length_um, d0, q, filled_cells, programme (with a programme, temperature
and time come from it and are left out), start (a kalvion.Start, or None
for the step, the start of a file without one) and surface (a
kalvion.Surface, or None for a closed surface):

    result = kalvion.run(**kalvion.load_parameters("case.kalvion"))

A file that cannot be read is an OSError; one that is no such file, of
another format version, missing a key or holding a value a field would
refuse, a ValueError naming the key.)");

    modul.def(
        "save_parameters",
        [](const py::object& pfad_objekt, const py::object& t, const py::object& zeit, const py::object& weg,
           const py::object& d0, const py::object& q, const py::object& zellen, const py::object& geometrie,
           const py::object& programm, const py::object& start, const py::object& oberflaeche,
           const std::string& dezimal) {
            Angaben a;
            a.felder = {t, zeit, weg, d0, q, zellen};
            a.geometrie = geometrie;
            a.programm = programm;
            const QLocale locale = locale_fuer(dezimal);
            cli::Lauf lauf = lauf_aus(a);
            lauf.anfang = startangabe_aus(start);
            lauf.oberflaeche = oberflaechenangabe_aus(oberflaeche);
            cli::Studie probe = cli::Studie::startwerte();
            probe.listen[static_cast<int>(Feld::x_max)] = cli::Werteliste::einzeln(lauf.wert(Feld::x_max));
            probe.anfaenge.hinzu(lauf.anfang);
            cli::pruefe_anfaenge(probe);
            const Modell m = cli::modell_fuer(lauf, locale);
            const QString pfad = pfad_aus(pfad_objekt);
            if (const auto problem = cli::ziel_pruefen(pfad))
                schreibfehler(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(pfad), problem->text));
            if (!parameter_speichern(pfad, m, locale))
                schreibfehler(QStringLiteral("%1: the parameter file could not be written").arg(QDir::toNativeSeparators(pfad)));
        },
        py::arg("path"), feldargument(Feld::Sintertemp), feldargument(Feld::Sinterzeit), feldargument(Feld::x_max),
        feldargument(Feld::D0), feldargument(Feld::Q), feldargument(Feld::i_Diff),
        py::arg_v("geometry", py::none(), "'linear'"), py::kw_only(), py::arg("programme") = py::none(),
        py::arg("start") = py::none(), py::arg("surface") = py::none(), py::arg("decimal") = ",",
        R"(Writes a parameter file (.kalvion) that the window's "Parameter laden …"
and kalvion-cli --parameter read, in one piece or not at all (OSError). The
values are checked as kalvion.run checks them; decimal is the decimal sign
they are recorded as typed with. A start other than the step (a kalvion.Start)
or a surface other than closed (a kalvion.Surface) makes a file of format 2,
which holds a start profile's points themselves.)");
}

}  // namespace kalvion::python
