#pragma once

#include <QWidget>

struct CategoryLists;
class GridTable;
class GridView;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSplitter;

// Tab 0, "Select Sysmon Counters" (`paSetupCounters`): loading and parsing one report, picking its
// counters into the counter set. Two bars of controls, then the counter set above the section
// table with the splitter `splSplit` between them.
class SetupCountersPanel : public QWidget
{
    Q_OBJECT

public:
    SetupCountersPanel(GridTable &counters, GridTable &sections, QWidget *parent = nullptr);

    // Gives the three category boxes the lists a parse found; each box keeps the text it shows.
    void setCategoryItems(const CategoryLists &lists);

    QPushButton *btOpenLoadSysmonFile;
    QPushButton *btDivideIntoSubs;
    QPushButton *btExportOne;
    QPushButton *btOpenSysmonFile;
    QPushButton *btSearch;
    QLineEdit *edSearch;
    QCheckBox *cbAddMatching;

    QComboBox *cbTopCategory;
    QComboBox *cbSubCategory1;
    QComboBox *cbSubCategory2;
    QComboBox *cbCountType;
    QPushButton *bbtAddCounter;
    QPushButton *btClearCounters;
    QPushButton *btSaveCounters;
    QPushButton *btLoadCounters;

    QSplitter *splSplit;
    GridView *sgSysmonCounters;
    GridView *sgSysmonSections;

private:
    QWidget *buildSysmonControls();
    QWidget *buildSubSection();
    QSplitter *buildGrids(GridTable &counters, GridTable &sections);
};
