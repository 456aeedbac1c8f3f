#include "zeitschritte.h"

#include <algorithm>
#include <cmath>

#include "anfangsprofil.h"

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

namespace {

double prozent(double k, double n)
{
    return std::floor(k * 100 / n);
}

}  // namespace

std::string fortschrittstext(double k, double n)
{
    return std::to_string(static_cast<long long>(prozent(k, n))) + "  %";
}

namespace {

void schnappschuss(const Modell& m, Zellfeld& ziel)
{
    std::copy(m.Konz.begin() + 1, m.Konz.begin() + 1 + m.Zellen, ziel.begin() + 1);
}

}  // namespace

Laufausgang zeitschritte(Modell& m, const Laufbegleitung& begleitung)
{
    using Uhr = std::chrono::steady_clock;
    schritte_vorbereiten(m);
    // A half-computed profile is no result: neither a redraw nor a save may
    // take it for one until the run has finished.
    m.Berechnung_aktuell = false;

    const double schritte = m.Schritte;  // the loop's end, read once
    double gezeigt = -1;
    auto letzter_durchlass = Uhr::now();

    for (double k = 1; k <= schritte; ++k) {
        m.Fehlerzahl += ein_zeitschritt(m);

        if (k == 10)
            schnappschuss(m, m.Konz_10);
        else if (k == 100)
            schnappschuss(m, m.Konz_100);
        else if (k == 1000)
            schnappschuss(m, m.Konz_1000);

        // The caption only changes a hundred times per run; setting it at
        // every step would cost more than the step itself.
        if (const double p = prozent(k, m.Schritte); p != gezeigt) {
            if (begleitung.fortschritt)
                begleitung.fortschritt(fortschrittstext(k, m.Schritte));
            gezeigt = p;
        }

        // One look at the clock per step; the event loop only every 10 ms.
        const auto jetzt = Uhr::now();
        if (begleitung.zwischendurch && (jetzt - letzter_durchlass >= Durchlassabstand || k == schritte)) {
            switch (begleitung.zwischendurch()) {
            case Fortgang::weiter: break;
            case Fortgang::abbrechen: return {Laufergebnis::abgebrochen, m.Fehlerzahl};
            case Fortgang::programmende: return {Laufergebnis::programmende, m.Fehlerzahl};
            }
            letzter_durchlass = jetzt;
        }
    }

    m.Berechnung_aktuell = true;
    return {Laufergebnis::fertig, m.Fehlerzahl};
}

Laufausgang lauf_rechnen(Modell& m, const Laufbegleitung& begleitung)
{
    anfangsprofil(m);
    return zeitschritte(m, begleitung);
}

std::string fehlertext(std::int64_t fehlerzahl)
{
    return std::to_string(fehlerzahl) + " Fehler";
}

}  // namespace kalvion
