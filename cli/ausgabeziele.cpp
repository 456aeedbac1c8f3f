// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausgabeziele.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "eingabedatei.h"
#include "ergebnisdatei.h"
#include "uebersetzen.h"

namespace kalvion::cli {

namespace {

// The spool is copied to the target in pieces of this size.
constexpr qsizetype Kopierstueck = 1 << 20;

QByteArray dateiname(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

bool beschreibbar(const QByteArray& name, const struct stat& st)
{
    // root may write everywhere; a file or folder without any write
    // permission was meant to stay as it is all the same.
    return (st.st_mode & 0222) != 0 && ::access(name.constData(), W_OK) == 0;
}

// "Öffnen fehlgeschlagen: keine Berechtigung". The number is passed in, read
// before any text is formed, which may change errno.
QString misslungen(const char* vorgang, int fehlernummer)
{
    const QString ursache = fehlerursache(fehlernummer);
    return tr(vorgang).arg(ursache);
}

// "…/.name.XXXXXX" beside the target.
QByteArray vorlage_daneben(const QByteArray& ziel)
{
    const QFileInfo info(QFile::decodeName(ziel));
    return dateiname(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
}

}  // namespace

QString fehlerursache(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOSPC: return tr("kein Platz auf dem Datenträger");
    case EDQUOT: return tr("das Kontingent auf dem Datenträger ist erschöpft");
    case EFBIG: return tr("die Datei würde zu groß");
    case EACCES:
    case EPERM: return tr("keine Berechtigung");
    case EROFS: return tr("der Datenträger ist schreibgeschützt");
    case EIO: return tr("Ein-/Ausgabefehler des Datenträgers");
    case ENOENT: return tr("nicht vorhanden");
    case ENOTDIR: return tr("ein Teil des Pfads ist kein Ordner");
    case EISDIR: return tr("ein Ordner, keine Datei");
    case ENAMETOOLONG: return tr("der Name ist zu lang");
    case ELOOP: return tr("zu viele symbolische Verknüpfungen");
    case EMFILE:
    case ENFILE: return tr("zu viele offene Dateien");
    case ENOMEM: return tr("zu wenig Arbeitsspeicher");
    case EPIPE: return tr("der Leser hat die Verbindung geschlossen");
    case ENXIO:
    case ENODEV: return tr("kein solches Gerät");
    case ETXTBSY: return tr("die Datei ist in Gebrauch");
    case EAGAIN: return tr("vorübergehend nicht möglich");
    case EINTR: return tr("unterbrochen");
    case EBADF: return tr("nicht zum Schreiben geöffnet");
    default: return tr("Systemfehler %1").arg(fehlernummer);
    }
}

std::optional<Zielproblem> ziel_pruefen(const QString& pfad)
{
    const QByteArray name = dateiname(pfad);
    const QString ordner = QFileInfo(pfad).absolutePath();
    const QByteArray ordnername = dateiname(ordner);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return Zielproblem{Zielproblem::Art::sonstiges, dateiart(st.st_mode)};
        if (!beschreibbar(name, st))
            return Zielproblem{Zielproblem::Art::sonstiges, tr("die Datei ist schreibgeschützt")};
    } else if (errno != ENOENT) {
        return Zielproblem{Zielproblem::Art::sonstiges, fehlerursache(errno)};
    }
    struct stat ost {};
    if (::stat(ordnername.constData(), &ost) != 0) {
        if (errno == ENOENT)
            return Zielproblem{Zielproblem::Art::ordner_fehlt, QDir::toNativeSeparators(ordner)};
        return Zielproblem{Zielproblem::Art::sonstiges, fehlerursache(errno)};
    }
    if (!S_ISDIR(ost.st_mode))
        return Zielproblem{Zielproblem::Art::sonstiges,
                           tr("%1 ist kein Ordner").arg(QDir::toNativeSeparators(ordner))};
    if (!beschreibbar(ordnername, ost) || ::access(ordnername.constData(), X_OK) != 0)
        return Zielproblem{Zielproblem::Art::sonstiges,
                           tr("der Ordner %1 ist schreibgeschützt").arg(QDir::toNativeSeparators(ordner))};
    return std::nullopt;
}

QString dateipfad(const QString& angabe)
{
    const QFileInfo info(angabe);
    return pfad_zusammensetzen(QDir::cleanPath(info.absolutePath()), info.fileName());
}

bool dieselbe_datei(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    if (::stat(dateiname(a).constData(), &sa) == 0 && ::stat(dateiname(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

bool ganz_schreiben(int fd, const char* daten, qsizetype laenge, int& fehlernummer)
{
    while (laenge > 0) {
        const ssize_t n = ::write(fd, daten, static_cast<size_t>(laenge));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fehlernummer = errno;
            return false;
        }
        if (n == 0) {
            fehlernummer = ENOSPC;
            return false;
        }
        daten += n;
        laenge -= n;
    }
    return true;
}

// Ergebnisspool

Ergebnisspool::~Ergebnisspool()
{
    if (spool_ >= 0)
        ::close(spool_);
}

bool Ergebnisspool::oeffnen(const QString& ziel, QString& grund)
{
    ziel_ = dateiname(ziel);
    QByteArray vorlage = vorlage_daneben(ziel_);
    spool_ = ::mkostemp(vorlage.data(), O_CLOEXEC);
    if (spool_ < 0) {
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Öffnen fehlgeschlagen: %1"), errno);
        return false;
    }
    // Unnamed from now on: whatever ends the command, nothing is left behind.
    ::unlink(vorlage.constData());
    return true;
}

bool Ergebnisspool::schreiben(const QByteArray& bytes, QString& grund)
{
    // Each block at once: a full disk is seen at the first block that does
    // not fit, not at the end.
    int nummer = 0;
    if (!ganz_schreiben(spool_, bytes.constData(), bytes.size(), nummer)) {
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Schreiben fehlgeschlagen: %1"), nummer);
        return false;
    }
    return true;
}

bool Ergebnisspool::anhaengen(const std::atomic<int>& halt, QString& grund)
{
    struct stat st {};
    gab_es_ = ::stat(ziel_.constData(), &st) == 0;
    const int ziel = ::open(ziel_.constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_CREAT, 0666);
    if (ziel < 0) {
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Öffnen fehlgeschlagen: %1"), errno);
        return false;
    }
    struct stat zst {};
    ::fstat(ziel, &zst);
    vorher_ = zst.st_size;
    angehaengt_ = true;  // from here on a failure cuts the file back

    bool gut = ::lseek(spool_, 0, SEEK_SET) == 0;
    int nummer = gut ? 0 : errno;
    QByteArray stueck(Kopierstueck, Qt::Uninitialized);
    while (gut && halt.load() == 0) {
        const ssize_t n = ::read(spool_, stueck.data(), static_cast<size_t>(stueck.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            gut = n == 0;
            nummer = errno;
            break;
        }
        gut = ganz_schreiben(ziel, stueck.constData(), n, nummer);
    }
    if (gut && halt.load() != 0) {
        gut = false;
        grund.clear();
    } else if (!gut) {
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Schreiben fehlgeschlagen: %1"), nummer);
    }
    if (::close(ziel) != 0 && gut) {
        gut = false;
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Schließen fehlgeschlagen: %1"), errno);
    }
    if (!gut)
        zuruecknehmen();
    return gut;
}

void Ergebnisspool::zuruecknehmen()
{
    if (!angehaengt_)
        return;
    // The old content stays as it was: no half block is left behind.
    if (gab_es_)
        (void)::truncate(ziel_.constData(), vorher_);
    else
        ::unlink(ziel_.constData());
    angehaengt_ = false;
}

// Ersatzdatei

Ersatzdatei::~Ersatzdatei()
{
    if (!temp_.isEmpty())
        ::unlink(temp_.constData());
}

bool Ersatzdatei::schreiben(const QString& ziel, const QByteArray& inhalt, QString& grund)
{
    // A link is followed: its target gets the new content, the link stays.
    const QString echt = QFileInfo(ziel).exists() ? QFileInfo(ziel).canonicalFilePath() : ziel;
    ziel_ = dateiname(echt);
    QByteArray vorlage = vorlage_daneben(ziel_);
    const int fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    if (fd < 0) {
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Öffnen fehlgeschlagen: %1"), errno);
        return false;
    }
    temp_ = vorlage;
    // The permissions of the file it replaces, or those of a new file.
    struct stat st {};
    if (::stat(ziel_.constData(), &st) == 0) {
        (void)::fchown(fd, st.st_uid, st.st_gid);
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
    }
    int nummer = 0;
    bool gut = ganz_schreiben(fd, inhalt.constData(), inhalt.size(), nummer);
    if (!gut)
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Schreiben fehlgeschlagen: %1"), nummer);
    if (gut && ::fsync(fd) != 0) {
        gut = false;
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Schreiben fehlgeschlagen: %1"), errno);
    }
    if (::close(fd) != 0 && gut) {
        gut = false;
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Schließen fehlgeschlagen: %1"), errno);
    }
    return gut;
}

bool Ersatzdatei::festschreiben(QString& grund)
{
    if (::rename(temp_.constData(), ziel_.constData()) != 0) {
        grund = misslungen(QT_TRANSLATE_NOOP("kalvion::cli", "Umbenennen fehlgeschlagen: %1"), errno);
        return false;
    }
    temp_.clear();
    return true;
}

}  // namespace kalvion::cli
