#include "CounterSet.h"

#include "grid/GridTable.h"

namespace CounterSet {

QStringList headerTexts()
{
    return { QStringLiteral("Section"), QStringLiteral("SubSection1"), QStringLiteral("SubSection2"),
             QStringLiteral("Counter") };
}

void reset(GridTable &counters)
{
    counters.resetWithHeader(headerTexts());
}

int append(GridTable &counters, const QStringList &fields)
{
    const int row = counters.appendRow(0);
    for (int c = 0; c < columnCount; ++c)
        counters.setCell(c, row, fields.value(c));
    return row;
}

} // namespace CounterSet
