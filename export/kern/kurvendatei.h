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
#include <vector>

#include "ergebnis.h"
#include "modell.h"

namespace kalvion {

QChar feldtrenner(const QLocale& locale);

// The lines before the column names: a run that stands for a furnace cycle
// names it ("Programm: 20 °C → …"), a run with another start or surface
// than the step and the closed surface names them ("Anfang Grundgehalt 0,2
// Mol%"); a run of the start-up kind has none.
QStringList vorzeilen(const Modell& m, const QLocale& locale);

// The column names of the header row.
QStringList kurvenspalten();

// The final profile of a run compared with others, as a column: headed by
// the run's name ("4 h [Mol%]"), and where its cells lie elsewhere than those
// of the table's x column (another x_max), after an x column of its own
// ("x [µm] (x_max 100 µm)"). Only what the column needs is kept.
struct Profilspalte {
    QString name;
    double x_max = 0;  // µm
    int zellen = 0;
    std::vector<double> konz;  // cells 1 … zellen
};

// The run's final profile under this name.
Profilspalte profilspalte(const Modell& m, const QString& name);

// The columns of results kept beside the current run, named by what tells
// them apart (in German, as every file is written).
std::vector<Profilspalte> vergleichsspalten(const Modell& aktuell, const std::vector<Ergebniszeiger>& behalten,
                                            const QLocale& locale);

// The file's bytes, the run's lines (vorzeilen) before the column names. The
// column of the snapshot after step 1000 stays empty where the graph does not
// draw that curve either. The columns of kept results follow the five curves.
QByteArray kurventabelle(const Modell& m, const QLocale& locale, const std::vector<Profilspalte>& behalten = {});

// Runs compared side by side: the cell number, x in µm (of the first run's
// cells) and one column per run, with `vorzeilen` (what all runs share: a
// programme, a start or surface) before the column names. The table's rows are those of the
// run with the most cells; a shorter column ends in empty fields.
QByteArray vergleichstabelle(const std::vector<Profilspalte>& spalten, const QLocale& locale,
                             const QStringList& vorzeilen = {});

// Writes the table in one piece: on any failure false comes back and a file
// that was there keeps its old content.
bool kurven_schreiben(const QString& dateipfad, const Modell& m, const QLocale& locale,
                      const std::vector<Profilspalte>& behalten = {});

// Replaces a file with the given bytes, or leaves it as it was and says false.
// Every export writes through here.
bool datei_ersetzen(const QString& dateipfad, const QByteArray& inhalt);

}  // namespace kalvion
