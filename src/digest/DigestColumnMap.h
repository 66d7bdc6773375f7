#pragma once

#include "DigestTableLayout.h"

#include <array>
#include <vector>

class GridTable;

// Which column of a digest table is which, read from the table as it stands. The user may drag any
// column but the gutter to another place, and the statistics columns come and go with their check
// box, so no reader of the digest table counts positions: each asks here.
//
// The counter name and type columns are the ones headed "Sysmon Counter" and "Type" (their usual
// places when no header reads so), the average column the first headed "Avg" in any ASCII letter
// case, the statistics columns the ones marked as such. Every other column after the gutter holds
// a report, its sample time in row 0.
class DigestColumnMap
{
public:
    static constexpr int none = -1;

    // Reads the header row and the marks once; the answers hold until the columns change.
    explicit DigestColumnMap(const GridTable &digest);

    int counterName() const { return counterName_; }
    int type() const { return type_; }
    // none when no column is headed "Avg".
    int average() const { return average_; }

    bool statisticsShown() const { return statisticColumnCount_ > 0; }
    int statisticColumnCount() const { return statisticColumnCount_; }
    // none when the statistic is not shown.
    int statistic(DigestTableLayout::Statistic statistic) const;
    bool isStatistic(int column) const;

    // The report columns, left to right.
    const std::vector<int> &reports() const { return reports_; }
    bool isReport(int column) const;
    // Where the report columns start in a table a run laid out: after the counter name, type and
    // average columns and the statistics columns shown.
    int firstReport() const { return DigestTableLayout::fixedColumnCount + statisticColumnCount_; }
    // How many report columns the averages divide by: every column beyond the fixed ones and the
    // statistics, also one whose sample time happens to read like a fixed header.
    int reportCount() const;

    // Whether the column can never be deleted: headed exactly "Sysmon Counter", "Type" or "Avg",
    // or a statistics column.
    bool isProtected(int column) const;

    static bool isFixedHeader(QStringView header);

private:
    int columns_ = 0;
    int counterName_ = DigestTableLayout::CounterName;
    int type_ = DigestTableLayout::Type;
    int average_ = none;
    std::array<int, DigestTableLayout::statisticCount> statistics_ {};
    int statisticColumnCount_ = 0;
    std::vector<int> reports_;
    std::vector<bool> isReport_;
    std::vector<bool> isProtected_;
    std::vector<bool> isStatistic_;
};
