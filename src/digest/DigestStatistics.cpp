#include "DigestStatistics.h"

#include "CountedValue.h"
#include "DigestColumnMap.h"
#include "SampleInterval.h"
#include "common/NumberText.h"
#include "grid/GridTable.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace DigestStatistics {

namespace {

using DigestTableLayout::Statistic;

// The sample interval of each report column, in seconds; nothing where it has none that reads.
std::vector<std::optional<int>> intervalsOf(const GridTable &digest, const std::vector<int> &reports)
{
    std::vector<std::optional<int>> intervals;
    intervals.reserve(reports.size());
    for (int column : reports)
        intervals.push_back(
            SampleInterval::seconds(digest.columnNote(column, DigestTableLayout::SampleInterval).toString()));
    return intervals;
}

// The figures of one counter row and their reports' weights.
struct RowFigures
{
    std::vector<double> values;
    double weightedSum = 0;
    double weightSum = 0;
    bool everyWeightKnown = true;

    void clear()
    {
        values.clear();
        weightedSum = 0;
        weightSum = 0;
        everyWeightKnown = true;
    }

    void add(double value, std::optional<int> interval)
    {
        values.push_back(value);
        if (!interval) {
            everyWeightKnown = false;
            return;
        }
        weightedSum += value * *interval;
        weightSum += *interval;
    }

    double weightedMean() const
    {
        if (everyWeightKnown)
            return weightedSum / weightSum;
        double sum = 0;
        for (double value : values)
            sum += value;
        return sum / double(values.size());
    }
};

// The middle of the sorted figures; halves are taken first, so two huge figures cannot overflow.
double median(const std::vector<double> &sorted)
{
    const std::size_t n = sorted.size();
    if (n % 2 == 1)
        return sorted[n / 2];
    return sorted[n / 2 - 1] / 2 + sorted[n / 2] / 2;
}

// Nearest rank: the smallest figure that at least 95 in 100 figures do not exceed.
double p95(const std::vector<double> &sorted)
{
    const std::size_t rank = (95 * sorted.size() + 99) / 100;
    return sorted[rank - 1];
}

class RowWriter
{
public:
    RowWriter(GridTable &digest, const DigestColumnMap &columns) : digest_(digest), columns_(columns) { }

    void write(int row, RowFigures &figures)
    {
        put(Statistic::N, row, QString::number(figures.values.size()));
        if (figures.values.empty()) {
            for (Statistic statistic :
                 { Statistic::Min, Statistic::Max, Statistic::Median, Statistic::P95, Statistic::WeightedMean })
                put(statistic, row, QString());
            return;
        }
        std::vector<double> &sorted = figures.values;
        // The weighted mean sums the figures in report order, before they are sorted.
        const double weightedMean = figures.weightedMean();
        std::sort(sorted.begin(), sorted.end());
        put(Statistic::Min, row, NumberText::general(sorted.front()));
        put(Statistic::Max, row, NumberText::general(sorted.back()));
        put(Statistic::Median, row, NumberText::general(median(sorted)));
        put(Statistic::P95, row, NumberText::general(p95(sorted)));
        put(Statistic::WeightedMean, row, NumberText::general(weightedMean));
    }

    void clear(int row)
    {
        for (int i = 0; i < DigestTableLayout::statisticCount; ++i)
            put(Statistic(i), row, QString());
    }

private:
    void put(Statistic statistic, int row, const QString &text)
    {
        const int column = columns_.statistic(statistic);
        if (column != DigestColumnMap::none)
            digest_.setCell(column, row, text);
    }

    GridTable &digest_;
    const DigestColumnMap &columns_;
};

void show(GridTable &digest)
{
    const DigestColumnMap columns(digest);
    const int first = (columns.average() != DigestColumnMap::none ? columns.average() : DigestTableLayout::Average) + 1;
    const QStringList headers = DigestTableLayout::statisticsHeader.texts();
    for (int i = 0; i < DigestTableLayout::statisticCount; ++i) {
        digest.setColumns(digest.columns() + 1);
        digest.moveColumn(digest.columns() - 1, first + i);
        digest.setCell(first + i, 0, headers[i]);
        digest.setColumnNote(first + i, DigestTableLayout::StatisticNote, i);
    }
}

void hide(GridTable &digest)
{
    const DigestColumnMap columns(digest);
    for (int column = digest.columns() - 1; column > DigestTableLayout::Gutter; --column) {
        if (columns.isStatistic(column))
            digest.deleteColumn(column);
    }
}

} // namespace

void setShown(GridTable &digest, bool shown)
{
    const int standing = DigestColumnMap(digest).statisticColumnCount();
    if (shown ? standing == DigestTableLayout::statisticCount : standing == 0)
        return;
    GridTable::BulkUpdate batch(digest);
    hide(digest);
    if (shown)
        show(digest);
}

void calculate(GridTable &digest)
{
    const DigestColumnMap columns(digest);
    if (!columns.statisticsShown())
        return;
    GridTable::BulkUpdate batch(digest);
    RowWriter writer(digest, columns);
    const std::vector<int> &reports = columns.reports();
    const std::vector<std::optional<int>> intervals = intervalsOf(digest, reports);
    RowFigures figures;
    for (int row = 1; row < digest.rows(); ++row) {
        if (reports.empty()) {
            writer.clear(row);
            continue;
        }
        figures.clear();
        for (std::size_t i = 0; i < reports.size(); ++i) {
            // "INF" and "NAN" read as numbers but are no figures a report prints, and a NaN has
            // no place in an order.
            const auto value = CountedValue::of(digest.cell(reports[i], row));
            if (value && std::isfinite(*value))
                figures.add(*value, intervals[i]);
        }
        writer.write(row, figures);
    }
}

} // namespace DigestStatistics
