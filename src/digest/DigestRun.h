#pragma once

#include "ReportProblem.h"
#include "RunProblems.h"
#include "TimeWindow.h"
#include "common/TextLines.h"
#include "common/WorkPacer.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class CounterNameIndex;
class CounterRows;
class GridTable;
class Ui;
struct CategoryLists;

// "St&art Parsing of Sysmon Files" without the window: every listed report in turn is loaded,
// parsed exactly as "&Parse Sections" parses it, and given a report column of the digest table
// holding the figures of the picked counters; then the averages. The window and the command line
// both run it, each with its own hooks.
class DigestRun
{
public:
    // The tables a run reads and writes; they outlive the run.
    struct Tables
    {
        GridTable &digest;
        const GridTable &counters; // read only by the reset
        GridTable &sections; // left holding the last report parsed
        CategoryLists &categoryLists; // likewise
    };

    struct Options
    {
        // Add report columns to the table as it stands instead of rebuilding it from the counter
        // set first.
        bool append = false;
        // Head each report column with only the time of day of its sampling start.
        bool timeOnly = true;
        // Show the statistics columns after "Avg" ("Statisti&cs").
        bool statistics = false;
        // Digest only the reports whose sampling start lies in it; the others get no column.
        TimeWindow window = TimeWindow();
        // Collect the report problems. An archive whose reports lack a few counters each gives
        // tens of problems per report, which a run that nobody asks them of need not hold.
        bool listProblems = true;
    };

    // What the window and the command line do differently. Only loadReport is required.
    struct Hooks
    {
        // Reads one listed report whole, ticking `pacer` while it reads. Throws Failure when it
        // cannot, which ends the run.
        std::function<TextLines(const QString &path, WorkPacer &pacer)> loadReport;
        // The report just loaded, before its parse: the window keeps it as its report text.
        std::function<void(const TextLines &report)> reportLoaded;
        // The counter names of the rows a reset wrote: the items of the chart's value-axis lists.
        std::function<void(const QStringList &counterNames)> rowsReset;
        // A report's parse failed; the run goes on with the rows the parse wrote before it failed.
        // Not called for a report outside the time window, which is left out whatever its parse.
        std::function<void(const QString &path, const QString &message)> parseFailed;
        // `done` reports of `total` have their column.
        std::function<void(int done, int total)> reportDone;
    };

    enum class Outcome { Done, Aborted };

    // `pumpIntervalMs`: how long the run works between two hand-backs to the window.
    DigestRun(const Tables &tables, Ui &ui, bool &abortFlag, Hooks hooks,
              int pumpIntervalMs = WorkPacer::defaultIntervalMs);

    // What the window asks before a run: "Please select files first." when the file list is empty,
    // otherwise "Start Parsing Sysmon Files?". True when the run may start.
    static bool mayStart(const GridTable &files, Ui &ui);

    // Digests the reports in order. Clears the abort flag first; when a parse or the hand-back to
    // the window between reports finds it set, the current report's column stays empty, the
    // averages are computed and the run ends. Ends with "Digest Done." in panel 1. A report whose
    // sampling start lies outside the time window is parsed (its sampling start is in its text)
    // but gets no column; the statistics columns stand after "Avg" as the options ask, and are
    // calculated with the averages.
    //
    // A report that cannot be read throws Failure before its column is added: the columns of the
    // reports before it stay, and the averages are those from before the run.
    Outcome run(const QStringList &paths, const Options &options);

    // The problems of the reports digested so far, also after a run that ended early.
    std::vector<ReportProblem> problems() const { return problems_.list(); }

private:
    void reset();
    bool digestReport(const QString &path, const CounterNameIndex &index, const CounterRows &rows,
                      const Options &options);
    std::optional<QString> parseReport(const QString &path);
    void showColumnsNowAndThen();
    int addReportColumn();
    void calculateAverages();

    // How often, at most, the digest table's views are told of the columns added.
    static constexpr int tableRefreshMs = 500;

    Tables tables_;
    Ui &ui_;
    bool &abortFlag_;
    Hooks hooks_;
    // One time budget for the whole run: loading, parsing and copying every report.
    WorkPacer pacer_;
    QElapsedTimer tableShown_;
    RunProblems problems_;
};
