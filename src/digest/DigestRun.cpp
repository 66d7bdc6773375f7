#include "DigestRun.h"

#include "DigestWorkers.h"
#include "FileList.h"
#include "common/CommandGuard.h"
#include "common/TextRules.h"
#include "common/Ui.h"

#include <QThread>

#include <algorithm>
#include <utility>

namespace {

// The panel shows the end of the path: enough for a file name that differs by a time stamp.
constexpr qsizetype shownPathTail = 11;

} // namespace

DigestRun::DigestRun(Input input) : input_(std::move(input))
{ }

QString DigestRun::loadedStatus(const QString &path)
{
    return QStringLiteral("Loaded Sysmon File ...") % TextRules::rightPiece(path, shownPathTail) %
        QStringLiteral("...");
}

int DigestRun::defaultJobs()
{
    return std::max(1, QThread::idealThreadCount());
}

bool DigestRun::mayStart(const GridTable &files, Ui &ui)
{
    if (!FileList::hasFiles(files)) {
        ui.info(QStringLiteral("Please select files first."));
        return false;
    }
    return ui.confirm(QStringLiteral("Start Parsing Sysmon Files?"));
}

ReportDigester::Options DigestRun::digesterOptions() const
{
    return { .timeOnly = input_.timeOnly,
             .window = input_.window,
             .listProblems = input_.listProblems,
             .spareTables = input_.spareTables };
}

DigestRun::Result DigestRun::run(Observer &observer, std::stop_token stop)
{
    const int jobs = std::min<qsizetype>(input_.jobs > 0 ? input_.jobs : defaultJobs(), input_.paths.size());
    return jobs <= 1 ? runHere(observer, stop) : runOnWorkers(observer, stop, jobs);
}

// One job: no thread is worth starting, the reports are digested one after the other right here.
DigestRun::Result DigestRun::runHere(Observer &observer, std::stop_token stop)
{
    Result result;
    ReportDigester digester(input_.rows, digesterOptions(), input_.load);
    for (const QString &path : std::as_const(input_.paths)) {
        if (stop.stop_requested()) {
            result.end = End::Cancelled;
            return result;
        }
        std::optional<DigestedReport> report;
        if (const auto failure =
                CommandGuard::failureOf([&] { report = digester.digest(path, stop, input_.handOverParses); })) {
            result.end = End::Unreadable;
            result.failure = *failure;
            return result;
        }
        // A stop during the parse leaves a report cut short: it is not handed over.
        if (stop.stop_requested()) {
            result.end = End::Cancelled;
            return result;
        }
        observer.reportDigested(result.delivered++, std::move(*report));
    }
    return result;
}

DigestRun::Result DigestRun::runOnWorkers(Observer &observer, std::stop_token stop, int jobs)
{
    Result result;
    DigestWorkers workers(input_.rows, input_.paths, digesterOptions(), input_.load, input_.handOverParses, jobs);
    for (int index = 0; index < input_.paths.size(); ++index) {
        std::optional<DigestWorkers::Outcome> outcome = workers.take(index, stop);
        if (!outcome || stop.stop_requested()) {
            result.end = End::Cancelled;
            return result;
        }
        if (outcome->unreadable) {
            result.end = End::Unreadable;
            result.failure = *outcome->unreadable;
            return result;
        }
        observer.reportDigested(result.delivered++, std::move(*outcome->report));
    }
    return result;
}
