// SPDX-License-Identifier: GPL-3.0-or-later
// kalvion.study and kalvion.study_csv: the command line's study, its table
// as bytes or as columns.
#include "studienbindung.h"

#include <pybind11/numpy.h>

#include <atomic>
#include <charconv>
#include <deque>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "angaben.h"
#include "auftrag.h"
#include "studienlauf.h"
#include "tabelle.h"
#include "umgebung.h"
#include "warten.h"

namespace kalvion::python {

using namespace pybind11::literals;

namespace {

// The table's columns under Python's names, and what their values are.
enum class Spaltenart { text, zahl, ganzzahl, wahrheit, unbekannt };
struct Spalte {
    const char* tabelle;
    const char* python;
    Spaltenart art;
};
constexpr Spalte Spalten[] = {
    {"modell", "geometry", Spaltenart::text},
    {"temperatur", "temperature_c", Spaltenart::zahl},
    {"zeit", "time_h", Spaltenart::zahl},
    {"weg", "length_um", Spaltenart::zahl},
    {"d0", "d0", Spaltenart::zahl},
    {"q", "q", Spaltenart::zahl},
    {"i_diff", "filled_cells", Spaltenart::ganzzahl},
    {"Kelvin", "kelvin", Spaltenart::zahl},
    {"D", "d_cm2_s", Spaltenart::zahl},
    {"Schritte", "steps", Spaltenart::ganzzahl},
    {"Molprozent", "total_mol_percent", Spaltenart::zahl},
    {"Fehler", "errors", Spaltenart::ganzzahl},
    {"Sprung", "jumped", Spaltenart::wahrheit},
    {"halten", "programme_hold_h", Spaltenart::zahl},
    {"rate", "programme_rate_k_min", Spaltenart::zahl},
    {"T_ref", "reference_temperature_c", Spaltenart::zahl},
    {"t_eq", "equivalent_time_h", Spaltenart::zahl},
    {"anfang", "start", Spaltenart::text},
    {"c0", "c0", Spaltenart::zahl},
    {"startdatei", "start_file", Spaltenart::text},
    {"oberflaeche", "surface", Spaltenart::text},
    {"c_s", "c_s", Spaltenart::zahl},
    {"beta", "beta_cm_s", Spaltenart::zahl},
    {"c_atm", "c_atm", Spaltenart::zahl},
    {"aufgenommen", "taken_up_mol_percent", Spaltenart::zahl},
    {"Molprozent_Ende", "total_mol_percent_end", Spaltenart::zahl},
};

// A column the table has and this list does not keeps its own name and is
// read as numbers where every field is one, otherwise as texts; "Konz_50"
// becomes "c_50", the final profile in cell 50.
Spalte spalte_fuer(const std::string& name)
{
    for (const Spalte& s : Spalten)
        if (name == s.tabelle)
            return s;
    static std::deque<std::string> namen;  // the texts live as long as the module
    if (name.rfind("Konz_", 0) == 0) {
        namen.push_back("c_" + name.substr(5));
        return {nullptr, namen.back().c_str(), Spaltenart::zahl};
    }
    namen.push_back(name);
    return {nullptr, namen.back().c_str(), Spaltenart::unbekannt};
}

// RFC 4180: a field in quotes may hold commas and doubled quotes (a start
// file's name).
std::vector<std::string> felder(std::string_view zeile)
{
    if (zeile.size() >= 2 && zeile.substr(zeile.size() - 2) == "\r\n")
        zeile.remove_suffix(2);
    std::vector<std::string> teile{std::string()};
    bool zitiert = false;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const char c = zeile[i];
        if (zitiert && c == '"' && i + 1 < zeile.size() && zeile[i + 1] == '"') {
            teile.back() += '"';
            ++i;
        } else if (c == '"') {
            zitiert = !zitiert;
        } else if (c == ',' && !zitiert) {
            teile.emplace_back();
        } else {
            teile.back() += c;
        }
    }
    return teile;
}

// Every number of the table is in its shortest form that reads back to the
// computed double; an empty field (the rate of a jump at once) is NaN.
std::optional<double> als_zahl(std::string_view text)
{
    if (text.empty())
        return std::numeric_limits<double>::quiet_NaN();
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size())
        return std::nullopt;
    return wert;
}

