#include "messbefehle.h"

#include <QFileDialog>

namespace kalvion {

namespace {

QString oeffnungsdialog(QWidget* eltern, const QString& titel, const QString& ordner, const QStringList& filter)
{
    QFileDialog dialog(eltern, titel, ordner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

Dateiwahl& aktuelle_wahl()
{
    static Dateiwahl wahl = oeffnungsdialog;
    return wahl;
}

}  // namespace

Dateiwahl setze_messdateiwahl(Dateiwahl wahl)
{
    Dateiwahl alt = aktuelle_wahl();
    aktuelle_wahl() = wahl ? std::move(wahl) : Dateiwahl(oeffnungsdialog);
    return alt;
}

QString messdatei_waehlen(QWidget* eltern)
{
    const Dateiwahl wahl = aktuelle_wahl();
    return wahl(eltern, QString::fromUtf8("Kalvion - Messprofil laden"), exportordner(),
                {QStringLiteral("Messprofile (*.csv *.txt *.dat)"), QStringLiteral("Alle Dateien (*)")});
}

}  // namespace kalvion
