#include "BackgroundParse.h"

#include "ParseObserver.h"
#include "common/DetachedThread.h"
#include "common/TextRules.h"

#include <mutex>
#include <stop_token>

namespace {

// Enough of a line for the status text "Parsing:  " + its first 20 characters.
constexpr qsizetype shownLineStart = 20;

} // namespace

struct BackgroundParse::Shared : ParseObserver
{
    mutable std::mutex mutex;
    Progress progress;
    std::optional<ParseResult> result;
    std::stop_source stop;
    Wake wake;

    void lineReached(qsizetype index, qsizetype lineCount, QStringView line) override
    {
        const QString start = TextRules::leftPiece(line, shownLineStart).toString();
        std::lock_guard lock(mutex);
        progress.lineIndex = index;
        progress.lineCount = lineCount;
        progress.lineStart = start;
    }

    void message(const QString &text) override
    {
        std::lock_guard lock(mutex);
        progress.messages << text;
    }

    void finished(ParseResult &&parsed)
    {
        std::lock_guard lock(mutex);
        result = std::move(parsed);
        if (wake)
            wake();
    }
};

BackgroundParse::BackgroundParse(TextLines report, Wake wake) : shared_(std::make_shared<Shared>())
{
    shared_->wake = std::move(wake);
    DetachedThread::start([shared = shared_, report = std::move(report)] {
        shared->finished(ParseResult::of(report, shared->stop.get_token(), shared.get()));
    });
}

BackgroundParse::~BackgroundParse()
{
    std::lock_guard lock(shared_->mutex);
    shared_->wake = nullptr;
    shared_->stop.request_stop();
}

BackgroundParse::Progress BackgroundParse::progress() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->progress;
}

std::optional<ParseResult> BackgroundParse::take()
{
    std::lock_guard lock(shared_->mutex);
    return std::exchange(shared_->result, std::nullopt);
}

void BackgroundParse::stop()
{
    shared_->stop.request_stop();
}
