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

#include <optional>

namespace SectionsCommand {

namespace {

struct Options
{
    QString report;
    QString delimiter = QStringLiteral(",");
    QString output; // empty: standard output
    bool help = false;
};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Reads "--name VALUE" and "--name=VALUE"; returns the value or nothing when `argument` is not
// that option. Throws Failure when the value is missing.
std::optional<QString> optionValue(const QString &name, const QStringList &arguments, qsizetype &i)
{
    const QString &argument = arguments[i];
    if (argument.startsWith(name + u'='))
        return argument.mid(name.size() + 1);
    if (argument != name)
        return std::nullopt;
    if (++i >= arguments.size())
        throw Failure(name % QStringLiteral(" needs a value."));
    return arguments[i];
}

Options optionsFrom(const QStringList &arguments)
{
    Options options;
    bool reportGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--help" || argument == u"-h") {
            options.help = true;
        } else if (auto delimiter = optionValue(QStringLiteral("--delimiter"), arguments, i)) {
            options.delimiter = *delimiter;
        } else if (auto output = optionValue(QStringLiteral("--output"), arguments, i)) {
            if (output->isEmpty())
                throw Failure(QStringLiteral("--output needs a file name."));
            options.output = *output;
        } else if (argument.startsWith(u'-') && argument != u"-") {
            throw Failure(QStringLiteral("Unknown option ") % argument % u'.');
        } else if (reportGiven) {
            throw Failure(QStringLiteral("Only one report can be given."));
        } else {
            options.report = argument;
            reportGiven = true;
        }
    }
    if (!options.help && !reportGiven)
        throw Failure(QStringLiteral("No report given."));
    return options;
}

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

QString usage()
{
    return QStringLiteral(
        "Usage: quorvel-cli sections REPORT [--delimiter D] [--output FILE]\n"
        "\n"
        "Parses the Sysmon report REPORT as \"Parse Sections\" does in the window and writes the\n"
        "section table: every row (the header row and blank rows included), columns Section to\n"
        "Idle %, each cell followed by the delimiter, lines ended by CR LF, in UTF-8.\n"
        "\n"
        "Options:\n"
        "  --delimiter D   the text written after every cell, with blanks and control characters\n"
        "                  removed at both ends (\",\" by default; nothing when only blanks remain)\n"
        "  --output FILE   write to FILE, replacing it, instead of standard output\n"
        "  --help          show this text\n"
        "\n"
        "Exit status:\n"
        "  0  the report was parsed\n"
        "  1  the parse failed: the table as far as it got is written, the failure goes to\n"
        "     standard error\n"
        "  2  the report cannot be read, the output cannot be written, or the command line is wrong\n");
}

int run(const QStringList &arguments, std::FILE *out, std::FILE *errors)
{
    Options options;
    try {
        options = optionsFrom(arguments);
    } catch (const Failure &failure) {
        print(errors, QStringLiteral("quorvel-cli: ") % failure.message() % u'\n' % usage());
        return CannotRun;
    }
    if (options.help) {
        print(out, usage());
        return Success;
    }

    QStringList report;
    try {
        report = ReportLoader::load(options.report);
    } catch (const Failure &failure) {
        print(errors, QStringLiteral("quorvel-cli: ") % failure.message() % u'\n');
        return CannotRun;
    }

    GridTable sections(SectionTableLayout::columnCount);
    CategoryLists lists;
    ConsoleUi ui(errors);
    bool abortFlag = false;
    const std::optional<QString> parseFailure =
        CommandGuard::failureOf([&] { ReportParser(sections, lists, ui, abortFlag).run(report); });
    if (parseFailure)
        print(errors, QStringLiteral("quorvel-cli: ") % options.report % QStringLiteral(": ") % *parseFailure % u'\n');

    try {
        writeLines(tableLines(sections, options.delimiter), options.output, out);
    } catch (const Failure &failure) {
        print(errors, QStringLiteral("quorvel-cli: ") % failure.message() % u'\n');
        return CannotRun;
    }
    return parseFailure ? ParseFailed : Success;
}

} // namespace SectionsCommand
