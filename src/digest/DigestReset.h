#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class GridTable;

// A digest run without "A&ppend" starts from a digest table rebuilt from the counter set.
namespace DigestReset {

// The counter name of a digest row: "[" + section + "]_[" + subSection1 + "]_[" + subSection2 + "]",
// the texts untrimmed, so an empty SubSection2 still leaves its empty bracket pair.
QString counterName(QStringView section, QStringView subSection1, QStringView subSection2);

// Empties the digest table to its four fixed columns and header, then writes one row per counter
// set row, in order: the counter name, the counter type and the average "0". Returns the counter
// names in row order, the items of both value-axis choices of the chart.
QStringList fromCounterSet(GridTable &digest, const GridTable &counters);

} // namespace DigestReset
