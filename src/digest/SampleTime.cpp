#include "SampleTime.h"

#include "common/TextRules.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <algorithm>

namespace SampleTime {

namespace {

// The header fields stand at the top of the section table; a counter further down that happens to
// mention "Sampling Started" must not be taken for them.
constexpr int lastHeaderFieldRow = 9;
// A space and "hh:mm:ss".
constexpr qsizetype timeOfDayLength = 9;

} // namespace

QString of(const GridTable &sections, bool timeOnly)
{
    const int lastRow = std::min(lastHeaderFieldRow, sections.rows() - 1);
    for (int row = 1; row <= lastRow; ++row) {
        if (!sections.cell(SectionTableLayout::Section, row).contains(QStringLiteral("Sampling Started")))
            continue;
        const QStringView value = sections.cell(SectionTableLayout::SubSection1, row);
        return (timeOnly ? TextRules::rightPiece(value, timeOfDayLength) : value).toString();
    }
    return QString();
}

} // namespace SampleTime
