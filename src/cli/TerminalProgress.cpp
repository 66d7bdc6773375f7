#include "TerminalProgress.h"

#include "ConsoleUi.h"

#include <unistd.h>

TerminalProgress::TerminalProgress(std::FILE *stream) : stream_(stream), terminal_(::isatty(::fileno(stream)) == 1)
{ }

TerminalProgress::~TerminalProgress()
{
    endLine();
}

void TerminalProgress::show(int done, int total)
{
    if (!terminal_)
        return;
    ConsoleUi::print(stream_, QStringLiteral("\rreport %1 of %2").arg(done).arg(total));
    lineOpen_ = true;
}

void TerminalProgress::print(const QString &message)
{
    endLine();
    ConsoleUi::print(stream_, message);
}

void TerminalProgress::endLine()
{
    if (!lineOpen_)
        return;
    ConsoleUi::print(stream_, QStringLiteral("\n"));
    lineOpen_ = false;
}
