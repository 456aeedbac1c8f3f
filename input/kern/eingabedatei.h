// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a file the user names as input (a parameter file, a measured
// profile): only a regular file is read, and only up to a limit. A FIFO, a
// device, a socket or a folder is refused at once, without waiting for a
// writer that may never come; a file beyond the limit is refused by its size,
// before it fills the memory.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace kalvion {

struct Eingabedatei {
    enum class Ergebnis { gelesen, nicht_lesbar, keine_datei, zu_gross };
    Ergebnis ergebnis = Ergebnis::nicht_lesbar;
    QByteArray inhalt;  // when gelesen
    QString art;        // when keine_datei: "eine benannte Pipe (FIFO), keine gewöhnliche Datei"
};

// At most `grenze` bytes of the regular file at `pfad`.
Eingabedatei eingabedatei_lesen(const QString& pfad, qint64 grenze);

// What a path is when it is no regular file, from its stat mode:
// "ein Ordner, keine Datei", "ein Gerät, keine gewöhnliche Datei", …
QString dateiart(unsigned modus);

// "1 MiB", "10 MiB": a size limit as the messages name it.
QString groessenangabe(qint64 bytes);

}  // namespace kalvion
