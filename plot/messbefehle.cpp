// SPDX-License-Identifier: GPL-3.0-or-later
#include "messbefehle.h"

#include <QCoreApplication>

#include "exportbefehle.h"

namespace kalvion {

QString messdatei_waehlen(QWidget* eltern)
{
    return datei_oeffnen(eltern, QCoreApplication::translate("Befehle", "Kalvion - Messprofil laden"), exportordner(),
                         {QCoreApplication::translate("Befehle", "Messprofile (*.csv *.txt *.dat)"),
                          QCoreApplication::translate("Befehle", "Alle Dateien (*)")});
}

QString startdatei_waehlen(QWidget* eltern)
{
    return datei_oeffnen(eltern, QCoreApplication::translate("Befehle", "Kalvion - Anfangsprofil laden"), exportordner(),
                         {QCoreApplication::translate("Befehle", "Profile und Ergebnisdateien (*.csv *.txt *.dat)"),
                          QCoreApplication::translate("Befehle", "Alle Dateien (*)")});
}

}  // namespace kalvion
