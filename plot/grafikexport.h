// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph of a run as a file for a report: drawn by the window's own
// drawing code on a 16 × 10 cm page, with what only paper needs besides: a
// legend, axis titles and one caption line naming the model and the
// parameters as they were accepted. PNG, SVG or PDF, chosen by the suffix.

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

#include "ergebnis.h"
#include "grafik.h"
#include "messprofil.h"

namespace kalvion {

enum class Grafikformat { png, svg, pdf };

// Results kept for comparison: their final profiles are drawn under the live
// curves and named in the legend by what tells them apart from each other
// and from the current run.
using Behaltene = std::vector<Ergebniszeiger>;

// The page in mm, and the PNG's resolution: 1890 × 1181 pixels.
inline constexpr QSizeF Seite_mm{160, 100};
inline constexpr int Png_dpi = 300;
QSize png_groesse();

// By the file's suffix, in any case; nothing for any other suffix.
std::optional<Grafikformat> grafikformat(const QString& dateipfad);

// Darker, dashed snapshots that stay apart on white paper and in greyscale
// print; the start profile black and the final profile red, as in the window.
Grafikstil berichtstil();

// "Start", "nach 10 Schritten", "nach 100 Schritten", "nach 1000 Schritten"
// (only where that curve is drawn) and "Ende", with their curves' pens; with
// the names of kept results, "Ende (4 h)" (the current run's name `aktuell`,
// if any) and an entry per kept result; then "Messung" while a measured
// profile is drawn.
QList<Legendeneintrag> legende(const Modell& m, const Grafikstil& stil, bool mit_messung = false,
                               const QString& aktuell = {}, const QStringList& behalten = {});

// "Modell linear, T = 1050 °C, t = 2 h, …": the parameters as accepted, and
// ", Messung: scan.csv" with the measured profile's file name, if one is drawn.
QString bildunterschrift(const Modell& m, const QLocale& locale, const QString& messdatei = {});

// The caption's lines on the page: that line, then a temperature programme's
// line ("Programm: 20 °C → …") and the start and surface conditions where they
// are not the default ("Anfang Grundgehalt 0,2 Mol%"), each in a line of its own.
QStringList unterschriftzeilen(const Modell& m, const QLocale& locale, const QString& messdatei = {});

// The whole report graph on a white page of the given size in device units,
// with the measured profile's points if one is given, and kept results.
void zeichne_bericht(QPainter& p, QSizeF seite, const Modell& m, const QLocale& locale,
                     const Messprofil* messung = nullptr, const Behaltene& behalten = {});

// Where the graph's frame (cells 0 to Zellen, 0 to 100 mol%) lies on such a page.
QRectF berichtsrahmen(QSizeF seite, const Modell& m, bool mit_messung = false, const Behaltene& behalten = {},
                      const QLocale& locale = QLocale::c());

// The file's bytes; empty when the painter could not draw.
QByteArray grafikdaten(Grafikformat format, const Modell& m, const QLocale& locale,
                       const Messprofil* messung = nullptr, const Behaltene& behalten = {});

// Writes the graph in one piece, in the format of the path's suffix. False for
// an unknown suffix or any failure; a file that was there keeps its content.
bool grafik_schreiben(const QString& dateipfad, const Modell& m, const QLocale& locale,
                      const Messprofil* messung = nullptr, const Behaltene& behalten = {});

}  // namespace kalvion
