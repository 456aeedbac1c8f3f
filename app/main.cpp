#include <QApplication>
#include <QIcon>

#include "frm_Eingabe.h"
#include "frm_grafik.h"
#include "frm_speichern.h"

using namespace kalvion;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bilder/kalvion.svg")));

    Modell& m = modell();
    Dialogfabriken fabriken{
        [&m](Hauptfenster& h) -> QWidget* { return new frm_Eingabe(m, h); },
        [&m](Hauptfenster& h) -> QWidget* { return new frm_speichern(m, h); },
    };
    frm_grafik hauptfenster(m, fabriken);
    hauptfenster.show();
    return app.exec();
}
