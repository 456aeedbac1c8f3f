// SPDX-License-Identifier: GPL-3.0-or-later
#include "angaben.h"

#include <QStringList>
#include <QThread>
#include <algorithm>
#include <string>

#include "auftrag.h"
#include "kurzform.h"
#include "ofenprogramm.h"
#include "randangaben.h"
#include "werteliste.h"

namespace kalvion::python {

namespace {

bool skalar(const py::handle& wert)
{
    // A numpy array of no dimension is a number, however it iterates.
    if (py::hasattr(wert, "ndim") && py::getattr(wert, "ndim").cast<int>() == 0)
        return true;
    return !py::hasattr(wert, "__iter__");
}

// One number or one entry as the command line reads it: exact integers as
// they are, every other number in its shortest form that reads back exactly.
QString eintrag(const py::handle& wert, const char* wort)
{
    if (py::isinstance<py::str>(wert))
        return QString::fromStdString(wert.cast<std::string>());
    if (PyBool_Check(wert.ptr()))
        throw py::type_error(std::string(wort) + ": a truth value is no number");
    if (PyLong_Check(wert.ptr()))
        return QString::fromStdString(py::str(wert).cast<std::string>());
    if (py::hasattr(wert, "ndim") && py::hasattr(wert, "item"))
        return eintrag(wert.attr("item")(), wort);
    if (PyFloat_Check(wert.ptr()) || py::hasattr(wert, "__float__"))
        return QString::fromStdString(cli::kurzform(wert.cast<double>()));
    if (py::hasattr(wert, "__index__"))
        return QString::fromStdString(py::str(py::reinterpret_steal<py::object>(PyNumber_Index(wert.ptr()))).cast<std::string>());
    throw py::type_error(std::string(wort) + ": " + py::repr(wert).cast<std::string>() +
                         " is no number, list, range or text such as \"1000:1200:50\"");
}

QString bereichstext(const py::handle& bereich)
{
    const py::ssize_t n = py::len(bereich);
    if (n == 0)
        return QString();
    const auto text = [](const py::handle& v) { return QString::fromStdString(py::str(v).cast<std::string>()); };
    if (n == 1)
        return text(bereich[py::int_(0)]);
    return text(bereich.attr("start")) + QLatin1Char(':') + text(bereich[py::int_(-1)]) + QLatin1Char(':') +
           text(bereich.attr("step"));
}

QString geometrietext(const py::handle& wert)
{
    if (py::isinstance<py::str>(wert))
        return QString::fromStdString(wert.cast<std::string>());
    QStringList namen;
    for (const py::handle name : py::iter(wert))
        namen << QString::fromStdString(py::cast<std::string>(name));
    return namen.join(QLatin1Char(','));
}

}  // namespace

QString als_optionstext(const py::handle& wert, const char* wort)
{
    if (py::isinstance<py::str>(wert) || skalar(wert))
        return eintrag(wert, wort);
    if (PyRange_Check(wert.ptr()))
        return bereichstext(wert);
    QStringList teile;
    for (const py::handle e : py::iter(wert))
        teile << (PyRange_Check(e.ptr()) ? bereichstext(e) : eintrag(e, wort));
    return teile.join(QLatin1Char(','));
}

cli::Studie studie_aus(const Angaben& a)
{
    cli::Studie s = cli::Studie::startwerte();
    if (!a.geometrie.is_none())
        s.modelle = cli::lies_modelle(QStringLiteral("geometry"), geometrietext(a.geometrie));
    for (Feld f : Alle_Felder) {
        const int i = static_cast<int>(f);
        if (!a.felder[i].is_none())
            s.listen[i] = cli::Werteliste::lesen(f, QString::fromLatin1(Feldwoerter[i]),
                                                 als_optionstext(a.felder[i], Feldwoerter[i]));
    }
    if (!a.programm.is_none()) {
        s.programm = a.programm.cast<const Ofenprogramm&>().eingabe;
        for (Feld f : {Feld::Sintertemp, Feld::Sinterzeit})
            if (!a.felder[static_cast<int>(f)].is_none())
                throw cli::neben_programm(QString::fromLatin1(Feldwoerter[static_cast<int>(f)]));
    }
    const struct {
        const py::object& wert;
        const char* wort;
        const Feldregel& regel;
        std::optional<cli::Werteliste>& liste;
    } programmwerte[] = {{a.halten, "programme_hold_h", cli::halteregel(), s.halten},
                         {a.rate, "programme_rate_k_min", cli::rateregel(), s.rate}};
    for (const auto& p : programmwerte) {
        if (p.wert.is_none())
            continue;
        if (!s.programm)
            throw py::value_error(std::string(p.wort) + " applies only with a temperature programme (programme=…)");
        p.liste = cli::Werteliste::lesen(p.regel, QString::fromLatin1(p.wort), als_optionstext(p.wert, p.wort));
    }
    if (s.programm)
        cli::pruefe_programme(s);
    s.anfaenge = anfaenge_aus(a.start, "start");
    s.oberflaechen = oberflaechen_aus(a.oberflaeche, "surface");
    cli::pruefe_anfaenge(s);
    return s;
}

cli::Lauf lauf_aus(const Angaben& a)
{
    const cli::Studie s = studie_aus(a);
    if (s.anzahl() != 1)
        throw py::value_error("a run takes one value for each parameter; lists and ranges make a study (kalvion.study)");
    return s.lauf(0);
}

cli::Verfahrenswahl verfahren_aus(const std::string& text)
{
    return cli::lies_verfahren(QString::fromStdString(text));
}

int threads_aus(const py::object& threads)
{
    if (threads.is_none())
        return std::max(QThread::idealThreadCount(), 1);
    return cli::lies_threads(QString::fromStdString(py::str(threads.cast<py::int_>()).cast<std::string>()));
}

cli::Teil teil_aus(const py::object& teil)
{
    if (teil.is_none())
        return {};
    const auto paar = teil.cast<py::sequence>();
    QString text;
    if (paar.size() == 2)
        text = QStringLiteral("%1/%2").arg(QString::fromStdString(py::str(paar[0]).cast<std::string>()),
                                           QString::fromStdString(py::str(paar[1]).cast<std::string>()));
    else
        text = QString::fromStdString(py::str(teil).cast<std::string>());
    return cli::lies_teil(QStringLiteral("part"), text);
}

py::arg_v feldargument(Feld f)
{
    // The start-up values as the signature shows them; the texts live as
    // long as the module.
    static const std::array<std::string, Feldzahl> startwerte = [] {
        const cli::Studie s = cli::Studie::startwerte();
        std::array<std::string, Feldzahl> texte;
        for (Feld g : Alle_Felder)
            texte[static_cast<int>(g)] = cli::kurzform(s.listen[static_cast<int>(g)].wert(0));
        return texte;
    }();
    const int i = static_cast<int>(f);
    return py::arg_v(Feldwoerter[i], py::none(), startwerte[i].c_str());
}

}  // namespace kalvion::python
