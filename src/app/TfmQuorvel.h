#pragma once

#include "BusyGuard.h"
#include "common/TextEncoding.h"
#include "common/TextLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <memory>

class BackgroundParse;
class ChartCommands;
class ComparisonCommands;
class ComparisonPanel;
class CounterCommands;
class DigestCommands;
class DigestPanel;
class Dialogs;
class FileListCommands;
class QTabWidget;
class ReportMemo;
class SetupCountersPanel;
class StatusPanels;
class SysmonFilesPanel;
class Ui;
class WindowUi;

// The main window. It owns every table and field of a run; its handlers are the commands, which
// gather control texts, call the core and put the results back into the controls.
class TfmQuorvel : public QMainWindow
{
    Q_OBJECT

public:
    // Without `dialogs` the window uses real message boxes and file dialogs; tests pass a script.
    explicit TfmQuorvel(Dialogs *dialogs = nullptr, QWidget *parent = nullptr);
    ~TfmQuorvel() override;

    Ui &ui();
    QString statusText(int panel) const;

    // The report text as the parser and the digest read it: a snapshot, edits in the report view
    // included.
    TextLines reportLines() const;
    // Replaces the report text in one step, as every report load does. Throws Failure, leaving the
    // text as it was, when the report view shows and cannot hold the new report.
    void replaceReportLines(const TextLines &lines);
    bool reportViewShowing() const;

    // A parse or a digest is under way.
    bool busy() const;
    const QString &singleSysmonFile() const { return sSingleSysmonFile; }
    bool initialised() const { return initialised_; }

    // The grid tables: the only store of the run.
    GridTable sgSysmonSections;
    GridTable sgSysmonCounters;
    GridTable sgFiles;
    GridTable sgSysmonDigest;
    // The report problems of the last digest run, shown under the digest table.
    GridTable sgProblems;
    // The comparison of two periods of the digest.
    GridTable sgPeriodComparison;
    CategoryLists categoryLists;

signals:
    // The start-up initialisation has run: the window is ready for the user's first command.
    void startupFinished();
    // "&Parse Sections" has ended, however it ended, and the window is idle again.
    void parseFinished();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTabs();
    void wireCommands();
    void guardLongCommands();
    void placeAtDesktopCentre();

    void queueInitialisation();
    void FormActivate();
    void tabControlsChange();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FormKeyPress(int key);
    void LoadCountersFromIniFile();
    TextLines loadReport(const QString &path);
    void btOpenLoadSysmonFileClick();
    void btOpenSysmonFileClick();
    void btDivideIntoSubsClick();
    void showParseProgress();
    void parseEnded();

    bool isKeyForThisWindow(QObject *receiver) const;

    // The window's own controls; tests and accessibility tools find them by their object names.
    QTabWidget *tabControls = nullptr;
    SetupCountersPanel *paSetupCounters = nullptr;
    SysmonFilesPanel *paSysmonFiles = nullptr;
    DigestPanel *paDigest = nullptr;
    ComparisonPanel *paCompare = nullptr;
    ReportMemo *meSysmon = nullptr;
    StatusPanels *sbStatus = nullptr;

    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<WindowUi> ui_;
    // Refuses the commands that would change the report text or the section table while a parse
    // or a digest run hands control back to the window.
    std::unique_ptr<BusyGuard> busy_;
    // Refuses, while a digest runs, what would change the file list, the counter set or the digest
    // table.
    std::unique_ptr<BusyGuard> digestBusy_;
    // The commands of the three tabs; children of the window.
    CounterCommands *counterCommands_ = nullptr;
    // Display and the chart's picture on the digest tab; a child of the window.
    ChartCommands *chartCommands_ = nullptr;
    FileListCommands *fileListCommands_ = nullptr;
    DigestCommands *digestCommands_ = nullptr;
    ComparisonCommands *comparisonCommands_ = nullptr;

    // "&Parse Sections" under way on a thread of its own, the window busy while it lasts, and
    // the clock that shows its progress.
    std::unique_ptr<BackgroundParse> parse_;
    std::unique_ptr<BusyGuard::Scope> parseScope_;
    QTimer parseProgressShown_;
    qsizetype parseLineShown_ = -1;
    // The encoding the last counter set file read was found in: the counter set files and exports
    // the window writes follow it, so a counter set file saved with a byte-order mark is written
    // back the same way.
    TextEncoding counterFileEncoding = TextEncoding::Utf8;
    // The report last chosen with Load Sysmon File or Show File; Show File's dialog starts there.
    QString sSingleSysmonFile;
    bool initialised_ = false;
    bool initialisationQueued_ = false;
};
