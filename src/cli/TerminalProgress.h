#pragma once

#include <QString>

#include <cstdio>

// A one-line progress for a person watching a long command: "report f of N", rewritten in place on
// standard error while it is a terminal. Nothing at all goes to a file or a pipe, so scripts that
// keep standard error see only messages.
class TerminalProgress
{
public:
    explicit TerminalProgress(std::FILE *stream);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    void show(int done, int total);
    // A message for the stream, in place of the progress line, which comes back below it.
    void print(const QString &message);

private:
    void endLine();

    std::FILE *stream_;
    bool terminal_;
    bool lineOpen_ = false;
};
