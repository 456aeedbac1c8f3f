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
// available (never write UTF-8 in its place). Line 2 names a start and a
// surface other than the default, line 3 holds an open surface's balance
// (empty otherwise).
std::optional<QByteArray> ergebnisblock(const Modell& m, const QString& dateipfad, const QDate& datum,
                                        const QLocale& locale);

// Appends the block in one write. On any failure the file is cut back to what
// it was (a file that did not exist is removed again) and false comes back;
// `grund`, when given, then says which step failed and why.
bool block_anhaengen(const QString& dateipfad, const QByteArray& block, QString* grund = nullptr);

// Folder and file name with exactly one separator between them; a root such
// as "/" or "C:\" already ends in one.
QString pfad_zusammensetzen(const QString& ordner, const QString& dateiname);

// Whether a file that starts with these bytes takes a block without asking:
// an empty one, or one that begins as every block does, with a path (line 1
// names the file itself, wherever it was saved then) and a line 2 as below.
bool beginnt_wie_ergebnisdatei(QByteArrayView anfang);

// Line 2 of a block (its bytes without the line end): one of the models'
// texts, the start and surface conditions if any, then the date.
bool ist_blockkopf(QByteArrayView zeile2);

// A block's lines before its profile rows, one row per cell after them; line
// 16 (index 15) titles the rows: profiltitel(), in Windows-1252.
inline constexpr int Blockkopfzeilen = 17;
QByteArray profiltitel();

// How much of a file that check reads: line 1 is a path, a few hundred bytes
// as a rule and never near this.
inline constexpr qint64 Ergebnisdatei_pruefbytes = 64 * 1024;

// Whether appending to this path needs the user's word first: an existing,
// readable regular file that does not begin as a results file. A new file, or
// one the append cannot write anyway (a folder, a device), needs none.
bool fremde_datei(const QString& dateipfad);

enum class Speicherergebnis {
    gespeichert,
    berechnung_laeuft,
    keine_berechnung,
    kein_dateiname,
    keine_ergebnisdatei,  // the file holds something else; nothing written
    fehlgeschlagen
};

// Whether the save may append to a file that is no results file.
enum class Fremde_datei { nachfragen, anhaengen };

// The save command without its window: checks, composes the path, appends.
// Nothing is written while a run is in progress, nor to a file that is no
// results file unless `fremd` says so.
Speicherergebnis speichere(const Modell& m, const QString& ordner, const QString& dateiname,
                           const QDate& datum, const QLocale& locale, QString* dateipfad = nullptr,
                           Fremde_datei fremd = Fremde_datei::nachfragen);

// The same for the result the main window holds: the current one, if any,
// and nothing while a run is in progress.
Speicherergebnis speichere(const Ergebnisstand& stand, const QString& ordner, const QString& dateiname,
                           const QDate& datum, const QLocale& locale, QString* dateipfad = nullptr,
                           Fremde_datei fremd = Fremde_datei::nachfragen);

}  // namespace kalvion
