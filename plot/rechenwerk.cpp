// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenwerk.h"

#include <QCoreApplication>
#include <QEvent>

namespace kalvion {

namespace {

const QEvent::Type Post_ist_da = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

Rechenwerk::Rechenwerk(QObject* eltern) : QObject(eltern) {}

Rechenwerk::~Rechenwerk()
{
    anhalten();
}

void Rechenwerk::starte(const Modell& parameter, Verfahren verfahren)
{
    anhalten();
    faden_ = std::jthread([this, parameter, verfahren](std::stop_token halt) {
        Modell m = parameter;
        Laufbegleitung begleitung;
        begleitung.fortschritt = [this](int prozent) {
            einwerfen([prozent](Postfach& p) { p.prozent = prozent; });
        };
        begleitung.halt = halt;
        const Laufausgang ausgang = lauf_rechnen(m, begleitung, verfahren);
        if (ausgang.ergebnis == Laufergebnis::fertig) {
            auto ergebnis = std::make_shared<const Ergebnis>(Ergebnis{std::move(m), ausgang});
            einwerfen([&ergebnis](Postfach& p) { p.ergebnis = std::move(ergebnis); });
        } else {
            einwerfen([&ausgang](Postfach& p) { p.ende = ausgang; });
        }
    });
}

void Rechenwerk::einwerfen(const std::function<void(Postfach&)>& was)
{
    {
        const std::lock_guard sperre(mutex_);
        was(postfach_);
    }
    QCoreApplication::postEvent(this, new QEvent(Post_ist_da));
}

void Rechenwerk::customEvent(QEvent* e)
{
    if (e->type() != Post_ist_da)
        return;
    Postfach post;
    {
        const std::lock_guard sperre(mutex_);
        std::swap(post, postfach_);
    }
    // Only the newest percent counts; the end comes after every percent.
    if (post.prozent)
        emit fortschritt(*post.prozent);
    if (post.ergebnis)
        emit fertig(post.ergebnis);
    else if (post.ende)
        emit beendet(*post.ende);
}

void Rechenwerk::abbrechen()
{
    faden_.request_stop();
}

void Rechenwerk::anhalten()
{
    if (faden_.joinable()) {
        faden_.request_stop();
        faden_.join();
    }
    // Whatever the stopped run left is no longer wanted; its events find an
    // empty box.
    const std::lock_guard sperre(mutex_);
    postfach_ = Postfach{};
}

}  // namespace kalvion
