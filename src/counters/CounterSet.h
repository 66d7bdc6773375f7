#pragma once

#include "grid/TableHeader.h"

// The counter set: one picked counter per row, columns "Section", "SubSection1", "SubSection2"
// and "Counter" (the counter type). Texts are kept exactly as they were taken, untrimmed.
namespace CounterSet {

inline constexpr TableHeader header { u"Section", u"SubSection1", u"SubSection2", u"Counter" };
inline constexpr int columnCount = header.columnCount();
inline constexpr int typeColumn = 3;

inline QStringList headerTexts()
{
    return header.texts();
}

// The emptied counter set with its header row.
inline void reset(GridTable &counters)
{
    header.reset(counters);
}

// The append rule: the last row is reused when its column 0 is empty, otherwise the set grows by
// one row. Writes the four texts and returns the row written.
int append(GridTable &counters, const QStringList &fields);

} // namespace CounterSet
