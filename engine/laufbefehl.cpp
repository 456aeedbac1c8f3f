#include "laufbefehl.h"

#include "anfangsprofil.h"

namespace kalvion {

Laufende laufbefehl(Modell& m, Laufumgebung& u)
{
    u.verberge_startknopf();
    // A half-computed profile is no result: neither a resize nor a save may
    // take it for one until the run has finished.
    m.Berechnung_aktuell = false;
    // No second run and no parameter dialog may rebuild the arrays under the
    // running loop.
    u.sperre_waehrend_lauf(true);
    anfangsprofil(m);
    u.zeige_fenster();
    u.loesche_zeichenflaeche();
    u.zeige_fortschritt(true);

    const Laufende ende = zeitschritte(m, u);
    if (ende == Laufende::abgebrochen)
        return ende;

    u.zeige_fortschritt(false);
    u.sperre_waehrend_lauf(false);
    u.Form_Resize();
    return ende;
}

}  // namespace kalvion
