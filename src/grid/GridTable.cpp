#include "GridTable.h"

#include "common/Failure.h"

#include <algorithm>
#include <limits>

GridTable::GridTable(int columns, QObject *parent) :
    QAbstractTableModel(parent),
    cells_(std::max(columns, 1), 2),
    columnNotes_(std::size_t(std::max(columns, 1))),
    publishedColumns_(cells_.columns())
{ }

void GridTable::setCell(int column, int row, QStringView text)
{
    if (!inRange(column, row)) {
        throw Failure(QStringLiteral("Grid index out of range: cell [%1,%2] of a table of %3 columns and %4 rows.")
                          .arg(column)
                          .arg(row)
                          .arg(columns())
                          .arg(rows()));
    }
    cells_.setText(column, row, text);
    cellChanged(column, row);
}

void GridTable::cellChanged(int column, int row)
{
    if (bulk() || row >= publishedRows_ || column >= publishedColumns_) {
        markDirty(column, row);
        return;
    }
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
    } else {
        const QModelIndex at = index(row - 1, column);
        emit dataChanged(at, at);
    }
}

void GridTable::markDirty(int column, int row)
{
    if (dirty_.empty()) {
        dirty_ = { column, row, column, row };
        return;
    }
    dirty_.left = std::min(dirty_.left, column);
    dirty_.top = std::min(dirty_.top, row);
    dirty_.right = std::max(dirty_.right, column);
    dirty_.bottom = std::max(dirty_.bottom, row);
}

void GridTable::markAllDirty()
{
    dirty_ = { 0, 0, std::numeric_limits<int>::max(), std::numeric_limits<int>::max() };
}

void GridTable::setRows(int count)
{
    count = std::max(count, 2);
    if (count == rows())
        return;
    // Rows dropped here come back empty if the table grows again before the views hear of it.
    if (bulk() && count < publishedRows_)
        markAllDirty();
    cells_.setRows(count);
    clampCurrentCell();
    if (!bulk())
        publishSize();
}

void GridTable::setColumns(int count)
{
    count = std::max(count, 1);
    if (count == columns())
        return;
    if (bulk() && count < publishedColumns_)
        markAllDirty();
    cells_.setColumns(count);
    columnNotes_.resize(std::size_t(count));
    clampCurrentCell();
    if (!bulk())
        publishSize();
}

void GridTable::takeCells(GridTable &other)
{
    BulkUpdate batch(*this);
    std::swap(cells_, other.cells_);
    std::swap(columnNotes_, other.columnNotes_);
    markAllDirty();
    clampCurrentCell();
}

void GridTable::clearCells()
{
    cells_.clearAll();
    std::fill(columnNotes_.begin(), columnNotes_.end(), ColumnNotes());
    markAllDirty();
    if (!bulk())
        publish();
}

void GridTable::clearRow(int row)
{
    if (row < 0 || row >= rows())
        return;
    cells_.clearRow(row);
    markDirty(0, row);
    markDirty(columns() - 1, row);
    if (!bulk())
        publish();
}

void GridTable::clearBody()
{
    BulkUpdate batch(*this);
    setRows(2);
    clearRow(1);
}

void GridTable::resetWithHeader(const QStringList &headers)
{
    BulkUpdate batch(*this);
    // Emptied first, so that no text is let go of one cell at a time.
    clearCells();
    setColumns(int(headers.size()));
    setRows(2);
    for (int c = 0; c < columns(); ++c)
        setCell(c, 0, headers.value(c));
}

int GridTable::appendRow(int keyColumn)
{
    if (!cell(keyColumn, rows() - 1).isEmpty())
        setRows(rows() + 1);
    return rows() - 1;
}

void GridTable::deleteRow(int row)
{
    if (row < 1 || row >= rows())
        return;
    if (rows() <= 2) {
        clearRow(1);
        return;
    }
    BulkUpdate batch(*this);
    cells_.eraseRow(row);
    markAllDirty();
    clampCurrentCell();
}

void GridTable::deleteColumn(int column)
{
    if (column < 0 || column >= columns() || columns() <= 1)
        return;
    BulkUpdate batch(*this);
    cells_.eraseColumn(column);
    columnNotes_.erase(columnNotes_.begin() + column);
    markAllDirty();
    clampCurrentCell();
}

void GridTable::moveRow(int from, int to)
{
    if (from < 1 || to < 1 || from >= rows() || to >= rows() || from == to)
        return;
    BulkUpdate batch(*this);
    cells_.moveRow(from, to);
    markAllDirty();
}

