#pragma once

#include <QStringList>

class GridTable;

// The counter set: one picked counter per row, columns "Section", "SubSection1", "SubSection2"
// and "Counter" (the counter type). Texts are kept exactly as they were taken, untrimmed.
namespace CounterSet {

inline constexpr int columnCount = 4;
inline constexpr int typeColumn = 3;

QStringList headerTexts();

// The emptied counter set with its header row.
void reset(GridTable &counters);

// The append rule: the last row is reused when its column 0 is empty, otherwise the set grows by
// one row. Writes the four texts and returns the row written.
int append(GridTable &counters, const QStringList &fields);

} // namespace CounterSet
