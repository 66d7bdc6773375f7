#pragma once

#include "common/TextEncoding.h"

#include <QList>
#include <QString>
#include <QStringList>

class GridTable;
class Ui;

// Two periods of the digest table side by side: which counters changed between a good day and a
// bad one.
namespace PeriodComparison {

// The report columns of each period.
struct Periods
{
    QList<int> baseline;
    QList<int> comparison;
};

// Rewrites `comparison` (laid out as ComparisonTableLayout says) from every digest row that names
// a counter. A period's mean counts only the cells that hold a figure (CountedValue); without one
// it stays empty, and so do the change and the change in percent. The change is the comparison's
// mean minus the baseline's, the change in percent that change in hundredths of the baseline's
// mean taken without its sign (so a rise reads positive whatever the baseline's sign), empty when
// the baseline's mean is 0. Numbers are written in the general number format; the counts say how
// many reports of each period held a figure.
//
// Rows come in order of how far the counter moved:
// 1. counters with a figure in one period only (they appear or vanish), in digest row order;
// 2. counters with figures in both, by the size of the change in percent, largest first, a change
//    from a baseline of 0 counting as larger than any; then by the size of the change; then in
//    digest row order;
// 3. counters without a figure in either period, in digest row order.
void build(const GridTable &digest, const Periods &periods, GridTable &comparison);

// The comparison as delimited text, as the digest export writes its table: a line per row, the
// header line first, each cell written exactly and followed by `delimiter`.
QStringList lines(const GridTable &comparison, const QString &delimiter);

// Asks for a path with "*.csv" in the save dialog and writes the lines there in `encoding` with the
// delimiter `typedDelimiter` trimmed, as the digest export does; then "Comparison exported to " +
// path in panel 1. Cancelling writes nothing. Throws Failure when the file cannot be written.
void exportCsv(const GridTable &comparison, const QString &typedDelimiter, TextEncoding encoding, Ui &ui);

} // namespace PeriodComparison
