#include "SectionsCommand.h"

#include "CliFiles.h"
#include "ConsoleUi.h"
#include "common/Failure.h"
#include "common/TextLines.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"
#include "report/BinaryReportCheck.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <QCommandLineParser>
#include <QStringEncoder>

#include <optional>

namespace {

// The table as the exports write it (each cell followed by the delimiter, CR LF after each row),
// encoded row by row straight into UTF-8: a report's table has many thousands of rows, and a list
// of lines and a whole UTF-16 text beside it would cost more than the parse.
QByteArray tableBytes(const GridTable &sections, const QString &delimiter)
{
    QStringEncoder toUtf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QByteArray bytes;
    QString line;
    for (int row = 0; row < sections.rows(); ++row) {
        line.resize(0);
        for (int column = 0; column < SectionTableLayout::columnCount; ++column)
            line += sections.cell(column, row) % delimiter;
        line += u"\r\n";
        const qsizetype start = bytes.size();
        bytes.resize(start + toUtf8.requiredSpace(line.size()));
        const char *end = toUtf8.appendToBuffer(bytes.data() + start, line);
        bytes.truncate(end - bytes.constData());
    }
    return bytes;
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
    parser.addPositionalArgument(
        QStringLiteral("REPORT"),
        QStringLiteral("The Sysmon report to parse, as text or gzip-compressed; - reads standard input."));
}

QString SectionsCommand::helpEnding() const
{
    return QStringLiteral("\n"
                          "Exit status:\n"
                          "  0  the report was parsed\n"
                          "  1  the parse failed, or the report holds binary data: the table as far as it got is\n"
                          "     written, the failure goes to standard error\n"
                          "  2  the report cannot be read, the output cannot be written or is the report itself,\n"
                          "     or the command line is wrong\n");
}

void SectionsCommand::take(const QCommandLineParser &parser)
{
    report_ = onlyArgument(parser, QStringLiteral("report"));
    delimiter_ = parser.value(delimiterOption_);
    output_ = parser.value(outputOption_);
    if (parser.isSet(outputOption_) && output_.isEmpty())
        throw Failure(QStringLiteral("--output needs a file name."));
}

int SectionsCommand::run(std::FILE *out, std::FILE *errors)
{
    CliFiles::refuseOutputOverInputs(output_, { report_ });
    GridTable sections(SectionTableLayout::columnCount);
    const std::optional<QString> parseFailure = parse(sections);
    if (parseFailure)
        ConsoleUi::print(errors,
                         QStringLiteral("quorvel-cli: ") % report_ % QStringLiteral(": ") % *parseFailure % u'\n');
    CliFiles::writeBytes(tableBytes(sections, DelimitedLines::delimiterFrom(delimiter_)), output_, out);
    return parseFailure ? Failed : Success;
}

// The report text goes once the table is built, before the output is. A parse failure is the
// command's own (exit status 1, the table as far as it got), and so is a file of binary data, which
// the digest reports the same way; anything else, memory running out included, ends the command.
std::optional<QString> SectionsCommand::parse(GridTable &sections) const
{
    const TextLines report = ReportLoader::load(CliFiles::inputPath(report_), FileKinds::Any);
    CategoryLists lists;
    std::optional<QString> failure;
    try {
        ReportParser(sections, lists).run(report);
    } catch (const Failure &parseFailure) {
        failure = parseFailure.message();
    }
    if (const std::optional<QString> binary = BinaryReportCheck::failureOf(report_, report))
        failure = binary;
    return failure;
}
