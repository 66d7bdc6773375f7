#pragma once

#include <QString>
#include <QStringList>

class GridTable;
class ParseProgress;
class Ui;
struct CategoryLists;

// How a parse ended. `message` is the failure's own message, without the error box prefix.
struct ParseOutcome
{
    bool failed = false;
    QString message;
};

// "&Parse Sections": turns the lines of one Sysmon report into the section table, the spinlock
// work table and the category lists, rebuilding all three from nothing.
class ReportParser
{
public:
    ReportParser(GridTable &sections, GridTable &spinlocks, CategoryLists &lists, Ui &ui, bool &abortFlag);

    // Parses a snapshot of the report text. Clears `abortFlag` first and reads it before every
    // line: when it is set the line scan ends and the rows found so far still get their category
    // lists and spinlock rows. A failure (a spinlock figure that is not an integer) ends the parse
    // where it is, shows the error box "APP. ERR (DivideIntoSubs):  " + message and returns
    // normally, with the rows written so far kept.
    ParseOutcome run(const QStringList &reportLines);

    // How long the parse works between two hand-backs to the window (25 ms unless set).
    void setPumpInterval(int milliseconds) { pumpIntervalMs_ = milliseconds; }

private:
    void parse(const QStringList &reportLines, ParseProgress &progress);

    GridTable &sections_;
    GridTable &spinlocks_;
    CategoryLists &lists_;
    Ui &ui_;
    bool &abortFlag_;
    int pumpIntervalMs_ = 25;
};
