#pragma once

#include "common/PackedTexts.h"

#include <QStringList>

class CounterMatches;
class CounterNameIndex;
class GridTable;

// Takes the figures of one parsed report for the counters of a digest.
namespace DigestCopy {

struct Copied
{
    // By digest row (row r at index r - 1): the figure of the last matching section row (in
    // section table order) in the column its counter type selects, the no-value mark "-1" when the
    // type selects none, or empty when no section row matches.
    PackedTexts values;
    // Whether any section row matched a digest row: only then is the column headed by its time.
    bool anyMatch = false;
};

// `types` are the digest rows' counter types, by row as the values; `matches` says which section
// rows match them.
Copied valuesOf(const GridTable &sections, const CounterMatches &matches, const QStringList &types);
// The same, matching the section rows against `index`, which knows the rows' names.
Copied valuesOf(const GridTable &sections, const CounterNameIndex &index, const QStringList &types);

// What the copy takes for a digest row of `counterType` that `sectionRow` matches: the figure in
// the column the type selects, or "-1" when it selects none.
QString figureOf(const GridTable &sections, int sectionRow, const QString &counterType);

} // namespace DigestCopy
