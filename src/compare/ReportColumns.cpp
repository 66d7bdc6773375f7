#include "ReportColumns.h"

#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"

#include <algorithm>

namespace ReportColumns {

int first(const GridTable &)
{
    return DigestTableLayout::FirstReport;
}

bool contains(const GridTable &digest, int column)
{
    return column >= first(digest) && column < digest.columns();
}

QList<int> all(const GridTable &digest)
{
    QList<int> columns;
    for (int column = first(digest); column < digest.columns(); ++column)
        columns << column;
    return columns;
}

QList<int> among(const GridTable &digest, const QList<int> &columns)
{
    QList<int> reports;
    for (int column : columns) {
        if (contains(digest, column))
            reports << column;
    }
    std::sort(reports.begin(), reports.end());
    reports.erase(std::unique(reports.begin(), reports.end()), reports.end());
    return reports;
}

} // namespace ReportColumns
