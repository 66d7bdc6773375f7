#include "TfmQuorvel.h"

#include "BusyGuard.h"
#include "ChartCommands.h"
#include "ComparisonCommands.h"
#include "ComparisonPanel.h"
#include "CounterCommandNames.h"
#include "CounterCommands.h"
#include "DigestCommands.h"
#include "DigestPanel.h"
#include "FileListCommands.h"
#include "QtDialogs.h"
#include "ReportMemo.h"
#include "SetupCountersPanel.h"
#include "StatusPanels.h"
#include "SysmonFilesPanel.h"
#include "WindowUi.h"

#include "common/CommandGuard.h"
#include "compare/ComparisonTableLayout.h"
#include "counters/CounterSet.h"
#include "counters/CounterSetFile.h"
#include "counters/CounterTypes.h"
#include "digest/DigestTableLayout.h"
#include "digest/FileListLayout.h"
#include "digest/ProblemList.h"
#include "report/BackgroundParse.h"
#include "report/ReportLoader.h"
#include "report/SectionTableLayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

enum Tab {
    SetupCountersTab = 0,
    SysmonFilesTab = 1,
    DigestTab = 2,
    ComparisonTab = 3,
};

// How often the status bar shows how far a parse has got.
constexpr int parseProgressMs = 50;

QString helpText(int tab)
{
    switch (tab) {
    case SetupCountersTab:
        return u"Please Setup Sysmon Counters {Open->Parse->Select->Add}"_s;
    case SysmonFilesTab:
        return u"Please Choose Files to Work On {Add Files->Select}"_s;
    case DigestTab:
        return u"Start Digest Operation {Start Parsing->Display In Graph->Export}"_s;
    case ComparisonTab:
        return u"Compare Two Periods of the Digest {Mark Baseline->Compare->Sort->Export->Chart}"_s;
    default:
        return {};
    }
}

} // namespace

TfmQuorvel::TfmQuorvel(Dialogs *dialogs, QWidget *parent) :
    QMainWindow(parent),
    sgSysmonSections(SectionTableLayout::columnCount),
    sgSysmonCounters(CounterSet::columnCount),
    sgFiles(FileListLayout::columnCount),
    sgSysmonDigest(DigestTableLayout::fixedColumnCount),
    sgProblems(ProblemList::columnCount),
    sgPeriodComparison(ComparisonTableLayout::columnCount)
{
    setObjectName(u"fmQuorvel"_s);
    setWindowTitle(u"Sybase Quorvel v.1.2"_s);
    sgSysmonSections.setObjectName(u"sgSysmonSections"_s);
    sgSysmonCounters.setObjectName(u"sgSysmonCounters"_s);
    sgFiles.setObjectName(u"sgFiles"_s);
    sgSysmonDigest.setObjectName(u"sgSysmonDigest"_s);
    sgProblems.setObjectName(u"sgProblems"_s);
    ProblemList::fill(sgProblems, {});
    sgPeriodComparison.setObjectName(u"sgPeriodComparison"_s);

    sbStatus = new StatusPanels(this);
    setStatusBar(sbStatus);
    if (!dialogs) {
        ownDialogs_ = std::make_unique<QtDialogs>(this);
        dialogs = ownDialogs_.get();
    }
    ui_ = std::make_unique<WindowUi>(*sbStatus, *dialogs);

    parseProgressShown_.setInterval(parseProgressMs);
    connect(&parseProgressShown_, &QTimer::timeout, this, &TfmQuorvel::showParseProgress);

    buildTabs();
    guardLongCommands();
    wireCommands();
    resize(929, 646);
    placeAtDesktopCentre();

    // Key preview: the window's key handlers see every key typed in its controls first.
    qApp->installEventFilter(this);
}

// A parse or a digest still under way is abandoned: nothing of it reaches the window again.
TfmQuorvel::~TfmQuorvel()
{
    qApp->removeEventFilter(this);
}

bool TfmQuorvel::busy() const
{
    return busy_->busy();
}

