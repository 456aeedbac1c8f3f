#pragma once
// The main window: the graph of the last run, the run button, the progress
// text, the cursor read-out and the menus that lead to every other window.

#include <QImage>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "hauptfenster.h"
#include "laufumgebung.h"
#include "modell.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace kalvion {

class Zeichenflaeche;

// Opens a dialog for the main window; the app supplies them, so that this
// window needs none of the dialogs' headers.
using Dialogfabrik = std::function<QWidget*(Hauptfenster&)>;

struct Dialogfabriken {
    Dialogfabrik eingabe;
    Dialogfabrik speichern;
};

class frm_grafik : public QMainWindow, public Hauptfenster, private Laufumgebung {
    Q_OBJECT
public:
    frm_grafik(Modell& m, Dialogfabriken fabriken, const QLocale& locale = QLocale());
    ~frm_grafik() override;

    // Clears the surface, then draws the graph if a completed result is current
    // and the window is big enough.
    void Form_Resize();

    // Hauptfenster
    void freigeben(bool frei) override;
    void nach_vorn() override;
    void startknopf_zeigen() override;

    const QImage& bild() const { return bild_; }
    bool laeuft() const { return laeuft_; }

    QLabel* lbl_cursor_position = nullptr;
    QLabel* lbl_fortschritt = nullptr;
    QPushButton* cmd_run = nullptr;
    QMenu* mnu_datei = nullptr;
    QMenu* mnu_bearbeiten = nullptr;
    QMenu* mnu_info = nullptr;
    QAction* mnu_run = nullptr;
    QAction* mnu_speichern = nullptr;
    QAction* mnu_beenden = nullptr;
    QAction* mnu_Eingabe = nullptr;
    QAction* mnu_kopieren = nullptr;
    QAction* mnu_version = nullptr;

    QWidget* eingabe() const { return eingabe_; }
    QWidget* speichern() const { return speichern_; }
    QWidget* info() const { return info_; }

    void Form_MouseMove(QPointF pixel);

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Activate();
    void run_Click();
    void mnu_Eingabe_Click();
    void mnu_speichern_Click();
    void mnu_version_Click();
    void mnu_kopieren_Click();
    void mnu_beenden_Click();
    void baue_oberflaeche();
    void baue_menues();
    void oeffne(QPointer<QWidget>& fenster, const std::function<QWidget*()>& erzeugen);

    // Laufumgebung
    void setze_fortschritt(const std::string& text) override;
    void zeige_cursoranzeige() override;
    void setze_fadenkreuz() override;
    void verberge_startknopf() override;
    void melde(const std::string& text) override;
    bool ereignisse_verarbeiten() override;
    void zeige_fenster() override;
    void loesche_zeichenflaeche() override;
    void zeige_fortschritt(bool sichtbar) override;
    void sperre_waehrend_lauf(bool gesperrt) override;

    Modell& m_;
    Dialogfabriken fabriken_;
    QLocale locale_;
    Zeichenflaeche* flaeche_ = nullptr;
    QImage bild_;
    bool skala_gesetzt_ = false;
    bool laeuft_ = false;
    bool beendet_ = false;
    QPointer<QWidget> eingabe_, speichern_, info_;

    friend class Zeichenflaeche;
};

}  // namespace kalvion
