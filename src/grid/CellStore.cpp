#include "CellStore.h"

#include <algorithm>
#include <limits>
#include <type_traits>

namespace {

// Entries of released texts are reused by new ones; only when many wait does a renumbering, a walk
// over every cell, pay for itself.
constexpr std::size_t idsWorthRenumbering = 1024;
// A column keeps the room of a report's rows for the next report; only the room of a large one is
// given back when the table shrinks.
constexpr std::size_t rowsWorthGivingBack = 16 * 1024;

template <typename Column> void releaseFrom(TextPool &pool, const Column &column, int fromRow)
{
    for (auto cell = column.begin() + std::min(std::ptrdiff_t(fromRow), std::ssize(column)); cell != column.end();
         ++cell)
        pool.release(*cell);
}

// Moves element `from` to `to`, the ones between shifting by one.
template <typename Vector> void moveWithin(Vector &items, int from, int to)
{
    if (from < to)
        std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
    else
        std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
}

} // namespace

CellStore::CellStore(int columns, int rows) :
    narrowCells_(std::size_t(columns), std::vector<std::uint16_t>(std::size_t(rows))), columns_(columns), rows_(rows)
{ }

// The new text is taken before the old one is let go: `text` may view the cell's own text.
void CellStore::setText(int column, int row, QStringView text)
{
    const TextPool::Id taken = pool_.take(text);
    if (!wide_ && taken > std::numeric_limits<std::uint16_t>::max())
        widen();
    withCells([&](auto &cells) {
        auto &cell = cells[std::size_t(column)][std::size_t(row)];
        pool_.release(cell);
        cell = std::decay_t<decltype(cell)>(taken);
    });
    reclaimUnusedIds();
}

void CellStore::widen()
{
    wideCells_.reserve(narrowCells_.size());
    for (const auto &column : narrowCells_)
        wideCells_.emplace_back(column.begin(), column.end());
    narrowCells_ = {};
    wide_ = true;
}

void CellStore::setRows(int count)
{
    if (count == rows_ + 1) {
        // The parser adds one row at a time.
        withCells([](auto &cells) {
            for (auto &column : cells)
                column.emplace_back();
        });
        rows_ = count;
        return;
    }
    withCells([&](auto &cells) {
        for (auto &column : cells) {
            releaseFrom(pool_, column, count);
            column.resize(std::size_t(count));
            if (column.capacity() > rowsWorthGivingBack && column.size() < column.capacity() / 4)
                column.shrink_to_fit();
        }
    });
    rows_ = count;
    reclaimUnusedIds();
}

void CellStore::setColumns(int count)
{
    withCells([&](auto &cells) {
        for (int c = count; c < columns_; ++c)
            releaseFrom(pool_, cells[std::size_t(c)], 0);
        cells.resize(std::size_t(count), std::decay_t<decltype(cells[0])>(std::size_t(rows_)));
    });
    columns_ = count;
    reclaimUnusedIds();
}

void CellStore::clearAll()
{
    if (wide_) {
        narrowCells_.assign(std::size_t(columns_), std::vector<std::uint16_t>(std::size_t(rows_)));
        wideCells_ = {};
        wide_ = false;
    } else {
        for (auto &column : narrowCells_)
            std::fill(column.begin(), column.end(), TextPool::emptyText);
    }
    pool_.clear();
}

void CellStore::clearRow(int row)
{
    withCells([&](auto &cells) {
        for (auto &column : cells) {
            pool_.release(column[std::size_t(row)]);
            column[std::size_t(row)] = TextPool::emptyText;
        }
    });
    reclaimUnusedIds();
}

void CellStore::eraseRow(int row)
{
    withCells([&](auto &cells) {
        for (auto &column : cells) {
            pool_.release(column[std::size_t(row)]);
            column.erase(column.begin() + row);
        }
    });
    --rows_;
    reclaimUnusedIds();
}

void CellStore::eraseColumn(int column)
{
    withCells([&](auto &cells) {
        releaseFrom(pool_, cells[std::size_t(column)], 0);
        cells.erase(cells.begin() + column);
    });
    --columns_;
    reclaimUnusedIds();
}

void CellStore::moveRow(int from, int to)
{
    withCells([&](auto &cells) {
        for (auto &column : cells)
            moveWithin(column, from, to);
    });
}

void CellStore::moveColumn(int from, int to)
{
    withCells([&](auto &cells) { moveWithin(cells, from, to); });
}

// Renumbering costs a walk over every cell, so it waits until the unused entries outnumber those in
// use and are worth a good part of that walk: the pool then never holds much more than its cells
// need, however many texts came and went.
void CellStore::reclaimUnusedIds()
{
    const std::size_t unused = pool_.unusedIds();
    if (unused < idsWorthRenumbering || unused < pool_.idLimit() - unused)
        return;
    if (unused < std::size_t(columns_) * std::size_t(rows_) / 16)
        return;
    const std::vector<TextPool::Id> renumbered = pool_.renumber();
    withCells([&](auto &cells) {
        for (auto &column : cells) {
            for (auto &cell : column)
                cell = std::decay_t<decltype(cell)>(renumbered[cell]);
        }
    });
}
