// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter-file reader on any bytes, in the C and the German locale. A
// refusal names what is wrong and gives no model; an accepted file saved
// again reads back to the same model, and saving that gives the same bytes.
#include <cmath>

#include "feldpruefung.h"
#include "fuzzhilfen.h"
#include "parameterdatei.h"

using namespace kalvion;
using kalvion::fuzz::C_Locale;
using kalvion::fuzz::Deutsch;

namespace {

const Modell& startmodell()
{
    static const Modell m = [] {
        Modell s;
        startwerte_setzen(s);
        return s;
    }();
    return m;
}

bool gleiche_angabe(const Eingabewert& a, const Eingabewert& b)
{
    return a.wert == b.wert && a.text == b.text;
}

bool gleiches_programm(const Modell& a, const Modell& b)
{
    if (a.programm.has_value() != b.programm.has_value())
        return false;
    if (!a.programm)
        return true;
    const Programmangabe &p = *a.programm, &q = *b.programm;
    if (p.start != q.start || p.zeile != q.zeile || p.segmente.size() != q.segmente.size() ||
        !gleiche_angabe(p.temp_isotherm, q.temp_isotherm) || !gleiche_angabe(p.zeit_isotherm, q.zeit_isotherm))
        return false;
    for (std::size_t i = 0; i < p.segmente.size(); ++i)
        if (p.segmente[i].rate != q.segmente[i].rate || p.segmente[i].ziel != q.segmente[i].ziel ||
            p.segmente[i].halten != q.segmente[i].halten)
            return false;
    return true;
}

void lesen(const QByteArray& daten, const QLocale& locale)
{
    const QByteArray basis_vorher = parameterdaten(startmodell(), locale);
    const Parameterlesung l = parameter_lesen(daten, startmodell(), locale);
    KALVION_PRUEFE(parameterdaten(startmodell(), locale) == basis_vorher);
    if (!l.modell) {
        KALVION_PRUEFE(!l.fehler.isEmpty());
        return;
    }
    KALVION_PRUEFE(l.fehler.isEmpty());
    const Modell& m = *l.modell;
    // Every field holds a value its rule accepts, and the run can be formed.
    for (Feld f : Alle_Felder) {
        const Feldregel& r = regel(f);
        const double wert = r.ziel ? (m.*r.ziel).wert : m.i_Diff;
        KALVION_PRUEFE(std::isfinite(wert));
        if (!m.programm || (f != Feld::Sintertemp && f != Feld::Sinterzeit))
            KALVION_PRUEFE(im_bereich(r, wert));
    }
    KALVION_PRUEFE(std::isfinite(m.D) && std::isfinite(m.Molprozent));

    const QByteArray gespeichert = parameterdaten(m, locale);
    const Parameterlesung wieder = parameter_lesen(gespeichert, startmodell(), locale);
    KALVION_PRUEFE(wieder.modell.has_value());
    const Modell& n = *wieder.modell;
    KALVION_PRUEFE(n.Geometrie == m.Geometrie);
    for (Feld f : Alle_Felder) {
        const Feldregel& r = regel(f);
        if (r.ziel)
            KALVION_PRUEFE(gleiche_angabe(m.*r.ziel, n.*r.ziel));
        KALVION_PRUEFE(feldtext(n, f, locale) == feldtext(m, f, locale));
    }
    KALVION_PRUEFE(n.i_Diff == m.i_Diff);
    KALVION_PRUEFE(gleiches_programm(m, n));
    KALVION_PRUEFE(n.D == m.D && n.Schritte == m.Schritte && n.Molprozent == m.Molprozent);
    KALVION_PRUEFE(parameterdaten(n, locale) == gespeichert);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray daten(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    lesen(daten, C_Locale);
    lesen(daten, Deutsch);
    return 0;
}
