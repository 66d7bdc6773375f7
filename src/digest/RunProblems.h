#pragma once

#include "ReportFacts.h"

#include <vector>

// The report problems a digest run collects as it goes: each report's facts when it is done, and
// at any moment the list of problems so far, the comparisons between the reports included.
class RunProblems
{
public:
    void add(ReportFacts report) { reports_.push_back(std::move(report)); }

    // The problems in list order of their reports; a report's own come in the order of their kinds
    // (parse failed, outside the time window, other server, other sample interval, counter missing,
    // counter matched more than once), the counters of a kind in digest row order.
    std::vector<ReportProblem> list() const;

private:
    std::vector<ReportFacts> reports_;
};
