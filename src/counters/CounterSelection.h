#pragma once

#include <QString>

class GridTable;
class Ui;

// The commands that change the counter set on the first tab: Add Counter (from the category boxes,
// or every section table row matching the search text), deleting the current counter and Clear
// Counters. Each throws Failure when it cannot go on; the rows written before stay.
namespace CounterSelection {

// The texts of the four category boxes as they stand, typed or picked: Add Counter takes the
// texts, not the selected items.
struct CategoryTexts
{
    QString section;
    QString subSection1;
    QString subSection2;
    QString counterType;
};

// The counter type to store: the typed type as it stands when it is a counter type; otherwise
// "PerSec" while the section table's current row has a per-second figure, and "CPU %" otherwise.
QString typeChoice(const QString &typedType, const GridTable &sections);

// Add Counter. With `addMatching` and a search text that is not blank, adds every section table
// row whose section, subsection path or entry name contains the search text (ASCII letter case
// ignored); otherwise adds one counter from the boxes. The counter set's last row becomes its
// current row; the status reads "Counter(s) Added" even when nothing matched.
void addCounter(GridTable &counters, const GridTable &sections, const CategoryTexts &boxes, bool addMatching,
                const QString &searchText, Ui &ui);

// The Delete key in the counter set: removes the current row only, even when several are selected;
// the last remaining row is blanked instead.
void deleteCurrentCounter(GridTable &counters);

// Clear Counters: the header and one blank row remain. The counter set file is not touched.
void clearCounters(GridTable &counters);

} // namespace CounterSelection
