// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeitschritte.h"

#include <algorithm>
#include <cmath>

#include "anfangsprofil.h"
#include "sprung.h"

namespace kalvion {

void schritte_vorbereiten(Modell& m)
{
    m.dt_max = stabilitaetsgrenze(m.dx, m.D);  // +inf when D = 0: no limit at all
    m.Schritte = schrittzahl(m.Sinterzeit_s, m.dt_max);
    if (m.Schritte < 200)
        m.Schritte = 200;
    m.dt = m.Sinterzeit_s / m.Schritte;
    m.Fehlerzahl = 0;
}

std::int64_t ein_zeitschritt(Modell& m)
{
    const int n = m.Zellen;
    const double D = m.D, dx = m.dx, dt = m.dt;
    double* const konz = m.Konz.data();
    double* const menge = m.Menge.data();
    double* const fluss = m.Fluss.data();
    const double* const flaeche = m.Flaeche.data();
    const double* const volumen = m.Volumen.data();

    // All fluxes from the previous profile first, then the cells: explicit.
    std::int64_t negativ = 0;
    for (int i = 2; i <= n; ++i) {
        fluss[i] = (konz[i - 1] - konz[i]) * D / dx;
        negativ += fluss[i] < 0;
    }

    menge[1] = menge[1] - dt * (flaeche[2] * fluss[2]);
    konz[1] = menge[1] / volumen[1];
    // What face i takes out of cell i-1 it adds to cell i: conservative.
    for (int i = 2; i <= n - 1; ++i) {
        menge[i] = (menge[i] + dt * (flaeche[i] * fluss[i])) - dt * (flaeche[i + 1] * fluss[i + 1]);
        konz[i] = menge[i] / volumen[i];
    }
    menge[n] = menge[n] + dt * (flaeche[n] * fluss[n]);
    konz[n] = menge[n] / volumen[n];
    return negativ;
}

int fortschritt_prozent(double k, double n)
{
    return static_cast<int>(std::floor(k * 100 / n));
}

namespace {

void schnappschuss(const Modell& m, Zellfeld& ziel)
{
    std::copy(m.Konz.begin() + 1, m.Konz.begin() + 1 + m.Zellen, ziel.begin() + 1);
}

}  // namespace

bool schrittzahl_zaehlbar(double schritte)
{
    return std::isfinite(schritte) && schritte <= Groesste_Schrittzahl;
}

double laufschritte(const Modell& m)
{
    Modell probe;
    probe.dx = m.dx;
    probe.D = m.D;
    probe.Sinterzeit_s = m.Sinterzeit_s;
    schritte_vorbereiten(probe);
    return probe.Schritte;
}

double miss_zellschrittkosten(const Modell& m)
{
    using Uhr = std::chrono::steady_clock;
    Modell probe = m;
    anfangsprofil(probe);
    schritte_vorbereiten(probe);
    // Repeated until a millisecond has passed, so that the clock's resolution
    // does not matter; the best of three keeps other load out.
    double beste = 1e300;
    for (int wiederholung = 0; wiederholung < 3; ++wiederholung) {
        long long zellschritte = 0;
        const auto anfang = Uhr::now();
        std::chrono::duration<double> vergangen{};
        do {
            for (int k = 0; k < 50; ++k)
                ein_zeitschritt(probe);
            zellschritte += 50LL * probe.Zellen;
            vergangen = Uhr::now() - anfang;
        } while (vergangen.count() < 1e-3);
        beste = std::min(beste, vergangen.count() / zellschritte);
    }
    return beste;
}

double geschaetzte_dauer(double schritte, int zellen, double sekunden_je_zellschritt)
{
    return schritte * zellen * sekunden_je_zellschritt;
}

namespace {

// Berechnung_laeuft for as long as the stepping lasts, whichever way it ends.
class Laufmarke {
public:
    explicit Laufmarke(Modell& m) : m_(m) { m_.Berechnung_laeuft = true; }
    ~Laufmarke() { m_.Berechnung_laeuft = false; }
    Laufmarke(const Laufmarke&) = delete;
    Laufmarke& operator=(const Laufmarke&) = delete;

private:
    Modell& m_;
};

}  // namespace

Laufausgang zeitschritte(Modell& m, const Laufbegleitung& begleitung, Verfahren verfahren)
{
    using Uhr = std::chrono::steady_clock;
    const Laufmarke marke(m);
    schritte_vorbereiten(m);
    // A half-computed profile is no result: neither a redraw nor a save may
    // take it for one until the run has finished.
    m.Berechnung_aktuell = false;
    if (!schrittzahl_zaehlbar(m.Schritte))
        return {Laufergebnis::nicht_zaehlbar, 0};

    const double schritte = m.Schritte;  // the loop's end, read once
    const bool springen = verfahren == Verfahren::sprung && schritte > Schritte_vor_dem_Sprung;
    const double gestuft = springen ? Schritte_vor_dem_Sprung : schritte;
    int gezeigt = -1;
    auto melde_fortschritt = [&](double k) {
        // The caption only changes a hundred times per run; setting it at
        // every step would cost more than the step itself.
        if (const int p = fortschritt_prozent(k, m.Schritte); p != gezeigt) {
            if (begleitung.fortschritt)
                begleitung.fortschritt(p);
            gezeigt = p;
        }
    };
    auto letzter_durchlass = Uhr::now();

    for (double k = 1; k <= gestuft; ++k) {
        m.Fehlerzahl += ein_zeitschritt(m);

        if (k == 10)
            schnappschuss(m, m.Konz_10);
        else if (k == 100)
            schnappschuss(m, m.Konz_100);
        else if (k == 1000)
            schnappschuss(m, m.Konz_1000);
        melde_fortschritt(k);
        if (begleitung.halt.stop_requested())
            return {Laufergebnis::abgebrochen, m.Fehlerzahl};

        // One look at the clock per step; the event loop only every 10 ms.
        const auto jetzt = Uhr::now();
        if (begleitung.zwischendurch && (jetzt - letzter_durchlass >= Durchlassabstand || k == gestuft)) {
            switch (begleitung.zwischendurch()) {
            case Fortgang::weiter: break;
            case Fortgang::abbrechen: return {Laufergebnis::abgebrochen, m.Fehlerzahl};
            case Fortgang::programmende: return {Laufergebnis::programmende, m.Fehlerzahl};
            }
            letzter_durchlass = jetzt;
        }
    }
    if (springen) {
        springe(m, schritte - gestuft);
        melde_fortschritt(schritte);
    }

    m.Berechnung_aktuell = true;
    return {Laufergebnis::fertig, m.Fehlerzahl, springen};
}

Laufausgang lauf_rechnen(Modell& m, const Laufbegleitung& begleitung, Verfahren verfahren)
{
    anfangsprofil(m);
    return zeitschritte(m, begleitung, verfahren);
}

}  // namespace kalvion
