#pragma once

#include "common/Failure.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdio>

// One command of quorvel-cli ("quorvel-cli sections ..."). CommandLine picks it by its name, lets it
// describe its options and arguments to a parser, parses the rest of the line, answers --help and
// reports a wrong line; the command itself only takes the parsed line and runs.
class CliCommand
{
public:
    // The exit statuses every command shares.
    enum ExitStatus { Success = 0, Failed = 1, CannotRun = 2 };

    virtual ~CliCommand() = default;

    // The word that picks the command.
    virtual QString name() const = 0;
    // One line for the list of commands in `quorvel-cli --help`.
    virtual QString summary() const = 0;

    // The arguments as the parser is to read them; a command whose options take several values
    // in a row ("--baseline a.txt b.txt") spells them out here. As they are by default.
    virtual QStringList expanded(const QStringList &arguments) const { return arguments; }

    // Adds the command's description, options and positional arguments.
    virtual void describe(QCommandLineParser &parser) const = 0;
    // What `quorvel-cli NAME --help` shows after the options and arguments.
    virtual QString helpEnding() const = 0;

    // Takes the parsed line. Throws Failure when the line is wrong in a way the parser cannot see
    // (an argument missing or one too many, an empty value).
    virtual void take(const QCommandLineParser &parser) = 0;
    // Runs the command on the line taken; returns its exit status.
    virtual int run(std::FILE *out, std::FILE *errors) = 0;

protected:
    // The command's one positional argument; `what` names it in the failure when there is none or
    // more than one ("report": "No report given.").
    static QString onlyArgument(const QCommandLineParser &parser, const QString &what)
    {
        const QStringList arguments = parser.positionalArguments();
        if (arguments.isEmpty())
            throw Failure(QStringLiteral("No %1 given.").arg(what));
        if (arguments.size() > 1)
            throw Failure(QStringLiteral("Only one %1 can be given.").arg(what));
        return arguments.first();
    }
};
