#include "DigestRun.h"

#include "CounterNameIndex.h"
#include "DigestAverages.h"
#include "DigestCopy.h"
#include "DigestReset.h"
#include "DigestTableLayout.h"
#include "FileList.h"
#include "SampleTime.h"
#include "common/CommandGuard.h"
#include "common/TextRules.h"
#include "common/Ui.h"
#include "grid/GridTable.h"
#include "report/BinaryReportCheck.h"
#include "report/ReportParser.h"

#include <optional>
#include <utility>

namespace {

// The panel shows the end of the path: enough for a file name that differs by a time stamp.
constexpr qsizetype shownPathTail = 11;

QString loadedStatus(const QString &path)
{
    return QStringLiteral("Loaded Sysmon File ...") % TextRules::rightPiece(path, shownPathTail) %
        QStringLiteral("...");
}

} // namespace

DigestRun::DigestRun(const Tables &tables, Ui &ui, bool &abortFlag, Hooks hooks, int pumpIntervalMs) :
    tables_(tables), ui_(ui), abortFlag_(abortFlag), hooks_(std::move(hooks)), pacer_(ui, pumpIntervalMs)
{ }

bool DigestRun::mayStart(const GridTable &files, Ui &ui)
{
    if (!FileList::hasFiles(files)) {
        ui.info(QStringLiteral("Please select files first."));
        return false;
    }
    return ui.confirm(QStringLiteral("Start Parsing Sysmon Files?"));
}

DigestRun::Outcome DigestRun::run(const QStringList &paths, const Options &options)
{
    abortFlag_ = false;
    // The views hear of the new columns and their figures when the window gets control, and at
    // the end however the run ends.
    GridTable::BulkUpdate batch(tables_.digest);
    const WorkPacer::Hook showColumns(pacer_, [this] { showColumnsNowAndThen(); });
    if (!options.append)
        reset();
    // The rows stay as they are while the run works: the window refuses every edit of the table.
    const CounterNameIndex index(tables_.digest);
    const int total = int(paths.size());
    for (int done = 1; done <= total; ++done) {
        if (!digestReport(paths[done - 1], index, options.timeOnly)) {
            calculateAverages();
            return Outcome::Aborted;
        }
        ui_.setStatus(StatusPanel::Files, QStringLiteral("Parsed %1 out of %2 files...").arg(done).arg(total));
        if (hooks_.reportDone)
            hooks_.reportDone(done, total);
    }
    pacer_.handBack();
    calculateAverages();
    ui_.setStatus(StatusPanel::Messages, QStringLiteral("Digest Done."));
    return Outcome::Done;
}

void DigestRun::reset()
{
    const QStringList names = DigestReset::fromCounterSet(tables_.digest, tables_.counters);
    if (hooks_.rowsReset)
        hooks_.rowsReset(names);
}

// False when the run is to end: an Esc seen during the parse, or while the window had control
// right after it, leaves this report's column empty. Short reports are parsed without the parser
// handing control back; the run's budget then hands it back between reports.
bool DigestRun::digestReport(const QString &path, const CounterNameIndex &index, bool timeOnly)
{
    parseReport(path);
    pacer_.tickNow();
    const int column = addReportColumn();
    tables_.digest.setColumnNote(column, DigestTableLayout::ReportPath, path);
    tables_.digest.setColumnNote(column, DigestTableLayout::SamplingStart, SampleTime::of(tables_.sections, false));
    return DigestCopy::copyReport(tables_.digest, column, tables_.sections, index,
                                  SampleTime::of(tables_.sections, timeOnly), abortFlag_);
}

// The report's text lives only as long as its parse, unless the window keeps it: a run over
// thousands of reports holds one at a time.
void DigestRun::parseReport(const QString &path)
{
    const TextLines report = hooks_.loadReport(path, pacer_);
    // The parser clears the abort flag when it starts; an Esc seen while the report was read must
    // still end the run after this report, as one seen during the parse does.
    const bool escWhileLoading = abortFlag_;
    if (hooks_.reportLoaded)
        hooks_.reportLoaded(report);
    ui_.setStatus(StatusPanel::Messages, loadedStatus(path));
    std::optional<QString> failure = CommandGuard::failureOf(
        [&] { ReportParser(tables_.sections, tables_.categoryLists, ui_, abortFlag_).run(report, pacer_); });
    if (escWhileLoading)
        abortFlag_ = true;
    if (const std::optional<QString> binary = BinaryReportCheck::failureOf(path, report))
        failure = binary;
    if (failure && hooks_.parseFailed)
        hooks_.parseFailed(path, *failure);
}

// The table's views are told of the new columns only now and then, when the window gets control:
// for every change of the column count a view lays out its header anew and repaints every cell it
// shows, which costs more than digesting the report.
void DigestRun::showColumnsNowAndThen()
{
    if (!tableShown_.isValid() || tableShown_.elapsed() >= tableRefreshMs) {
        tables_.digest.publish();
        tableShown_.start();
    }
}

int DigestRun::addReportColumn()
{
    GridTable &digest = tables_.digest;
    digest.setColumns(digest.columns() + 1);
    return digest.columns() - 1;
}

// The averages guard themselves: a failure there is shown and the run still ends as it would.
void DigestRun::calculateAverages()
{
    CommandGuard::run(ui_, QStringLiteral("CalculateAverages"),
                      [this] { DigestAverages::calculate(tables_.digest, ui_); });
}
