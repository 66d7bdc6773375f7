#include "DigestCommand.h"

#include "CliFiles.h"
#include "ConsoleUi.h"
#include "TerminalProgress.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "common/TextRules.h"
#include "counters/CounterSet.h"
#include "counters/CounterSetFile.h"
#include "digest/DigestExport.h"
#include "digest/DigestRun.h"
#include "digest/DigestTableLayout.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/SectionTableLayout.h"

#include <QCommandLineParser>

#include <optional>

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

} // namespace

DigestCommand::DigestCommand() :
    countersOption_(QStringLiteral("counters"), QStringLiteral("The counter set file whose counters are digested."),
                    QStringLiteral("SET")),
    fullTimeOption_(QStringLiteral("full-time"),
                    QStringLiteral("Head each report column with the whole sampling start, not only its time.")),
    swapAxesOption_(QStringLiteral("swap-axes"),
                    QStringLiteral("Write a line per report column instead of a line per counter.")),
    delimiterOption_(QStringLiteral("delimiter"),
                     QStringLiteral("The text written after every cell, with blanks and control characters removed "
                                    "at both ends (\",\" by default; nothing when only blanks remain)."),
                     QStringLiteral("D"), QStringLiteral(",")),
    outputOption_(QStringLiteral("output"), QStringLiteral("Write to FILE, replacing it, instead of standard output."),
                  QStringLiteral("FILE")),
    filesFromOption_(QStringLiteral("files-from"),
                     QStringLiteral("Digest also the reports listed in LIST, one path per line, after the REPORT "
                                    "arguments."),
                     QStringLiteral("LIST"))
{ }

QString DigestCommand::summary() const
{
    return QStringLiteral("Digest the counters of a counter set across many reports and write the table.");
}

void DigestCommand::describe(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(QStringLiteral(
        "Digests the reports in order as \"Start Parsing of Sysmon Files\" does in the window, with the\n"
        "counters of the counter set file SET, and writes the digest table as \"Export Data to CSV File\"\n"
        "writes it: a line per counter (the header line first), each cell followed by the delimiter,\n"
        "lines ended by CR LF, in the encoding of SET when it has a byte-order mark, else UTF-8."));
    for (const QCommandLineOption *option :
         { &countersOption_, &fullTimeOption_, &swapAxesOption_, &delimiterOption_, &outputOption_, &filesFromOption_ })
        parser.addOption(*option);
    parser.addPositionalArgument(QStringLiteral("REPORT"), QStringLiteral("The Sysmon reports, in digest order."),
                                 QStringLiteral("REPORT..."));
}

QString DigestCommand::helpEnding() const
{
    return QStringLiteral("\n"
                          "Exit status:\n"
                          "  0  every report was digested\n"
                          "  1  a report's parse failed: its column holds what the parse found, the failure goes to\n"
                          "     standard error, and the run went on\n"
                          "  2  a report cannot be read (the run ends there and the table as far as it got is\n"
                          "     written), the counter set or the list cannot be read, the output cannot be written,\n"
                          "     or the command line is wrong\n");
}

void DigestCommand::take(const QCommandLineParser &parser)
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
    swapAxes_ = parser.isSet(swapAxesOption_);
    delimiter_ = parser.value(delimiterOption_);
}

int DigestCommand::run(std::FILE *out, std::FILE *errors)
{
    TerminalProgress progress(errors);
    const auto complain = [&progress](const QString &message) {
        progress.print(QStringLiteral("quorvel-cli: ") % message % u'\n');
    };

    GridTable counters(CounterSet::columnCount);
    TextEncoding encoding = TextEncoding::Utf8;
    QStringList reports = reports_;
    const std::optional<QString> inputFailure = CommandGuard::failureOf([&] {
        encoding =
            TextFile::writeEncodingFor(CounterSetFile::load(counters, CliFiles::inputPath(counters_), FileKinds::Any));
        if (!filesFrom_.isEmpty())
            reports += listedReports(filesFrom_);
        CliFiles::refuseOutputOverInputs(output_, reports + QStringList { counters_, filesFrom_ });
    });
    if (inputFailure) {
        complain(*inputFailure);
        return CannotRun;
    }
    if (reports.isEmpty()) {
        complain(QStringLiteral("No report given: ") % filesFrom_ % QStringLiteral(" lists none."));
        return CannotRun;
    }

    GridTable digest(DigestTableLayout::fixedColumnCount);
    GridTable sections(SectionTableLayout::columnCount);
    CategoryLists lists;
    ConsoleUi ui(errors);
    bool abortFlag = false;
    bool parseFailed = false;
    DigestRun::Hooks hooks;
    // Reports may come through pipes and FIFOs ("<(zcat old.txt.gz)") or standard input.
    hooks.loadReport = [](const QString &path, WorkPacer &pacer) {
        return ReportLoader::load(CliFiles::inputPath(path), FileKinds::Any, &pacer);
    };
    hooks.parseFailed = [&](const QString &path, const QString &message) {
        parseFailed = true;
        complain(path % QStringLiteral(": ") % message);
    };
    hooks.reportDone = [&progress](int done, int total) {
        progress.show(done, total);
    };
    DigestRun digestRun({ digest, counters, sections, lists }, ui, abortFlag, std::move(hooks));
    const DigestRun::Options options { .append = false, .timeOnly = !fullTime_ };
    // A report that cannot be read ends the run; the table as far as it got is still written.
    const std::optional<QString> readFailure = CommandGuard::failureOf([&] { digestRun.run(reports, options); });
    if (readFailure)
        complain(*readFailure);

    const std::optional<QString> writeFailure = CommandGuard::failureOf([&] {
        const QStringList lines = DigestExport::lines(digest, swapAxes_, DelimitedLines::delimiterFrom(delimiter_));
        CliFiles::writeBytes(TextFile::encode(lines, encoding), output_, out);
    });
    if (writeFailure) {
        complain(*writeFailure);
        return CannotRun;
    }
    if (readFailure)
        return CannotRun;
    return parseFailed ? Failed : Success;
}
