#include "CliDigest.h"

#include "CliCommand.h"
#include "CliFiles.h"
#include "ConsoleUi.h"
#include "TerminalProgress.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "common/TextRules.h"
#include "counters/CounterSet.h"
#include "counters/CounterSetFile.h"
#include "digest/DigestRun.h"
#include "digest/DigestTableLayout.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/SectionTableLayout.h"

#include <QCommandLineParser>

namespace {

// A list of report paths a script wrote, one per line; even a hundred thousand paths stay far
// below this.
constexpr qint64 maxListBytes = 64 * 1024 * 1024;

QString fileOption(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    const QString value = parser.value(option);
    if (parser.isSet(option) && value.isEmpty())
        throw Failure(u"--" % option.names().constFirst() % QStringLiteral(" needs a file name."));
    return value;
}

// The paths of the list file in order; blank lines are passed over.
QStringList listedReports(const QString &listPath)
{
    QStringList paths;
    for (const QString &line : TextFile::read(CliFiles::inputPath(listPath), maxListBytes, FileKinds::Any).lines) {
        if (!TextRules::isBlankText(line))
            paths << line;
    }
    return paths;
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
};

RunEnd digestReports(const QStringList &reports, bool timeOnly, const GridTable &counters, GridTable &digest,
                     Console &console)
{
    RunEnd end;
    GridTable sections(SectionTableLayout::columnCount);
    CategoryLists lists;
    ConsoleUi ui(console.errors());
    bool abortFlag = false;
    DigestRun::Hooks hooks;
    // Reports may come through pipes and FIFOs ("<(ssh db1 cat sysmon.txt)") or standard input.
    hooks.loadReport = [](const QString &path, WorkPacer &pacer) {
        return ReportLoader::load(CliFiles::inputPath(path), FileKinds::Any, &pacer);
    };
    hooks.rowsReset = [&end](const QStringList &names) {
        end.counterNames = names;
    };
    hooks.parseFailed = [&](const QString &path, const QString &message) {
        end.parseFailed = true;
        console.complain(path % QStringLiteral(": ") % message);
    };
    hooks.reportDone = [&console](int done, int total) {
        console.showProgress(done, total);
    };
    DigestRun digestRun({ digest, counters, sections, lists }, ui, abortFlag, std::move(hooks));
    end.readFailure =
        CommandGuard::failureOf([&] { digestRun.run(reports, { .append = false, .timeOnly = timeOnly }); });
    return end;
}

} // namespace

CliDigest::CliDigest() :
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
    filesFromOption_(QStringLiteral("files-from"),
                     QStringLiteral("Digest also the reports listed in LIST, one path per line, after the REPORT "
                                    "arguments."),
                     QStringLiteral("LIST"))
{ }

void CliDigest::describe(QCommandLineParser &parser) const
{
    for (const QCommandLineOption *option :
         { &countersOption_, &fullTimeOption_, &delimiterOption_, &outputOption_, &filesFromOption_ })
        parser.addOption(*option);
    parser.addPositionalArgument(
        QStringLiteral("REPORT"),
        QStringLiteral("The Sysmon reports, in digest order, as text or gzip-compressed; - reads "
                       "standard input."),
        QStringLiteral("REPORT..."));
}

void CliDigest::take(const QCommandLineParser &parser)
{
    counters_ = fileOption(parser, countersOption_);
    if (counters_.isEmpty())
        throw Failure(QStringLiteral("No counter set given: --counters SET is needed."));
    output_ = fileOption(parser, outputOption_);
    filesFrom_ = fileOption(parser, filesFromOption_);
    reports_ = parser.positionalArguments();
    if (reports_.isEmpty() && filesFrom_.isEmpty())
        throw Failure(QStringLiteral("No report given."));
    fullTime_ = parser.isSet(fullTimeOption_);
    delimiter_ = parser.value(delimiterOption_);
}

QString CliDigest::delimiter() const
{
    return DelimitedLines::delimiterFrom(delimiter_);
}

// Everything is read and checked before anything is written: a wrong input leaves the output as it
// was.
std::optional<QString> CliDigest::readInputs(GridTable &counters, TextEncoding &exportEncoding,
                                             QStringList &reports) const
{
    const std::optional<QString> failure = CommandGuard::failureOf([&] {
        exportEncoding =
            TextFile::writeEncodingFor(CounterSetFile::load(counters, CliFiles::inputPath(counters_), FileKinds::Any));
        reports = reports_;
        if (!filesFrom_.isEmpty())
            reports += listedReports(filesFrom_);
        CliFiles::refuseOutputOverInputs(output_, reports + QStringList { counters_, filesFrom_ });
    });
    if (!failure && reports.isEmpty())
        return QStringLiteral("No report given: ") % filesFrom_ % QStringLiteral(" lists none.");
    return failure;
}

int CliDigest::run(std::FILE *out, std::FILE *errors, const Present &present) const
{
    Console console(errors);
    GridTable counters(CounterSet::columnCount);
    TextEncoding exportEncoding = TextEncoding::Utf8;
    QStringList reports;
    if (const std::optional<QString> inputFailure = readInputs(counters, exportEncoding, reports)) {
        console.complain(*inputFailure);
        return CliCommand::CannotRun;
    }

    GridTable digest(DigestTableLayout::fixedColumnCount);
    const RunEnd end = digestReports(reports, !fullTime_, counters, digest, console);
    // A report that cannot be read ends the run; what the table holds as far as it got is still
    // written.
    if (end.readFailure)
        console.complain(*end.readFailure);

    std::optional<QString> presentFailure;
    const std::optional<QString> writeFailure = CommandGuard::failureOf([&] {
        const Output output = present({ digest, end.counterNames, exportEncoding });
        presentFailure = output.failure;
        CliFiles::writeBytes(TextFile::encode(output.lines, output.encoding), output_, out);
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
