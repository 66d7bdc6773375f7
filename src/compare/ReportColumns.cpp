#include "ReportColumns.h"

#include "digest/DigestColumnMap.h"
#include "grid/GridTable.h"

#include <algorithm>

namespace ReportColumns {

// The digest's own map of its columns says which hold reports: the statistics columns, when shown,
// stand between the fixed columns and the reports.
int first(const GridTable &digest)
{
    return DigestColumnMap(digest).firstReport();
}

bool contains(const GridTable &digest, int column)
{
    return DigestColumnMap(digest).isReport(column);
}

QList<int> all(const GridTable &digest)
{
    const DigestColumnMap map(digest);
    return QList<int>(map.reports().begin(), map.reports().end());
}

QList<int> among(const GridTable &digest, const QList<int> &columns)
{
    const DigestColumnMap map(digest);
    QList<int> reports;
    for (int column : columns) {
        if (map.isReport(column))
            reports << column;
    }
    std::sort(reports.begin(), reports.end());
    reports.erase(std::unique(reports.begin(), reports.end()), reports.end());
    return reports;
}

} // namespace ReportColumns
