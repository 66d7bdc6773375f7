#include "DigestCopy.h"

#include "CounterNameIndex.h"
#include "DigestTableLayout.h"
#include "ValueColumn.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <vector>

namespace DigestCopy {

namespace {

constexpr int noMatch = -1;

// For each digest row the last section row that matches it, or noMatch.
std::vector<int> lastMatchingRows(const GridTable &digest, const GridTable &sections, const CounterNameIndex &index)
{
    std::vector<int> last(std::size_t(digest.rows()), noMatch);
    for (int row = 1; row < sections.rows(); ++row) {
        const std::vector<int> &matching = index.rowsMatching(sections.cell(SectionTableLayout::Section, row),
                                                              sections.cell(SectionTableLayout::SubSection1, row),
                                                              sections.cell(SectionTableLayout::SubSection2, row));
        for (int digestRow : matching) {
            if (digestRow < digest.rows())
                last[std::size_t(digestRow)] = row;
        }
    }
    return last;
}

} // namespace

bool copyReport(GridTable &digest, int reportColumn, const GridTable &sections, const CounterNameIndex &index,
                const QString &sampleTime, const bool &abortFlag)
{
    if (abortFlag)
        return false;
    const std::vector<int> last = lastMatchingRows(digest, sections, index);
    const QStringList headers = ValueColumn::headersOf(sections);
    GridTable::BulkUpdate batch(digest);
    bool anyMatch = false;
    for (int row = 1; row < digest.rows(); ++row) {
        const int sectionRow = last[std::size_t(row)];
        if (sectionRow == noMatch)
            continue;
        anyMatch = true;
        const int column = ValueColumn::choose(sections.cell(SectionTableLayout::Section, sectionRow),
                                               digest.cell(DigestTableLayout::Type, row), headers);
        digest.setCell(reportColumn, row,
                       column == ValueColumn::none ? QStringLiteral("-1") : sections.cell(column, sectionRow));
    }
    if (anyMatch)
        digest.setCell(reportColumn, 0, sampleTime);
    return true;
}

} // namespace DigestCopy
