// SPDX-License-Identifier: GPL-3.0-or-later
#include "ofenprogramm.h"

#include <pybind11/stl.h>

#include "auftrag.h"
#include "feldpruefung.h"
#include "kurzform.h"
#include "umgebung.h"
#include "werteliste.h"
#include "zahlen.h"

namespace kalvion::python {

namespace {

QString zahltext(double wert)
{
    return QString::fromStdString(cli::kurzform(wert));
}

// A segment's texts from (rate, target, hold); a rate of None is "at once".
Programmzeile segment_aus(const py::handle& eintrag)
{
    const auto teile = py::cast<py::sequence>(eintrag);
    if (teile.size() != 2 && teile.size() != 3)
        throw py::value_error("a segment is (rate_k_min, target_c, hold_h) or (rate_k_min, target_c); "
                              "a rate of None heats or cools at once");
    Programmzeile z;
    z.rate = teile[0].is_none() ? Rate_sofort : zahltext(teile[0].cast<double>());
    z.ziel = zahltext(teile[1].cast<double>());
    z.halten = teile.size() == 3 ? zahltext(teile[2].cast<double>()) : QStringLiteral("0");
    return z;
}

py::object zahl_oder_none(const QString& text)
{
    const auto wert = zahlen::lies(text, QLocale::c());
    return wert ? py::object(py::float_(*wert)) : py::object(py::none());
}

}  // namespace

Ofenprogramm ofenprogramm_aus(const Programmeingabe& eingabe)
{
    cli::Studie probe = cli::Studie::startwerte();
    probe.programm = eingabe;
    cli::pruefe_programme(probe);
    return {eingabe, *programm_lesen(eingabe, QLocale::c()).programm};
}

void binde_programm(py::module_& modul)
{
    py::class_<Ofenprogramm>(modul, "Programme", R"(A furnace cycle: a start temperature, then segments as a furnace controller
knows them, each a ramp at a rate (K/min; None: at once) to a target
temperature (°C) and a hold there (h). Cooling is a segment with a lower
target.

A run of a programme is its equivalent run: at the cycle's highest
temperature T_ref for the equivalent time t_eq, which diffuses exactly as
far as the cycle, D(T(t)) changing in time but not along the path.

>>> p = kalvion.Programme([(5, 1050, 2), (10, 20)])
>>> round(p.equivalent_time_h(238650), 2)
2.28

The same rules as the programme dialog and ``kalvion-cli --programm`` apply:
temperatures 0 to 10000 °C, rates above 0, holds 0 to 10000 h, 1 to 50
segments and a total time above 0 and at most 10000 h; a refusal is a
ValueError naming the segment.)")
        .def(py::init([](const py::sequence& segmente, double start_c) {
                 Programmeingabe e;
                 e.start = zahltext(start_c);
                 for (const py::handle eintrag : segmente)
                     e.zeilen.append(segment_aus(eintrag));
                 return ofenprogramm_aus(e);
             }),
             py::arg("segments"), py::arg("start_c") = Programm_start,
             "segments: a list of (rate_k_min, target_c, hold_h) or (rate_k_min, target_c); start_c: the "
             "temperature the cycle starts at (°C).")
        .def_property_readonly(
            "start_c", [](const Ofenprogramm& p) { return p.verlauf.start; }, "The start temperature (°C).")
        .def_property_readonly(
            "segments",
            [](const Ofenprogramm& p) {
                py::list segmente;
                for (const Programmzeile& z : p.eingabe.zeilen) {
                    const bool sofort = z.rate.trimmed().compare(Rate_sofort, Qt::CaseInsensitive) == 0;
                    segmente.append(py::make_tuple(sofort ? py::object(py::none()) : zahl_oder_none(z.rate),
                                                   zahl_oder_none(z.ziel), zahl_oder_none(z.halten)));
                }
                return segmente;
            },
            "The segments as (rate_k_min or None for at once, target_c, hold_h).")
        .def_property_readonly(
            "reference_temperature_c", [](const Ofenprogramm& p) { return bezugstemperatur(p.verlauf); },
            "T_ref: the highest temperature the cycle reaches (°C), at which its equivalent run runs.")
        .def_property_readonly(
            "duration_h", [](const Ofenprogramm& p) { return programmdauer(p.verlauf); },
            "How long the whole cycle lasts, ramps and holds (h).")
        .def(
            "equivalent_time_h",
            [](const Ofenprogramm& p, py::handle q) {
                const cli::Werteliste w = cli::Werteliste::lesen(Feld::Q, QStringLiteral("q"),
                                                                 zahltext(q.cast<double>()));
                return aequivalente_zeit(p.verlauf, w.wert(0));
            },
            py::arg("q"),
            "t_eq (h): the time at reference_temperature_c that diffuses as far as the whole cycle, for the "
            "activation energy q (J/mol, >= 0; with q = 0 the cycle's duration).")
        .def_property_readonly(
            "line", [](const Ofenprogramm& p) { return programmzeile(p.eingabe, QLocale::c()).toStdString(); },
            "The cycle in one line, as the curve table names it: \"Programm: 20 °C → 5 K/min → 1050 °C, 2 h → …\".")
        .def(py::pickle(
            [](const Ofenprogramm& p) {
                // The texts as kept: a worker of a cluster reads them as this process did.
                py::list zeilen;
                for (const Programmzeile& z : p.eingabe.zeilen)
                    zeilen.append(py::make_tuple(z.rate.toStdString(), z.ziel.toStdString(), z.halten.toStdString()));
                return py::make_tuple(p.eingabe.start.toStdString(), zeilen);
            },
            [](const py::tuple& zustand) {
                Programmeingabe e;
                e.start = QString::fromStdString(zustand[0].cast<std::string>());
                for (const py::handle z : zustand[1].cast<py::list>()) {
                    const auto t = z.cast<py::tuple>();
                    e.zeilen.append({QString::fromStdString(t[0].cast<std::string>()),
                                     QString::fromStdString(t[1].cast<std::string>()),
                                     QString::fromStdString(t[2].cast<std::string>())});
                }
                return ofenprogramm_aus(e);
            }))
        .def("__repr__", [](const Ofenprogramm& p) {
            QStringList segmente;
            for (const Programmzeile& z : p.eingabe.zeilen) {
                const bool sofort = z.rate.trimmed().compare(Rate_sofort, Qt::CaseInsensitive) == 0;
                segmente << QStringLiteral("(%1, %2, %3)").arg(sofort ? QStringLiteral("None") : z.rate, z.ziel, z.halten);
            }
            return QStringLiteral("kalvion.Programme([%1], start_c=%2)")
                .arg(segmente.join(QStringLiteral(", ")), p.eingabe.start)
                .toStdString();
        });
}

}  // namespace kalvion::python