void GridTable::moveColumn(int from, int to)
{
    if (from < 0 || to < 0 || from >= columns() || to >= columns() || from == to)
        return;
    BulkUpdate batch(*this);
    cells_.moveColumn(from, to);
    auto note = std::move(columnNotes_[std::size_t(from)]);
    columnNotes_.erase(columnNotes_.begin() + from);
    columnNotes_.insert(columnNotes_.begin() + to, std::move(note));
    markAllDirty();
}

void GridTable::setColumnNote(int column, int role, const QVariant &value)
{
    if (column < 0 || column >= columns())
        return;
    ColumnNotes &notes = columnNotes_[std::size_t(column)];
    const auto note = std::find_if(notes.begin(), notes.end(), [role](const auto &n) { return n.first == role; });
    if (note == notes.end())
        notes.emplace_back(role, value);
    else
        note->second = value;
    markDirty(column, 0);
    if (!bulk())
        publish();
}

QVariant GridTable::columnNote(int column, int role) const
{
    if (column < 0 || column >= columns())
        return {};
    for (const auto &[noteRole, note] : columnNotes_[std::size_t(column)]) {
        if (noteRole == role)
            return note;
    }
    return {};
}

void GridTable::setCurrentCell(int column, int row)
{
    const int oldColumn = currentColumn_;
    const int oldRow = currentRow_;
    currentColumn_ = column;
    currentRow_ = row;
    clampCurrentCell();
    if (currentColumn_ != oldColumn || currentRow_ != oldRow)
        emit currentCellChanged(currentColumn_, currentRow_);
}

void GridTable::setFixedColumns(int count)
{
    fixedColumns_ = std::clamp(count, 0, columns() - 1);
    setCurrentCell(currentColumn_, currentRow_);
}

void GridTable::clampCurrentCell()
{
    const int column = std::clamp(currentColumn_, std::min(fixedColumns_, columns() - 1), columns() - 1);
    const int row = std::clamp(currentRow_, 1, rows() - 1);
    if (column == currentColumn_ && row == currentRow_)
        return;
    currentColumn_ = column;
    currentRow_ = row;
    emit currentCellChanged(currentColumn_, currentRow_);
}

GridTable::BulkUpdate::BulkUpdate(GridTable &table) : table_(table)
{
    ++table_.bulkDepth_;
}

GridTable::BulkUpdate::~BulkUpdate()
{
    if (--table_.bulkDepth_ == 0)
        table_.publish();
}

void GridTable::publishSize()
{
    if (columns() > publishedColumns_) {
        beginInsertColumns(QModelIndex(), publishedColumns_, columns() - 1);
        publishedColumns_ = columns();
        endInsertColumns();
    } else if (columns() < publishedColumns_) {
        beginRemoveColumns(QModelIndex(), columns(), publishedColumns_ - 1);
        publishedColumns_ = columns();
        endRemoveColumns();
    }
    // View rows are data rows: view row i is table row i + 1.
    if (rows() > publishedRows_) {
        beginInsertRows(QModelIndex(), publishedRows_ - 1, rows() - 2);
        publishedRows_ = rows();
        endInsertRows();
    } else if (rows() < publishedRows_) {
        beginRemoveRows(QModelIndex(), rows() - 1, publishedRows_ - 2);
        publishedRows_ = rows();
        endRemoveRows();
    }
}

void GridTable::publish()
{
    publishSize();
    const DirtyArea area = dirty_;
    dirty_ = DirtyArea();
    const int right = std::min(area.right, columnCount() - 1);
    if (area.empty() || right < area.left)
        return;
    // View rows are data rows: view row i is table row i + 1.
    const int firstRow = std::max(area.top, 1);
    const int lastRow = std::min(area.bottom, publishedRows_ - 1);
    if (firstRow <= lastRow)
        emit dataChanged(index(firstRow - 1, area.left), index(lastRow - 1, right));
    if (area.top == 0)
        emit headerDataChanged(Qt::Horizontal, area.left, right);
}

int GridTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : publishedRows_ - 1;
}

int GridTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : publishedColumns_;
}

QVariant GridTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.column(), index.row() + 1).toString();
}

bool GridTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!editable_ || !index.isValid() || role != Qt::EditRole || !inRange(index.column(), index.row() + 1))
        return false;
    setCell(index.column(), index.row() + 1, value.toString());
    return true;
}

QVariant GridTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role != Qt::DisplayRole)
        return columnNote(section, role);
    return cell(section, 0).toString();
}

Qt::ItemFlags GridTable::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_)
        f |= Qt::ItemIsEditable;
    return f;
}
