// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Kalvion - Temperaturprogramm": the furnace cycle as a table of segments,
// its drawing T(t) and what it equals at its highest temperature. "ok" hands
// the programme over, "Kein Programm" drops it, "Abbrechen" leaves it as it was.

#include <QDialog>
#include <QLocale>

#include "programmeingabe.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kalvion {

class Programmtabelle;

// The drawing of T(t): time in h to the right, temperature in °C upwards.
class Programmkurve : public QWidget {
    Q_OBJECT
public:
    explicit Programmkurve(const QLocale& locale, QWidget* eltern = nullptr);
    void setze(const std::optional<Temperaturprogramm>& p);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QLocale locale_;
    std::optional<Temperaturprogramm> programm_;
};

class frm_Programm : public QDialog {
    Q_OBJECT
public:
    // How the dialog ends besides "ok" (Accepted) and "Abbrechen" (Rejected).
    static constexpr int Kein_Programm = 2;

    // Q in J/mol for the equivalent time; without a programme the dialog
    // starts from 20 °C with the hold of the isothermal fields.
    frm_Programm(const Programmeingabe& eingabe, double Q, const QLocale& locale = QLocale(),
                 QWidget* eltern = nullptr);
    ~frm_Programm() override;

    // The programme as the table holds it now.
    Programmeingabe eingabe() const;

private:
    void aktualisieren();
    void cmd_ok_Click();

    double Q_;
    QLocale locale_;
    Programmtabelle* tabelle_ = nullptr;
    QLineEdit* txt_start = nullptr;
    QTableView* tbl_segmente = nullptr;
    Programmkurve* kurve_ = nullptr;
    QLabel* lbl_aequivalent = nullptr;
    QPushButton* cmd_ok = nullptr;
};

}  // namespace kalvion
