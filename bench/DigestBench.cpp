// How fast a digest runs over a folder of reports: loading and parsing the reports alone, the
// digest headless as quorvel-cli digest runs it (counter set read, export written), each on one
// thread and on one per core, with the statistics columns too, the averages alone and with the
// statistics, and the digest through the program's main window with the longest time its event
// loop went without a turn.
//
// The reports are the complete real ones, each written many times with its own sampling start and
// a few spinlock lines added; the counter sets take 50 and 500 counters from across a report's
// section table (ordinary, engine CPU, device and spinlock rows).
//
//   quorvel_digest_bench [--reports N] [benchmark options]
//   quorvel_digest_bench --write-to FOLDER [--reports N]
//
// The second form only writes the reports, counters-50.ini, counters-500.ini and the lists
// reports.txt (all of them) and reports-10.txt (the first ten), for timing quorvel-cli digest as a
// whole process.
#include "BenchDialogs.h"
#include "ClickAndWait.h"
#include "DigestCommands.h"
#include "HeadlessUi.h"
#include "LargeReport.h"
#include "TfmQuorvel.h"
#include "TurnWatch.h"

#include "common/TextFile.h"
#include "counters/CounterSet.h"
#include "counters/CounterSetFile.h"
#include "digest/DigestAverages.h"
#include "digest/DigestColumn.h"
#include "digest/DigestExport.h"
#include "digest/DigestReset.h"
#include "digest/DigestRows.h"
#include "digest/DigestRun.h"
#include "digest/DigestStatistics.h"
#include "digest/DigestTableLayout.h"
#include "digest/FileList.h"
#include "digest/ProblemList.h"
#include "digest/RunProblems.h"
#include "digest/TimeWindow.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr int defaultReportCount = 1000;
constexpr int spinlocksPerReport = 12;
const QString realReports = QStringLiteral(QUORVEL_REAL_REPORTS);
const QStringList completeReports { QStringLiteral("ase160_spec_tpcc_notes.txt"),
                                    QStringLiteral("ase160_spec_tpcc_notes_2.txt") };
const QStringList spinlockTypes { QStringLiteral("Waits"), QStringLiteral("Spins"), QStringLiteral("Grabs"),
                                  QStringLiteral("% Contn"), QStringLiteral("Spin/Wait") };

// Report `index`: a real report whose sampling started `index` minutes after a fixed moment, with
// spinlock lines before its last line.
QStringList generatedReport(const QStringList &real, int index)
{
    static const QDateTime first(QDate(2024, 6, 25), QTime(8, 0));
    const QString started = QLocale::c().toString(first.addSecs(60LL * index), QStringLiteral("MMM d, yyyy hh:mm:ss"));
    QStringList lines;
    lines.reserve(real.size() + 3 * spinlocksPerReport);
    for (const QString &line : real) {
        if (line.startsWith(QStringLiteral("Sampling Started at:")))
            lines << QStringLiteral("Sampling Started at:   ") + started;
        else
            lines << line;
    }
    const QString last = lines.takeLast();
    lines << LargeReport::spinlockLines(spinlocksPerReport, index) << last;
    return lines;
}

// `count` counters taken evenly from the rows of a parsed report that name a counter, each with the
// type its row kind offers: spinlock figures, the engine CPU percentage, or the per-second figure.
void pickCounters(GridTable &counters, const GridTable &sections, int count)
{
    QList<int> rows;
    for (int row = 1; row < sections.rows(); ++row) {
        const QStringView section = sections.cell(SectionTableLayout::Section, row);
        if (!section.isEmpty() && !section.endsWith(u':'))
            rows << row;
    }
    CounterSet::reset(counters);
    for (int i = 0; i < count; ++i) {
        const int row = rows[qsizetype(i) * rows.size() / count];
        const QString section = sections.cell(SectionTableLayout::Section, row).toString();
        QString type = QStringLiteral("PerSec");
        if (section == u"Spinlocks")
            type = spinlockTypes[i % spinlockTypes.size()];
        else if (!sections.cell(SectionTableLayout::CpuPercent, row).isEmpty())
            type = QStringLiteral("CPU %");
        CounterSet::append(counters,
                           { section, sections.cell(SectionTableLayout::SubSection1, row).toString(),
                             sections.cell(SectionTableLayout::SubSection2, row).toString(), type });
    }
}

// The reports, counter sets and lists in `folder`.
struct Corpus
{
    QStringList reports;
    QString counters50;
    QString counters500;

