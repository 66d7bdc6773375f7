#pragma once

#include <QStringList>

class GridTable;

// The file list: the reports a digest works through, one path per row, in digest order. Column 0 is
// the narrow gutter the user drags rows by; it is never written.
namespace FileListLayout {

enum Column {
    Gutter = 0,
    Path = 1,
};
inline constexpr int columnCount = 2;

// "" and "Path to Sysmon File".
QStringList headerTexts();

// The empty list: every cell empty, two rows, the header texts in row 0.
void reset(GridTable &files);

} // namespace FileListLayout
