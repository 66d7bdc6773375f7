#include "digest/DigestTableLayout.h"
#include "digest/FileListLayout.h"
#include "grid/GridTable.h"

#include <gtest/gtest.h>

namespace {

QStringList row(const GridTable &t, int r)
{
    QStringList texts;
    for (int c = 0; c < t.columns(); ++c)
        texts << t.cell(c, r).toString();
    return texts;
}

} // namespace

TEST(DigestLayouts, DigestResetDropsReportColumnsAndTheirText)
{
    GridTable digest(2);
    DigestTableLayout::reset(digest);
    EXPECT_EQ(
        row(digest, 0),
        (QStringList { QString(), QStringLiteral("Sysmon Counter"), QStringLiteral("Type"), QStringLiteral("Avg") }));
    EXPECT_EQ(digest.rows(), 2);

    // A digest of two reports: two report columns headed by sample times, three counter rows.
    digest.setColumns(6);
    digest.setRows(4);
    digest.setCell(4, 0, QStringLiteral("10:00:00"));
    digest.setCell(5, 3, QStringLiteral("42"));
    digest.setCell(1, 2, QStringLiteral("[Kernel]_[...]_[Engine 0]"));

    DigestTableLayout::reset(digest);
    EXPECT_EQ(digest.columns(), DigestTableLayout::fixedColumnCount);
    EXPECT_EQ(digest.rows(), 2);
    EXPECT_EQ(row(digest, 1), QStringList(4));

    // Cells that become visible again must not bring back the old report's figures.
    digest.setColumns(6);
    digest.setRows(4);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(digest.cell(4, r), QString());
        EXPECT_EQ(digest.cell(5, r), QString());
    }
    EXPECT_EQ(digest.cell(1, 2), QString());
}

TEST(DigestLayouts, FileListResetEmptiesTheList)
{
    GridTable files(5);
    files.setRows(3);
    files.setCell(1, 2, QStringLiteral("/reports/monday.txt"));
    FileListLayout::reset(files);
    EXPECT_EQ(files.columns(), FileListLayout::columnCount);
    EXPECT_EQ(files.rows(), 2);
    EXPECT_EQ(row(files, 0), (QStringList { QString(), QStringLiteral("Path to Sysmon File") }));
    EXPECT_EQ(row(files, 1), QStringList(2));
    files.setRows(3);
    EXPECT_EQ(files.cell(1, 2), QString());
}
