// SPDX-License-Identifier: GPL-3.0-or-later
#include "anpassungsbefund.h"

#include <QCoreApplication>

namespace kalvion {

QString befundtext(Anpassungsbefund befund)
{
    switch (befund) {
    case Anpassungsbefund::eindeutig: return {};
    case Anpassungsbefund::untere_grenze:
        return QCoreApplication::translate("Anpassung",
                                           "Das Optimum liegt an der unteren Grenze des Suchbereichs: das Messprofil "
                                           "hat sich kaum vom Anfangsprofil entfernt, D ist nur nach oben begrenzt.");
    case Anpassungsbefund::obere_grenze:
        return QCoreApplication::translate("Anpassung",
                                           "Das Optimum liegt an der oberen Grenze des Suchbereichs: das Messprofil "
                                           "ist ausgeglichen (flach), D ist nur nach unten begrenzt.");
    case Anpassungsbefund::ohne_information:
        return QCoreApplication::translate("Anpassung",
                                           "Das Messprofil enthält keine Information über D: jedes D des "
                                           "Suchbereichs passt gleich gut.");
    }
    return {};
}

}  // namespace kalvion
