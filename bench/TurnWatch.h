#pragma once

#include "GapClock.h"

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <functional>

// Counts the window's turns of its event loop while a command runs, and the longest time between
// two of them: a timer that fires every few milliseconds. A timer firing at every turn would keep
// the window's thread busy and take a core from the workers it is watching; this one overstates a
// gap by its interval at most.
class TurnWatch
{
public:
    static constexpr int intervalMs = 5;

    TurnWatch()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            gaps_.tick();
            ++turns_;
        });
    }

    // Runs `command`, which hands control to the event loop now and then, and watches it.
    void watch(const std::function<void()> &command)
    {
        gaps_.start();
        timer_.start();
        command();
        gaps_.tick();
        timer_.stop();
        longestGapMs_ = std::max(longestGapMs_, gaps_.longestMs());
    }

    double longestGapMs() const { return longestGapMs_; }
    int turns() const { return turns_; }

private:
    QTimer timer_;
    GapClock gaps_;
    int turns_ = 0;
    double longestGapMs_ = 0;
};
