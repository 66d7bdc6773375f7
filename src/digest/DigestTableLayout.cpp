#include "DigestTableLayout.h"

#include "grid/GridTable.h"

namespace DigestTableLayout {

QStringList headerTexts()
{
    return { QString(), QStringLiteral("Sysmon Counter"), QStringLiteral("Type"), QStringLiteral("Avg") };
}

void reset(GridTable &digest)
{
    digest.resetWithHeader(headerTexts());
}

} // namespace DigestTableLayout
