#include "SectionTableLayout.h"

#include "grid/GridTable.h"

namespace SectionTableLayout {

QStringList headerTexts()
{
    return { QStringLiteral("Section"), QStringLiteral("SubSection1"), QStringLiteral("SubSection2"),
             QStringLiteral("PerSec"),  QStringLiteral("PedXact"),     QStringLiteral("Count"),
             QStringLiteral("% Total"), QStringLiteral("CPU %"),       QStringLiteral("IO %"),
             QStringLiteral("Idle %") };
}

void reset(GridTable &sections)
{
    sections.resetWithHeader(headerTexts());
}

} // namespace SectionTableLayout
