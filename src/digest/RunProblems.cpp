#include "RunProblems.h"

#include "ReportCheck.h"

#include <algorithm>

std::vector<ReportProblem> RunProblems::list() const
{
    const std::vector<std::vector<ReportProblem>> across = ReportCheck::acrossReports(reports_);
    std::vector<ReportProblem> problems;
    std::size_t count = 0;
    for (std::size_t i = 0; i < reports_.size(); ++i)
        count += reports_[i].problems.size() + across[i].size();
    problems.reserve(count);
    for (std::size_t i = 0; i < reports_.size(); ++i) {
        const auto first = std::ptrdiff_t(problems.size());
        problems.insert(problems.end(), reports_[i].problems.begin(), reports_[i].problems.end());
        problems.insert(problems.end(), across[i].begin(), across[i].end());
        std::stable_sort(problems.begin() + first, problems.end(),
                         [](const ReportProblem &a, const ReportProblem &b) { return a.kind < b.kind; });
    }
    return problems;
}
