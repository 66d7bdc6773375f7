#include "CliDigest.h"

#include "CliCommand.h"
#include "CliFiles.h"
#include "ConsoleUi.h"
#include "TerminalProgress.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "counters/CounterSet.h"
#include "counters/CounterSetFile.h"
#include "digest/DigestAverages.h"
#include "digest/DigestColumn.h"
#include "digest/DigestReset.h"
#include "digest/DigestRows.h"
#include "digest/DigestRun.h"
#include "digest/DigestStatistics.h"
#include "digest/DigestTableLayout.h"
#include "digest/FileListFile.h"
#include "digest/ProblemList.h"
#include "digest/RunProblems.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"
#include "report/ReportLoader.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// More threads than this only cost memory, whatever the machine.
constexpr int maxJobs = 256;

QString fileOption(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    const QString value = parser.value(option);
    if (parser.isSet(option) && value.isEmpty())
        throw Failure(u"--" % option.names().constFirst() % QStringLiteral(" needs a file name."));
    return value;
}

// "No report given: LIST lists none.", naming the group where a command takes several.
QString noReportIn(const CliDigest::ReportGroup &group)
{
    const QString reports = group.name.isEmpty() ? QStringLiteral("report") : group.name % QStringLiteral(" report");
    return QStringLiteral("No ") % reports % QStringLiteral(" given: ") % group.listFile %
        QStringLiteral(" lists none.");
}

// --jobs: a whole number from 1; without it, one job per core.
int jobsFrom(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    if (!parser.isSet(option))
        return DigestRun::defaultJobs();
    const std::optional<std::int64_t> jobs = NumberText::readInteger(parser.value(option));
    if (!jobs || *jobs < 1 || *jobs > maxJobs)
        throw Failure(QStringLiteral("--jobs takes a whole number from 1 to %1.").arg(maxJobs));
    return int(*jobs);
}

// Standard error while a run goes on: the progress line on a terminal, and the messages, each of
// which takes the progress line's place.
class Console
{
public:
    explicit Console(std::FILE *errors) : errors_(errors), progress_(errors) { }

    void complain(const QString &message) { progress_.print(QStringLiteral("quorvel-cli: ") % message % u'\n'); }
    void showProgress(int done, int total) { progress_.show(done, total); }
    std::FILE *errors() const { return errors_; }

private:
    std::FILE *errors_;
    TerminalProgress progress_;
};

// What a digest run over the reports came to.
struct RunEnd
{
    QStringList counterNames;
    // A report could not be read: the run ended there, with the columns of the reports before it.
    std::optional<QString> readFailure;
    bool parseFailed = false;
    RunProblems problems;
};

// How the command's line shapes the run.
struct RunSettings
{
    bool timeOnly = true;
    int jobs = 1;
    bool statistics = false;
    TimeWindow window = TimeWindow();
    // Problems nobody asked for are not collected: an archive may give tens per report.
    bool listProblems = false;
};

// Adds each report's column as the run hands it over, and says on standard error what went wrong.
class ColumnWriter : public DigestRun::Observer
{
public:
    ColumnWriter(GridTable &digest, Console &console, RunEnd &end, int total) :
        digest_(digest), console_(console), end_(end), total_(total)
    { }

    void reportDigested(int index, DigestedReport &&report) override
    {
        // A report outside the time window is left out whatever its parse.
        if (report.parseFailure && !report.outsideTimeWindow) {
            end_.parseFailed = true;
            console_.complain(report.path % QStringLiteral(": ") % *report.parseFailure);
        }
        DigestColumn::append(digest_, report);
        end_.problems.add(std::move(report.facts));
        console_.showProgress(index + 1, total_);
    }

private:
    GridTable &digest_;
    Console &console_;
    RunEnd &end_;
    const int total_;
};

