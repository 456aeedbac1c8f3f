#include "meldung.h"

#include <QMessageBox>

namespace kalvion {

namespace {

void meldungsbox(QWidget* eltern, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalvion"), text, QMessageBox::Ok, eltern);
    box.exec();
}

Meldungsweg& aktueller_weg()
{
    static Meldungsweg weg = meldungsbox;
    return weg;
}

}  // namespace

void melde(QWidget* eltern, const QString& text)
{
    const Meldungsweg weg = aktueller_weg();  // a copy: the way may change meanwhile
    weg(eltern, text);
}

Meldungsweg setze_meldungsweg(Meldungsweg weg)
{
    Meldungsweg alt = aktueller_weg();
    aktueller_weg() = weg ? std::move(weg) : Meldungsweg(meldungsbox);
    return alt;
}

}  // namespace kalvion
