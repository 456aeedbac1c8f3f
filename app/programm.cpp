// SPDX-License-Identifier: GPL-3.0-or-later
#include "programm.h"

#include "frm_Eingabe.h"
#include "frm_speichern.h"
#include "messbefehle.h"

namespace kalvion {

std::unique_ptr<frm_grafik> programm_starten(Modell& m, const QLocale& locale)
{
    Dialogfabriken fabriken{
        [locale](frm_grafik& haupt) -> QWidget* {
            // The dialog takes its copy of the parameters when it fills itself.
            // A start profile comes from the main window's current result or a file.
            frm_Eingabe::Startquellen start{[&haupt] { return haupt.ergebnisstand().aktuell; }, startdatei_waehlen};
            auto* eingabe = new frm_Eingabe([&haupt] { return haupt.parameter(); }, locale, std::move(start));
            // While the dialog is open the main window takes no input.
            QObject::connect(eingabe, &frm_Eingabe::aktiviert, &haupt, [&haupt] { haupt.freigeben(false); });
            QObject::connect(eingabe, &frm_Eingabe::uebernommen, &haupt, &frm_grafik::parameter_uebernommen);
            return eingabe;
        },
        [locale](frm_grafik& haupt) -> QWidget* {
            // "&ok" writes the result that is current when it is pressed.
            return new frm_speichern([&haupt] { return haupt.ergebnisstand(); }, locale);
        },
    };
    return std::make_unique<frm_grafik>(m, std::move(fabriken), locale);
}

}  // namespace kalvion
