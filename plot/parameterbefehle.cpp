// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterbefehle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "exportbefehle.h"
#include "meldung.h"
#include "parameterdatei.h"

namespace kalvion {

namespace {

// In the language of the moment it is asked for.
QStringList filter()
{
    return {QCoreApplication::translate("Befehle", "Kalvion-Parameter (*.kalvion)")};
}

// The folder used last for parameter files, else where exports start.
QString parameterordner()
{
    const QString gemerkt = QSettings().value(QLatin1String(Parameterordnerschluessel)).toString();
    return QFileInfo(gemerkt).isDir() ? gemerkt : exportordner();
}

void merke_ordner(const QString& pfad)
{
    QSettings().setValue(QLatin1String(Parameterordnerschluessel), QFileInfo(pfad).absolutePath());
}

}  // namespace

void parameter_speichern_befehl(QWidget* eltern, const Modell& parameter, const QLocale& locale)
{
    // The same save dialog as the exports, so that tests replace both alike.
    const QString pfad = datei_waehlen(eltern, QCoreApplication::translate("Befehle", "Kalvion - Parameter speichern"),
                                       QDir(parameterordner()).filePath(QStringLiteral("parameter.kalvion")), filter());
    if (pfad.isEmpty())
        return;
    if (!parameter_speichern(pfad, parameter, locale)) {
        melde(eltern, QCoreApplication::translate("Befehle", "Speichern fehlgeschlagen!"));
        return;
    }
    merke_ordner(pfad);
}

std::optional<Modell> parameter_laden_befehl(QWidget* eltern, const Modell& basis, const QLocale& locale)
{
    const QString pfad = datei_oeffnen(eltern, QCoreApplication::translate("Befehle", "Kalvion - Parameter laden"),
                                       parameterordner(), filter());
    if (pfad.isEmpty())
        return std::nullopt;
    const Parameterlesung l = parameter_laden(pfad, basis, locale);
    if (!l.modell) {
        melde(eltern, l.fehler);
        return std::nullopt;
    }
    merke_ordner(pfad);
    return l.modell;
}

}  // namespace kalvion
