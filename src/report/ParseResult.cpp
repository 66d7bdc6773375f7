#include "ParseResult.h"

#include "CategoryListFiller.h"
#include "ReportParser.h"
#include "SectionTableLayout.h"
#include "common/CommandGuard.h"

ParseResult ParseResult::of(TextLines report, std::stop_token stop, ParseObserver *observer)
{
    ParseResult result;
    result.report = std::move(report);
    result.sections = std::make_unique<GridTable>(SectionTableLayout::columnCount);
    result.failure = CommandGuard::failureOf(
        [&] { ReportParser(*result.sections, result.lists).run(result.report, stop, observer); });
    // Let go of the table, so that the thread that takes the result may adopt it.
    result.sections->moveToThread(nullptr);
    return result;
}

void ParseResult::completeLists()
{
    if (listsComplete)
        return;
    CategoryListFiller::completeSpinlockOnlyLists(*sections, listedRowsEnd, lists);
    listsComplete = true;
}
