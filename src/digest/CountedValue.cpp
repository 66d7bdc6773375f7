#include "CountedValue.h"

#include "common/NumberText.h"

#include <cmath>

namespace CountedValue {

std::optional<double> of(QStringView cell)
{
    if (cell == noValueMark)
        return std::nullopt;
    const std::optional<double> value = NumberText::readReal(cell);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

} // namespace CountedValue
