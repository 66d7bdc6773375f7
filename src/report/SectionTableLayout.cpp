#include "SectionTableLayout.h"

#include "grid/GridTable.h"

namespace SectionTableLayout {

QStringList headerTexts()
{
    return { QStringLiteral("Section"), QStringLiteral("SubSection1"), QStringLiteral("SubSection2"),
             QStringLiteral("PerSec"),  QStringLiteral("PedXact"),     QStringLiteral("Count"),
             QStringLiteral("% Total"), QStringLiteral("CPU %"),       QStringLiteral("IO %"),
             QStringLiteral("Idle %") };
}

void reset(GridTable &sections)
{
    GridTable::BulkUpdate batch(sections);
    sections.setColumns(columnCount);
    sections.setRows(2);
    sections.clearCells();
    const QStringList headers = headerTexts();
    for (int c = 0; c < columnCount; ++c)
        sections.setCell(c, 0, headers[c]);
}

} // namespace SectionTableLayout
