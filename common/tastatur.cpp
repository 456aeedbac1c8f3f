// SPDX-License-Identifier: GPL-3.0-or-later
#include "tastatur.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace kalvion {

namespace {

class EnterDrueckt : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int taste = static_cast<QKeyEvent*>(e)->key();
        auto* knopf = static_cast<QAbstractButton*>(o);
        if ((taste != Qt::Key_Return && taste != Qt::Key_Enter) || !knopf->isEnabled())
            return false;
        knopf->click();
        return true;
    }
};

}  // namespace

void enter_drueckt(QAbstractButton* knopf)
{
    knopf->installEventFilter(new EnterDrueckt(knopf));
}

}  // namespace kalvion
