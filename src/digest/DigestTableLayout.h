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
// row 0: the report's path as listed, its whole sampling start, whatever "Ti&me Only" cut off, and
// its sample interval as the report's header gives it ("00:10:00"), empty when it gives none.
enum ReportNote {
    ReportPath = Qt::UserRole,
    SamplingStart,
    SampleInterval,
};

// The statistics that "&Statistics" shows after "Avg", one column each, in this order.
enum class Statistic {
    N, // how many cells hold a figure
    Min,
    Max,
    Median,
    P95, // nearest rank
    WeightedMean, // weighted by the reports' sample intervals
};

inline constexpr TableHeader statisticsHeader { u"N", u"Min", u"Max", u"Median", u"P95", u"Wtd Mean" };
inline constexpr int statisticCount = statisticsHeader.columnCount();

// The marks a column of the digest table may carry as notes besides a report's own, each under a
// role of its own so that no mark is taken for another.
enum ColumnMark {
    // A statistics column: the int of its Statistic. A mark, not the header text, tells it from a
    // report column, since a report's sample time may read anything.
    StatisticNote = Qt::UserRole + 32,
    // A report column of the baseline of a period comparison.
    BaselineNote = Qt::UserRole + 64,
};

inline constexpr TableHeader header { QStringView(), u"Sysmon Counter", u"Type", u"Avg" };
inline constexpr int fixedColumnCount = header.columnCount();

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
