#pragma once

class GridTable;
struct CategoryLists;

// Offers what a parse found in the category boxes: the distinct sections, subsection paths (and
// header-field values) and entry names of the report rows, in row order. Texts that differ only in
// letter case are listed once, as the first row writes them.
namespace CategoryListFiller {

// Appends the distinct non-blank texts of columns 0, 1 and 2 of rows 1 to the last row. Spinlock
// entries are added afterwards by the spinlock summary, which appends them without this test.
void fromReportRows(const GridTable &sections, CategoryLists &lists);

// Lists that hold only what the spinlock summary appended to them (a parse that left the
// category lists for later) become the whole lists: the distinct texts of rows 1 to `endRow` - 1
// (the rows the parse would have listed), then those entries, as a parse that fills them builds
// them.
void completeSpinlockOnlyLists(const GridTable &sections, int endRow, CategoryLists &lists);

} // namespace CategoryListFiller
