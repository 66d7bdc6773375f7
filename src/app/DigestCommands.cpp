#include "DigestCommands.h"

#include "BusyGuard.h"
#include "ChartPanel.h"
#include "DigestPanel.h"
#include "SetupCountersPanel.h"
#include "StatusPanels.h"

#include "common/CommandGuard.h"
#include "common/TextFile.h"
#include "common/Ui.h"
#include "digest/DigestEditing.h"
#include "digest/DigestExport.h"
#include "digest/DigestRun.h"
#include "digest/DigestStatistics.h"
#include "digest/FileList.h"
#include "digest/ProblemList.h"
#include "digest/TimeWindow.h"
#include "grid/GridTable.h"
#include "report/ReportLoader.h"

#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

// "1:05" for 65 seconds.
QString minutesAndSeconds(qint64 milliseconds)
{
    const qint64 seconds = (milliseconds + 999) / 1000;
    return u"%1:%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The progress bar goes however the run ends.
class ProgressShown
{
public:
    explicit ProgressShown(StatusPanels &status) : status_(status) { }
    ~ProgressShown() { status_.hideProgress(); }
    ProgressShown(const ProgressShown &) = delete;
    ProgressShown &operator=(const ProgressShown &) = delete;

private:
    StatusPanels &status_;
};

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
}

bool DigestCommands::digesting() const
{
    return work_.digestBusy.busy();
}

void DigestCommands::btDigestClick()
{
    bool started = false;
    CommandGuard::run(work_.ui, u"btDigestClick"_s, [&] {
        // A window that does not read is refused before the question, not after the user said Yes.
        const TimeWindow window = TimeWindow::fromTexts(panel_.fromText(), panel_.toText());
        if (!DigestRun::mayStart(work_.sgFiles, work_.ui))
            return;
        started = true;
        runDigest(window);
    });
    // However the run ended, the first tab's category boxes offer what the section table holds.
    if (started)
        setupPanel_.setCategoryItems(work_.categoryLists);
}

void DigestCommands::runDigest(const TimeWindow &window)
{
    const BusyGuard::Scope busy(work_.busy);
    const BusyGuard::Scope digesting(work_.digestBusy);
    const ProgressShown progress(status_);
    const QStringList paths = FileList::paths(work_.sgFiles);
    runClock_.start();
    showProgress(0, int(paths.size()));

    DigestRun::Hooks hooks;
    // A listed FIFO would hold the window for ever: only regular files are read.
    hooks.loadReport = [](const QString &path, WorkPacer &pacer) {
        return ReportLoader::load(path, FileKinds::RegularOnly, &pacer);
    };
    hooks.reportLoaded = work_.replaceReportText;
    hooks.rowsReset = [this](const QStringList &names) {
        panel_.chartPanel().setValueAxisItems(names);
    };
    // The parse reports its own failure, as "&Parse Sections" does, and the run goes on.
    hooks.parseFailed = [this](const QString &, const QString &message) {
        work_.ui.error(CommandGuard::errorText(u"DivideIntoSubs"_s, message));
    };
    hooks.reportDone = [this](int done, int total) {
        showProgress(done, total);
    };
    const DigestRun::Tables tables { work_.sgSysmonDigest, work_.sgSysmonCounters, work_.sgSysmonSections,
                                     work_.categoryLists };
    showProblems({});
    DigestRun digestRun(tables, work_.ui, work_.bAbort, std::move(hooks), pumpIntervalMs_);
    // However the run ends, the problems of the reports it got through are listed.
    const auto listProblems = qScopeGuard([&] { showProblems(digestRun.problems()); });
    digestRun.run(paths,
                  { .append = panel_.appendTicked(),
                    .timeOnly = panel_.timeOnlyTicked(),
                    .statistics = panel_.statisticsTicked(),
                    .window = window });
}

void DigestCommands::showProblems(const std::vector<ReportProblem> &problems)
{
    ProblemList::fill(work_.sgProblems, problems);
    panel_.showProblemCount(int(problems.size()));
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

void DigestCommands::followCurrentRow()
{
    panel_.chartPanel().setValueAxis2Text(DigestEditing::currentCounterName(work_.sgSysmonDigest));
}

void DigestCommands::cbStatisticsClick(bool ticked)
{
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
        const ProblemList::Place place = ProblemList::placeOf(digest, problems.cell(ProblemList::Report, row),
                                                              problems.cell(ProblemList::Counter, row));
        if (!place.column) {
            work_.ui.setStatus(StatusPanel::Messages, u"The report has no column in the digest table."_s);
            return;
        }
        digest.setCurrentCell(*place.column, place.row.value_or(digest.currentRow()));
        panel_.focusDigestTable();
        followCurrentRow();
    });
}

void DigestCommands::btExportClick()
{
    CommandGuard::run(work_.ui, u"btExportClick"_s, [this] {
        DigestExport::exportCsv(work_.sgSysmonDigest, panel_.swapAxesTicked(), panel_.delimiterText(),
                                TextFile::writeEncodingFor(work_.counterFileEncoding), work_.ui);
    });
}
