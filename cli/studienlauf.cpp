// SPDX-License-Identifier: GPL-3.0-or-later
#include "studienlauf.h"

#include <cmath>
#include <condition_variable>
#include <exception>
#include <array>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "eingabefehler.h"
#include "kurzform.h"
#include "sprung.h"
#include "uebersetzen.h"

namespace kalvion::cli {

namespace {

// The jump (the eigen-decomposition of the 200-cell step operator, about
// 5 ms) costs about as much as stepping this many steps; only the remaining
// time shown depends on it.
constexpr double Sprung_in_Schritten = 20000;

}  // namespace

Verfahren verfahren_fuer(Verfahrenswahl wahl, double schritte, int zellen)
{
    switch (wahl) {
    case Verfahrenswahl::schrittweise: return Verfahren::schrittweise;
    case Verfahrenswahl::schnell: return Verfahren::sprung;
    case Verfahrenswahl::automatisch: break;
    }
    return schritte * zellen > Sprung_ab_Zellschritten ? Verfahren::sprung : Verfahren::schrittweise;
}

namespace {

// What keeps a run from being formed, if anything. A D that vanishes (or a
// step limit beyond a double) means too few steps to form one; a D beyond a
// double, a step limit of 0 or a step count beyond counting too many.
struct Laufbefund {
    enum class Art { gut, nicht_bildbar, nicht_zaehlbar };
    Art art = Art::gut;
    bool zu_wenig = false;  // not formed at the end of few steps
    Modell modell;
    double schritte = 0;
};

Laufbefund befund(const Modell& m)
{
    Laufbefund b;
    b.modell = m;
    // The dialog refuses a value whose D or step limit cannot be formed
    // ("Unerlaubte Eingabe !"): D0 = 0, or a Q that makes D vanish.
    if (Modell probe = b.modell; !d_ableiten(probe) || !schritte_ableiten(probe)) {
        b.art = Laufbefund::Art::nicht_bildbar;
        b.zu_wenig = d_ableiten(probe) && (probe.D == 0 || std::isinf(stabilitaetsgrenze(probe.dx, probe.D)));
        return b;
    }
    b.schritte = laufschritte(b.modell);
    if (!schrittzahl_zaehlbar(b.schritte))
        b.art = Laufbefund::Art::nicht_zaehlbar;
    return b;
}

Laufbefund befund(const Lauf& lauf, const QLocale& locale)
{
    return befund(modell_fuer(lauf, locale));
}

}  // namespace

Laufplan laufplan(const Studie& studie, std::uint64_t index, Verfahrenswahl wahl, const QLocale& locale)
{
    const Lauf lauf = studie.lauf(index);
    return laufplan(lauf, modell_fuer(lauf, locale), index, wahl);
}

Laufplan laufplan(const Lauf& lauf, const Modell& m, std::uint64_t index, Verfahrenswahl wahl)
{
    const Laufbefund b = befund(m);
    if (b.art == Laufbefund::Art::nicht_bildbar)
        throw Eingabefehler{
            tr("Lauf %1 (%2): mit dem Diffusionskoeffizienten D = %3 lässt sich die Schrittweite "
               "nicht bilden; der Eingabedialog lehnt das ab (\"Unerlaubte Eingabe !\")")
                .arg(QString::number(index + 1), als_optionen(lauf), QString::fromStdString(kurzform(b.modell.D)))};
    if (b.art == Laufbefund::Art::nicht_zaehlbar)
        throw Eingabefehler{
            tr("Lauf %1 (%2) hätte %3 Zeitschritte, mehr als sich zählen lassen (höchstens 2^53 = "
               "9007199254740992); kürzere Zeit, längerer Weg, niedrigere Temperatur, kleineres D0 "
               "oder größeres Q wählen")
                .arg(QString::number(index + 1), als_optionen(lauf),
                     std::isfinite(b.schritte) ? QString::fromStdString(kurzform(b.schritte))
                                               : tr("unendlich viele"))};
    Laufplan p;
    p.schritte = b.schritte;
    // A run that steps through its programme cannot jump.
    p.verfahren = sprung_moeglich(b.modell) ? verfahren_fuer(wahl, p.schritte, b.modell.Zellen) : Verfahren::schrittweise;
    p.aufwand = p.verfahren == Verfahren::sprung && p.schritte > Schritte_vor_dem_Sprung
                    ? Schritte_vor_dem_Sprung + Sprung_in_Schritten
                    : p.schritte;
    return p;
}

namespace {

// A study's runs are numbered in mixed radix, one digit per dimension, the
// outermost first: the model, the six fields, the start, a programme's hold
// and rate.
constexpr int Modellstelle = 0, Anfangsstelle = 1 + Feldzahl, Oberflaechenstelle = 2 + Feldzahl,
              Haltestelle = 3 + Feldzahl, Ratenstelle = 4 + Feldzahl, Stellen = 5 + Feldzahl;
using Ziffern = std::array<std::uint64_t, Stellen>;
// A box of runs: per dimension the digits [von, bis).
using Kasten = std::array<Abschnitt, Stellen>;

// How a run's step count follows each dimension's value: +1 rises, -1 falls,
// 0 not at all (the model, the start). An open surface needs a smaller step
// than a closed one: its "value" is whether it is open.
constexpr std::array<int, Stellen> Richtung = [] {
    std::array<int, Stellen> r{};
    r[1 + static_cast<int>(Feld::Sintertemp)] = +1;
    r[1 + static_cast<int>(Feld::Sinterzeit)] = +1;
    r[1 + static_cast<int>(Feld::x_max)] = -1;
    r[1 + static_cast<int>(Feld::D0)] = +1;
    r[1 + static_cast<int>(Feld::Q)] = -1;
    r[Oberflaechenstelle] = +1;
    r[Haltestelle] = +1;
    r[Ratenstelle] = -1;
    return r;
}();

class Studienpruefer {
public:
    Studienpruefer(const Studie& studie, const QLocale& locale) : studie_(studie), locale_(locale) {}

