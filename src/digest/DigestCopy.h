#pragma once

#include <QString>

class CounterMatches;
class CounterNameIndex;
class CounterRows;
class GridTable;

// Copies the figures of one parsed report into its report column of the digest table.
namespace DigestCopy {

// Writes into `reportColumn`, for every digest row whose counter the section table holds, the
// figure of the last matching section row (in section table order) in the column its counter type
// selects, or the no-value mark "-1" when the type selects none. Rows the report lacks stay empty.
// Row 0 gets `sampleTime` when at least one row matched.
//
// `abortFlag` is read once, before anything is written: when set, the column stays untouched and
// the result is false. Reading it once is as good as reading it before every row pair, since
// the copy never hands control to the window and so nothing can set the flag while it works.
// `rows` are the digest rows' counter types as the run started.
bool copyReport(GridTable &digest, int reportColumn, const GridTable &sections, const CounterRows &rows,
                const CounterMatches &matches, const QString &sampleTime, const bool &abortFlag);
// The same, taking the rows from the digest table and matching the section rows against `index`.
bool copyReport(GridTable &digest, int reportColumn, const GridTable &sections, const CounterNameIndex &index,
                const QString &sampleTime, const bool &abortFlag);

// What the copy writes for a digest row of `counterType` that `sectionRow` matches: the figure in
// the column the type selects, or "-1" when it selects none.
QString figureOf(const GridTable &sections, int sectionRow, const QString &counterType);

} // namespace DigestCopy
