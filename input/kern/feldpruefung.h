#pragma once
// The rules of the six parameter fields as one table: bounds, reset text,
// where an accepted entry goes and which derived values it brings up to date.
// Needs QtCore only, so that every front end checks input the same way.

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

#include "modell.h"

namespace kalvion {

enum class Feld { Sintertemp, Sinterzeit, x_max, D0, Q, i_Diff };
inline constexpr std::array<Feld, 6> Alle_Felder{Feld::Sintertemp, Feld::Sinterzeit, Feld::x_max,
                                                 Feld::D0, Feld::Q, Feld::i_Diff};

struct Feldregel {
    Feld feld;
    const char* name;                  // the parameter's name; the dialog's field is "txt_" + name
    double untergrenze;
    bool untergrenze_erlaubt;          // v == untergrenze passes
    std::optional<double> obergrenze;  // inclusive; none for D0 and Q
    bool gerundet;                     // the cell count: compared and stored once rounded
    const char* reset;
    Eingabewert Modell::*ziel;         // where the accepted text goes; none for the cell count
    void (*ableiten)(Modell&);         // the derived unit, or none
    // What an accepted entry brings up to date, in this order.
    bool neues_d, neue_schritte, neue_molprozent;
};

const Feldregel& regel(Feld f);

// v is within the field's bounds (the cell count compared once rounded).
bool im_bereich(const Feldregel& r, double v);

// The field's text read in the locale, when it is a number within the bounds.
std::optional<double> gueltiger_wert(Feld f, const QString& text, const QLocale& locale);

// What the field shows when the dialog fills it: the accepted text as typed,
// a start-up value in its ordinary form, the cell count as a whole number.
QString feldtext(const Modell& m, Feld f, const QLocale& locale);

// The parameters that "ok" accepts from the six field texts (indexed by Feld);
// a text that is no valid number leaves its value out.
Parametersatz parametersatz(const std::array<QString, 6>& texte, const QLocale& locale);

enum class Pruefergebnis { angenommen, ausserhalb, fehler };

// What a check did: its verdict and which derived values it formed anew, so
// that their labels follow even when a later step failed.
struct Pruefung {
    Pruefergebnis ergebnis = Pruefergebnis::fehler;
    bool d_gebildet = false;
    bool schritte_gebildet = false;
    bool molprozent_gebildet = false;
};

// Checks one field's text and, when accepted, stores it and its derived values
// in the model. The caller shows the message and the reset text. `text` comes
// back as it is to be shown (the cell count rounded).
Pruefung pruefe_feld(Feld f, QString& text, Modell& m, const QLocale& locale);

}  // namespace kalvion
