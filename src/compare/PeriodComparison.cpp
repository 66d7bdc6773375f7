#include "PeriodComparison.h"

#include "ComparisonTableLayout.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/Ui.h"
#include "digest/CountedValue.h"
#include "digest/DigestTableLayout.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

namespace PeriodComparison {

namespace {

// What one period holds of one counter.
struct PeriodFigures
{
    double sum = 0;
    int counted = 0;

    std::optional<double> mean() const
    {
        if (counted == 0)
            return std::nullopt;
        return sum / counted;
    }
};

PeriodFigures figuresOf(const GridTable &digest, int row, const QList<int> &columns)
{
    PeriodFigures figures;
    for (int column : columns) {
        if (const auto value = CountedValue::of(digest.cell(column, row))) {
            figures.sum += *value;
            ++figures.counted;
        }
    }
    return figures;
}

// One counter of the comparison, with what its place in the order depends on.
struct CounterChange
{
    int digestRow = 0;
    PeriodFigures baseline;
    PeriodFigures comparison;
    std::optional<double> change;
    std::optional<double> changePercent;

    enum Group { OnePeriodOnly = 0, BothPeriods = 1, NeitherPeriod = 2 };

    Group group() const
    {
        const bool inBaseline = baseline.counted > 0;
        const bool inComparison = comparison.counted > 0;
        if (inBaseline && inComparison)
            return BothPeriods;
        return inBaseline || inComparison ? OnePeriodOnly : NeitherPeriod;
    }
};

CounterChange changeOf(const GridTable &digest, int row, const Periods &periods)
{
    CounterChange counter;
    counter.digestRow = row;
    counter.baseline = figuresOf(digest, row, periods.baseline);
    counter.comparison = figuresOf(digest, row, periods.comparison);
    const std::optional<double> before = counter.baseline.mean();
    const std::optional<double> after = counter.comparison.mean();
    if (before && after) {
        counter.change = *after - *before;
        if (*before != 0)
            counter.changePercent = *counter.change / std::fabs(*before) * 100;
    }
    return counter;
}

// A size to order by; a result that is not a number (figures too large to add up) comes after
// every other, so the order stays a strict one.
double sizeOf(double value)
{
    return std::isnan(value) ? -1.0 : std::fabs(value);
}

// Only for counters with figures in both periods: the size of the change in percent, a change
// from a baseline of 0 being larger than any other and no change at all being 0.
double percentSize(const CounterChange &counter)
{
    if (counter.changePercent)
        return sizeOf(*counter.changePercent);
    return *counter.change == 0 ? 0.0 : std::numeric_limits<double>::infinity();
}

bool movedMore(const CounterChange &a, const CounterChange &b)
{
    if (a.group() != b.group())
        return a.group() < b.group();
    if (a.group() == CounterChange::BothPeriods) {
        const auto key = [](const CounterChange &c) {
            return std::tuple(percentSize(c), sizeOf(*c.change));
        };
        if (key(a) != key(b))
            return key(a) > key(b);
    }
    return a.digestRow < b.digestRow;
}

QString numberOrEmpty(const std::optional<double> &value)
{
    return value ? NumberText::general(*value) : QString();
}

void writeRow(const GridTable &digest, const CounterChange &counter, GridTable &comparison, int row)
{
    using namespace ComparisonTableLayout;
    const QString texts[columnCount] = {
        digest.cell(DigestTableLayout::CounterName, counter.digestRow).toString(),
        digest.cell(DigestTableLayout::Type, counter.digestRow).toString(),
        numberOrEmpty(counter.baseline.mean()),
        numberOrEmpty(counter.comparison.mean()),
        numberOrEmpty(counter.change),
        numberOrEmpty(counter.changePercent),
        QString::number(counter.baseline.counted),
        QString::number(counter.comparison.counted),
    };
    for (int column = 0; column < columnCount; ++column)
        comparison.setCell(column, row, texts[column]);
}

} // namespace

void build(const GridTable &digest, const Periods &periods, GridTable &comparison)
{
    std::vector<CounterChange> counters;
    // A row the user emptied with the Delete key names no counter.
    for (int row = 1; row < digest.rows(); ++row) {
        if (!digest.cell(DigestTableLayout::CounterName, row).isEmpty())
            counters.push_back(changeOf(digest, row, periods));
    }
    std::sort(counters.begin(), counters.end(), movedMore);

    GridTable::BulkUpdate batch(comparison);
    ComparisonTableLayout::reset(comparison);
    comparison.setRows(int(counters.size()) + 1);
    for (std::size_t i = 0; i < counters.size(); ++i)
        writeRow(digest, counters[i], comparison, int(i) + 1);
}

QStringList lines(const GridTable &comparison, const QString &delimiter)
{
    return DelimitedLines::of(comparison, 0, comparison.rows() - 1, ComparisonTableLayout::columnCount, delimiter);
}

void exportCsv(const GridTable &comparison, const QString &typedDelimiter, TextEncoding encoding, Ui &ui)
{
    const QStringList fileLines = lines(comparison, DelimitedLines::delimiterFrom(typedDelimiter));
    const QString path = ui.saveFile(QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    TextFile::write(path, fileLines, encoding);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Comparison exported to ") % path);
}

} // namespace PeriodComparison
