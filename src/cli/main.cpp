#include "SectionsCommand.h"

#include <QCoreApplication>

#include <cstdio>

// quorvel-cli: Quorvel's headless commands, for scripts and for checking reports on a server
// without a display.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == u"sections")
        return SectionsCommand::run(arguments);
    if (command == u"--help" || command == u"-h" || command == u"help") {
        std::fputs(SectionsCommand::usage().toLocal8Bit().constData(), stdout);
        return SectionsCommand::Success;
    }
    const QString problem =
        command.isEmpty() ? QStringLiteral("No command given.") : QStringLiteral("Unknown command ") % command % u'.';
    std::fputs((QStringLiteral("quorvel-cli: ") % problem % u'\n' % SectionsCommand::usage()).toLocal8Bit().constData(),
               stderr);
    return SectionsCommand::CannotRun;
}
