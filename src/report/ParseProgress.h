#pragma once

#include "common/WorkPacer.h"

#include <QStringView>

class GridTable;
class Ui;

// The status texts of a parse on top of the command's pacer. The line handling notes each line
// that reaches the status step; the texts are written only when the pacer hands control back to
// the window, and at the end, so that the texts left are those a per-line update would leave:
// "Metrics i of n" and "Parsing:  " + the line's first 20 characters + "...". Right before each
// hand-back the section table also tells its views of the rows so far.
class ParseProgress
{
public:
    ParseProgress(WorkPacer &pacer, Ui &ui, GridTable &sections, qsizetype lineCount);

    // Called before every line; hands control to the window when the time budget is spent.
    void beforeLine() { pacer_.tick(); }

    // The line at `index` has reached the status step. `line` stays valid until the parse ends.
    void lineReached(qsizetype index, QStringView line)
    {
        latest_ = index;
        latestLine_ = line;
    }

    // Writes the status texts of the latest line, if they are not showing yet.
    void showLatest();

private:
    WorkPacer &pacer_;
    Ui &ui_;
    GridTable &sections_;
    const qsizetype lineCount_;
    qsizetype latest_ = -1;
    QStringView latestLine_;
    qsizetype shown_ = -1;
    WorkPacer::Hook beforeHandBack_;
};
