#pragma once
// "Kalvion - Eingabe": the six parameters, the model choice and the derived
// values D, step count and total mol%. Its "ok" is the only way back to the
// main window. Its controls carry their names as objectName.

#include <QDialog>
#include <QLocale>
#include <array>

#include "feldpruefung.h"
#include "modell.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSvgWidget;

namespace kalvion {

class frm_Eingabe : public QDialog {
    Q_OBJECT
public:
    explicit frm_Eingabe(Modell& m, const QLocale& locale = QLocale());

signals:
    // The dialog has filled itself from the model: the main window waits.
    void aktiviert();
    // "ok" has stored the parameters and closed the dialog.
    void uebernommen();

protected:
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
    QLineEdit* feld(Feld f) const { return felder_[static_cast<int>(f)]; }

    void d_anzeigen();
    void schritte_anzeigen();
    void molprozent_anzeigen();

    Modell& m_;
    QLocale locale_;
    std::array<QLineEdit*, 6> felder_{};  // indexed by Feld
    QRadioButton* opt_linear = nullptr;
    QRadioButton* opt_kugel = nullptr;
    QLabel* lbl_D_ergebnis = nullptr;
    QLabel* lbl_molprozent = nullptr;
    QLabel* lbl_Schritte = nullptr;
    QPushButton* cmd_ok = nullptr;
    QSvgWidget* Image_kugel = nullptr;
    QSvgWidget* Image_linear = nullptr;
    bool aktiviert_ = false;
    bool pruefung_laeuft_ = false;
    bool uebernommen_ = false;  // "ok" was pressed; the dialog is on its way out
};

}  // namespace kalvion
