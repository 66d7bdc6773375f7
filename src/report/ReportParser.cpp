#include "ReportParser.h"

#include "CategoryListFiller.h"
#include "CategoryLists.h"
#include "LineScan.h"
#include "ParseProgress.h"
#include "SectionRows.h"
#include "SpinlockSummary.h"
#include "common/TextLines.h"
#include "common/Ui.h"
#include "common/WorkPacer.h"
#include "grid/GridTable.h"

ReportParser::ReportParser(GridTable &sections, CategoryLists &lists, Ui &ui, bool &abortFlag) :
    sections_(sections), lists_(lists), ui_(ui), abortFlag_(abortFlag), pumpIntervalMs_(WorkPacer::defaultIntervalMs)
{ }

void ReportParser::run(const TextLines &report)
{
    WorkPacer pacer(ui_, pumpIntervalMs_);
    run(report, pacer);
}

void ReportParser::run(const TextLines &report, WorkPacer &pacer)
{
    abortFlag_ = false;
    // The views hear of the rows only when the parse hands control to the window, and at its end:
    // the batch tells them as it closes, before a failure reaches the caller.
    GridTable::BulkUpdate batch(sections_);
    ParseProgress progress(pacer, ui_, sections_, report.count());
    try {
        parse(report, progress);
    } catch (...) {
        progress.showLatest();
        throw;
    }
}

void ReportParser::parse(const TextLines &report, ParseProgress &progress)
{
    lists_.clear();
    SectionRows rows(sections_);
    rows.reset();
    SpinlockSummary spinlocks;

    if (report.count() >= 2) {
        LineScan scan(rows, spinlocks, progress);
        qsizetype index = 0;
        for (QStringView line : report) {
            if (abortFlag_)
                break;
            progress.beforeLine();
            scan.handle(index++, line);
        }
        progress.showLatest();
    }

    ui_.setStatus(StatusPanel::Messages, QStringLiteral("Setting Sysmon Categories..."));
    CategoryListFiller::fromReportRows(sections_, lists_);
    spinlocks.appendRows(rows, lists_);
    ui_.setStatus(StatusPanel::Messages, QStringLiteral("Single File Parsed"));
}
