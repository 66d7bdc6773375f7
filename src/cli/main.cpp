#include "CommandLine.h"

#include <QCoreApplication>

// quorvel-cli: Quorvel's headless commands, for scripts and for checking reports on a server
// without a display.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return CommandLine::run(QCoreApplication::arguments());
}