void TfmQuorvel::buildTabs()
{
    tabControls = new QTabWidget(this);
    tabControls->setObjectName(u"tabControls"_s);
    paSetupCounters = new SetupCountersPanel(sgSysmonCounters, sgSysmonSections);
    paSysmonFiles = new SysmonFilesPanel(sgFiles);
    paDigest = new DigestPanel(sgSysmonDigest, sgProblems);
    paCompare = new ComparisonPanel(sgPeriodComparison);
    tabControls->addTab(paSetupCounters, u"Select Sysmon Coun&ters"_s);
    tabControls->addTab(paSysmonFiles, u"Select Sysmon F&iles"_s);
    tabControls->addTab(paDigest, u"Di&gest Sysmon Counters"_s);
    tabControls->addTab(paCompare, u"Compa&re Periods"_s);
    setCentralWidget(tabControls);

    // The report view lies over the tab pages, not over the tab bar, so the tabs stay usable.
    meSysmon = new ReportMemo(tabControls);
    meSysmon->cover(tabControls->findChild<QStackedWidget *>(QString(), Qt::FindDirectChildrenOnly));
}

void TfmQuorvel::wireCommands()
{
    const CounterCommands::Workspace counterWork { .sgSysmonSections = sgSysmonSections,
                                                   .sgSysmonCounters = sgSysmonCounters,
                                                   .categoryLists = categoryLists,
                                                   .ui = ui(),
                                                   .counterFileEncoding = counterFileEncoding };
    counterCommands_ = new CounterCommands(counterWork, *paSetupCounters, *paDigest, this);
    chartCommands_ = new ChartCommands(sgSysmonDigest, ui(), *paDigest, this);
    fileListCommands_ = new FileListCommands(sgFiles, ui(), counterFileEncoding, *paSysmonFiles, this);
    const DigestCommands::Workspace digestWork {
        .sgFiles = sgFiles,
        .sgSysmonCounters = sgSysmonCounters,
        .sgSysmonSections = sgSysmonSections,
        .sgSysmonDigest = sgSysmonDigest,
        .sgProblems = sgProblems,
        .categoryLists = categoryLists,
        .ui = ui(),
        .counterFileEncoding = counterFileEncoding,
        .replaceReportText = [this](const TextLines &report) { replaceReportLines(report); },
        .busy = *busy_,
        .digestBusy = *digestBusy_,
    };
    digestCommands_ = new DigestCommands(digestWork, *paDigest, *paSetupCounters, *sbStatus, this);
    const ComparisonCommands::Workspace comparisonWork {
        .sgSysmonDigest = sgSysmonDigest,
        .sgPeriodComparison = sgPeriodComparison,
        .ui = ui(),
        .counterFileEncoding = counterFileEncoding,
        .showDigestTab = [this] { tabControls->setCurrentIndex(DigestTab); },
        .showComparisonTab = [this] { tabControls->setCurrentIndex(ComparisonTab); },
    };
    comparisonCommands_ = new ComparisonCommands(comparisonWork, *paDigest, *paCompare, *chartCommands_, this);
    connect(tabControls, &QTabWidget::currentChanged, this, &TfmQuorvel::tabControlsChange);
    connect(paSetupCounters, &SetupCountersPanel::loadReportRequested, this, &TfmQuorvel::btOpenLoadSysmonFileClick);
    connect(paSetupCounters, &SetupCountersPanel::showReportRequested, this, &TfmQuorvel::btOpenSysmonFileClick);
    connect(paDigest, &DigestPanel::showReportRequested, this, &TfmQuorvel::btOpenSysmonFileClick);
    connect(paSetupCounters, &SetupCountersPanel::parseRequested, this, &TfmQuorvel::btDivideIntoSubsClick);
}

// What a parse or a digest run refuses: loading or showing another report would replace the
// report text, and a second parse or a digest would rebuild the section table inside the first. A
// digest also refuses what would change the file list, the counter set or the digest table under
// it. Each panel names its own controls.
void TfmQuorvel::guardLongCommands()
{
    busy_ = std::make_unique<BusyGuard>(*this);
    paSetupCounters->refuseWhileBusy(*busy_);
    paDigest->refuseWhileBusy(*busy_);
    paCompare->refuseWhileBusy(*busy_);
    digestBusy_ = std::make_unique<BusyGuard>(*this);
    // Adding files opens a dialog: refused during a parse too.
    paSysmonFiles->refuseWhileDigesting(*busy_);
    paSetupCounters->refuseCounterEditsWhileDigesting(*digestBusy_);
    paDigest->refuseWhileDigesting(*digestBusy_);
}

