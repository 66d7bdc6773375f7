#pragma once

#include "grid/TableHeader.h"

// The file list: the reports a digest works through, one path per row, in digest order. Column 0 is
// the narrow gutter the user drags rows by; it is never written.
namespace FileListLayout {

enum Column {
    Gutter = 0,
    Path = 1,
};

inline constexpr TableHeader header { QStringView(), u"Path to Sysmon File" };
inline constexpr int columnCount = header.columnCount();

inline QStringList headerTexts()
{
    return header.texts();
}

// The empty list: every cell empty, two rows, the header texts in row 0.
inline void reset(GridTable &files)
{
    header.reset(files);
}

} // namespace FileListLayout
