#include "CellStore.h"

#include <algorithm>

namespace {

// Entries of released texts are reused by new ones; only when many wait does a renumbering, a walk
// over every cell, pay for itself.
constexpr std::size_t idsWorthRenumbering = 1024;

} // namespace

CellStore::CellStore(int columns, int rows) : columns_(std::size_t(columns), Column(std::size_t(rows))), rows_(rows)
{ }

// The new text is taken before the old one is let go: `text` may view the cell's own text.
void CellStore::setText(int column, int row, QStringView text)
{
    TextPool::Id &cell = columns_[std::size_t(column)][std::size_t(row)];
    const TextPool::Id taken = pool_.take(text);
    pool_.release(cell);
    cell = taken;
    reclaimWaste();
}

void CellStore::setRows(int count)
{
    for (Column &column : columns_) {
        releaseAll(column, count);
        column.resize(std::size_t(count));
    }
    rows_ = count;
    reclaimWaste();
}

void CellStore::setColumns(int count)
{
    for (auto column = columns_.begin() + std::min(std::ptrdiff_t(count), std::ssize(columns_));
         column != columns_.end(); ++column)
        releaseAll(*column, 0);
    columns_.resize(std::size_t(count), Column(std::size_t(rows_)));
    reclaimWaste();
}

void CellStore::clearAll()
{
    for (Column &column : columns_)
        std::fill(column.begin(), column.end(), TextPool::emptyText);
    pool_.clear();
}

void CellStore::clearRow(int row)
{
    for (Column &column : columns_) {
        pool_.release(column[std::size_t(row)]);
        column[std::size_t(row)] = TextPool::emptyText;
    }
    reclaimWaste();
}

void CellStore::eraseRow(int row)
{
    for (Column &column : columns_) {
        pool_.release(column[std::size_t(row)]);
        column.erase(column.begin() + row);
    }
    --rows_;
    reclaimWaste();
}

void CellStore::eraseColumn(int column)
{
    releaseAll(columns_[std::size_t(column)], 0);
    columns_.erase(columns_.begin() + column);
    reclaimWaste();
}

void CellStore::moveRow(int from, int to)
{
    for (Column &column : columns_) {
        if (from < to)
            std::rotate(column.begin() + from, column.begin() + from + 1, column.begin() + to + 1);
        else
            std::rotate(column.begin() + to, column.begin() + from, column.begin() + from + 1);
    }
}

void CellStore::moveColumn(int from, int to)
{
    if (from < to)
        std::rotate(columns_.begin() + from, columns_.begin() + from + 1, columns_.begin() + to + 1);
    else
        std::rotate(columns_.begin() + to, columns_.begin() + from, columns_.begin() + from + 1);
}

void CellStore::releaseAll(const Column &column, int fromRow)
{
    for (auto cell = column.begin() + std::min(std::ptrdiff_t(fromRow), std::ssize(column)); cell != column.end();
         ++cell)
        pool_.release(*cell);
}

// Renumbering costs a walk over every cell, so it waits until the unused entries outnumber those in
// use and are worth a good part of that walk: the pool then never holds much more than its cells
// need, however many texts came and went.
void CellStore::reclaimWaste()
{
    const std::size_t unused = pool_.unusedIds();
    if (unused < idsWorthRenumbering || unused < pool_.idLimit() - unused)
        return;
    const std::size_t cells = columns_.size() * std::size_t(rows_);
    if (unused >= cells / 16)
        renumberTexts();
}

void CellStore::renumberTexts()
{
    const std::vector<TextPool::Id> renumbered = pool_.renumber();
    for (Column &column : columns_) {
        for (TextPool::Id &cell : column)
            cell = renumbered[cell];
    }
}
