// SPDX-License-Identifier: GPL-3.0-or-later
// The command line on any arguments: the bytes after the first are split on
// NUL and line feed into the arguments, the first byte's lowest bit picks the
// user's locale (German or C). The command runs in a folder of its own that
// holds three parameter files (one with a start and a surface), two measured
// profiles, a table of several value columns and a results file of two
// blocks, each also a start profile. It ends with one of
// its documented statuses; a refusal (2) or a failure (1) leaves every file
// as it was, a success writes the outputs it names and changes nothing else,
// and nothing appears beside the folder.
//
// Arguments that could name a file outside the folder (an absolute path, "..")
// are skipped. Of the others only commands of little work run: the command's
// own reading of its arguments decides, with at most Laeufe_hoechstens runs of
// together at most Aufwand_hoechstens stepped steps and Messungen_hoechstens
// profiles to fit with a surface that exchanges nothing; a larger command is
// only read.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>

#include "auftrag.h"
#include "befehl.h"
#include "eingabefehler.h"
#include "ergebnisdatei.h"
#include "feldpruefung.h"
#include "fuzzhilfen.h"

using namespace kalvion;
using namespace kalvion::cli;

namespace {

constexpr std::uint64_t Laeufe_hoechstens = 4;
constexpr double Aufwand_hoechstens = 25000;  // a jump counts 21000
constexpr std::size_t Messungen_hoechstens = 2;

// A results file of two blocks, the second on a base content: the start
// profile "datei:r.txt" reads its last.
QByteArray ergebnisdatei()
{
    Modell m;
    startwerte_setzen(m);
    QByteArray datei = *ergebnisblock(m, QStringLiteral("/d/r.txt"), QDate(2024, 5, 17), fuzz::Deutsch);
    m.Anfang = Anfangsart::grundgehalt;
    m.c0.setze_text(0.5, "0.5");
    parameter_uebernehmen(m, {});
    return datei + *ergebnisblock(m, QStringLiteral("/d/r.txt"), QDate(2024, 5, 17), fuzz::C_Locale);
}

// What the folder holds before every command.
const std::map<QString, QByteArray>& eingaben()
{
    static const std::map<QString, QByteArray> dateien{
        {QStringLiteral("f.kalvion"),
         R"({"format": 1, "dezimalzeichen": ".", "modell": "sphaerisch", "felder": {"temperatur": "1050",
             "zeit": "1.5", "weg": "50", "d0": "587", "q": "238650", "i-diff": "20"}})"},
        {QStringLiteral("p.kalvion"),
         R"({"format": 1, "dezimalzeichen": ",", "modell": "linear", "felder": {"temperatur": "900",
             "zeit": "2", "weg": "30", "d0": "587", "q": "238650", "i-diff": "50"}, "programm": {"start": "20",
             "segmente": [{"rate": "5", "ziel": "1050", "halten": "0,5"}, {"rate": "sofort", "ziel": "20", "halten": "0"}]}})"},
        {QStringLiteral("b.kalvion"),
         R"({"format": 2, "dezimalzeichen": ",", "modell": "zylindrisch", "felder": {"temperatur": "1000",
             "zeit": "0,5", "weg": "20", "d0": "587", "q": "238650", "i-diff": "20"},
             "anfang": {"art": "datei", "quelle": "m.csv", "punkte": [[0, 60], [5, 40.5], [20, 5]]},
             "oberflaeche": {"art": "austausch", "beta": "1E-05", "c_atm": "5"}})"},
        {QStringLiteral("m.csv"), "x [µm];c [mol%]\n0;60\n5;40,5\n10;20\n20;5\n40;0,5\n"},
        {QStringLiteral("n.csv"), "0\t70\r\n10\t45\r\n20\t25\r\n30\t10\r\n"},
        {QStringLiteral("k.csv"), "Zelle;x [µm];Start [Mol%];Ende [Mol%]\n1;0,25;100;90\n2;10;100;60\n3;20;0;20\n"
                                  "4;30;0;\n5;40;0;1\n"},
        {QStringLiteral("r.txt"), ergebnisdatei()},
    };
    return dateien;
}

struct Ordner {
    QTemporaryDir basis;
    QString arbeit;
    std::FILE* nirgends = nullptr;
};

// The command's working folder while it runs; libFuzzer's own paths may be
// relative to the one it was started in.
class Arbeitsordner {
public:
    explicit Arbeitsordner(const QString& pfad) : vorher_(QDir::currentPath())
    {
        KALVION_PRUEFE(QDir::setCurrent(pfad));
    }
    ~Arbeitsordner() { QDir::setCurrent(vorher_); }

private:
    QString vorher_;
};

Ordner& ordner()
{
    static Ordner o = [] {
        Ordner neu;
        neu.arbeit = QDir(neu.basis.path()).absoluteFilePath(QStringLiteral("arbeit"));
        return neu;
    }();
    return o;
}

