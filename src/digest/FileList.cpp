#include "FileList.h"

#include "FileListLayout.h"
#include "common/TextRules.h"
#include "common/Ui.h"
#include "grid/GridTable.h"
#include "report/ReportSniffer.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace FileList {

namespace {

// The narrow status panel shows only the end of a path: the file name and the folder nearest it.
constexpr qsizetype shownPathTail = 31;

} // namespace

void addFiles(GridTable &files, Ui &ui)
{
    addPaths(files, ui.openFiles(true, std::nullopt), ui);
}

void addPaths(GridTable &files, const QStringList &paths, Ui &ui)
{
    if (paths.isEmpty())
        return;
    for (const QString &path : paths) {
        files.setCell(FileListLayout::Path, files.appendRow(FileListLayout::Path), path);
        ui.setStatus(StatusPanel::Files, QStringLiteral("Added ...") % TextRules::rightPiece(path, shownPathTail));
    }
    ui.setStatus(StatusPanel::Messages, QStringLiteral("File Added."));
}

Dropped droppedPaths(const QStringList &dropped)
{
    Dropped result;
    for (const QString &path : dropped) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            result.paths << path;
            continue;
        }
        const QDir folder(path);
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
            const QString file = folder.filePath(name);
            if (ReportSniffer::isSysmonReport(file))
                result.paths << file;
            else
                ++result.skipped;
        }
    }
    return result;
}

void addDropped(GridTable &files, const QStringList &dropped, Ui &ui)
{
    const Dropped found = droppedPaths(dropped);
    addPaths(files, found.paths, ui);
    if (found.skipped == 0)
        return;
    QString text = found.paths.isEmpty() ? QString() : QStringLiteral("File Added. ");
    text += found.skipped == 1 ? QStringLiteral("Skipped 1 file that is not a Sysmon report.")
                               : QStringLiteral("Skipped %1 files that are not Sysmon reports.").arg(found.skipped);
    ui.setStatus(StatusPanel::Messages, text);
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
        result << files.cell(FileListLayout::Path, row).toString();
    return result;
}

} // namespace FileList
