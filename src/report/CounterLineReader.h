#pragma once

#include "ReportLine.h"
#include "RowFigures.h"

// Cuts an ordinary counter line into its entry name and four figures: per second, per
// transaction, count and percentage of total ("Cache Hits   106020.5   85.4   4770921   100.0 %").
struct CounterLine
{
    RowFigures figures;
    // The line ended without a third figure: the rest of the line is the count and the percentage
    // is "n/a" ("Total Cache Searches   106020.8   85.4   4770936").
    bool shortRow = false;
};

namespace CounterLineReader {

CounterLine read(const ReportLine &line);

} // namespace CounterLineReader
