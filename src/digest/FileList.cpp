#include "FileList.h"

#include "FileListLayout.h"
#include "common/TextRules.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

#include <optional>

namespace FileList {

namespace {

// The narrow status panel shows only the end of a path: the file name and the folder nearest it.
constexpr qsizetype shownPathTail = 31;

} // namespace

void addFiles(GridTable &files, Ui &ui)
{
    const QStringList chosen = ui.openFiles(true, std::nullopt);
    if (chosen.isEmpty())
        return;
    for (const QString &path : chosen) {
        files.setCell(FileListLayout::Path, files.appendRow(FileListLayout::Path), path);
        ui.setStatus(StatusPanel::Files, QStringLiteral("Added ...") % TextRules::rightPiece(path, shownPathTail));
    }
    ui.setStatus(StatusPanel::Messages, QStringLiteral("File Added."));
}

void removeCurrent(GridTable &files)
{
    files.deleteRow(files.currentRow());
}

bool hasFiles(const GridTable &files)
{
    return !files.cell(FileListLayout::Path, 1).isEmpty();
}

QStringList paths(const GridTable &files)
{
    QStringList result;
    for (int row = 1; row < files.rows(); ++row)
        result << files.cell(FileListLayout::Path, row);
    return result;
}

} // namespace FileList
