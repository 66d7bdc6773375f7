#pragma once

#include "grid/TableHeader.h"

// The digest table: one row per picked counter, one report column per digested report headed by
// its sample time. Column 0 is the narrow gutter the user drags rows by; it is never written.
namespace DigestTableLayout {

enum Column {
    Gutter = 0,
    CounterName = 1,
    Type = 2,
    Average = 3,
    FirstReport = 4,
};

// What a run notes on each report column it adds (GridTable::columnNote), beside the sample time in
// row 0: the report's path as listed and its whole sampling start, whatever "Ti&me Only" cut off.
enum ReportNote {
    ReportPath = Qt::UserRole,
    SamplingStart,
};

inline constexpr TableHeader header { QStringView(), u"Sysmon Counter", u"Type", u"Avg" };
inline constexpr int fixedColumnCount = header.columnCount();

// Whether `column` holds a report: the columns after the fixed ones.
inline bool isReportColumn(const GridTable &digest, int column)
{
    return column >= FirstReport && column < digest.columns();
}

inline QStringList headerTexts()
{
    return header.texts();
}

// The empty digest table: the four fixed columns only, every cell empty, two rows, the header
// texts in row 0.
inline void reset(GridTable &digest)
{
    header.reset(digest);
}

} // namespace DigestTableLayout
