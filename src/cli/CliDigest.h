#pragma once

#include "common/TextEncoding.h"
#include "digest/TimeWindow.h"

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <optional>

class GridTable;
class QCommandLineParser;

// The digest run that the commands built on it share (`digest`, `chart`): the options naming the
// counter set, the reports and the output, the run of the window's "St&art Parsing of Sysmon Files"
// over the reports with a progress line on a terminal, the complaints on standard error and the
// exit statuses. The command only turns the digest table into the lines it writes.
class CliDigest
{
public:
    // What the run leaves for the command.
    struct Digested
    {
        const GridTable &digest;
        // The rows' counter names as the digest reset wrote them: the items of the chart's
        // value-axis lists, the first of which the reset selects.
        QStringList counterNames;
        // The encoding the window would write an export in after reading this counter set.
        TextEncoding exportEncoding;
        // How many reports each group holds, in order: their report columns follow one another.
        QList<int> groupSizes;
    };

    // What the command makes of it.
    struct Output
    {
        QStringList lines;
        TextEncoding encoding = TextEncoding::Utf8;
        // A failure of the command's own, for standard error: the lines are still written and the
        // exit status is 1.
        std::optional<QString> failure;
    };

    using Present = std::function<Output(const Digested &)>;

    // Reports digested one after the other: those named, then those listed in `listFile`, one path
    // per line. `name` says which reports they are where a command takes several groups ("baseline").
    struct ReportGroup
    {
        QString name;
        QStringList reports;
        QString listFile; // empty: none
    };

    // Where the reports come from: the REPORT arguments and --files-from, or groups the command
    // takes from options of its own (setReportGroups).
    enum class ReportSource { Arguments, Command };

    explicit CliDigest(ReportSource source = ReportSource::Arguments);

    // Adds --counters, --delimiter, --output and --jobs, and with ReportSource::Arguments
    // --full-time, --from, --to, --problems, --files-from and REPORT....
    void describe(QCommandLineParser &parser) const;
    // Throws Failure when the line lacks the counter set or every report, or names a time window
    // that does not read.
    void take(const QCommandLineParser &parser);
    // The run shows the statistics columns after "Avg".
    void setStatistics(bool shown) { statistics_ = shown; }
    // The groups digested in order, for ReportSource::Command.
    void setReportGroups(const QList<ReportGroup> &groups) { groups_ = groups; }

    // The value of an option that names a file; throws Failure when it is set to nothing
    // ("--output needs a file name.").
    static QString fileOptionValue(const QCommandLineParser &parser, const QCommandLineOption &option);

    bool fullTime() const { return fullTime_; }
    // The delimiter as the exports take it: blanks and control characters removed at both ends.
    QString delimiter() const;

    // Reads the counter set and the report list, digests the reports, hands the table to
    // `present` and writes its lines (CR LF after each) to the output, and the report problems to
    // the --problems file when one is named. Returns the exit status:
    // 2 when an input cannot be read or the output cannot be written, 1 when a report's parse
    // failed or `present` reports a failure, 0 otherwise.
    int run(std::FILE *out, std::FILE *errors, const Present &present) const;

private:
    std::optional<QString> readInputs(GridTable &counters, TextEncoding &exportEncoding, QStringList &reports,
                                      QList<int> &groupSizes) const;

    QCommandLineOption countersOption_;
    QCommandLineOption fullTimeOption_;
    QCommandLineOption delimiterOption_;
    QCommandLineOption outputOption_;
    QCommandLineOption jobsOption_;
    QCommandLineOption filesFromOption_;
    QCommandLineOption fromOption_;
    QCommandLineOption toOption_;
    QCommandLineOption problemsOption_;

    ReportSource source_;
    QString counters_;
    bool fullTime_ = false;
    int jobs_ = 1;
    QString delimiter_;
    QString output_; // empty: standard output
    QString problems_; // empty: none
    TimeWindow window_;
    bool statistics_ = false;
    QList<ReportGroup> groups_;
};
