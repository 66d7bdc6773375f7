#include "DigestWorkers.h"

#include "common/CommandGuard.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// A worker yields to the thread that takes its reports (the window's, which must paint and answer
// keys), and to whatever else the user runs, when there are fewer cores than busy threads. On
// Linux a thread has a niceness of its own.
void yieldToOtherThreads()
{
#if defined(__linux__)
    constexpr int workerNiceness = 5;
    setpriority(PRIO_PROCESS, id_t(gettid()), workerNiceness);
#endif
}

} // namespace

DigestWorkers::DigestWorkers(const DigestRows &rows, const QStringList &paths, const ReportDigester::Options &options,
                             const ReportDigester::Loader &load, bool keepParses, int jobs) :
    rows_(rows),
    paths_(paths),
    options_(options),
    load_(load),
    keepParses_(keepParses),
    // Enough for every worker to have one report in hand while the ones done wait to be taken.
    ahead_(2 * jobs),
    outcomes_(std::size_t(paths.size()))
{
    threads_.reserve(std::size_t(jobs));
    for (int i = 0; i < jobs; ++i)
        threads_.emplace_back([this](std::stop_token stop) { work(stop); });
}

DigestWorkers::~DigestWorkers()
{
    for (std::jthread &thread : threads_)
        thread.request_stop();
    // The jthreads join as they go; a worker waiting for room wakes on its stop request.
    threads_.clear();
}

bool DigestWorkers::mayClaim() const
{
    return nextToClaim_ < int(outcomes_.size()) && nextToClaim_ < taken_ + ahead_;
}

void DigestWorkers::work(std::stop_token stop)
{
    yieldToOtherThreads();
    ReportDigester digester(rows_, options_, load_);
    while (true) {
        int index = 0;
        {
            std::unique_lock lock(mutex_);
            if (!changed_.wait(lock, stop, [this] { return mayClaim() || nextToClaim_ >= int(outcomes_.size()); }))
                return;
            if (nextToClaim_ >= int(outcomes_.size()))
                return;
            index = nextToClaim_++;
        }
        Outcome outcome;
        outcome.unreadable =
            CommandGuard::failureOf([&] { outcome.report = digester.digest(paths_[index], stop, keepParses_); });
        if (stop.stop_requested())
            return;
        {
            std::lock_guard lock(mutex_);
            outcomes_[std::size_t(index)] = std::move(outcome);
        }
        changed_.notify_all();
    }
}

std::optional<DigestWorkers::Outcome> DigestWorkers::take(int index, std::stop_token stop)
{
    std::optional<Outcome> outcome;
    {
        std::unique_lock lock(mutex_);
        if (!changed_.wait(lock, stop, [&] { return outcomes_[std::size_t(index)].has_value(); }))
            return std::nullopt;
        outcome = std::move(outcomes_[std::size_t(index)]);
        outcomes_[std::size_t(index)].reset();
        taken_ = index + 1;
    }
    changed_.notify_all();
    return outcome;
}
