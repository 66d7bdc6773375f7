#pragma once

#include <QString>
#include <QStringList>

class GridTable;

// Delimited text for spreadsheets: a line per row, each cell written exactly (no quoting, no
// escaping, no trimming) and followed by the delimiter, the last cell included.
namespace DelimitedLines {

// The delimiter as the user typed it, with blanks and control characters removed at both ends; it
// may be several characters long, or nothing.
QString delimiterFrom(const QString &typed);

// Rows `firstRow`..`lastRow` of columns 0..columns-1.
QStringList of(const GridTable &table, int firstRow, int lastRow, int columns, const QString &delimiter);

} // namespace DelimitedLines
