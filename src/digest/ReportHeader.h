#pragma once

#include <QString>
#include <QStringView>

class GridTable;

// The header fields of a parsed report (sampling start, sample interval, server name, ...), as
// the parser writes them at the top of the section table: the report's own label, up to its
// colon, in column 0, the value in column 1.
namespace ReportHeader {

// Column 1 of the first of section table rows 1 to 9 whose column 0 contains `label` (letter case
// respected). Empty when no such row is found. A counter further down that happens to mention the
// label is never taken for the field.
QString field(const GridTable &sections, QStringView label);

inline QString serverName(const GridTable &sections)
{
    return field(sections, u"Server Name");
}

inline QString sampleInterval(const GridTable &sections)
{
    return field(sections, u"Sample Interval");
}

} // namespace ReportHeader
