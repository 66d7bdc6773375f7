#pragma once

#include "CategoryLists.h"
#include "common/TextLines.h"
#include "grid/GridTable.h"

#include <QString>

#include <memory>
#include <optional>
#include <stop_token>

class ParseObserver;

// One report parsed away from the window: its text, a section table of its own and its category
// lists, handed to whichever thread takes them. The table belongs to no thread until one adopts it
// (GridTable::takeCells), so the thread that parsed it may end first.
struct ParseResult
{
    TextLines report;
    std::unique_ptr<GridTable> sections;
    CategoryLists lists;
    // The parser's message when the parse failed; the table and lists hold what it found before.
    std::optional<QString> failure;
    // False for a digest's parse, whose lists hold only the spinlock entries until completeLists()
    // adds the distinct texts of rows 1 to listedRowsEnd - 1.
    bool listsComplete = true;
    int listedRowsEnd = 0;

    // The whole category lists, for a parse about to be shown on the first tab.
    void completeLists();

    // Parses `report` exactly as "&Parse Sections" does, on the calling thread, into a new table.
    static ParseResult of(TextLines report, std::stop_token stop = {}, ParseObserver *observer = nullptr);
    // The same for a digest's figures, into `table` when given (one used before, whose room the
    // parse reuses): the category lists are left to completeLists().
    static ParseResult forFigures(TextLines report, std::unique_ptr<GridTable> table = nullptr,
                                  std::stop_token stop = {});

private:
    static ParseResult parse(TextLines report, std::unique_ptr<GridTable> table, bool wholeLists,
                             std::stop_token stop, ParseObserver *observer);
};
