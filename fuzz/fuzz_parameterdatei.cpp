// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter-file reader on any bytes, in the C and the German locale. A
// refusal names what is wrong and gives no model; an accepted file holds
// values within their rules (the start's and the surface's too) and saved
// again reads back to the same model, start, surface and format, and saving
// that gives the same bytes.
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "anfangswahl.h"
#include "bedingungen.h"
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

bool gleicher_start(const Modell& a, const Modell& b)
{
    if (a.Anfang != b.Anfang || !gleiche_angabe(a.c0, b.c0) || bool(a.startprofil) != bool(b.startprofil))
        return false;
    if (!a.startprofil)
        return true;
    const Startprofil &p = *a.startprofil, &q = *b.startprofil;
    if (p.quelle != q.quelle || p.punkte.size() != q.punkte.size())
        return false;
    for (std::size_t i = 0; i < p.punkte.size(); ++i)
        if (p.punkte[i].x != q.punkte[i].x || p.punkte[i].konz != q.punkte[i].konz)
            return false;
    return true;
}

bool gleiche_oberflaeche(const Modell& a, const Modell& b)
{
    return a.Oberflaeche == b.Oberflaeche && gleiche_angabe(a.c_s, b.c_s) && gleiche_angabe(a.beta, b.beta) &&
           gleiche_angabe(a.c_atm, b.c_atm);
}

// The start and the surface hold what their kind needs, within its rules.
void bedingungen_pruefen(const Modell& m)
{
    KALVION_PRUEFE((m.startprofil != nullptr) == !beschreibung(m.Anfang).mit_stufe);
    if (m.Anfang == Anfangsart::grundgehalt)
        KALVION_PRUEFE(im_bereich(regel(Feld::c0), m.c0.wert) && m.c0.text.has_value());
    if (m.startprofil) {
        KALVION_PRUEFE(m.startprofil->punkte.size() >= Startpunkte_min);
        for (const Messpunkt& p : m.startprofil->punkte)
            KALVION_PRUEFE(std::isfinite(p.x) && p.x >= 0 && p.x <= m.x_max.wert + Startprofil_rundung &&
                           p.konz >= Startwert_min && p.konz <= Startwert_max);
    }
    if (m.Oberflaeche == Oberflaechenart::konzentration)
        KALVION_PRUEFE(im_bereich(regel(Feld::c_s), m.c_s.wert) && m.c_s.text.has_value());
    if (m.Oberflaeche == Oberflaechenart::austausch)
        KALVION_PRUEFE(im_bereich(regel(Feld::beta), m.beta.wert) && im_bereich(regel(Feld::c_atm), m.c_atm.wert) &&
                       m.beta.text.has_value() && m.c_atm.text.has_value());
    // The initial profile the start gives.
    KALVION_PRUEFE(m.Zellen >= 1 && m.Zellen < Feldgroesse);
    for (int i = 1; i <= m.Zellen; ++i)
        KALVION_PRUEFE(std::isfinite(m.Konz[i]) && m.Konz[i] >= Startwert_min && m.Konz[i] <= Startwert_max);
}

// The format the saved bytes declare: 1 for the plain step and a closed
// surface, else 2.
int formatnummer(const QByteArray& gespeichert)
{
    return QJsonDocument::fromJson(gespeichert).object().value(QStringLiteral("format")).toInt(-1);
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
    bedingungen_pruefen(m);

    const QByteArray gespeichert = parameterdaten(m, locale);
    KALVION_PRUEFE(formatnummer(gespeichert) ==
                   (standardbedingungen(m) ? Parameterformat : Parameterformat_bedingungen));
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
    KALVION_PRUEFE(gleicher_start(m, n) && gleiche_oberflaeche(m, n));
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
