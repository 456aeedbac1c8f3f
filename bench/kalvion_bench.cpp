// SPDX-License-Identifier: GPL-3.0-or-later
// Prints "name value unit" lines: the cost of the bare arithmetic of a time
// step, the cost of the engine's stepping with its progress text and passes
// through a real Qt event loop, their ratio, the whole start-up run, the run
// that steps 1000 steps and jumps over the rest, and how fast the main window
// stops a run when asked to; for the command line, a study of 40 start-up runs
// on one and on all threads, the whole process of one default run, the cost
// of a results-file block and its share of a study, and the memory of a study
// of 100 000 runs; the longest fit of D to a measured profile.
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <stop_token>
#include <QPainter>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <csignal>
#include <sys/resource.h>

#include "anfangsprofil.h"
#include "anpassung.h"
#include "ausgabeziele.h"
#include "ergebnisdatei.h"
#include "frm_grafik.h"
#include "grafik.h"
#include "meldung.h"
#include "messprofil.h"
#include "modell.h"
#include "sprung.h"
#include "studienlauf.h"
#include "zeitschritte.h"

using namespace kalvion;
using Uhr = std::chrono::steady_clock;

namespace {

// What the window's worker hands the engine: a progress report, which it
// passes on, and a stop token the engine looks at every step.
struct QtBegleitung {
    std::stop_source halt;
    int fortschritt = 0;
    Laufbegleitung begleitung()
    {
        Laufbegleitung b;
        b.fortschritt = [this](int prozent) { fortschritt = prozent; };
        b.halt = halt.get_token();
        return b;
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

// The 1 µm particle at 1050 °C for 10000 h: about 7.7·10^10 steps.
Modell zehntausend_stunden(bool kugel)
{
    Modell m;
    startwerte_setzen(m);
    m.Geometrie = kugel ? Geometrie::sphaerisch : Geometrie::linear;
    m.x_max.setze_zahl(1);
    weg_ableiten(m);
    m.Sinterzeit.setze_zahl(10000);
    sekunden_ableiten(m);
    return m;
}

// A whole run the fast way: 1000 steps with their snapshots, then one jump.
void schnelllauf(Modell& m)
{
    anfangsprofil(m);
    schritte_vorbereiten(m);
    for (double k = 1; k <= Schritte_vor_dem_Sprung; ++k) {
        m.Fehlerzahl += ein_zeitschritt(m);
        if (k == 10)
            m.Konz_10 = m.Konz;
        else if (k == 100)
            m.Konz_100 = m.Konz;
    }
    m.Konz_1000 = m.Konz;
    springe(m, m.Schritte - Schritte_vor_dem_Sprung);
}

// Largest |Konz| difference in mol% between jumping and stepping a run of
// about 10^6 steps (the start-up values for 326 h), in either model.
double sprung_gegen_schritte()
{
    double groesste = 0;
    for (const bool kugel : {false, true}) {
        Modell gestuft;
        startwerte_setzen(gestuft);
        gestuft.Geometrie = kugel ? Geometrie::sphaerisch : Geometrie::linear;
        gestuft.Sinterzeit.setze_zahl(326);
        sekunden_ableiten(gestuft);
        Modell gesprungen = gestuft;
        schnelllauf(gesprungen);
        anfangsprofil(gestuft);
        schritte_vorbereiten(gestuft);
        for (double k = 1; k <= gestuft.Schritte; ++k)
            ein_zeitschritt(gestuft);
        for (int i = 1; i <= gestuft.Zellen; ++i)
            groesste = std::max(groesste, std::fabs(gesprungen.Konz[i] - gestuft.Konz[i]));
    }
    return groesste;
}

// Waits in an event loop, as the program does, until the main window's run has
// reported its end; looks every millisecond, which costs the worker nothing.
void warte_auf_laufende(const frm_grafik& w)
{
    QEventLoop schleife;
    QTimer uhr;
    QObject::connect(&uhr, &QTimer::timeout, &schleife, [&] {
        if (!w.laeuft())
            schleife.quit();
    });
    uhr.start(1);
    if (w.laeuft())
        schleife.exec();
}

// The longest time, in seconds, from a cancel request to the moment the main
// window has the run's end, over ten long runs cancelled at different points.
// The run computes on its worker thread; the request is the menu command.
double abbruch_latenz()
{
    Modell m;
    frm_grafik w(m, Dialogfabriken{}, QLocale::c());
    w.setze_zellschrittkosten(1e-15);  // no question before the run
    w.show();
    auto* starten = w.findChild<QAction*>(QStringLiteral("mnu_run"));
    auto* abbrechen = w.findChild<QAction*>(QStringLiteral("mnu_abbrechen"));
    double laengste = 0;
    for (int r = 0; r < 10; ++r) {
        m.Sinterzeit_s = 3600.0 * 10000;  // 30 million steps, some seconds: never finished here
        starten->trigger();
        QEventLoop warten;
        QTimer::singleShot(100 + 7 * r, Qt::PreciseTimer, &warten, &QEventLoop::quit);
        warten.exec();
        const auto t0 = Uhr::now();
        abbrechen->trigger();
        warte_auf_laufende(w);
        laengste = std::max(laengste, sekunden_seit(t0));
        if (m.Berechnung_aktuell)
            return -1;  // the run ended by itself: nothing was measured
    }
    return laengste;
}

// The stepped 10000 h run of the start-up values (30.7 million steps) through
// the main window, from the command to the result, divided by the time of
// kalvion-cli for the same run. Before the run the window's thread paints
// antialiased, as every desktop session does; under a real X server (see
// bench/desktop.sh) that is where the window used to lose its speed.
double fenster_gegen_cli()
{
    const Meldungsweg alt = setze_meldungsweg([](QWidget*, const QString&) {});
    Modell m;
    frm_grafik w(m, Dialogfabriken{}, QLocale::c());
    w.setze_zellschrittkosten(1e-15);
    w.show();
    {
        QImage bild(800, 500, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        Modell probe = startmodell();
        lauf_rechnen(probe);
        zeichne_grafik(p, bild.size(), probe, QLocale::c(), Qt::black);
    }
    m.Sinterzeit.setze_zahl(10000);
    sekunden_ableiten(m);
    const auto t0 = Uhr::now();
    w.findChild<QAction*>(QStringLiteral("mnu_run"))->trigger();
    warte_auf_laufende(w);
    const double fenster = sekunden_seit(t0);
    setze_meldungsweg(alt);
    if (!m.Berechnung_aktuell)
        return -1;

    const auto t1 = Uhr::now();
    QProcess p;
    p.start(QStringLiteral(KALVION_CLI), {QStringLiteral("--zeit"), QStringLiteral("10000"),
                                          QStringLiteral("--verfahren"), QStringLiteral("schrittweise")});
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        return -1;
    return fenster / sekunden_seit(t1);
}

// Seconds for a study of 40 runs of the start-up size (i_Diff 1 to 40), with
// the results-file blocks the command would write or without them.
double studie_sekunden(int threads, bool bloecke = true)
{
    using namespace kalvion::cli;
    Studie studie = Studie::startwerte();
    studie.listen[static_cast<int>(Feld::i_Diff)] = Werteliste::lesen(Feld::i_Diff, QStringLiteral("--i-diff"),
                                                                      QStringLiteral("1:40:1"));
    const Laufbereich alle{0, studie.anzahl()};
    Ausgaben ausgaben;
    ausgaben.locale = QLocale::c();
    ausgaben.block = bloecke;
    ausgaben.kopfzeile = QStringLiteral("/tmp/studie.txt");
    ausgaben.datum = QDate(2024, 1, 1);
    ausgaben.tabellenzeile = true;
    const std::atomic<int> nie{0};
    // Best of seven: the machine's two cores are shared.
    return bestzeit(7, [&] {
        const double aufwand = laeufe_pruefen(studie, alle, Verfahrenswahl::schrittweise, ausgaben.locale).aufwand;
        const Studienende ende = studie_rechnen(studie, alle, Verfahrenswahl::schrittweise, ausgaben, threads, nie,
                                                [](std::uint64_t, Laufertrag&) { return true; },
                                                {}, aufwand);
        if (ende != Studienende::fertig)
            std::abort();
    });
}

// Seconds to format `bloecke` results-file blocks of the start-up run in the
// German locale, each written to `spool` when given.
double bloecke_sekunden(int bloecke, cli::Ergebnisspool* spool = nullptr)
{
    Modell m = startmodell();
    zeitschritte(m);
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    qsizetype summe = 0;
    QString grund;
    const double sekunden = bestzeit(5, [&] {
        for (int i = 0; i < bloecke; ++i) {
            const QByteArray block = ergebnisblock(m, QStringLiteral("/tmp/ergebnis.txt"), QDate(2024, 1, 1), deutsch).value();
            summe += block.size();
            if (spool && !spool->schreiben(block, grund))
                std::abort();
        }
    });
    if (summe == 0)
        std::abort();
    return sekunden;
}

// The share that --datei adds to a study of start-up runs on one thread:
// formatting each block and writing it to the spool beside the target, against
// computing the runs and their table rows. The share per run is the same in a
// study of 40 runs as in one of 100 000; measured apart, so that other load
// on the machine does not swamp a difference of a few percent.
double datei_mehraufwand()
{
    QTemporaryDir ordner;
    cli::Ergebnisspool spool;
    QString grund;
    if (!spool.oeffnen(ordner.filePath(QStringLiteral("studie.txt")), grund))
        std::abort();
    return bloecke_sekunden(40, &spool) / studie_sekunden(1, false);
}

// The largest resident memory of kalvion-cli, in MB, over a study of 100 000
// short runs with the table and the results file: it does not grow with the
// run count.
double studie_speicher_mb()
{
    QTemporaryDir ordner;
    QProcess p;
    p.setWorkingDirectory(ordner.path());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral(KALVION_CLI), {QStringLiteral("--d0"), QStringLiteral("0.001:100:0.001"),
                                          QStringLiteral("--zeit"), QStringLiteral("0.1"), QStringLiteral("--tabelle"),
                                          QStringLiteral("--datei"), QStringLiteral("e.txt")});
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        std::abort();
    rusage verbrauch{};
    getrusage(RUSAGE_CHILDREN, &verbrauch);
    return verbrauch.ru_maxrss / 1024.0;
}

// The whole process of one default run of kalvion-cli.
double cli_standardlauf_sekunden()
{
    return bestzeit(5, [] {
        QProcess p;
        p.start(QStringLiteral(KALVION_CLI), {});
        if (!p.waitForFinished() || p.exitCode() != 0)
            std::abort();
    });
}

// The longest of the fits of D to a profile of 40 points, over every model,
// short and long paths and few and many steps (best of three each).
double anpassung_sekunden()
{
    double laengste = 0;
    for (const Geometrie geometrie : {Geometrie::linear, Geometrie::zylindrisch, Geometrie::sphaerisch})
        for (const double x_max : {1.0, 50.0, 1000.0})
            for (const double stunden : {0.01, 2.0, 10000.0}) {
                Modell m = startmodell();
                Parametersatz p;
                p.eingaben = {{&Modell::x_max, Eingabewert{x_max, std::nullopt}},
                              {&Modell::Sinterzeit, Eingabewert{stunden, std::nullopt}}};
                m.Geometrie = geometrie;
                parameter_uebernehmen(m, p);
                Modell lauf = m;
                lauf_rechnen(lauf, {}, Verfahren::sprung);
                std::vector<Messpunkt> punkte;
                for (int j = 0; j < 40; ++j) {
                    const double x = (j + 0.5) * x_max / 40;
                    punkte.push_back({x, profil_bei(lauf.Konz, lauf.Zellen, x_max, x) + (j % 3 - 1) * 0.3});
                }
                laengste = std::max(laengste, bestzeit(3, [&] { d_anpassen(m, punkte); }));
            }
    return laengste;
}

// A measured profile of 10 MiB, the most a file may hold: two columns,
// about 700 000 points.
QByteArray groesstes_messprofil()
{
    QByteArray text("x;c\n");
    for (int i = 0; text.size() < Messdateigrenze - 32; ++i)
        text += QByteArray::number(i * 1e-5, 'f', 5) + ';' + QByteArray::number(50 - i * 5e-5, 'f', 4) + '\n';
    return text;
}

// Reading the largest measured profile a file may hold, as "Messprofil
// laden …" does on the window's thread.
double messprofil_lesen_sekunden()
{
    const QByteArray text = groesstes_messprofil();
    return bestzeit(3, [&] {
        if (!messprofil_lesen(text).ok)
            std::abort();
    });
}

// From SIGINT to the end of kalvion-cli, the longest over its phases: while
// it computes a study of a billion runs (after its first row), and while it
// reads and fits the largest measured profile (once it has read the file).
double cli_abbruch_sekunden()
{
    QTemporaryDir ordner;
    QFile datei(ordner.filePath(QStringLiteral("gross.csv")));
    const QByteArray profil = groesstes_messprofil();
    if (!datei.open(QIODevice::WriteOnly) || datei.write(profil) != profil.size())
        std::abort();
    datei.close();
    const auto gelesen = [&](qint64 pid) {
        QFile io(QStringLiteral("/proc/%1/io").arg(pid));
        if (!io.open(QIODevice::ReadOnly))
            return true;
        const QByteArray text = io.readAll();
        const qsizetype i = text.indexOf("rchar: ");
        return i < 0 || text.mid(i + 7, text.indexOf('\n', i) - i - 7).toLongLong() >= profil.size();
    };
    double laengste = 0;
    for (const bool studie : {true, false}) {
        QProcess p;
        p.setWorkingDirectory(ordner.path());
        p.start(QStringLiteral(KALVION_CLI),
                studie ? QStringList{"--temperatur", "1000:1100:1", "--zeit", "1:10000:1", "--d0", "1:1000:1",
                                     "--tabelle", "--viele", "--verfahren", "schrittweise"}
                       : QStringList{"--anpassen", "gross.csv@1000"});
        if (!p.waitForStarted())
            std::abort();
        if (studie)
            p.waitForReadyRead(60000);
        else
            while (!gelesen(p.processId()))
                QThread::usleep(100);
        const auto t0 = Uhr::now();
        kill(static_cast<pid_t>(p.processId()), SIGINT);
        if (!p.waitForFinished(60000) || p.exitCode() != 130)
            std::abort();
        laengste = std::max(laengste, sekunden_seit(t0));
    }
    return laengste;
}

// "name value unit", the value without the C library's locale.
void zeile(const char* name, double wert, const char* einheit, std::chars_format form = std::chars_format::fixed,
    int stellen = 3)
{
    char zahl[64];
    *std::to_chars(zahl, zahl + sizeof zahl - 1, wert, form, stellen).ptr = '\0';
    std::printf("%s %s %s\n", name, zahl, einheit);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // "kalvion_bench gui_vs_cli_ratio": that figure alone (half a minute), for
    // a look on a desktop without the rest.
    if (argc > 1 && std::string_view(argv[1]) == "gui_vs_cli_ratio") {
        zeile("gui_vs_cli_ratio", fenster_gegen_cli(), "ratio");
        return 0;
    }

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

    // The same run with the surface held at a fixed concentration: its own
    // step (the surface's flux, each cell checked against its neighbours)
    // and its smaller step limit.
    Modell offen = lange;
    offen.Oberflaeche = Oberflaechenart::konzentration;
    schritte_vorbereiten(offen);
    const double offene_schritte = offen.Schritte;
    const double offen_bare = bestzeit(3, [&] {
        Modell m = offen;
        for (double k = 1; k <= offene_schritte; ++k)
            senke += ein_zeitschritt_offen(m, m.D, m.Randleitwert);
    });

    QtBegleitung umgebung;
    const double engine = bestzeit(3, [&] {
        Modell m = lange;
        zeitschritte(m, umgebung.begleitung());
    });

    const double standardlauf = bestzeit(5, [&] {
        Modell m = vorlage;
        anfangsprofil(m);
        zeitschritte(m, umgebung.begleitung());
    });

    const Modell lang_linear = zehntausend_stunden(false), lang_kugel = zehntausend_stunden(true);
    double schritte_lang = 0;
    const double schnell_linear = bestzeit(5, [&] {
        Modell m = lang_linear;
        schnelllauf(m);
        schritte_lang = m.Schritte;
    });
    const double schnell_kugel = bestzeit(5, [&] {
        Modell m = lang_kugel;
        schnelllauf(m);
    });

    zeile("bare_ns_per_cell_step", bare * 1e9 / zellschritte, "ns");
    zeile("engine_ns_per_cell_step", engine * 1e9 / zellschritte, "ns");
    zeile("yield_overhead_ratio", engine / bare, "ratio");
    zeile("open_surface_ns_per_cell_step", offen_bare * 1e9 / (offene_schritte * vorlage.Zellen), "ns");
    zeile("default_run_ms", standardlauf * 1e3, "ms");
    zeile("fast_run_steps", schritte_lang, "steps", std::chars_format::scientific, 3);
    zeile("fast_run_ms_linear", schnell_linear * 1e3, "ms");
    zeile("fast_run_ms_spherical", schnell_kugel * 1e3, "ms");
    zeile("fast_vs_stepped_max_diff", sprung_gegen_schritte(), "mol%", std::chars_format::scientific, 2);
    zeile("fit_ms", anpassung_sekunden() * 1e3, "ms");
    zeile("cancel_latency_ms", abbruch_latenz() * 1e3, "ms");
    zeile("gui_vs_cli_ratio", fenster_gegen_cli(), "ratio");

    const double studie_1 = studie_sekunden(1);
    const double studie_alle = studie_sekunden(std::max(QThread::idealThreadCount(), 1));
    zeile("study_runs_per_s_1_thread", 40 / studie_1, "runs/s");
    zeile("study_runs_per_s_all_threads", 40 / studie_alle, "runs/s");
    zeile("study_thread_ratio", studie_1 / studie_alle, "ratio");
    zeile("cli_default_run_ms", cli_standardlauf_sekunden() * 1e3, "ms");
    zeile("block_format_us", bloecke_sekunden(500) * 1e6 / 500, "us");
    zeile("study_datei_overhead", datei_mehraufwand(), "ratio");
    zeile("study_100000_runs_peak_mb", studie_speicher_mb(), "MB");
    zeile("profile_10mib_read_ms", messprofil_lesen_sekunden() * 1e3, "ms");
    zeile("cli_signal_latency_ms", cli_abbruch_sekunden() * 1e3, "ms");
    return senke < 0;  // keeps the bare loop from being optimised away
}
