// The demo is there to show what a digest is for, so the whole day is digested here with the
// demo's own counter set: every counter must get a figure from every report, and the figures must
// follow the day's load.
#include "demo/DemoReports.h"
#include "LocalZone.h"
#include "common/NumberText.h"
#include "counters/CounterSet.h"
#include "demo/DemoCounters.h"
#include "digest/CounterNameIndex.h"
#include "digest/ReportColumnOf.h"
#include "digest/DigestReset.h"
#include "digest/DigestTableLayout.h"
#include "digest/SampleTime.h"
#include "report/ParsedReport.h"
#include "report/ReportLoader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Fills `digest` with the reports over the demo's counter set, as a digest run without Append does.
void digestAll(GridTable &digest, const QStringList &reports)
{
    GridTable counters(CounterSet::columnCount);
    CounterSet::reset(counters);
    for (const QStringList &row : DemoCounters::rows())
        CounterSet::append(counters, row);
    DigestReset::fromCounterSet(digest, counters);
    const CounterNameIndex index(digest);
    for (const QString &report : reports) {
        ParsedReport parsed;
        parsed.parse(ReportLoader::load(report));
        EXPECT_FALSE(parsed.outcome.failed) << parsed.outcome.message.toStdString();
        addReportColumn(digest, parsed.sections, index);
    }
}

QList<double> figuresOfRow(const GridTable &digest, int row)
{
    QList<double> figures;
    for (int c = DigestTableLayout::FirstReport; c < digest.columns(); ++c)
        figures << NumberText::readReal(digest.cell(c, row)).value_or(-1);
    return figures;
}

double correlation(const QList<double> &a, const QList<double> &b)
{
    const auto mean = [](const QList<double> &v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
    };
    const double ma = mean(a), mb = mean(b);
    double ab = 0, aa = 0, bb = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb);
}

} // namespace

TEST(DemoReports, ADayOfReportsDigestsIntoFiguresThatFollowTheDay)
{
    QTemporaryDir folder;
    const QStringList reports = DemoReports::write(folder.path(), DemoReports::defaultSettings());
    ASSERT_EQ(reports.size(), 48);
    GridTable digest(DigestTableLayout::fixedColumnCount);
    digestAll(digest, reports);

    ASSERT_EQ(digest.rows(), int(DemoCounters::rows().size()) + 1);
    ASSERT_EQ(digest.columns(), DigestTableLayout::FirstReport + 48);
    EXPECT_EQ(digest.cell(DigestTableLayout::FirstReport, 0), u" 00:00:00"_s);
    EXPECT_EQ(digest.cell(digest.columns() - 1, 0), u" 23:30:00"_s);
    for (int row = 1; row < digest.rows(); ++row) {
        for (int c = DigestTableLayout::FirstReport; c < digest.columns(); ++c) {
            const QString figure = digest.cell(c, row).toString();
            EXPECT_TRUE(NumberText::readReal(figure) && figure != u"-1"_s)
                << digest.cell(DigestTableLayout::CounterName, row).toString().toStdString() << " in report "
                << c - DigestTableLayout::FirstReport << ": '" << figure.toStdString() << "'";
        }
    }

    // Rows 1 and 2 are the pair to chart: average engine busy and committed transactions.
    const QList<double> busy = figuresOfRow(digest, 1);
    const QList<double> xacts = figuresOfRow(digest, 2);
    EXPECT_GT(correlation(busy, xacts), 0.95);
    const qsizetype peak = std::max_element(busy.begin(), busy.end()) - busy.begin();
    EXPECT_TRUE(peak >= 26 && peak <= 34) << "busiest at report " << peak; // 13:00 to 17:00
    const double nightPeak = *std::max_element(busy.begin() + 6, busy.begin() + 12); // 03:00 to 05:30
    EXPECT_LT(nightPeak, 0.3 * busy[peak]);
}

TEST(DemoReports, NamesSortByTimeAndStartsReadBackAsWritten)
{
    DemoReports::Settings settings = DemoReports::defaultSettings();
    settings.start = *DemoReports::readStart(u"Dec 31, 2024 23:15:00"_s);
    settings.reports = 4;
    settings.intervalMinutes = 45;
    const QStringList names = DemoReports::reportNames(settings);
    EXPECT_EQ(names,
              (QStringList { u"sysmon-2024-12-31-2315.txt"_s, u"sysmon-2025-01-01-0000.txt"_s,
                             u"sysmon-2025-01-01-0045.txt"_s, u"sysmon-2025-01-01-0130.txt"_s }));

    EXPECT_EQ(DemoReports::startText(DemoReports::defaultStart()), u"Jan 15, 2025 00:00:00"_s);
    const QDateTime march5(QDate(2025, 3, 5), QTime(14, 11, 3), Qt::UTC);
    EXPECT_EQ(DemoReports::readStart(u" Mar 5, 2025 14:11:03 "_s), march5);
    EXPECT_EQ(DemoReports::readStart(u"Mar 05, 2025 14:11:03"_s), march5);
    {
        // A wall-clock reading, also in an hour that daylight saving skips where the command runs.
        const LocalZone zone(LocalZone::centralEurope);
        EXPECT_EQ(DemoReports::readStart(u"Mar 30, 2025 02:30:00"_s),
                  QDateTime(QDate(2025, 3, 30), QTime(2, 30), Qt::UTC));
    }
    for (const QString &wrong :
         { u""_s, u"15/01/2025 00:00:00"_s, u"Jan 15, 2025"_s, u"Foo 15, 2025 00:00:00"_s, u"Feb 30, 2025 00:00:00"_s })
        EXPECT_FALSE(DemoReports::readStart(wrong)) << wrong.toStdString();
}
