#include "DigestEditing.h"

#include "DigestAverages.h"
#include "DigestColumnMap.h"
#include "DigestTableLayout.h"
#include "grid/GridTable.h"

namespace DigestEditing {

bool isProtected(const GridTable &digest, int column)
{
    return DigestColumnMap(digest).isProtected(column);
}

bool canDeleteColumn(const GridTable &digest, int column)
{
    // The gutter is what rows are dragged by; removing it would shift the counter names into it.
    return column > DigestTableLayout::Gutter && column < digest.columns() && !isProtected(digest, column);
}

QString deleteColumnCaption(const GridTable &digest, int column)
{
    return QStringLiteral("&Delete Column [") % digest.cell(column, 0) % u']';
}

void deleteColumn(GridTable &digest, int column, Ui &ui)
{
    if (!canDeleteColumn(digest, column))
        return;
    digest.deleteColumn(column);
    DigestAverages::calculate(digest, ui);
}

void deleteCurrentRow(GridTable &digest)
{
    digest.deleteRow(digest.currentRow());
}

QString currentCounterName(const GridTable &digest)
{
    return digest.cell(DigestColumnMap(digest).counterName(), digest.currentRow()).toString();
}

} // namespace DigestEditing
