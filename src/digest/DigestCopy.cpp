#include "DigestCopy.h"

#include "CounterMatches.h"
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

Copied valuesOf(const GridTable &sections, const CounterMatches &matches, const QStringList &types)
{
    ColumnChoice columns(sections);
    Copied copied;
    // Figures are short: a dozen characters each leaves room for most reports in one allocation.
    constexpr qsizetype charactersPerFigure = 12;
    copied.values.reserve(types.size(), types.size() * charactersPerFigure);
    for (qsizetype row = 0; row < types.size(); ++row) {
        const int sectionRow = matches.last(int(row) + 1);
        if (sectionRow == CounterMatches::noMatch) {
            copied.values.append(QStringView());
            continue;
        }
        copied.anyMatch = true;
        const int column = columns.forRow(sections.cell(SectionTableLayout::Section, sectionRow), types[row]);
        copied.values.append(column == ValueColumn::none ? QStringView(u"-1") : sections.cell(column, sectionRow));
    }
    return copied;
}

Copied valuesOf(const GridTable &sections, const CounterNameIndex &index, const QStringList &types)
{
    return valuesOf(sections, CounterMatches(sections, index), types);
}

QString figureOf(const GridTable &sections, int sectionRow, const QString &counterType)
{
    const QStringView section = sections.cell(SectionTableLayout::Section, sectionRow);
    const int column = ValueColumn::isSpinlockRow(section)
        ? ValueColumn::forSpinlock(counterType)
        : ValueColumn::forOrdinary(counterType, ValueColumn::headersOf(sections));
    return column == ValueColumn::none ? QStringLiteral("-1") : sections.cell(column, sectionRow).toString();
}

} // namespace DigestCopy
