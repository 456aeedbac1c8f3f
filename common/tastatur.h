// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Enter and Return press the focused push button, as on every desktop. Qt
// does so only for a dialog's default buttons, and the program's dialogs have
// none: Enter typed in a field must do nothing.

class QAbstractButton;

namespace kalvion {

void enter_drueckt(QAbstractButton* knopf);

}  // namespace kalvion
