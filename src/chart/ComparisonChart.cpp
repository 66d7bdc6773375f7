#include "ComparisonChart.h"

#include "SampleTimeConversion.h"
#include "common/Failure.h"
#include "common/NumberText.h"
#include "common/TextRules.h"
#include "digest/DigestColumnMap.h"
#include "grid/GridTable.h"

#include <algorithm>
#include <cmath>

namespace ComparisonChart {

namespace {

constexpr int noRow = -1;

// The walk over the report columns: which rows feed the two lines, and the factor of the second.
struct Walk
{
    const GridTable &digest;
    const DigestColumnMap columns { digest };
    int row1 = noRow;
    int row2 = noRow;
    double ratio = 1;
    bool timeOnly = false;
};

// A number as the chart reads it: "INF" and "NAN" read as numbers but cannot be drawn, so they
// count as no number like any other text.
std::optional<double> numberIn(QStringView text)
{
    const auto value = NumberText::readReal(text);
    if (value && std::isfinite(*value))
        return value;
    return std::nullopt;
}

// The first row, from the header row down, whose counter name is `name` with letter case ignored.
int rowNamed(const Walk &walk, const QString &name)
{
    for (int row = 0; row < walk.digest.rows(); ++row) {
        if (TextRules::equalsAnyCase(walk.digest.cell(walk.columns.counterName(), row), name))
            return row;
    }
    return noRow;
}

// The first average divided by the second, or nothing when a row is missing, an average is no
// number or the quotient is not finite (a divisor of 0, for instance).
std::optional<double> ratioOfAverages(const Walk &walk)
{
    const int average = walk.columns.average();
    if (walk.row1 == noRow || walk.row2 == noRow || average == DigestColumnMap::none)
        return std::nullopt;
    const auto dividend = numberIn(walk.digest.cell(average, walk.row1));
    const auto divisor = numberIn(walk.digest.cell(average, walk.row2));
    if (!dividend || !divisor)
        return std::nullopt;
    const double ratio = *dividend / *divisor;
    if (!std::isfinite(ratio))
        return std::nullopt;
    return ratio;
}

ChartPoint pointOf(const Walk &walk, int column, int row, const QDateTime &time)
{
    const double value = numberIn(walk.digest.cell(column, row)).value_or(0);
    return ChartPoint { time, value, value, walk.digest.cell(walk.columns.counterName(), row).toString() };
}

ChartPoint scaledPointOf(const Walk &walk, int column, int row, const QDateTime &time)
{
    ChartPoint point = pointOf(walk, column, row, time);
    point.value = point.valueBeforeRatio * walk.ratio;
    if (!std::isfinite(point.value))
        throw Failure(u'\'' % walk.digest.cell(column, row) % QStringLiteral("' times the ratio ") %
                      NumberText::general(walk.ratio) % QStringLiteral(" is too large to draw"));
    return point;
}

// Adds each report column's points; throws Failure at a sample time that cannot be converted,
// with the points of the earlier columns already added. A column without a sample time gives no
// point.
void addPoints(const Walk &walk, ChartResult &result)
{
    const GridTable &digest = walk.digest;
    for (int column : walk.columns.reports()) {
        const QStringView header = digest.cell(column, 0);
        if (header.isEmpty())
            continue;
        // A report that lacks the first counter is left out of both lines.
        if (walk.row1 != noRow && digest.cell(column, walk.row1).isEmpty())
            continue;
        const QDateTime time = SampleTimeConversion::toDateTime(header, walk.timeOnly);
        if (walk.row1 != noRow)
            result.series1.append(pointOf(walk, column, walk.row1, time));
        if (walk.row2 != noRow)
            result.series2.append(scaledPointOf(walk, column, walk.row2, time));
    }
}

void sortByTime(QList<ChartPoint> &points)
{
    std::stable_sort(points.begin(), points.end(),
                     [](const ChartPoint &a, const ChartPoint &b) { return a.time < b.time; });
}

} // namespace

ChartResult display(const ChartInput &input)
{
    ChartResult result;
    Walk walk { input.digest };
    walk.ratio = numberIn(input.ratioText).value_or(1);
    walk.row1 = rowNamed(walk, input.valueAxisText);
    walk.row2 = rowNamed(walk, input.valueAxis2Text);
    walk.timeOnly = input.timeOnly;
    if (walk.row1 == noRow && walk.row2 == noRow)
        return result;

    result.drawn = true;
    if (walk.row1 != noRow)
        result.counterName1 = input.digest.cell(walk.columns.counterName(), walk.row1).toString();
    if (walk.row2 != noRow)
        result.counterName2 = input.digest.cell(walk.columns.counterName(), walk.row2).toString();
    result.labelFormat = QString::fromUtf16(input.timeOnly ? timeOnlyLabelFormat : dateTimeLabelFormat);
    if (input.setRatio) {
        walk.ratio = ratioOfAverages(walk).value_or(1);
        result.ratioText = NumberText::general(walk.ratio);
    }
    result.ratio = walk.ratio;
    try {
        addPoints(walk, result);
        result.status = QStringLiteral("Data Displayed in Chart");
    } catch (const Failure &failure) {
        result.failed = true;
        result.status = QStringLiteral("Gragh Error: ") % failure.message();
    }
    sortByTime(result.series1);
    sortByTime(result.series2);
    result.axes = ChartAxes::fitting(result.series1, result.series2);
    return result;
}

} // namespace ComparisonChart
