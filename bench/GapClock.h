#pragma once

#include <QElapsedTimer>

#include <algorithm>

// The longest stretch between two moments (event-loop turns, repaints, hand-backs), from a start.
class GapClock
{
public:
    void start()
    {
        clock_.start();
        last_ = 0;
    }
    void tick()
    {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    double longestMs() const { return double(longest_) / 1e6; }

private:
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};
