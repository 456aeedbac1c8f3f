#include "rechenwerk.h"

#include <QMetaType>
#include <QPointer>

namespace kalvion {

Rechenwerk::Rechenwerk(QObject* eltern) : QObject(eltern)
{
    qRegisterMetaType<Ergebniszeiger>();
    qRegisterMetaType<Laufausgang>();
}

Rechenwerk::~Rechenwerk()
{
    anhalten();
}

void Rechenwerk::starte(const Modell& parameter, Verfahren verfahren)
{
    anhalten();
    const unsigned nummer = ++lauf_nummer_;
    // The thread reports through queued calls into this object's thread; a
    // report that arrives after a newer run started, or after anhalten(), is
    // dropped there.
    auto gilt = [this, nummer] { return lauf_nummer_.load() == nummer; };
    faden_ = std::jthread([this, parameter, verfahren, gilt](std::stop_token halt) {
        Modell m = parameter;
        Laufbegleitung begleitung;
        begleitung.fortschritt = [this, gilt](const std::string& text) {
            QMetaObject::invokeMethod(
                this, [this, gilt, t = QString::fromStdString(text)] { if (gilt()) emit fortschritt(t); },
                Qt::QueuedConnection);
        };
        begleitung.halt = halt;
        const Laufausgang ausgang = lauf_rechnen(m, begleitung, verfahren);
        if (ausgang.ergebnis == Laufergebnis::fertig) {
            auto ergebnis = std::make_shared<const Ergebnis>(Ergebnis{std::move(m), ausgang});
            QMetaObject::invokeMethod(
                this, [this, gilt, ergebnis] { if (gilt()) emit fertig(ergebnis); }, Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(
                this, [this, gilt, ausgang] { if (gilt()) emit beendet(ausgang); }, Qt::QueuedConnection);
        }
    });
}

void Rechenwerk::abbrechen()
{
    faden_.request_stop();
}

void Rechenwerk::anhalten()
{
    ++lauf_nummer_;  // whatever is still queued is no longer wanted
    if (faden_.joinable()) {
        faden_.request_stop();
        faden_.join();
    }
}

}  // namespace kalvion
