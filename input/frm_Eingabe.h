#pragma once
// "Kalvion - Eingabe": the six parameters, the model choice and the derived
// values D, step count and total mol%. Its "ok" is the only way back to the
// main window.

#include <QDialog>
#include <QLocale>

#include "feldpruefung.h"
#include "modell.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSvgWidget;

namespace kalvion {

class Hauptfenster;

class frm_Eingabe : public QDialog {
    Q_OBJECT
public:
    frm_Eingabe(Modell& m, Hauptfenster& haupt, const QLocale& locale = QLocale());

    QGroupBox* Modell_rahmen = nullptr;  // the frame "Modell"
    QRadioButton* opt_linear = nullptr;
    QRadioButton* opt_kugel = nullptr;
    QLineEdit* txt_Sintertemp = nullptr;
    QLineEdit* txt_Sinterzeit = nullptr;
    QLineEdit* txt_x_max = nullptr;
    QLineEdit* txt_D0 = nullptr;
    QLineEdit* txt_Q = nullptr;
    QLineEdit* txt_i_Diff = nullptr;
    QLabel* lbl_D_ergebnis = nullptr;
    QLabel* lbl_molprozent = nullptr;
    QLabel* lbl_Schritte = nullptr;
    QPushButton* cmd_ok = nullptr;
    QSvgWidget* Image_kugel = nullptr;
    QSvgWidget* Image_linear = nullptr;

    QLineEdit* feld(Feld f) const;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override {}  // Escape does nothing

private:
    void baue_oberflaeche();
    void Form_Activate();
    void opt_kugel_Click();
    void opt_linear_Click();
    void cmd_ok_Click();
    void feld_verlassen(Feld f);
    void waehle(QRadioButton* option);

    void d_anzeigen();
    void schritte_anzeigen();
    void molprozent_neu();
    QString feldtext(const Eingabewert& w) const;
    void uebernimm(Eingabewert& ziel, const QLineEdit* quelle);

    Modell& m_;
    Hauptfenster& haupt_;
    QLocale locale_;
    bool aktiviert_ = false;
    bool pruefung_laeuft_ = false;
    bool uebernommen_ = false;  // "ok" was pressed; the dialog is on its way out
};

}  // namespace kalvion
