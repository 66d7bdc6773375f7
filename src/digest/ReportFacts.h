#pragma once

#include "ReportProblem.h"

#include <QString>

#include <vector>

// What a digest run learns of one listed report besides its figures: enough to compare it with the
// run's other reports once all are done, and the problems it shows by itself.
struct ReportFacts
{
    QString path;
    // The report's "Server Name:" and "Sample Interval:" header values; empty when it has none.
    QString serverName;
    QString sampleInterval;
    // Whether it got a report column; a report outside the time window does not, and takes part in
    // no comparison.
    bool digested = false;
    std::vector<ReportProblem> problems;
};
