#pragma once

#include "ParseResult.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

// "&Parse Sections" on a thread of its own, for the window: the report is parsed into a section
// table of its own while the window stays live, and the window is woken to take the result. The
// latest progress can be read at any time, to show in the status bar.
class BackgroundParse
{
public:
    // Called on the parsing thread once the result is there. It must only pass a note to the
    // caller's thread (post an event).
    using Wake = std::function<void()>;

    // What the parse has told so far.
    struct Progress
    {
        // The latest line that reached the status step, -1 before the first.
        qsizetype lineIndex = -1;
        qsizetype lineCount = 0;
        // Its first characters, as the status bar shows them.
        QString lineStart;
        // The messages after the line scan, in order.
        QStringList messages;
    };

    BackgroundParse(TextLines report, Wake wake);
    // Stops the parse; nothing is taken.
    ~BackgroundParse();
    BackgroundParse(const BackgroundParse &) = delete;
    BackgroundParse &operator=(const BackgroundParse &) = delete;

    Progress progress() const;
    // The result, once the parse has ended (after a stop too).
    std::optional<ParseResult> take();
    // Asks the parse to end its line scan; the rows found so far still get their lists.
    void stop();

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};
