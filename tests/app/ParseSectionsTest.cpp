// "&Parse Sections" in the window: the button, the category boxes, the status bar, Esc, the error
// box, and the commands the window refuses while a parse runs on its own thread.
#include "GridView.h"
#include "RealReportsExpected.h"
#include "SetupCountersPanel.h"
#include "TfmQuorvel.h"
#include "WindowTestRun.h"

#include "common/TextFile.h"
#include "report/ParsedReport.h"
#include "report/ReportLoader.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString fixtures = u"" QUORVEL_TEST_DATA "/parser"_s;
const QString realReports = u"" QUORVEL_REAL_REPORTS ""_s;

// A run of the program with the steps and views of these tests.
struct Running : WindowRun
{
    QAbstractButton *button(const QString &name) const { return control<QAbstractButton>(name); }
    GridView *sectionGrid() const { return control<GridView>(u"sgSysmonSections"_s); }

    void load(const QString &path)
    {
        script.openAnswers << QStringList { path };
        button(u"btOpenLoadSysmonFile"_s)->click();
    }
    // Presses "&Parse Sections" and lets the window's event loop turn until the parse has ended.
    void parse()
    {
        QSignalSpy ended(&window, &TfmQuorvel::parseFinished);
        button(u"btDivideIntoSubs"_s)->click();
        if (!ended.wait(20000))
            qFatal("the parse did not end");
    }
    // Runs `step` once the status bar shows how far the parse has got.
    void onceProgressShows(std::function<void()> step)
    {
        auto *poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [this, poll, step = std::move(step)] {
            if (!status(0).startsWith(u"Metrics "_s))
                return;
            poll->deleteLater();
            poll->stop();
            step();
        });
        ui().setStatus(StatusPanel::Progress, QString());
        poll->start(0);
    }
    Ui &ui() { return window.ui(); }

    QStringList items(const QString &box) const
    {
        const auto *combo = control<QComboBox>(box);
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts;
    }
    QStringList tableLines() const { return linesOf(window.sgSysmonSections); }

    static QStringList linesOf(const GridTable &table)
    {
        return DelimitedLines::of(table, 0, table.rows() - 1, table.columns(), u"|"_s);
    }
};

// A report whose section holds `counters` counter lines, each followed by a spinlock line: long
// enough that the window's event loop turns many times while it is parsed.
QStringList longReport(int counters)
{
    QStringList lines { u"      Sybase Adaptive Server Enterprise System Performance Report"_s, u"Long Section"_s,
                        u"------------"_s };
    lines.reserve(2 * counters + 3);
    for (int i = 0; i < counters; ++i) {
        lines << u"  Counter %1                 1.5           2.5          %1       4.5 %"_s.arg(i);
        lines << u"  Lock_%1 spinlock_w 1"_s.arg(i % 7);
    }
    return lines;
}
constexpr int longReportCounters = 100000;

QString fixture(const QString &name, const QString &file)
{
    return fixtures % u'/' % name % u'/' % file;
}

QStringList listEntries(const QString &line)
{
    const QString entries = line.section(u':', 1);
    return entries.isEmpty() ? QStringList() : entries.split(u'|');
}

// The line index that "Metrics i of n" in status panel 0 names.
int metricsLine(const QString &panel0)
{
    return panel0.section(u' ', 1, 1).toInt();
}

} // namespace

