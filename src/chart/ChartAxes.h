#pragma once

#include "ChartPoint.h"

#include <QDateTime>
#include <QList>

#include <optional>

// The ranges of the time axis and the value axis, ready to apply to the chart.
struct ChartAxes
{
    QDateTime timeFrom;
    QDateTime timeTo;
    double valueFrom = 0;
    double valueTo = 0;

    // The ranges that hold every point of both lines, or nothing when there is no point. An axis
    // whose points all share one value is widened around it (half a minute either side of a time;
    // a tenth of the value, or 1 around 0, either side of a value), so that a single report column
    // shows as a point in the middle of the chart instead of collapsing the axis.
    static std::optional<ChartAxes> fitting(const QList<ChartPoint> &first, const QList<ChartPoint> &second);
};
