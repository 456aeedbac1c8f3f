#include <QApplication>
#include <QIcon>

#include "programm.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Where the settings live: the export dialogs remember their folder.
    QApplication::setOrganizationName(QStringLiteral("Kalvion"));
    QApplication::setApplicationName(QStringLiteral("Kalvion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bilder/kalvion.svg")));

    auto hauptfenster = kalvion::programm_starten(kalvion::modell());
    hauptfenster->show();
    return app.exec();
}
