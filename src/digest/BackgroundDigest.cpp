#include "BackgroundDigest.h"

#include "ProblemList.h"
#include "RunProblems.h"
#include "common/DetachedThread.h"

#include <QScopeGuard>

#include <mutex>
#include <stop_token>

struct BackgroundDigest::Mailbox : DigestRun::Observer
{
    std::mutex mutex;
    Arrivals arrived;
    std::optional<ParseResult> latestParse;
    bool listProblems = false;
    std::optional<DigestRowSums> sums; // under the mutex
    std::shared_ptr<SpareTables> spareTables = std::make_shared<SpareTables>();
    RunProblems problems; // on the run's thread only
    bool wakePending = false;
    bool abandoned = false;
    std::stop_source stop;
    Wake wake;

    void reportDigested(int, DigestedReport &&report) override
    {
        if (listProblems)
            problems.add(report.facts);
        std::optional<ParseResult> older;
        // The table of the parse this one replaces goes back to the workers, after the lock.
        const auto giveBack = qScopeGuard([&] {
            if (older)
                spareTables->giveBack(std::move(older->sections));
        });
        std::lock_guard lock(mutex);
        if (abandoned)
            return;
        if (!report.outsideTimeWindow)
            sums->add(report.copied.values);
        if (report.parse) {
            older = std::move(latestParse);
            latestParse = std::move(report.parse);
            report.parse.reset();
        }
        arrived.reports.push_back(std::move(report));
        wakeCaller();
    }

    void finished(const DigestRun::Result &result)
    {
        std::unique_ptr<GridTable> problemTable;
        int problemCount = 0;
        if (listProblems && !isAbandoned()) {
            const std::vector<ReportProblem> list = problems.list();
            problemCount = int(list.size());
            problemTable = std::make_unique<GridTable>(ProblemList::columnCount);
            ProblemList::fill(*problemTable, list);
            problemTable->moveToThread(nullptr);
        }
        std::lock_guard lock(mutex);
        if (abandoned)
            return;
        arrived.end = result;
        arrived.problems = std::move(problemTable);
        arrived.problemCount = problemCount;
        wakeCaller();
    }

    bool isAbandoned()
    {
        std::lock_guard lock(mutex);
        return abandoned;
    }

    // Under the lock: one wake until the caller takes.
    void wakeCaller()
    {
        if (wakePending)
            return;
        wakePending = true;
        wake();
    }
};

BackgroundDigest::BackgroundDigest(DigestRun::Input input, DigestRowSums sums, Wake wake) :
    mailbox_(std::make_shared<Mailbox>())
{
    mailbox_->sums = std::move(sums);
    mailbox_->wake = std::move(wake);
    mailbox_->listProblems = input.listProblems;
    input.spareTables = mailbox_->spareTables;
    // The thread holds the mailbox (and the run) for as long as it lives, whatever the caller does.
    DetachedThread::start([mailbox = mailbox_, run = std::make_shared<DigestRun>(std::move(input))] {
        mailbox->finished(run->run(*mailbox, mailbox->stop.get_token()));
    });
}

BackgroundDigest::~BackgroundDigest()
{
    abandon();
}

BackgroundDigest::Arrivals BackgroundDigest::take()
{
    std::lock_guard lock(mailbox_->mutex);
    mailbox_->wakePending = false;
    return std::exchange(mailbox_->arrived, Arrivals());
}

DigestRowSums BackgroundDigest::rowSums() const
{
    std::lock_guard lock(mailbox_->mutex);
    return *mailbox_->sums;
}

std::optional<ParseResult> BackgroundDigest::takeLatestParse()
{
    std::lock_guard lock(mailbox_->mutex);
    return std::exchange(mailbox_->latestParse, std::nullopt);
}

void BackgroundDigest::abandon()
{
    std::lock_guard lock(mailbox_->mutex);
    mailbox_->abandoned = true;
    mailbox_->stop.request_stop();
}
