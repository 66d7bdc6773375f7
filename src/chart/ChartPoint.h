#pragma once

#include <QDateTime>
#include <QString>

// One point of a chart line, with what a tooltip tells about it.
struct ChartPoint
{
    // The report's sample time as a wall-clock reading, held in UTC so that no daylight-saving
    // change of the desktop's zone can make it invalid or reorder it; show it with toString().
    QDateTime time;
    // The value drawn: for the second line, after the ratio.
    double value = 0;
    // The value the digest table holds (0 where it holds no number), before any ratio.
    double valueBeforeRatio = 0;
    // The counter name of the digest row the point comes from.
    QString counterName;
};
