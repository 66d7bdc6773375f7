#include "chart/ComparisonChart.h"
#include "LocalZone.h"
#include "chart/ChartLines.h"
#include "chart/SampleTimeConversion.h"
#include "common/Failure.h"
#include "grid/GridTable.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// One Display. The digest table: the report columns' sample times, then the rows from column 1
// (counter name|type|average|values...), rows split at ";". Flags: "R" Set Ratio, "T" Time Only.
// Expected: the command line's lines with "|" as delimiter, split at ";", and the status text.
struct DisplayCase
{
    const char *name;
    const char16_t *sampleTimes, *rows, *axis1, *axis2, *ratio, *flags, *lines, *status;
};

// clang-format off
const DisplayCase displayCases[] = {
    { "RatioOfAveragesScalesSecondLineAndPointsFollowTime", u"Mar 12, 2013 14:11:03|Mar 11, 2013 09:00:00",
      u"[SecA]_[X]_[Y]||10|5|n/a;[SecB]_[X]_[Y]||4|2|-1", u"[seca]_[x]_[y]", u"[SECB]_[X]_[Y]", u"7", u"R",
      u"Ratio|2.5;1|2013-03-11 09:00:00|0;1|2013-03-12 14:11:03|5;2|2013-03-11 09:00:00|-2.5;2|2013-03-12 14:11:03|5",
      u"Data Displayed in Chart" },
    { "FirstAverageZeroFlattensSecondLine", u"Mar 12, 2013 14:11:03", u"A||0|5;B||4|2", u"A", u"B", u"7", u"R",
      u"Ratio|0;1|2013-03-12 14:11:03|5;2|2013-03-12 14:11:03|0", u"Data Displayed in Chart" },
    { "SecondAverageZeroGivesRatioOne", u"Mar 12, 2013 14:11:03", u"A||3|5;B||0|2", u"A", u"B", u"7", u"R",
      u"Ratio|1;1|2013-03-12 14:11:03|5;2|2013-03-12 14:11:03|2", u"Data Displayed in Chart" },
    { "OnlyFirstRowNamedGivesRatioOne", u"Mar 12, 2013 14:11:03", u"A||3|5", u"a", u"none", u"7", u"R",
      u"Ratio|1;1|2013-03-12 14:11:03|5", u"Data Displayed in Chart" },
    // Without a first line an empty cell is a point at 0.
    { "TypedTextThatIsNoNumberCountsAsOne", u"Mar 12, 2013 14:11:03|Mar 11, 2013 09:00:00", u"A||3|5|", u"x", u"A",
      u"abc", u"", u"Ratio|abc;2|2013-03-11 09:00:00|0;2|2013-03-12 14:11:03|5", u"Data Displayed in Chart" },
    { "InfiniteRatioTextCountsAsOne", u"Mar 12, 2013 14:11:03", u"A||3|5", u"x", u"A", u"inf", u"",
      u"Ratio|inf;2|2013-03-12 14:11:03|5", u"Data Displayed in Chart" },
    { "NeitherRowNamedDrawsNothingAndLeavesRatio", u"Mar 12, 2013 14:11:03", u"A||3|5", u"x", u"y", u"abc", u"R",
      u"Ratio|abc", u"" },
    { "EmptyFirstCellDropsTheReportFromBothLines", u"Mar 12, 2013 14:11:03|Mar 11, 2013 09:00:00",
      u"A|||5|;B|||2|3", u"A", u"B", u"0.5", u"", u"Ratio|0.5;1|2013-03-12 14:11:03|5;2|2013-03-12 14:11:03|1",
      u"Data Displayed in Chart" },
    { "HeaderSkipsAreExactAndAFailureKeepsEarlierPoints", u"|Type|Sysmon Counter|Mar 12, 2013 14:11:03|avg|Jan 01, 2013 09:00:00",
      u"A||2|1|1|1|5|6|7;B||4|1|1|1|5|6|7", u"A", u"B", u"1", u"R",
      u"Ratio|0.5;1|2013-03-12 14:11:03|5;2|2013-03-12 14:11:03|2.5",
      u"Gragh Error: 'avg/1/avg avg' is not a valid date and time" },
    { "TimeOnlyDrawsTimesOfDayKeepingColumnOrderAtEqualTimes", u" 10:00:00| 08:00:00| 10:00:00| 10:00:00",
      u"A|||3|1|2|1e20", u"A", u"", u"1", u"T", u"Ratio|1;1|08:00:00|1;1|10:00:00|3;1|10:00:00|2;1|10:00:00|1E20",
      u"Data Displayed in Chart" },
    { "TimeOnlyTimesNeedTimeOnly", u" 14:11:03", u"A|||5", u"A", u"", u"1", u"", u"Ratio|1",
      u"Gragh Error: '14/1/14:1 14:11:03' is not a valid date and time" },
    { "FullTimesCannotBeTimeOnly", u"Mar 12, 2013 14:11:03", u"A|||5", u"A", u"", u"1", u"T", u"Ratio|1",
      u"Gragh Error: 'Mar 12, 2013 14:11:03' is not a valid time" },
    { "ScaledValueTooLargeToDrawFails", u"Mar 12, 2013 14:11:03|Mar 11, 2013 09:00:00", u"A|||2|1e10", u"", u"A",
      u"1e300", u"", u"Ratio|1e300;2|2013-03-12 14:11:03|2E300",
      u"Gragh Error: '1e10' times the ratio 1E300 is too large to draw" },
};
// clang-format on

