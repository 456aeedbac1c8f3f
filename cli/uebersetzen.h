// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's texts: German in the source, English from the
// translation's context "kalvion::cli" when the desktop asks for it.

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <limits>

namespace kalvion::cli {

// `n` counts something in the text ("%n Läufe") and picks the plural form.
inline QString tr(const char* text, const char* unterscheidung = nullptr, int n = -1)
{
    return QCoreApplication::translate("kalvion::cli", text, unterscheidung, n);
}

// The same for a count beyond int, such as the runs of a study. Qt counts in
// int: a larger count takes the form of the largest int (a plural in every
// language here) and is then written in full.
inline QString tr(const char* text, const char* unterscheidung, std::uint64_t n)
{
    constexpr std::uint64_t Groesste = std::numeric_limits<int>::max();
    if (n <= Groesste)
        return tr(text, unterscheidung, static_cast<int>(n));
    return tr(text, unterscheidung, static_cast<int>(Groesste))
        .replace(QString::number(Groesste), QString::number(n));
}

}  // namespace kalvion::cli
