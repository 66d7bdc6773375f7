#pragma once

#include "ReportLine.h"
#include "RowFigures.h"

// Cuts an engine utilisation line of an engine CPU block into its entry name and three
// percentages ("Engine 0    25.9 %    1.1 %    0.0 %    73.0 %"). Each percentage is taken whole,
// however wide: an idle engine's "100.0 %" or a pool total's "1350.9 %" keep every digit.
struct CpuLine
{
    RowFigures figures; // the fourth value stays empty
    // The rest of the line mentions "average": the CPU block ends with this line.
    bool endsBlock = false;
};

namespace CpuLineReader {

// `skipSecond`: the second percentage of the line is passed over (in the tick block of a
// threaded kernel it is the system busy share, which has no column of its own).
CpuLine read(const ReportLine &line, bool skipSecond);

} // namespace CpuLineReader
