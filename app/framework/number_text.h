// Numbers as text: the general format in its three precisions and the
// strict text-to-number conversion of words and entries. Both honour the
// process-wide decimal separator (decimal_separator.h).
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace korvex::app {

// General format: the value reduced to `precision` significant digits,
// trailing zeros dropped, fixed notation while the decimal exponent E of
// d.ddd x 10^E lies in smallestFixedExponent .. precision - 1, otherwise
// scientific as 1.25E-7 (no plus sign, no leading zeros in the exponent).
QString FormatGeneral(long double value, int precision, int smallestFixedExponent);

// The display format of entries and evaluator results: 18 digits, fixed
// from 1E-5 up to below 1E18.
QString FormatDisplay(long double value);

// The data-file and table-cell format: 8 digits, fixed from 0.0001 up to
// 99999999 (so 0.00001 is 1E-5 and 123456789 is 1.2345679E8).
QString FormatReal8(long double value);

// The platform's plain conversion used in messages: 15 digits.
QString FormatReal15(long double value);

// Converts an optional sign, digits with at most one decimal separator and
// an optional exponent (E or e, optional sign, digits). Anything else,
// including values beyond the floating-point range, gives no value.
std::optional<long double> ParseReal(QStringView text, QChar separator);

// ParseReal under the current separator, accepted only when whole and in
// the 32-bit signed range.
std::optional<int> ParseInt32(QStringView text, QChar separator);

}  // namespace korvex::app
