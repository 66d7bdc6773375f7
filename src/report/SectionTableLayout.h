#pragma once

#include <QStringList>

class GridTable;

// The columns of the section table, the parsed form of one report.
namespace SectionTableLayout {

enum Column {
    Section = 0,
    SubSection1 = 1,
    SubSection2 = 2,
    PerSec = 3,
    PedXact = 4,
    Count = 5,
    PercentTotal = 6,
    CpuPercent = 7,
    IoPercent = 8,
    IdlePercent = 9,
};
inline constexpr int columnCount = 10;

// "Section", "SubSection1", "SubSection2", "PerSec", "PedXact", "Count", "% Total", "CPU %",
// "IO %", "Idle %".
QStringList headerTexts();

// The emptied table: every cell empty, two rows, the ten header texts in row 0.
void reset(GridTable &sections);

} // namespace SectionTableLayout
