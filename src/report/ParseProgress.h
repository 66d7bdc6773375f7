#pragma once

#include <QElapsedTimer>
#include <QStringList>

class GridTable;
class Ui;

// Keeps the window alive during a parse without paying for it on every line: control goes back to
// the window (repaint, Esc) about every 25 ms, and the status bar then shows the progress texts of
// the latest line that reached them, so the texts left at the end are those a per-line update
// would leave. Right before each hand-back the section table tells its views of the rows so far.
class ParseProgress
{
public:
    ParseProgress(Ui &ui, GridTable &sections, const QStringList &lines, int pumpIntervalMs);

    // Called before every line; hands control to the window when the time budget is spent.
    void beforeLine()
    {
        if (++linesSinceClock_ < linesPerClockReading)
            return;
        linesSinceClock_ = 0;
        if (clock_.elapsed() >= pumpIntervalMs_)
            pump();
    }

    // The line at `index` has reached the status step: "Metrics i of n", "Parsing:  ...".
    void lineReached(qsizetype index) { latest_ = index; }

    // Writes the status texts of the latest line, if they are not showing yet.
    void showLatest();

private:
    static constexpr int linesPerClockReading = 32;

    void pump();

    Ui &ui_;
    GridTable &sections_;
    const QStringList &lines_;
    const int pumpIntervalMs_;
    QElapsedTimer clock_;
    int linesSinceClock_ = 0;
    qsizetype latest_ = -1;
    qsizetype shown_ = -1;
};
