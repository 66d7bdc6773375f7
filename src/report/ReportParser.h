#pragma once

class GridTable;
class ParseProgress;
class TextLines;
class Ui;
class WorkPacer;
struct CategoryLists;

// "&Parse Sections": turns the lines of one Sysmon report into the section table and the category
// lists, rebuilding both from nothing.
class ReportParser
{
public:
    ReportParser(GridTable &sections, CategoryLists &lists, Ui &ui, bool &abortFlag);

    // Parses a snapshot of the report text. Clears `abortFlag` first and reads it before every
    // line: when it is set the line scan ends and the rows found so far still get their category
    // lists and spinlock rows.
    //
    // A failure (a spinlock figure that is not an integer) ends the parse where it is and throws
    // Failure after publishing what was built: the rows and lists written so far stay, the views
    // have been told of them, and the status bar shows the texts of the latest line that reached
    // them. The caller reports the failure (the window's error box, the command line's standard
    // error) and, where it parses many reports, may go on with the next one.
    //
    // Hands control back to the window through a pacer of its own, or through the caller's, so
    // that a command parsing many reports keeps one time budget across them.
    void run(const TextLines &report);
    void run(const TextLines &report, WorkPacer &pacer);

    // How long a parse with a pacer of its own works between two hand-backs (25 ms unless set).
    void setPumpInterval(int milliseconds) { pumpIntervalMs_ = milliseconds; }

private:
    void parse(const TextLines &report, ParseProgress &progress);

    GridTable &sections_;
    CategoryLists &lists_;
    Ui &ui_;
    bool &abortFlag_;
    int pumpIntervalMs_;
};
