// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six parameter fields as one table: how the dialog shows them, their
// bounds and reset text, where an accepted entry goes and which derived values
// it brings up to date, their command-line option, table column and line in the
// results file. A second, small table holds the values of the start and the
// surface conditions, which only some runs have.
// Needs QtCore only, so that every front end checks input the same way.

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

#include "modell.h"

namespace kalvion {

// The six fields of every run, then the values of the start and surface
// conditions (Randfeldtabelle).
enum class Feld { Sintertemp, Sinterzeit, x_max, D0, Q, i_Diff, c0, c_s, beta, c_atm };
inline constexpr int Feldzahl = 6;
inline constexpr int Randfeldzahl = 4;

// Everything about one field, for every place that shows, checks, stores,
// asks for or writes it.
struct Feldregel {
    Feld feld;
    const char* name;                  // the parameter's name; the dialog's field is "txt_" + name

    // The parameter dialog: the caption and where it and the field stand, in twips.
    const char* beschriftung;          // UTF-8
    int beschriftung_oben, beschriftung_hoehe, feld_oben;

    // The check.
    double untergrenze;
    bool untergrenze_erlaubt;          // v == untergrenze passes
    std::optional<double> obergrenze;  // inclusive; none for D0 and Q
    bool gerundet;                     // the cell count: compared and stored once rounded
    const char* reset;
    Eingabewert Modell::*ziel;         // where the accepted text goes; none for the cell count
    // What an accepted entry brings up to date (formed in werte_ableiten's order).
    bool neues_d, neue_schritte, neue_molprozent;

    // The command line: the option, its unit and help line, the table column.
    const char* option;
    const char* einheit;               // UTF-8
    const char* hilfe;                 // UTF-8
    const char* spalte;

    // The results file: its line (4 to 13) and the label after the value.
    int ergebniszeile;
    const char* ergebnistext;          // UTF-8

