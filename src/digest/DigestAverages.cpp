#include "DigestAverages.h"

#include "DigestColumnMap.h"
#include "DigestStatistics.h"
#include "common/Failure.h"
#include "common/NumberText.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

#include <cmath>

namespace DigestAverages {

namespace {

// Two decimals, an exact half going to the even hundredth: 0.125 (exactly 12.5 hundredths) gives
// 0.12, 0.375 gives 0.38. std::nearbyint rounds halves to even in the default rounding mode, which
// nothing in the program changes.
double toHundredths(double value)
{
    return std::nearbyint(value * 100) * 0.01;
}

double rowSum(const GridTable &digest, int row, const DigestColumnMap &columns)
{
    double sum = 0;
    for (int column = 1; column < digest.columns(); ++column) {
        if (column == columns.average() || columns.isStatistic(column))
            continue;
        if (const auto number = NumberText::readReal(digest.cell(column, row)))
            sum += *number;
    }
    return sum;
}

void writeAverages(GridTable &digest, const DigestColumnMap &columns)
{
    const int average = columns.average();
    for (int row = 0; row < digest.rows(); ++row)
        digest.setCell(average, row, QString());
    digest.setCell(average, 0, QStringLiteral("Avg"));

    const int reportColumns = columns.reportCount();
    if (reportColumns <= 0)
        return;
    for (int row = 1; row < digest.rows(); ++row) {
        const double mean = rowSum(digest, row, columns) / reportColumns;
        digest.setCell(average, row, NumberText::general(toHundredths(mean)));
    }
}

} // namespace

void calculate(GridTable &digest, Ui &ui)
{
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Calculating Average Values..."));
    const DigestColumnMap columns(digest);
    if (columns.average() == DigestColumnMap::none)
        throw Failure(QStringLiteral("The digest table has no \"Avg\" column."));
    GridTable::BulkUpdate batch(digest);
    writeAverages(digest, columns);
    DigestStatistics::calculate(digest);
}

} // namespace DigestAverages
