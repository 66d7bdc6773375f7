#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A digest cell as the statistics and the period comparison count it. Only a figure counts: an
// empty cell (the report lacks the counter) and the no-value mark "-1" (the counter's type names no
// figure of its row) say that there is nothing to count, not that the value was 0 or -1.
namespace CountedValue {

inline constexpr QStringView noValueMark = u"-1";

// The cell's number, or nothing when the cell holds no figure.
std::optional<double> of(QStringView cell);

} // namespace CountedValue
