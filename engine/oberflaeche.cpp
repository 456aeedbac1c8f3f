// SPDX-License-Identifier: GPL-3.0-or-later
#include "oberflaeche.h"

namespace kalvion {

double randleitwert(Oberflaechenart art, double beta, double D, double dx)
{
    switch (art) {
    case Oberflaechenart::geschlossen: return 0;
    case Oberflaechenart::konzentration: return 2 * D / dx;
    case Oberflaechenart::austausch:
        if (!(beta > 0))
            return 0;
        return 1 / (1 / beta + dx / (2 * D));
    }
    return 0;
}

}  // namespace kalvion
