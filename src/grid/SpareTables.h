#pragma once

#include "GridTable.h"

#include <memory>
#include <mutex>
#include <vector>

// Tables handed back after use, for the next writer to fill again: a table keeps its room (its
// text pool and cells), so work that fills a table per item and hands each one on to another
// thread (a window's digest run, one section table per report) does not allocate and free a
// table's worth of memory per item. Shared between threads; the tables in it belong to no thread.
class SpareTables
{
public:
    // Keeps `table` unless enough are kept already.
    void giveBack(std::unique_ptr<GridTable> table)
    {
        std::lock_guard lock(mutex_);
        if (table && tables_.size() < maxKept)
            tables_.push_back(std::move(table));
    }

    // A table given back, or nothing.
    std::unique_ptr<GridTable> take()
    {
        std::lock_guard lock(mutex_);
        if (tables_.empty())
            return nullptr;
        std::unique_ptr<GridTable> table = std::move(tables_.back());
        tables_.pop_back();
        return table;
    }

private:
    static constexpr std::size_t maxKept = 8;

    std::mutex mutex_;
    std::vector<std::unique_ptr<GridTable>> tables_;
};
