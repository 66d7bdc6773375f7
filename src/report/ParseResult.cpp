#include "ParseResult.h"

#include "CategoryListFiller.h"
#include "ReportParser.h"
#include "SectionTableLayout.h"
#include "common/CommandGuard.h"

ParseResult ParseResult::of(TextLines report, std::stop_token stop, ParseObserver *observer)
{
    return parse(std::move(report), nullptr, true, stop, observer);
}

ParseResult ParseResult::forFigures(TextLines report, std::unique_ptr<GridTable> table, std::stop_token stop)
{
    return parse(std::move(report), std::move(table), false, stop, nullptr);
}

ParseResult ParseResult::parse(TextLines report, std::unique_ptr<GridTable> table, bool wholeLists,
                               std::stop_token stop, ParseObserver *observer)
{
    ParseResult result;
    result.report = std::move(report);
    result.sections = table ? std::move(table) : std::make_unique<GridTable>(SectionTableLayout::columnCount);
    ReportParser parser(*result.sections, result.lists,
                        wholeLists ? ReportParser::Lists::Whole : ReportParser::Lists::SpinlocksOnly);
    result.failure = CommandGuard::failureOf([&] { parser.run(result.report, stop, observer); });
    result.listsComplete = wholeLists;
    result.listedRowsEnd = parser.listedRowsEnd();
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
