#include "DigestRowSums.h"

#include "DigestColumnMap.h"
#include "common/NumberText.h"
#include "common/PackedTexts.h"
#include "grid/GridTable.h"

#include <QStringView>

#include <optional>

namespace {

// A row's last figure read while the table is summed whole: a counter often shows the same figure
// report after report ("0.0", "n/a"), which is then not read again.
struct LastFigure
{
    bool anyRead = false;
    QStringView text; // a cell of the table, which does not change while it is summed
    std::optional<double> number;
};

} // namespace

// Column by column: the table keeps its cells column by column, and a sum along a row would fetch
// every cell from afar. Each row still adds its figures from the left.
DigestRowSums::DigestRowSums(const GridTable &digest, const DigestColumnMap &columns) :
    sums_(std::size_t(digest.rows()), 0.0)
{
    std::vector<LastFigure> last(sums_.size());
    for (int column = 1; column < digest.columns(); ++column) {
        if (column == columns.average() || columns.isStatistic(column))
            continue;
        for (int row = 1; row < digest.rows(); ++row) {
            LastFigure &figure = last[std::size_t(row)];
            const QStringView text = digest.cell(column, row);
            if (!figure.anyRead || text != figure.text) {
                figure = { true, text, NumberText::readReal(text) };
            }
            if (figure.number)
                sums_[std::size_t(row)] += *figure.number;
        }
    }
}

void DigestRowSums::add(const GridTable &digest, int column)
{
    const int rows = std::min(digest.rows(), int(sums_.size()));
    for (int row = 1; row < rows; ++row) {
        if (const std::optional<double> number = NumberText::readReal(digest.cell(column, row)))
            sums_[std::size_t(row)] += *number;
    }
}

void DigestRowSums::add(const PackedTexts &figures)
{
    const int rows = std::min(int(figures.size()) + 1, int(sums_.size()));
    for (int row = 1; row < rows; ++row) {
        if (const std::optional<double> number = NumberText::readReal(figures[row - 1]))
            sums_[std::size_t(row)] += *number;
    }
}

double DigestRowSums::of(int row) const
{
    return row >= 0 && row < int(sums_.size()) ? sums_[std::size_t(row)] : 0.0;
}
