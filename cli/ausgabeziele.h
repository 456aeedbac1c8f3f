// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files a command writes, checked before anything runs and committed
// together at the end: the blocks of the results file wait in a spool beside
// it and are appended in one go, the curves wait in a file beside theirs and
// replace it by renaming. Until then neither file has changed; a failure
// after one of them was committed undoes it (the append is cut off again).
// Failures are named in the user's language, from the system's error number.

#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>
#include <sys/types.h>

namespace kalvion::cli {

// "kein Platz auf dem Datenträger" for ENOSPC, and so on, in the user's
// language; never the C library's text, which follows LC_MESSAGES alone.
QString fehlerursache(int fehlernummer);

// What keeps `pfad` from being written, or nothing: it must be a regular file
// that may be written, or be missing in a folder that exists and may be
// written (the spool and the replacement are made beside it). A file without
// any write permission counts as read-only even for root.
struct Zielproblem {
    enum class Art { ordner_fehlt, sonstiges } art = Art::sonstiges;
    QString text;  // "ein Ordner, keine Datei", or the missing folder
};
std::optional<Zielproblem> ziel_pruefen(const QString& pfad);

// The path of the results file as the save dialog composes it from its folder
// and the file name: the first line of every block written to it.
QString dateipfad(const QString& angabe);

// Whether two paths name one file (the same file through a link, too).
bool dieselbe_datei(const QString& a, const QString& b);

// The blocks of the results file on their way: collected in an unnamed file
// in the target's folder, appended to the target by anhaengen().
class Ergebnisspool {
public:
    Ergebnisspool() = default;
    ~Ergebnisspool();
    Ergebnisspool(const Ergebnisspool&) = delete;
    Ergebnisspool& operator=(const Ergebnisspool&) = delete;

    // Each false return leaves `grund` as "Öffnen fehlgeschlagen: …",
    // "Schreiben fehlgeschlagen: …" and the like.
    bool oeffnen(const QString& ziel, QString& grund);
    bool schreiben(const QByteArray& bytes, QString& grund);
    // Appends everything to the target. On failure, or when `halt` turns
    // non-zero on the way, the target is as it was (a new one is removed);
    // false with an empty `grund` means stopped by `halt`.
    bool anhaengen(const std::atomic<int>& halt, QString& grund);
    // After a successful anhaengen(): the target as it was before.
    void zuruecknehmen();

private:
    QByteArray ziel_;
    int spool_ = -1;
    bool angehaengt_ = false, gab_es_ = false;
    off_t vorher_ = 0;
};

// The replacement of a file: written beside it, renamed over it by
// festschreiben(); removed again when it is never committed.
class Ersatzdatei {
public:
    Ersatzdatei() = default;
    ~Ersatzdatei();
    Ersatzdatei(const Ersatzdatei&) = delete;
    Ersatzdatei& operator=(const Ersatzdatei&) = delete;

    bool schreiben(const QString& ziel, const QByteArray& inhalt, QString& grund);
    bool festschreiben(QString& grund);

private:
    QByteArray ziel_, temp_;
};

// Writes all of `bytes` to the stream; false with the error number.
bool ganz_schreiben(int fd, const char* daten, qsizetype laenge, int& fehlernummer);

}  // namespace kalvion::cli
