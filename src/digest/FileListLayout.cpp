#include "FileListLayout.h"

#include "grid/GridTable.h"

namespace FileListLayout {

QStringList headerTexts()
{
    return { QString(), QStringLiteral("Path to Sysmon File") };
}

void reset(GridTable &files)
{
    files.resetWithHeader(headerTexts());
}

} // namespace FileListLayout
