// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the runs of a study start (--start) and what crosses their surface
// (--oberflaeche), each a dimension of the study: each time an option is
// given it adds its entry, and a value's list or range adds a run per value.

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "anfang.h"
#include "oberflaeche.h"
#include "messprofil.h"
#include "werteliste.h"

namespace kalvion::cli {

inline constexpr const char* Startoption = "start";

// How one run starts: the step, the step on a base content c0 (mol%), or a
// profile given point by point (read from a file).
struct Startangabe {
    Anfangsart art = Anfangsart::stufe;
    double c0 = 0;
    std::shared_ptr<const Startprofil> profil;
};

class Anfangsliste {
public:
    // "stufe", "grundgehalt:C" (C a value, a list or a range) or "datei:PFAD",
    // the kinds also by their English names (step, base, file); a file is read
    // as a start profile, its value column chosen by `spalte`. Throws
    // Eingabefehler naming the option.
    // `option` names it in the messages (another front end's keyword).
    void hinzu(const QString& text, const Spaltenwahl& spalte, const QString& option = QStringLiteral("--start"));
    // One start as it is (from a parameter file).
    void hinzu(const Startangabe& start);

    // No start given: every run starts as the step, and the table has no
    // columns for it.
    bool leer() const { return eintraege_.empty(); }
    // The count of starts (1 when none was given), saturated at Hoechste_Anzahl.
    std::uint64_t anzahl() const;
    Startangabe wert(std::uint64_t j) const;
    // The first file whose profile reaches beyond `x_max`, and its message.
    std::optional<QString> jenseits(double x_max) const;

private:
    struct Eintrag {
        Startangabe start;
        std::optional<Werteliste> c0;  // for a base content
        QString text, option;          // as given, for messages
    };
    std::vector<Eintrag> eintraege_;
};

// "--start grundgehalt:0.2": one run's start as the option that gives it
// (nothing for the step given by default).
QString als_option(const Startangabe& start);

// The names the option takes, for its help and its messages.
QString startnamen();

inline constexpr const char* Oberflaechenoption = "oberflaeche";

// What crosses one run's surface: nothing, a fixed concentration c_s (mol%),
// or exchange through β (cm/s) with an atmosphere of c_atm (mol%).
struct Oberflaechenangabe {
    Oberflaechenart art = Oberflaechenart::geschlossen;
    double c_s = 0, beta = 0, c_atm = 0;
};

class Oberflaechenliste {
public:
    // "geschlossen", "konzentration:C" (C a value, a list or a range) or
    // "austausch:BETA,C" (each a value or a range: the comma parts the two,
    // so a list of either is the option given once more), the kinds also by
    // their English names (closed, concentration, exchange). With
    // `ohne_wert_erlaubt` "konzentration" alone stands for a surface
    // concentration a fit finds. Throws Eingabefehler naming the option.
    void hinzu(const QString& text, const QString& option = QStringLiteral("--oberflaeche"),
               bool ohne_wert_erlaubt = false);
    void hinzu(const Oberflaechenangabe& oberflaeche);

    // None given: every run's surface is closed, and the table has no
    // columns for it.
    bool leer() const { return eintraege_.empty(); }
    std::uint64_t anzahl() const;  // 1 when none was given
    Oberflaechenangabe wert(std::uint64_t j) const;
    // A fixed surface concentration given without its value: the fit finds it.
    bool randwert_gesucht() const;

    // For the check at a study's corners: an open surface needs more steps
    // than a closed one (β = 0 is closed). Within each piece the surface
    // opens or closes at most once; among the positions `a`, one with the
    // fewest steps and one with the most.
    std::vector<Abschnitt> abschnitte() const;
    std::pair<std::uint64_t, std::uint64_t> extreme(Abschnitt a) const;

private:
    struct Eintrag {
        Oberflaechenart art = Oberflaechenart::geschlossen;
        std::optional<Werteliste> erste, zweite;  // c_s, or β and c_atm (the second varying faster)
        bool ohne_wert = false;
        std::uint64_t anzahl() const;
    };
    std::vector<Eintrag> eintraege_;
};

// "--oberflaeche austausch:1e-05,5" for one run (nothing for a closed one).
QString als_option(const Oberflaechenangabe& oberflaeche);

// The names the option takes, for its help and its messages.
QString oberflaechennamen();

}  // namespace kalvion::cli
