#pragma once

#include "BusyGuard.h"
#include "common/TextEncoding.h"
#include "digest/BackgroundDigest.h"
#include "digest/RunProblems.h"
#include "grid/GridTable.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DigestPanel;
class SetupCountersPanel;
class StatusPanels;
class TextLines;
class TimeWindow;
class Ui;
struct CategoryLists;

// The commands of the digest tab: the digest run and the report problems it lists, the averages,
// the statistics appearing and vanishing with their check box, Delete Column from the popup menu,
// Delete on a counter row, "Y Ax.2" following the current row, and the digest export. Each handler
// gathers the panel's texts and ticks, runs the command inside its guard and puts the outcome on
// the screen.
//
// The run works on threads of its own; the window only adds the report columns it hands over, in
// list order, and stays live meanwhile: it repaints, takes Esc, and refuses what would disturb the
// run.
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
        // The digest export writes in the encoding the last counter set file was found in.
        const TextEncoding &counterFileEncoding;
        // Puts a report into the report text, replacing it. Throws Failure when the report view
        // cannot hold it.
        std::function<void(const TextLines &report)> replaceReportText;
        // Refuses what would change the report text or the section table, or open a dialog.
        BusyGuard &busy;
        // Refuses what would change the file list, the counter set or the digest table.
        BusyGuard &digestBusy;
    };

    // Connects the handlers to the panel's requests. A run leaves the category boxes of the first
    // tab holding the last report's lists, and shows its progress in the status bar.
    DigestCommands(const Workspace &workspace, DigestPanel &panel, SetupCountersPanel &setupPanel, StatusPanels &status,
                   QObject *parent);
    ~DigestCommands() override;

    // How many reports the run reads and parses at a time (one per core unless set).
    void setJobs(int jobs) { jobs_ = jobs; }
    // How a listed report is read (regular files only unless set); a test puts a hung file share
    // in its place.
    void setReportLoader(ReportDigester::Loader load) { load_ = std::move(load); }
    bool digesting() const { return digestingScope_.has_value(); }
    // Esc: the run stops at once. The reports handed over so far keep their columns, the report it
    // was working on gets an empty one, and the averages cover them all.
    void cancelDigest();

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

signals:
    // The run has ended, however it ended, and the window is idle again.
    void digestFinished();

private:
    void startDigest(const TimeWindow &window);
    void showProblems(const std::vector<ReportProblem> &problems);
    void takeArrivals();
    bool takeOnce();
    bool addColumns();
    void addColumn(const DigestedReport &report);
    void finishDigest(DigestRun::Result result);
    void showRunProblems();
    void endDigest();
    void showOnFirstTab(ParseResult &parse);
    void showRunStatus();
    void showProgress(int done, int total);
    void followCurrentRow();

    Workspace work_;
    DigestPanel &panel_;
    SetupCountersPanel &setupPanel_;
    StatusPanels &status_;
    // The column picked by the last right press on the digest table, for Delete Column.
    int iSelCol = 0;
    int jobs_ = 0;
    ReportDigester::Loader load_;

    // The run under way, and what it has handed over that the table does not show yet.
    std::unique_ptr<BackgroundDigest> run_;
    QStringList paths_;
    int added_ = 0;
    int shownAdded_ = 0; // the columns the status panels speak of
    QString lastAddedPath_;
    std::deque<DigestedReport> arrived_;
    std::optional<DigestRun::Result> end_;
    // A run's end between the turns it takes: how the run ended and the last report's parse.
    struct Ending
    {
        DigestRun::Result result;
        std::optional<ParseResult> parse;
    };
    std::optional<Ending> ending_;
    std::unique_ptr<GridTable> preparedProblems_;
    int preparedProblemCount_ = 0;
    RunProblems problems_;
    bool takingArrivals_ = false;
    std::optional<BusyGuard::Scope> busyScope_;
    std::optional<BusyGuard::Scope> digestingScope_;
    // The views hear of the new columns twice a second at most: every change of the column count
    // lays out the header anew and repaints every cell shown.
    std::optional<GridTable::BulkUpdate> batch_;
    QTimer showColumns_;
    QTimer showStatus_;
    QElapsedTimer runClock_;
};
