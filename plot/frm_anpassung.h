// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Kalvion - Anpassung an Messprofil": the D that best explains the measured
// profile, its 95 % interval, the RMS residual and the D0 that gives this D at
// the current Q and temperature with its interval, and "D0 übernehmen".

#include <QDialog>
#include <QLocale>

#include "anpassung.h"
#include "modell.h"

namespace kalvion {

// The texts the dialog shows, in the given locale.
struct Anpassungstexte {
    QString messung, d, intervall, rms, d0, d0_intervall, befund;
    QString d0_text;  // D0 as the parameter dialog would take it
};
Anpassungstexte anpassungstexte(const Anpassung& a, const Modell& parameter, const QString& dateiname,
                                const QLocale& locale);

class frm_anpassung : public QDialog {
    Q_OBJECT
public:
    frm_anpassung(const Anpassung& a, const Modell& parameter, const QString& dateiname, const QLocale& locale,
                  QWidget* eltern = nullptr);

signals:
    // "D0 übernehmen": the D0 text for the parameters, as an "ok" takes it.
    void d0_uebernehmen(const QString& d0_text);

private:
    Anpassungstexte texte_;
};

}  // namespace kalvion
