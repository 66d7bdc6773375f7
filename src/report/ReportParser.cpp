#include "ReportParser.h"

#include "CategoryListFiller.h"
#include "CategoryLists.h"
#include "LineScan.h"
#include "ParseProgress.h"
#include "SectionRows.h"
#include "SpinlockSummary.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

#include <new>

ReportParser::ReportParser(GridTable &sections, GridTable &spinlocks, CategoryLists &lists, Ui &ui, bool &abortFlag) :
    sections_(sections), spinlocks_(spinlocks), lists_(lists), ui_(ui), abortFlag_(abortFlag)
{ }

ParseOutcome ReportParser::run(const QStringList &reportLines)
{
    abortFlag_ = false;
    // The views hear of the rows only when the parse hands control to the window, and at its end.
    GridTable::BulkUpdate sectionBatch(sections_);
    GridTable::BulkUpdate spinlockBatch(spinlocks_);
    ParseProgress progress(ui_, sections_, spinlocks_, reportLines, pumpIntervalMs_);
    ParseOutcome outcome;
    try {
        parse(reportLines, progress);
        return outcome;
    } catch (const Failure &failure) {
        outcome.message = failure.message();
    } catch (const std::bad_alloc &) {
        outcome.message = QStringLiteral("Out of memory.");
    } catch (const std::exception &e) {
        outcome.message = QString::fromLocal8Bit(e.what());
    }
    outcome.failed = true;
    progress.showLatest();
    sections_.publish();
    spinlocks_.publish();
    ui_.error(CommandGuard::errorText(QStringLiteral("DivideIntoSubs"), outcome.message));
    return outcome;
}

void ReportParser::parse(const QStringList &reportLines, ParseProgress &progress)
{
    lists_.clear();
    SectionRows rows(sections_);
    rows.reset();
    SpinlockSummary spinlocks(spinlocks_);
    spinlocks.reset();

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
