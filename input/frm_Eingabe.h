// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Kalvion - Eingabe": the six parameters, the model choice and the derived
// values D, step count and total mol%. Its "ok" is the only way back to the
// main window. Its controls carry their names as objectName.

#include <QDialog>
#include <QLocale>
#include <array>
#include <functional>

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
    // Where the dialog takes its copy of the parameters in force when it
    // fills itself; it edits only that copy until "ok" hands it over.
    using Parameterquelle = std::function<Modell()>;
    explicit frm_Eingabe(Parameterquelle quelle, const QLocale& locale = QLocale());

    // The dialog's own copy as the field checks have left it so far.
    const Modell& parameter() const { return m_; }

signals:
    // The dialog has filled itself from its copy: the main window waits.
    void aktiviert();
    // "ok" has stored the parameters in the copy and closed the dialog; the
    // copy, with its derived values and initial profile, goes with it.
    void uebernommen(const kalvion::Modell& parameter);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override {}  // Escape does nothing

private:
    void baue_oberflaeche();
    void Form_Activate();
    bool erst_fuellen();  // true when the dialog had not filled itself yet and does so now
    void option_Click(Geometrie g);
    void cmd_ok_Click();
    void feld_verlassen(Feld f);
    void waehle(Geometrie g);
    QLineEdit* feld(Feld f) const { return felder_[static_cast<int>(f)]; }

    void cmd_programm_Click();
    void programm_anzeigen();

    void d_anzeigen();
    void schritte_anzeigen();
    void molprozent_anzeigen();

    Parameterquelle quelle_;
    Modell m_;  // the dialog's own copy: no other window sees it before "ok"
    QLocale locale_;
    std::array<QLineEdit*, Feldzahl> felder_{};  // indexed by Feld
    std::array<QRadioButton*, Geometrien.size()> optionen_{};  // indexed by Geometrie
    std::array<QSvgWidget*, Geometrien.size()> bilder_{};      // indexed by Geometrie
    QLabel* lbl_D_ergebnis = nullptr;
    QLabel* lbl_molprozent = nullptr;
    QLabel* lbl_Schritte = nullptr;
    QPushButton* cmd_ok = nullptr;
    QPushButton* cmd_programm = nullptr;
    QLabel* lbl_programm = nullptr;
    bool aktiviert_ = false;
    bool pruefung_laeuft_ = false;
    bool uebernommen_ = false;  // "ok" was pressed; the dialog is on its way out
};

}  // namespace kalvion
