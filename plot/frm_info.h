#pragma once
// "Kalvion - Info": version and contact, closed only through its OK button.

#include <QDialog>

class QLabel;
class QPushButton;

namespace kalvion {

class Hauptfenster;

class frm_info : public QDialog {
    Q_OBJECT
public:
    explicit frm_info(Hauptfenster& haupt);

    QPushButton* cmd_ok = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;

protected:
    void reject() override {}  // Escape does not close it

private:
    void cmd_ok_Click();
    Hauptfenster& haupt_;
};

}  // namespace kalvion
