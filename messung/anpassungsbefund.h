// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user reads about a fit that is not plainly determined: the engine
// says where the optimum lies, and this one sentence says it in the user's
// language, for the window and the command line alike.

#include <QString>

#include "anpassung.h"

namespace kalvion {

// Empty for a minimum inside the search range.
QString befundtext(Anpassungsbefund befund);

}  // namespace kalvion
