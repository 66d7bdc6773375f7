#pragma once

#include <QString>

class GridTable;
class Ui;

// What the user can change in the digest table after a run: a report column goes through the popup
// menu of a right press, a counter row through the Delete key. The counter name, type and average
// columns stay whatever the user does.
namespace DigestEditing {

// Whether a column is headed "Sysmon Counter", "Type" or "Avg" (exactly), or shows a statistic,
// so it can never be deleted.
bool isProtected(const GridTable &digest, int column);

// Whether Delete Column may remove `column`: a column of the table other than the gutter and the
// protected columns. A right press offers the popup menu only for such a column.
bool canDeleteColumn(const GridTable &digest, int column);

// The caption of the popup menu item: "&Delete Column [" + the column's header + "]", the header
// being the report's sample time.
QString deleteColumnCaption(const GridTable &digest, int column);

// Delete Column: removes the column (the columns after it move left with their headers) and
// computes the averages (and the statistics shown) again without it. Does nothing for a column
// that cannot be deleted.
void deleteColumn(GridTable &digest, int column, Ui &ui);

// The Delete key: removes the current counter row in all columns, the rows below moving up; a
// single row is emptied instead. The averages stay, each belonging to its own row.
void deleteCurrentRow(GridTable &digest);

// The counter name of the current row, which the second value-axis choice of the chart follows.
QString currentCounterName(const GridTable &digest);

} // namespace DigestEditing
