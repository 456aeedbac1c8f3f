#pragma once
// Draws the result graph of the model record onto any painter: frame, tick
// marks, labels and up to five profiles. The main window only owns the image.

#include <QColor>
#include <QLocale>
#include <QPointF>
#include <QSizeF>
#include <QStringList>

#include "modell.h"

class QPainter;

namespace kalvion {

// The plot's user coordinates: x in cells 0..Zellen, y in mol% 0..100, with a
// margin of a tenth of each span around the frame.
struct Skala {
    double links = -20, rechts = 220, oben = 110, unten = -10;

    static Skala fuer(std::int16_t zellen);
    QPointF nach_pixel(float x, float y, QSizeF flaeche) const;
    QPointF nach_einheiten(QPointF pixel, QSizeF flaeche) const;
};

// The redraw may draw only on a window that is big enough, not minimized,
// and only while a completed result is current. Sizes are outer sizes in twips.
bool darf_zeichnen(bool minimiert, int aussenbreite_twips, int aussenhoehe_twips, bool aktuell);

// The six labels under the x axis (cells converted to µm) and beside the y axis.
QStringList x_beschriftungen(const Modell& m, const QLocale& locale);
QStringList y_beschriftungen(const QLocale& locale);

// Draws the whole graph for a client area of the given size, in the painter's
// font and the given foreground colour, onto an already cleared surface.
void zeichne_grafik(QPainter& p, QSizeF flaeche, const Modell& m, const QLocale& locale,
                    const QColor& vordergrund);

}  // namespace kalvion
