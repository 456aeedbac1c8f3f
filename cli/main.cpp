// kalvion-cli: the engine without windows, for single runs and studies.
#include <QCoreApplication>
#include <unistd.h>

#include "abbruch.h"
#include "befehl.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    kalvion::cli::abbruch_abfangen();
    const kalvion::cli::Umgebung umgebung{
        QLocale(),
        QDate::currentDate(),
        &kalvion::cli::abbruchsignal(),
        isatty(STDERR_FILENO) == 1,
    };
    return kalvion::cli::befehl_ausfuehren(QCoreApplication::arguments(), umgebung);
}
