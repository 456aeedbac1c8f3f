// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeitschritte.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "anfangsprofil.h"
#include "sprung.h"

namespace kalvion {

void schritte_vorbereiten(Modell& m)
{
    oberflaeche_ableiten(m);
    // +inf when D = 0: no limit at all
    m.dt_max = stabilitaetsgrenze(m.dx, m.D, oberflaeche_offen(m));
    const double dauer = laufzeit_s(m);
    m.Schritte = schrittzahl(dauer, m.dt_max);
    if (m.Schritte < 200)
        m.Schritte = 200;
    m.dt = dauer / m.Schritte;
    m.Fehlerzahl = 0;
}

Fehlerart fehlerart(const Modell& m)
{
    return oberflaeche_offen(m) ? Fehlerart::bereichsverletzungen : Fehlerart::negative_fluesse;
}

bool sprung_moeglich(const Modell& m)
{
    return !durch_programm(m);
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

// How far beyond its range a cell may land by rounding alone, relative to
// the range's magnitude: four units of the last place.
constexpr double Rundungseinheiten = 4 * std::numeric_limits<double>::epsilon();

}  // namespace

std::int64_t ein_zeitschritt_offen(Modell& m, double D, double randleitwert)
{
    const int n = m.Zellen;
    const double dx = m.dx, dt = m.dt;
    double* const konz = m.Konz.data();
    double* const menge = m.Menge.data();
    double* const fluss = m.Fluss.data();
    const double* const flaeche = m.Flaeche.data();
    const double* const volumen = m.Volumen.data();

    fluss[1] = (m.Randwert - konz[1]) * randleitwert;
    for (int i = 2; i <= n; ++i)
        fluss[i] = (konz[i - 1] - konz[i]) * D / dx;

    // Each cell's new value mixes its own, its neighbours' and (cell 1) the
    // surface's old values with weights that the step limit keeps positive:
    // it stays within their range, up to rounding.
    std::int64_t ausserhalb = 0;
    double links = m.Randwert;  // the old value beyond face i
    for (int i = 1; i <= n; ++i) {
        const double alt = konz[i];
        const double rechts = i < n ? konz[i + 1] : alt;
        const double aus = i < n ? dt * (flaeche[i + 1] * fluss[i + 1]) : 0.0;
        menge[i] = (menge[i] + dt * (flaeche[i] * fluss[i])) - aus;
        konz[i] = menge[i] / volumen[i];
        const double unten = std::min({links, alt, rechts}), oben = std::max({links, alt, rechts});
        // Rounding alone may step a few units of the last place beyond them:
        // the division by the cell's volume, in a nearly flat region.
        const double rundung = Rundungseinheiten * std::max(std::fabs(unten), std::fabs(oben));
        ausserhalb += konz[i] < unten - rundung || konz[i] > oben + rundung;
        links = alt;
    }
    return ausserhalb;
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
    // The surface and a programme stepped through decide the step as well.
    probe.Oberflaeche = m.Oberflaeche;
    probe.beta = m.beta;
    probe.c_s = m.c_s;
    probe.c_atm = m.c_atm;
    probe.programm = m.programm;
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
        const bool offen = oberflaeche_offen(probe);
        do {
            // The step the run will take: an open surface's costs more.
            for (int k = 0; k < 50; ++k)
                offen ? ein_zeitschritt_offen(probe, probe.D, probe.Randleitwert) : ein_zeitschritt(probe);
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

namespace {

// A sum of many small amounts, with the rounding of each addition carried
// along (Neumaier), so that the amount through the surface stays exact to a
// few rounding units over millions of steps.
class Ausgleichssumme {
public:
    void add(double wert)
    {
        const double neu = summe_ + wert;
        ausgleich_ += std::fabs(summe_) >= std::fabs(wert) ? (summe_ - neu) + wert : (wert - neu) + summe_;
        summe_ = neu;
    }
    double wert() const { return summe_ + ausgleich_; }

private:
    double summe_ = 0, ausgleich_ = 0;
};

// The steps 1 … gestuft of a run, one `schritt(k)` each, with the snapshots,
// the progress and the go-on checks; nothing: every step done.
template <class Schritt>
std::optional<Laufausgang> stufen(Modell& m, const Laufbegleitung& begleitung, double gestuft, Schritt&& schritt)
{
    using Uhr = std::chrono::steady_clock;
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
        m.Fehlerzahl += schritt(k);

        if (k == 10)
            schnappschuss(m, m.Konz_10);
        else if (k == 100)
            schnappschuss(m, m.Konz_100);
        else if (k == 1000)
            schnappschuss(m, m.Konz_1000);
        melde_fortschritt(k);
        if (begleitung.halt.stop_requested())
            return Laufausgang{Laufergebnis::abgebrochen, m.Fehlerzahl};

        // One look at the clock per step; the event loop only every 10 ms.
        const auto jetzt = Uhr::now();
        if (begleitung.zwischendurch && (jetzt - letzter_durchlass >= Durchlassabstand || k == gestuft)) {
            switch (begleitung.zwischendurch()) {
            case Fortgang::weiter: break;
            case Fortgang::abbrechen: return Laufausgang{Laufergebnis::abgebrochen, m.Fehlerzahl};
            case Fortgang::programmende: return Laufausgang{Laufergebnis::programmende, m.Fehlerzahl};
            }
            letzter_durchlass = jetzt;
        }
    }
    return std::nullopt;
}

// D at t s after the programme's start, as the Arrhenius law gives it for the
// programme's temperature then.
double d_zur_zeit(const Modell& m, double t)
{
    const double kelvin = temperatur_zur_zeit(m.programm->verlauf, t / 3600) + 273;
    return (m.D0.wert / 1000) * std::exp(-m.Q.wert / (kelvin * Modell::R));
}

}  // namespace

Laufausgang zeitschritte(Modell& m, const Laufbegleitung& begleitung, Verfahren verfahren)
{
    const Laufmarke marke(m);
    schritte_vorbereiten(m);
    // A half-computed profile is no result: neither a redraw nor a save may
    // take it for one until the run has finished.
    m.Berechnung_aktuell = false;
    if (!schrittzahl_zaehlbar(m.Schritte))
        return {Laufergebnis::nicht_zaehlbar, 0};

    const double schritte = m.Schritte;  // the loop's end, read once
    const bool springen =
        verfahren == Verfahren::sprung && schritte > Schritte_vor_dem_Sprung && sprung_moeglich(m);
    const double gestuft = springen ? Schritte_vor_dem_Sprung : schritte;

    // The step is chosen once per run: the closed surface keeps its own loop.
    std::optional<Laufausgang> abbruch;
    if (!oberflaeche_offen(m)) {
        abbruch = stufen(m, begleitung, gestuft, [&m](double) { return ein_zeitschritt(m); });
    } else {
        Ausgleichssumme durch_rand;
        auto rand_buchen = [&m, &durch_rand] { durch_rand.add(m.dt * (m.Flaeche[1] * m.Fluss[1])); };
        if (durch_programm(m)) {
            const Oberflaechenart art = m.Oberflaeche;
            const double beta = m.beta.wert, dx = m.dx;
            abbruch = stufen(m, begleitung, gestuft, [&](double k) {
                // D and the surface's conductance in the middle of the step.
                const double D = d_zur_zeit(m, (k - 0.5) * m.dt);
                const std::int64_t n = ein_zeitschritt_offen(m, D, randleitwert(art, beta, D, dx));
                rand_buchen();
                return n;
            });
        } else {
            abbruch = stufen(m, begleitung, gestuft, [&](double) {
                const std::int64_t n = ein_zeitschritt_offen(m, m.D, m.Randleitwert);
                rand_buchen();
                return n;
            });
        }
        m.Menge_rand = durch_rand.wert();
    }
    if (abbruch)
        return *abbruch;
    if (springen) {
        springe(m, schritte - gestuft);
        // The stepped part ended below 100 %: the jump reports the rest.
        if (begleitung.fortschritt)
            begleitung.fortschritt(fortschritt_prozent(schritte, schritte));
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
