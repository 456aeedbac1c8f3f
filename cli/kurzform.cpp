// SPDX-License-Identifier: GPL-3.0-or-later
#include "kurzform.h"

#include <charconv>

#include "zahlen.h"

namespace kalvion::cli {

std::string kurzform(double wert)
{
    return zahlen::kuerzeste_form(wert, QLocale::c()).toStdString();
}

std::string kurzform(std::int64_t wert)
{
    char puffer[24];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    return std::string(puffer, ende);
}

QString eingabetext(double wert, const QLocale& locale)
{
    return zahlen::kuerzeste_form(wert, locale).replace(QLatin1Char('e'), QLatin1Char('E'));
}

}  // namespace kalvion::cli
