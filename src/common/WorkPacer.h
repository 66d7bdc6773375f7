#pragma once

#include <QElapsedTimer>

#include <functional>
#include <vector>

class Ui;

// The one time budget of long work on the window's thread. A parse, a digest run and every other
// long command keep the window alive by handing control back to it (repaint, Esc) about every
// 25 ms, never much more than 100 ms apart, without paying for it at every step.
//
// Use: create one pacer per command and pass it to everything the command runs, so that a digest
// run keeps one budget across the loading and parsing of all its reports:
//
//     WorkPacer pacer(ui);
//     WorkPacer::Hook showProgress(pacer, [&] { digest.publish(); ui.setStatus(...); });
//     for (const QString &path : reports) {
//         const TextLines report = ReportLoader::load(path, FileKinds::RegularOnly, &pacer);
//         parser.run(report, pacer);        // ticks per line, adds its own hook while it runs
//         pacer.tickNow();                  // between reports
//     }
//
// tick() costs a counter increment; call it at every small step (a line). tickNow() reads the clock
// at once; call it between steps that each take long (a chunk of a file, a whole report). A Hook
// runs right before each hand-back for as long as it lives: publish the tables, write the status
// texts. Hooks run in the order they were made.
class WorkPacer
{
public:
    static constexpr int defaultIntervalMs = 25;

    explicit WorkPacer(Ui &ui, int intervalMs = defaultIntervalMs);

    void tick()
    {
        if (++ticksSinceClock_ < ticksPerClockReading)
            return;
        tickNow();
    }

    // Hands control back when the budget is spent.
    void tickNow()
    {
        ticksSinceClock_ = 0;
        if (clock_.elapsed() >= intervalMs_)
            handBack();
    }

    // Runs the hooks, lets the window process its events and starts a new budget.
    void handBack();

    class Hook
    {
    public:
        Hook(WorkPacer &pacer, std::function<void()> beforeHandBack);
        ~Hook();
        Hook(const Hook &) = delete;
        Hook &operator=(const Hook &) = delete;

    private:
        WorkPacer &pacer_;
        std::function<void()> beforeHandBack_;
    };

private:
    // Reading the clock costs about as much as a short step; a step is far shorter than the budget.
    static constexpr int ticksPerClockReading = 32;

    Ui &ui_;
    const int intervalMs_;
    QElapsedTimer clock_;
    int ticksSinceClock_ = 0;
    std::vector<const std::function<void()> *> hooks_;
};
