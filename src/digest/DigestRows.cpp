#include "DigestRows.h"

#include "DigestColumnMap.h"
#include "grid/GridTable.h"

DigestRows DigestRows::of(const GridTable &digest)
{
    const DigestColumnMap columns(digest);
    DigestRows rows;
    for (int row = 1; row < digest.rows(); ++row) {
        rows.names << digest.cell(columns.counterName(), row).toString();
        rows.types << digest.cell(columns.type(), row).toString();
    }
    return rows;
}
