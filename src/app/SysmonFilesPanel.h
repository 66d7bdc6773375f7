#pragma once

#include <QWidget>

class GridTable;
class GridView;
class QPushButton;

// Tab 1, "Select Sysmon Files" (`paSysmonFiles`): the reports a digest works through, in order. The
// controls are the panel's own; the file list commands will hear its button and grid through
// signals of the panel.
class SysmonFilesPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SysmonFilesPanel(GridTable &files, QWidget *parent = nullptr);

private:
    QPushButton *btAddFile;
    GridView *sgFiles;
};
