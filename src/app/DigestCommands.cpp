#include "DigestCommands.h"

#include "ChartPanel.h"
#include "DigestPanel.h"
#include "SetupCountersPanel.h"
#include "StatusPanels.h"

#include "common/CommandGuard.h"
#include "common/TextFile.h"
#include "common/Ui.h"
#include "digest/DigestAverages.h"
#include "digest/DigestColumn.h"
#include "digest/DigestColumnMap.h"
#include "digest/DigestEditing.h"
#include "digest/DigestExport.h"
#include "digest/DigestReset.h"
#include "digest/DigestRows.h"
#include "digest/DigestRun.h"
#include "digest/DigestStatistics.h"
#include "digest/FileList.h"
#include "digest/ProblemList.h"
#include "digest/TimeWindow.h"
#include "grid/GridTable.h"
#include "report/ReportLoader.h"

using namespace Qt::StringLiterals;

namespace {

// "1:05" for 65 seconds.
QString minutesAndSeconds(qint64 milliseconds)
{
    const qint64 seconds = (milliseconds + 999) / 1000;
    return u"%1:%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// How often, at most, the digest table's views are told of the columns added, and the status
// panels and the progress bar of the reports done: often enough to look live, seldom enough that
// painting them does not take the time of the workers.
constexpr int tableRefreshMs = 500;
constexpr int statusRefreshMs = 100;

} // namespace

DigestCommands::DigestCommands(const Workspace &workspace, DigestPanel &panel, SetupCountersPanel &setupPanel,
                               StatusPanels &status, QObject *parent) :
    QObject(parent), work_(workspace), panel_(panel), setupPanel_(setupPanel), status_(status)
{
    connect(&panel, &DigestPanel::digestRequested, this, &DigestCommands::btDigestClick);
    connect(&panel, &DigestPanel::exportRequested, this, &DigestCommands::btExportClick);
    connect(&panel, &DigestPanel::deleteColumnRequested, this, &DigestCommands::miDelColClick);
    connect(&panel, &DigestPanel::digestKeyPressed, this, &DigestCommands::sgSysmonDigestKeyDown);
    connect(&panel, &DigestPanel::digestKeyReleased, this, &DigestCommands::sgSysmonDigestKeyUp);
    connect(&panel, &DigestPanel::digestMousePressed, this, &DigestCommands::sgSysmonDigestMouseDown);
    connect(&panel, &DigestPanel::digestMouseReleased, this, &DigestCommands::sgSysmonDigestMouseUp);
    connect(&panel, &DigestPanel::digestMouseEntered, this, &DigestCommands::sgSysmonDigestMouseEnter);
    connect(&panel, &DigestPanel::statisticsToggled, this, &DigestCommands::cbStatisticsClick);
    connect(&panel, &DigestPanel::problemChosen, this, &DigestCommands::sgProblemsDblClick);
    // A listed FIFO would never end: the window reads regular files only.
    load_ = [](const QString &path) {
        return ReportLoader::load(path, FileKinds::RegularOnly);
    };
    showColumns_.setInterval(tableRefreshMs);
    connect(&showColumns_, &QTimer::timeout, this, [this] { work_.sgSysmonDigest.publish(); });
    showStatus_.setInterval(statusRefreshMs);
    connect(&showStatus_, &QTimer::timeout, this, &DigestCommands::showRunStatus);
}

// A run still going when the window goes is abandoned: nothing of it reaches the window again.
DigestCommands::~DigestCommands() = default;

void DigestCommands::btDigestClick()
{
    if (digesting())
        return;
    CommandGuard::run(work_.ui, u"btDigestClick"_s, [&] {
        // A window that does not read is refused before the question, not after the user said Yes.
        const TimeWindow window = TimeWindow::fromTexts(panel_.fromText(), panel_.toText());
        if (DigestRun::mayStart(work_.sgFiles, work_.ui))
            startDigest(window);
    });
}

// Without Append the table is rebuilt from the counter set first; then the run starts on its own
// threads with the rows as they stand, which the window keeps from changing until it ends.
void DigestCommands::startDigest(const TimeWindow &window)
{
    busyScope_.emplace(work_.busy);
    digestingScope_.emplace(work_.digestBusy);
    GridTable &digest = work_.sgSysmonDigest;
    if (!panel_.appendTicked())
        panel_.chartPanel().setValueAxisItems(DigestReset::fromCounterSet(digest, work_.sgSysmonCounters));
    DigestStatistics::setShown(digest, panel_.statisticsTicked());
    problems_ = RunProblems();
    preparedProblems_.reset();
    showProblems({});
    paths_ = FileList::paths(work_.sgFiles);
    added_ = 0;
    shownAdded_ = 0;
    lastAddedPath_.clear();
    runClock_.start();
    showProgress(0, int(paths_.size()));
    batch_.emplace(digest);
    showColumns_.start();
    showStatus_.start();
    DigestRun::Input input { .rows = DigestRows::of(digest),
                             .paths = paths_,
                             .timeOnly = panel_.timeOnlyTicked(),
                             .window = window,
                             .listProblems = true,
                             .load = load_,
                             .jobs = jobs_,
                             .handOverParses = true,
                             .spareTables = nullptr };
    run_ = std::make_unique<BackgroundDigest>(std::move(input), DigestRowSums(digest, DigestColumnMap(digest)), [this] {
        QMetaObject::invokeMethod(this, &DigestCommands::takeArrivals, Qt::QueuedConnection);
    });
}

// The run has handed something over. A parse failure's error box waits for its turn in list
// order; while one is open, what arrives waits too, and is taken when the box closes.
void DigestCommands::takeArrivals()
{
    if (takingArrivals_ || !run_)
        return;
    takingArrivals_ = true;
    while (run_ && takeOnce() && addColumns()) { }
    takingArrivals_ = false;
    if (run_ && arrived_.empty() && end_)
        finishDigest(*end_);
}

// False when nothing new had arrived.
bool DigestCommands::takeOnce()
{
    BackgroundDigest::Arrivals arrivals = run_->take();
    if (arrivals.end)
        end_ = arrivals.end;
    if (arrivals.problems) {
        preparedProblems_ = std::move(arrivals.problems);
        preparedProblemCount_ = arrivals.problemCount;
    }
    for (DigestedReport &report : arrivals.reports)
        arrived_.push_back(std::move(report));
    return !arrivals.reports.empty() || arrivals.end;
}

// Adds the columns of the reports that have arrived, in order. True when an error box was shown on
// the way: more may have arrived meanwhile. The status panels catch up on a timer, and before a
// box, which speaks of the last column added: each change of a panel's text costs a layout of the
// status bar and a paint, and most would never be seen.
bool DigestCommands::addColumns()
{
    bool boxShown = false;
    while (run_ && !arrived_.empty()) {
        const DigestedReport report = std::move(arrived_.front());
        arrived_.pop_front();
        addColumn(report);
        // The parse reports its own failure, as "&Parse Sections" does, and the run goes on. A
        // report outside the time window is left out whatever its parse.
        if (report.parseFailure && !report.outsideTimeWindow) {
            showRunStatus();
            work_.ui.error(CommandGuard::errorText(u"DivideIntoSubs"_s, *report.parseFailure));
            boxShown = true;
        }
    }
    return boxShown;
}

void DigestCommands::addColumn(const DigestedReport &report)
{
    DigestColumn::append(work_.sgSysmonDigest, report);
    problems_.add(report.facts);
    ++added_;
    lastAddedPath_ = report.path;
}

void DigestCommands::showRunStatus()
{
    if (added_ == shownAdded_)
        return;
    shownAdded_ = added_;
    work_.ui.setStatus(StatusPanel::Messages, DigestRun::loadedStatus(lastAddedPath_));
    work_.ui.setStatus(StatusPanel::Files, u"Parsed %1 out of %2 files..."_s.arg(added_).arg(paths_.size()));
    showProgress(added_, int(paths_.size()));
}

void DigestCommands::cancelDigest()
{
    if (!run_)
        return;
    run_->abandon();
    takeOnce();
    while (!arrived_.empty()) {
        addColumn(arrived_.front());
        arrived_.pop_front();
    }
    // The report the run was working on gets its column, empty, as a run stopped inside a parse
    // always has left it.
    if (added_ < paths_.size())
        DigestColumn::appendEmpty(work_.sgSysmonDigest, paths_[added_]);
    finishDigest({ .end = DigestRun::End::Cancelled, .failure = QString(), .delivered = added_ });
}

// The averages cover the columns there are, however the run ended; the first tab takes the last
// report whose column was added. `result` is a copy: the run's end it is often given is reset
// right here, before its failure is shown. The rest of the end waits for the next turn of the
// event loop, so that the window answers (and paints the averages) in between; the commands stay
// refused until it is done.
void DigestCommands::finishDigest(DigestRun::Result result)
{
    std::optional<ParseResult> parse = run_->takeLatestParse();
    const DigestRowSums sums = run_->rowSums();
    run_.reset();
    end_.reset();
    showColumns_.stop();
    showStatus_.stop();
    showRunStatus();
    batch_.reset();
    CommandGuard::run(work_.ui, u"CalculateAverages"_s,
                      [&] { DigestAverages::calculate(work_.sgSysmonDigest, sums, work_.ui); });
    ending_.emplace(Ending { result, std::move(parse) });
    QTimer::singleShot(0, this, &DigestCommands::endDigest);
}

void DigestCommands::endDigest()
{
    auto [result, parse] = std::move(*std::exchange(ending_, std::nullopt));
    showRunProblems();
    if (result.end == DigestRun::End::Done)
        work_.ui.setStatus(StatusPanel::Messages, u"Digest Done."_s);
    if (parse)
        showOnFirstTab(*parse);
    status_.hideProgress();
    digestingScope_.reset();
    busyScope_.reset();
    if (result.end == DigestRun::End::Unreadable)
        work_.ui.error(CommandGuard::errorText(u"btDigestClick"_s, result.failure));
    emit digestFinished();
}

void DigestCommands::showOnFirstTab(ParseResult &parse)
{
    parse.completeLists();
    CommandGuard::run(work_.ui, u"btDigestClick"_s, [&] { work_.replaceReportText(parse.report); });
    work_.sgSysmonSections.takeCells(*parse.sections);
    work_.categoryLists = std::move(parse.lists);
    setupPanel_.setCategoryItems(work_.categoryLists);
}

// The time left is the time so far, shared out evenly over the reports done. The text is short
// enough for the narrow panel it stands in.
void DigestCommands::showProgress(int done, int total)
{
    QString text = u"%1 of %2"_s.arg(done).arg(total);
    if (done > 0)
        text += u", "_s % minutesAndSeconds(runClock_.elapsed() * (total - done) / done) % u" left"_s;
    status_.showProgress(done, total, text);
}

void DigestCommands::sgSysmonDigestMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                             const QPoint &globalPosition)
{
    CommandGuard::run(work_.ui, u"sgSysmonDigestMouseDown"_s, [&] {
        if (button != Qt::RightButton || modifiers != Qt::NoModifier || digesting()) {
            followCurrentRow();
            return;
        }
        const GridTable &digest = work_.sgSysmonDigest;
        iSelCol = digest.currentColumn();
        if (DigestEditing::isProtected(digest, iSelCol))
            return;
        panel_.popupDeleteColumn(DigestEditing::deleteColumnCaption(digest, iSelCol), globalPosition);
        followCurrentRow();
    });
}