    std::uint64_t groesse(int stelle) const
    {
        const Werteliste* w = liste(stelle);
        if (stelle == Modellstelle)
            return studie_.modelle.size();
        if (stelle == Anfangsstelle)
            return studie_.anfaenge.anzahl();
        if (stelle == Oberflaechenstelle)
            return studie_.oberflaechen.anzahl();
        return w ? w->anzahl() : 1;
    }

    std::uint64_t nummer(const Ziffern& z) const
    {
        std::uint64_t n = 0;
        for (int d = 0; d < Stellen; ++d)
            n = n * groesse(d) + z[d];
        return n;
    }

    Ziffern ziffern(std::uint64_t nummer) const
    {
        Ziffern z{};
        for (int d = Stellen - 1; d >= 0; --d) {
            z[d] = nummer % groesse(d);
            nummer /= groesse(d);
        }
        return z;
    }

    // The boxes that make up the runs [von, bis), in study order: the tail of
    // the first run's block, the whole blocks between, the head of the last
    // run's block. At most two per dimension.
    std::vector<Kasten> kaesten(Laufbereich b) const
    {
        if (b.von >= b.bis)
            return {};
        const Ziffern a = ziffern(b.von), e = ziffern(b.bis - 1);
        Kasten voll;
        for (int d = 0; d < Stellen; ++d)
            voll[d] = {0, groesse(d)};
        auto fest_bis = [&](const Ziffern& z, int stelle) {
            Kasten k = voll;
            for (int d = 0; d < stelle; ++d)
                k[d] = {z[d], z[d] + 1};
            return k;
        };
        std::vector<Kasten> liste;
        auto dazu = [&](Kasten k, int stelle, Abschnitt bereich) {
            k[stelle] = bereich;
            if (bereich.von < bereich.bis)
                liste.push_back(k);
        };
        int p = 0;
        while (p < Stellen && a[p] == e[p])
            ++p;
        if (p >= Stellen - 1) {
            dazu(fest_bis(a, Stellen - 1), Stellen - 1, {a[Stellen - 1], e[Stellen - 1] + 1});
            return liste;
        }
        for (int d = Stellen - 1; d > p; --d)
            dazu(fest_bis(a, d), d, {a[d] + (d == Stellen - 1 ? 0 : 1), groesse(d)});
        dazu(fest_bis(a, p), p, {a[p] + 1, e[p]});
        for (int d = p + 1; d < Stellen; ++d)
            dazu(fest_bis(e, d), d, {0, e[d] + (d == Stellen - 1 ? 1 : 0)});
        return liste;
    }

