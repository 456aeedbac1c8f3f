// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the runs of a study start (--start), as a dimension of the study: each
// time the option is given it adds its entry, and a base content's list or
// range adds a run per value.

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "anfang.h"
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

}  // namespace kalvion::cli