    Corpus(const QString &folder, int reportCount)
    {
        const QDir dir(folder);
        QList<QStringList> real;
        for (const QString &name : completeReports)
            real << ReportLoader::load(realReports + u'/' + name).toStringList();
        for (int i = 0; i < reportCount; ++i) {
            reports << dir.filePath(QStringLiteral("report-%1.txt").arg(i + 1, 4, 10, QLatin1Char('0')));
            TextFile::write(reports.last(), generatedReport(real[i % real.size()], i), TextEncoding::Utf8);
        }
        TextFile::write(dir.filePath(QStringLiteral("reports.txt")), reports, TextEncoding::Utf8);
        TextFile::write(dir.filePath(QStringLiteral("reports-10.txt")), reports.mid(0, 10), TextEncoding::Utf8);

        GridTable sections(SectionTableLayout::columnCount);
        CategoryLists lists;
        ReportParser(sections, lists).run(ReportLoader::load(reports.first()));
        counters50 = writeCounters(sections, 50, dir.filePath(QStringLiteral("counters-50.ini")));
        counters500 = writeCounters(sections, 500, dir.filePath(QStringLiteral("counters-500.ini")));
    }

    static QString writeCounters(const GridTable &sections, int count, const QString &path)
    {
        GridTable counters(CounterSet::columnCount);
        pickCounters(counters, sections, count);
        CounterSetFile::save(counters, path, TextEncoding::Utf8);
        return path;
    }
};

void countReports(benchmark::State &state, const Corpus &corpus)
{
    state.counters["reports"] = double(corpus.reports.size());
    state.counters["reports_per_second"] =
        benchmark::Counter(double(corpus.reports.size()), benchmark::Counter::kIsIterationInvariantRate);
}

// What a digest costs at the least: every report read and parsed once, on `jobs` threads.
void loadAndParse(benchmark::State &state, const Corpus &corpus, int jobs)
{
    for (auto _ : state) {
        std::atomic<int> next = 0;
        std::vector<std::jthread> threads;
        for (int i = 0; i < jobs; ++i) {
            threads.emplace_back([&] {
                GridTable sections(SectionTableLayout::columnCount);
                CategoryLists lists;
                for (int index = next++; index < corpus.reports.size(); index = next++)
                    ReportParser(sections, lists).run(ReportLoader::load(corpus.reports[index]));
            });
        }
    }
    countReports(state, corpus);
    state.counters["jobs"] = jobs;
}

// Adds each report's column as the run hands it over, and keeps its problems.
class ColumnAdder : public DigestRun::Observer
{
public:
    explicit ColumnAdder(GridTable &digest) : digest_(digest) { }
    void reportDigested(int, DigestedReport &&report) override
    {
        DigestColumn::append(digest_, report);
        problems.add(std::move(report.facts));
    }

    RunProblems problems;

private:
    GridTable &digest_;
};

// The digest table rebuilt from `counters`, with a column per report of the corpus digested on
// `jobs` threads (one per core for 0); the averages are the caller's. With `problems`, the report
// problems are listed too, as the window always lists them; they are returned.
RunProblems digestInto(GridTable &digest, const GridTable &counters, const Corpus &corpus, int jobs, bool statistics,
                       bool problems = false)
{
    DigestReset::fromCounterSet(digest, counters);
    DigestStatistics::setShown(digest, statistics);
    ColumnAdder adder(digest);
    DigestRun({ .rows = DigestRows::of(digest),
                .paths = corpus.reports,
                .timeOnly = true,
                .window = TimeWindow(),
                .listProblems = problems,
                .load = [](const QString &path) { return ReportLoader::load(path, FileKinds::Any); },
                .jobs = jobs,
                .handOverParses = false,
                .spareTables = nullptr })
        .run(adder);
    return std::move(adder.problems);
}

// quorvel-cli digest in one process: the counter set read, the run on `jobs` threads, the averages,
// the export written.
// `statistics`: as quorvel-cli digest --stats; `problems`: as --problems, the list written too.
void digestHeadless(benchmark::State &state, const Corpus &corpus, const QString &countersPath, int jobs,
                    bool statistics = false, bool problems = false)
{
    QTemporaryDir output;
    int columns = 0;
    for (auto _ : state) {
        GridTable counters(CounterSet::columnCount);
        const TextEncoding encoding = TextFile::writeEncodingFor(CounterSetFile::load(counters, countersPath));
        GridTable digest(DigestTableLayout::fixedColumnCount);
        const RunProblems listed = digestInto(digest, counters, corpus, jobs, statistics, problems);
        HeadlessUi ui;
        DigestAverages::calculate(digest, ui);
        TextFile::write(output.filePath(QStringLiteral("digest.csv")),
                        DigestExport::lines(digest, false, QStringLiteral(",")), encoding);
        if (problems)
            TextFile::write(output.filePath(QStringLiteral("problems.csv")),
                            ProblemList::lines(listed.list(), QStringLiteral(",")), encoding);
        columns = digest.columns();
    }
    countReports(state, corpus);
    state.counters["columns"] = columns;
    state.counters["jobs"] = jobs;
}

