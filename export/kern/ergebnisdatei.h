// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results file: one block of 17 + Zellen lines per save, in Windows-1252
// with CR LF line ends, appended to the file the user names.

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

#include "ergebnis.h"
#include "modell.h"

namespace kalvion {

// The block's bytes for the current model; nothing when the encoding is not
// available (never write UTF-8 in its place).
std::optional<QByteArray> ergebnisblock(const Modell& m, const QString& dateipfad, const QDate& datum,
                                        const QLocale& locale);

// Appends the block in one write. On any failure the file is cut back to what
// it was (a file that did not exist is removed again) and false comes back;
// `grund`, when given, then says which step failed and why.
bool block_anhaengen(const QString& dateipfad, const QByteArray& block, QString* grund = nullptr);

// Folder and file name with exactly one separator between them; a root such
// as "/" or "C:\" already ends in one.
QString pfad_zusammensetzen(const QString& ordner, const QString& dateiname);

enum class Speicherergebnis { gespeichert, berechnung_laeuft, keine_berechnung, kein_dateiname, fehlgeschlagen };

// The save command without its window: checks, composes the path, appends.
// Nothing is written while a run is in progress.
Speicherergebnis speichere(const Modell& m, const QString& ordner, const QString& dateiname,
                           const QDate& datum, const QLocale& locale, QString* dateipfad = nullptr);

// The same for the result the main window holds: the current one, if any,
// and nothing while a run is in progress.
Speicherergebnis speichere(const Ergebnisstand& stand, const QString& ordner, const QString& dateiname,
                           const QDate& datum, const QLocale& locale, QString* dateipfad = nullptr);

}  // namespace kalvion