RunEnd digestReports(const QStringList &reports, const RunSettings &settings, const GridTable &counters,
                     GridTable &digest, Console &console)
{
    RunEnd end;
    end.counterNames = DigestReset::fromCounterSet(digest, counters);
    DigestStatistics::setShown(digest, settings.statistics);
    DigestRun::Input input {
        .rows = DigestRows::of(digest),
        .paths = reports,
        .timeOnly = settings.timeOnly,
        .window = settings.window,
        .listProblems = settings.listProblems,
        // Reports may come through pipes and FIFOs ("<(ssh db1 cat sysmon.txt)") or
        // standard input.
        .load = [](const QString &path) { return ReportLoader::load(CliFiles::inputPath(path), FileKinds::Any); },
        .jobs = settings.jobs,
        .handOverParses = false,
        .spareTables = nullptr
    };
    ColumnWriter writer(digest, console, end, int(reports.size()));
    const DigestRun::Result result = DigestRun(std::move(input)).run(writer);
    if (result.end == DigestRun::End::Unreadable)
        end.readFailure = result.failure;
    // The averages cover the columns there are, however the run ended.
    ConsoleUi ui(console.errors());
    CommandGuard::run(ui, QStringLiteral("CalculateAverages"), [&] { DigestAverages::calculate(digest, ui); });
    return end;
}

} // namespace

CliDigest::CliDigest(ReportSource source) :
    countersOption_(QStringLiteral("counters"), QStringLiteral("The counter set file whose counters are digested."),
                    QStringLiteral("SET")),
    fullTimeOption_(QStringLiteral("full-time"),
                    QStringLiteral("Take the whole sampling start of each report as its time, not only its time of "
                                   "day.")),
    delimiterOption_(QStringLiteral("delimiter"),
                     QStringLiteral("The delimiter, with blanks and control characters removed at both ends (\",\" "
                                    "by default; nothing when only blanks remain)."),
                     QStringLiteral("D"), QStringLiteral(",")),
    outputOption_(QStringLiteral("output"), QStringLiteral("Write to FILE, replacing it, instead of standard output."),
                  QStringLiteral("FILE")),
    jobsOption_(QStringLiteral("jobs"),
                QStringLiteral("Read and parse N reports at a time (by default one per core; 1 works through them "
                               "one by one)."),
                QStringLiteral("N")),
    filesFromOption_(QStringLiteral("files-from"),
                     QStringLiteral("Digest also the reports listed in LIST, one path per line (as the window's "
                                    "\"Save List...\" writes it), after the REPORT arguments."),
                     QStringLiteral("LIST")),
    fromOption_(QStringLiteral("from"),
                QStringLiteral("Digest only the reports whose sampling started at WHEN or later: \"yyyy-MM-dd "
                               "hh:mm:ss\", or \"yyyy-MM-dd\" for the start of that day."),
                QStringLiteral("WHEN")),
    toOption_(QStringLiteral("to"),
              QStringLiteral("Digest only the reports whose sampling started at WHEN or earlier: \"yyyy-MM-dd "
                             "hh:mm:ss\", or \"yyyy-MM-dd\" for the end of that day."),
              QStringLiteral("WHEN")),
    problemsOption_(QStringLiteral("problems"),
                    QStringLiteral("Write the report problems to FILE, replacing it: a line per problem with the "
                                   "report, the kind, the counter and the detail, after a header line."),
                    QStringLiteral("FILE")),
    source_(source)
{ }

void CliDigest::describe(QCommandLineParser &parser) const
{
    if (source_ == ReportSource::Command) {
        for (const QCommandLineOption *option : { &countersOption_, &delimiterOption_, &outputOption_, &jobsOption_ })
            parser.addOption(*option);
        return;
    }
    for (const QCommandLineOption *option :
         { &countersOption_, &fullTimeOption_, &fromOption_, &toOption_, &delimiterOption_, &outputOption_,
           &problemsOption_, &filesFromOption_, &jobsOption_ })
        parser.addOption(*option);
    parser.addPositionalArgument(QStringLiteral("REPORT"),
                                 QStringLiteral("The Sysmon reports, in digest order; - reads standard input."),
                                 QStringLiteral("REPORT..."));
}

QString CliDigest::fileOptionValue(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    return fileOption(parser, option);
}

