// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's final profiles for the start-up values against closed-form
// solutions of the diffusion equation: this pins geometry and signs to the
// physics, not only to the engine's own earlier output.
#include <QTest>

#include "loesungen.h"
#include "testhilfen.h"
using namespace kalvion;

class tst_physik : public QObject {
    Q_OBJECT
private slots:
    void linearer_stab()
    {
        const double groesste = abweichung_von_geschlossener_loesung(standardlauf(false));
        qInfo("largest deviation from the erf images: %.5f mol%%", groesste);
        QVERIFY2(groesste < Toleranz_stab, qPrintable(QString::number(groesste)));
    }

    void kugel_mit_schale()
    {
        const double groesste = abweichung_von_geschlossener_loesung(standardlauf(true));
        qInfo("largest deviation from the eigen-series: %.5f mol%%", groesste);
        QVERIFY2(groesste < Toleranz_kugel, qPrintable(QString::number(groesste)));
    }
};

QTEST_APPLESS_MAIN(tst_physik)
#include "tst_physik.moc"
