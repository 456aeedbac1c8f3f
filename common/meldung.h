// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message and every question of the program goes through here: a modal
// box titled "Kalvion", no icon. Tests put a recorder in its place.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace kalvion {

using Meldungsweg = std::function<void(QWidget* eltern, const QString& text)>;

// A message with one OK button.
void melde(QWidget* eltern, const QString& text);

// Replaces the message box; returns the previous way. An empty function
// restores the box.
Meldungsweg setze_meldungsweg(Meldungsweg weg);

// The index of the button pressed; `vorgabe` is the index of the default button.
using Frageweg =
    std::function<int(QWidget* eltern, const QString& text, const QStringList& knoepfe, int vorgabe)>;

// A question with the given buttons (at least one): the first is the default,
// the last is the way out, which Escape and closing the box choose too.
int frage(QWidget* eltern, const QString& text, const QStringList& knoepfe);

// The same with another default button (an index into `knoepfe`): a question
// whose careful answer is the way out has that as its default.
int frage(QWidget* eltern, const QString& text, const QStringList& knoepfe, int vorgabe);

// Replaces the question box, as setze_meldungsweg does the message box.
Frageweg setze_frageweg(Frageweg weg);

// The index of the entry chosen, -1 when cancelled.
using Auswahlweg =
    std::function<int(QWidget* eltern, const QString& text, const QStringList& eintraege, int vorgabe)>;

// A choice among entries, too many for buttons: a list box under the text,
// `vorgabe` selected, "OK" and "Abbrechen" (Escape).
int auswahl(QWidget* eltern, const QString& text, const QStringList& eintraege, int vorgabe);

// Replaces the choice box, as setze_meldungsweg does the message box.
Auswahlweg setze_auswahlweg(Auswahlweg weg);

}  // namespace kalvion
