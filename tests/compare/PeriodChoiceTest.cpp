#include "compare/PeriodChoice.h"
#include "ScriptedUi.h"
#include "compare/ComparisonTableLayout.h"
#include "compare/PeriodComparison.h"
#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// One counter and four report columns headed 10:00:00 to 13:00:00.
void fourReports(GridTable &digest)
{
    DigestTableLayout::reset(digest);
    digest.setColumns(DigestTableLayout::FirstReport + 4);
    digest.setCell(DigestTableLayout::CounterName, 1, u"[Disk]_[...]_[Reads]"_s);
    for (int i = 0; i < 4; ++i)
        digest.setCell(DigestTableLayout::FirstReport + i, 0, u" 1%1:00:00"_s.arg(i));
}

QList<int> reportColumns(std::initializer_list<int> reports)
{
    QList<int> columns;
    for (int report : reports)
        columns << DigestTableLayout::FirstReport + report;
    return columns;
}

} // namespace

TEST(PeriodChoice, TheBaselineIsMarkedOnItsColumnsAndTheComparisonIsTheSelectionOrTheRest)
{
    GridTable digest(1);
    fourReports(digest);
    ScriptedUi ui;
    EXPECT_FALSE(PeriodChoice::periods(digest, reportColumns({ 2 }), ui)); // no baseline yet
    EXPECT_FALSE(
        PeriodChoice::markBaseline(digest, { DigestTableLayout::CounterName, DigestTableLayout::Average }, ui));
    EXPECT_EQ(ui.infos.size(), 2);
    EXPECT_TRUE(PeriodChoice::baseline(digest).isEmpty());

    // The counter name column in the selection is passed over; a new mark replaces the old.
    ASSERT_TRUE(PeriodChoice::markBaseline(digest, reportColumns({ 3 }), ui));
    ASSERT_TRUE(PeriodChoice::markBaseline(digest, reportColumns({ 1, 0 }) << DigestTableLayout::CounterName, ui));
    EXPECT_EQ(ui.status[1], u"Baseline: 2 reports, 10:00:00 to 11:00:00."_s);
    EXPECT_EQ(PeriodChoice::baseline(digest), reportColumns({ 0, 1 }));

    // Selected reports outside the baseline are compared; a selection of baseline reports only
    // compares all the others.
    auto periods = PeriodChoice::periods(digest, reportColumns({ 1, 3 }), ui);
    ASSERT_TRUE(periods);
    EXPECT_EQ(periods->comparison, reportColumns({ 3 }));
    EXPECT_EQ(PeriodChoice::describe(digest, *periods),
              u"Baseline: 2 reports, 10:00:00 to 11:00:00. Comparison: 1 report, 13:00:00."_s);
    periods = PeriodChoice::periods(digest, reportColumns({ 0 }), ui);
    ASSERT_TRUE(periods);
    EXPECT_EQ(periods->comparison, reportColumns({ 2, 3 }));

    // The marks travel with their columns; a digest reset forgets them.
    digest.moveColumn(DigestTableLayout::FirstReport, DigestTableLayout::FirstReport + 3);
    digest.deleteColumn(DigestTableLayout::FirstReport + 1);
    EXPECT_EQ(PeriodChoice::baseline(digest), reportColumns({ 0, 2 }));
    EXPECT_EQ(digest.cell(DigestTableLayout::FirstReport + 2, 0), u" 10:00:00"_s);
    ASSERT_TRUE(PeriodChoice::markBaseline(digest, reportColumns({ 0, 1, 2 }), ui));
    EXPECT_FALSE(PeriodChoice::periods(digest, {}, ui)); // nothing left to compare
    EXPECT_EQ(ui.infos.size(), 3);
    DigestTableLayout::reset(digest);
    digest.setColumns(DigestTableLayout::FirstReport + 1);
    EXPECT_TRUE(PeriodChoice::baseline(digest).isEmpty());
}

// Figures too large to add up, or not numbers at all, still leave one order: their counters come
// after the others that moved, and the rows keep their digest order among themselves.
TEST(PeriodComparison, FiguresBeyondNumbersKeepAStrictOrder)
{
    GridTable digest(1);
    DigestTableLayout::reset(digest);
    digest.setColumns(DigestTableLayout::FirstReport + 4);
    const QStringList rows[] = {
        { u"nan"_s, u"1"_s, u"2"_s, u"3"_s },
        { u"1"_s, u"1"_s, u"3"_s, u"3"_s },
        { u"1e308"_s, u"1e308"_s, u"1e308"_s, u"1e308"_s },
        { u"2"_s, u"2"_s, u"1"_s, u"1"_s },
    };
    digest.setRows(int(std::size(rows)) * 8 + 1);
    for (int row = 1; row < digest.rows(); ++row) {
        digest.setCell(DigestTableLayout::CounterName, row, QString::number(row));
        for (int i = 0; i < 4; ++i)
            digest.setCell(DigestTableLayout::FirstReport + i, row, rows[(row - 1) % 4][i]);
    }
    GridTable comparison(ComparisonTableLayout::columnCount);
    PeriodComparison::build(digest, { .baseline = reportColumns({ 0, 1 }), .comparison = reportColumns({ 2, 3 }) },
                            comparison);

    ASSERT_EQ(comparison.rows(), digest.rows());
    QStringList order;
    for (int row = 1; row < comparison.rows(); ++row)
        order << comparison.cell(ComparisonTableLayout::CounterName, row).toString();
    const auto rowsFrom = [](int first, int step) {
        QStringList names;
        for (int row = first; row <= 32; row += step)
            names << QString::number(row);
        return names;
    };
    // +200 %, then -50 %, then the counters whose change is not a number, in digest order.
    EXPECT_EQ(order, rowsFrom(2, 4) + rowsFrom(4, 4) + rowsFrom(1, 2));
    const auto cellOf = [&](int digestRow, int column) {
        return comparison.cell(column, int(order.indexOf(QString::number(digestRow))) + 1);
    };
    EXPECT_EQ(cellOf(2, ComparisonTableLayout::ChangePercent), u"200"_s);
    EXPECT_EQ(cellOf(3, ComparisonTableLayout::ComparisonMean) + cellOf(3, ComparisonTableLayout::Change), u"INFNAN"_s);
    EXPECT_EQ(cellOf(1, ComparisonTableLayout::BaselineMean), u"NAN"_s);
}