void fill(GridTable &digest, QStringView sampleTimes, QStringView rowTexts)
{
    QList<QStringList> rows { QStringList { {}, u"Sysmon Counter"_s, u"Type"_s, u"Avg"_s } +
                              sampleTimes.toString().split(u'|') };
    for (const QString &row : rowTexts.toString().split(u';'))
        rows << QStringList { QString() } + row.split(u'|');
    digest.setRows(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        digest.setColumns(std::max(digest.columns(), int(rows[r].size())));
        for (int column = 0; column < rows[r].size(); ++column)
            digest.setCell(column, r, rows[r][column]);
    }
}

void PrintTo(const DisplayCase &c, std::ostream *os)
{
    *os << c.name;
}

class ComparisonChartDisplay : public testing::TestWithParam<DisplayCase>
{
};

TEST_P(ComparisonChartDisplay, DrawsLinesRatioAndStatus)
{
    const DisplayCase &c = GetParam();
    GridTable digest(4);
    fill(digest, c.sampleTimes, c.rows);
    const QString flags = QString::fromUtf16(c.flags);
    const ChartInput input { digest,
                             QString::fromUtf16(c.axis1),
                             QString::fromUtf16(c.axis2),
                             QString::fromUtf16(c.ratio),
                             flags.contains(u'R'),
                             flags.contains(u'T') };
    const ChartResult result = ComparisonChart::display(input);
    EXPECT_EQ(ChartLines::of(input, result, u"|"_s), QString::fromUtf16(c.lines).split(u';'));
    const QString status = QString::fromUtf16(c.status);
    EXPECT_EQ(result.status.value_or(QString()), status);
    EXPECT_EQ(result.drawn, !status.isEmpty());
    EXPECT_EQ(result.failed, status.startsWith(u"Gragh"));
    EXPECT_EQ(result.labelFormat,
              !result.drawn        ? QString()
                  : input.timeOnly ? u"hh:mm:ss"_s
                                   : u"dd/MM/yyyy hh:mm:ss"_s);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComparisonChartDisplay, testing::ValuesIn(displayCases),
                         [](const auto &test) { return std::string(test.param.name); });

