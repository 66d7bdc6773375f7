#include "DelimitedLines.h"

#include "GridTable.h"
#include "common/TextRules.h"

namespace DelimitedLines {

QString delimiterFrom(const QString &typed)
{
    return TextRules::trimmed(typed);
}

QStringList of(const GridTable &table, int firstRow, int lastRow, int columns, const QString &delimiter)
{
    const auto cellAt = [&](int column, int line) -> QStringView {
        return table.cell(column, firstRow + line);
    };
    return of(lastRow - firstRow + 1, columns, cellAt, delimiter);
}

} // namespace DelimitedLines
