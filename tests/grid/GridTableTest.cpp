#include "grid/GridTable.h"
#include "common/Failure.h"
#include "grid/DelimitedLines.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QStringList column(const GridTable &t, int c)
{
    QStringList texts;
    for (int r = 0; r < t.rows(); ++r)
        texts << t.cell(c, r).toString();
    return texts;
}

void fill(GridTable &t, int c, const QStringList &texts)
{
    t.setRows(int(texts.size()));
    for (int r = 0; r < texts.size(); ++r)
        t.setCell(c, r, texts[r]);
}

} // namespace

TEST(GridTable, StartsEmptiedAndShrinkingLeavesNoOldText)
{
    GridTable t(3);
    QAbstractItemModelTester tester(&t, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(t.rows(), 2);
    EXPECT_EQ(t.columns(), 3);

    fill(t, 1, { QStringLiteral("H"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    t.setRows(2);
    t.setRows(4);
    EXPECT_EQ(column(t, 1), (QStringList { QStringLiteral("H"), QStringLiteral("a"), QString(), QString() }));

    t.setCell(2, 3, QStringLiteral("x"));
    t.setColumns(2);
    t.setColumns(3);
    EXPECT_EQ(t.cell(2, 3), QString());

    t.clearBody();
    EXPECT_EQ(t.rows(), 2);
    EXPECT_EQ(t.cell(1, 1), QString());
    EXPECT_EQ(t.cell(1, 0), QStringLiteral("H"));
    EXPECT_EQ(t.cell(7, 7), QString()); // reading outside the table yields no text
    EXPECT_THROW(t.setCell(3, 0, QStringLiteral("x")), Failure);
    EXPECT_THROW(t.setCell(0, 2, QStringLiteral("x")), Failure);
}

TEST(GridTable, DeletingMovesTheRestAndBlanksTheLastDataRow)
{
    GridTable t(2);
    QAbstractItemModelTester tester(&t, QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill(t, 1, { QStringLiteral("H"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    t.deleteRow(1);
    EXPECT_EQ(column(t, 1), (QStringList { QStringLiteral("H"), QStringLiteral("b"), QStringLiteral("c") }));
    t.deleteRow(2);
    EXPECT_EQ(column(t, 1), (QStringList { QStringLiteral("H"), QStringLiteral("b") }));
    t.deleteRow(1);
    EXPECT_EQ(column(t, 1), (QStringList { QStringLiteral("H"), QString() }));
    t.deleteRow(0); // the header row is never deleted
    EXPECT_EQ(t.cell(1, 0), QStringLiteral("H"));

    GridTable wide(4);
    for (int c = 0; c < 4; ++c)
        wide.setCell(c, 1, QString::number(c));
    wide.deleteColumn(1);
    EXPECT_EQ(wide.columns(), 3);
    EXPECT_EQ(wide.cell(1, 1), QStringLiteral("2"));
    EXPECT_EQ(wide.cell(2, 1), QStringLiteral("3"));
}

TEST(GridTable, AppendRuleReusesALastRowWithAnEmptyKey)
{
    GridTable t(4);
    EXPECT_EQ(t.appendRow(0), 1); // empty set: the blank row 1 takes the first counter
    t.setCell(1, 1, QStringLiteral("only column 1"));
    EXPECT_EQ(t.appendRow(0), 1); // key cell still empty: reused, whatever else it holds
    t.setCell(0, 1, QStringLiteral("S"));
    EXPECT_EQ(t.appendRow(0), 2);
    EXPECT_EQ(t.rows(), 3);
}

TEST(GridTable, DraggingMovesTheData)
{
    GridTable t(3);
    QAbstractItemModelTester tester(&t, QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill(t, 1, { QStringLiteral("H"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    t.moveRow(1, 3);
    EXPECT_EQ(column(t, 1),
              (QStringList { QStringLiteral("H"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a") }));
    t.moveRow(3, 1);
    EXPECT_EQ(column(t, 1),
              (QStringList { QStringLiteral("H"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") }));
    t.moveColumn(1, 2);
    EXPECT_EQ(t.cell(2, 1), QStringLiteral("a"));
    EXPECT_EQ(t.cell(1, 1), QString());
}

TEST(GridTable, AColumnNoteTravelsWithItsColumnAndGoesWithIt)
{
    GridTable t(4);
    QAbstractItemModelTester tester(&t, QAbstractItemModelTester::FailureReportingMode::Fatal);
    t.setColumnNote(1, Qt::ToolTipRole, QStringLiteral("one"));
    t.setColumnNote(3, Qt::UserRole, 3);
    t.moveColumn(1, 3);
    EXPECT_EQ(t.headerData(3, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("one"));
    EXPECT_EQ(t.columnNote(2, Qt::UserRole).toInt(), 3);
    t.deleteColumn(2);
    EXPECT_EQ(t.columnNote(2, Qt::ToolTipRole).toString(), QStringLiteral("one"));
    t.setColumns(2);
    t.setColumns(4);
    EXPECT_FALSE(t.columnNote(2, Qt::ToolTipRole).isValid());
    t.setColumnNote(0, Qt::ToolTipRole, QStringLiteral("zero"));
    t.resetWithHeader({ QStringLiteral("A") });
    EXPECT_FALSE(t.columnNote(0, Qt::ToolTipRole).isValid());
}

TEST(GridTable, CurrentCellStaysInsideTheBody)
{
    GridTable t(4);
    t.setFixedColumns(1);
    EXPECT_EQ(t.currentColumn(), 1);
    t.setRows(10);
    t.setCurrentCell(3, 9);
    t.setRows(5);
    EXPECT_EQ(t.currentRow(), 4);
    t.setCurrentCell(0, 0);
    EXPECT_EQ(t.currentRow(), 1);
    EXPECT_EQ(t.currentColumn(), 1);
}

TEST(GridTable, ABulkUpdateIsSilentUntilItsOuterEndThenAnnouncesEveryChange)
{
    GridTable t(10);
    QAbstractItemModelTester tester(&t, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy changed(&t, &QAbstractItemModel::dataChanged);
    QSignalSpy headers(&t, &QAbstractItemModel::headerDataChanged);
    QSignalSpy inserted(&t, &QAbstractItemModel::rowsInserted);
    const auto heard = [&] {
        return changed.count() + headers.count() + inserted.count();
    };
    // The view hears of all rows and all columns at once.
    const auto announcedWholeTable = [&](int viewRows) {
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed[0][0].toModelIndex(), t.index(0, 0));
        EXPECT_EQ(changed[0][1].toModelIndex(), t.index(viewRows - 1, 9));
        ASSERT_EQ(headers.count(), 1);
        EXPECT_EQ(headers[0], (QVariantList { QVariant::fromValue(Qt::Horizontal), 0, 9 }));
    };
    {
        GridTable::BulkUpdate outer(t);
        {
            GridTable::BulkUpdate inner(t);
            t.setCell(3, 0, QStringLiteral("Count"));
            for (int r = 1; r <= 1000; ++r) {
                t.setRows(r + 1);
                for (int c = 0; c < 10; ++c)
                    t.setCell(c, r, QString::number(r));
            }
        }
        EXPECT_EQ(heard(), 0); // the inner end is no end
        EXPECT_EQ(t.rowCount(), 1);
    }
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0], (QVariantList { QVariant::fromValue(QModelIndex()), 1, 999 }));
    announcedWholeTable(1000);
    EXPECT_EQ(t.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Count"));

    // Rows dropped and grown again within one update come back empty, and the view must hear so.
    changed.clear();
    headers.clear();
    {
        GridTable::BulkUpdate batch(t);
        t.setRows(2);
        t.setRows(500);
        t.publish(); // the view sees the new size at once, the batch goes on
        EXPECT_EQ(t.rowCount(), 499);
    }
    announcedWholeTable(499);
    EXPECT_EQ(t.data(t.index(0, 0)).toString(), QStringLiteral("1"));
    EXPECT_EQ(t.data(t.index(1, 0)).toString(), QString());
}

// A table holds each distinct text once for all its cells: whatever cells share, take from one
// another or let go of, every cell reads exactly what was last written into it.
TEST(GridTable, CellsSharingATextKeepItUntilTheLastLetsGo)
{
    GridTable t(3);
    QAbstractItemModelTester tester(&t, QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill(t, 0, { QStringLiteral("H"), QStringLiteral("0.0"), QStringLiteral("0.0"), QStringLiteral("x0.5y") });
    t.setCell(1, 1, t.cell(0, 1));
    t.setCell(0, 1, QStringLiteral("n/a"));
    const QStringView shared = t.cell(0, 2);
    t.setCell(0, 3, t.cell(0, 3).sliced(1, 3)); // a new text taken from the cell's own
    const QString longText(100000, u'L'); // longer than the room texts are kept in
    t.setCell(2, 1, longText);
    for (int i = 0; i < 5000; ++i) // new texts fill new room; the texts in use stay where they are
        t.setCell(2, 2, QString::number(i));
    EXPECT_EQ(shared, QStringLiteral("0.0"));
    EXPECT_EQ(
        column(t, 0),
        (QStringList { QStringLiteral("H"), QStringLiteral("n/a"), QStringLiteral("0.0"), QStringLiteral("0.5") }));
    EXPECT_EQ(t.cell(1, 1), QStringLiteral("0.0"));
    EXPECT_TRUE(t.cell(2, 1) == longText);
    EXPECT_EQ(t.cell(2, 2), QStringLiteral("4999"));

    t.moveRow(1, 3);
    t.moveColumn(0, 2);
    EXPECT_EQ(
        column(t, 2),
        (QStringList { QStringLiteral("H"), QStringLiteral("0.0"), QStringLiteral("0.5"), QStringLiteral("n/a") }));
    EXPECT_EQ(t.cell(0, 3), QStringLiteral("0.0"));
    EXPECT_TRUE(t.cell(1, 3) == longText);
    t.deleteColumn(0);
    t.setCell(0, 3, QString());
    EXPECT_EQ(t.cell(0, 3), QString());
    EXPECT_EQ(t.cell(1, 1), QStringLiteral("0.0"));
    t.resetWithHeader({ QStringLiteral("A"), QStringLiteral("B") });
    t.setRows(4);
    EXPECT_EQ(column(t, 1), (QStringList { QStringLiteral("B"), QString(), QString(), QString() }));
}

// Beyond 65,536 distinct texts, and after many texts came and went, every cell still reads its own.
TEST(GridTable, ManyDistinctTextsComingAndGoingLoseNone)
{
    constexpr int rows = 70000;
    GridTable t(2);
    QAbstractItemModelTester tester(&t, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto text = [](int round, int row) -> QString {
        return QString::number(round) + u'.' + QString::number(row);
    };
    // Whether rows 1..lastRow of column 0 hold the texts of `round`, row r the one written into row
    // r + shift.
    const auto holds = [&](int round, int lastRow, int shift) {
        for (int r = 1; r <= lastRow; ++r) {
            if (t.cell(0, r) != text(round, r + shift))
                return false;
        }
        return true;
    };
    for (int round = 0; round <= 3; ++round) { // each round lets go of every text of the one before
        GridTable::BulkUpdate batch(t);
        t.setRows(rows);
        for (int r = 1; r < rows; ++r) {
            t.setCell(0, r, text(round, r));
            t.setCell(1, r, QStringLiteral("0.0"));
        }
    }
    EXPECT_TRUE(holds(3, rows - 1, 0));
    t.moveRow(1, rows - 1);
    t.deleteRow(1);
    EXPECT_TRUE(holds(3, rows - 3, 2));
    EXPECT_EQ(t.cell(0, rows - 2), text(3, 1));
    t.setRows(rows / 4); // lets go of three quarters of the texts at once
    t.setRows(rows);
    EXPECT_TRUE(holds(3, rows / 4 - 1, 2));
    EXPECT_EQ(t.cell(0, rows / 4), QString());
    EXPECT_EQ(t.cell(1, rows / 4 - 1), QStringLiteral("0.0"));
    t.clearCells();
    EXPECT_EQ(t.cell(0, 5), QString());
    t.setCell(0, 5, QStringLiteral("again"));
    EXPECT_EQ(t.cell(0, 5), QStringLiteral("again"));
}

TEST(DelimitedLines, EveryCellIsFollowedByTheTrimmedDelimiter)
{
    GridTable t(3);
    t.setCell(0, 0, QStringLiteral("A"));
    t.setCell(2, 0, QStringLiteral("C,D"));
    t.setCell(1, 1, QStringLiteral(" b "));
    EXPECT_EQ(DelimitedLines::of(t, 0, 1, 3, DelimitedLines::delimiterFrom(QStringLiteral(" ;; "))),
              (QStringList { QStringLiteral("A;;;;C,D;;"), QStringLiteral(";; b ;;;;") }));
    EXPECT_EQ(DelimitedLines::of(t, 0, 1, 3, DelimitedLines::delimiterFrom(QStringLiteral("\t"))),
              (QStringList { QStringLiteral("AC,D"), QStringLiteral(" b ") }));
}
