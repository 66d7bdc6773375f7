#pragma once

#include <QWidget>

class GridTable;
class GridView;
class QPushButton;

// Tab 1, "Select Sysmon Files" (`paSysmonFiles`): the reports a digest works through, in order.
class SysmonFilesPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SysmonFilesPanel(GridTable &files, QWidget *parent = nullptr);

    QPushButton *btAddFile;
    GridView *sgFiles;
};
