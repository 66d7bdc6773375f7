#pragma once

#include <QStringView>

class ParseObserver;

// The line progress of one parse. The line handling notes each line that reaches the status step;
// the observer hears of the latest such line every few thousand lines and at the end of the scan,
// so that what it shows last is what a per-line update would leave: the latest line that reached
// the status step, however the scan ended.
class ParseProgress
{
public:
    ParseProgress(ParseObserver *observer, qsizetype lineCount) : observer_(observer), lineCount_(lineCount) { }

    // Called before every line; tells the observer now and then.
    void beforeLine()
    {
        if (observer_ && ++linesSinceTold_ >= linesPerNotice) {
            linesSinceTold_ = 0;
            tellLatest();
        }
    }

    // The line at `index` has reached the status step. `line` stays valid until the parse ends.
    void lineReached(qsizetype index, QStringView line)
    {
        latest_ = index;
        latestLine_ = line;
    }

    // Tells the observer of the latest line, if it has not heard of it yet.
    void tellLatest();

private:
    // A few milliseconds of parsing: often enough for a status bar, rarely enough to cost nothing.
    static constexpr int linesPerNotice = 4096;

    ParseObserver *observer_;
    const qsizetype lineCount_;
    qsizetype latest_ = -1;
    QStringView latestLine_;
    qsizetype told_ = -1;
    int linesSinceTold_ = 0;
};
