#pragma once
// Runs the computation of "Berechnung Starten" on a thread of its own, on a
// copy of the parameters, so that menus, message boxes and painting on the
// window's thread neither pause nor slow it. Progress and the end come back
// as queued signals; a cancel is a stop request the engine looks at after
// every step.

#include <QObject>
#include <QString>
#include <atomic>
#include <thread>

#include "ergebnis.h"
#include "modell.h"
#include "zeitschritte.h"

namespace kalvion {

class Rechenwerk : public QObject {
    Q_OBJECT
public:
    explicit Rechenwerk(QObject* eltern = nullptr);
    // Stops a run still going and waits for its thread: nothing outlives the window.
    ~Rechenwerk() override;

    // Starts a run of these parameters; a run still going is stopped first and
    // whatever it would still have reported is dropped.
    void starte(const Modell& parameter, Verfahren verfahren);
    // Asks the run to stop; it ends with `abgebrochen` shortly after.
    void abbrechen();
    // Stops the run and waits until its thread has ended; nothing more is reported.
    void anhalten();

signals:
    // The engine's percent text ("37  %"), each time it changes.
    void fortschritt(const QString& prozenttext);
    // All steps done: the result, never to change again.
    void fertig(const kalvion::Ergebniszeiger& ergebnis);
    // Cancelled or refused before the first step.
    void beendet(const kalvion::Laufausgang& ausgang);

private:
    // Every run has a number; a report of an older run that was still queued
    // when a newer one started is dropped on arrival.
    std::atomic<unsigned> lauf_nummer_{0};
    std::jthread faden_;
};

}  // namespace kalvion
