#include "DigestReset.h"

#include "DigestTableLayout.h"
#include "counters/CounterSet.h"
#include "grid/GridTable.h"

namespace DigestReset {

QString counterName(QStringView section, QStringView subSection1, QStringView subSection2)
{
    return u'[' % section % QStringLiteral("]_[") % subSection1 % QStringLiteral("]_[") % subSection2 % u']';
}

QStringList fromCounterSet(GridTable &digest, const GridTable &counters)
{
    GridTable::BulkUpdate batch(digest);
    DigestTableLayout::reset(digest);
    digest.setRows(counters.rows());
    QStringList names;
    names.reserve(counters.rows() - 1);
    for (int row = 1; row < counters.rows(); ++row) {
        const QString name = counterName(counters.cell(0, row), counters.cell(1, row), counters.cell(2, row));
        digest.setCell(DigestTableLayout::CounterName, row, name);
        digest.setCell(DigestTableLayout::Type, row, counters.cell(CounterSet::typeColumn, row));
        digest.setCell(DigestTableLayout::Average, row, QStringLiteral("0"));
        names << name;
    }
    return names;
}

} // namespace DigestReset
