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
    case Anpassungsbefund::nur_oben_begrenzt:
        return QCoreApplication::translate("Anpassung",
                                           "Das Messprofil begrenzt D nur nach oben: auch jedes kleinere D bis zur "
                                           "unteren Grenze des Suchbereichs passt im Rahmen der Streuung.");
    case Anpassungsbefund::nur_unten_begrenzt:
        return QCoreApplication::translate("Anpassung",
                                           "Das Messprofil begrenzt D nur nach unten: auch jedes größere D bis zur "
                                           "oberen Grenze des Suchbereichs passt im Rahmen der Streuung.");
    case Anpassungsbefund::ohne_information:
        return QCoreApplication::translate("Anpassung",
                                           "Das Messprofil enthält keine Information über D: jedes D des "
                                           "Suchbereichs passt gleich gut.");
    }
    return {};
}

}  // namespace kalvion
