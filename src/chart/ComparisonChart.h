#pragma once

#include "ChartInput.h"
#include "ChartResult.h"

// "&Display": one or two digest rows drawn against the reports' sample times, the second scaled by
// a ratio so that both lines share one value axis.
namespace ComparisonChart {

inline constexpr char16_t timeOnlyLabelFormat[] = u"hh:mm:ss";
inline constexpr char16_t dateTimeLabelFormat[] = u"dd/MM/yyyy hh:mm:ss";

// Everything Display decides. The rows are found by their counter names, letter case ignored; with
// "Set Ratio" the ratio is the first average divided by the second (1 when that cannot be formed),
// otherwise edRatio's number (1 when it holds none). Every report column whose "Y Ax.1" cell is
// not empty gives each named row a point; a value that is not a number is drawn at 0. A sample
// time that cannot be converted ends the walk with "Gragh Error: " and the failure's message.
ChartResult display(const ChartInput &input);

} // namespace ComparisonChart
