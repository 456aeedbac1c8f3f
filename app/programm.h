// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts the program together: the main window with the dialogs it opens.

#include <QLocale>
#include <memory>

#include "frm_grafik.h"

namespace kalvion {

// The main window, already loaded: it has opened the parameter dialog.
std::unique_ptr<frm_grafik> programm_starten(Modell& m, const QLocale& locale = QLocale());

}  // namespace kalvion
