#pragma once

#include <QStringView>

class GridTable;

// Writes the rows of one parse into the section table. Report rows go to the row cursor, which
// starts at row 1 and moves on only after a written row, so rows follow the report's line order;
// the table is grown one row at a time, just before a row may be written. Spinlock rows are
// appended after whatever the last row is.
class SectionRows
{
public:
    explicit SectionRows(GridTable &sections);

    // The emptied table with its ten header texts; the cursor back at row 1.
    void reset();

    int cursor() const { return cursor_; }
    // Grows the table by one row when it has no row at the cursor.
    void ensureRowAtCursor();
    // Writes the trimmed text into the cursor's row.
    void write(int column, QStringView text);
    // For a text that is already trimmed.
    void writeTrimmed(int column, QStringView text);
    void advance() { ++cursor_; }

    // Grows the table by one row and returns that new last row.
    int appendRow();
    void writeAt(int column, int row, QStringView text);

    GridTable &table() { return sections_; }

private:
    GridTable &sections_;
    int cursor_ = 1;
};
