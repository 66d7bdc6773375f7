#include "CountedValue.h"

#include "common/NumberText.h"

namespace CountedValue {

std::optional<double> of(QStringView cell)
{
    if (cell == noValueMark)
        return std::nullopt;
    return NumberText::readReal(cell);
}

} // namespace CountedValue
