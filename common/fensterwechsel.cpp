#include "fensterwechsel.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace kalvion {

namespace {

constexpr char Merkmal[] = "kalvion_programmfenster";

// Remembers, for each activation of a top-level window, which window was
// active before it. Qt activates the new window before it deactivates the old
// one, so the deactivation cannot tell.
class Beobachter : public QObject {
public:
    using QObject::QObject;
    const QWidget* aktiv = nullptr;  // compared only, never used
    bool aktiv_ist_programmfenster = false;
    const QWidget* vorher = nullptr;
    bool vorher_war_programmfenster = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // Application filters run before the window's own handler sees the event.
        if (e->type() == QEvent::WindowActivate && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w->isWindow() && w != aktiv) {
                vorher = aktiv;
                vorher_war_programmfenster = aktiv_ist_programmfenster;
                aktiv = w;
                aktiv_ist_programmfenster = w->property(Merkmal).toBool();
            }
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