    // The run of the box with the most steps, or with the fewest.
    Ziffern ecke(const Kasten& k, bool meiste) const
    {
        Ziffern z{};
        for (int d = 0; d < Stellen; ++d) {
            z[d] = k[d].von;
            if (Richtung[d] == 0 || k[d].bis - k[d].von < 2 || !geordnet(d))
                continue;
            const auto [klein, gross] = extreme(d, k[d]);
            z[d] = (Richtung[d] > 0) == meiste ? gross : klein;
        }
        return z;
    }

    Laufbefund befund_von(const Ziffern& z) const { return befund(studie_.lauf(nummer(z)), locale_); }

    // Whether the box holds a run that cannot be formed at the end of few
    // steps, or of many: its corner then cannot.
    bool zu_wenig(const Kasten& k) const
    {
        const Laufbefund b = befund_von(ecke(k, false));
        return b.art != Laufbefund::Art::gut && b.zu_wenig;
    }
    bool zu_viel(const Kasten& k) const
    {
        const Laufbefund b = befund_von(ecke(k, true));
        return b.art != Laufbefund::Art::gut && !b.zu_wenig;
    }

    // The first run of the box, in study order, that cannot be formed: one
    // dimension after the other, the first value whose part of the box holds
    // one. Nothing where the box holds none.
    std::optional<std::uint64_t> erster_fehler(Kasten k) const
    {
        if (!zu_wenig(k) && !zu_viel(k))
            return std::nullopt;
        for (int d = 0; d < Stellen; ++d) {
            if (k[d].bis - k[d].von < 2)
                continue;
            const std::optional<std::uint64_t> j = erster_wert(k, d);
            if (!j)
                return std::nullopt;  // the runs check themselves as they start
            k[d] = {*j, *j + 1};
        }
        Ziffern z{};
        for (int d = 0; d < Stellen; ++d)
            z[d] = k[d].von;
        return nummer(z);
    }

private:
    // Whether the dimension's values are ordered by their step counts: a
    // list of values, or the surfaces.
    bool geordnet(int stelle) const { return stelle == Oberflaechenstelle || liste(stelle); }

    std::vector<Abschnitt> abschnitte(int stelle) const
    {
        if (stelle == Oberflaechenstelle)
            return studie_.oberflaechen.abschnitte();
        const Werteliste* w = liste(stelle);
        return w ? w->abschnitte() : std::vector<Abschnitt>{{0, groesse(stelle)}};
    }

    std::pair<std::uint64_t, std::uint64_t> extreme(int stelle, Abschnitt a) const
    {
        if (stelle == Oberflaechenstelle)
            return studie_.oberflaechen.extreme(a);
        return liste(stelle)->extreme(a);
    }

    const Werteliste* liste(int stelle) const
    {
        if (stelle == Modellstelle || stelle == Anfangsstelle || stelle == Oberflaechenstelle)
            return nullptr;
        if (stelle == Haltestelle)
            return studie_.programm && studie_.halten ? &*studie_.halten : nullptr;
        if (stelle == Ratenstelle)
            return studie_.programm && studie_.rate ? &*studie_.rate : nullptr;
        return &studie_.listen[static_cast<std::size_t>(stelle - 1)];
    }

