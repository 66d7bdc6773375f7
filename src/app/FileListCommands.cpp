#include "FileListCommands.h"

#include "SysmonFilesPanel.h"

#include "common/CommandGuard.h"
#include "digest/FileList.h"

using namespace Qt::StringLiterals;

FileListCommands::FileListCommands(GridTable &files, Ui &ui, SysmonFilesPanel &panel, QObject *parent) :
    QObject(parent), files_(files), ui_(ui)
{
    connect(&panel, &SysmonFilesPanel::addFilesRequested, this, &FileListCommands::btAddFileClick);
    connect(&panel, &SysmonFilesPanel::fileListKeyPressed, this, &FileListCommands::sgFilesKeyDown);
    connect(&panel, &SysmonFilesPanel::filesDropped, this, &FileListCommands::sgFilesDragDrop);
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