void DigestCommands::miDelColClick()
{
    if (digesting())
        return;
    CommandGuard::run(work_.ui, u"miDelColClick"_s,
                      [this] { DigestEditing::deleteColumn(work_.sgSysmonDigest, iSelCol, work_.ui); });
}

void DigestCommands::sgSysmonDigestKeyDown(int key)
{
    CommandGuard::run(work_.ui, u"sgSysmonDigestKeyDown"_s, [&] {
        if (key != Qt::Key_Delete)
            followCurrentRow();
        else if (!digesting())
            DigestEditing::deleteCurrentRow(work_.sgSysmonDigest);
    });
}

void DigestCommands::sgSysmonDigestKeyUp()
{
    followCurrentRow();
}

void DigestCommands::sgSysmonDigestMouseUp()
{
    CommandGuard::run(work_.ui, u"sgSysmonDigestMouseUp"_s, [this] { followCurrentRow(); });
}

void DigestCommands::sgSysmonDigestMouseEnter()
{
    CommandGuard::run(work_.ui, u"sgSysmonDigestMouseEnter"_s, [this] { followCurrentRow(); });
}

// The run's problems come ready from the run's thread when it ended by itself; after an Esc they
// are listed here, for the reports whose columns were added.
void DigestCommands::showRunProblems()
{
    if (!preparedProblems_) {
        showProblems(problems_.list());
        return;
    }
    work_.sgProblems.takeCells(*preparedProblems_);
    preparedProblems_.reset();
    panel_.showProblemCount(preparedProblemCount_);
}

