// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

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
    QTranslator qt_texte;
    if (qt_texte.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_texte);

    auto hauptfenster = kalvion::programm_starten(kalvion::modell());
    hauptfenster->show();
    return app.exec();
}
