#include "DigestExport.h"

#include "DigestTableLayout.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "common/Ui.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"

namespace DigestExport {

namespace { } // namespace

QStringList lines(const GridTable &digest, bool swapAxes, const QString &delimiter)
{
    // Every column but the gutter.
    const int first = DigestTableLayout::Gutter + 1;
    const int columns = digest.columns() - first;
    if (!swapAxes) {
        const auto cellAt = [&](int field, int line) -> QStringView {
            return digest.cell(first + field, line);
        };
        return DelimitedLines::of(digest.rows(), columns, cellAt, delimiter);
    }
    const auto cellAt = [&](int field, int line) -> QStringView {
        return digest.cell(first + line, field);
    };
    return DelimitedLines::of(columns, digest.rows(), cellAt, delimiter);
}

void exportCsv(const GridTable &digest, bool swapAxes, const QString &typedDelimiter, TextEncoding encoding, Ui &ui)
{
    const QStringList fileLines = lines(digest, swapAxes, DelimitedLines::delimiterFrom(typedDelimiter));
    const QString path = ui.saveFile(QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    TextFile::write(path, fileLines, encoding);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Data exported to ") % path);
}

} // namespace DigestExport
