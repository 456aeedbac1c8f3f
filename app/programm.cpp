#include "programm.h"

#include "frm_Eingabe.h"
#include "frm_speichern.h"

namespace kalvion {

std::unique_ptr<frm_grafik> programm_starten(Modell& m, const QLocale& locale)
{
    Dialogfabriken fabriken{
        [&m, locale](frm_grafik& haupt) -> QWidget* {
            auto* eingabe = new frm_Eingabe(m, locale);
            // While the dialog is open the main window takes no input.
            QObject::connect(eingabe, &frm_Eingabe::aktiviert, &haupt, [&haupt] { haupt.freigeben(false); });
            QObject::connect(eingabe, &frm_Eingabe::uebernommen, &haupt, &frm_grafik::parameter_uebernommen);
            return eingabe;
        },
        [&m, locale](frm_grafik&) -> QWidget* { return new frm_speichern(m, locale); },
    };
    return std::make_unique<frm_grafik>(m, std::move(fabriken), locale);
}

}  // namespace kalvion
