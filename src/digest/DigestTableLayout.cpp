#include "DigestTableLayout.h"

#include "grid/GridTable.h"

namespace DigestTableLayout {

QStringList headerTexts()
{
    return { QString(), QStringLiteral("Sysmon Counter"), QStringLiteral("Type"), QStringLiteral("Avg") };
}

void reset(GridTable &digest)
{
    GridTable::BulkUpdate batch(digest);
    digest.setColumns(fixedColumnCount);
    digest.setRows(2);
    digest.clearCells();
    const QStringList headers = headerTexts();
    for (int c = 0; c < fixedColumnCount; ++c)
        digest.setCell(c, 0, headers[c]);
}

} // namespace DigestTableLayout
