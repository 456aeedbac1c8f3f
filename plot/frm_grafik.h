// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the graph of the last run, the run button, the progress
// text, the cursor read-out and the menus that lead to every other window.
// Its controls and menu items carry their names as objectName.

#include <QElapsedTimer>
#include <QImage>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

#include "ergebnis.h"
#include "messprofil.h"
#include "modell.h"
#include "zeitschritte.h"

class QAction;
class QLabel;
class QPushButton;
class QTimer;

namespace kalvion {

class Rechenwerk;
class Zeichenflaeche;
class frm_grafik;

// Creates a dialog for the main window and connects its signals; the app
// supplies them, so that this window needs none of the dialogs' headers.
using Dialogfabrik = std::function<QWidget*(frm_grafik&)>;

// The message after a run: its error count ("0 Fehler", saying which count it
// is with an open surface) and, with an open surface, the balance on a line
// of its own.
QString laufmeldung(const Ergebnis& ergebnis, const QLocale& locale);

struct Dialogfabriken {
    Dialogfabrik eingabe;
    Dialogfabrik speichern;
};

class frm_grafik : public QMainWindow {
    Q_OBJECT
public:
    // `m` holds the parameters in force (those of the last "ok") and, after a
    // finished run, a copy of its result; only this window writes it.
    frm_grafik(Modell& m, Dialogfabriken fabriken, const QLocale& locale = QLocale());
    ~frm_grafik() override;

    // Clears the surface, then draws the graph if a completed result is current
    // and the window is big enough.
    void Form_Resize();

    // What the dialogs' signals lead to.
    void freigeben(bool frei);    // enable or disable the whole window
    void nach_vorn();             // make visible, show non-modal, activate
    void startknopf_zeigen();     // cmd_run visible, then enabled
    void parameter_uebernommen(const Modell& parameter); // the parameter dialog's "ok"

    // The parameters in force, for a dialog to take its own copy of.
    const Modell& parameter() const { return m_; }
    // The result a save or an export writes: the current one, if any, and
    // whether a run is in progress.
    Ergebnisstand ergebnisstand() const { return {aktuelles_ergebnis(), laeuft_, behalten_}; }

    // The results kept for comparison, oldest first: drawn under the live
    // curves, in the exports and the curve table; new runs, cancels and "ok"
    // leave them, "Behaltene Ergebnisse entfernen" takes them away.
    const std::vector<Ergebniszeiger>& behalten() const { return behalten_; }

    // What one cell-step costs here, in seconds, for the estimate before a
    // run. Unless set, the program measures it once, at its first run.
    void setze_zellschrittkosten(double sekunden);

    // The measured profile drawn over the curves, if one is loaded.
    std::shared_ptr<const Messprofil> messung() const { return messung_; }

    const QImage& bild() const { return bild_; }
    bool laeuft() const { return laeuft_; }
    QWidget* eingabe() const { return eingabe_; }
    QWidget* speichern() const { return speichern_; }
    QWidget* info() const { return info_; }
    QWidget* anpassung() const { return anpassung_; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_MouseMove(QPointF pixel);
    void run_Click();
    std::optional<Verfahren> lauf_planen();  // nothing: refused or not wanted
    void zeige_fortschritt(int prozent);
    void lauf_fertig(const Ergebniszeiger& ergebnis);
    void lauf_beendet(const Laufausgang& ausgang);
    void nach_abbruch();
    Ergebniszeiger aktuelles_ergebnis() const;
    void mnu_abbrechen_Click();
    double zellschrittkosten() const;
    void mnu_Eingabe_Click();
    void mnu_speichern_Click();
    void mnu_parameter_speichern_Click();
    void mnu_parameter_laden_Click();
    void mnu_version_Click();
    void mnu_kopieren_Click();
    void mnu_behalten_Click();
    void mnu_behaltene_entfernen_Click();
    void mnu_ergebnis_als_anfang_Click();
    void mnu_beenden_Click();
    void mnu_messprofil_laden_Click();
    void mnu_messprofil_entfernen_Click();
    void mnu_anpassen_Click();
    void d0_uebernehmen(const QString& d0_text);
    void baue_oberflaeche();
    void baue_menues();
    void oeffne(QPointer<QWidget>& fenster, const std::function<QWidget*()>& erzeugen);
    void startknopf_verbergen();
    void loesche_zeichenflaeche();
    void sperre_waehrend_lauf(bool gesperrt);  // mnu_run, mnu_Eingabe; mnu_abbrechen the other way

    Modell& m_;
    Dialogfabriken fabriken_;
    QLocale locale_;
    Zeichenflaeche* flaeche_ = nullptr;
    QLabel* lbl_cursor_position = nullptr;
    QLabel* lbl_fortschritt = nullptr;
    QPushButton* cmd_run = nullptr;
    QAction* mnu_run = nullptr;
    QAction* mnu_Eingabe = nullptr;
    QAction* mnu_abbrechen = nullptr;
    QAction* mnu_parameter_laden = nullptr;
    QAction* mnu_anpassen = nullptr;
    QAction* mnu_messprofil_entfernen = nullptr;
    QAction* mnu_behaltene_entfernen = nullptr;
    QAction* mnu_ergebnis_als_anfang = nullptr;
    QImage bild_;
    bool skala_gesetzt_ = false;
    Rechenwerk* rechenwerk_ = nullptr;
    Ergebniszeiger ergebnis_;  // the last finished run since the last "ok"
    bool laeuft_ = false;      // the worker computes
    QTimer* restzeit_uhr_ = nullptr;  // counts the remaining time down between percents
    std::optional<double> zellschrittkosten_;  // set from outside
    double geschaetzt_ = 0;                    // seconds the stepping is expected to take
    bool restzeit_zeigen_ = false;
    QElapsedTimer laufuhr_;
    int prozent_ = 0;              // the engine's last percent
    qint64 angezeigt_ms_ = 0;      // when the progress label was last written
    QPointer<QWidget> eingabe_, speichern_, info_, anpassung_;
    std::shared_ptr<const Messprofil> messung_;
    std::vector<Ergebniszeiger> behalten_;

    friend class Zeichenflaeche;
};

}  // namespace kalvion
