// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Parameter speichern …" and "Parameter laden …": the parameters of the last
// "ok" into a .kalvion file and back, through the standard file dialogs,
// starting in the folder used last for parameter files.

#include <QLocale>
#include <QString>
#include <functional>
#include <optional>

#include "modell.h"

class QWidget;

namespace kalvion {

// Both ask through the file dialogs of exportbefehle.h (setze_dateiwahl,
// setze_dateioeffnung), which tests replace.

// The settings key of the folder used last for parameter files.
inline constexpr char Parameterordnerschluessel[] = "parameter/ordner";

// Saves the parameters; a failure says "Speichern fehlgeschlagen!".
void parameter_speichern_befehl(QWidget* eltern, const Modell& parameter, const QLocale& locale);

// The parameters of the chosen file on top of `basis`; nothing when cancelled
// or refused (the refusal said in a message naming the key).
std::optional<Modell> parameter_laden_befehl(QWidget* eltern, const Modell& basis, const QLocale& locale);

}  // namespace kalvion
