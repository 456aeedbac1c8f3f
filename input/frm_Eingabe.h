// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Kalvion - Eingabe": the six parameters, the model choice, how the profile
// starts, what crosses the surface, and the derived values D, step count and
// total mol%. Its "ok" is
// the only way back to the main window. Its controls carry their names as
// objectName.

#include <QDialog>
#include <QLocale>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "anfangswahl.h"
#include "ergebnis.h"
#include "feldpruefung.h"
#include "messprofil.h"
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

    // What a start profile may come from, given by the main window: its
    // current result (none before the first run, during one, after a changed
    // "ok") and the choice of a file (empty when cancelled).
    struct Startquellen {
        std::function<Ergebniszeiger()> ergebnis;
        std::function<QString(QWidget* eltern)> datei_waehlen;
    };
    explicit frm_Eingabe(Parameterquelle quelle, const QLocale& locale = QLocale(), Startquellen start = {});

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
    // Empty when the start chosen fits the parameters as they are now;
    // otherwise why not.
    QString start_pruefen(const Modell& parameter) const;
    void feld_verlassen(Feld f);
    void waehle(Geometrie g);
    QLineEdit* feld(Feld f) const { return felder_[static_cast<int>(f)]; }

    void cmd_programm_Click();
    void programm_anzeigen();

    void baue_anfang();
    void anfang_Click(Anfangsart a);
    bool waehle_anfang(Anfangsart a);  // false: refused, the choice before stays
    bool cmd_startdatei_Click();       // false: cancelled or refused
    void anfang_anzeigen();            // the options, c0, i_Diff and the file as the copy holds them
    void zeige_anfangsoption(Anfangsart a);

    void baue_rand(int oben);  // in twips
    void oberflaeche_Click(Oberflaechenart a);
    void oberflaeche_anzeigen();  // the option and its fields as the copy holds them
    QLineEdit* randfeld(QWidget* rahmen, Feld f);
    static QString anfang_objektname(Anfangsart a);  // "opt_anfang_datei"

    void d_anzeigen();
    void schritte_anzeigen();
    void molprozent_anzeigen();

    Parameterquelle quelle_;
    Modell m_;  // the dialog's own copy: no other window sees it before "ok"
    QLocale locale_;
    std::array<QLineEdit*, Feldzahl + Randfeldzahl> felder_{};  // indexed by Feld
    std::array<QRadioButton*, Geometrien.size()> optionen_{};  // indexed by Geometrie
    std::array<QSvgWidget*, Geometrien.size()> bilder_{};      // indexed by Geometrie
    QLabel* lbl_D_ergebnis = nullptr;
    QLabel* lbl_molprozent = nullptr;
    QLabel* lbl_Schritte = nullptr;
    QPushButton* cmd_ok = nullptr;
    QPushButton* cmd_programm = nullptr;
    QLabel* lbl_programm = nullptr;
    Startquellen start_;
    std::array<QRadioButton*, Anfangsarten.size()> anfang_optionen_{};  // indexed by Anfangsart
    std::array<QRadioButton*, Oberflaechenarten.size()> oberflaechen_optionen_{};  // indexed by Oberflaechenart
    QPushButton* cmd_startdatei = nullptr;
    QLabel* lbl_startdatei = nullptr;
    // The profiles of the two kinds given point by point, kept while another
    // start is chosen, so that a return to them keeps them.
    std::shared_ptr<const Startprofil> datei_profil_, ergebnis_profil_;
    QString datei_beschreibung_;  // "scan.csv: 40 Punkte"
    std::optional<Ergebnisherkunft> ergebnis_herkunft_;
    bool aktiviert_ = false;
    bool pruefung_laeuft_ = false;
    bool uebernommen_ = false;  // "ok" was pressed; the dialog is on its way out
};

}  // namespace kalvion
