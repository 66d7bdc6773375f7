#pragma once

#include "ChartInput.h"
#include "ChartResult.h"

#include <QString>
#include <QStringList>

// The chart as text, for the command line: "Ratio" with the ratio as edRatio shows it after
// Display, then one line per point, the red line's points first, then the green line's, each in
// time order: the line's number, the sample time and the value drawn, joined by the delimiter.
namespace ChartLines {

// `delimiter` is used as given. Times read "hh:mm:ss" with "Ti&me Only", otherwise
// "yyyy-MM-dd hh:mm:ss"; values are in the general number format.
QStringList of(const ChartInput &input, const ChartResult &result, const QString &delimiter);

} // namespace ChartLines
