#pragma once
// Which file a measured profile comes from: the platform's open dialog, or,
// in tests, whatever takes its place.

#include "exportbefehle.h"

namespace kalvion {

// Replaces the open dialog for measured profiles; returns the previous way.
// An empty function restores the dialog.
Dateiwahl setze_messdateiwahl(Dateiwahl wahl);

// The file chosen, empty when cancelled.
QString messdatei_waehlen(QWidget* eltern);

}  // namespace kalvion
