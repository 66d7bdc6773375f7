#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Numbers as the user reads and writes them: always "." as the decimal separator, whatever the
// desktop's regional settings, so that a report, a digest and an export mean the same everywhere.
namespace NumberText {

// The general number format: rounded to 15 significant digits, trailing zeros and a trailing "."
// removed, no thousands separator; plain notation from 0.00001 up to 15 integer digits,
// scientific notation ("1.5E-6", "1E15") beyond.
QString general(double value);

// The same number written in plain decimal notation whatever its size (15 significant digits,
// trailing zeros removed): used where a text is cut at its decimal point and an exponent would
// otherwise be cut away.
QString plain(double value);

// A real number with "." as the decimal separator, blanks at both ends allowed.
std::optional<double> readReal(QStringView text);

// A decimal integer with an optional sign, nothing else; outside the 64-bit range it is not an
// integer.
std::optional<std::int64_t> readInteger(QStringView text);

} // namespace NumberText
