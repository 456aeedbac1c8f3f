// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the result graph of the model record onto any painter: frame, tick
// marks, labels and up to five profiles. The main window only owns the image.

#include <QColor>
#include <QList>
#include <QRectF>
#include <QLocale>
#include <QPen>
#include <QPointF>
#include <QSizeF>
#include <QStringList>
#include <vector>

#include "anpassung.h"
#include "modell.h"

class QFontMetricsF;
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
// The window writes whole numbers; `genau` keeps up to seven significant digits
// ("7,5", "0,2"), as a graph for a report needs.
QStringList x_beschriftungen(const Modell& m, const QLocale& locale, bool genau = false);
QStringList y_beschriftungen(const QLocale& locale);

// How one curve is stroked. An invalid colour stands for the foreground colour.
struct Kurvenstift {
    QColor farbe;
    qreal breite = 1;
    QList<qreal> muster;  // dashes and gaps in line widths; empty: solid
};

// The pen of a curve, also for a legend's sample line.
QPen kurvenstift(const Kurvenstift& k, const QColor& vordergrund);

// The look of the graph. The defaults are the window's own plot: yellow
// snapshots one pixel wide, the start profile in the foreground colour and
// the final profile in red, crisp pixels, labels placed as the window has them.
struct Grafikstil {
    Kurvenstift konz_10{QColor(255, 255, 0), 1, {}};
    Kurvenstift konz_100{QColor(255, 255, 0), 1, {}};
    Kurvenstift konz_1000{QColor(255, 255, 0), 1, {}};
    Kurvenstift konz_start{QColor(), 2, {}};
    Kurvenstift konz{QColor(255, 0, 0), 2, {}};
    bool kantenglaettung = false;
    // Labels centred under their x tick and right-aligned beside their y tick,
    // so that they stay clear of the frame at any font size.
    bool beschriftung_ausgerichtet = false;
    // The x labels in µm with their decimals rather than as whole numbers.
    bool genaue_x_beschriftung = false;
    // The line width of kept results' final profiles.
    qreal vergleichsbreite = 2;
};

// The final profile of a kept result, compared with the current run: drawn
// under the live curves on the same x axis in µm, so that a result of another
// x_max ends before the frame's right edge or is cut off there.
struct Vergleichskurve {
    const Modell* modell;
    Kurvenstift stift;
};

// At most this many results are kept for comparison, each in its own pen.
inline constexpr int Vergleichskurven_hoechstens = 8;

// The pen of kept result k (0 … 7): a colour of the Okabe–Ito and Tol
// palettes, which colour-blind eyes tell apart (none of them the live
// curves' red, yellow, amber or black), and a dash pattern of its own, apart
// from every live curve's, so that a greyscale print keeps them apart too.
Kurvenstift vergleichsstift(int k, qreal breite);

// Draws the whole graph for a client area of the given size, in the painter's
// font and the given foreground colour, onto an already cleared surface; the
// final profiles of kept results first, under the live curves.
void zeichne_grafik(QPainter& p, QSizeF flaeche, const Modell& m, const QLocale& locale,
                    const QColor& vordergrund, const Grafikstil& stil = Grafikstil{},
                    const std::vector<Vergleichskurve>& vergleich = {});

// One line of a legend: a sample of the curve's pen (or a measured point's
// marker) and its name.
struct Legendeneintrag {
    QString text;
    Kurvenstift stift;
    bool marke = false;  // a measured point's marker rather than a line
};

// The size of a legend of these entries in the painter's units, for text in
// the given font; a legend's box with its samples and names. `marke` is the
// diameter of a measured point's marker.
QSizeF legendengroesse(const QFontMetricsF& fm, const QList<Legendeneintrag>& eintraege);
void zeichne_legende(QPainter& p, const QRectF& kasten, const QList<Legendeneintrag>& eintraege, qreal marke);

// In a legend beside kept results: the current run's final profile,
// "Ende (4 h)" with its name or "Ende" without one, and the kept results'
// final profiles, each in its pen of the given width with its name.
Legendeneintrag endeintrag(const Kurvenstift& stift, const QString& name = {});
QList<Legendeneintrag> vergleichseintraege(const QStringList& namen, qreal breite);

// The window's small legend of compared curves, in the top right corner
// inside the frame, in the painter's font. Names wider than a third of the
// frame are cut off with an ellipsis.
void zeichne_fensterlegende(QPainter& p, QSizeF flaeche, const Modell& m, QList<Legendeneintrag> eintraege);

// The points of a measured profile: small filled circles in a colour no curve
// has, over the curves. x in µm lies on the cells' row positions (x_max at
// cell Zellen); points off the path are left out.
inline const QColor Messfarbe(0, 0, 255);
void zeichne_messpunkte(QPainter& p, QSizeF flaeche, const Modell& m, const std::vector<Messpunkt>& punkte,
                        qreal durchmesser, bool kantenglaettung);

}  // namespace kalvion
