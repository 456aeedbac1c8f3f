// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five curves of a run as a table for spreadsheets: a header row, then one
// row per cell with its number, its position in µm and the five profiles.
// UTF-8 with a byte-order mark, CR LF line ends. Where the locale writes a
// decimal comma, spreadsheets there expect ';' between the fields; otherwise
// the fields are parted by ','.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "modell.h"

namespace kalvion {

QChar feldtrenner(const QLocale& locale);

// The column names of the header row.
QStringList kurvenspalten();

// The file's bytes. A run of a temperature programme has the programme's line
// ("Programm: 20 °C → …") before the column names. The column of the snapshot after step 1000 stays empty
// where the graph does not draw that curve either.
QByteArray kurventabelle(const Modell& m, const QLocale& locale);

// Writes the table in one piece: on any failure false comes back and a file
// that was there keeps its old content.
bool kurven_schreiben(const QString& dateipfad, const Modell& m, const QLocale& locale);

// Replaces a file with the given bytes, or leaves it as it was and says false.
// Every export writes through here.
bool datei_ersetzen(const QString& dateipfad, const QByteArray& inhalt);

}  // namespace kalvion
