#include "DigestAverages.h"

#include "DigestColumnMap.h"
#include "DigestStatistics.h"
#include "common/Failure.h"
#include "common/NumberText.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

#include <cmath>
#include <optional>
#include <vector>

namespace DigestAverages {

namespace {

// Two decimals, an exact half going to the even hundredth: 0.125 (exactly 12.5 hundredths) gives
// 0.12, 0.375 gives 0.38. std::nearbyint rounds halves to even in the default rounding mode, which
// nothing in the program changes.
double toHundredths(double value)
{
    return std::nearbyint(value * 100) * 0.01;
}

// A row's running sum, and its last figure read: a counter often shows the same figure report after
// report ("0.0", "n/a"), which is then not read again.
struct RowSum
{
    double sum = 0;
    bool anyRead = false;
    QStringView lastText;
    std::optional<double> lastNumber;
};

// The sum of each row, taken a column at a time: the table keeps its cells column by column, and a
// sum along a row would fetch every cell from afar. Each row still adds its figures from the left.
std::vector<RowSum> rowSums(const GridTable &digest, const DigestColumnMap &columns)
{
    std::vector<RowSum> sums(std::size_t(digest.rows()));
    for (int column = 1; column < digest.columns(); ++column) {
        if (column == columns.average() || columns.isStatistic(column))
            continue;
        for (int row = 1; row < digest.rows(); ++row) {
            RowSum &rowSum = sums[std::size_t(row)];
            const QStringView text = digest.cell(column, row);
            if (!rowSum.anyRead || text != rowSum.lastText) {
                rowSum.anyRead = true;
                rowSum.lastText = text;
                rowSum.lastNumber = NumberText::readReal(text);
            }
            if (rowSum.lastNumber)
                rowSum.sum += *rowSum.lastNumber;
        }
    }
    return sums;
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
    const std::vector<RowSum> sums = rowSums(digest, columns);
    for (int row = 1; row < digest.rows(); ++row) {
        const double mean = sums[std::size_t(row)].sum / reportColumns;
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
