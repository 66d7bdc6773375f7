#pragma once

#include <QDateTime>
#include <QString>

struct ChartResult;

// What a saved picture of the chart writes above the plot, since the chart has no legend and its
// time labels may not reach the first and last report: which counter each line draws, the ratio
// the second was multiplied by, and the sample times the picture shows.
struct ChartCaption
{
    // "Y Ax.1: " and the red line's counter name; empty when that line draws no row.
    QString line1;
    // "Y Ax.2: ", the green line's counter name and its ratio; empty when that line draws no row.
    QString line2;
    // The first and last sample time among the points between `viewFrom` and `viewTo` (the time
    // axis as zoomed), or those two ends when no point lies between them; in the time axis's label
    // format.
    QString times;

    // Nothing at all for a Display that drew nothing.
    static ChartCaption of(const ChartResult &result, const QDateTime &viewFrom, const QDateTime &viewTo);
};
