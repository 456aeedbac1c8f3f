#pragma once
// What a run needs of the main window and of the event loop. The main window
// binds these to its controls; tests bind them to a recorder.

#include <string>

namespace kalvion {

class Laufumgebung {
public:
    virtual ~Laufumgebung() = default;

    // The four effects of the time stepping on the main window.
    virtual void setze_fortschritt(const std::string& text) = 0;
    virtual void zeige_cursoranzeige() = 0;
    virtual void setze_fadenkreuz() = 0;
    virtual void verberge_startknopf() = 0;  // hide and disable cmd_run

    // Modal message with one OK button; returns when it is closed.
    virtual void melde(const std::string& text) = 0;

    // Let the event loop run. Returns false when the program is ending and the
    // run must stop at once.
    virtual bool ereignisse_verarbeiten() = 0;

    // Used by the run command around the time stepping.
    virtual void zeige_fenster() = 0;
    virtual void loesche_zeichenflaeche() = 0;
    virtual void zeige_fortschritt(bool sichtbar) = 0;
    virtual void sperre_waehrend_lauf(bool gesperrt) = 0;  // mnu_run, mnu_Eingabe
    virtual void Form_Resize() = 0;
};

}  // namespace kalvion
