// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kalvion::cli {

// Input the command refuses before it runs anything: the message, in the
// user's language, says which option, which value and what is allowed.
// Exit status 2.
struct Eingabefehler {
    QString meldung;
};

}  // namespace kalvion::cli
