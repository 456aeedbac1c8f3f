// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <cstdint>

class QCoreApplication;
class QLocale;

namespace kalvion::sprache {

// German is the texts' own language; every other language the desktop puts
// first gets English. The C/POSIX default names no language and stays German.
bool englisch_gewuenscht(const QStringList& oberflaechensprachen);

// Installs the English texts into the application when the desktop's UI
// language asks for them; returns whether it did. Numbers keep following
// QLocale() regardless.
bool einrichten(QCoreApplication& app);
bool einrichten(QCoreApplication& app, const QStringList& oberflaechensprachen);

// Whether einrichten() installed the English texts.
bool englisch_aktiv();

// Qt's own texts (the file dialog's buttons, its question before replacing a
// file) in the language of the program's texts: with the English texts Qt's
// own, which are English; otherwise those of `locale`, where Qt has them.
// Returns whether a translation was installed. Only for the window: the
// command line reads Qt's parser messages in their English form.
bool qt_texte_einrichten(QCoreApplication& app, const QLocale& locale);

// The message after a run, from its error count and whether the steps after
// step 1000 were jumped over: "0 Fehler", in every front end. With an open
// surface the count is of cells that left the range of the values they were
// mixed from (`bereichsverletzungen`), and the message says so: "0 Fehler
// (Werte außerhalb des Bereichs ihrer Nachbarn)".
QString fehlermeldung(std::int64_t fehlerzahl, bool gesprungen, bool bereichsverletzungen = false);

}  // namespace kalvion::sprache
