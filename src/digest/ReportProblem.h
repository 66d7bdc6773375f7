#pragma once

#include <QString>
#include <QStringList>

// One thing a digest run found wrong with one of its reports, so that the user learns why a cell
// is empty or a column is missing without opening the report: the report's path as listed, what
// kind of problem it is, the counter it concerns (empty for the report as a whole) and the
// particulars.
struct ReportProblem
{
    enum class Kind {
        ParseFailed, // the parser stopped with a message; the column holds what it found before
        OutsideTimeWindow, // the report got no column: its sampling start lies outside From..To
        OtherServer, // its "Server Name" differs from the first report's
        OtherSampleInterval, // its sample interval differs from the one most reports have
        CounterMissing, // no section row matched the counter: its cell stayed empty
        CounterMatchedMoreThanOnce, // several section rows matched: the last one's figure was kept
    };

    QString report;
    Kind kind = Kind::ParseFailed;
    QString counter;
    QString detail;

    // "parse failed", "outside the time window", "other server", "other sample interval",
    // "counter missing", "counter matched more than once".
    static QString kindText(Kind kind);

    bool operator==(const ReportProblem &) const = default;
};
