#pragma once

#include "TextPool.h"

#include <QStringView>

#include <cstdint>
#include <vector>

// The cells of one GridTable, column by column: each cell is the number of its text in the table's
// own pool of distinct texts, so a text costs its characters once however many cells repeat it.
// Numbers take two bytes a cell while the pool has fewer than 65,536 texts, four beyond. Columns
// are kept apart because tables grow by whole columns (a digest adds one per report) as often as
// by rows (the parser adds one per counter line).
//
// A text goes with the last cell that holds it; the pool is emptied when every cell is.
class CellStore
{
public:
    CellStore(int columns, int rows);

    int rows() const { return rows_; }
    int columns() const { return columns_; }

    // A view valid as long as some cell holds this text.
    QStringView text(int column, int row) const
    {
        const auto c = std::size_t(column);
        const auto r = std::size_t(row);
        return pool_.text(wide_ ? wideCells_[c][r] : narrowCells_[c][r]);
    }
    void setText(int column, int row, QStringView text);

    // Growing adds blank rows (columns); shrinking drops the last ones with their texts.
    void setRows(int count);
    void setColumns(int count);

    void clearAll();
    void clearRow(int row);
    // Removes a row (a column), moving the following ones up (left) by one.
    void eraseRow(int row);
    void eraseColumn(int column);
    void moveRow(int from, int to);
    void moveColumn(int from, int to);

private:
    template <typename Id> using Cells = std::vector<std::vector<Id>>; // [column][row]

    // Calls `work` with the cells in the width they have now.
    template <typename Work> void withCells(Work &&work)
    {
        if (wide_)
            work(wideCells_);
        else
            work(narrowCells_);
    }
    void widen();
    void reclaimUnusedIds();

    Cells<std::uint16_t> narrowCells_;
    Cells<std::uint32_t> wideCells_;
    bool wide_ = false;
    int columns_ = 0;
    int rows_ = 0;
    TextPool pool_;
};
