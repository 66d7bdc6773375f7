#pragma once

#include <QStringList>

class CounterNameIndex;
class GridTable;

// Takes the figures of one parsed report for the counters of a digest.
namespace DigestCopy {

struct Copied
{
    // By digest row (row r at index r - 1): the figure of the last matching section row (in
    // section table order) in the column its counter type selects, the no-value mark "-1" when the
    // type selects none, or empty when no section row matches.
    QStringList values;
    // Whether any section row matched a digest row: only then is the column headed by its time.
    bool anyMatch = false;
};

// `types` are the digest rows' counter types, by row as the values; `index` knows their names.
Copied valuesOf(const GridTable &sections, const CounterNameIndex &index, const QStringList &types);

} // namespace DigestCopy
