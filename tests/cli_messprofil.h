// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A measured profile for the command line's fit, computed by the engine
// itself, so that the fit finds the start-up D0 and Q again.
#include <QByteArray>

#include "anpassung.h"
#include "einzellauf.h"
#include "kurzform.h"
#include "studie.h"

// The final profile of a run at this temperature (start-up values otherwise,
// a 30 µm path and 3 h), 30 points with a decimal comma and ';'.
inline QByteArray scan(double temperatur)
{
    using namespace kalvion;
    using namespace kalvion::cli;
    Lauf lauf = Studie::startwerte().lauf(0);
    lauf.werte[static_cast<int>(Feld::Sintertemp)] = temperatur;
    lauf.werte[static_cast<int>(Feld::x_max)] = 30;
    lauf.werte[static_cast<int>(Feld::Sinterzeit)] = 3;
    Modell m = modell_fuer(lauf, QLocale::c());
    lauf_rechnen(m);
    QByteArray text = "Tiefe;Konzentration\r\n";
    for (int j = 0; j < 30; ++j) {
        const double x = j + 0.5;
        text += QByteArray::fromStdString(kurzform(x) + ";" + kurzform(profil_bei(m.Konz, m.Zellen, 30, x)))
                    .replace('.', ',') +
                "\r\n";
    }
    return text;
}
