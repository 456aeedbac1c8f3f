// SPDX-License-Identifier: GPL-3.0-or-later
// The start-profile reader on any bytes: a results file (its last block) or a
// measured profile or table, its value column chosen by default and by name.
// An accepted start has at least the fewest points at as many different
// depths, finite values within the start's range; mapped onto
// the cells it gives finite values between its smallest and largest. A
// refusal has no points and a message. A results file read directly agrees
// with the start-profile reader on it.
#include <algorithm>
#include <cmath>
#include <set>

#include "anfang.h"
#include "ergebnisdatei.h"
#include "fuzzhilfen.h"
#include "startprofil.h"

using namespace kalvion;

namespace {

constexpr int Zellen = 200;

bool ist_ergebnisdatei(const QByteArray& inhalt)
{
    return !inhalt.isEmpty() &&
           beginnt_wie_ergebnisdatei(QByteArrayView(inhalt).first(std::min<qsizetype>(inhalt.size(), Ergebnisdatei_pruefbytes)));
}

void pruefen(const QByteArray& inhalt, const Spaltenwahl& wahl)
{
    const Messlesung l = startprofil_lesen(inhalt, wahl);
    const std::vector<Messpunkt>& punkte = l.profil.punkte;
    KALVION_PRUEFE(punkte.size() == l.profil.zeilen.size());
    const bool ergebnisdatei = ist_ergebnisdatei(inhalt);
    if (!l.ok) {
        KALVION_PRUEFE(punkte.empty());
        KALVION_PRUEFE(!l.fehler.isEmpty());
        return;
    }
    KALVION_PRUEFE(l.fehler.isEmpty());
    KALVION_PRUEFE(punkte.size() >= Startpunkte_min);
    KALVION_PRUEFE(l.gewaehlt >= 0 && static_cast<std::size_t>(l.gewaehlt) < l.spalten.size());
    KALVION_PRUEFE((l.block > 0) == ergebnisdatei);
    double x_max = 0, kleinster = Startwert_max, groesster = Startwert_min;
    bool vor_der_oberflaeche = false;
    std::set<double> tiefen;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const Messpunkt& p = punkte[i];
        KALVION_PRUEFE(std::isfinite(p.x) && std::isfinite(p.konz));
        KALVION_PRUEFE(p.konz >= Startwert_min && p.konz <= Startwert_max);
        KALVION_PRUEFE(l.profil.zeilen[i] >= 1 && (i == 0 || l.profil.zeilen[i] > l.profil.zeilen[i - 1]));
        x_max = std::max(x_max, p.x);
        kleinster = std::min(kleinster, p.konz);
        groesster = std::max(groesster, p.konz);
        vor_der_oberflaeche = vor_der_oberflaeche || p.x < 0;
        tiefen.insert(p.x);
    }
    KALVION_PRUEFE(tiefen.size() >= Startpunkte_min);

    // On a path as long as its deepest point, unless one lies before the
    // surface; then onto the cells, each value between the profile's extremes.
    const QString ausserhalb = startprofil_pruefen(l, x_max > 0 ? x_max : 50, fuzz::Deutsch);
    KALVION_PRUEFE(ausserhalb.isEmpty() == !vor_der_oberflaeche);
    if (!ausserhalb.isEmpty() || x_max <= 0)
        return;
    const std::vector<double> zellen = auf_zellen(punkte, Zellen, x_max);
    KALVION_PRUEFE(zellen.size() == Zellen + 2u);
    for (int i = 1; i <= Zellen; ++i)
        KALVION_PRUEFE(std::isfinite(zellen[i]) && zellen[i] >= kleinster && zellen[i] <= groesster);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray inhalt(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    pruefen(inhalt, {});
    pruefen(inhalt, Spaltenwahl::nach_name(QStringLiteral("Ende")));

    // The block reader alone: what it accepts from a results file the start
    // reader takes over, unless it has too few rows or depths.
    const Messlesung block = ergebnisdatei_lesen(inhalt);
    KALVION_PRUEFE(block.ok == block.fehler.isEmpty());
    KALVION_PRUEFE(block.ok || block.profil.punkte.empty());
    if (block.ok) {
        KALVION_PRUEFE(block.block >= 1 && !block.profil.punkte.empty());
        if (ist_ergebnisdatei(inhalt)) {
            const Messlesung start = startprofil_lesen(inhalt);
            KALVION_PRUEFE(start.ok == (block.profil.punkte.size() >= Startpunkte_min &&
                                        verschiedene_tiefen(block.profil.punkte) >= Startpunkte_min));
            KALVION_PRUEFE(!start.ok || (start.block == block.block && start.profil.punkte.size() ==
                                                                              block.profil.punkte.size()));
        }
    }
    return 0;
}
