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
    // Every column but the gutter.
    const int first = DigestTableLayout::Gutter + 1;
    const int columns = digest.columns() - first;
    if (!swapAxes) {
        const auto cellAt = [&](int field, int line) -> const QString & {
            return digest.cell(first + field, line);
        };
        return DelimitedLines::of(digest.rows(), columns, cellAt, delimiter);
    }
    const auto cellAt = [&](int field, int line) -> const QString & {
        return digest.cell(first + line, field);
    };
    return DelimitedLines::of(columns, digest.rows(), cellAt, delimiter);
}

void writeFile(const QString &path, const QStringList &fileLines, TextEncoding encoding)
{
    checkFolderExists(path);
    TextFile::write(path, fileLines, encoding);
}

void exportCsv(const GridTable &digest, bool swapAxes, const QString &typedDelimiter, TextEncoding encoding, Ui &ui)
{
    const QStringList fileLines = lines(digest, swapAxes, DelimitedLines::delimiterFrom(typedDelimiter));
    const QString path = ui.saveFile(QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    writeFile(path, fileLines, encoding);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Data exported to ") % path);
}

} // namespace DigestExport
