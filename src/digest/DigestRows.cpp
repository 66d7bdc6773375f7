#include "DigestRows.h"

#include "DigestTableLayout.h"
#include "grid/GridTable.h"

DigestRows DigestRows::of(const GridTable &digest)
{
    DigestRows rows;
    for (int row = 1; row < digest.rows(); ++row) {
        rows.names << digest.cell(DigestTableLayout::CounterName, row);
        rows.types << digest.cell(DigestTableLayout::Type, row);
    }
    return rows;
}
