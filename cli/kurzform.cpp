#include "kurzform.h"

#include <charconv>

namespace kalvion::cli {

std::string kurzform(double wert)
{
    char puffer[40];  // the longest shortest double is 24 characters
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    return std::string(puffer, ende);
}

std::string kurzform(std::int64_t wert)
{
    char puffer[24];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    return std::string(puffer, ende);
}

QString eingabetext(double wert, const QLocale& locale)
{
    QString text = QString::fromStdString(kurzform(wert));
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

}  // namespace kalvion::cli
