#include "FileListCommands.h"

#include "SysmonFilesPanel.h"

#include "common/CommandGuard.h"
#include "common/TextFile.h"
#include "digest/FileList.h"
#include "digest/FileListFile.h"

using namespace Qt::StringLiterals;

FileListCommands::FileListCommands(GridTable &files, Ui &ui, const TextEncoding &counterFileEncoding,
                                   SysmonFilesPanel &panel, QObject *parent) :
    QObject(parent), files_(files), ui_(ui), counterFileEncoding_(counterFileEncoding)
{
    connect(&panel, &SysmonFilesPanel::addFilesRequested, this, &FileListCommands::btAddFileClick);
    connect(&panel, &SysmonFilesPanel::fileListKeyPressed, this, &FileListCommands::sgFilesKeyDown);
    connect(&panel, &SysmonFilesPanel::filesDropped, this, &FileListCommands::sgFilesDragDrop);
    connect(&panel, &SysmonFilesPanel::saveListRequested, this, &FileListCommands::btSaveListClick);
    connect(&panel, &SysmonFilesPanel::loadListRequested, this, &FileListCommands::btLoadListClick);
}

void FileListCommands::btAddFileClick()
{
    CommandGuard::run(ui_, u"OpenSysmonFile"_s, [this] { FileList::addFiles(files_, ui_); });
}

void FileListCommands::sgFilesKeyDown(int key)
{
    if (key != Qt::Key_Delete)
        return;
    CommandGuard::run(ui_, u"sgFilesKeyDown"_s, [this] { FileList::removeCurrent(files_); });
}

// A drop adds files as the open dialog does, so it fails under the same name.
void FileListCommands::sgFilesDragDrop(const QStringList &dropped)
{
    CommandGuard::run(ui_, u"OpenSysmonFile"_s, [&] { FileList::addDropped(files_, dropped, ui_); });
}

void FileListCommands::btSaveListClick()
{
    CommandGuard::run(ui_, u"btSaveListClick"_s, [this] {
        FileListFile::saveList(files_, TextFile::writeEncodingFor(counterFileEncoding_), ui_);
    });
}

void FileListCommands::btLoadListClick()
{
    CommandGuard::run(ui_, u"btLoadListClick"_s, [this] { FileListFile::loadList(files_, ui_); });
}
