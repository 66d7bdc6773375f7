#pragma once

#include "common/TextEncoding.h"

#include <QObject>
#include <QStringList>

class GridTable;
class SysmonFilesPanel;
class Ui;

// The commands of the second tab: adding reports to the file list from the open dialog or by
// dropping them from a file manager, removing one with the Delete key, and saving and loading the
// list as a file. Rows are reordered by dragging them, which the grid does in the table itself.
class FileListCommands : public QObject
{
    Q_OBJECT

public:
    // Connects the handlers to the panel's requests; `files`, `ui` and `counterFileEncoding` outlive
    // the commands. A saved list is written as the exports are, in the encoding the last counter set
    // file was found in.
    FileListCommands(GridTable &files, Ui &ui, const TextEncoding &counterFileEncoding, SysmonFilesPanel &panel,
                     QObject *parent);

    void btAddFileClick();
    void sgFilesKeyDown(int key);
    void sgFilesDragDrop(const QStringList &dropped);
    void btSaveListClick();
    void btLoadListClick();

private:
    GridTable &files_;
    Ui &ui_;
    const TextEncoding &counterFileEncoding_;
};
