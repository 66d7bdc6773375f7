#include "ReportParser.h"

#include "CategoryListFiller.h"
#include "CategoryLists.h"
#include "LineScan.h"
#include "ParseObserver.h"
#include "ParseProgress.h"
#include "SectionRows.h"
#include "SpinlockSummary.h"
#include "common/TextLines.h"
#include "grid/GridTable.h"

namespace {

void tell(ParseObserver *observer, const QString &message)
{
    if (observer)
        observer->message(message);
}

} // namespace

ReportParser::ReportParser(GridTable &sections, CategoryLists &lists, Lists fill) :
    sections_(sections), lists_(lists), fill_(fill)
{ }

void ReportParser::run(const TextLines &report, std::stop_token stop, ParseObserver *observer)
{
    // The views hear of the rows at the end of the parse: the batch tells them as it closes, before
    // a failure reaches the caller.
    GridTable::BulkUpdate batch(sections_);
    ParseProgress progress(observer, report.count());
    lists_.clear();
    listedRowsEnd_ = 0;
    SectionRows rows(sections_);
    rows.reset();
    SpinlockSummary spinlocks;

    if (report.count() >= 2) {
        LineScan scan(rows, spinlocks, progress);
        qsizetype index = 0;
        try {
            for (QStringView line : report) {
                if (stop.stop_requested())
                    break;
                progress.beforeLine();
                scan.handle(index++, line);
            }
        } catch (...) {
            progress.tellLatest();
            throw;
        }
        progress.tellLatest();
    }

    tell(observer, QStringLiteral("Setting Sysmon Categories..."));
    if (fill_ == Lists::Whole)
        CategoryListFiller::fromReportRows(sections_, lists_);
    listedRowsEnd_ = sections_.rows();
    spinlocks.appendRows(rows, lists_);
    tell(observer, QStringLiteral("Single File Parsed"));
}
