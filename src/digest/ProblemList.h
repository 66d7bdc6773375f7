#pragma once

#include "ReportProblem.h"
#include "grid/TableHeader.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The report problems of a digest run as a table: a row per problem under the header "Report",
// "Kind", "Counter", "Detail". The window shows it beside the digest; the command line writes it as
// delimited text.
namespace ProblemList {

enum Column {
    Report = 0,
    Kind,
    Counter,
    Detail,
};

inline constexpr TableHeader header { u"Report", u"Kind", u"Counter", u"Detail" };
inline constexpr int columnCount = header.columnCount();

// The header row and a row per problem, in order; the emptied table when there is none.
void fill(GridTable &table, const std::vector<ReportProblem> &problems);

// The header line and a line per problem, each field followed by `delimiter` as in the digest
// export. Paths and the parser's messages may hold anything, so a field that holds the delimiter, a
// double quote or a line break is put in double quotes, its double quotes doubled, as spreadsheets
// read it.
QStringList lines(const std::vector<ReportProblem> &problems, const QString &delimiter);

// Where a problem stands in the digest table: the report's column (the rightmost noted with its
// path, the latest of runs in Append mode) and the counter's row (the first of that name), each
// nothing when the table has none, as for a report outside the time window.
struct Place
{
    std::optional<int> column;
    std::optional<int> row;
};
Place placeOf(const GridTable &digest, const QString &report, const QString &counter);

} // namespace ProblemList
