#include "SectionsCommand.h"

#include "ConsoleUi.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <QCommandLineParser>

#include <optional>

namespace {

QStringList tableLines(const GridTable &sections, const QString &typedDelimiter)
{
    return DelimitedLines::of(sections, 0, sections.rows() - 1, SectionTableLayout::columnCount,
                              DelimitedLines::delimiterFrom(typedDelimiter));
}

void writeLines(const QStringList &lines, const QString &output, std::FILE *out)
{
    if (!output.isEmpty()) {
        TextFile::write(output, lines, TextEncoding::Utf8);
        return;
    }
    const QByteArray bytes = TextFile::encode(lines, TextEncoding::Utf8);
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out) != std::size_t(bytes.size()) ||
        std::fflush(out) != 0)
        throw Failure(QStringLiteral("Cannot write to standard output."));
}

} // namespace

SectionsCommand::SectionsCommand() :
    delimiterOption_(QStringLiteral("delimiter"),
                     QStringLiteral("The text written after every cell, with blanks and control characters removed "
                                    "at both ends (\",\" by default; nothing when only blanks remain)."),
                     QStringLiteral("D"), QStringLiteral(",")),
    outputOption_(QStringLiteral("output"), QStringLiteral("Write to FILE, replacing it, instead of standard output."),
                  QStringLiteral("FILE"))
{ }

QString SectionsCommand::summary() const
{
    return QStringLiteral("Parse one Sysmon report and write its section table as delimited text.");
}

void SectionsCommand::describe(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(
        QStringLiteral("Parses the Sysmon report REPORT as \"Parse Sections\" does in the window and writes the\n"
                       "section table: every row (the header row and blank rows included), columns Section to\n"
                       "Idle %, each cell followed by the delimiter, lines ended by CR LF, in UTF-8."));
    parser.addOption(delimiterOption_);
    parser.addOption(outputOption_);
    parser.addPositionalArgument(QStringLiteral("REPORT"), QStringLiteral("The Sysmon report to parse."));
}

QString SectionsCommand::helpEnding() const
{
    return QStringLiteral(
        "\n"
        "Exit status:\n"
        "  0  the report was parsed\n"
        "  1  the parse failed: the table as far as it got is written, the failure goes to\n"
        "     standard error\n"
        "  2  the report cannot be read, the output cannot be written, or the command line is wrong\n");
}

void SectionsCommand::take(const QCommandLineParser &parser)
{
    const QStringList reports = parser.positionalArguments();
    if (reports.isEmpty())
        throw Failure(QStringLiteral("No report given."));
    if (reports.size() > 1)
        throw Failure(QStringLiteral("Only one report can be given."));
    report_ = reports.first();
    delimiter_ = parser.value(delimiterOption_);
    output_ = parser.value(outputOption_);
    if (parser.isSet(outputOption_) && output_.isEmpty())
        throw Failure(QStringLiteral("--output needs a file name."));
}

int SectionsCommand::run(std::FILE *out, std::FILE *errors)
{
    QStringList report;
    try {
        report = ReportLoader::load(report_);
    } catch (const Failure &failure) {
        ConsoleUi::print(errors, QStringLiteral("quorvel-cli: ") % failure.message() % u'\n');
        return CannotRun;
    }

    GridTable sections(SectionTableLayout::columnCount);
    CategoryLists lists;
    ConsoleUi ui(errors);
    bool abortFlag = false;
    const std::optional<QString> parseFailure =
        CommandGuard::failureOf([&] { ReportParser(sections, lists, ui, abortFlag).run(report); });
    if (parseFailure)
        ConsoleUi::print(errors,
                         QStringLiteral("quorvel-cli: ") % report_ % QStringLiteral(": ") % *parseFailure % u'\n');

    try {
        writeLines(tableLines(sections, delimiter_), output_, out);
    } catch (const Failure &failure) {
        ConsoleUi::print(errors, QStringLiteral("quorvel-cli: ") % failure.message() % u'\n');
        return CannotRun;
    }
    return parseFailure ? Failed : Success;
}
