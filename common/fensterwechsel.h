// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells a window why it became active. A window of this program counts as
// "activated" only when another window of this program was active before:
// not when a message box closes and not when the user comes back from
// another program.

class QWidget;

namespace kalvion {

// Marks a top-level window as one of the program's own windows.
void als_programmfenster_markieren(QWidget* fenster);

// Starts watching activation changes (idempotent; needs a QApplication).
void fensterwechsel_beobachten();

// True, while `fenster` is being activated, when the window active before it
// was another of the program's own windows.
bool kam_von_anderem_programmfenster(const QWidget* fenster);

}  // namespace kalvion