void TfmQuorvel::placeAtDesktopCentre()
{
    if (const QScreen *desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
}

Ui &TfmQuorvel::ui()
{
    return *ui_;
}

QString TfmQuorvel::statusText(int panel) const
{
    return sbStatus->text(panel);
}

TextLines TfmQuorvel::reportLines() const
{
    return meSysmon->lines();
}

void TfmQuorvel::replaceReportLines(const TextLines &lines)
{
    meSysmon->setLines(lines);
}

bool TfmQuorvel::reportViewShowing() const
{
    return meSysmon->isShowing();
}

// The initialisation waits for the event loop so that the window is on the screen first; it runs
// once, whether the first activation or the first show comes first (some platforms never
// activate a window).
bool TfmQuorvel::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        queueInitialisation();
    return QMainWindow::event(event);
}

void TfmQuorvel::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    queueInitialisation();
}

void TfmQuorvel::queueInitialisation()
{
    if (initialisationQueued_)
        return;
    initialisationQueued_ = true;
    QMetaObject::invokeMethod(this, &TfmQuorvel::FormActivate, Qt::QueuedConnection);
}

void TfmQuorvel::FormActivate()
{
    if (initialised_)
        return;
    initialised_ = true;
    // The date conventions (day first, "/" and ":") are fixed in DateTimeText for the whole
    // process, whatever the desktop's regional settings say; there is nothing to switch here.

    paSetupCounters->setCounterTypeItems(CounterTypes::all());

    SectionTableLayout::reset(sgSysmonSections);
    CounterSet::reset(sgSysmonCounters);
    FileListLayout::reset(sgFiles);
    DigestTableLayout::reset(sgSysmonDigest);
    ComparisonTableLayout::reset(sgPeriodComparison);

    if (tabControls->currentIndex() == SetupCountersTab)
        tabControlsChange();
    else
        tabControls->setCurrentIndex(SetupCountersTab);

    // Show the empty tables and the help text before the counter set file is read.
    QCoreApplication::processEvents();
    LoadCountersFromIniFile();
    emit startupFinished();
}

void TfmQuorvel::tabControlsChange()
{
    ui().setStatus(StatusPanel::Progress, QString());
    ui().setStatus(StatusPanel::Files, QString());
    const int tab = tabControls->currentIndex();
    // The digest table gets the whole panel each time; the user drags the chart open.
    if (tab == DigestTab)
        paDigest->collapseChart();
    ui().setStatus(StatusPanel::Messages, helpText(tab));
}

void TfmQuorvel::LoadCountersFromIniFile()
{
    if (const auto found = CounterSetFile::loadDefault(sgSysmonCounters, ui(),
                                                       QString::fromUtf16(CounterCommandNames::loadDefaultCounters)))
        counterFileEncoding = *found;
}

bool TfmQuorvel::isKeyForThisWindow(QObject *receiver) const
{
    // A key travels from the focused control up through its parents; the window handles it once,
    // when it reaches the control it was meant for. Keys in dialogs and popups are not the window's.
    if (!receiver->isWidgetType() || static_cast<QWidget *>(receiver)->window() != this)
        return false;
    const QWidget *target = focusWidget() ? focusWidget() : this;
    return receiver == target;
}

bool TfmQuorvel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isKeyForThisWindow(watched)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        FormKeyDown(key->key(), key->modifiers());
        FormKeyPress(key->key());
    }
    // The key is never consumed: the focused control still receives it.
    return QMainWindow::eventFilter(watched, event);
}

// Closing the window ends the run: a parse or a digest under way stops rather than reading on for
// a window no one sees.
void TfmQuorvel::closeEvent(QCloseEvent *event)
{
    if (parse_)
        parse_->stop();
    digestCommands_->cancelDigest();
    QMainWindow::closeEvent(event);
}

