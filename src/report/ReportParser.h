#pragma once

#include <stop_token>

class GridTable;
class ParseObserver;
class TextLines;
struct CategoryLists;

// "&Parse Sections": turns the lines of one Sysmon report into the section table and the category
// lists, rebuilding both from nothing. It knows nothing of windows: it may run on any thread, on
// tables that thread owns.
class ReportParser
{
public:
    // How much of the category lists a parse fills. A digest takes figures from the section table
    // and has no use for the lists, which cost a tenth of a parse: it leaves them for later
    // (CategoryListFiller::completeSpinlockOnlyLists) and gets only the spinlock entries.
    enum class Lists { Whole, SpinlocksOnly };

    ReportParser(GridTable &sections, CategoryLists &lists, Lists fill = Lists::Whole);

    // Parses a snapshot of the report text. `stop` is read before every line: once a stop is
    // requested the line scan ends, and the rows found so far still get their category lists and
    // spinlock rows. The observer, when given, hears of the progress.
    //
    // A failure (a spinlock figure that is not an integer) ends the parse where it is and throws
    // Failure after publishing what was built: the rows and lists written so far stay, the views
    // have been told of them, and the observer has heard of the latest line that reached the
    // status step. The caller reports the failure (the window's error box, the command line's
    // standard error) and, where it parses many reports, may go on with the next one.
    void run(const TextLines &report, std::stop_token stop = {}, ParseObserver *observer = nullptr);

    // With Lists::SpinlocksOnly: the end of the rows the lists are to be taken from (rows 1 to
    // end - 1), once the line scan is over; 0 when a failure ended the parse before.
    int listedRowsEnd() const { return listedRowsEnd_; }

private:
    GridTable &sections_;
    CategoryLists &lists_;
    Lists fill_;
    int listedRowsEnd_ = 0;
};
