#pragma once

#include <QObject>
#include <QStringList>

class GridTable;
class SysmonFilesPanel;
class Ui;

// The commands of the second tab: adding reports to the file list from the open dialog or by
// dropping them from a file manager, and removing one with the Delete key. Rows are reordered by
// dragging them, which the grid does in the table itself.
class FileListCommands : public QObject
{
    Q_OBJECT

public:
    // Connects the handlers to the panel's requests; `files` and `ui` outlive the commands.
    FileListCommands(GridTable &files, Ui &ui, SysmonFilesPanel &panel, QObject *parent);

    void btAddFileClick();
    void sgFilesKeyDown(int key);
    void sgFilesDragDrop(const QStringList &dropped);

private:
    GridTable &files_;
    Ui &ui_;
};
