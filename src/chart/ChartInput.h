#pragma once

#include <QString>

class GridTable;

// What the comparison chart reads when "&Display" is pressed: the texts of its controls and the
// digest table. The window gathers it from its controls; the command line builds it from options.
struct ChartInput
{
    const GridTable &digest;
    // "Y Ax.1" (cbValueAxis) and "Y Ax.2" (cbValueAxis2): the counter names of the two lines.
    QString valueAxisText;
    QString valueAxis2Text;
    // edRatio: the factor of the second line while "Set Ratio" is not ticked.
    QString ratioText;
    // "Set Ratio" (cbSetRatio): the ratio comes from the two counters' averages instead.
    bool setRatio = false;
    // "Ti&me Only" (cbTimeOnly): the sample times are times of day without a date.
    bool timeOnly = false;
};
