// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A measured profile: the depth x in µm and a concentration in mol%, parted by
// ';', ',', a tab or blanks; a decimal comma or point (with ',' between the
// fields only the point); header lines before the first point and '#' comment
// lines skipped; UTF-8 with or without byte-order mark, or Windows-1252.
//
// A file of two columns is x and the concentration. A file whose header row
// names three or more columns, and whose rows have as many fields, is a table
// (the curve table "Kurven speichern …" writes is one): x is the column named
// "x" (with a unit: "x [µm]") or else the first, and each column after it that
// holds a number is a value column, of which one is read. The same reader
// serves wherever a profile comes from a file.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "anpassung.h"

namespace kalvion {

struct Messprofil {
    std::vector<Messpunkt> punkte;
    std::vector<int> zeilen;  // the line of each point in the file, from 1
    QString dateiname;        // without the folder, for captions
};

// Which value column of a table to read. By default the only one, or in a
// curve table its final profile ("Ende [Mol%]").
struct Spaltenwahl {
    enum class Art { vorgabe, name, nummer };
    Art art = Art::vorgabe;
    QString name;    // the header's name, with or without its unit: "Ende [Mol%]", "Ende", "ende"
    int nummer = 0;  // the column in the file, from 1

    static Spaltenwahl nach_name(const QString& name) { return {Art::name, name, 0}; }
    static Spaltenwahl nach_nummer(int nummer) { return {Art::nummer, {}, nummer}; }
};

struct Wertespalte {
    int nummer = 0;  // in the file, from 1
    QString name;    // as the header row names it; empty without a header
};

struct Messlesung {
    bool ok = false;
    Messprofil profil;
    QString fehler;  // the message when not ok
    // The value columns, in the file's order (a file of two columns has one),
    // once the rows could be read; the one read, and the one read by default
    // (-1: none, the file has several and no final profile).
    std::vector<Wertespalte> spalten;
    int gewaehlt = -1;
    int vorgabe = -1;
    // Not ok only because the file has several value columns and none was chosen.
    bool wahl_fehlt = false;
    // Read from a results file (a start profile): its last block, from 1,
    // which is the count of its blocks too. 0 for every other file.
    int block = 0;
};

inline constexpr int Messpunkte_min = 3;  // different x, for a fit
// A line scan is thousands of points, a few hundred kilobytes; a larger file
// than this is refused by its size before it is read.
inline constexpr qint64 Messdateigrenze = qint64{10} << 20;
// No measurement of mol% gives less or more; a little noise below 0 is no error.
inline constexpr double Konzentration_min = -1, Konzentration_max = 101;

// The file's bytes read into points; a refusal names the line. A fit needs
// points at `mindestens` different depths.
Messlesung messprofil_lesen(const QByteArray& inhalt, const Spaltenwahl& wahl = {}, int mindestens = Messpunkte_min);

// The same from a file (a regular file of at most Messdateigrenze bytes; a
// FIFO, device, socket or folder is refused at once); its name goes into the
// profile.
Messlesung messprofil_laden(const QString& pfad, const Spaltenwahl& wahl = {});

// A profile file read as a regular file of at most Messdateigrenze bytes
// (a FIFO, device, socket or folder refused at once) and by `lesen`; its
// name goes into the profile.
Messlesung profildatei_lesen(const QString& pfad, const std::function<Messlesung(const QByteArray&)>& lesen);

// What the window asks where a file has several value columns: the question,
// the columns' titles, and the one offered first (the final profile of a
// curve table).
struct Spaltenfrage {
    QString text;
    QStringList namen;
    int vorgabe = 0;
};
Spaltenfrage spaltenfrage(const Messlesung& lesung, const QString& dateiname);

// "Ende [Mol%]", or "Spalte 2" where the file names none: a value column as a choice shows it.
QString spaltentitel(const Wertespalte& spalte);

// "„Start [Mol%]“ (3), „Ende [Mol%]“ (7)": the value columns as the messages name them.
QString spaltenliste(const std::vector<Wertespalte>& spalten);

// Empty when every point lies on the path 0 … x_max (µm; up to `toleranz`
// beyond it for positions printed rounded); otherwise the message naming the
// points that do not, numbers in the given locale.
QString messprofil_pruefen(const Messprofil& profil, double x_max, const QLocale& locale, double toleranz = 0);

}  // namespace kalvion
