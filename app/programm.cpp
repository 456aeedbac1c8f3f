#include "programm.h"

#include "frm_Eingabe.h"
#include "frm_speichern.h"

namespace kalvion {

std::unique_ptr<frm_grafik> programm_starten(Modell& m, const QLocale& locale)
{
    Dialogfabriken fabriken{
        [&m, locale](Hauptfenster& h) -> QWidget* { return new frm_Eingabe(m, h, locale); },
        [&m, locale](Hauptfenster& h) -> QWidget* { return new frm_speichern(m, h, locale); },
    };
    return std::make_unique<frm_grafik>(m, std::move(fabriken), locale);
}

}  // namespace kalvion
