#include "CounterMatches.h"

#include "CounterNameIndex.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

CounterMatches::CounterMatches(const GridTable &sections, const CounterNameIndex &index) :
    last_(std::size_t(index.rows()), noMatch), count_(std::size_t(index.rows()), 0)
{
    // Most counters match once: one allocation, not one per doubling.
    matches_.reserve(std::size_t(index.rows()));
    for (int row = 1; row < sections.rows(); ++row) {
        const std::vector<int> &matching = index.rowsMatchingAt(row, sections.cell(SectionTableLayout::Section, row),
                                                              sections.cell(SectionTableLayout::SubSection1, row),
                                                              sections.cell(SectionTableLayout::SubSection2, row));
        for (int digestRow : matching) {
            last_[std::size_t(digestRow)] = row;
            ++count_[std::size_t(digestRow)];
            matches_.push_back({ digestRow, row });
        }
    }
}

int CounterMatches::last(int digestRow) const
{
    return digestRow >= 0 && digestRow < digestRows() ? last_[std::size_t(digestRow)] : noMatch;
}

int CounterMatches::count(int digestRow) const
{
    return digestRow >= 0 && digestRow < digestRows() ? count_[std::size_t(digestRow)] : 0;
}

std::vector<int> CounterMatches::all(int digestRow) const
{
    std::vector<int> rows;
    for (const Match &match : matches_) {
        if (match.digestRow == digestRow)
            rows.push_back(match.sectionRow);
    }
    return rows;
}
