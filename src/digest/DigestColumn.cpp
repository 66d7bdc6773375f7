#include "DigestColumn.h"

#include "DigestTableLayout.h"
#include "DigestedReport.h"
#include "grid/GridTable.h"

#include <algorithm>

namespace DigestColumn {

namespace {

int addColumn(GridTable &digest, const QString &path)
{
    const int column = digest.columns();
    digest.setColumns(column + 1);
    digest.setColumnNote(column, DigestTableLayout::ReportPath, path);
    return column;
}

} // namespace

void append(GridTable &digest, const DigestedReport &report)
{
    if (report.outsideTimeWindow)
        return;
    GridTable::BulkUpdate batch(digest);
    const int column = addColumn(digest, report.path);
    digest.setColumnNote(column, DigestTableLayout::SamplingStart, report.samplingStart);
    digest.setColumnNote(column, DigestTableLayout::SampleInterval, report.sampleInterval);
    const PackedTexts &values = report.copied.values;
    const int rows = std::min(int(values.size()) + 1, digest.rows());
    for (int row = 1; row < rows; ++row) {
        if (!values[row - 1].isEmpty())
            digest.setCell(column, row, values[row - 1]);
    }
    if (report.copied.anyMatch)
        digest.setCell(column, 0, report.sampleTime);
}

void appendEmpty(GridTable &digest, const QString &path)
{
    addColumn(digest, path);
}

} // namespace DigestColumn
