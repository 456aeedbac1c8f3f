// SPDX-License-Identifier: GPL-3.0-or-later
// The measured-profile reader on any bytes, its value column chosen by
// default, by name and by number, for a fit (three depths) and for a start
// (two). An accepted profile has at least the fewest different depths, finite
// values, concentrations a measurement can give, its lines in order and the
// column asked for, and reads back the same from the reader's plainest form;
// a refusal has no points and a message, and only the default choice can
// lack a column. Files beyond the size limit, and no regular files, are
// refused before they are read.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <charconv>
#include <cmath>
#include <set>
#include <sys/stat.h>

#include "anfang.h"
#include "fuzzhilfen.h"
#include "messprofil.h"

using namespace kalvion;

namespace {

// "x;c" per line, each the shortest text that reads back to the same double.
QByteArray schlicht(const Messprofil& p)
{
    QByteArray text;
    char puffer[32];
    for (const Messpunkt& punkt : p.punkte) {
        text += QByteArray(puffer, std::to_chars(puffer, puffer + sizeof puffer, punkt.x).ptr - puffer) + ';';
        text += QByteArray(puffer, std::to_chars(puffer, puffer + sizeof puffer, punkt.konz).ptr - puffer) + '\n';
    }
    return text;
}

bool passt(const Wertespalte& spalte, const Spaltenwahl& wahl)
{
    switch (wahl.art) {
    case Spaltenwahl::Art::vorgabe: return true;
    case Spaltenwahl::Art::nummer: return spalte.nummer == wahl.nummer;
    case Spaltenwahl::Art::name:
        return spalte.name.compare(wahl.name, Qt::CaseInsensitive) == 0 ||
               spalte.name.startsWith(wahl.name, Qt::CaseInsensitive);
    }
    return false;
}

void pruefen(const QByteArray& inhalt, const Spaltenwahl& wahl, int mindestens)
{
    const Messlesung l = messprofil_lesen(inhalt, wahl, mindestens);
    const Messprofil& p = l.profil;
    KALVION_PRUEFE(p.punkte.size() == p.zeilen.size());
    if (!l.ok) {
        KALVION_PRUEFE(p.punkte.empty());
        KALVION_PRUEFE(!l.fehler.isEmpty());
        KALVION_PRUEFE(!l.wahl_fehlt || wahl.art == Spaltenwahl::Art::vorgabe);
        return;
    }
    KALVION_PRUEFE(l.fehler.isEmpty() && !l.wahl_fehlt);
    KALVION_PRUEFE(l.gewaehlt >= 0 && static_cast<std::size_t>(l.gewaehlt) < l.spalten.size());
    KALVION_PRUEFE(passt(l.spalten[static_cast<std::size_t>(l.gewaehlt)], wahl));
    KALVION_PRUEFE(wahl.art != Spaltenwahl::Art::vorgabe || l.gewaehlt == l.vorgabe);
    KALVION_PRUEFE(p.punkte.size() >= static_cast<std::size_t>(mindestens));
    double x_max = 0;
    bool alle_ab_null = true;
    std::set<double> tiefen;
    for (std::size_t i = 0; i < p.punkte.size(); ++i) {
        KALVION_PRUEFE(std::isfinite(p.punkte[i].x) && std::isfinite(p.punkte[i].konz));
        KALVION_PRUEFE(p.punkte[i].konz >= Konzentration_min && p.punkte[i].konz <= Konzentration_max);
        KALVION_PRUEFE(p.zeilen[i] >= 1 && (i == 0 || p.zeilen[i] > p.zeilen[i - 1]));
        x_max = std::max(x_max, p.punkte[i].x);
        alle_ab_null = alle_ab_null && p.punkte[i].x >= 0;
        tiefen.insert(p.punkte[i].x);
    }
    KALVION_PRUEFE(tiefen.size() >= static_cast<std::size_t>(mindestens));
    // Every point lies on a path as long as the deepest one, unless one lies
    // before the surface.
    KALVION_PRUEFE(messprofil_pruefen(p, x_max, fuzz::Deutsch).isEmpty() == alle_ab_null);

    const Messlesung wieder = messprofil_lesen(schlicht(p), {}, mindestens);
    KALVION_PRUEFE(wieder.ok && wieder.profil.punkte.size() == p.punkte.size());
    for (std::size_t i = 0; i < p.punkte.size(); ++i)
        KALVION_PRUEFE(wieder.profil.punkte[i].x == p.punkte[i].x && wieder.profil.punkte[i].konz == p.punkte[i].konz);
}

// Once: a file of the limit is read, one byte more is refused by its size,
// and a FIFO and a folder are refused at once.
void grenzen_pruefen()
{
    QTemporaryDir ordner;
    KALVION_PRUEFE(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("gross.csv"));
    QByteArray inhalt("0;1\n1;2\n2;3\n");
    inhalt += QByteArray(Messdateigrenze - inhalt.size(), '\n');
    for (const auto& [groesse, gelesen] : {std::pair{Messdateigrenze, true}, std::pair{Messdateigrenze + 1, false}}) {
        QFile f(pfad);
        KALVION_PRUEFE(f.open(QIODevice::WriteOnly) && f.write(inhalt.left(Messdateigrenze)) == Messdateigrenze);
        if (groesse > Messdateigrenze)
            KALVION_PRUEFE(f.write("\n") == 1);
        f.close();
        const Messlesung l = messprofil_laden(pfad);
        KALVION_PRUEFE(l.ok == gelesen && (gelesen || l.profil.punkte.empty()));
        KALVION_PRUEFE(gelesen || l.fehler.contains(QStringLiteral("10 MiB")));
    }
    const QString fifo = ordner.filePath(QStringLiteral("fifo.csv"));
    KALVION_PRUEFE(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    for (const QString& keine : {fifo, ordner.path()}) {
        const Messlesung l = messprofil_laden(keine);
        KALVION_PRUEFE(!l.ok && !l.fehler.isEmpty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    grenzen_pruefen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray inhalt(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    pruefen(inhalt, {}, Messpunkte_min);
    pruefen(inhalt, {}, static_cast<int>(Startpunkte_min));
    pruefen(inhalt, Spaltenwahl::nach_name(QStringLiteral("Ende")), Messpunkte_min);
    // The column named by the last byte: 0 … 7, the x column among them.
    pruefen(inhalt, Spaltenwahl::nach_nummer(size > 0 ? data[size - 1] % 8 : 2), Messpunkte_min);
    return 0;
}