void TfmQuorvel::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!paSetupCounters->isVisible())
        return;
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held == Qt::ControlModifier && key == Qt::Key_F)
        paSetupCounters->focusSearch();
    // F3 finds the next row holding the search text, as it does in most programs that find text.
    else if (held == Qt::NoModifier && key == Qt::Key_F3 && !busy())
        counterCommands_->btSearchClick();
}

void TfmQuorvel::FormKeyPress(int key)
{
    if (key != Qt::Key_Escape)
        return;
    if (meSysmon->isShowing()) {
        meSysmon->hideReport();
        return;
    }
    ui().setStatus(StatusPanel::Messages, u"Abort operation captured."_s);
    if (parse_)
        parse_->stop();
    digestCommands_->cancelDigest();
}

// A report is read on the window's thread: a regular file of at most the report size limit is read,
// decoded and split in well under a second.
TextLines TfmQuorvel::loadReport(const QString &path)
{
    return ReportLoader::load(path, FileKinds::RegularOnly);
}

void TfmQuorvel::btOpenLoadSysmonFileClick()
{
    CommandGuard::run(ui(), u"LoadSysmonFile"_s, [this] {
        const QStringList chosen = ui().openFiles(false, std::nullopt);
        if (chosen.isEmpty())
            return;
        sSingleSysmonFile = chosen.first();
        replaceReportLines(loadReport(sSingleSysmonFile));
        ui().setStatus(StatusPanel::Files, ReportLoader::loadedStatus(sSingleSysmonFile));
    });
}

void TfmQuorvel::btOpenSysmonFileClick()
{
    CommandGuard::run(ui(), u"OpenSysmonFile"_s, [this] {
        const QStringList chosen = ui().openFiles(false, sSingleSysmonFile);
        if (chosen.isEmpty())
            return;
        meSysmon->clearLines();
        sSingleSysmonFile = chosen.first();
        const TextLines lines = loadReport(sSingleSysmonFile);
        if (!lines.isEmpty()) {
            // A report the view cannot hold is refused before it becomes the report text.
            ReportMemo::checkFitsView(lines);
            meSysmon->setLines(lines);
            meSysmon->showReport();
        }
        ui().setStatus(StatusPanel::Files, ReportLoader::loadedStatus(sSingleSysmonFile));
    });
}

// The report text as it stands is parsed on a thread of its own while the window stays live; the
// section table and the category boxes show the result when it is there.
void TfmQuorvel::btDivideIntoSubsClick()
{
    if (busy())
        return;
    parseScope_ = std::make_unique<BusyGuard::Scope>(*busy_);
    parseLineShown_ = -1;
    parse_ = std::make_unique<BackgroundParse>(
        reportLines(), [this] { QMetaObject::invokeMethod(this, &TfmQuorvel::parseEnded, Qt::QueuedConnection); });
    parseProgressShown_.start();
}

// "Metrics i of n" and "Parsing:  " + the line's first 20 characters + "...", for the latest line
// that reached the status step.
void TfmQuorvel::showParseProgress()
{
    const BackgroundParse::Progress progress = parse_->progress();
    if (progress.lineIndex == parseLineShown_)
        return;
    parseLineShown_ = progress.lineIndex;
    ui().setStatus(StatusPanel::Progress, u"Metrics %1 of %2"_s.arg(progress.lineIndex).arg(progress.lineCount));
    ui().setStatus(StatusPanel::Messages, u"Parsing:  "_s % progress.lineStart % u"..."_s);
}

// After a failure the table and the lists are as far as the parse got (the lists empty when it
// failed before the line scan ended), and so are the boxes.
void TfmQuorvel::parseEnded()
{
    if (!parse_)
        return;
    std::optional<ParseResult> result = parse_->take();
    if (!result)
        return;
    parseProgressShown_.stop();
    showParseProgress();
    for (const QString &message : parse_->progress().messages)
        ui().setStatus(StatusPanel::Messages, message);
    sgSysmonSections.takeCells(*result->sections);
    categoryLists = std::move(result->lists);
    parse_.reset();
    parseScope_.reset();
    if (result->failure)
        ui().error(CommandGuard::errorText(u"DivideIntoSubs"_s, *result->failure));
    paSetupCounters->setCategoryItems(categoryLists);
    emit parseFinished();
}