// What the end of a digest of the corpus costs: the averages, and with `statistics` the statistics
// columns with them, computed again over the finished table (as Delete Column does). The
// difference is all that the statistics add to a digest.
void averagesAfterDigest(benchmark::State &state, const Corpus &corpus, const QString &countersPath, bool statistics)
{
    GridTable counters(CounterSet::columnCount);
    CounterSetFile::load(counters, countersPath);
    GridTable digest(DigestTableLayout::fixedColumnCount);
    digestInto(digest, counters, corpus, 0, statistics);
    HeadlessUi ui;
    for (auto _ : state)
        DigestAverages::calculate(digest, ui);
    state.counters["columns"] = digest.columns();
}

// The same digest through the main window, started from its button on the digest tab, with the
// digest table in view.
void digestThroughMainWindow(benchmark::State &state, const Corpus &corpus, const QString &countersPath)
{
    BenchDialogs dialogs;
    TfmQuorvel window(&dialogs);
    BenchDialogs::showStarted(window);
    CounterSetFile::load(window.sgSysmonCounters, countersPath);
    FileList::addPaths(window.sgFiles, corpus.reports, window.ui());
    window.findChild<QTabWidget *>(QStringLiteral("tabControls"))->setCurrentIndex(2);
    QCoreApplication::processEvents();
    auto *digestButton = window.findChild<QPushButton *>(QStringLiteral("btDigest"));
    auto *digestCommands = window.findChild<DigestCommands *>();

    TurnWatch turns;
    for (auto _ : state) {
        turns.watch([&] { clickAndWait(digestButton, digestCommands, &DigestCommands::digestFinished); });
        QCoreApplication::processEvents(); // the window shows the finished table
    }
    if (window.statusText(1) != u"Digest Done.")
        qFatal("the digest did not finish: %s", qPrintable(window.statusText(1)));
    countReports(state, corpus);
    state.counters["columns"] = window.sgSysmonDigest.columns();
    state.counters["longest_gap_between_event_loop_turns_ms"] = turns.longestGapMs();
    state.counters["turns_per_digest"] = double(turns.turns()) / double(state.iterations());
}

// Takes "--name value" off the command line; empty when it is not there.
QString takeOption(int &argc, char **argv, const char *name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) != 0)
            continue;
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        for (int j = i; j + 2 <= argc; ++j)
            argv[j] = argv[j + 2];
        argc -= 2;
        return value;
    }
    return {};
}

void registerBenchmarks(const Corpus &corpus)
{
    const auto add = [](const std::string &name, auto run) {
        benchmark::RegisterBenchmark(name.c_str(), run)->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    const std::string reports = std::to_string(corpus.reports.size());
    const int cores = DigestRun::defaultJobs();
    for (const int jobs : { 1, cores }) {
        const std::string suffix = "/jobs:" + std::to_string(jobs);
        add("LoadAndParse/" + reports + suffix,
            [&corpus, jobs](benchmark::State &state) { loadAndParse(state, corpus, jobs); });
        add("DigestHeadless/" + reports + "x50" + suffix,
            [&corpus, jobs](benchmark::State &state) { digestHeadless(state, corpus, corpus.counters50, jobs); });
        add("DigestHeadless/" + reports + "x500" + suffix,
            [&corpus, jobs](benchmark::State &state) { digestHeadless(state, corpus, corpus.counters500, jobs); });
        add("DigestHeadless/" + reports + "x500/statistics" + suffix, [&corpus, jobs](benchmark::State &state) {
            digestHeadless(state, corpus, corpus.counters500, jobs, true);
        });
        // The window always lists the report problems: this is the command line's run to hold it to.
        add("DigestHeadless/" + reports + "x500/problems" + suffix, [&corpus, jobs](benchmark::State &state) {
            digestHeadless(state, corpus, corpus.counters500, jobs, false, true);
        });
    }
    add("Averages/" + reports + "x500",
        [&corpus](benchmark::State &state) { averagesAfterDigest(state, corpus, corpus.counters500, false); });
    add("Averages/" + reports + "x500/statistics",
        [&corpus](benchmark::State &state) { averagesAfterDigest(state, corpus, corpus.counters500, true); });
    add("DigestMainWindow/" + reports + "x500",
        [&corpus](benchmark::State &state) { digestThroughMainWindow(state, corpus, corpus.counters500); });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString writeTo = takeOption(argc, argv, "--write-to");
    const QString count = takeOption(argc, argv, "--reports");
    const int reportCount = count.isEmpty() ? defaultReportCount : count.toInt();

    if (!writeTo.isEmpty()) {
        if (!QDir().mkpath(writeTo))
            qFatal("cannot make the folder %s", qPrintable(writeTo));
        const Corpus corpus(writeTo, reportCount);
        std::printf("%d reports, counters-50.ini, counters-500.ini, reports.txt and reports-10.txt in %s\n",
                    int(corpus.reports.size()), qPrintable(writeTo));
        return 0;
    }

    QTemporaryDir folder;
    const Corpus corpus(folder.path(), reportCount);
    benchmark::Initialize(&argc, argv);
    registerBenchmarks(corpus);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
