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

} // namespace CategoryListFiller
