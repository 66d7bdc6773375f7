#include "DigestCopy.h"

#include "CounterMatches.h"
#include "CounterRows.h"
#include "ValueColumn.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <utility>
#include <vector>

namespace DigestCopy {

namespace {

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

bool copyReport(GridTable &digest, int reportColumn, const GridTable &sections, const CounterRows &rows,
                const CounterMatches &matches, const QString &sampleTime, const bool &abortFlag)
{
    if (abortFlag)
        return false;
    ColumnChoice columns(sections);
    GridTable::BulkUpdate batch(digest);
    bool anyMatch = false;
    for (int row = 1; row < digest.rows() && row < rows.rows(); ++row) {
        const int sectionRow = matches.last(row);
        if (sectionRow == CounterMatches::noMatch)
            continue;
        anyMatch = true;
        const int column = columns.forRow(sections.cell(SectionTableLayout::Section, sectionRow), rows.type(row));
        digest.setCell(reportColumn, row,
                       column == ValueColumn::none ? QStringLiteral("-1") : sections.cell(column, sectionRow));
    }
    if (anyMatch)
        digest.setCell(reportColumn, 0, sampleTime);
    return true;
}

bool copyReport(GridTable &digest, int reportColumn, const GridTable &sections, const CounterNameIndex &index,
                const QString &sampleTime, const bool &abortFlag)
{
    if (abortFlag)
        return false;
    return copyReport(digest, reportColumn, sections, CounterRows(digest), CounterMatches(sections, index), sampleTime,
                      abortFlag);
}

QString figureOf(const GridTable &sections, int sectionRow, const QString &counterType)
{
    const QString &section = sections.cell(SectionTableLayout::Section, sectionRow);
    const int column = ValueColumn::isSpinlockRow(section)
        ? ValueColumn::forSpinlock(counterType)
        : ValueColumn::forOrdinary(counterType, ValueColumn::headersOf(sections));
    return column == ValueColumn::none ? QStringLiteral("-1") : sections.cell(column, sectionRow);
}

} // namespace DigestCopy
