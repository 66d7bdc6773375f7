// The digest run's loop without a window: Append, the hooks, and Esc pressed between two reports.
// What a run writes into the table is checked end to end by the command line's golden cases.
#include "digest/DigestRun.h"
#include "ScriptedUi.h"
#include "counters/CounterSet.h"
#include "counters/CounterSetFile.h"
#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/SectionTableLayout.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString cases = QStringLiteral(QUORVEL_TEST_DATA "/digest-cli/");
const QString report1 = cases + u"counter-kinds/report-1.txt"_s; // sampling started 10:53:00
const QString report2 = cases + u"counter-kinds/report-2.txt"_s; // sampling started 11:53:00

// The window's tables and what the hooks saw.
struct Workbench
{
    GridTable counters { CounterSet::columnCount };
    GridTable digest { DigestTableLayout::fixedColumnCount };
    GridTable sections { SectionTableLayout::columnCount };
    CategoryLists lists;
    ScriptedUi ui;
    bool abortFlag = true; // a stale Esc from before the run does not stop it

    QList<QStringList> resets;
    QStringList loaded;
    QList<int> done;
    std::function<void(int done)> onReportDone; // e.g. Esc pressed once a report is done

    Workbench()
    {
        DigestTableLayout::reset(digest);
        // Voluntary Yields as PerSec, the rdesmgr spinlock's Spins.
        CounterSetFile::load(counters, cases + u"unreadable-report/counters.ini"_s);
    }

    DigestRun::Outcome run(const QStringList &paths, bool append)
    {
        DigestRun::Hooks hooks;
        hooks.loadReport = [this](const QString &path, WorkPacer &) {
            loaded << path;
            return ReportLoader::load(path);
        };
        hooks.rowsReset = [this](const QStringList &names) {
            resets << names;
        };
        hooks.reportDone = [this](int reports, int) {
            done << reports;
            if (onReportDone)
                onReportDone(reports);
        };
        DigestRun digestRun({ digest, counters, sections, lists }, ui, abortFlag, std::move(hooks));
        return digestRun.run(paths, { .append = append, .timeOnly = true });
    }

    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 1; c < digest.columns(); ++c)
            cells << digest.cell(c, r);
        return cells;
    }
};

TEST(DigestRun, AppendAddsReportColumnsToTheTableAsItStands)
{
    Workbench bench;
    ASSERT_EQ(bench.run({ report1 }, false), DigestRun::Outcome::Done);
    const QString yields = u"[Task Management]_[Task Context Switches Due To:...]_[Voluntary Yields]"_s;
    const QString spins = u"[Spinlocks]_[Resource->rdesmgr_spin]_[]"_s;
    EXPECT_EQ(bench.resets, QList<QStringList> { QStringList({ yields, spins }) });

    // A counter picked after the reset gets no row until the next run without Append.
    CounterSet::append(bench.counters, { u"Task Management"_s, u"..."_s, u"Connections Opened"_s, u"PerSec"_s });
    bench.abortFlag = true;
    ASSERT_EQ(bench.run({ report1, report2 }, true), DigestRun::Outcome::Done);
    EXPECT_EQ(bench.resets.size(), 1);
    EXPECT_EQ(bench.loaded, QStringList({ report1, report1, report2 }));
    EXPECT_EQ(bench.done, QList<int>({ 1, 1, 2 }));
    EXPECT_EQ(bench.digest.rows(), 3);
    EXPECT_EQ(
        bench.row(0),
        QStringList({ u"Sysmon Counter"_s, u"Type"_s, u"Avg"_s, u" 10:53:00"_s, u" 10:53:00"_s, u" 11:53:00"_s }));
    // The averages cover every report column, those of the earlier run too.
    EXPECT_EQ(bench.row(1), QStringList({ yields, u"PerSec"_s, u"10.83"_s, u"12.5"_s, u"12.5"_s, u"7.5"_s }));
    EXPECT_EQ(bench.row(2), QStringList({ spins, u"Spins"_s, u"1666.67"_s, u"1000"_s, u"1000"_s, u"3000"_s }));
    EXPECT_EQ(bench.ui.status[1], u"Digest Done."_s);
    EXPECT_EQ(bench.ui.status[2], u"Parsed 2 out of 2 files..."_s);
    // The section table holds the last report.
    EXPECT_EQ(bench.sections.cell(SectionTableLayout::SubSection1, 3), u"Aug 23, 2013 11:53:00"_s);
}

TEST(DigestRun, EscAfterAReportIsDoneEndsTheRunBeforeTheNextReportGivesAFigure)
{
    Workbench bench;
    bench.onReportDone = [&bench](int done) {
        if (done == 1)
            bench.abortFlag = true;
    };
    ASSERT_EQ(bench.run({ report1, report2, report1 }, false), DigestRun::Outcome::Aborted);

    // The first report keeps its column; no later report adds a sample time or a figure.
    for (int row = 0; row < bench.digest.rows(); ++row) {
        const QStringList reportCells = bench.row(row).mid(3);
        ASSERT_FALSE(reportCells.isEmpty());
        EXPECT_EQ(reportCells.mid(1), QStringList(reportCells.size() - 1, QString())) << "row " << row;
    }
    EXPECT_EQ(bench.row(0).at(3), u" 10:53:00"_s);
    EXPECT_EQ(bench.row(1).at(3), u"12.5"_s);
    EXPECT_EQ(bench.done, QList<int> { 1 });
    EXPECT_EQ(bench.ui.status[2], u"Parsed 1 out of 3 files..."_s);
    EXPECT_EQ(bench.ui.status[1], u"Calculating Average Values..."_s); // and no "Digest Done."
    EXPECT_TRUE(bench.abortFlag);
}

} // namespace
