// SPDX-License-Identifier: GPL-3.0-or-later
#include "kurvenvergleich.h"

#include "bedingungen.h"
#include "einzellauf.h"

namespace kalvion::cli {

QStringList variierte_optionen(const Studie& studie)
{
    QStringList optionen;
    auto pruefe = [&optionen](const char* name, std::uint64_t werte) {
        if (werte > 1)
            optionen << QStringLiteral("--") + QString::fromLatin1(name);
    };
    pruefe(Modelloption, studie.modelle.size());
    for (const Feldregel& r : Feldtabelle)
        pruefe(r.option, studie.listen[static_cast<int>(r.feld)].anzahl());
    pruefe(Startoption, studie.anfaenge.anzahl());
    pruefe(Oberflaechenoption, studie.oberflaechen.anzahl());
    pruefe(Halteoption, studie.halten ? studie.halten->anzahl() : 1);
    pruefe(Rateoption, studie.rate ? studie.rate->anzahl() : 1);
    return optionen;
}

Kurvenvergleich kurvenvergleich(const Studie& studie, const QLocale& locale)
{
    // Every run against the first: whatever differs anywhere differs there.
    const Modell erster = modell_fuer(studie.lauf(0), locale);
    Kurvenvergleich v;
    bool ein_programm = erster.programm.has_value();
    for (std::uint64_t i = 1; i < studie.anzahl(); ++i) {
        const Modell m = modell_fuer(studie.lauf(i), locale);
        v.welche |= unterschiede(erster, m);
        ein_programm = ein_programm && m.programm && m.programm->zeile == erster.programm->zeile;
    }
    if (ein_programm)
        v.vorzeilen << QString::fromStdString(erster.programm->zeile);
    // What differs names the columns; the rest is shared.
    auto unterschieden = [&v](const char* art) {
        for (std::size_t i = 0; i < unterschiedsarten(); ++i)
            if (qstrcmp(unterschiedsart(i), art) == 0)
                return v.welche.enthaelt(i);
        return false;
    };
    if (const QString bedingungen = bedingungszeile(erster, locale, Namenssprache::datei, !unterschieden("Anfang"),
                                                    !unterschieden("Oberflaeche"));
        !bedingungen.isEmpty())
        v.vorzeilen << bedingungen;
    return v;
}

}  // namespace kalvion::cli
