#pragma once

#include <QDateTime>

// One sample that a generated report describes: when sampling started, how long it ran and how
// busy the server was meanwhile.
struct ReportSample
{
    // A wall-clock reading, kept in UTC so that no change of the clocks skips or repeats an hour.
    QDateTime start;
    int seconds = 600;
    // 0: idle; 1: the busiest hour of a day.
    double load = 0.5;
};
