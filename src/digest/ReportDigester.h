#pragma once

#include "CounterNameIndex.h"
#include "DigestRows.h"
#include "DigestedReport.h"
#include "TimeWindow.h"
#include "grid/SpareTables.h"

#include <functional>
#include <memory>
#include <stop_token>

class TextLines;

// The work of a digest run on one report, done on a worker thread: read it, parse it into a
// section table of its own, take the figures of the run's counters, and check it for the run's
// report problems. One digester per worker: it keeps a counter name index that remembers what it
// was asked.
class ReportDigester
{
public:
    using Loader = std::function<TextLines(const QString &path)>;

    // What a run asks of every report besides its figures.
    struct Options
    {
        // Head each report column with only the time of day of its sampling start.
        bool timeOnly = true;
        // A report whose sampling start lies outside it gets no column.
        TimeWindow window = TimeWindow();
        // Check the report for the run's list of report problems.
        bool listProblems = false;
        // Section tables to fill again for parses that are handed over.
        std::shared_ptr<SpareTables> spareTables;
    };

    ReportDigester(const DigestRows &rows, const Options &options, Loader load);

    // Throws Failure when the report cannot be read. A parse that fails, or a file that holds no
    // text, gives a report with its failure and the figures the parse found. A report outside the
    // time window is parsed (its sampling start is in its text) but gets no figures. `keepParse`
    // hands the parsed report over with the figures.
    DigestedReport digest(const QString &path, std::stop_token stop, bool keepParse);

private:
    ParseResult parseForFigures(TextLines report, std::stop_token stop, bool handOver);
    void takeFigures(DigestedReport &digested, const GridTable &sections);

    const DigestRows &rows_;
    const Options options_;
    const Loader load_;
    CounterNameIndex index_;
    // The section table of the report before, when its parse was not handed over.
    std::unique_ptr<GridTable> spareSections_;
};
