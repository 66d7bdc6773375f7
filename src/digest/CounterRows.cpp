#include "CounterRows.h"

#include "DigestColumns.h"
#include "common/TextRules.h"
#include "grid/GridTable.h"

namespace {

// A counter name without its brackets, underscores and blanks is empty when no field holds text.
bool namesSomething(const QString &name)
{
    for (QChar c : name) {
        if (c != u'[' && c != u']' && c != u'_' && !TextRules::isBlank(c))
            return true;
    }
    return false;
}

} // namespace

CounterRows::CounterRows(const GridTable &digest)
{
    const DigestColumns columns(digest);
    const auto count = std::size_t(digest.rows());
    names_.resize(count);
    types_.resize(count);
    namesCounter_.assign(count, false);
    missingDetails_.resize(count);
    for (int row = 1; row < digest.rows(); ++row) {
        const auto r = std::size_t(row);
        names_[r] = digest.cell(columns.counterName(), row);
        types_[r] = digest.cell(columns.type(), row);
        namesCounter_[r] = namesSomething(names_[r]);
        missingDetails_[r] = QStringLiteral("no row of the report's section table matches; the ") % types_[r] %
            QStringLiteral(" cell stays empty");
    }
}
