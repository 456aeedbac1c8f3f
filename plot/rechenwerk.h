// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the computation of "Berechnung Starten" on a thread of its own, on a
// copy of the parameters, so that menus, message boxes and painting on the
// window's thread neither pause nor slow it. Progress and the end come back
// as signals on the window's thread; a cancel is a stop request the engine
// looks at after every step.

#include <QObject>
#include <QString>
#include <mutex>
#include <optional>
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
    // Asks the run to stop; it reports `beendet` with `abgebrochen` shortly after.
    void abbrechen();
    // Stops the run and waits until its thread has ended; nothing more is reported.
    void anhalten();

signals:
    // The whole percent done, each time it changes.
    void fortschritt(int prozent);
    // All steps done: the result, never to change again.
    void fertig(const kalvion::Ergebniszeiger& ergebnis);
    // Cancelled, or refused before the first step.
    void beendet(const kalvion::Laufausgang& ausgang);

protected:
    void customEvent(QEvent* e) override;

private:
    // What the thread leaves for the window's thread, under a lock of the
    // standard library; an empty event tells the window's thread to look.
    struct Postfach {
        std::optional<int> prozent;
        Ergebniszeiger ergebnis;
        std::optional<Laufausgang> ende;
    };
    void einwerfen(const std::function<void(Postfach&)>& was);

    std::mutex mutex_;
    Postfach postfach_;  // guarded by mutex_
    std::jthread faden_;
};

}  // namespace kalvion
