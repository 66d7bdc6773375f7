#pragma once

#include "ReportLine.h"

#include <QStringView>

// Where one figure of a value line lies: characters [start, end) of the line.
struct FigureSpan
{
    qsizetype start = -1;
    qsizetype end = -1;
    bool notAvailable = false; // the report printed "n/a" in some letter case

    bool found() const { return start >= 0; }
};

// Finds the figures of a value line. A figure is either a number written with a decimal point,
// taken as the whole run of non-space characters around the point, or "n/a" in any letter case,
// whichever comes first. Integers without a point are not figures here: counts are found between
// the figures around them.
namespace FigureScanner {

// The first figure of the line at or after `from`; none when the rest of the line holds neither a
// '.' nor an "n/a".
FigureSpan next(const ReportLine &line, qsizetype from);

// The longest run of non-space characters of the line that contains position `at`, not reaching
// before `from`.
FigureSpan runAround(QStringView text, qsizetype from, qsizetype at);

// The figure's text: "n/a" (lower case) for a figure the report printed as "n/a".
QStringView textOf(const ReportLine &line, const FigureSpan &figure);

} // namespace FigureScanner
