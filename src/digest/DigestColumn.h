#pragma once

#include <QString>

class GridTable;
struct DigestedReport;

// What a digested report does to a digest table: one more report column at its right end.
namespace DigestColumn {

// The report's figures by row, row 0 its sample time when any counter matched, and its notes (the
// path as listed, the whole sampling start, the sample interval). The rows are those the run
// digested for. A report outside the run's time window adds nothing.
void append(GridTable &digest, const DigestedReport &report);

// The column of the report a stopped run was working on: empty, noted with its path.
void appendEmpty(GridTable &digest, const QString &path);

} // namespace DigestColumn
