// Prints "name value unit" lines: the cost of the bare arithmetic of a time
// step, the cost of the engine's stepping with its progress text and passes
// through a real Qt event loop, their ratio, and the whole start-up run.
#include <QApplication>
#include <QLabel>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "anfangsprofil.h"
#include "modell.h"
#include "zeitschritte.h"

using namespace kalvion;
using Uhr = std::chrono::steady_clock;

namespace {

// What the main window does during a run: a progress label and passes
// through a real event loop.
struct QtBegleitung {
    QLabel fortschritt;
    Laufbegleitung begleitung()
    {
        return {[this](const std::string& t) { fortschritt.setText(QString::fromStdString(t)); },
                [] {
                    QApplication::processEvents();
                    return Fortgang::weiter;
                }};
    }
};

Modell startmodell()
{
    Modell m;
    startwerte_setzen(m);
    anfangsprofil(m);
    return m;
}

double sekunden_seit(Uhr::time_point t0)
{
    return std::chrono::duration<double>(Uhr::now() - t0).count();
}

// Best of several repetitions, to keep other load on the machine out.
template <class F>
double bestzeit(int wiederholungen, F f)
{
    double best = 1e300;
    for (int r = 0; r < wiederholungen; ++r) {
        const auto t0 = Uhr::now();
        f();
        best = std::min(best, sekunden_seit(t0));
    }
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const Modell vorlage = startmodell();
    Modell lange = vorlage;
    lange.Sinterzeit_s = 20 * 7200.0;  // a 40 h run: about 123000 steps
    schritte_vorbereiten(lange);
    const double schritte = lange.Schritte;
    const double zellschritte = schritte * vorlage.Zellen;

    long long senke = 0;
    const double bare = bestzeit(3, [&] {
        Modell m = lange;
        for (double k = 1; k <= schritte; ++k)
            senke += ein_zeitschritt(m);
    });

    QtBegleitung umgebung;
    umgebung.fortschritt.show();
    const double engine = bestzeit(3, [&] {
        Modell m = lange;
        zeitschritte(m, umgebung.begleitung());
    });

    const double standardlauf = bestzeit(5, [&] {
        Modell m = vorlage;
        anfangsprofil(m);
        zeitschritte(m, umgebung.begleitung());
    });

    std::printf("bare_ns_per_cell_step %.3f ns\n", bare * 1e9 / zellschritte);
    std::printf("engine_ns_per_cell_step %.3f ns\n", engine * 1e9 / zellschritte);
    std::printf("yield_overhead_ratio %.3f ratio\n", engine / bare);
    std::printf("default_run_ms %.3f ms\n", standardlauf * 1e3);
    return senke < 0;  // keeps the bare loop from being optimised away
}