    // Along a piece of a list the values rise or fall, so each of the two
    // conditions holds on its first or its last positions: a binary search
    // finds where it begins.
    std::optional<std::uint64_t> erster_wert(const Kasten& k, int d) const
    {
        const std::vector<Abschnitt> stuecke = abschnitte(d);
        for (const Abschnitt& s : stuecke) {
            const std::uint64_t von = std::max(s.von, k[d].von), bis = std::min(s.bis, k[d].bis);
            if (von >= bis)
                continue;
            std::optional<std::uint64_t> erster;
            for (const bool meiste : {false, true}) {
                auto gilt = [&](std::uint64_t j) {
                    Kasten t = k;
                    t[d] = {j, j + 1};
                    return meiste ? zu_viel(t) : zu_wenig(t);
                };
                std::optional<std::uint64_t> j;
                if (gilt(von)) {
                    j = von;
                } else if (gilt(bis - 1)) {
                    std::uint64_t nein = von, ja = bis - 1;
                    while (ja - nein > 1) {
                        const std::uint64_t mitte = nein + (ja - nein) / 2;
                        (gilt(mitte) ? ja : nein) = mitte;
                    }
                    j = ja;
                }
                if (j && (!erster || *j < *erster))
                    erster = j;
            }
            if (erster)
                return erster;
        }
        return std::nullopt;
    }

