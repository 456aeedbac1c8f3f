// SPDX-License-Identifier: GPL-3.0-or-later
#include "vergleich.h"

#include <QCoreApplication>
#include <functional>

#include "bedingungen.h"
#include "feldpruefung.h"
#include "programmeingabe.h"
#include "zahlen.h"

namespace kalvion {

namespace {

QString text(const char* kontext, const char* quelle, Namenssprache sprache)
{
    return sprache == Namenssprache::anzeige ? QCoreApplication::translate(kontext, quelle) : QString::fromUtf8(quelle);
}

// One kind of difference: when two runs agree in it, and how a run is named by it.
struct Unterschiedsart {
    const char* name;
    std::function<bool(const Modell&, const Modell&)> gleich;
    // Empty where the run has no value of this kind (the temperature of a programme's run).
    std::function<QString(const Modell&, const QLocale&, Namenssprache)> benennen;
};

// A programme sets the temperature and the time of its run; they are named by the programme then.
bool vom_programm_gesetzt(const Modell& m, Feld f)
{
    return m.programm && (f == Feld::Sintertemp || f == Feld::Sinterzeit);
}

std::optional<double> feldwert(const Modell& m, const Feldregel& r)
{
    if (vom_programm_gesetzt(m, r.feld))
        return std::nullopt;
    return r.ziel ? (m.*r.ziel).wert : m.i_Diff;
}

Unterschiedsart feldart(const Feldregel& r)
{
    return {r.name, [&r](const Modell& a, const Modell& b) { return feldwert(a, r) == feldwert(b, r); },
            [&r](const Modell& m, const QLocale& locale, Namenssprache sprache) {
                if (vom_programm_gesetzt(m, r.feld))
                    return QString();
                return text("Feld", r.vergleich, sprache).arg(feldtext(m, r.feld, locale));
            }};
}

// The texts of this file, marked for translation where they are written.
QString vergleichstext(const char* quelle, Namenssprache sprache)
{
    return text("Vergleich", quelle, sprache);
}

bool gleiches_programm(const Modell& a, const Modell& b)
{
    return a.programm.has_value() == b.programm.has_value() && (!a.programm || a.programm->zeile == b.programm->zeile);
}

QString programmname(const Modell& m, const QLocale&, Namenssprache sprache)
{
    if (!m.programm)
        return {};
    return sprache == Namenssprache::anzeige ? programmanzeige(*m.programm) : QString::fromStdString(m.programm->zeile);
}

bool gleiche_punkte(const std::shared_ptr<const Startprofil>& a, const std::shared_ptr<const Startprofil>& b)
{
    if (a == b)
        return true;
    if (!a || !b || a->punkte.size() != b->punkte.size())
        return false;
    for (std::size_t i = 0; i < a->punkte.size(); ++i)
        if (a->punkte[i].x != b->punkte[i].x || a->punkte[i].konz != b->punkte[i].konz)
            return false;
    return true;
}

bool gleicher_anfang(const Modell& a, const Modell& b)
{
    if (a.Anfang != b.Anfang)
        return false;
    switch (a.Anfang) {
    case Anfangsart::stufe: return true;
    case Anfangsart::grundgehalt: return a.c0.wert == b.c0.wert;
    case Anfangsart::datei:
    case Anfangsart::ergebnis: return gleiche_punkte(a.startprofil, b.startprofil);
    }
    return false;
}

bool gleiche_oberflaeche(const Modell& a, const Modell& b)
{
    if (a.Oberflaeche != b.Oberflaeche)
        return false;
    switch (a.Oberflaeche) {
    case Oberflaechenart::geschlossen: return true;
    case Oberflaechenart::konzentration: return a.c_s.wert == b.c_s.wert;
    case Oberflaechenart::austausch: return a.beta.wert == b.beta.wert && a.c_atm.wert == b.c_atm.wert;
    }
    return false;
}

// In the order in which a name lists them.
const std::vector<Unterschiedsart>& arten()
{
    static const std::vector<Unterschiedsart> alle = [] {
        std::vector<Unterschiedsart> a;
        a.push_back({"Modell", [](const Modell& x, const Modell& y) { return x.Geometrie == y.Geometrie; },
                     [](const Modell& m, const QLocale&, Namenssprache sprache) {
                         return text("Geometrie", beschreibung(m.Geometrie).anzeigename, sprache);
                     }});
        for (const Feldregel& r : Feldtabelle)
            a.push_back(feldart(r));
        a.push_back({"Programm", gleiches_programm, programmname});
        a.push_back({"Anfang", gleicher_anfang, anfangsname});
        a.push_back({"Oberflaeche", gleiche_oberflaeche, oberflaechenname});
        return a;
    }();
    return alle;
}

}  // namespace

std::size_t unterschiedsarten()
{
    return arten().size();
}

const char* unterschiedsart(std::size_t art)
{
    return arten().at(art).name;
}

Unterschiede unterschiede(const Modell& a, const Modell& b)
{
    static_assert(sizeof(std::uint32_t) * 8 >= 1 + Feldzahl + 3, "every kind of difference has its bit");
    Unterschiede u;
    for (std::size_t i = 0; i < arten().size(); ++i)
        if (!arten()[i].gleich(a, b))
            u.hinzu(i);
    return u;
}

QString vergleichsname(const Modell& m, Unterschiede welche, const QLocale& locale, Namenssprache sprache)
{
    QStringList teile;
    for (std::size_t i = 0; i < arten().size(); ++i)
        if (welche.enthaelt(i))
            if (const QString t = arten()[i].benennen(m, locale, sprache); !t.isEmpty())
                teile << t;
    return teile.join(QStringLiteral(", "));
}

QString ohne_unterschied(Namenssprache sprache)
{
    return vergleichstext(QT_TRANSLATE_NOOP("Vergleich", "gleiche Parameter"), sprache);
}

Vergleichsnamen vergleichsnamen(const Modell& aktuell, const std::vector<const Modell*>& behalten,
                                const QLocale& locale, Namenssprache sprache)
{
    Unterschiede welche;
    for (const Modell* k : behalten)
        welche |= unterschiede(aktuell, *k);
    Vergleichsnamen namen;
    namen.aktuell = vergleichsname(aktuell, welche, locale, sprache);
    for (const Modell* k : behalten) {
        const QString name = vergleichsname(*k, welche, locale, sprache);
        namen.behalten << (name.isEmpty() ? ohne_unterschied(sprache) : name);
    }
    return namen;
}

}  // namespace kalvion
