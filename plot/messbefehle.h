// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which file a measured profile comes from: the open dialog of
// exportbefehle.h, which tests replace with setze_dateioeffnung().

#include <QString>

class QWidget;

namespace kalvion {

// The file chosen, empty when cancelled.
QString messdatei_waehlen(QWidget* eltern);

// The same for a start profile: a measured profile, a curve table or a
// results file.
QString startdatei_waehlen(QWidget* eltern);

}  // namespace kalvion
