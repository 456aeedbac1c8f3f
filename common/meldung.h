#pragma once
// Every message of the program goes through here: a modal box titled
// "Kalvion", no icon, one OK button. Tests put a recorder in its place.

#include <QString>
#include <functional>

class QWidget;

namespace kalvion {

using Meldungsweg = std::function<void(QWidget* eltern, const QString& text)>;

void melde(QWidget* eltern, const QString& text);

// Replaces the message box; returns the previous way. An empty function
// restores the box.
Meldungsweg setze_meldungsweg(Meldungsweg weg);

}  // namespace kalvion
