#include "CompareCommand.h"

#include "common/Failure.h"
#include "compare/ComparisonTableLayout.h"
#include "compare/PeriodComparison.h"
#include "compare/ReportColumns.h"
#include "grid/GridTable.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

const QString baselineName = QStringLiteral("baseline");
const QString targetName = QStringLiteral("target");

// A report argument, as opposed to an option; "-" alone is standard input.
bool isReport(const QString &argument)
{
    return argument == u"-" || !argument.startsWith(u'-');
}

} // namespace

CompareCommand::CompareCommand() :
    baselineOption_(baselineName,
                    QStringLiteral("The reports of the baseline, the period when all was well, in digest order; "
                                   "each argument up to the next option is one."),
                    QStringLiteral("REPORT...")),
    targetOption_(targetName,
                  QStringLiteral("The reports compared with the baseline, in digest order; each argument up to the "
                                 "next option is one."),
                  QStringLiteral("REPORT...")),
    baselineFromOption_(QStringLiteral("baseline-from"),
                        QStringLiteral("Also the baseline reports listed in LIST, one path per line, after the "
                                       "--baseline ones."),
                        QStringLiteral("LIST")),
    targetFromOption_(QStringLiteral("target-from"),
                      QStringLiteral("Also the target reports listed in LIST, one path per line, after the --target "
                                     "ones."),
                      QStringLiteral("LIST"))
{ }

QString CompareCommand::summary() const
{
    return QStringLiteral("Digest the reports of two periods and write how much each counter changed between them.");
}

// "--baseline a b --target c" becomes "--baseline a --baseline b --target c", which the parser reads
// as one value per option. An option without a report becomes "--baseline=", so that the next
// option is not taken for its report.
QStringList CompareCommand::expanded(const QStringList &arguments) const
{
    QStringList spelled;
    QString repeated; // the option whose values are being spelled out
    bool valueGiven = false;
    const auto endRepeat = [&] {
        if (!repeated.isEmpty() && !valueGiven)
            spelled << repeated % u'=';
        repeated.clear();
    };
    for (const QString &argument : arguments) {
        if (!repeated.isEmpty() && isReport(argument)) {
            spelled << repeated << argument;
            valueGiven = true;
            continue;
        }
        endRepeat();
        if (argument == u"--" % baselineName || argument == u"--" % targetName) {
            repeated = argument;
            valueGiven = false;
        } else {
            spelled << argument;
        }
    }
    endRepeat();
    return spelled;
}

void CompareCommand::describe(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(QStringLiteral(
        "Digests the baseline's reports and then the target's as \"quorvel-cli digest\" does, with the\n"
        "counters of the counter set file SET, and writes how each counter changed between the two\n"
        "periods: the header line, then a line per counter with its name, its type, its mean over the\n"
        "baseline's reports and over the target's, the change (target minus baseline), the change in\n"
        "percent of the baseline (empty when the baseline's mean is 0) and how many reports of each\n"
        "period held a figure. A mean counts only figures: an empty cell (the report lacks the counter)\n"
        "and the no-value mark \"-1\" are left out. Counters with figures in one period only come first,\n"
        "then the others by the size of the change in percent, largest first (a change from 0 before\n"
        "any other), then by the size of the change, then in counter set order; counters with no figure\n"
        "at all come last. Each cell is followed by the delimiter, lines end with CR LF, in the encoding\n"
        "of SET when it has a byte-order mark, else UTF-8.\n"
        "A report whose name starts with \"-\" is given as ./NAME; - alone reads standard input."));
    digest_.describe(parser);
    for (const QCommandLineOption *option :
         { &baselineOption_, &targetOption_, &baselineFromOption_, &targetFromOption_ })
        parser.addOption(*option);
}

QString CompareCommand::helpEnding() const
{
    return QStringLiteral("\n"
                          "Exit status:\n"
                          "  0  every report was digested\n"
                          "  1  a report's parse failed: its figures are those the parse found, the failure goes\n"
                          "     to standard error, and the run went on\n"
                          "  2  a report cannot be read (the run ends there and the comparison of the reports\n"
                          "     before it is written), the counter set or a list cannot be read, the output cannot\n"
                          "     be written or is one of the inputs, or the command line is wrong\n");
}

CliDigest::ReportGroup CompareCommand::periodOf(const QCommandLineParser &parser, const QString &name,
                                                const QCommandLineOption &reports, const QCommandLineOption &list) const
{
    const CliDigest::ReportGroup period { .name = name,
                                          .reports = parser.values(reports),
                                          .listFile = CliDigest::fileOptionValue(parser, list) };
    if (period.reports.contains(QString()))
        throw Failure(QStringLiteral("--%1 needs a report.").arg(name));
    if (period.reports.isEmpty() && period.listFile.isEmpty()) {
        throw Failure(QStringLiteral("No %1 report given: --%1 REPORT... or --%1-from LIST is needed.").arg(name));
    }
    return period;
}

void CompareCommand::take(const QCommandLineParser &parser)
{
    digest_.take(parser);
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty())
        throw Failure(
            QStringLiteral("Which period is %1 in? Reports follow --baseline or --target.").arg(stray.first()));
    digest_.setReportGroups({ periodOf(parser, baselineName, baselineOption_, baselineFromOption_),
                              periodOf(parser, targetName, targetOption_, targetFromOption_) });
}

int CompareCommand::run(std::FILE *out, std::FILE *errors)
{
    return digest_.run(out, errors, [this](const CliDigest::Digested &digested) { return present(digested); });
}

// The baseline's reports have the first report columns. A run that ended at a report it could not
// read compares the columns it made.
CliDigest::Output CompareCommand::present(const CliDigest::Digested &digested) const
{
    const QList<int> reports = ReportColumns::all(digested.digest);
    const qsizetype baselineReports = std::min(qsizetype(digested.groupSizes.value(0)), reports.size());
    const PeriodComparison::Periods periods { .baseline = reports.first(baselineReports),
                                              .comparison = reports.sliced(baselineReports) };
    GridTable comparison(ComparisonTableLayout::columnCount);
    PeriodComparison::build(digested.digest, periods, comparison);
    return { .lines = PeriodComparison::lines(comparison, digest_.delimiter()),
             .encoding = digested.exportEncoding,
             .failure = std::nullopt };
}
