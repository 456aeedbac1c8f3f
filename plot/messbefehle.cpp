#include "messbefehle.h"

#include "exportbefehle.h"

namespace kalvion {

QString messdatei_waehlen(QWidget* eltern)
{
    return datei_oeffnen(eltern, QString::fromUtf8("Kalvion - Messprofil laden"), exportordner(),
                         {QStringLiteral("Messprofile (*.csv *.txt *.dat)"), QStringLiteral("Alle Dateien (*)")});
}

}  // namespace kalvion
