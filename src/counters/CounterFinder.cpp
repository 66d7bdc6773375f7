#include "CounterFinder.h"

#include "common/TextRules.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

#include <optional>

namespace CounterFinder {

namespace {

struct Scan
{
    std::optional<int> foundColumn;
    int stoppedAt = 0; // the matching row, or the last row looked at; 0 when none was
};

// An empty needle occurs nowhere, so a search text of blanks looks at every row and finds nothing.
Scan scanBelowCurrentRow(const GridTable &sections, const QString &lowerNeedle)
{
    Scan scan;
    for (int row = sections.currentRow() + 1; row < sections.rows(); ++row) {
        scan.stoppedAt = row;
        if (lowerNeedle.isEmpty())
            continue;
        for (int column = 0; column < sections.columns(); ++column) {
            if (TextRules::containsAnyCase(sections.cell(column, row), lowerNeedle)) {
                scan.foundColumn = column;
                return scan;
            }
        }
    }
    return scan;
}

void offerTheTop(GridTable &sections, Ui &ui)
{
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Expression not found."));
    if (ui.confirm(QStringLiteral("Expression not found.  Scroll to the top?")))
        sections.setCurrentCell(0, 1);
}

} // namespace

void findNext(GridTable &sections, const QString &searchText, Ui &ui)
{
    if (searchText.isEmpty()) {
        offerTheTop(sections, ui);
        return;
    }
    const QString typed = TextRules::trimmed(searchText);
    // Folding both sides to lower case finds what folding both to upper case finds: only ASCII
    // letters are folded.
    const Scan scan = scanBelowCurrentRow(sections, TextRules::asciiLower(typed));
    // The scan does not hand control back to the window, so a status per row would never be seen;
    // only the last row looked at is reported, as the per-row status would have left it.
    if (scan.stoppedAt > 0)
        ui.setStatus(StatusPanel::Messages,
                     QStringLiteral("Processing row [") % QString::number(scan.stoppedAt) % u']');
    if (!scan.foundColumn) {
        offerTheTop(sections, ui);
        return;
    }
    sections.setCurrentCell(*scan.foundColumn, scan.stoppedAt);
    ui.setStatus(StatusPanel::Messages,
                 QStringLiteral("Expression [at c=") % QString::number(*scan.foundColumn) % QStringLiteral("; r= ") %
                     QString::number(scan.stoppedAt) % QStringLiteral("] found: ") % typed);
}

} // namespace CounterFinder
