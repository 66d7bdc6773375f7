#pragma once

#include <QList>

class GridTable;

// Which columns of the digest table are report columns, one per digested report. Everything the
// period comparison reads of the digest table asks here, so that columns added after the fixed
// ones change one place.
namespace ReportColumns {

// The first report column; the columns before it are the fixed ones.
int first(const GridTable &digest);

bool contains(const GridTable &digest, int column);

// Every report column, left to right.
QList<int> all(const GridTable &digest);

// The report columns among `columns`, left to right, each once.
QList<int> among(const GridTable &digest, const QList<int> &columns);

} // namespace ReportColumns
