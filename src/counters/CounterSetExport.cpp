#include "CounterSetExport.h"

#include "CounterSet.h"
#include "common/TextFile.h"
#include "common/Ui.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"

namespace CounterSetExport {

void exportCsv(const GridTable &counters, const QString &typedDelimiter, TextEncoding encoding, Ui &ui)
{
    const QString delimiter = DelimitedLines::delimiterFrom(typedDelimiter);
    const QString path = ui.saveFile(QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    TextFile::write(path, DelimitedLines::of(counters, 0, counters.rows() - 1, CounterSet::columnCount, delimiter),
                    encoding);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Data exported to ") % path);
}

} // namespace CounterSetExport
