// The digest run without a window: reports handed over in list order whatever the number of
// threads, a report that cannot be read, a stop, and a run walked away from while a read hangs.
// What a run writes into a table is checked end to end by the command line's golden cases.
#include "digest/BackgroundDigest.h"
#include "digest/DigestColumnMap.h"
#include "digest/DigestRun.h"
#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"
#include "common/DetachedThread.h"
#include "common/Failure.h"
#include "report/ReportLoader.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString cases = QStringLiteral(QUORVEL_TEST_DATA "/digest-cli/");
const QString report1 = cases + u"counter-kinds/report-1.txt"_s; // sampling started 10:53:00
const QString report2 = cases + u"counter-kinds/report-2.txt"_s; // sampling started 11:53:00
const QString failedParse = cases + u"failed-parses/report-2.txt"_s; // a spinlock figure "12x"
const QString binary = cases + u"failed-parses/report-3.bin"_s;
const QString yields = u"[Task Management]_[Task Context Switches Due To:...]_[Voluntary Yields]"_s;
const QString spins = u"[Spinlocks]_[Resource->rdesmgr_spin]_[]"_s;

// What the observer was handed, one line per report.
struct Recorder : DigestRun::Observer
{
    QStringList seen;
    std::function<void(int index)> onReport;

    void reportDigested(int index, DigestedReport &&report) override
    {
        seen << u"%1 %2 [%3] %4 %5"_s.arg(index)
                    .arg(report.path.section(u'/', -2))
                    .arg(report.sampleTime, report.copied.values.toList().join(u'|'), report.parseFailure.value_or(u"ok"_s));
        if (onReport)
            onReport(index);
    }
};

DigestRun::Input input(const QStringList &paths, int jobs)
{
    return { .rows = { .names = { yields, spins, u"[Nowhere]_[]_[]"_s }, .types = { u"PerSec"_s, u"Spins"_s, u"Count"_s } },
             .paths = paths,
             .timeOnly = true,
             .load = [](const QString &path) { return ReportLoader::load(path); },
             .jobs = jobs,
             .handOverParses = false,
             .spareTables = nullptr };
}

TEST(DigestRun, EveryNumberOfThreadsHandsTheSameReportsOverInListOrder)
{
    QStringList paths;
    for (int i = 0; i < 4; ++i)
        paths << report1 << failedParse << report2 << binary;
    const QString parseFailure = u"'12x' is not a valid integer value"_s;
    const QString binaryFailure = u"\"%1\" is not a Sysmon report: it holds binary data."_s.arg(binary);
    QStringList expected;
    for (int i = 0; i < paths.size(); i += 4) {
        expected << u"%1 counter-kinds/report-1.txt [ 10:53:00] 12.5|1000| ok"_s.arg(i)
                 << u"%1 failed-parses/report-2.txt [ 12:53:00] 4.5|| %2"_s.arg(i + 1).arg(parseFailure)
                 << u"%1 counter-kinds/report-2.txt [ 11:53:00] 7.5|3000| ok"_s.arg(i + 2)
                 << u"%1 failed-parses/report-3.bin [ 13:53:00] || %2"_s.arg(i + 3).arg(binaryFailure);
    }
    for (const int jobs : { 1, 2, 5 }) {
        SCOPED_TRACE(jobs);
        Recorder recorder;
        const DigestRun::Result result = DigestRun(input(paths, jobs)).run(recorder);
        EXPECT_EQ(result.end, DigestRun::End::Done);
        EXPECT_EQ(result.delivered, paths.size());
        EXPECT_EQ(recorder.seen, expected);
    }
}

TEST(DigestRun, AnUnreadableReportOrAStopEndsTheRunWithTheReportsBeforeIt)
{
    const QString vanished = cases + u"vanished.txt"_s;
    for (const int jobs : { 1, 3 }) {
        SCOPED_TRACE(jobs);
        Recorder recorder;
        const DigestRun::Result unreadable =
            DigestRun(input({ report1, report2, vanished, report1, report2 }, jobs)).run(recorder);
        EXPECT_EQ(unreadable.end, DigestRun::End::Unreadable);
        EXPECT_EQ(unreadable.failure, u"Cannot open file \"%1\". No such file or directory"_s.arg(vanished));
        EXPECT_EQ(unreadable.delivered, 2);
        EXPECT_EQ(recorder.seen.size(), 2);

        std::stop_source stop;
        Recorder stopped;
        stopped.onReport = [&](int index) {
            if (index == 1)
                stop.request_stop();
        };
        const DigestRun::Result cancelled =
            DigestRun(input(QStringList(8, report1), jobs)).run(stopped, stop.get_token());
        EXPECT_EQ(cancelled.end, DigestRun::End::Cancelled);
        EXPECT_EQ(cancelled.delivered, 2);
        EXPECT_EQ(stopped.seen.size(), 2);
    }
}

// A report on a hung file share: its read returns only when the test lets it.
class HungRead
{
public:
    TextLines load(const QString &path)
    {
        if (path == u"hung")
        {
            std::unique_lock lock(mutex_);
            reading_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
            throw Failure(u"Cannot read file \"hung\"."_s);
        }
        return ReportLoader::load(path);
    }
    void waitUntilReading()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return reading_; });
    }
    void release()
    {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool reading_ = false;
    bool released_ = false;
};

TEST(BackgroundDigest, AnAbandonedRunHandsNothingOverAndLetsGoAtOnceWhileAReadHangs)
{
    auto hung = std::make_shared<HungRead>();
    DigestRun::Input in = input({ report1, u"hung"_s, report2 }, 2);
    in.load = [hung](const QString &path) { return hung->load(path); };
    in.handOverParses = true;
    std::atomic<int> wakes = 0;
    GridTable digest(DigestTableLayout::fixedColumnCount);
    DigestTableLayout::reset(digest);
    BackgroundDigest run(std::move(in), DigestRowSums(digest, DigestColumnMap(digest)), [&wakes] { ++wakes; });
    hung->waitUntilReading();

    QElapsedTimer clock;
    clock.start();
    run.abandon();
    EXPECT_LT(clock.elapsed(), 100);
    const BackgroundDigest::Arrivals arrivals = run.take();
    EXPECT_LE(arrivals.reports.size(), 1u); // the first report, if it arrived before the walk away
    EXPECT_FALSE(arrivals.end.has_value());
    const int wakesAtAbandon = wakes;

    hung->release();
    ASSERT_TRUE(DetachedThread::waitForAll(10'000));
    EXPECT_EQ(wakes, wakesAtAbandon);
    EXPECT_TRUE(run.take().reports.empty());
}

} // namespace