void DigestCommands::showProblems(const std::vector<ReportProblem> &problems)
{
    ProblemList::fill(work_.sgProblems, problems);
    panel_.showProblemCount(int(problems.size()));
}

void DigestCommands::cbStatisticsClick(bool ticked)
{
    if (digesting())
        return;
    CommandGuard::run(work_.ui, u"cbStatisticsClick"_s, [&] {
        DigestStatistics::setShown(work_.sgSysmonDigest, ticked);
        DigestStatistics::calculate(work_.sgSysmonDigest);
    });
}

void DigestCommands::sgProblemsDblClick(int row)
{
    CommandGuard::run(work_.ui, u"sgProblemsDblClick"_s, [&] {
        const GridTable &problems = work_.sgProblems;
        GridTable &digest = work_.sgSysmonDigest;
        const ProblemList::Place place = ProblemList::placeOf(digest, problems.cell(ProblemList::Report, row).toString(),
                                                              problems.cell(ProblemList::Counter, row).toString());
        if (!place.column) {
            work_.ui.setStatus(StatusPanel::Messages, u"The report has no column in the digest table."_s);
            return;
        }
        digest.setCurrentCell(*place.column, place.row.value_or(digest.currentRow()));
        panel_.focusDigestTable();
        followCurrentRow();
    });
}

void DigestCommands::followCurrentRow()
{
    panel_.chartPanel().setValueAxis2Text(DigestEditing::currentCounterName(work_.sgSysmonDigest));
}

void DigestCommands::btExportClick()
{
    CommandGuard::run(work_.ui, u"btExportClick"_s, [this] {
        DigestExport::exportCsv(work_.sgSysmonDigest, panel_.swapAxesTicked(), panel_.delimiterText(),
                                TextFile::writeEncodingFor(work_.counterFileEncoding), work_.ui);
    });
}
