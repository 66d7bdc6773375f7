#include "CommandLine.h"

#include "ChartCommand.h"
#include "CliCommand.h"
#include "CompareCommand.h"
#include "ConsoleUi.h"
#include "DemoCommand.h"
#include "DigestCommand.h"
#include "SectionsCommand.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace CommandLine {

namespace {

const QString program = QStringLiteral("quorvel-cli");

// Every command quorvel-cli knows, in the order its help lists them.
std::vector<std::unique_ptr<CliCommand>> allCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<SectionsCommand>());
    commands.push_back(std::make_unique<DigestCommand>());
    commands.push_back(std::make_unique<ChartCommand>());
    commands.push_back(std::make_unique<CompareCommand>());
    commands.push_back(std::make_unique<DemoCommand>());
    return commands;
}

QCommandLineOption helpOption()
{
    return QCommandLineOption({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this text."));
}

// The parser names the program by the path it was started with; the help names it the way a user
// types it.
QString helpOf(const QCommandLineParser &parser, const QString &invocation)
{
    QString text = parser.helpText();
    const QString started = QCoreApplication::arguments().value(0);
    const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
    if (at >= 0)
        text.replace(at, started.size(), invocation);
    return text;
}

QString commandList(const std::vector<std::unique_ptr<CliCommand>> &commands)
{
    qsizetype width = 0;
    for (const auto &command : commands)
        width = std::max(width, command->name().size());
    QString text = QStringLiteral("\nCommands:\n");
    for (const auto &command : commands)
        text += QStringLiteral("  ") % command->name().leftJustified(width + 2) % command->summary() % u'\n';
    text += QStringLiteral("\nRun \"") % program % QStringLiteral(" COMMAND --help\" for what a command takes.\n");
    return text;
}

int wrongLine(std::FILE *errors, const QString &problem, const QString &help)
{
    ConsoleUi::print(errors, program % QStringLiteral(": ") % problem % u'\n' % help);
    return CliCommand::CannotRun;
}

// Whatever ends a command early (a file that cannot be read or written, memory running out, any
// other failure) becomes its message on standard error and exit status 2, the same for every
// command.
int runGuarded(std::FILE *errors, const std::function<int()> &command)
{
    int status = CliCommand::CannotRun;
    std::optional<QString> failure;
    try {
        failure = CommandGuard::failureOf([&] { status = command(); });
    } catch (...) {
        failure = QStringLiteral("Unexpected failure.");
    }
    if (!failure)
        return status;
    ConsoleUi::print(errors, program % QStringLiteral(": ") % *failure % u'\n');
    return CliCommand::CannotRun;
}

// `arguments` start with the command's name, which the parser passes over as it would the program.
int runCommand(CliCommand &command, const QStringList &arguments, std::FILE *out, std::FILE *errors)
{
    QCommandLineParser parser;
    const QCommandLineOption help = helpOption();
    parser.addOption(help);
    command.describe(parser);
    const QString helpText = helpOf(parser, program % u' ' % command.name()) % command.helpEnding();
    if (!parser.parse(command.expanded(arguments)))
        return wrongLine(errors, parser.errorText(), helpText);
    if (parser.isSet(help)) {
        ConsoleUi::print(out, helpText);
        return CliCommand::Success;
    }
    try {
        command.take(parser);
    } catch (const Failure &failure) {
        return wrongLine(errors, failure.message(), helpText);
    }
    return command.run(out, errors);
}

} // namespace

int run(const QStringList &arguments, std::FILE *out, std::FILE *errors)
{
    const std::vector<std::unique_ptr<CliCommand>> commands = allCommands();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quorvel's headless commands, for scripts and for reports on a server without a display."));
    const QCommandLineOption help = helpOption();
    parser.addOption(help);
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("One of the commands below."),
                                 QStringLiteral("COMMAND"));
    // Everything after the command's name belongs to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QString helpText = helpOf(parser, program) % commandList(commands);

    if (!parser.parse(arguments))
        return wrongLine(errors, parser.errorText(), helpText);
    const QStringList rest = parser.positionalArguments();
    if (parser.isSet(help) || rest.value(0) == u"help") {
        ConsoleUi::print(out, helpText);
        return CliCommand::Success;
    }
    if (rest.isEmpty())
        return wrongLine(errors, QStringLiteral("No command given."), helpText);
    for (const auto &command : commands) {
        if (command->name() == rest.first())
            return runGuarded(errors, [&] { return runCommand(*command, rest, out, errors); });
    }
    return wrongLine(errors, QStringLiteral("Unknown command ") % rest.first() % u'.', helpText);
}

} // namespace CommandLine
