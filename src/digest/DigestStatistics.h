#pragma once

class GridTable;

// "&Statistics": beside each counter's average, how its figures spread over the reports. The
// columns "N", "Min", "Max", "Median", "P95" and "Wtd Mean" stand right after "Avg" while the box
// is ticked; each counts only the report cells that hold a figure (CountedValue, and finite), so a
// report that lacks the counter, or whose counter type names no figure ("-1"), is left out rather
// than counted as 0 or -1.
namespace DigestStatistics {

// Adds the statistics columns right after the average column (after the fixed columns when there
// is none), headed and marked, or removes them. Does nothing when they already stand as asked. The
// added columns are empty until calculate() fills them.
void setShown(GridTable &digest, bool shown);

// Rewrites the statistics columns below their headers, when they are shown. Row r gets:
// N, how many of its report cells hold a figure; the smallest and largest figure; the median (the
// mean of the two middle figures for an even N); P95, the figure at rank ceil(0.95 N) in
// ascending order (nearest rank); Wtd Mean, the figures' mean weighted by their reports' sample
// intervals, with equal weights when a figure's report has no interval that reads (so one such
// report makes the row's weighted mean the plain mean of its figures). All are written in the
// general number format, not rounded to hundredths as the average is: a mean of figures with one
// decimal often ends in an exact half hundredth, which binary arithmetic rounds either way, and
// the small figures (a spinlock's contention) would lose what they tell. With N 0 only N is
// written; without report columns the columns stay empty.
void calculate(GridTable &digest);

} // namespace DigestStatistics
