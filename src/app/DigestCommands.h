#pragma once

#include "common/TextEncoding.h"
#include "common/WorkPacer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

class BusyGuard;
class TimeWindow;
struct ReportProblem;
class DigestPanel;
class GridTable;
class SetupCountersPanel;
class StatusPanels;
class TextLines;
class Ui;
struct CategoryLists;

// The commands of the digest tab: the digest run and the report problems it lists, the averages,
// the statistics appearing and vanishing with their check box, Delete Column from the popup menu,
// Delete on a counter row, "Y Ax.2" following the current row, and the digest export. Each handler
// gathers the panel's texts and ticks, runs the command inside its guard and puts the outcome on
// the screen.
class DigestCommands : public QObject
{
    Q_OBJECT

public:
    // The window's tables, fields and guards the commands work on; they outlive the commands.
    struct Workspace
    {
        GridTable &sgFiles;
        const GridTable &sgSysmonCounters;
        GridTable &sgSysmonSections;
        GridTable &sgSysmonDigest;
        // The report problems of the last run.
        GridTable &sgProblems;
        CategoryLists &categoryLists;
        Ui &ui;
        bool &bAbort;
        // The digest export writes in the encoding the last counter set file was found in.
        const TextEncoding &counterFileEncoding;
        // Puts a report into the report text, replacing it.
        std::function<void(const TextLines &report)> replaceReportText;
        // Refuses what would change the report text or the section table (a parse does the same).
        BusyGuard &busy;
        // Refuses what would change the file list, the counter set or the digest table.
        BusyGuard &digestBusy;
    };

    // Connects the handlers to the panel's requests. A run leaves the category boxes of the first
    // tab holding the last report's lists, and shows its progress in the status bar.
    DigestCommands(const Workspace &workspace, DigestPanel &panel, SetupCountersPanel &setupPanel, StatusPanels &status,
                   QObject *parent);

    // How long a run works between two hand-backs to the window; tests hand back at every chance.
    void setPumpInterval(int milliseconds) { pumpIntervalMs_ = milliseconds; }

    void btDigestClick();
    void sgSysmonDigestMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &globalPosition);
    void miDelColClick();
    void sgSysmonDigestKeyDown(int key);
    void sgSysmonDigestKeyUp();
    void sgSysmonDigestMouseUp();
    void sgSysmonDigestMouseEnter();
    void btExportClick();
    void cbStatisticsClick(bool ticked);
    // Goes to the column of the report a problem names, and to its counter's row when it names one.
    void sgProblemsDblClick(int row);

private:
    void runDigest(const TimeWindow &window);
    void showProblems(const std::vector<ReportProblem> &problems);
    void showProgress(int done, int total);
    void followCurrentRow();
    bool digesting() const;

    Workspace work_;
    DigestPanel &panel_;
    SetupCountersPanel &setupPanel_;
    StatusPanels &status_;
    // The column picked by the last right press on the digest table, for Delete Column.
    int iSelCol = 0;
    QElapsedTimer runClock_;
    int pumpIntervalMs_ = WorkPacer::defaultIntervalMs;
};