void qt_meldungen_verschlucken(QtMsgType, const QMessageLogContext&, const QString&) {}

QStringList eintraege(const QString& pfad)
{
    return QDir(pfad).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void einrichten()
{
    const QString arbeit = ordner().arbeit;
    for (const QString& name : eintraege(arbeit))
        KALVION_PRUEFE(QFile::remove(QDir(arbeit).filePath(name)));
    for (const auto& [name, inhalt] : eingaben()) {
        QFile f(QDir(arbeit).filePath(name));
        KALVION_PRUEFE(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
    }
}

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unlesbar>");
}

// An argument that could name a file outside the folder.
bool verlaesst_ordner(const QString& argument)
{
    return argument.startsWith(QLatin1Char('/')) || argument.contains(QStringLiteral("=/")) ||
           argument.contains(QStringLiteral(".."));
}

bool wenig_arbeit(const Auftrag& a, const QLocale& locale)
{
    if (a.art != Auftrag::Art::rechnen)
        return true;
    if (!a.messungen.empty()) {
        // Through an exchanging surface each trial D of a fit decomposes the
        // step's matrix anew: seconds a fit under the sanitizers.
        const Oberflaechenliste& o = a.studie.oberflaechen;
        const bool austausch = o.anzahl() == 1 && o.wert(0).art == Oberflaechenart::austausch && o.wert(0).beta > 0;
        return a.messungen.size() <= Messungen_hoechstens && !austausch;
    }
    if (a.bereich.anzahl() > Laeufe_hoechstens)
        return false;
    try {
        return laeufe_pruefen(a.studie, a.bereich, a.verfahren, locale).aufwand <= Aufwand_hoechstens;
    } catch (const Eingabefehler&) {
        return true;  // refused before anything runs
    }
}

// The file names in the folder that the command may write.
QStringList ausgaben(const Auftrag& a)
{
    QStringList namen;
    for (const std::optional<QString>& ziel : {a.datei, a.kurven})
        if (ziel && *ziel != QStringLiteral("-")) {
            const QFileInfo info(*ziel);
            if (QDir::cleanPath(info.absolutePath()) == ordner().arbeit)
                namen << info.fileName();
        }
    return namen;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler(qt_meldungen_verschlucken);
    Ordner& o = ordner();
    KALVION_PRUEFE(o.basis.isValid() && QDir(o.basis.path()).mkdir(QStringLiteral("arbeit")));
    o.nirgends = std::fopen("/dev/null", "w");
    KALVION_PRUEFE(o.nirgends != nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QLocale& locale = (data[0] & 1) ? fuzz::Deutsch : fuzz::C_Locale;
    QStringList argumente{QStringLiteral("kalvion-cli")};
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    if (!rest.isEmpty())
        for (const QByteArray& teil : QByteArray(rest).replace('\n', '\0').split('\0'))
            argumente << QString::fromUtf8(teil);
    for (const QString& a : argumente)
        if (verlaesst_ordner(a))
            return 0;

    einrichten();
    const Arbeitsordner im_ordner(ordner().arbeit);
    std::optional<Auftrag> auftrag;
    try {
        auftrag = auftrag_lesen(argumente);
    } catch (const Eingabefehler&) {
    }
    if (auftrag && !wenig_arbeit(*auftrag, locale))
        return 0;

    static const std::atomic<int> nie_angehalten{0};
    const Umgebung umgebung{locale, QDate(2024, 5, 17), &nie_angehalten, false, ordner().nirgends,
                            ordner().nirgends};
    const int status = befehl_ausfuehren(argumente, umgebung);

    KALVION_PRUEFE(status == Exit_ok || status == Exit_schreibfehler || status == Exit_eingabefehler);
    KALVION_PRUEFE(auftrag || status == Exit_eingabefehler);
    KALVION_PRUEFE(eintraege(ordner().basis.path()) == QStringList{QStringLiteral("arbeit")});
    const QStringList geschrieben = status == Exit_ok ? ausgaben(*auftrag) : QStringList();
    // A study of at least one run writes every file it names.
    if (status == Exit_ok && auftrag->messungen.empty() && auftrag->bereich.anzahl() > 0)
        for (const QString& name : geschrieben)
            KALVION_PRUEFE(QFileInfo(QDir(ordner().arbeit).filePath(name)).isFile());
    for (const QString& name : eintraege(ordner().arbeit)) {
        const QString pfad = QDir(ordner().arbeit).filePath(name);
        KALVION_PRUEFE(QFileInfo(pfad).isFile());
        if (geschrieben.contains(name))
            continue;
        const auto eingabe = eingaben().find(name);
        KALVION_PRUEFE(eingabe != eingaben().end() && inhalt(pfad) == eingabe->second);
    }
    for (const auto& [name, _] : eingaben())
        KALVION_PRUEFE(QFileInfo::exists(QDir(ordner().arbeit).filePath(name)));
    return 0;
}
