#include "CounterSelection.h"

#include "CounterSet.h"
#include "CounterTypes.h"
#include "common/TextRules.h"
#include "common/Ui.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

namespace CounterSelection {

namespace {

void makeLastRowCurrent(GridTable &counters)
{
    counters.setCurrentCell(counters.currentColumn(), counters.rows() - 1);
}

void addFromBoxes(GridTable &counters, const CategoryTexts &boxes, const QString &type)
{
    CounterSet::append(counters, { boxes.section, boxes.subSection1, boxes.subSection2, type });
    makeLastRowCurrent(counters);
}

bool rowMatches(const GridTable &sections, int row, const QString &lowerSearch)
{
    using namespace SectionTableLayout;
    return TextRules::containsAnyCase(sections.cell(Section, row), lowerSearch) ||
        TextRules::containsAnyCase(sections.cell(SubSection1, row), lowerSearch) ||
        TextRules::containsAnyCase(sections.cell(SubSection2, row), lowerSearch);
}

// The figures play no part: a header-field row whose label matches is added like a counter row.
// Returns whether any row was added.
bool appendMatchingRows(GridTable &counters, const GridTable &sections, const QString &lowerSearch, const QString &type)
{
    using namespace SectionTableLayout;
    GridTable::BulkUpdate batch(counters);
    bool added = false;
    const int rows = sections.rows();
    for (int row = 1; row < rows; ++row) {
        if (!rowMatches(sections, row, lowerSearch))
            continue;
        CounterSet::append(counters,
                           { sections.cell(Section, row).toString(), sections.cell(SubSection1, row).toString(),
                             sections.cell(SubSection2, row).toString(), type });
        added = true;
    }
    return added;
}

void addMatchingRows(GridTable &counters, const GridTable &sections, const QString &lowerSearch, const QString &type)
{
    // The current row moves once, after the views have heard of the new rows, rather than once per
    // added row.
    if (appendMatchingRows(counters, sections, lowerSearch, type))
        makeLastRowCurrent(counters);
}

} // namespace

QString typeChoice(const QString &typedType, const GridTable &sections)
{
    if (CounterTypes::indexOf(typedType) >= 0)
        return typedType;
    const bool counterRow = !sections.cell(SectionTableLayout::PerSec, sections.currentRow()).isEmpty();
    return CounterTypes::all().at(counterRow ? CounterTypes::perSecIndex : CounterTypes::cpuPercentIndex);
}

void addCounter(GridTable &counters, const GridTable &sections, const CategoryTexts &boxes, bool addMatching,
                const QString &searchText, Ui &ui)
{
    // Every row added by one command gets the same type: the one the current row suggests.
    const QString type = typeChoice(boxes.counterType, sections);
    const QString search = TextRules::trimmed(searchText);
    if (addMatching && !search.isEmpty())
        addMatchingRows(counters, sections, TextRules::asciiLower(search), type);
    else
        addFromBoxes(counters, boxes, type);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Counter(s) Added"));
}

void deleteCurrentCounter(GridTable &counters)
{
    counters.deleteRow(counters.currentRow());
}

void clearCounters(GridTable &counters)
{
    counters.clearBody();
}

} // namespace CounterSelection
