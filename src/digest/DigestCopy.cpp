#include "DigestCopy.h"

#include "CounterNameIndex.h"
#include "DigestTableLayout.h"
#include "ValueColumn.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <utility>
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

// The column of each counter type, looked up once per report: a counter set holds a few types
// over and over.
class ColumnChoice
{
public:
    explicit ColumnChoice(const GridTable &sections) : headers_(ValueColumn::headersOf(sections)) { }

    int forRow(QStringView section, QStringView counterType)
    {
        if (ValueColumn::isSpinlockRow(section))
            return ValueColumn::forSpinlock(counterType);
        for (const auto &[type, column] : ordinary_) {
            if (type == counterType)
                return column;
        }
        const int column = ValueColumn::forOrdinary(counterType, headers_);
        ordinary_.emplace_back(counterType.toString(), column);
        return column;
    }

private:
    QStringList headers_;
    std::vector<std::pair<QString, int>> ordinary_;
};

} // namespace

bool copyReport(GridTable &digest, int reportColumn, const GridTable &sections, const CounterNameIndex &index,
                const QString &sampleTime, const bool &abortFlag)
{
    if (abortFlag)
        return false;
    const std::vector<int> last = lastMatchingRows(digest, sections, index);
    ColumnChoice columns(sections);
    GridTable::BulkUpdate batch(digest);
    bool anyMatch = false;
    for (int row = 1; row < digest.rows(); ++row) {
        const int sectionRow = last[std::size_t(row)];
        if (sectionRow == noMatch)
            continue;
        anyMatch = true;
        const int column = columns.forRow(sections.cell(SectionTableLayout::Section, sectionRow),
                                          digest.cell(DigestTableLayout::Type, row));
        digest.setCell(reportColumn, row,
                       column == ValueColumn::none ? QStringLiteral("-1") : sections.cell(column, sectionRow));
    }
    if (anyMatch)
        digest.setCell(reportColumn, 0, sampleTime);
    return true;
}

} // namespace DigestCopy
