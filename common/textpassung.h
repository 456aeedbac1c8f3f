// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Labels are placed at fixed sizes in twips; on a font wider than the one the
// layout was measured for, a text shrinks a little rather than being cut.

class QLabel;
class QString;

namespace kalvion {

// Shrinks the label's font (not below 6 pt) until its text fits its width.
void text_einpassen(QLabel* label);

// Sets the text in the label's own font, shrunk only as far as this text
// needs, and shows the whole text as tooltip as well.
void text_setzen_eingepasst(QLabel* label, const QString& text);

}  // namespace kalvion
