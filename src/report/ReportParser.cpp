#include "ReportParser.h"

#include "CategoryListFiller.h"
#include "CategoryLists.h"
#include "LineScan.h"
#include "ParseProgress.h"
#include "SectionRows.h"
#include "SpinlockSummary.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

ReportParser::ReportParser(GridTable &sections, CategoryLists &lists, Ui &ui, bool &abortFlag) :
    sections_(sections), lists_(lists), ui_(ui), abortFlag_(abortFlag)
{ }

void ReportParser::run(const QStringList &reportLines)
{
    abortFlag_ = false;
    // The views hear of the rows only when the parse hands control to the window, and at its end:
    // the batch tells them as it closes, before a failure reaches the caller.
    GridTable::BulkUpdate batch(sections_);
    ParseProgress progress(ui_, sections_, reportLines, pumpIntervalMs_);
    try {
        parse(reportLines, progress);
    } catch (...) {
        progress.showLatest();
        throw;
    }
}

void ReportParser::parse(const QStringList &reportLines, ParseProgress &progress)
{
    lists_.clear();
    SectionRows rows(sections_);
    rows.reset();
    SpinlockSummary spinlocks;

    if (reportLines.size() >= 2) {
        LineScan scan(rows, spinlocks, progress);
        const qsizetype lineCount = reportLines.size();
        for (qsizetype index = 0; index < lineCount; ++index) {
            if (abortFlag_)
                break;
            progress.beforeLine();
            scan.handle(index, reportLines[index]);
        }
        progress.showLatest();
    }

    ui_.setStatus(StatusPanel::Messages, QStringLiteral("Setting Sysmon Categories..."));
    CategoryListFiller::fromReportRows(sections_, lists_);
    spinlocks.appendRows(rows, lists_);
    ui_.setStatus(StatusPanel::Messages, QStringLiteral("Single File Parsed"));
}
