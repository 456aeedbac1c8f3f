// SPDX-License-Identifier: GPL-3.0-or-later
#include "studienlauf.h"

#include <cmath>
#include <condition_variable>
#include <exception>
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

Laufplan laufplan(const Studie& studie, std::uint64_t index, Verfahrenswahl wahl, const QLocale& locale)
{
    const Lauf lauf = studie.lauf(index);
    return laufplan(lauf, modell_fuer(lauf, locale), index, wahl);
}

Laufplan laufplan(const Lauf& lauf, const Modell& m, std::uint64_t index, Verfahrenswahl wahl)
{
    // The dialog refuses a value whose D or step limit cannot be formed
    // ("Unerlaubte Eingabe !"): D0 = 0, or a Q that makes D vanish.
    if (Modell probe = m; !d_ableiten(probe) || !schritte_ableiten(probe))
        throw Eingabefehler{
            tr("Lauf %1 (%2): mit dem Diffusionskoeffizienten D = %3 lässt sich die Schrittweite "
               "nicht bilden; der Eingabedialog lehnt das ab (\"Unerlaubte Eingabe !\")")
                .arg(QString::number(index + 1), als_optionen(lauf), QString::fromStdString(kurzform(m.D)))};
    Laufplan p;
    p.schritte = laufschritte(m);
    if (!schrittzahl_zaehlbar(p.schritte))
        throw Eingabefehler{
            tr("Lauf %1 (%2) hätte %3 Zeitschritte, mehr als sich zählen lassen (höchstens 2^53 = "
               "9007199254740992); kürzere Zeit, längerer Weg, niedrigere Temperatur, kleineres D0 "
               "oder größeres Q wählen")
                .arg(QString::number(index + 1), als_optionen(lauf),
                     std::isfinite(p.schritte) ? QString::fromStdString(kurzform(p.schritte))
                                               : tr("unendlich viele"))};
    p.verfahren = verfahren_fuer(wahl, p.schritte, m.Zellen);
    p.aufwand = p.verfahren == Verfahren::sprung && p.schritte > Schritte_vor_dem_Sprung
                    ? Schritte_vor_dem_Sprung + Sprung_in_Schritten
                    : p.schritte;
    return p;
}

double laeufe_pruefen(const Studie& studie, Laufbereich bereich, Verfahrenswahl wahl, const QLocale& locale)
{
    double aufwand = 0;
    for (std::uint64_t i = bereich.von; i < bereich.bis; ++i)
        aufwand += laufplan(studie, i, wahl, locale).aufwand;
    return aufwand;
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
                bereit_signal.wait_for(sperre, std::chrono::milliseconds(250));
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
