// SPDX-License-Identifier: GPL-3.0-or-later
#include "fortschritt.h"

#include <cmath>

#include "uebersetzen.h"

namespace kalvion::cli {

QString dauertext(double sekunden)
{
    const long long s = std::llround(std::min(sekunden, 1e12));
    auto zwei = [](long long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    if (s < 60)
        return tr("%1 s").arg(s);
    if (s < 3600)
        return tr("%1 min %2 s").arg(s / 60).arg(zwei(s % 60));
    if (s < 86400)
        return tr("%1 h %2 min").arg(s / 3600).arg(zwei(s / 60 % 60));
    return tr("%1 d %2 h").arg(s / 86400).arg(zwei(s / 3600 % 24));
}

QString fortschrittszeile(const Fortschrittsstand& stand)
{
    const double anteil = stand.aufwand > 0 ? std::clamp(stand.aufwand_fertig / stand.aufwand, 0.0, 1.0) : 0.0;
    QString zeile = tr("Läufe: %1 von %2 fertig (%3 %)")
                        .arg(stand.laeufe_fertig)
                        .arg(stand.laeufe)
                        .arg(static_cast<int>(std::floor(anteil * 100)));
    if (anteil <= 0 || stand.vergangen.count() <= 0)
        return zeile + tr(", Restzeit wird geschätzt");
    const double rest = stand.vergangen.count() * (1 - anteil) / anteil;
    if (rest < 0.5)
        return zeile + tr(", gleich fertig");
    return zeile + tr(", noch etwa %1").arg(dauertext(rest));
}

}  // namespace kalvion::cli
