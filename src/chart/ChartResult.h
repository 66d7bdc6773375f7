#pragma once

#include "ChartAxes.h"
#include "ChartPoint.h"

#include <QList>
#include <QString>

#include <optional>

// What "&Display" leaves in the window. Whatever it holds, the chart's two lines and its title are
// emptied first; then the lines get the points below.
struct ChartResult
{
    // Whether a value-axis text named a digest row. When none does, nothing else is set: the chart
    // stays empty, edRatio and the status bar keep their texts.
    bool drawn = false;
    // Whether a sample time could not be converted; the points before it are kept.
    bool failed = false;
    // The red line ("Y Ax.1") and the green line ("Y Ax.2", scaled by the ratio), in time order;
    // points at equal times keep the order of their report columns.
    QList<ChartPoint> series1;
    QList<ChartPoint> series2;
    // The counter names of the rows the two lines draw, as the digest table holds them; empty for a
    // line whose box names no row.
    QString counterName1;
    QString counterName2;
    // The factor the second line's values were multiplied by.
    double ratio = 1;
    // The time axis's label format in Qt's date-time format letters.
    QString labelFormat;
    std::optional<ChartAxes> axes;
    // The text edRatio must show; nothing when edRatio keeps its text.
    std::optional<QString> ratioText;
    // The text for status bar panel 1; nothing when the status bar keeps its text.
    std::optional<QString> status;
};
