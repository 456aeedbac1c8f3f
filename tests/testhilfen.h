#pragma once
// What several tests need: a run environment that does nothing, and a model
// that has run through the start-up parameters.
#include "anfangsprofil.h"
#include "laufumgebung.h"
#include "modell.h"
#include "zeitschritte.h"

struct StilleUmgebung : kalvion::Laufumgebung {
    void setze_fortschritt(const std::string&) override {}
    void zeige_cursoranzeige() override {}
    void setze_fadenkreuz() override {}
    void verberge_startknopf() override {}
    void melde(const std::string&) override {}
    bool ereignisse_verarbeiten() override { return true; }
    void zeige_fenster() override {}
    void loesche_zeichenflaeche() override {}
    void zeige_fortschritt(bool) override {}
    void sperre_waehrend_lauf(bool) override {}
    void Form_Resize() override {}
};

inline kalvion::Modell standardlauf(bool kugel = false)
{
    kalvion::Modell m;
    kalvion::startwerte_setzen(m);
    m.Kugel = kugel;
    kalvion::anfangsprofil(m);
    StilleUmgebung still;
    kalvion::zeitschritte(m, still);
    return m;
}
