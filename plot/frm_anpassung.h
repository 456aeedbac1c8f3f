// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Kalvion - Anpassung an Messprofil": the D that best explains the measured
// profile, its 95 % interval, the RMS residual and the D0 that gives this D at
// the current Q and temperature with its interval, and "D0 übernehmen". With a
// fixed surface concentration a check box fits that concentration too.

#include <QDialog>
#include <QLocale>
#include <functional>

#include "anpassung.h"
#include "modell.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kalvion {

// The texts the dialog shows, in the given locale.
struct Anpassungstexte {
    QString messung, d, intervall, rms, d0, d0_intervall, befund;
    QString c_s;      // the fitted surface concentration with its interval; empty where it was given
    QString d0_text;  // D0 as the parameter dialog would take it
};
Anpassungstexte anpassungstexte(const Anpassung& a, const Modell& parameter, const QString& dateiname,
                                const QLocale& locale);

class frm_anpassung : public QDialog {
    Q_OBJECT
public:
    // The fit again, with the surface concentration fitted too or not.
    using Neuanpassung = std::function<Anpassung(bool randwert)>;

    frm_anpassung(const Anpassung& a, const Modell& parameter, const QString& dateiname, const QLocale& locale,
                  QWidget* eltern = nullptr, Neuanpassung neu = {});

signals:
    // "D0 übernehmen": the D0 text for the parameters, as an "ok" takes it.
    void d0_uebernehmen(const QString& d0_text);

private:
    void zeige(const Anpassung& a);

    Modell parameter_;
    QString dateiname_;
    QLocale locale_;
    Neuanpassung neu_;
    Anpassungstexte texte_;
    QLabel *lbl_messung_ = nullptr, *lbl_D_ = nullptr, *lbl_intervall_ = nullptr, *lbl_rms_ = nullptr,
           *lbl_c_s_ = nullptr, *lbl_D0_ = nullptr, *lbl_D0_intervall_ = nullptr, *lbl_befund_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
};

}  // namespace kalvion
