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
    QStringList lines;
    lines.reserve(qMax(0, lastRow - firstRow + 1));
    for (int row = firstRow; row <= lastRow; ++row) {
        QString line;
        for (int c = 0; c < columns; ++c)
            line += table.cell(c, row) % delimiter;
        lines << line;
    }
    return lines;
}

} // namespace DelimitedLines
