#pragma once

#include <QString>

class GridTable;

// The sample time that heads a report column: the sampling start the parser found among the
// report's header fields.
namespace SampleTime {

// Column 1 of the first of section table rows 1 to 9 whose column 0 contains "Sampling Started"
// (letter case respected); with `timeOnly` only its last 9 characters, which for a value ending in
// a date and a time of day are a space and the time. Empty when no such row is found.
QString of(const GridTable &sections, bool timeOnly);

} // namespace SampleTime
