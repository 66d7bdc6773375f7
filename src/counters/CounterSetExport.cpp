#include "CounterSetExport.h"

#include "CounterSet.h"
#include "common/TextLineList.h"
#include "common/Ui.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"

namespace CounterSetExport {

void exportCsv(const GridTable &counters, TextLineList &lineList, const QString &typedDelimiter, Ui &ui)
{
    const QString delimiter = DelimitedLines::delimiterFrom(typedDelimiter);
    lineList.lines = DelimitedLines::of(counters, 0, counters.rows() - 1, CounterSet::columnCount, delimiter);
    const QString path = ui.saveFile(QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    lineList.saveToFile(path);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Data exported to ") % path);
}

} // namespace CounterSetExport