    // A run that differs from others in this field, in the legend and in the
    // heading of its curve-table column: "%1 h" with the value as accepted.
    const char* vergleich;             // UTF-8
};

// clang-format off
inline constexpr std::array<Feldregel, Feldzahl> Feldtabelle{{
    {Feld::Sintertemp, "Sintertemp",
     QT_TRANSLATE_NOOP("Feld", "Sintertemp. [°C]"), 1560, 300, 1560,
     0, true, 10000, false, "900", &Modell::Sintertemp, true, true, false,
     "temperatur", "°C", QT_TRANSLATE_NOOP("Feld", "Sintertemperatur in °C"), "temperatur",
     9, " Sintertemperatur [°C]",
     QT_TRANSLATE_NOOP("Feld", "%1 °C")},
    {Feld::Sinterzeit, "Sinterzeit",
     QT_TRANSLATE_NOOP("Feld", "Sinterzeit [h]"), 2040, 300, 2010,
     0, false, 10000, false, "2", &Modell::Sinterzeit, false, true, false,
     "zeit", "h", QT_TRANSLATE_NOOP("Feld", "Sinterdauer in h"), "zeit",
     6, " Sinterdauer [h]",
     QT_TRANSLATE_NOOP("Feld", "%1 h")},
    {Feld::x_max, "x_max",
     QT_TRANSLATE_NOOP("Feld", "x_max [µm]"), 2640, 300, 2520,
     0, false, 1000000, false, "50", &Modell::x_max, false, true, false,
     "weg", "µm", QT_TRANSLATE_NOOP("Feld", "Gesamtdiffusionsweg x_max in µm"), "weg",
     4, " Gesamtdiffusionsweg [µm]",
     QT_TRANSLATE_NOOP("Feld", "x_max %1 µm")},
    {Feld::D0, "D0",
     QT_TRANSLATE_NOOP("Feld", "Do*1000  [cm²/s]"), 3120, 300, 3120,
     0, true, std::nullopt, false, "587", &Modell::D0, true, true, false,
     "d0", QT_TRANSLATE_NOOP("Feld", "Zahl"), QT_TRANSLATE_NOOP("Feld", "D0 · 1000 in cm²/s, wie im Dialog"), "d0",
     7, " Diffusionskoeffizient D0 [ 1000*cm^2/s ]",
     QT_TRANSLATE_NOOP("Feld", "D0·1000 %1 cm²/s")},
    {Feld::Q, "Q",
     QT_TRANSLATE_NOOP("Feld", "Q aktiv. [ J/mol ]"), 3600, 300, 3570,
     0, true, std::nullopt, false, "238650", &Modell::Q, true, true, false,
     "q", "J/mol", QT_TRANSLATE_NOOP("Feld", "Aktivierungsenergie Q in J/mol"), "q",
     8, " Aktivierungsenergie [J/mol]",
     QT_TRANSLATE_NOOP("Feld", "Q %1 J/mol")},
    {Feld::i_Diff, "i_Diff",
     QT_TRANSLATE_NOOP("Feld", "i_Diff   (1-199)"), 4560, 255, 4560,
     Zellzahl_min, true, Zellzahl_max, true, "50", nullptr, false, false, true,
     "i-diff", QT_TRANSLATE_NOOP("Feld", "Zahl"), QT_TRANSLATE_NOOP("Feld", "Zellen, die bei Start 100 % enthalten"), "i_diff",
     12, " Zahl der Zellen von links, welche bei Start zu 100% diffundierenden Stoff enthalten",
     QT_TRANSLATE_NOOP("Feld", "i_Diff %1")},
}};
// clang-format on

constexpr bool felder_in_reihenfolge()
{
    for (int i = 0; i < Feldzahl; ++i)
        if (static_cast<int>(Feldtabelle[i].feld) != i)
            return false;
    return true;
}
static_assert(felder_in_reihenfolge(), "Feldtabelle is indexed by Feld");

constexpr std::array<Feld, Feldzahl> alle_felder()
{
    std::array<Feld, Feldzahl> felder{};
    for (int i = 0; i < Feldzahl; ++i)
        felder[i] = Feldtabelle[i].feld;
    return felder;
}
// In the dialog's order.
inline constexpr std::array<Feld, Feldzahl> Alle_Felder = alle_felder();

// The value of a start or surface condition. Its place in the dialog is
// within the box of its condition; its command-line option is the
// condition's (--start, --oberflaeche), which names the value in its
// messages; its name is its key in a parameter file and its table column.
// β reaches the step count: β = 0 closes the surface.
// clang-format off
inline constexpr std::array<Feldregel, Randfeldzahl> Randfeldtabelle{{
    {Feld::c0, "c0",
     QT_TRANSLATE_NOOP("Feld", "c0 [Mol%]"), 930, 300, 900,
     Grundgehalt_min, true, Grundgehalt_max, false, "0", &Modell::c0, false, false, true,
     "start", "Mol%", QT_TRANSLATE_NOOP("Feld", "Grundgehalt in Mol%"), "c0",
     0, "",
     QT_TRANSLATE_NOOP("Vergleich", "Grundgehalt %1 Mol%")},
    {Feld::c_s, "c_s",
     QT_TRANSLATE_NOOP("Feld", "c_s [Mol%]"), 930, 300, 900,
     Randkonzentration_min, true, Randkonzentration_max, false, "100", &Modell::c_s, false, false, false,
     "oberflaeche", "Mol%", QT_TRANSLATE_NOOP("Feld", "Randkonzentration in Mol%"), "c_s",
     0, "",
     QT_TRANSLATE_NOOP("Vergleich", "Oberfläche %1 Mol%")},
    {Feld::beta, "beta",
     QT_TRANSLATE_NOOP("Feld", "β [cm/s]"), 1710, 300, 1680,
     Beta_min, true, Beta_max, false, "1E-05", &Modell::beta, false, true, false,
     "oberflaeche", "cm/s", QT_TRANSLATE_NOOP("Feld", "Stoffübergangskoeffizient β in cm/s"), "beta",
     0, "",
     QT_TRANSLATE_NOOP("Vergleich", "β %1 cm/s")},
    {Feld::c_atm, "c_atm",
     QT_TRANSLATE_NOOP("Feld", "c_atm [Mol%]"), 2100, 300, 2070,
     Randkonzentration_min, true, Randkonzentration_max, false, "100", &Modell::c_atm, false, false, false,
     "oberflaeche", "Mol%", QT_TRANSLATE_NOOP("Feld", "Gehalt der Atmosphäre in Mol%"), "c_atm",
     0, "",
     QT_TRANSLATE_NOOP("Vergleich", "c_atm %1 Mol%")},
}};
// clang-format on

constexpr bool randfelder_in_reihenfolge()
{
    for (int i = 0; i < Randfeldzahl; ++i)
        if (static_cast<int>(Randfeldtabelle[i].feld) != Feldzahl + i)
            return false;
    return true;
}
static_assert(randfelder_in_reihenfolge(), "Randfeldtabelle follows Feldtabelle in Feld");

constexpr const Feldregel& regel(Feld f)
{
    const int i = static_cast<int>(f);
    return i < Feldzahl ? Feldtabelle[i] : Randfeldtabelle[i - Feldzahl];
}

// v is within the field's bounds (the cell count compared once rounded).
bool im_bereich(const Feldregel& r, double v);

// The field's text read in the locale, when it is a number within the bounds.
std::optional<double> gueltiger_wert(Feld f, const QString& text, const QLocale& locale);

// What the field shows when the dialog fills it: the accepted text as typed,
// a start-up value in its ordinary form, the cell count as a whole number.
QString feldtext(const Modell& m, Feld f, const QLocale& locale);

// The parameters that "ok" accepts from the field texts (indexed by Feld); a
// text that is no valid number leaves its value out.
Parametersatz parametersatz(const std::array<QString, Feldzahl>& texte, const QLocale& locale);

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
