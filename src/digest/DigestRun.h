#pragma once

#include "DigestRows.h"
#include "DigestedReport.h"
#include "ReportDigester.h"

#include <QString>
#include <QStringList>

#include <stop_token>

class GridTable;
class Ui;

// "St&art Parsing of Sysmon Files" without the window: every listed report is read, parsed exactly
// as "&Parse Sections" parses it and reduced to the figures of the run's counters. Reports are read
// and parsed on worker threads, a bounded number ahead, each into a section table of its own; the
// thread that runs the run hands them to its observer one by one in list order, so whoever adds
// the columns adds them exactly as one thread working through the list would.
//
// The run owns its work and nothing else: it never touches a window's tables. The window and the
// command line decide what its reports do to their digest tables.
class DigestRun
{
public:
    struct Input
    {
        DigestRows rows;
        QStringList paths;
        // Head each report column with only the time of day of its sampling start.
        bool timeOnly = true;
        // Digest only the reports whose sampling start lies in it: the others get no figures.
        TimeWindow window = TimeWindow();
        // Check every report for the list of report problems (DigestedReport::facts).
        bool listProblems = false;
        // How a listed report is read (the window takes regular files only, the command line pipes
        // too). Called on the worker threads.
        ReportDigester::Loader load;
        // Worker threads; 0 takes one per core. One runs everything on the calling thread.
        int jobs = 0;
        // Hand every parsed report over with its figures (the window keeps the last one).
        bool handOverParses = false;
        // Where the section tables of handed-over parses come back once the caller has dropped
        // them, for the workers to fill again.
        std::shared_ptr<SpareTables> spareTables;
    };

    enum class End {
        Done,
        // A stop was requested: the reports after the last one handed over get no column.
        Cancelled,
        // A listed report could not be read: the run ended before it.
        Unreadable,
    };

    struct Result
    {
        End end = End::Done;
        // Why the report could not be read, when it could not.
        QString failure;
        // Reports handed to the observer.
        int delivered = 0;
    };

    class Observer
    {
    public:
        virtual ~Observer() = default;
        // Called on the thread that runs the run, in list order; the run waits for it to return.
        virtual void reportDigested(int index, DigestedReport &&report) = 0;
    };

    explicit DigestRun(Input input);

    // Digests the listed reports and returns how the run ended. A stop request ends it at once,
    // as far as the observer got; the workers' reports that were not handed over are thrown away.
    Result run(Observer &observer, std::stop_token stop = {});

    // Status panel 1 as a report's column is added: "Loaded Sysmon File ..." + the last 11
    // characters of its path + "...".
    static QString loadedStatus(const QString &path);

    // The number of cores, at least one.
    static int defaultJobs();

    // What the window asks before a run: "Please select files first." when the file list is empty,
    // otherwise "Start Parsing Sysmon Files?". True when the run may start.
    static bool mayStart(const GridTable &files, Ui &ui);

private:
    ReportDigester::Options digesterOptions() const;
    Result runHere(Observer &observer, std::stop_token stop);
    Result runOnWorkers(Observer &observer, std::stop_token stop, int jobs);

    Input input_;
};