void CliDigest::take(const QCommandLineParser &parser)
{
    counters_ = fileOption(parser, countersOption_);
    if (counters_.isEmpty())
        throw Failure(QStringLiteral("No counter set given: --counters SET is needed."));
    output_ = fileOption(parser, outputOption_);
    delimiter_ = parser.value(delimiterOption_);
    jobs_ = jobsFrom(parser, jobsOption_);
    if (source_ == ReportSource::Command)
        return;
    const ReportGroup group { .name = QString(),
                              .reports = parser.positionalArguments(),
                              .listFile = fileOption(parser, filesFromOption_) };
    if (group.reports.isEmpty() && group.listFile.isEmpty())
        throw Failure(QStringLiteral("No report given."));
    groups_ = { group };
    fullTime_ = parser.isSet(fullTimeOption_);
    window_ = TimeWindow::fromTexts(parser.value(fromOption_), parser.value(toOption_));
    problems_ = fileOption(parser, problemsOption_);
    if (!problems_.isEmpty() && QFileInfo(problems_).absoluteFilePath() == QFileInfo(output_).absoluteFilePath())
        throw Failure(QStringLiteral("--problems and --output name the same file."));
}

QString CliDigest::delimiter() const
{
    return DelimitedLines::delimiterFrom(delimiter_);
}

// Everything is read and checked before anything is written: a wrong input leaves the output as it
// was.
std::optional<QString> CliDigest::readInputs(GridTable &counters, TextEncoding &exportEncoding, QStringList &reports,
                                             QList<int> &groupSizes) const
{
    std::optional<QString> emptyGroup;
    const std::optional<QString> failure = CommandGuard::failureOf([&] {
        exportEncoding = TextFile::writeEncodingFor(
            CounterSetFile::loadPicked(counters, CliFiles::inputPath(counters_), FileKinds::Any));
        QStringList inputs { counters_ };
        for (const ReportGroup &group : groups_) {
            QStringList groupReports = group.reports;
            if (!group.listFile.isEmpty())
                groupReports += FileListFile::read(CliFiles::inputPath(group.listFile), FileKinds::Any);
            if (groupReports.isEmpty() && !emptyGroup)
                emptyGroup = noReportIn(group);
            reports += groupReports;
            groupSizes << int(groupReports.size());
            inputs += groupReports + QStringList { group.listFile };
        }
        CliFiles::refuseOutputOverInputs(output_, inputs);
        CliFiles::refuseOutputOverInputs(problems_, inputs + QStringList { output_ });
    });
    return failure ? failure : emptyGroup;
}

int CliDigest::run(std::FILE *out, std::FILE *errors, const Present &present) const
{
    Console console(errors);
    GridTable counters(CounterSet::columnCount);
    TextEncoding exportEncoding = TextEncoding::Utf8;
    QStringList reports;
    QList<int> groupSizes;
    if (const std::optional<QString> inputFailure = readInputs(counters, exportEncoding, reports, groupSizes)) {
        console.complain(*inputFailure);
        return CliCommand::CannotRun;
    }

    GridTable digest(DigestTableLayout::fixedColumnCount);
    const RunSettings settings { .timeOnly = !fullTime_,
                                 .jobs = jobs_,
                                 .statistics = statistics_,
                                 .window = window_,
                                 .listProblems = !problems_.isEmpty() };
    const RunEnd end = digestReports(reports, settings, counters, digest, console);
    // A report that cannot be read ends the run; what the table holds as far as it got is still
    // written.
    if (end.readFailure)
        console.complain(*end.readFailure);

    std::optional<QString> presentFailure;
    const std::optional<QString> writeFailure = CommandGuard::failureOf([&] {
        const Output output = present({ digest, end.counterNames, exportEncoding, groupSizes });
        presentFailure = output.failure;
        CliFiles::writeBytes(TextFile::encode(output.lines, output.encoding), output_, out);
        if (!problems_.isEmpty())
            CliFiles::writeBytes(TextFile::encode(ProblemList::lines(end.problems.list(), delimiter()), exportEncoding),
                                 problems_, out);
    });
    if (presentFailure)
        console.complain(*presentFailure);
    if (writeFailure) {
        console.complain(*writeFailure);
        return CliCommand::CannotRun;
    }
    if (end.readFailure)
        return CliCommand::CannotRun;
    return end.parseFailed || presentFailure ? CliCommand::Failed : CliCommand::Success;
}