double zahl(std::string_view text)
{
    return als_zahl(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

struct Studienwunsch {
    cli::Studie studie;
    cli::Auftrag auftrag;
    cli::Verfahrenswahl wahl = cli::Verfahrenswahl::automatisch;
    int threads = 1;
};

Studienwunsch wunsch_aus(const Angaben& angaben, const std::string& verfahren, const py::object& threads,
                         const py::object& teil, bool viele)
{
    // Member by member: an exception in a brace-initialised aggregate would
    // destroy its first members twice with GCC 12.
    Studienwunsch w;
    w.studie = studie_aus(angaben);
    w.wahl = verfahren_aus(verfahren);
    w.threads = threads_aus(threads);
    w.auftrag.studie = w.studie;
    w.auftrag.teil = teil_aus(teil);
    w.auftrag.bereich = cli::teilbereich(w.studie.anzahl(), w.auftrag.teil);
    cli::pruefe_laufzahl(w.auftrag, viele);
    return w;
}

// The table as kalvion-cli --tabelle --teil K/N writes it (the header only in
// slice 1), computed off the GIL.
std::string tabelle_rechnen(const Studienwunsch& w, const py::object& fortschritt)
{
    const QLocale locale = rechenlocale();
    cli::Ausgaben ausgaben;
    ausgaben.locale = locale;
    ausgaben.tabellenzeile = true;
    ausgaben.tabellenform = cli::tabellenform(w.studie);

    std::string tabelle;
    if (w.auftrag.teil.k == 1)
        tabelle = cli::tabellenkopf(ausgaben.tabellenform);
    std::atomic<int> halt{0};
    std::atomic<double> anteil{0};
    double gemeldet = -1;
    cli::Studienende ende = cli::Studienende::fertig;
    abseits_rechnen(
        [&] {
            // The runs are checked before the first runs, as on the command
            // line (at the study's corners).
            const double aufwand = cli::laeufe_pruefen(w.studie, w.auftrag.bereich, w.wahl, locale).aufwand;
            ende = cli::studie_rechnen(
                w.studie, w.auftrag.bereich, w.wahl, ausgaben, w.threads, halt,
                [&](std::uint64_t, cli::Laufertrag& e) {
                    tabelle += e.tabellenzeile;
                    return true;
                },
                [&](const cli::Fortschrittsstand& stand) {
                    if (stand.aufwand > 0)
                        anteil.store(stand.aufwand_fertig / stand.aufwand);
                },
                aufwand);
        },
        [&] { halt.store(1); },
        [&] {
            const double a = anteil.load();
            if (!fortschritt.is_none() && a != gemeldet) {
                gemeldet = a;
                fortschritt(a);
            }
        });
    if (ende != cli::Studienende::fertig)
        throw std::runtime_error("the study ended before its last run");
    return tabelle;
}

py::object spalten(const std::string& tabelle, bool kopf, const py::object& als_tabelle)
{
    std::string_view rest = tabelle;
    auto naechste_zeile = [&rest] {
        const std::size_t ende = rest.find("\r\n");
        const std::string_view zeile = rest.substr(0, ende == std::string_view::npos ? rest.size() : ende + 2);
        rest.remove_prefix(zeile.size());
        return zeile;
    };
    std::vector<Spalte> namen;
    if (kopf && !rest.empty())
        for (const std::string& name : felder(naechste_zeile()))
            namen.push_back(spalte_fuer(name));
    std::vector<std::vector<std::string>> zeilen;
    while (!rest.empty())
        zeilen.push_back(felder(naechste_zeile()));

    py::dict ergebnis;
    const auto n = static_cast<py::ssize_t>(zeilen.size());
    for (std::size_t j = 0; j < namen.size(); ++j) {
        Spalte s = namen[j];
        if (s.art == Spaltenart::unbekannt)
            s.art = std::all_of(zeilen.begin(), zeilen.end(), [j](const auto& z) { return als_zahl(z[j]).has_value(); })
                        ? Spaltenart::zahl
                        : Spaltenart::text;
        switch (s.art) {
        case Spaltenart::text: {
            py::list texte;
            for (const auto& z : zeilen) {
                const std::string name(z[j]);
                // The models and starts under their English names, as kalvion.run takes them.
                auto g = std::find_if(Geometrien.begin(), Geometrien.end(),
                                      [&](const Geometriebeschreibung& b) { return name == b.name; });
                auto a = std::find_if(Anfangsarten.begin(), Anfangsarten.end(),
                                      [&](const Anfangsbeschreibung& b) { return name == b.name; });
                auto o = std::find_if(Oberflaechenarten.begin(), Oberflaechenarten.end(),
                                      [&](const Oberflaechenbeschreibung& b) { return name == b.name; });
                const std::string_view spalte = s.tabelle ? s.tabelle : "";
                if (spalte == cli::Modelloption && g != Geometrien.end())
                    texte.append(g->englischer_name);
                else if (spalte == "anfang" && a != Anfangsarten.end())
                    texte.append(a->englischer_name);
                else if (spalte == "oberflaeche" && o != Oberflaechenarten.end())
                    texte.append(o->englischer_name);
                else
                    texte.append(name);
            }
            ergebnis[s.python] = py::module_::import("numpy").attr("array")(texte, "dtype"_a = "O");
            break;
        }
        case Spaltenart::zahl: {
            py::array_t<double> a(n);
            for (py::ssize_t i = 0; i < n; ++i)
                a.mutable_at(i) = zahl(zeilen[i][j]);
            ergebnis[s.python] = a;
            break;
        }
        case Spaltenart::ganzzahl: {
            py::array_t<std::int64_t> a(n);
            for (py::ssize_t i = 0; i < n; ++i)
                a.mutable_at(i) = static_cast<std::int64_t>(zahl(zeilen[i][j]));
            ergebnis[s.python] = a;
            break;
        }
        case Spaltenart::unbekannt:
        case Spaltenart::wahrheit: {
            py::array_t<bool> a(n);
            for (py::ssize_t i = 0; i < n; ++i)
                a.mutable_at(i) = zeilen[i][j] == "1";
            ergebnis[s.python] = a;
            break;
        }
        }
    }
    if (als_tabelle.is_none() || als_tabelle.cast<bool>()) {
        py::module_ pandas;
        try {
            pandas = py::module_::import("pandas");
        } catch (py::error_already_set& e) {
            if (!als_tabelle.is_none() || !e.matches(PyExc_ImportError))
                throw;
            return ergebnis;
        }
        return pandas.attr("DataFrame")(ergebnis);
    }
    return ergebnis;
}

Angaben angaben_aus(const py::object& geometrie, const std::array<py::object, Feldzahl>& felder,
                    const py::object& programm, const py::object& halten, const py::object& rate,
                    const py::object& start, const py::object& oberflaeche)
{
    Angaben a;
    a.start = start;
    a.oberflaeche = oberflaeche;
    a.geometrie = geometrie;
    a.felder = felder;
    a.programm = programm;
    a.halten = halten;
    a.rate = rate;
    return a;
}

constexpr const char* Studienhilfe = R"(

Every parameter takes one value, a list (also a numpy array), a range (a
Python range, inclusive of its last member; or a text such as
"1000:1200:50", inclusive of its end when it is met, or "900,1000:1200:100")
or None for the start-up value; geometry takes a name or a list of names.
The runs are every combination, in the order of the parameter dialog
(geometry, temperature_c, time_h, length_um, d0, q, filled_cells, then
start, surface, programme_hold_h and programme_rate_k_min), the last one
varying fastest.

start                   a kalvion.Start, the command line's text of --start
                        ("base:0.1:0.5:0.1", "file:scan.csv"), or a list of
                        them, each adding its starts (None: the step); the
                        table then has the columns anfang, c0 and startdatei
surface                 a kalvion.Surface, the command line's text of
                        --oberflaeche ("concentration:0,5", "exchange:1e-5,0"),
                        or a list of them (None: closed); the table then has
                        the columns oberflaeche, c_s, beta, c_atm, aufgenommen
                        and Molprozent_Ende
programme               a kalvion.Programme: each run is its equivalent run
programme_hold_h        the hold of its segment with the highest target (h)
programme_rate_k_min    the rate of each of its heating segments (K/min)
method                  "stepwise", "fast" or "auto" (see kalvion.run); the
                        jump threshold of "auto" is a fixed count, so every
                        machine, thread count and slice gives the same numbers
threads                 runs computed at a time (None: one per core)
part                    (k, n): only the k-th of n contiguous, nearly equal
                        slices; slices 1 … n one after another are the study
many                    allow more than 100000 runs in one call
progress                called now and then on this thread with the share done

The checks, the messages (ValueError) and the numbers are the command
line's. The study releases the GIL and stops on Ctrl+C (KeyboardInterrupt).)";

}  // namespace

void binde_studie(py::module_& modul)
{
    modul.def(
        "study_csv",
        [](const py::object& t, const py::object& zeit, const py::object& weg, const py::object& d0,
           const py::object& q, const py::object& zellen, const py::object& geometrie, const py::object& programm,
           const py::object& halten, const py::object& rate, const py::object& start, const py::object& oberflaeche,
           const std::string& verfahren,
           const py::object& threads, const py::object& teil, bool viele, const py::object& fortschritt) {
            const Studienwunsch w =
                wunsch_aus(angaben_aus(geometrie, {t, zeit, weg, d0, q, zellen}, programm, halten, rate, start, oberflaeche),
                           verfahren, threads, teil, viele);
            return py::bytes(tabelle_rechnen(w, fortschritt));
        },
        feldargument(Feld::Sintertemp), feldargument(Feld::Sinterzeit), feldargument(Feld::x_max),
        feldargument(Feld::D0), feldargument(Feld::Q), feldargument(Feld::i_Diff),
        py::arg_v("geometry", py::none(), "'linear'"), py::kw_only(), py::arg("programme") = py::none(),
        py::arg("programme_hold_h") = py::none(), py::arg("programme_rate_k_min") = py::none(),
        py::arg("start") = py::none(), py::arg("surface") = py::none(), py::arg("method") = "auto", py::arg("threads") = py::none(), py::arg("part") = py::none(),
        py::arg("many") = false, py::arg("progress") = py::none(),
        (std::string(R"(Runs a parameter study and returns its table as bytes, exactly as
``kalvion-cli --tabelle`` (with ``--teil k/n`` for part=(k, n)) writes it:
RFC 4180 CSV, CR LF, the command line's German column names, numbers with a
decimal point in their shortest exact form. Only slice 1 has the header, so
the slices joined in order are the whole table.)") +
         Studienhilfe)
            .c_str());

    modul.def(
        "study",
        [](const py::object& t, const py::object& zeit, const py::object& weg, const py::object& d0,
           const py::object& q, const py::object& zellen, const py::object& geometrie, const py::object& programm,
           const py::object& halten, const py::object& rate, const py::object& start, const py::object& oberflaeche,
           const std::string& verfahren,
           const py::object& threads, const py::object& teil, bool viele, const py::object& fortschritt,
           const py::object& als_tabelle) {
            const Studienwunsch w =
                wunsch_aus(angaben_aus(geometrie, {t, zeit, weg, d0, q, zellen}, programm, halten, rate, start, oberflaeche),
                           verfahren, threads, teil, viele);
            // The columns are named from the header, which every slice reads.
            const std::string kopf = cli::tabellenkopf(cli::tabellenform(w.studie));
            std::string tabelle = tabelle_rechnen(w, fortschritt);
            if (w.auftrag.teil.k != 1 || w.auftrag.bereich.anzahl() == 0)
                tabelle.insert(0, kopf);
            return spalten(tabelle, true, als_tabelle);
        },
        feldargument(Feld::Sintertemp), feldargument(Feld::Sinterzeit), feldargument(Feld::x_max),
        feldargument(Feld::D0), feldargument(Feld::Q), feldargument(Feld::i_Diff),
        py::arg_v("geometry", py::none(), "'linear'"), py::kw_only(), py::arg("programme") = py::none(),
        py::arg("programme_hold_h") = py::none(), py::arg("programme_rate_k_min") = py::none(),
        py::arg("start") = py::none(), py::arg("surface") = py::none(), py::arg("method") = "auto", py::arg("threads") = py::none(), py::arg("part") = py::none(),
        py::arg("many") = false, py::arg("progress") = py::none(), py::arg("as_frame") = py::none(),
        (std::string(R"(Runs a parameter study and returns its table as columns: a pandas
DataFrame where pandas is installed (as_frame=None) or asked for
(as_frame=True), otherwise a dict of numpy arrays (as_frame=False).

The columns are those of ``kalvion-cli --tabelle`` under Python names:
geometry, temperature_c, time_h, length_um, d0, q, filled_cells (the
rounded cell count), kelvin, d_cm2_s, steps, total_mol_percent, errors,
jumped, c_1, c_50, c_100, c_150, c_200 (the final profile in those cells)
and, with a programme, programme_hold_h, programme_rate_k_min (NaN: at
once), reference_temperature_c and equivalent_time_h. Each number is the
double the table's text reads back to.)") +
         Studienhilfe)
            .c_str());
}

}  // namespace kalvion::python
