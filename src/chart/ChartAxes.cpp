#include "ChartAxes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int halfTimeSpanSeconds = 30;

void widenTime(ChartAxes &axes)
{
    if (axes.timeFrom != axes.timeTo)
        return;
    axes.timeFrom = axes.timeFrom.addSecs(-halfTimeSpanSeconds);
    axes.timeTo = axes.timeTo.addSecs(halfTimeSpanSeconds);
}

void widenValue(ChartAxes &axes)
{
    if (axes.valueFrom != axes.valueTo)
        return;
    const double value = axes.valueFrom;
    double half = std::abs(value) / 10;
    if (half == 0) // around 0, or a value so small that a tenth of it is 0
        half = 1;
    // Near the largest number the widened end would overflow; the other end still widens.
    constexpr double largest = std::numeric_limits<double>::max();
    axes.valueFrom = std::clamp(value - half, -largest, largest);
    axes.valueTo = std::clamp(value + half, -largest, largest);
}

} // namespace

std::optional<ChartAxes> ChartAxes::fitting(const QList<ChartPoint> &first, const QList<ChartPoint> &second)
{
    std::optional<ChartAxes> axes;
    for (const QList<ChartPoint> *points : { &first, &second }) {
        for (const ChartPoint &point : *points) {
            if (!axes) {
                axes = ChartAxes { point.time, point.time, point.value, point.value };
                continue;
            }
            axes->timeFrom = std::min(axes->timeFrom, point.time);
            axes->timeTo = std::max(axes->timeTo, point.time);
            axes->valueFrom = std::min(axes->valueFrom, point.value);
            axes->valueTo = std::max(axes->valueTo, point.value);
        }
    }
    if (axes) {
        widenTime(*axes);
        widenValue(*axes);
    }
    return axes;
}
