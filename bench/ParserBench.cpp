// How fast "&Parse Sections" runs: each real report and a large generated report, headless (as the
// command line and the digest run use it), through a bare window whose table view shows the section
// table while the parse hands control back to it, and through the program's own main window.
#include "Dialogs.h"
#include "GridView.h"
#include "LargeReport.h"
#include "SetupCountersPanel.h"
#include "TfmQuorvel.h"
#include "common/TextLines.h"
#include "common/Ui.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int largeReportLines = 60000;

// Longest stretch between two moments, from a start.
class GapClock
{
public:
    void start()
    {
        clock_.start();
        last_ = 0;
    }
    void tick()
    {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    double longestMs() const { return double(longest_) / 1e6; }

private:
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

class HeadlessUi : public Ui
{
public:
    void setStatus(StatusPanel, const QString &) override { }
    void pumpEvents() override { }
    void error(const QString &text) override { qFatal("parse failed: %s", qPrintable(text)); }
    void info(const QString &) override { }
    bool confirm(const QString &) override { return false; }
    QStringList openFiles(bool, const std::optional<QString> &) override { return {}; }
    QString saveFile(const QString &) override { return {}; }
};

// The window's side of a parse: status texts into a status bar, and every hand-back lets the
// window repaint and see keys.
class StatusBarUi : public HeadlessUi
{
public:
    explicit StatusBarUi(QLabel *panels[3]) : panels_ { panels[0], panels[1], panels[2] } { }

    void setStatus(StatusPanel panel, const QString &text) override { panels_[std::size_t(panel)]->setText(text); }
    void pumpEvents() override
    {
        gaps.tick();
        QCoreApplication::processEvents();
        ++pumps;
    }

    GapClock gaps;
    int pumps = 0;

private:
    std::array<QLabel *, 3> panels_;
};

// Counts the table view's repaints and the longest time without one.
class PaintWatch : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            gaps.tick();
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }

    GapClock gaps;
    int paints = 0;
};

struct Tables
{
    GridTable sections { SectionTableLayout::columnCount };
    CategoryLists lists;
    bool abortFlag = false;
};

void reportLines(benchmark::State &state, const TextLines &lines)
{
    state.counters["lines"] = double(lines.count());
    state.counters["lines_per_second"] =
        benchmark::Counter(double(lines.count()), benchmark::Counter::kIsIterationInvariantRate);
}

void parseHeadless(benchmark::State &state, const TextLines &lines)
{
    Tables tables;
    HeadlessUi ui;
    ReportParser parser(tables.sections, tables.lists, ui, tables.abortFlag);
    for (auto _ : state) {
        parser.run(lines);
        benchmark::DoNotOptimize(tables.sections.rows());
    }
    reportLines(state, lines);
    state.counters["rows"] = tables.sections.rows();
}

void parseThroughWindow(benchmark::State &state, const TextLines &lines)
{
    Tables tables;
    QMainWindow window;
    auto *view = new QTableView(&window);
    view->setModel(&tables.sections);
    view->horizontalHeader()->setStretchLastSection(true);
    window.setCentralWidget(view);
    QLabel *panels[3] = { new QLabel(&window), new QLabel(&window), new QLabel(&window) };
    for (QLabel *panel : panels)
        window.statusBar()->addWidget(panel);
    window.resize(1280, 900);
    window.show();
    QCoreApplication::processEvents();

    PaintWatch paintWatch;
    view->viewport()->installEventFilter(&paintWatch);
    StatusBarUi ui(panels);
    ReportParser parser(tables.sections, tables.lists, ui, tables.abortFlag);
    double longestPumpGap = 0;
    double longestPaintGap = 0;
    for (auto _ : state) {
        ui.gaps.start();
        paintWatch.gaps.start();
        parser.run(lines);
        ui.gaps.tick();
        QCoreApplication::processEvents(); // the window shows the finished table
        paintWatch.gaps.tick();
        benchmark::DoNotOptimize(tables.sections.rows());
        longestPumpGap = std::max(longestPumpGap, ui.gaps.longestMs());
        longestPaintGap = std::max(longestPaintGap, paintWatch.gaps.longestMs());
    }
    reportLines(state, lines);
    state.counters["longest_gap_between_pumps_ms"] = longestPumpGap;
    state.counters["longest_gap_between_repaints_ms"] = longestPaintGap;
    state.counters["pumps_per_parse"] = double(ui.pumps) / double(state.iterations());
    state.counters["repaints_per_parse"] = double(paintWatch.paints) / double(state.iterations());
}

