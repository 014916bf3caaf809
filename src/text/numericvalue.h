#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// How the program's files spell numbers: the leading decimal number of a line counts,
// the rest of the line is ignored, and a line without one counts as 0.
namespace NumericValue {

// Skips leading blanks, takes the longest prefix of sign, digits, "." and digits.
// A prefix too large for a double gives an infinite value.
double of(QStringView text);

// Rounds halves to the even neighbour; nothing when the result leaves the range.
std::optional<qint16> roundToInt16(double value);
std::optional<qint32> roundToInt32(double value);

// Decimal text without exponent; a fraction only when the value has one.
QString format(double value);

} // namespace NumericValue
