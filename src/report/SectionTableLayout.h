#pragma once

#include "grid/TableHeader.h"

// The columns of the section table, the parsed form of one report.
namespace SectionTableLayout {

enum Column {
    Section = 0,
    SubSection1 = 1,
    SubSection2 = 2,
    PerSec = 3,
    PedXact = 4,
    Count = 5,
    PercentTotal = 6,
    CpuPercent = 7,
    IoPercent = 8,
    IdlePercent = 9,
};

inline constexpr TableHeader header { u"Section", u"SubSection1", u"SubSection2", u"PerSec", u"PedXact",
                                      u"Count",   u"% Total",     u"CPU %",       u"IO %",   u"Idle %" };
inline constexpr int columnCount = header.columnCount();

inline QStringList headerTexts()
{
    return header.texts();
}

// The emptied table: every cell empty, two rows, the ten header texts in row 0.
inline void reset(GridTable &sections)
{
    header.reset(sections);
}

} // namespace SectionTableLayout
