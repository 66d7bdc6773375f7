#include "ValueColumn.h"

#include "common/TextRules.h"
#include "grid/GridTable.h"

#include <array>
#include <utility>

namespace ValueColumn {

int forSpinlock(QStringView counterType)
{
    static const std::array<std::pair<QString, int>, 6> columns { {
        { QStringLiteral("Waits"), 3 },
        { QStringLiteral("Spins"), 4 },
        { QStringLiteral("Grabs"), 5 },
        { QStringLiteral("% Contn"), 6 },
        { QStringLiteral("Spin/Wait"), 7 },
        { QStringLiteral("Fields"), 8 },
    } };
    for (const auto &[type, column] : columns) {
        if (type == counterType)
            return column;
    }
    return none;
}

int forOrdinary(QStringView counterType, const QStringList &headers)
{
    for (int column = 0; column < headers.size(); ++column) {
        if (TextRules::equalsAnyCase(headers[column], counterType))
            return column;
    }
    return none;
}

bool isSpinlockRow(QStringView section)
{
    return section == u"Spinlocks";
}

QStringList headersOf(const GridTable &sections)
{
    QStringList headers;
    for (int column = 0; column < sections.columns(); ++column)
        headers << sections.cell(column, 0).toString();
    return headers;
}

} // namespace ValueColumn
