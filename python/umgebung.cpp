// SPDX-License-Identifier: GPL-3.0-or-later
#include "umgebung.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <clocale>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "eingabefehler.h"
#include "sprache.h"

namespace kalvion::python {

namespace {

void verschlucken(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

void einrichten()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        // Qt sets the C library's locale from the environment (LC_NUMERIC
        // too, which would change how other extensions read and write
        // numbers) and warns about a non-UTF-8 one; Python keeps its own.
        const std::string c_locale = std::setlocale(LC_ALL, nullptr);
        const QtMessageHandler vorher = qInstallMessageHandler(verschlucken);
        static int argc = 1;
        static char name[] = "kalvion";
        static char* argv[] = {name, nullptr};
        app = new QCoreApplication(argc, argv);  // lives as long as the process
        qInstallMessageHandler(vorher);
        std::setlocale(LC_ALL, c_locale.c_str());
    }
    sprache::einrichten(*app, {QStringLiteral("en")});
}

QLocale locale_fuer(const std::string& dezimalzeichen)
{
    if (dezimalzeichen == ",")
        return QLocale(QLocale::German, QLocale::Germany);
    if (dezimalzeichen == ".")
        return QLocale::c();
    throw py::value_error("decimal must be \",\" or \".\", not \"" + dezimalzeichen + "\"");
}

void wertfehler(const QString& meldung)
{
    throw py::value_error(meldung.toStdString());
}

void dateifehler(int fehlernummer, const QString& pfad)
{
    errno = fehlernummer;
    PyErr_SetFromErrnoWithFilename(PyExc_OSError, QFile::encodeName(pfad).constData());
    throw py::error_already_set();
}

void schreibfehler(const QString& meldung)
{
    PyErr_SetString(PyExc_OSError, meldung.toStdString().c_str());
    throw py::error_already_set();
}

void lesbar_pruefen(const QString& pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        dateifehler(errno, pfad);
    struct stat info {};
    const bool ordner = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    ::close(fd);
    if (ordner)
        dateifehler(EISDIR, pfad);
}

QString pfad_aus(const py::handle& objekt)
{
    const py::object text = py::module_::import("os").attr("fspath")(objekt);
    if (py::isinstance<py::bytes>(text))
        return QFile::decodeName(text.cast<std::string>().c_str());
    return QString::fromStdString(text.cast<std::string>());
}

void fehler_uebersetzen()
{
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p)
                std::rethrow_exception(p);
        } catch (const cli::Eingabefehler& fehler) {
            PyErr_SetString(PyExc_ValueError, fehler.meldung.toStdString().c_str());
        }
    });
}

}  // namespace kalvion::python
