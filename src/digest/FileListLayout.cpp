#include "FileListLayout.h"

#include "grid/GridTable.h"

namespace FileListLayout {

QStringList headerTexts()
{
    return { QString(), QStringLiteral("Path to Sysmon File") };
}

void reset(GridTable &files)
{
    GridTable::BulkUpdate batch(files);
    files.setColumns(columnCount);
    files.setRows(2);
    files.clearCells();
    const QStringList headers = headerTexts();
    for (int c = 0; c < columnCount; ++c)
        files.setCell(c, 0, headers[c]);
}

} // namespace FileListLayout
