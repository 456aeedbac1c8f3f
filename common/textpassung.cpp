// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpassung.h"

#include <QFontMetrics>
#include <QLabel>

namespace kalvion {

namespace {

QFont passende_schrift(QFont schrift, const QString& text, int breite)
{
    while (QFontMetrics(schrift).horizontalAdvance(text) > breite && schrift.pointSizeF() > 6)
        schrift.setPointSizeF(schrift.pointSizeF() - 0.25);
    return schrift;
}

}  // namespace

void text_einpassen(QLabel* label)
{
    label->setFont(passende_schrift(label->font(), label->text(), label->width()));
}

void text_setzen_eingepasst(QLabel* label, const QString& text)
{
    // Start again from the font the label inherits, so a short text after a
    // long one is not left small.
    label->setFont(passende_schrift(label->parentWidget() ? label->parentWidget()->font() : label->font(),
                                    text, label->width()));
    label->setText(text);
    label->setToolTip(text);
}

}  // namespace kalvion
