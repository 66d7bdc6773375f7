#pragma once

#include "DigestedReport.h"
#include "ReportDigester.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

// The worker threads of a digest run. Each takes the next listed report nobody has taken yet, as
// long as it is no more than a few reports ahead of the one the run hands over next, and digests
// it with a digester of its own. The run takes the reports back in list order.
//
// Ahead means memory: every report being worked on, or done and waiting, holds its text and its
// section table (or at least its figures), so the bound keeps a run over thousands of reports as
// small as a run over a few.
class DigestWorkers
{
public:
    // What became of one listed report.
    struct Outcome
    {
        std::optional<DigestedReport> report;
        // Set instead of the report when it could not be read.
        std::optional<QString> unreadable;
    };

    DigestWorkers(const DigestRows &rows, const QStringList &paths, const ReportDigester::Options &options,
                  const ReportDigester::Loader &load, bool keepParses, int jobs);
    // Stops the workers and waits for them: one blocked in a read is waited for.
    ~DigestWorkers();
    DigestWorkers(const DigestWorkers &) = delete;
    DigestWorkers &operator=(const DigestWorkers &) = delete;

    // Waits for the report at `index`, the one after the last taken, and takes it. Nothing when a
    // stop was requested first.
    std::optional<Outcome> take(int index, std::stop_token stop);

private:
    void work(std::stop_token stop);
    bool mayClaim() const;

    const DigestRows &rows_;
    const QStringList &paths_;
    const ReportDigester::Options options_;
    const ReportDigester::Loader &load_;
    const bool keepParses_;
    const int ahead_;

    std::mutex mutex_;
    std::condition_variable_any changed_;
    std::vector<std::optional<Outcome>> outcomes_;
    int nextToClaim_ = 0;
    int taken_ = 0;
    // Last, so that the threads end before what they use goes.
    std::vector<std::jthread> threads_;
};
