// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parameter files (.kalvion): the six fields as typed, the model and the
// temperature programme as a small JSON document, so that a case set up once
// can be kept, opened again and handed to the command line.
// Needs QtCore only.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>

#include "feldpruefung.h"
#include "modell.h"

namespace kalvion {

// A file of the plain step and a closed surface is of format 1, as every
// file was before starts and surfaces could be chosen; a file with another
// start or surface is of format 2, so that a program that knows only format 1
// refuses it instead of computing a step.
inline constexpr int Parameterformat = 1;
inline constexpr int Parameterformat_bedingungen = 2;
inline constexpr char Parameterendung[] = "kalvion";
// A parameter file is a few hundred bytes; a larger file than this is no such
// file and is not read.
inline constexpr qint64 Parametergrenze = 1 << 20;

// The key of a field in the file: its command-line option ("temperatur", …);
// the model is written by its command-line name.
QString parameterschluessel(Feld f);

// The file's bytes for the parameters in the record: the isothermal fields as
// typed (also while a programme is in force), the model and the programme,
// and a start or surface other than the default (the base content as typed,
// a start profile's points themselves with their source's name, the
// surface's values as typed).
// The file records the decimal sign its numbers were typed with.
QByteArray parameterdaten(const Modell& m, const QLocale& locale);

// What reading a file found: the parameters applied to a copy of the record
// given (derived values, initial profile, programme in force), or a
// message in the user's language naming the key at fault.
struct Parameterlesung {
    std::optional<Modell> modell;
    QString fehler;
};

// Every field check runs; a value a field would refuse, a key missing or of
// the wrong kind, a key given twice in one object, another format version, or
// no JSON at all refuses the whole file. Numbers typed with the other decimal
// sign are taken over to the locale's. A file without a start or a surface
// (every file of format 1) starts as the step with a closed surface.
Parameterlesung parameter_lesen(const QByteArray& daten, const Modell& basis, const QLocale& locale);

// The same from a file; an unreadable file, one that is no regular file (a
// FIFO, a device, a socket, a folder) and one larger than Parametergrenze are
// refused with their message.
Parameterlesung parameter_laden(const QString& pfad, const Modell& basis, const QLocale& locale);

// Writes the file in one piece; false, with a file that was there unchanged,
// on any failure.
bool parameter_speichern(const QString& pfad, const Modell& m, const QLocale& locale);

}  // namespace kalvion