// The main window's boxes, for a run in which nothing may go wrong.
class FailingDialogs : public Dialogs
{
public:
    void error(const QString &text) override { qFatal("parse failed: %s", qPrintable(text)); }
    void info(const QString &) override { }
    bool confirm(const QString &) override { return false; }
    QStringList openFiles(bool, const std::optional<QString> &) override { return {}; }
    QString saveFile(const QString &) override { return {}; }
};

// The report in the main window's report text and a click on "&Parse Sections", with the section
// table's view on the first tab showing the rows as they come. The window's turns of the event
// loop are counted by a timer that fires at each of them.
void parseThroughMainWindow(benchmark::State &state, const TextLines &lines)
{
    FailingDialogs dialogs;
    TfmQuorvel window(&dialogs);
    window.resize(1280, 900);
    window.show();
    QElapsedTimer startup;
    startup.start();
    while (!window.initialised() && startup.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    window.replaceReportLines(lines);

    PaintWatch paintWatch;
    window.findChild<GridView *>(QStringLiteral("sgSysmonSections"))->viewport()->installEventFilter(&paintWatch);
    auto *parseButton = window.findChild<QPushButton *>(QStringLiteral("btDivideIntoSubs"));
    GapClock turnGaps;
    int turns = 0;
    QTimer everyTurn;
    everyTurn.setInterval(0);
    QObject::connect(&everyTurn, &QTimer::timeout, [&] {
        turnGaps.tick();
        ++turns;
    });
    double longestTurnGap = 0;
    double longestPaintGap = 0;
    for (auto _ : state) {
        turnGaps.start();
        paintWatch.gaps.start();
        everyTurn.start();
        parseButton->click();
        turnGaps.tick();
        everyTurn.stop();
        QCoreApplication::processEvents(); // the window shows the finished table
        paintWatch.gaps.tick();
        longestTurnGap = std::max(longestTurnGap, turnGaps.longestMs());
        longestPaintGap = std::max(longestPaintGap, paintWatch.gaps.longestMs());
    }
    if (window.abortFlag())
        qFatal("the parse was aborted");
    reportLines(state, lines);
    state.counters["rows"] = window.sgSysmonSections.rows();
    state.counters["longest_gap_between_event_loop_turns_ms"] = longestTurnGap;
    state.counters["longest_gap_between_repaints_ms"] = longestPaintGap;
    state.counters["turns_per_parse"] = double(turns) / double(state.iterations());
    state.counters["repaints_per_parse"] = double(paintWatch.paints) / double(state.iterations());
}

void registerRealReports()
{
    const QDir folder(QStringLiteral(QUORVEL_REAL_REPORTS));
    for (const QString &name : folder.entryList({ QStringLiteral("*.txt") }, QDir::Files, QDir::Name)) {
        const TextLines lines = ReportLoader::load(folder.filePath(name));
        benchmark::RegisterBenchmark(("ParseRealReport/" + name.toStdString()).c_str(),
                                     [lines](benchmark::State &state) { parseHeadless(state, lines); })
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    registerRealReports();
    const TextLines large(LargeReport::lines(largeReportLines));
    benchmark::RegisterBenchmark("ParseLargeReport/headless",
                                 [large](benchmark::State &state) { parseHeadless(state, large); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ParseLargeReport/window",
                                 [large](benchmark::State &state) { parseThroughWindow(state, large); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ParseLargeReport/main_window",
                                 [large](benchmark::State &state) { parseThroughMainWindow(state, large); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
