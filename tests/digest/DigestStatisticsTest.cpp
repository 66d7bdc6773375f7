// The statistics columns in a digest table that the user works on: they come and go after "Avg",
// and every reader of the table (averages, Delete Column, the chart, the period comparison) still
// finds the report columns, also when "Avg" stands elsewhere. What a run writes is checked end to end
// by the command line's golden cases (tests/data/digest-cli/statistics).
#include "digest/DigestStatistics.h"
#include "ScriptedUi.h"
#include "chart/ComparisonChart.h"
#include "compare/PeriodChoice.h"
#include "compare/ReportColumns.h"
#include "digest/DigestAverages.h"
#include "digest/DigestEditing.h"
#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList row(const GridTable &digest, int r)
{
    QStringList cells;
    for (int c = 1; c < digest.columns(); ++c)
        cells << digest.cell(c, r).toString();
    return cells;
}

// Two counters over three reports of 10, 10 and 20 minutes.
void fillThreeReports(GridTable &digest)
{
    DigestTableLayout::reset(digest);
    digest.setRows(3);
    digest.setColumns(7);
    const QStringList names { u"[A]_[B]_[C]"_s, u"[A]_[B]_[D]"_s };
    const QStringList times { u" 10:00:00"_s, u" 10:10:00"_s, u" 10:20:00"_s };
    const QStringList intervals { u"00:10:00"_s, u"00:10:00"_s, u"00:20:00"_s };
    const QStringList cells[] = { { u"1"_s, u"2"_s, u"4"_s }, { u"-1"_s, QString(), u"10"_s } };
    for (int r = 1; r <= 2; ++r) {
        digest.setCell(1, r, names[r - 1]);
        digest.setCell(2, r, r == 1 ? u"PerSec"_s : u"Count"_s);
    }
    for (int i = 0; i < 3; ++i) {
        digest.setCell(4 + i, 0, times[i]);
        digest.setColumnNote(4 + i, DigestTableLayout::SampleInterval, intervals[i]);
        for (int r = 1; r <= 2; ++r)
            digest.setCell(4 + i, r, cells[r - 1][i]);
    }
}

} // namespace

TEST(DigestStatistics, ComeAndGoAfterAvgWhileEveryReaderKeepsToTheReportColumns)
{
    GridTable digest(1);
    fillThreeReports(digest);
    ScriptedUi ui;
    // A report marked as a comparison's baseline stays a report.
    ASSERT_TRUE(PeriodChoice::markBaseline(digest, { 4 }, ui));
    DigestStatistics::setShown(digest, true);
    DigestStatistics::setShown(digest, true); // already shown: nothing more
    DigestAverages::calculate(digest, ui);
    EXPECT_EQ(ReportColumns::all(digest), QList<int>({ 10, 11, 12 }));
    EXPECT_EQ(PeriodChoice::baseline(digest), QList<int> { 10 });
    EXPECT_EQ(row(digest, 0),
              QStringList({ u"Sysmon Counter"_s, u"Type"_s, u"Avg"_s, u"N"_s, u"Min"_s, u"Max"_s, u"Median"_s, u"P95"_s,
                            u"Wtd Mean"_s, u" 10:00:00"_s, u" 10:10:00"_s, u" 10:20:00"_s }));
    // Avg as ever: 7 / 3 and (-1 + 0 + 10) / 3. Wtd Mean (1 x 600 + 2 x 600 + 4 x 1200) / 2400.
    EXPECT_EQ(row(digest, 1).mid(2, 7), QStringList({ u"2.33"_s, u"3"_s, u"1"_s, u"4"_s, u"2"_s, u"4"_s, u"2.75"_s }));
    EXPECT_EQ(row(digest, 2).mid(2, 7), QStringList({ u"3"_s, u"1"_s, u"10"_s, u"10"_s, u"10"_s, u"10"_s, u"10"_s }));

    // The chart reads the averages for its ratio and draws the report columns only.
    const ChartResult chart = ComparisonChart::display({ .digest = digest,
                                                         .valueAxisText = u"[a]_[b]_[c]"_s,
                                                         .valueAxis2Text = u"[A]_[B]_[D]"_s,
                                                         .ratioText = u"1"_s,
                                                         .setRatio = true,
                                                         .timeOnly = true });
    EXPECT_FALSE(chart.failed) << chart.status.value_or(QString()).toStdString();
    EXPECT_EQ(chart.ratioText, u"0.776666666666667"_s);
    ASSERT_EQ(chart.series1.size(), 3);
    EXPECT_EQ(chart.series1[2].time.time(), QTime(10, 20));

    // The statistics columns are never deleted; a report column is, and they follow it.
    for (int column = 4; column <= 9; ++column)
        EXPECT_FALSE(DigestEditing::canDeleteColumn(digest, column)) << column;
    // "Avg" dragged behind the reports is still the average column, and no report.
    digest.moveColumn(3, 12);
    DigestEditing::deleteColumn(digest, 11, ui);
    EXPECT_EQ(row(digest, 0).mid(2),
              QStringList({ u"N"_s, u"Min"_s, u"Max"_s, u"Median"_s, u"P95"_s, u"Wtd Mean"_s, u" 10:00:00"_s,
                            u" 10:10:00"_s, u"Avg"_s }));
    EXPECT_EQ(row(digest, 1).mid(2),
              QStringList({ u"2"_s, u"1"_s, u"2"_s, u"1.5"_s, u"2"_s, u"1.5"_s, u"1"_s, u"2"_s, u"1.5"_s }));
    EXPECT_EQ(
        row(digest, 2).mid(2),
        QStringList({ u"0"_s, QString(), QString(), QString(), QString(), QString(), u"-1"_s, QString(), u"-0.5"_s }));

    DigestStatistics::setShown(digest, false);
    EXPECT_EQ(row(digest, 0),
              QStringList({ u"Sysmon Counter"_s, u"Type"_s, u" 10:00:00"_s, u" 10:10:00"_s, u"Avg"_s }));
    // Shown again, they stand right after "Avg", wherever it is.
    DigestStatistics::setShown(digest, true);
    EXPECT_EQ(row(digest, 0).mid(4, 2), QStringList({ u"Avg"_s, u"N"_s }));
}
