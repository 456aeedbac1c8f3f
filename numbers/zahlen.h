// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading numbers as the user types them and the display patterns shared by
// the windows and the results file, all in an explicitly given locale.

#include <QLocale>
#include <QString>
#include <optional>

namespace kalvion::zahlen {

// A decimal number in the locale's format: optional sign, digits with the
// locale's decimal separator, optional exponent "E" with optional sign, blanks
// around it. No group separators (on a German system "1.5" is no number),
// no "inf" or "NaN"; empty text and magnitudes beyond a double give nothing.
std::optional<double> lies(const QString& text, const QLocale& locale);

// Pattern "0", "0.0", "0.0000": rounded to that many decimals, no group
// separators, the locale's decimal separator, "-" for any negative value.
QString festkomma(double wert, int nachkommastellen, const QLocale& locale);

// Pattern "0.0000E+00": "2,2208E-10".
QString exponentform(double wert, const QLocale& locale);

// General form: at most 15 (or `stellen`) significant digits, no trailing zeros, exponent
// form below 1E-04 and from 1E+15 on ("1E+15", "2,22077604716197E-10").
QString allgemein(double wert, const QLocale& locale, int stellen = 15);

// A whole number such as a step count: plain digits below 10^15, general form above.
QString ganzzahl(double wert, const QLocale& locale);

// Total mol%: rounded to two decimals (a half to the even neighbour), no
// trailing zeros: "10", "27,04", "100".
QString molprozent(double wert, const QLocale& locale);

// The shortest text that reads back to the very same double, with the
// locale's decimal separator and no group separators: "0,125", "1e-05".
QString kuerzeste_form(double wert, const QLocale& locale);

// Number print form of the results file: " 200 ", "-1,5 ".
QString druckform(double wert, const QLocale& locale);

}  // namespace kalvion::zahlen
