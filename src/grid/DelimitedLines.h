#pragma once

#include <QString>
#include <QStringList>

#include <QtGlobal>

#include <algorithm>
#include <array>

class GridTable;

// Delimited text for spreadsheets: a line per row, each cell written exactly (no quoting, no
// escaping, no trimming) and followed by the delimiter, the last cell included.
namespace DelimitedLines {

// The delimiter as the user typed it, with blanks and control characters removed at both ends; it
// may be several characters long, or nothing.
QString delimiterFrom(const QString &typed);

// `lineCount` lines of `fieldCount` fields each, field f of line l being `cellAt(f, l)`: a table
// read as it stands or turned on its side.
//
// Lines are written a few dozen at a time, field by field: a table keeps its cells column by
// column, and a line along a row would fetch each of its cells from afar. Each line is sized
// first, since a digest's line runs to hundreds of kilobytes and one grown as it is written would
// end up to twice as large as its text.
template <typename CellAt> QStringList of(int lineCount, int fieldCount, const CellAt &cellAt, const QString &delimiter)
{
    constexpr int linesAtOnce = 64;
    QStringList lines(qMax(0, lineCount));
    for (int first = 0; first < lineCount; first += linesAtOnce) {
        const int end = std::min(lineCount, first + linesAtOnce);
        std::array<qsizetype, linesAtOnce> sizes {};
        sizes.fill(qsizetype(fieldCount) * delimiter.size());
        for (int f = 0; f < fieldCount; ++f) {
            for (int l = first; l < end; ++l)
                sizes[std::size_t(l - first)] += cellAt(f, l).size();
        }
        for (int l = first; l < end; ++l)
            lines[l].reserve(sizes[std::size_t(l - first)]);
        // append(), not += with a %: Qt's operator+= for concatenations takes a line that is half
        // written for one that has run out of room and doubles it.
        for (int f = 0; f < fieldCount; ++f) {
            for (int l = first; l < end; ++l)
                lines[l].append(cellAt(f, l)).append(delimiter);
        }
    }
    return lines;
}

// Rows `firstRow`..`lastRow` of columns 0..columns-1.
QStringList of(const GridTable &table, int firstRow, int lastRow, int columns, const QString &delimiter);

} // namespace DelimitedLines
