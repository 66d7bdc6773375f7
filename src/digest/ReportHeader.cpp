#include "ReportHeader.h"

#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <algorithm>

namespace ReportHeader {

namespace {

// The header fields stand at the top of the section table.
constexpr int lastHeaderFieldRow = 9;

} // namespace

QString field(const GridTable &sections, QStringView label)
{
    const int lastRow = std::min(lastHeaderFieldRow, sections.rows() - 1);
    for (int row = 1; row <= lastRow; ++row) {
        if (sections.cell(SectionTableLayout::Section, row).contains(label))
            return sections.cell(SectionTableLayout::SubSection1, row).toString();
    }
    return QString();
}

} // namespace ReportHeader
