#include "DigestAverages.h"

#include "DigestColumnMap.h"
#include "DigestRowSums.h"
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

void writeAverages(GridTable &digest, const DigestColumnMap &columns, const DigestRowSums &sums)
{
    const int average = columns.average();
    for (int row = 0; row < digest.rows(); ++row)
        digest.setCell(average, row, QString());
    digest.setCell(average, 0, QStringLiteral("Avg"));

    const int reportColumns = columns.reportCount();
    if (reportColumns <= 0)
        return;
    for (int row = 1; row < digest.rows(); ++row) {
        const double mean = sums.of(row) / reportColumns;
        digest.setCell(average, row, NumberText::general(toHundredths(mean)));
    }
}

} // namespace

void calculate(GridTable &digest, Ui &ui)
{
    calculate(digest, DigestRowSums(digest, DigestColumnMap(digest)), ui);
}

void calculate(GridTable &digest, const DigestRowSums &sums, Ui &ui)
{
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Calculating Average Values..."));
    const DigestColumnMap columns(digest);
    if (columns.average() == DigestColumnMap::none)
        throw Failure(QStringLiteral("The digest table has no \"Avg\" column."));
    GridTable::BulkUpdate batch(digest);
    writeAverages(digest, columns, sums);
    DigestStatistics::calculate(digest);
}

} // namespace DigestAverages
