#include "CommandLine.h"

#include <QCoreApplication>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// quorvel-cli: Quorvel's headless commands, for scripts and for checking reports on a server
// without a display.
int main(int argc, char *argv[])
{
#if defined(__GLIBC__)
    // A command builds a table of hundreds of thousands of short texts and frees it at its end.
    // With glibc's fast bins every large free then merges them all again (malloc_consolidate),
    // which took a fifth of a report's whole run; without them a freed block is merged at once.
    mallopt(M_MXFAST, 0);
#endif
    QCoreApplication app(argc, argv);
    return CommandLine::run(QCoreApplication::arguments());
}
