#include "DigestCopy.h"

#include "CounterNameIndex.h"
#include "ValueColumn.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <utility>
#include <vector>

namespace DigestCopy {

namespace {

constexpr int noMatch = -1;

// For each digest row (row r at index r - 1) the last section row that matches it, or noMatch.
std::vector<int> lastMatchingRows(qsizetype digestRows, const GridTable &sections, const CounterNameIndex &index)
{
    std::vector<int> last(std::size_t(digestRows), noMatch);
    for (int row = 1; row < sections.rows(); ++row) {
        const std::vector<int> &matching = index.rowsMatching(sections.cell(SectionTableLayout::Section, row),
                                                              sections.cell(SectionTableLayout::SubSection1, row),
                                                              sections.cell(SectionTableLayout::SubSection2, row));
        for (int digestRow : matching) {
            if (digestRow <= digestRows)
                last[std::size_t(digestRow - 1)] = row;
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

    int forRow(const QString &section, const QString &counterType)
    {
        if (ValueColumn::isSpinlockRow(section))
            return ValueColumn::forSpinlock(counterType);
        for (const auto &[type, column] : ordinary_) {
            if (type == counterType)
                return column;
        }
        const int column = ValueColumn::forOrdinary(counterType, headers_);
        ordinary_.emplace_back(counterType, column);
        return column;
    }

private:
    QStringList headers_;
    std::vector<std::pair<QString, int>> ordinary_;
};

} // namespace

Copied valuesOf(const GridTable &sections, const CounterNameIndex &index, const QStringList &types)
{
    const std::vector<int> last = lastMatchingRows(types.size(), sections, index);
    ColumnChoice columns(sections);
    Copied copied;
    copied.values.resize(types.size());
    for (qsizetype row = 0; row < types.size(); ++row) {
        const int sectionRow = last[std::size_t(row)];
        if (sectionRow == noMatch)
            continue;
        copied.anyMatch = true;
        const int column = columns.forRow(sections.cell(SectionTableLayout::Section, sectionRow), types[row]);
        copied.values[row] = column == ValueColumn::none ? QStringLiteral("-1") : sections.cell(column, sectionRow);
    }
    return copied;
}

} // namespace DigestCopy
