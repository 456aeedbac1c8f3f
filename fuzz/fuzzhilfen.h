// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target shares: the locales a reader is fed in, and the
// check of an invariant, which ends the run like a crash so that libFuzzer
// keeps the input that broke it.

#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace kalvion::fuzz {

inline const QLocale C_Locale = QLocale::c();
inline const QLocale Deutsch{QLocale::German, QLocale::Germany};

[[noreturn]] inline void verletzt(const char* bedingung, const char* datei, int zeile)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", datei, zeile, bedingung);
    std::abort();
}

}  // namespace kalvion::fuzz

#define KALVION_PRUEFE(bedingung) \
    ((bedingung) ? void() : ::kalvion::fuzz::verletzt(#bedingung, __FILE__, __LINE__))