TEST(ComparisonChart, PointsCarryTooltipFactsAndAxesFitBothLinesOrWidenAroundOneValue)
{
    GridTable digest(4);
    fill(digest, u"Mar 12, 2013 14:11:03|Mar 11, 2013 09:00:00", u"A||1|5|6;B||4|8|x");
    const ChartResult result = ComparisonChart::display({ digest, u"A"_s, u"b"_s, {}, true, false });
    ASSERT_EQ(result.series2.size(), 2);
    EXPECT_EQ(result.series2[1].counterName, u"B"_s);
    EXPECT_EQ(result.series2[1].valueBeforeRatio, 8);
    EXPECT_EQ(result.series2[1].value, 2);
    const QDateTime time(QDate(2013, 3, 12), QTime(14, 11, 3), Qt::UTC);
    ASSERT_TRUE(result.axes.has_value());
    EXPECT_EQ(result.axes->timeFrom, QDateTime(QDate(2013, 3, 11), QTime(9, 0), Qt::UTC));
    EXPECT_EQ(result.axes->timeTo, time);
    EXPECT_EQ(std::pair(result.axes->valueFrom, result.axes->valueTo), std::pair(0.0, 6.0));

    const auto single = ChartAxes::fitting({ { time, -50, -50, {} } }, {});
    EXPECT_EQ(std::pair(single->timeFrom, single->timeTo), std::pair(time.addSecs(-30), time.addSecs(30)));
    EXPECT_EQ(std::pair(single->valueFrom, single->valueTo), std::pair(-55.0, -45.0));
    const auto zero = ChartAxes::fitting({ { time, 0, 0, {} } }, { { time, 0, 0, {} } });
    EXPECT_EQ(std::pair(zero->valueFrom, zero->valueTo), std::pair(-1.0, 1.0));
    EXPECT_FALSE(ChartAxes::fitting({}, {}).has_value());
}

TEST(ComparisonChart, EqualTimesKeepColumnOrderInLongRuns)
{
    QString sampleTimes, values = u"A||"_s;
    for (int column = 0; column < 40; ++column) {
        sampleTimes += (column ? u"|"_s : QString()) + (column % 3 ? u" 10:00:00"_s : u" 09:00:00"_s);
        values += u'|' + QString::number(column);
    }
    GridTable digest(4);
    fill(digest, sampleTimes, values);
    const ChartResult result = ComparisonChart::display({ digest, u"A"_s, {}, {}, false, true });
    ASSERT_EQ(result.series1.size(), 40);
    for (qsizetype i = 1; i < result.series1.size(); ++i) {
        const ChartPoint &before = result.series1[i - 1], &after = result.series1[i];
        EXPECT_TRUE(before.time < after.time || (before.time == after.time && before.value < after.value)) << i;
    }
}

TEST(SampleTimeConversion, ReadsDayFirstOrFailsWithTheTextItRead)
{
    const auto read = [](const char16_t *text, bool timeOnly) {
        try {
            return SampleTimeConversion::toDateTime(QStringView(text), timeOnly).toString(u"yyyy-MM-dd hh:mm:ss"_s);
        } catch (const Failure &failure) {
            return failure.message();
        }
    };
    EXPECT_EQ(read(u"MAR 12, 2013 14:11:03", false), u"2013-03-12 14:11:03"_s);
    EXPECT_EQ(read(u"Xyz 12, 2013 14:11:03", false), u"2013-01-12 14:11:03"_s);
    {
        // An hour that daylight saving skips where the window runs is still a time of its own.
        const LocalZone zone(LocalZone::centralEurope);
        EXPECT_EQ(read(u"Mar 31, 2013 02:30:00", false), u"2013-03-31 02:30:00"_s);
    }
    EXPECT_EQ(read(u" 14:11:03 ", true), u"1899-12-30 14:11:03"_s);
    EXPECT_EQ(read(u"Mar 2, 2013 14:11:03", false), u"'r 2/3/2013 14:11:03' is not a valid date and time"_s);
    EXPECT_EQ(read(u"Mar 12, 2013 14:11:0x", false), u"'12/3/2013 14:11:0x' is not a valid date and time"_s);
    EXPECT_EQ(read(u",", false), u"',/1/ ,' is not a valid date and time"_s);
    EXPECT_EQ(read(u"12/03/2013 14:11:03", true), u"'12/03/2013 14:11:03' is not a valid time"_s);
}

} // namespace
