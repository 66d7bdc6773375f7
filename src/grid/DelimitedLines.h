#pragma once

#include <QString>
#include <QStringList>

#include <QtGlobal>

class GridTable;

// Delimited text for spreadsheets: a line per row, each cell written exactly (no quoting, no
// escaping, no trimming) and followed by the delimiter, the last cell included.
namespace DelimitedLines {

// The delimiter as the user typed it, with blanks and control characters removed at both ends; it
// may be several characters long, or nothing.
QString delimiterFrom(const QString &typed);

// `lineCount` lines of `fieldCount` fields each, field f of line l being `cellAt(f, l)`: a table
// read as it stands or turned on its side.
template <typename CellAt> QStringList of(int lineCount, int fieldCount, const CellAt &cellAt, const QString &delimiter)
{
    QStringList lines;
    lines.reserve(qMax(0, lineCount));
    for (int l = 0; l < lineCount; ++l) {
        // Sized first: a digest's line runs to hundreds of kilobytes, and a line grown as it is
        // written would end up to twice as large as its text.
        qsizetype size = qsizetype(fieldCount) * delimiter.size();
        for (int f = 0; f < fieldCount; ++f)
            size += cellAt(f, l).size();
        QString line;
        line.reserve(size);
        for (int f = 0; f < fieldCount; ++f)
            line += cellAt(f, l) % delimiter;
        lines << line;
    }
    return lines;
}

// Rows `firstRow`..`lastRow` of columns 0..columns-1.
QStringList of(const GridTable &table, int firstRow, int lastRow, int columns, const QString &delimiter);

} // namespace DelimitedLines
