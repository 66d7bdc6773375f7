#include "report/CategoryListFiller.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"

#include <gtest/gtest.h>

TEST(CategoryListFiller, ListsEachTextOnceInTheLetterCaseOfItsFirstRow)
{
    GridTable sections(10);
    const QStringList rows[] = {
        { QStringLiteral("Server Name:"), QStringLiteral("ASE157"), QString() },
        { QStringLiteral("Kernel Utilization"), QStringLiteral("..."), QStringLiteral("Engine 0") },
        { QStringLiteral("kernel utilization"), QStringLiteral("ase157"), QStringLiteral("ENGINE 0") },
        { QString(), QString(), QString() },
        { QStringLiteral("Kernel Utilization"), QStringLiteral("Engine Ü..."), QStringLiteral("Engine 1") },
        { QStringLiteral("Kernel Utilization"), QStringLiteral("engine ü..."), QStringLiteral("Engine 1") },
    };
    sections.setRows(7);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 3; ++c)
            sections.setCell(c, r + 1, rows[r][c]);
    }
    CategoryLists lists;
    CategoryListFiller::fromReportRows(sections, lists);
    EXPECT_EQ(lists.sections, (QStringList { QStringLiteral("Server Name:"), QStringLiteral("Kernel Utilization") }));
    // Only ASCII letters are folded: "Ü" and "ü" stay different.
    EXPECT_EQ(lists.subSections1,
              (QStringList { QStringLiteral("ASE157"), QStringLiteral("..."), QStringLiteral("Engine Ü..."),
                             QStringLiteral("engine ü...") }));
    EXPECT_EQ(lists.subSections2, (QStringList { QStringLiteral("Engine 0"), QStringLiteral("Engine 1") }));
}
