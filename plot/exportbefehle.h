// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two menu commands that put the current run into files: the graph as
// PNG, SVG or PDF and the five curves as a CSV table. Each asks for the file
// in the platform's standard file dialog, starting in the folder used last.

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "ergebnis.h"
#include "messprofil.h"
#include "modell.h"

class QAction;
class QMenu;
class QWidget;

namespace kalvion {

// Asks where to save: `vorschlag` is the folder and file name offered,
// `filter` the name filters, the first one chosen. Empty when cancelled.
using Dateiwahl = std::function<QString(QWidget* eltern, const QString& titel, const QString& vorschlag,
                                        const QStringList& filter)>;

// Replaces the file dialog (tests never open a real one); returns the
// previous way. An empty function restores the dialog.
Dateiwahl setze_dateiwahl(Dateiwahl wahl);

// Asks through the save dialog (or what a test put in its place).
QString datei_waehlen(QWidget* eltern, const QString& titel, const QString& vorschlag, const QStringList& filter);

// The same for opening an existing file: `vorschlag` is the folder to start
// in. Every command that reads a file asks here, so tests replace one way.
Dateiwahl setze_dateioeffnung(Dateiwahl oeffnung);
QString datei_oeffnen(QWidget* eltern, const QString& titel, const QString& ordner, const QStringList& filter);

// The settings key of the folder used last.
inline constexpr char Ordnerschluessel[] = "export/ordner";

// Where the dialogs start: the folder used last, at first the documents
// folder; the home folder where neither is there.
QString exportordner();

// Each writes the current result; during a run, or without a current result,
// it says so and writes nothing.
void grafik_speichern(QWidget* eltern, const Ergebnisstand& stand, const QLocale& locale);
// The graph with the points of a measured profile over it (none: without).
void grafik_mit_messung_speichern(QWidget* eltern, const Ergebnisstand& stand, const QLocale& locale,
                                  std::shared_ptr<const Messprofil> messung);
void kurven_speichern(QWidget* eltern, const Ergebnisstand& stand, const QLocale& locale);

// The measured profile shown at the time, if any.
using Messquelle = std::function<std::shared_ptr<const Messprofil>()>;

// Appends "&Grafik speichern …" and "&Kurven speichern …" to the menu, wired
// to the two commands for the result the source gives at the time (and the
// graph with the measured profile the other source gives, if any).
QList<QAction*> exportbefehle_anhaengen(QMenu* menu, QWidget* eltern, Ergebnisquelle quelle, const QLocale& locale,
                                        Messquelle messquelle = {});

}  // namespace kalvion
