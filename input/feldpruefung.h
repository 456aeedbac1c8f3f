#pragma once
// The checks of the six parameter fields as one table: bounds, reset text and
// which derived values an accepted entry brings up to date.

#include <QLocale>
#include <QString>
#include <optional>

#include "modell.h"

namespace kalvion {

enum class Feld { Sintertemp, Sinterzeit, x_max, D0, Q, i_Diff };
inline constexpr Feld Alle_Felder[] = {Feld::Sintertemp, Feld::Sinterzeit, Feld::x_max,
                                       Feld::D0, Feld::Q, Feld::i_Diff};

struct Feldregel {
    Feld feld;
    double untergrenze;
    bool untergrenze_erlaubt;          // v == untergrenze passes
    std::optional<double> obergrenze;  // inclusive; none for D0 and Q
    bool obergrenze_gerundet;          // the cell count is compared once rounded: 199.4 passes
    const char* reset;
    Eingabewert Modell::*ziel;         // where the accepted text goes; none for the cell count
    void (*ableiten)(Modell&);         // the derived unit, or none
    bool d_neu, schritte_neu, molprozent_neu;  // what an accepted entry refreshes, in this order
};

const Feldregel& regel(Feld f);

// The derived values an accepted entry recomputes; each says whether it could
// form its values (no division by zero, nothing beyond a double).
bool d_neu(Modell& m);
bool schritte_neu(Modell& m);

enum class Pruefergebnis { angenommen, ausserhalb, fehler };

// What a check did: its verdict and which derived values it formed anew, so
// that their labels follow even when a later step failed.
struct Pruefung {
    Pruefergebnis ergebnis = Pruefergebnis::fehler;
    bool neues_D = false;
    bool neue_Schritte = false;
    bool neue_Molprozent = false;
};

// Checks one field's text and, when accepted, stores it and its derived values
// in the model. The caller shows the message and the reset text. `text` comes
// back as it is to be shown (i_Diff rounded).
Pruefung pruefe_feld(Feld f, QString& text, Modell& m, const QLocale& locale);

}  // namespace kalvion
