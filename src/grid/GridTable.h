#pragma once

#include "CellStore.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <utility>
#include <vector>

// A two-dimensional table of text cells addressed [column, row], both counted from 0. Row 0 is the
// header row and is data like any other row; the views show it as their horizontal header and
// rows 1.. as the body. An emptied table has two rows: the header and one blank data row.
//
// A text is held once per table however many cells show it (CellStore), so a digest of thousands
// of reports costs little more than its distinct figures. Shrinking drops cells for good, so text
// of an earlier report never reappears when the table grows again. Bulk writers (the parser, loads) open a BulkUpdate:
// the views then hear of the changes only at publish() or at the end of the bulk update, not once per cell.
class GridTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit GridTable(int columns, QObject *parent = nullptr);

    int rows() const { return cells_.rows(); }
    int columns() const { return cells_.columns(); }
    // At least two rows (header and one data row) and one column stay.
    void setRows(int count);
    void setColumns(int count);

    // The text of a cell, empty outside the table. The view stays valid as long as some cell of the
    // table holds that text: writing other cells leaves it alone, a reset ends it.
    QStringView cell(int column, int row) const
    {
        return inRange(column, row) ? cells_.text(column, row) : QStringView();
    }
    // Throws Failure for a cell outside the table.
    void setCell(int column, int row, QStringView text);

    // Takes the cells and column notes of `other` in one step, leaving `other` with this table's
    // old ones: a table filled on another thread becomes this one, and the views hear of it as of
    // any bulk change, keeping their column widths. `other` must not be in use on another thread.
    void takeCells(GridTable &other);

    // Empties every cell, the header row included; the size stays.
    void clearCells();
    void clearRow(int row);
    // Empties rows 1.. and leaves the emptied state: the header row and one blank row.
    void clearBody();
    // The emptied table with these header texts: one column per text, every other cell empty.
    void resetWithHeader(const QStringList &headers);

    // The append rule: grows the table by one row unless the last row's `keyColumn` cell is empty,
    // and returns the last row, which the caller writes.
    int appendRow(int keyColumn);
    // Deletes a data row by moving the rows below it up; the last remaining data row is blanked
    // instead of removed.
    void deleteRow(int row);
    // Deletes a column by moving the columns after it left.
    void deleteColumn(int column);
    // Moves a data row (a column) to another position; the others keep their order.
    void moveRow(int from, int to);
    void moveColumn(int from, int to);

    // The current cell that commands act on. The row is a data row (1..rows-1), the column is not
    // before the fixed columns.
    int currentRow() const { return currentRow_; }
    int currentColumn() const { return currentColumn_; }
    void setCurrentCell(int column, int row);
    void setFixedColumns(int count);
    int fixedColumns() const { return fixedColumns_; }

    void setEditable(bool editable) { editable_ = editable; }

    // What a column says of itself beyond its texts (a report column's path and sampling start, its
    // tooltip): a note per role that travels with its column through moves and deletes, goes with
    // the column when the table shrinks and is dropped by clearCells(). The views read it as the
    // column's header data for that role.
    void setColumnNote(int column, int role, const QVariant &value);
    QVariant columnNote(int column, int role) const;

    // Holds back view notifications until it ends; nests.
    class BulkUpdate
    {
    public:
        explicit BulkUpdate(GridTable &table);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate &) = delete;
        BulkUpdate &operator=(const BulkUpdate &) = delete;

    private:
        GridTable &table_;
    };
    // Tells the views of everything changed since the last publish.
    void publish();

    // QAbstractItemModel: the view's rows are the data rows 1.., its header row 0.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void currentCellChanged(int column, int row);

private:
    bool inRange(int column, int row) const { return column >= 0 && column < columns() && row >= 0 && row < rows(); }
    bool bulk() const { return bulkDepth_ > 0; }
    void cellChanged(int column, int row);
    void markDirty(int column, int row);
    void markAllDirty();
    void publishSize();
    void clampCurrentCell();

    CellStore cells_;
    // A column has a note or two: a list costs a few dozen bytes where a hash costs two kilobytes,
    // and a digest has a column per report.
    using ColumnNotes = std::vector<std::pair<int, QVariant>>; // role, note
    std::vector<ColumnNotes> columnNotes_; // [column]
    int publishedRows_ = 2;
    int publishedColumns_ = 1;
    int bulkDepth_ = 0;
    // The cells changed since the views last heard of them, so that a bulk writer that changed one
    // column (a digest's report column) repaints that column, not the whole table.
    struct DirtyArea
    {
        int left = 0;
        int top = 0;
        int right = -1;
        int bottom = -1;
        bool empty() const { return right < left; }
    };
    DirtyArea dirty_;
    int currentRow_ = 1;
    int currentColumn_ = 0;
    int fixedColumns_ = 0;
    bool editable_ = false;
};
