#pragma once

#include <QStringList>
#include <QWidget>

class BusyGuard;
class GridTable;
class GridView;
class QPushButton;

// Tab 1, "Select Sysmon Files" (`paSysmonFiles`): the reports a digest works through, in order. The
// controls are the panel's own; the file list commands hear its button, its grid's keys and the
// files dropped on it through the signals.
class SysmonFilesPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SysmonFilesPanel(GridTable &files, QWidget *parent = nullptr);

    // A digest reads the list when it starts; while it runs, the whole tab (adding, dropping,
    // deleting, dragging rows) is refused so the list keeps showing what is being digested.
    void refuseWhileDigesting(BusyGuard &digestBusy);

signals:
    void addFilesRequested(); // "&Add Sysmon File(s)"
    void saveListRequested(); // "&Save List..."
    void loadListRequested(); // "&Load List..."
    // A key went down in the file list, before the grid acted on it.
    void fileListKeyPressed(int key);
    // Local files or folders dropped from a file manager, in the order dropped.
    void filesDropped(const QStringList &paths);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QPushButton *btAddFile;
    QPushButton *btSaveList;
    QPushButton *btLoadList;
    GridView *sgFiles;
};
