// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the module needs of its host process: Qt's application object with the
// English texts (the command line's messages come through Qt's translation),
// the locales a user's numbers are typed in, and the way a refusal becomes a
// Python exception.

#include <pybind11/pybind11.h>

#include <QLocale>
#include <QString>
#include <string>

namespace kalvion::python {

namespace py = pybind11;

// Makes the application object where the process has none (keeping the C
// library's locale as Python set it, and printing nothing) and installs the
// English texts, whatever language the environment asks for.
void einrichten();

// The locale a block or a curve table is written in: "," the German one,
// "." the C locale. Anything else is a ValueError.
QLocale locale_fuer(const std::string& dezimalzeichen);

// The locale runs are typed in when nothing is written from them.
inline QLocale rechenlocale() { return QLocale::c(); }

// A refusal in the command line's words: ValueError.
[[noreturn]] void wertfehler(const QString& meldung);

// OSError for `pfad` from the system's error number: FileNotFoundError,
// PermissionError, IsADirectoryError, …
[[noreturn]] void dateifehler(int fehlernummer, const QString& pfad);

// OSError with a reason in words, for a file that could not be written.
[[noreturn]] void schreibfehler(const QString& meldung);

// The file can be opened for reading and is no folder; otherwise dateifehler.
void lesbar_pruefen(const QString& pfad);

// A path argument: str or os.PathLike.
QString pfad_aus(const py::handle& objekt);

// Registers the translation of the command line's Eingabefehler into ValueError.
void fehler_uebersetzen();

}  // namespace kalvion::python
