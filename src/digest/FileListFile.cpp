#include "FileListFile.h"

#include "FileList.h"
#include "FileListLayout.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "common/TextRules.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

namespace FileListFile {

namespace {

// A report or an archive picked by mistake would fill the list with thousands of rows of garbage.
void refuseBinary(const QString &line, const QString &path)
{
    if (line.contains(QChar(u'\0')))
        throw Failure(QStringLiteral("\"") % path % QStringLiteral("\" is not a file list: it holds binary data."));
}

QStringList listedPaths(const GridTable &files)
{
    QStringList paths;
    if (FileList::hasFiles(files))
        paths = FileList::paths(files);
    return paths;
}

void replaceList(GridTable &files, const QStringList &paths)
{
    GridTable::BulkUpdate batch(files);
    files.clearBody();
    for (const QString &path : paths)
        files.setCell(FileListLayout::Path, files.appendRow(FileListLayout::Path), path);
}

} // namespace

QStringList read(const QString &path, FileKinds kinds)
{
    QStringList paths;
    for (const QString &line : TextFile::read(path, maxFileBytes, kinds).lines) {
        refuseBinary(line, path);
        if (!TextRules::isBlankText(line))
            paths << line;
    }
    return paths;
}

void saveList(const GridTable &files, TextEncoding encoding, Ui &ui)
{
    const QString path = ui.saveFile(QStringLiteral("*.txt"));
    if (path.isEmpty())
        return;
    TextFile::write(path, listedPaths(files), encoding);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("File list saved to ") % path);
}

void loadList(GridTable &files, Ui &ui)
{
    const QString path = ui.openFiles(false, std::nullopt).value(0);
    if (path.isEmpty())
        return;
    replaceList(files, read(path, FileKinds::RegularOnly));
    ui.setStatus(StatusPanel::Messages, QStringLiteral("File list loaded from ") % path);
}

} // namespace FileListFile
