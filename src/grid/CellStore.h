#pragma once

#include "TextPool.h"

#include <QStringView>

#include <vector>

// The cells of one GridTable, column by column: each cell is the number of its text in the table's
// own pool of distinct texts, so a cell costs four bytes and a text its characters once however
// many cells repeat it. Columns are kept apart because tables grow by whole columns (a digest adds
// one per report) as often as by rows (the parser adds one per counter line).
//
// A text goes with the last cell that holds it; the pool is emptied when every cell is.
class CellStore
{
public:
    CellStore(int columns, int rows);

    int rows() const { return rows_; }
    int columns() const { return int(columns_.size()); }

    // A view valid as long as some cell holds this text.
    QStringView text(int column, int row) const { return pool_.text(columns_[std::size_t(column)][std::size_t(row)]); }
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
    using Column = std::vector<TextPool::Id>;

    void releaseAll(const Column &column, int fromRow);
    void reclaimWaste();
    void renumberTexts();

    std::vector<Column> columns_;
    int rows_ = 0;
    TextPool pool_;
};
