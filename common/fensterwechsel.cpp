#include "fensterwechsel.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace kalvion {

namespace {

constexpr char Merkmal[] = "kalvion_programmfenster";

class Beobachter : public QObject {
public:
    using QObject::QObject;
    const QWidget* zuletzt_verlassen = nullptr;  // compared only, never used
    bool war_programmfenster = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::WindowDeactivate && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w->isWindow()) {
                zuletzt_verlassen = w;
                war_programmfenster = w->property(Merkmal).toBool();
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
    return beobachter && beobachter->war_programmfenster && beobachter->zuletzt_verlassen != fenster;
}

}  // namespace kalvion
