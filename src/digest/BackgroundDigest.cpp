#include "BackgroundDigest.h"

#include "common/DetachedThread.h"

#include <mutex>
#include <stop_token>

struct BackgroundDigest::Mailbox : DigestRun::Observer
{
    std::mutex mutex;
    Arrivals arrived;
    std::optional<ParseResult> latestParse;
    bool wakePending = false;
    bool abandoned = false;
    std::stop_source stop;
    Wake wake;

    void reportDigested(int, DigestedReport &&report) override
    {
        std::optional<ParseResult> older;
        std::lock_guard lock(mutex);
        if (abandoned)
            return;
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
        std::lock_guard lock(mutex);
        if (abandoned)
            return;
        arrived.end = result;
        wakeCaller();
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

BackgroundDigest::BackgroundDigest(DigestRun::Input input, Wake wake) : mailbox_(std::make_shared<Mailbox>())
{
    mailbox_->wake = std::move(wake);
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
