// How fast "&Parse Sections" runs: each real report and a large generated report, headless (as the
// command line and the digest run use it), and through the program's own main window, where it
// runs on a thread of its own while the window's event loop turns.
#include "BenchDialogs.h"
#include "ClickAndWait.h"
#include "GapClock.h"
#include "GridView.h"
#include "LargeReport.h"
#include "SetupCountersPanel.h"
#include "TfmQuorvel.h"
#include "TurnWatch.h"
#include "common/TextLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int largeReportLines = 60000;

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
    ReportParser parser(tables.sections, tables.lists);
    for (auto _ : state) {
        parser.run(lines);
        benchmark::DoNotOptimize(tables.sections.rows());
    }
    reportLines(state, lines);
    state.counters["rows"] = tables.sections.rows();
}

// The report in the main window's report text and a click on "&Parse Sections", with the section
// table's view on the first tab showing the rows as they come.
void parseThroughMainWindow(benchmark::State &state, const TextLines &lines)
{
    BenchDialogs dialogs;
    TfmQuorvel window(&dialogs);
    BenchDialogs::showStarted(window);
    window.replaceReportLines(lines);

    PaintWatch paintWatch;
    window.findChild<GridView *>(QStringLiteral("sgSysmonSections"))->viewport()->installEventFilter(&paintWatch);
    auto *parseButton = window.findChild<QPushButton *>(QStringLiteral("btDivideIntoSubs"));
    TurnWatch turns;
    double longestPaintGap = 0;
    for (auto _ : state) {
        paintWatch.gaps.start();
        turns.watch([&] { clickAndWait(parseButton, &window, &TfmQuorvel::parseFinished); });
        QCoreApplication::processEvents(); // the window shows the finished table
        paintWatch.gaps.tick();
        longestPaintGap = std::max(longestPaintGap, paintWatch.gaps.longestMs());
    }
    if (window.statusText(1) != u"Single File Parsed")
        qFatal("the parse did not finish: %s", qPrintable(window.statusText(1)));
    reportLines(state, lines);
    state.counters["rows"] = window.sgSysmonSections.rows();
    state.counters["longest_gap_between_event_loop_turns_ms"] = turns.longestGapMs();
    state.counters["longest_gap_between_repaints_ms"] = longestPaintGap;
    state.counters["turns_per_parse"] = double(turns.turns()) / double(state.iterations());
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
    benchmark::RegisterBenchmark("ParseLargeReport/main_window",
                                 [large](benchmark::State &state) { parseThroughMainWindow(state, large); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
