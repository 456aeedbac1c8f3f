// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Kalvion - Info": version and contact, closed only through its OK button.

#include <QDialog>

namespace kalvion {

class frm_info : public QDialog {
    Q_OBJECT
public:
    explicit frm_info(QWidget* eltern = nullptr);

signals:
    // "OK" has closed the dialog: the main window comes to the front.
    void geschlossen();

protected:
    void reject() override {}  // Escape does not close it

private:
    void cmd_ok_Click();
};

}  // namespace kalvion
