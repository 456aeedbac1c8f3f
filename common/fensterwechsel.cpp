// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterwechsel.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace kalvion {

namespace {

constexpr char Merkmal[] = "kalvion_programmfenster";

// Remembers, for each activation of a top-level window, which window was
// active before it. Qt activates the new window before it deactivates the old
// one; so a window deactivated while it is still the active one lost the
// focus to another program. While another program has the focus no window of
// this program is active, and a return from there is no move between the
// program's windows.
class Beobachter : public QObject {
public:
    explicit Beobachter(QObject* eltern) : QObject(eltern)
    {
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState zustand) {
            if (zustand != Qt::ApplicationActive)
                keines_aktiv();
        });
    }

    const QWidget* aktiv = nullptr;  // compared only, never used
    bool aktiv_ist_programmfenster = false;
    const QWidget* vorher = nullptr;
    bool vorher_war_programmfenster = false;

    void keines_aktiv()
    {
        vorher = aktiv;
        vorher_war_programmfenster = aktiv_ist_programmfenster;
        aktiv = nullptr;
        aktiv_ist_programmfenster = false;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // Application filters run before the window's own handler sees the event.
        if (!o->isWidgetType() || !static_cast<QWidget*>(o)->isWindow())
            return false;
        auto* w = static_cast<QWidget*>(o);
        if (e->type() == QEvent::WindowActivate && w != aktiv) {
            vorher = aktiv;
            vorher_war_programmfenster = aktiv_ist_programmfenster;
            aktiv = w;
            aktiv_ist_programmfenster = w->property(Merkmal).toBool();
        } else if (e->type() == QEvent::WindowDeactivate && w == aktiv) {
            // Deactivated with no other window of ours activated first: the
            // focus went to another program.
            keines_aktiv();
        }
        return false;
    }
};

Beobachter* beobachter = nullptr;

}  // namespace

void als_programmfenster_markieren(QWidget* fenster)
{
    fenster->setProperty(Merkmal, true);
}

void fensterwechsel_beobachten()
{
    if (beobachter || !qApp)
        return;
    beobachter = new Beobachter(qApp);
    qApp->installEventFilter(beobachter);
    QObject::connect(qApp, &QObject::destroyed, [] { beobachter = nullptr; });
}

bool kam_von_anderem_programmfenster(const QWidget* fenster)
{
    return beobachter && beobachter->aktiv == fenster && beobachter->vorher_war_programmfenster &&
           beobachter->vorher != fenster;
}

}  // namespace kalvion
