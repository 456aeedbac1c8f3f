// SPDX-License-Identifier: GPL-3.0-or-later
// The measured-profile reader on any bytes. An accepted profile has at least
// the fewest points, finite values and their lines in order, and reads back
// the same from the reader's plainest form; a refusal has no points and a
// message.
#include <charconv>
#include <cmath>

#include "fuzzhilfen.h"
#include "messprofil.h"

using namespace kalvion;

namespace {

// "x;c" per line, each the shortest text that reads back to the same double.
QByteArray schlicht(const Messprofil& p)
{
    QByteArray text;
    char puffer[32];
    for (const Messpunkt& punkt : p.punkte) {
        text += QByteArray(puffer, std::to_chars(puffer, puffer + sizeof puffer, punkt.x).ptr - puffer) + ';';
        text += QByteArray(puffer, std::to_chars(puffer, puffer + sizeof puffer, punkt.konz).ptr - puffer) + '\n';
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray inhalt(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Messlesung l = messprofil_lesen(inhalt);
    const Messprofil& p = l.profil;
    KALVION_PRUEFE(p.punkte.size() == p.zeilen.size());
    if (!l.ok) {
        KALVION_PRUEFE(p.punkte.empty());
        KALVION_PRUEFE(!l.fehler.isEmpty());
        return 0;
    }
    KALVION_PRUEFE(l.fehler.isEmpty());
    KALVION_PRUEFE(p.punkte.size() >= static_cast<std::size_t>(Messpunkte_min));
    double x_max = 0;
    bool alle_ab_null = true;
    for (std::size_t i = 0; i < p.punkte.size(); ++i) {
        KALVION_PRUEFE(std::isfinite(p.punkte[i].x) && std::isfinite(p.punkte[i].konz));
        KALVION_PRUEFE(p.zeilen[i] >= 1 && (i == 0 || p.zeilen[i] > p.zeilen[i - 1]));
        x_max = std::max(x_max, p.punkte[i].x);
        alle_ab_null = alle_ab_null && p.punkte[i].x >= 0;
    }
    // Every point lies on a path as long as the deepest one, unless one lies
    // before the surface.
    KALVION_PRUEFE(messprofil_pruefen(p, x_max, fuzz::Deutsch).isEmpty() == alle_ab_null);

    const Messlesung wieder = messprofil_lesen(schlicht(p));
    KALVION_PRUEFE(wieder.ok && wieder.profil.punkte.size() == p.punkte.size());
    for (std::size_t i = 0; i < p.punkte.size(); ++i)
        KALVION_PRUEFE(wieder.profil.punkte[i].x == p.punkte[i].x && wieder.profil.punkte[i].konz == p.punkte[i].konz);
    return 0;
}
