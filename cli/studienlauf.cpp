#include "studienlauf.h"

#include <charconv>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "eingabefehler.h"
#include "kurzform.h"
#include "sprung.h"

namespace kalvion::cli {

namespace {

// The jump (the eigen-decomposition of the 200-cell step operator, about
// 5 ms) costs about as much as stepping this many steps; only the remaining
// time shown depends on it.
constexpr double Sprung_in_Schritten = 20000;

Verfahren verfahren_fuer(Verfahrenswahl wahl, const Modell& m, double schritte, double zellschrittkosten)
{
    switch (wahl) {
    case Verfahrenswahl::schrittweise: return Verfahren::schrittweise;
    case Verfahrenswahl::schnell: return Verfahren::sprung;
    case Verfahrenswahl::automatisch: break;
    }
    return geschaetzte_dauer(schritte, m.Zellen, zellschrittkosten) > Sprung_ab_Sekunden ? Verfahren::sprung
                                                                                           : Verfahren::schrittweise;
}

// The percentage of the engine's progress text "37  %".
double prozent(const std::string& text)
{
    double p = 0;
    std::from_chars(text.data(), text.data() + text.size(), p);
    return p;
}

}  // namespace

std::vector<Laufplan> laeufe_planen(const Studie& studie, Laufbereich bereich, Verfahrenswahl wahl,
                                    const QLocale& locale)
{
    std::vector<Laufplan> plaene;
    plaene.reserve(bereich.anzahl());
    double zellschrittkosten = 0;
    for (std::uint64_t i = bereich.von; i < bereich.bis; ++i) {
        const Lauf lauf = studie.lauf(i);
        const Modell m = modell_fuer(lauf, locale);
        // The dialog refuses a value whose D or step limit cannot be formed
        // ("Unerlaubte Eingabe !"): D0 = 0, or a Q that makes D vanish.
        if (Modell probe = m; !d_ableiten(probe) || !schritte_ableiten(probe))
            throw Eingabefehler{
                QStringLiteral("Lauf %1 (%2): mit dem Diffusionskoeffizienten D = %3 lässt sich die Schrittweite "
                               "nicht bilden; der Eingabedialog lehnt das ab (\"Unerlaubte Eingabe !\")")
                    .arg(QString::number(i + 1), als_optionen(lauf), QString::fromStdString(kurzform(m.D)))};
        Laufplan p;
        p.schritte = laufschritte(m);
        if (!schrittzahl_zaehlbar(p.schritte))
            throw Eingabefehler{
                QStringLiteral("Lauf %1 (%2) hätte %3 Zeitschritte, mehr als sich zählen lassen (höchstens 2^53 = "
                               "9007199254740992); kürzere Zeit, längerer Weg, niedrigere Temperatur, kleineres D0 "
                               "oder größeres Q wählen")
                    .arg(QString::number(i + 1), als_optionen(lauf),
                         std::isfinite(p.schritte) ? QString::fromStdString(kurzform(p.schritte))
                                                   : QStringLiteral("unendlich viele"))};
        if (wahl == Verfahrenswahl::automatisch && zellschrittkosten == 0)
            zellschrittkosten = miss_zellschrittkosten(m);
        p.verfahren = verfahren_fuer(wahl, m, p.schritte, zellschrittkosten);
        p.aufwand = p.verfahren == Verfahren::sprung && p.schritte > Schritte_vor_dem_Sprung
                        ? Schritte_vor_dem_Sprung + Sprung_in_Schritten
                        : p.schritte;
        plaene.push_back(p);
    }
    return plaene;
}

std::optional<std::vector<Laufertrag>> studie_rechnen(const Studie& studie, Laufbereich bereich,
                                                      const std::vector<Laufplan>& plaene, const Ausgaben& ausgaben,
                                                      int threads, const std::atomic<int>& halt,
                                                      const Fortschrittsmeldung& melden)
{
    using Uhr = std::chrono::steady_clock;
    const auto anfang = Uhr::now();
    const std::uint64_t n = bereich.anzahl();
    std::vector<Laufertrag> ertraege(n);

    Fortschrittsstand stand;
    stand.laeufe = n;
    for (const Laufplan& p : plaene)
        stand.aufwand += p.aufwand;
    std::atomic<std::uint64_t> naechster{0}, fertig{0};
    std::atomic<double> aufwand_fertig{0};

    auto arbeiter = [&] {
        const Ausgaben eigene = ausgaben;  // the locale and texts: a copy of its own per thread
        while (halt.load() == 0) {
            const std::uint64_t i = naechster.fetch_add(1);
            if (i >= n)
                return;
            const Laufplan& plan = plaene[i];
            double gemeldet = 0;  // this run's share of aufwand_fertig so far
            auto melde_anteil = [&](double anteil) {
                aufwand_fertig.fetch_add(plan.aufwand * anteil - gemeldet);
                gemeldet = plan.aufwand * anteil;
            };
            const Laufbegleitung begleitung{
                [&](const std::string& text) { melde_anteil(prozent(text) / 100); },
                [&] { return halt.load() != 0 ? Fortgang::abbrechen : Fortgang::weiter; },
            };
            ertraege[i] = einzellauf(studie.lauf(bereich.von + i), plan.verfahren, eigene, begleitung);
            // Only a stop ends a planned run early: its step count was checked.
            if (ertraege[i].ausgang.ergebnis != Laufergebnis::fertig)
                break;
            melde_anteil(1);
            fertig.fetch_add(1);
        }
    };

    const int anzahl_threads = static_cast<int>(std::min<std::uint64_t>(std::max(threads, 1), n));
    std::mutex mutex;
    std::condition_variable fertig_signal;
    int laufend = anzahl_threads;
    {
        std::vector<std::jthread> pool;
        for (int k = 0; k < anzahl_threads; ++k)
            pool.emplace_back([&] {
                arbeiter();
                const std::lock_guard sperre(mutex);
                --laufend;
                fertig_signal.notify_all();
            });
        std::unique_lock sperre(mutex);
        while (laufend > 0) {
            if (melden) {
                stand.laeufe_fertig = fertig.load();
                stand.aufwand_fertig = aufwand_fertig.load();
                stand.vergangen = Uhr::now() - anfang;
                sperre.unlock();
                melden(stand);
                sperre.lock();
            }
            fertig_signal.wait_for(sperre, std::chrono::milliseconds(250), [&] { return laufend == 0; });
        }
    }
    if (fertig.load() != n)
        return std::nullopt;
    return ertraege;
}

}  // namespace kalvion::cli
