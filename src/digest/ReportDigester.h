#pragma once

#include "CounterNameIndex.h"
#include "DigestRows.h"
#include "DigestedReport.h"

#include <functional>
#include <stop_token>

class TextLines;

// The work of a digest run on one report, done on a worker thread: read it, parse it into a
// section table of its own, take the figures of the run's counters. One digester per worker: it
// keeps a counter name index that remembers what it was asked.
class ReportDigester
{
public:
    using Loader = std::function<TextLines(const QString &path)>;

    ReportDigester(const DigestRows &rows, bool timeOnly, Loader load);

    // Throws Failure when the report cannot be read. A parse that fails, or a file that holds no
    // text, gives a report with its failure and the figures the parse found. `keepParse` hands the
    // parsed report over with the figures.
    DigestedReport digest(const QString &path, std::stop_token stop, bool keepParse);

private:
    const DigestRows &rows_;
    const bool timeOnly_;
    const Loader load_;
    CounterNameIndex index_;
};