    const Studie& studie_;
    const QLocale& locale_;
};

}  // namespace

Laufpruefung laeufe_pruefen(const Studie& studie, Laufbereich bereich, Verfahrenswahl wahl, const QLocale& locale)
{
    const Studienpruefer pruefer(studie, locale);
    const std::vector<Kasten> kaesten = pruefer.kaesten(bereich);
    for (const Kasten& k : kaesten)
        if (const std::optional<std::uint64_t> n = pruefer.erster_fehler(k))
            laufplan(studie, *n, wahl, locale);  // throws the run's refusal

    Laufpruefung p;
    for (const Kasten& k : kaesten) {
        const Ziffern z = pruefer.ecke(k, true);
        const Laufbefund b = pruefer.befund_von(z);
        if (b.schritte > p.meiste_schritte) {
            p.meiste_schritte = b.schritte;
            p.laengster = pruefer.nummer(z);
        }
    }
    const std::uint64_t n = bereich.anzahl();
    const std::uint64_t proben = std::min(n, Stichproben);
    for (std::uint64_t k = 0; k < proben; ++k) {
        const auto i = static_cast<std::uint64_t>(static_cast<unsigned __int128>(n) * k / proben);
        p.aufwand += laufplan(studie, bereich.von + i, wahl, locale).aufwand;
    }
    if (proben > 0)
        p.aufwand *= static_cast<double>(n) / static_cast<double>(proben);
    return p;
}

Studienende studie_rechnen(const Studie& studie, Laufbereich bereich, Verfahrenswahl wahl, const Ausgaben& ausgaben,
                           int threads, const std::atomic<int>& halt, const Abnahme& abnehmen,
                           const Fortschrittsmeldung& melden, double aufwand)
{
    using Uhr = std::chrono::steady_clock;
    const auto anfang = Uhr::now();
    const std::uint64_t n = bereich.anzahl();
    const int anzahl_threads = static_cast<int>(std::min<std::uint64_t>(std::max(threads, 1), std::max<std::uint64_t>(n, 1)));
    // A run may finish this far ahead of the oldest run not yet handed over;
    // then its thread waits. Enough that a long run does not idle the others
    // for long, few enough to hold in memory.
    const std::uint64_t fenster = 16 * static_cast<std::uint64_t>(anzahl_threads);

    std::mutex mutex;
    std::condition_variable bereit_signal, platz_signal;
    std::vector<std::optional<Laufertrag>> puffer(fenster);  // run i at i % fenster
    std::uint64_t naechster = 0, uebergeben = 0;
    bool stopp = false;
    int laufend = anzahl_threads;
    std::exception_ptr fehler;

    std::atomic<std::uint64_t> fertig{0};
    std::atomic<double> aufwand_fertig{0};

    auto arbeiter = [&] {
        const Ausgaben eigene = ausgaben;  // the locale and texts: a copy of its own per thread
        for (;;) {
            std::uint64_t i = 0;
            {
                std::unique_lock sperre(mutex);
                platz_signal.wait(sperre, [&] { return stopp || naechster >= n || naechster < uebergeben + fenster; });
                if (stopp || naechster >= n || halt.load() != 0)
                    return;
                i = naechster++;
            }
            const Laufplan plan = laufplan(studie, bereich.von + i, wahl, eigene.locale);
            double gemeldet = 0;  // this run's share of aufwand_fertig so far
            auto melde_anteil = [&](double anteil) {
                aufwand_fertig.fetch_add(plan.aufwand * anteil - gemeldet);
                gemeldet = plan.aufwand * anteil;
            };
            const Laufbegleitung begleitung{
                [&](int prozent) { melde_anteil(prozent / 100.0); },
                [&] { return halt.load() != 0 ? Fortgang::abbrechen : Fortgang::weiter; },
                {},  // a signal stops the study through the call above
            };
            Laufertrag e = einzellauf(studie.lauf(bereich.von + i), plan.verfahren, eigene, begleitung);
            // Only a stop ends a planned run early: its step count was checked.
            if (e.ausgang.ergebnis != Laufergebnis::fertig)
                return;
            melde_anteil(1);
            fertig.fetch_add(1);
            const std::lock_guard sperre(mutex);
            puffer[i % fenster] = std::move(e);
            bereit_signal.notify_all();
        }
    };

    auto stoppen = [&] {
        const std::lock_guard sperre(mutex);
        stopp = true;
        platz_signal.notify_all();
    };

    Fortschrittsstand stand;
    stand.laeufe = n;
    stand.aufwand = aufwand;
    Studienende ende = Studienende::fertig;
    std::exception_ptr eigener_fehler;
    {
        std::vector<std::jthread> pool;
        try {
            for (int k = 0; k < anzahl_threads; ++k)
                pool.emplace_back([&] {
                    try {
                        arbeiter();
                    } catch (...) {
                        const std::lock_guard sperre(mutex);
                        if (!fehler)
                            fehler = std::current_exception();
                        stopp = true;
                        platz_signal.notify_all();
                    }
                    const std::lock_guard sperre(mutex);
                    --laufend;
                    bereit_signal.notify_all();
                });
        } catch (...) {
            // A thread that could not be started: the others stop, and the
            // threads not started are not waited for.
            eigener_fehler = std::current_exception();
            const std::lock_guard sperre(mutex);
            laufend -= anzahl_threads - static_cast<int>(pool.size());
        }
        if (eigener_fehler)
            stoppen();
        auto naechste_meldung = Uhr::now();
        std::unique_lock sperre(mutex);
        try {
            for (;;) {
                while (!stopp && uebergeben < n && puffer[uebergeben % fenster]) {
                    Laufertrag e = std::move(*puffer[uebergeben % fenster]);
                    puffer[uebergeben % fenster].reset();
                    const std::uint64_t index = bereich.von + uebergeben;
                    sperre.unlock();
                    const bool weiter = abnehmen(index, e);
                    sperre.lock();
                    ++uebergeben;
                    platz_signal.notify_all();
                    if (!weiter) {
                        ende = Studienende::abgelehnt;
                        stopp = true;
                    }
                }
                if (uebergeben == n || laufend == 0 || stopp)
                    break;
                if (halt.load() != 0) {
                    stopp = true;
                    platz_signal.notify_all();
                    continue;
                }
                if (melden && Uhr::now() >= naechste_meldung) {
                    stand.laeufe_fertig = fertig.load();
                    stand.aufwand_fertig = aufwand_fertig.load();
                    stand.vergangen = Uhr::now() - anfang;
                    sperre.unlock();
                    melden(stand);
                    sperre.lock();
                    naechste_meldung = Uhr::now() + std::chrono::milliseconds(250);
                }
                // A signal sets only a flag: it is looked at this often.
                bereit_signal.wait_for(sperre, std::chrono::milliseconds(20));
            }
        } catch (...) {
            eigener_fehler = std::current_exception();
            if (!sperre.owns_lock())
                sperre.lock();
        }
        stopp = true;
        platz_signal.notify_all();
        sperre.unlock();
    }  // the threads end and are joined here
    if (eigener_fehler)
        std::rethrow_exception(eigener_fehler);
    if (fehler)
        std::rethrow_exception(fehler);
    if (ende == Studienende::abgelehnt)
        return ende;
    if (uebergeben != n)
        return Studienende::angehalten;
    return Studienende::fertig;
}

}  // namespace kalvion::cli
