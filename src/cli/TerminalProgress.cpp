#include "TerminalProgress.h"

#include "ConsoleUi.h"

#include <unistd.h>

namespace {

// Back to the start of the line, and everything on it erased.
const QString eraseLine = QStringLiteral("\r\x1b[K");

} // namespace

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
    ConsoleUi::print(stream_, eraseLine % QStringLiteral("report %1 of %2").arg(done).arg(total));
    lineOpen_ = true;
}

void TerminalProgress::print(const QString &message)
{
    endLine();
    ConsoleUi::print(stream_, message);
}

// The progress line goes when a message or the end of the command comes: the terminal keeps only
// what matters afterwards.
void TerminalProgress::endLine()
{
    if (!lineOpen_)
        return;
    ConsoleUi::print(stream_, eraseLine);
    lineOpen_ = false;
}
