// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>

#include "programm.h"
#include "sprache.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Where the settings live: the export dialogs remember their folder.
    QApplication::setOrganizationName(QStringLiteral("Kalvion"));
    QApplication::setApplicationName(QStringLiteral("Kalvion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bilder/kalvion.svg")));
    // Qt's own file dialog, where no desktop dialog takes its place, asks
    // before replacing a file in the user's language.
    kalvion::sprache::einrichten(app);
    kalvion::sprache::qt_texte_einrichten(app, QLocale());

    auto hauptfenster = kalvion::programm_starten(kalvion::modell());
    hauptfenster->show();
    return app.exec();
}
