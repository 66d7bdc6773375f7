#pragma once

#include "DigestCopy.h"
#include "ReportFacts.h"
#include "report/ParseResult.h"

#include <QString>

#include <optional>

// One report as a digest run's worker made it: everything its report column needs, as plain
// values that may cross to the thread that adds the column.
struct DigestedReport
{
    QString path;
    // Row 0 of the column, when any counter matched: the sampling start, or its time of day.
    QString sampleTime;
    // The whole sampling start, whatever "Ti&me Only" cut off.
    QString samplingStart;
    // The report's "Sample Interval:" value, which weighs its figures in the statistics.
    QString sampleInterval;
    // Why the report gets no column: its sampling start lies outside the run's time window.
    std::optional<QString> outsideTimeWindow;
    // What the run's list of report problems learns of it, when the run keeps one.
    ReportFacts facts;
    DigestCopy::Copied copied;
    // The parse failed (or the file holds no text); the values are what the parse found before.
    std::optional<QString> parseFailure;
    // The report itself, parsed, when the run hands its parses over (the window keeps the last).
    std::optional<ParseResult> parse;
};
