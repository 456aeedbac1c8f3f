// SPDX-License-Identifier: GPL-3.0-or-later
// kalvion-cli: the engine without windows, for single runs and studies.
#include <QCoreApplication>
#include <csignal>
#include <unistd.h>

#include "abbruch.h"
#include "befehl.h"
#include "sprache.h"

namespace {

// Qt's own warnings are English and meant for developers; the command says
// in the user's language what went wrong, itself.
void qt_meldungen_verschlucken(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(qt_meldungen_verschlucken);
    // A reader that goes away (`| head`) is seen as EPIPE on the next write,
    // so that the command ends with status 1 and leaves its files as they
    // were, instead of being killed half-way.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    kalvion::sprache::einrichten(app);
    kalvion::cli::abbruchmeldung_setzen(kalvion::cli::abbruchmeldung());
    kalvion::cli::abbruch_abfangen();
    // Until the first file is opened for writing, a signal ends the command at once.
    kalvion::cli::sofort_beenden(true);
    const kalvion::cli::Umgebung umgebung{
        QLocale(),
        QDate::currentDate(),
        &kalvion::cli::abbruchsignal(),
        isatty(STDERR_FILENO) == 1,
    };
    return kalvion::cli::befehl_ausfuehren(QCoreApplication::arguments(), umgebung);
}
