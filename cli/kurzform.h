// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers in their shortest form that reads back to the same double, without
// the C library's locale: for the command line and the table ('.' decimal)
// and for the text a user would type into the dialog (the locale's decimal).

#include <QLocale>
#include <QString>
#include <cstdint>
#include <string>

namespace kalvion::cli {

// "1050", "1.5", "2.2207760471619697e-10".
std::string kurzform(double wert);
std::string kurzform(std::int64_t wert);

// What a user types for `wert` into a field of the dialog in `locale`: the
// shortest form, the locale's decimal separator, an upper-case exponent
// letter ("1,5" on a German system, "1E-05"). The dialog reads it back as
// exactly `wert`.
QString eingabetext(double wert, const QLocale& locale);

}  // namespace kalvion::cli
