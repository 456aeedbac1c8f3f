// SPDX-License-Identifier: GPL-3.0-or-later
#include "eingabedatei.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvion {

namespace {

// Closes the descriptor whichever way reading ends.
class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// The file is read in pieces of this size.
constexpr qint64 Lesestueck = 1 << 16;

}  // namespace

QString dateiart(unsigned modus)
{
    if (S_ISDIR(modus))
        return QCoreApplication::translate("Eingabedatei", "ein Ordner, keine Datei");
    if (S_ISFIFO(modus))
        return QCoreApplication::translate("Eingabedatei", "eine benannte Pipe (FIFO), keine gewöhnliche Datei");
    if (S_ISSOCK(modus))
        return QCoreApplication::translate("Eingabedatei", "ein Socket, keine gewöhnliche Datei");
    if (S_ISCHR(modus) || S_ISBLK(modus))
        return QCoreApplication::translate("Eingabedatei", "ein Gerät, keine gewöhnliche Datei");
    return QCoreApplication::translate("Eingabedatei", "keine gewöhnliche Datei");
}

QString groessenangabe(qint64 bytes)
{
    return QStringLiteral("%1 MiB").arg(bytes >> 20);
}

Eingabedatei eingabedatei_lesen(const QString& pfad, qint64 grenze)
{
    Eingabedatei e;
    const QByteArray name = QFile::encodeName(pfad);
    // Non-blocking: opening a FIFO for reading would otherwise wait for a
    // writer. A socket cannot be opened at all; stat tells what it is.
    const Deskriptor d(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (d.fd() < 0 ? ::stat(name.constData(), &st) != 0 : ::fstat(d.fd(), &st) != 0)
        return e;
    if (!S_ISREG(st.st_mode)) {
        e.ergebnis = Eingabedatei::Ergebnis::keine_datei;
        e.art = dateiart(st.st_mode);
        return e;
    }
    if (d.fd() < 0)
        return e;
    if (st.st_size > grenze) {
        e.ergebnis = Eingabedatei::Ergebnis::zu_gross;
        return e;
    }
    // One byte beyond the limit tells a file that grew meanwhile.
    QByteArray inhalt;
    inhalt.reserve(static_cast<qsizetype>(std::min<qint64>(st.st_size, grenze) + 1));
    for (;;) {
        const qint64 frei = grenze + 1 - inhalt.size();
        if (frei <= 0) {
            e.ergebnis = Eingabedatei::Ergebnis::zu_gross;
            return e;
        }
        const qsizetype alt = inhalt.size();
        inhalt.resize(alt + static_cast<qsizetype>(std::min(frei, Lesestueck)));
        const ssize_t n = ::read(d.fd(), inhalt.data() + alt, static_cast<size_t>(inhalt.size() - alt));
        if (n < 0 && errno == EINTR) {
            inhalt.resize(alt);
            continue;
        }
        if (n < 0)
            return e;
        inhalt.resize(alt + n);
        if (n == 0)
            break;
    }
    e.ergebnis = Eingabedatei::Ergebnis::gelesen;
    e.inhalt = std::move(inhalt);
    return e;
}

}  // namespace kalvion
