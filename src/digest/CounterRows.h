#pragma once

#include <QString>

#include <vector>

class GridTable;

// The digest rows a run copies into, as they stand when it starts: what the report problems say
// of a counter. Plain values, so that a report can be checked away from the digest table.
class CounterRows
{
public:
    explicit CounterRows(const GridTable &digest);

    // Rows 1.. as in the digest table; row 0 is the header row.
    int rows() const { return int(names_.size()); }
    const QString &name(int row) const { return names_[std::size_t(row)]; }
    const QString &type(int row) const { return types_[std::size_t(row)]; }
    // Whether the row stands for a picked counter: a blank row, or the row of a counter set row
    // whose fields are all blank ("[]_[]_[]"), names nothing a report could lack.
    bool namesCounter(int row) const { return namesCounter_[std::size_t(row)]; }
    // What a report that lacks the row's counter is told, the same text for every report.
    const QString &missingDetail(int row) const { return missingDetails_[std::size_t(row)]; }

private:
    std::vector<QString> names_;
    std::vector<QString> types_;
    std::vector<bool> namesCounter_;
    std::vector<QString> missingDetails_;
};
