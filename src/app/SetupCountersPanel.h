#pragma once

#include "counters/CounterSelection.h"

#include <QWidget>

class BusyGuard;
struct CategoryLists;
class GridTable;
class GridView;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSplitter;

namespace CategorySelection {
struct Setting;
}

// Tab 0, "Select Sysmon Counters" (`paSetupCounters`): loading and parsing one report, picking its
// counters into the counter set. Two bars of controls, then the counter set above the section
// table with the splitter `splSplit` between them. The controls are the panel's own: the commands
// read the texts and ticks they need, ask the panel to show their results, and hear the buttons
// through the signals.
class SetupCountersPanel : public QWidget
{
    Q_OBJECT

public:
    SetupCountersPanel(GridTable &counters, GridTable &sections, QWidget *parent = nullptr);

    // The four category boxes' texts as they stand, typed or picked: not their selected items.
    CounterSelection::CategoryTexts categoryTexts() const;
    QString searchText() const;
    // "Add &Matching" is ticked.
    bool addMatching() const;

    // Gives the three category boxes the lists a parse found; each box keeps the text it shows.
    void setCategoryItems(const CategoryLists &lists);
    // Gives the counter type box its items; it keeps the text it shows.
    void setCounterTypeItems(const QStringList &types);
    // Shows in each category box the text and item of the setting.
    void showCategory(const CategorySelection::Setting &setting);
    // Brings the current cell of the section table, or of the counter set, into view.
    void revealCurrentSection();
    void revealCurrentCounter();
    void focusSearch();

    // Loading or showing another report would replace the report text under a parse, and a second
    // parse would rebuild the section table inside the first: while the window is busy those
    // buttons are refused and the section table takes no edits in place.
    void refuseWhileBusy(BusyGuard &busy);
    // A digest run reads the counter set: while it runs, the commands that change the set (Add
    // Counter and the double click, Clear, Load Counters, Delete in the set) are refused.
    void refuseCounterEditsWhileDigesting(BusyGuard &digestBusy);

signals:
    void loadReportRequested(); // "L&oad Sysmon File"
    void parseRequested(); // "&Parse Sections"
    void exportRequested(); // "E&xport Sections to CSV"
    void showReportRequested(); // "Sho&w File"
    void findRequested(); // "&Find Counter", or Enter in the search box
    void addCounterRequested(); // "&Add Counter"
    void clearCountersRequested(); // "Clear Co&unters"
    void saveCountersRequested(); // "&Save Counters"
    void loadCountersRequested(); // "&Load Counters"

    // The user moved about in the section table: a key or a mouse button went down or up there, or
    // the pointer entered it. The release comes after the grid has moved its current cell. A
    // command moving the current cell is not announced.
    void sectionTableVisited();
    void sectionDoubleClicked();
    // A key went down in the counter set, before the grid acted on it.
    void counterSetKeyPressed(int key);

private:
    QWidget *buildSysmonControls();
    QWidget *buildSubSection();
    QSplitter *buildGrids(GridTable &counters, GridTable &sections);
    void announceButtons();
    void announceGridEvents();

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
};
