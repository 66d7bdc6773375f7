#pragma once

#include "grid/TableHeader.h"

// The period comparison: one row per counter of the digest table, its mean over the baseline's
// reports and over the comparison's, how far it moved and how many reports each mean counts.
namespace ComparisonTableLayout {

enum Column {
    CounterName = 0,
    Type = 1,
    BaselineMean = 2,
    ComparisonMean = 3,
    Change = 4,
    ChangePercent = 5,
    BaselineCount = 6,
    ComparisonCount = 7,
};

inline constexpr TableHeader header { u"Sysmon Counter", u"Type",     u"Baseline Mean", u"Comparison Mean",
                                      u"Change",         u"Change %", u"Baseline N",    u"Comparison N" };
inline constexpr int columnCount = header.columnCount();

// The empty comparison: the header row and one blank row.
inline void reset(GridTable &comparison)
{
    header.reset(comparison);
}

} // namespace ComparisonTableLayout