class ParseSectionsTest : public QObject, private WindowTestRun<Running>
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The tests share one application: closing the window must not end it.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { enterWorkingFolder(); }
    void cleanup() { leaveWorkingFolder(); }

    void parseFillsTheTableTheCategoryBoxesAndTheStatusBar()
    {
        Running &r = start();
        const QString report = fixture(u"spinlocks"_s, u"report.txt"_s);
        r.load(report);
        r.parse();

        QVERIFY(r.script.errors.isEmpty());
        QCOMPARE(r.tableLines(), TextFile::read(fixture(u"spinlocks"_s, u"expected.csv"_s)).lines);
        const QStringList lists = TextFile::read(fixture(u"spinlocks"_s, u"lists.txt"_s)).lines;
        QCOMPARE(r.items(u"cbTopCategory"_s), listEntries(lists[0]));
        QCOMPARE(r.items(u"cbSubCategory1"_s), listEntries(lists[1]));
        QCOMPARE(r.items(u"cbSubCategory2"_s), listEntries(lists[2]));
        // The boxes keep showing their own texts; nothing is picked for the user.
        QCOMPARE(r.control<QComboBox>(u"cbTopCategory"_s)->currentText(), u"Performance Section"_s);
        QCOMPARE(r.control<QComboBox>(u"cbSubCategory2"_s)->currentIndex(), -1);

        // The report's last line of 34, "End of Report", is the last to reach the progress texts.
        QCOMPARE(r.status(0), u"Metrics 33 of 34"_s);
        QCOMPARE(r.status(1), u"Single File Parsed"_s);
        QCOMPARE(r.status(2), u"Loaded ..."_s + report.right(31));
    }

    void aRealReportParsesAsTheCoreParsesItAndTwiceTheSame()
    {
        const QString report = realReports % u"/ase160_spec_tpcc_notes.txt"_s;
        if (!QFile::exists(report)) {
            QVERIFY2(!realReportsExpected(), "real reports are missing");
            QSKIP("no real reports beside the repository");
        }
        Running &r = start();
        r.load(report);
        r.parse();

        ParsedReport headless;
        headless.parse(ReportLoader::load(report));
        const QStringList table = r.tableLines();
        QVERIFY(table.size() > 300);
        QCOMPARE(table, Running::linesOf(headless.sections));
        QCOMPARE(r.items(u"cbTopCategory"_s), headless.lists.sections);
        QCOMPARE(r.items(u"cbSubCategory1"_s), headless.lists.subSections1);
        QCOMPARE(r.items(u"cbSubCategory2"_s), headless.lists.subSections2);
        // Of its 1,331 lines the last, "(return status = 0)", is dropped before the progress texts.
        QCOMPARE(r.status(0), u"Metrics 1329 of 1331"_s);
        QCOMPARE(r.status(1), u"Single File Parsed"_s);

        // A cell edited in place, and a table grown by hand, are rebuilt by the next parse.
        auto *grid = r.sectionGrid();
        QVERIFY(grid->model()->setData(grid->model()->index(4, 3), u"edited"_s));
        r.window.sgSysmonSections.setRows(table.size() + 40);
        r.parse();
        QCOMPARE(r.tableLines(), table);
        QCOMPARE(r.items(u"cbTopCategory"_s), headless.lists.sections);
        QCOMPARE(r.items(u"cbSubCategory1"_s), headless.lists.subSections1);
        QVERIFY(r.script.errors.isEmpty());
    }

    void escDuringAParseKeepsWhatTheLinesReadGave()
    {
        Running &r = start();
        QVERIFY(QTest::qWaitForWindowActive(&r.window));
        const QStringList report = longReport(longReportCounters);
        r.window.replaceReportLines(TextLines(report));
        // The button greys out during the parse and gets the focus back afterwards.
        auto *parseButton = r.button(u"btDivideIntoSubs"_s);
        parseButton->setFocus();
        bool pressed = false;
        r.onceProgressShows([&] {
            pressed = true;
            QTest::keyClick(r.window.windowHandle(), Qt::Key_Escape);
        });
        r.parse();

        QVERIFY2(pressed, "the window's event loop did not turn during the parse");
        QCOMPARE(QApplication::focusWidget(), parseButton);
        QCOMPARE(r.status(1), u"Single File Parsed"_s);
        const int lastRead = metricsLine(r.status(0));
        QVERIFY(lastRead > 3 && lastRead < report.size() - 1);

        // Exactly what a parse of the lines read gives: their rows, their category lists and the
        // spinlock rows of the spinlock lines among them.
        ParsedReport linesRead;
        linesRead.parse(report.mid(0, lastRead + 1));
        QCOMPARE(r.tableLines(), Running::linesOf(linesRead.sections));
        QCOMPARE(r.items(u"cbTopCategory"_s), linesRead.lists.sections);
        QCOMPARE(r.items(u"cbSubCategory1"_s), linesRead.lists.subSections1);
        QCOMPARE(r.items(u"cbSubCategory2"_s), linesRead.lists.subSections2);
        const GridTable &sections = r.window.sgSysmonSections;
        QCOMPARE(sections.cell(0, sections.rows() - 1), u"Spinlocks"_s);
        QVERIFY(r.script.errors.isEmpty());
    }

    void aSpinlockFigureThatIsNotAnIntegerShowsTheBoxAndKeepsTheRows()
    {
        Running &r = start();
        r.load(fixture(u"spinlocks"_s, u"report.txt"_s));
        r.parse();
        QVERIFY(r.items(u"cbTopCategory"_s).size() > 0);

        const QString failing = u"spinlock-figure-not-an-integer"_s;
        r.load(fixture(failing, u"report.txt"_s));
        r.parse();
        QCOMPARE(r.script.errors, QStringList { u"APP. ERR (DivideIntoSubs):  '12x' is not a valid integer value"_s });
        QCOMPARE(r.tableLines(), TextFile::read(fixture(failing, u"expected.csv"_s)).lines);
        // The parse ended before the lists were filled: the boxes hold what it left, nothing.
        for (const QString &box : { u"cbTopCategory"_s, u"cbSubCategory1"_s, u"cbSubCategory2"_s })
            QCOMPARE(r.items(box), QStringList());
        QCOMPARE(r.control<QComboBox>(u"cbTopCategory"_s)->currentText(), u"Performance Section"_s);
        QVERIFY(r.status(1).startsWith(u"Parsing:  "_s));

        // The window is not left busy by the failure.
        QVERIFY(r.button(u"btDivideIntoSubs"_s)->isEnabled());
        QVERIFY(r.window.sgSysmonSections.flags(r.window.sgSysmonSections.index(0, 0)) & Qt::ItemIsEditable);
    }

    void whileAParseRunsCommandsThatWouldChangeItsInputAreRefused()
    {
        Running &r = start();
        QVERIFY(QTest::qWaitForWindowActive(&r.window));
        r.window.replaceReportLines(TextLines(longReport(longReportCounters)));
        // Everything that would change the report text or the section table, read the table, or
        // open a dialog on top of the parse.
        const QStringList refused = { u"btOpenLoadSysmonFile"_s, u"btOpenSysmonFile"_s, u"btDivideIntoSubs"_s,
                                      u"btShowSysmon"_s,         u"btDigest"_s,         u"btExportOne"_s,
                                      u"btSaveCounters"_s,       u"btLoadCounters"_s,   u"btSearch"_s,
                                      u"btExport"_s,             u"btSetGraph"_s,       u"btAddFile"_s };
        QList<std::shared_ptr<QSignalSpy>> clicks;
        for (const QString &name : refused)
            clicks << std::make_shared<QSignalSpy>(r.button(name), &QAbstractButton::clicked);

        // A cell being edited when the parse starts is finished first, not written into the new table.
        GridTable &sections = r.window.sgSysmonSections;
        auto *grid = r.sectionGrid();
        grid->setCurrentIndex(grid->model()->index(0, 4));
        grid->edit(grid->currentIndex());
        QWidget *editor = grid->indexWidget(grid->currentIndex());
        QVERIFY(editor);
        QTest::keyClicks(editor, u"typed"_s);

        bool checked = false;
        r.onceProgressShows([&] {
            checked = true;
            for (const QString &name : refused) {
                QVERIFY2(!r.button(name)->isEnabled(), qPrintable(name));
                r.button(name)->click();
            }
            QTest::keyClick(&r.window, Qt::Key_O, Qt::AltModifier); // L&oad Sysmon File
            QTest::keyClick(&r.window, Qt::Key_P, Qt::AltModifier); // &Parse Sections
            QVERIFY(r.script.openPresets.isEmpty());

            // The section table takes no edits in place while the parse writes it.
            QVERIFY(!grid->indexWidget(grid->currentIndex()));
            const QModelIndex cell = grid->model()->index(0, 3);
            QVERIFY(!(grid->model()->flags(cell) & Qt::ItemIsEditable));
            QVERIFY(!grid->model()->setData(cell, u"typed"_s));

            // The tab bar and the other commands stay live.
            auto *tabs = r.control<QTabWidget>(u"tabControls"_s);
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
            QCOMPARE(tabs->currentIndex(), 1);
            tabs->setCurrentIndex(0);
            QVERIFY(r.button(u"bbtAddCounter"_s)->isEnabled());
            QTest::keyClick(r.window.windowHandle(), Qt::Key_Escape);
        });
        r.parse();

        QVERIFY2(checked, "the window's event loop did not turn during the parse");
        // The one click that went through started the parse.
        for (int i = 0; i < refused.size(); ++i)
            QCOMPARE(clicks[i]->count(), refused[i] == u"btDivideIntoSubs"_s ? 1 : 0);
        QVERIFY(r.script.openPresets.isEmpty());
        QVERIFY(r.script.errors.isEmpty());
        QCOMPARE(sections.cell(4, 1), u"2.5"_s); // the finished edit did not survive the reset

        // Afterwards everything is as before.
        for (const QString &name : refused)
            QVERIFY2(r.button(name)->isEnabled(), qPrintable(name));
        QVERIFY(grid->model()->setData(grid->model()->index(0, 3), u"typed"_s));
        QCOMPARE(sections.cell(3, 1), u"typed"_s);
    }

    // Laying out a megabyte of text at every repaint held the window for seconds per paint.
    void aMegabyteSubheadingStaysCheapToShow()
    {
        Running &r = start();
        const QString wide(1 << 20, u'w');
        QStringList report { u"Sybase Adaptive Server Enterprise"_s, u"Wide Section"_s, u"------------"_s,
                             u"  "_s + wide };
        for (int i = 0; i < 20; ++i)
            report << u"    Counter %1            1.5           2.5          %1       4.5 %"_s.arg(i);
        r.window.replaceReportLines(TextLines(report));
        r.parse();

        // The cells and the box entry keep the whole text; only what is drawn is cut.
        const QString path = wide % u"..."_s;
        QCOMPARE(r.window.sgSysmonSections.cell(1, 1), path);
        QCOMPARE(r.items(u"cbSubCategory1"_s), QStringList { path });
        const QAbstractItemView *grid = r.sectionGrid();
        QVERIFY(grid->sizeHintForColumn(1) < 20000);
        auto *box = r.control<QComboBox>(u"cbSubCategory1"_s);
        QVERIFY(box->view()->sizeHintForColumn(0) < 20000);
    }

    void closingTheWindowDuringAParseEndsIt()
    {
        Running &r = start();
        const QStringList report = longReport(longReportCounters);
        r.window.replaceReportLines(TextLines(report));
        r.onceProgressShows([&] { r.window.close(); });
        r.parse();

        QVERIFY(!r.window.isVisible());
        QVERIFY(metricsLine(r.status(0)) < report.size() - 1);
        QVERIFY(r.script.errors.isEmpty());
    }
};

QTEST_MAIN(ParseSectionsTest)
#include "ParseSectionsTest.moc"
