#include "ProblemList.h"

#include "DigestColumnMap.h"
#include "grid/GridTable.h"

namespace ProblemList {

namespace {

QStringList fieldsOf(const ReportProblem &problem)
{
    return { problem.report, ReportProblem::kindText(problem.kind), problem.counter, problem.detail };
}

QString quotedWhereNeeded(const QString &field, const QString &delimiter)
{
    const bool plain = (delimiter.isEmpty() || !field.contains(delimiter)) && !field.contains(u'"') &&
        !field.contains(u'\n') && !field.contains(u'\r');
    if (plain)
        return field;
    return u'"' % QString(field).replace(u'"', QStringLiteral("\"\"")) % u'"';
}

QString lineOf(const QStringList &fields, const QString &delimiter)
{
    QString line;
    for (const QString &field : fields)
        line += quotedWhereNeeded(field, delimiter) % delimiter;
    return line;
}

} // namespace

void fill(GridTable &table, const std::vector<ReportProblem> &problems)
{
    GridTable::BulkUpdate batch(table);
    header.reset(table);
    table.setRows(int(problems.size()) + 1);
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const ReportProblem &problem = problems[i];
        const int row = int(i) + 1;
        table.setCell(Report, row, problem.report);
        table.setCell(Kind, row, ReportProblem::kindText(problem.kind));
        table.setCell(Counter, row, problem.counter);
        table.setCell(Detail, row, problem.detail);
    }
}

QStringList lines(const std::vector<ReportProblem> &problems, const QString &delimiter)
{
    QStringList result { lineOf(header.texts(), delimiter) };
    result.reserve(qsizetype(problems.size()) + 1);
    for (const ReportProblem &problem : problems)
        result << lineOf(fieldsOf(problem), delimiter);
    return result;
}

Place placeOf(const GridTable &digest, const QString &report, const QString &counter)
{
    const DigestColumnMap columns(digest);
    Place place;
    const std::vector<int> &reports = columns.reports();
    for (auto column = reports.rbegin(); column != reports.rend(); ++column) {
        if (digest.columnNote(*column, DigestTableLayout::ReportPath).toString() == report) {
            place.column = *column;
            break;
        }
    }
    if (counter.isEmpty())
        return place;
    for (int row = 1; row < digest.rows(); ++row) {
        if (digest.cell(columns.counterName(), row) == counter) {
            place.row = row;
            break;
        }
    }
    return place;
}

} // namespace ProblemList
