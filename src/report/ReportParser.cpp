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

ReportParser::ReportParser(GridTable &sections, CategoryLists &lists) : sections_(sections), lists_(&lists)
{ }

ReportParser::ReportParser(GridTable &sections) : sections_(sections), lists_(nullptr)
{ }

void ReportParser::run(const TextLines &report, std::stop_token stop, ParseObserver *observer)
{
    // The views hear of the rows at the end of the parse: the batch tells them as it closes, before
    // a failure reaches the caller.
    GridTable::BulkUpdate batch(sections_);
    ParseProgress progress(observer, report.count());
    CategoryLists unwanted;
    CategoryLists &lists = lists_ ? *lists_ : unwanted;
    lists.clear();
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
    if (lists_)
        CategoryListFiller::fromReportRows(sections_, lists);
    spinlocks.appendRows(rows, lists);
    tell(observer, QStringLiteral("Single File Parsed"));
}
