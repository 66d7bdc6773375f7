#include "DigestExport.h"

#include "DigestTableLayout.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "common/Ui.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"

#include <QDir>
#include <QFileInfo>

namespace DigestExport {

namespace {

// The digest table without its gutter, turned on its side when the axes are swapped: the table as
// the file shows it, one row per line.
void fillWritten(GridTable &written, const GridTable &digest, bool swapAxes)
{
    const int firstColumn = DigestTableLayout::Gutter + 1;
    const int columns = digest.columns() - firstColumn;
    const int rows = digest.rows();
    written.setColumns(swapAxes ? rows : columns);
    written.setRows(swapAxes ? columns : rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QString &text = digest.cell(firstColumn + column, row);
            written.setCell(swapAxes ? row : column, swapAxes ? column : row, text);
        }
    }
}

// Saving into a folder that is not there would otherwise fail with the system's bare "No such file
// or directory".
void checkFolderExists(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder)) {
        throw Failure(QStringLiteral("Cannot create file \"") % path % QStringLiteral("\": the folder \"") %
                      QDir::toNativeSeparators(folder) % QStringLiteral("\" does not exist."));
    }
}

} // namespace

QStringList lines(const GridTable &digest, bool swapAxes, const QString &delimiter)
{
    GridTable written(1);
    {
        GridTable::BulkUpdate batch(written);
        fillWritten(written, digest, swapAxes);
    }
    return DelimitedLines::of(written, 0, written.rows() - 1, written.columns(), delimiter);
}

void exportCsv(const GridTable &digest, bool swapAxes, const QString &typedDelimiter, TextEncoding encoding, Ui &ui)
{
    const QStringList fileLines = lines(digest, swapAxes, DelimitedLines::delimiterFrom(typedDelimiter));
    const QString path = ui.saveFile(QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    checkFolderExists(path);
    TextFile::write(path, fileLines, encoding);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Data exported to ") % path);
}

} // namespace DigestExport
