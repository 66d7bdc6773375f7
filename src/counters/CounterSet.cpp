#include "CounterSet.h"

namespace CounterSet {

int append(GridTable &counters, const QStringList &fields)
{
    const int row = counters.appendRow(0);
    for (int c = 0; c < columnCount; ++c)
        counters.setCell(c, row, fields.value(c));
    return row;
}

} // namespace CounterSet
