// Comparing two periods in the window: the baseline and the comparison chosen in the digest table
// with a few clicks, the comparison sorted by a column's header, exported with the bytes the
// command line writes for the same periods, and a counter of it charted on the digest tab.
#include "DigestCommands.h"
#include "MonitoringChart.h"
#include "TfmQuorvel.h"
#include "WindowTestRun.h"

#include "compare/ComparisonTableLayout.h"
#include "digest/DigestTableLayout.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString periods = u"" QUORVEL_TEST_DATA "/compare-cli/periods/"_s;
const QString yields = u"[Task Management]_[Task Context Switches Due To:...]_[Voluntary Yields]"_s;

struct ComparisonRun : WindowRun
{
    GridTable &digest = window.sgSysmonDigest;
    QTableView *comparison = control<QTableView>(u"sgPeriodComparison"_s);

    void click(const QString &button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    int tab() const { return control<QTabWidget>(u"tabControls"_s)->currentIndex(); }

    // A click on a column's header, with Shift to extend the selection to it.
    void clickHeader(QTableView *view, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QHeaderView *header = view->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
    }

    // The counter names as the comparison shows them, top to bottom, with the type.
    QStringList shownCounters() const
    {
        QStringList counters;
        const QAbstractItemModel *model = comparison->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            counters << model->index(row, ComparisonTableLayout::CounterName).data().toString().section(u"_["_s, -1) %
                    u' ' % model->index(row, ComparisonTableLayout::Type).data().toString();
        }
        return counters;
    }

    QByteArray exported(const QString &path)
    {
        script.saveAnswers << path;
        click(u"btExportComparison"_s);
        return readBytes(path);
    }
};

} // namespace

class ComparisonWindowTest : public QObject, private WindowTestRun<ComparisonRun>
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { enterWorkingFolder(); }
    void cleanup() { leaveWorkingFolder(); }

    void periodsChosenInTheDigestAreComparedSortedExportedAndCharted()
    {
        QFile::copy(periods + u"counters.ini"_s, filePath(u"SysmonCounters.ini"_s));
        ComparisonRun &r = start();
        QAbstractItemModelTester tester(r.comparison->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        r.script.openAnswers << QStringList { periods + u"base-1.txt"_s, periods + u"base-2.txt"_s,
                                              periods + u"busy-1.txt"_s, periods + u"busy-2.txt"_s };
        r.click(u"btAddFile"_s);
        r.script.confirmAnswers << true;
        QSignalSpy digested(r.window.findChild<DigestCommands *>(), &DigestCommands::digestFinished);
        r.click(u"btDigest"_s);
        QVERIFY(digested.wait(20000));
        QCOMPARE(r.digest.columns(), DigestTableLayout::FirstReport + 4);

        // Nothing to compare before a baseline; a selection without report columns marks none.
        QTableView *digestView = r.control<QTableView>(u"sgSysmonDigest"_s);
        r.click(u"btCompare"_s);
        r.clickHeader(digestView, DigestTableLayout::CounterName);
        r.click(u"btBaseline"_s);
        QCOMPARE(r.script.infos.size(), 2);

        // The quiet day's two columns are the baseline; comparing right away compares the rest.
        r.clickHeader(digestView, DigestTableLayout::FirstReport);
        r.clickHeader(digestView, DigestTableLayout::FirstReport + 1, Qt::ShiftModifier);
        r.click(u"btBaseline"_s);
        QCOMPARE(r.status(1), u"Baseline: 2 reports, Jan 14, 2025 10:00:00 to Jan 14, 2025 10:30:00."_s);
        QVERIFY(r.digest.headerData(DigestTableLayout::FirstReport + 1, Qt::Horizontal, Qt::BackgroundRole).isValid());
        QVERIFY(!r.digest.headerData(DigestTableLayout::FirstReport + 2, Qt::Horizontal, Qt::BackgroundRole).isValid());
        r.click(u"btCompare"_s);
        QCOMPARE(r.tab(), 3);
        QCOMPARE(
            r.control<QLabel>(u"lbPeriods"_s)->text(),
            u"Baseline: 2 reports, Jan 14, 2025 10:00:00 to Jan 14, 2025 10:30:00. Comparison: 2 reports, Jan 15, 2025 "
            u"10:00:00 to Jan 15, 2025 10:30:00."_s);
        const QByteArray expected = readBytes(periods + u"expected.csv"_s);
        QCOMPARE(r.exported(filePath(u"comparison.csv"_s)), expected);
        QCOMPARE(r.status(1), u"Comparison exported to "_s + filePath(u"comparison.csv"_s));

        // Sorted by the change in percent, smallest first: counters without one last. The export
        // keeps the order of the most moved first; a third click on the header shows it again.
        r.clickHeader(r.comparison, ComparisonTableLayout::ChangePercent);
        QCOMPARE(r.shownCounters().mid(0, 3),
                 (QStringList { u"Cache Search Misses] Count"_s, u"Voluntary Yields] % Total"_s,
                                u"Connections Opened] PerSec"_s }));
        QCOMPARE(r.exported(filePath(u"sorted.csv"_s)), expected);
        r.clickHeader(r.comparison, ComparisonTableLayout::ChangePercent);
        r.clickHeader(r.comparison, ComparisonTableLayout::ChangePercent);
        QCOMPARE(r.shownCounters().first(), u"Lock Waits] PerSec"_s);

        // A counter of the comparison becomes "Y Ax.1" on the digest tab, drawn over the four reports.
        r.comparison->setCurrentIndex(r.comparison->model()->index(4, ComparisonTableLayout::Type));
        r.click(u"btChartCounter"_s);
        QCOMPARE(r.tab(), 2);
        QCOMPARE(r.control<QComboBox>(u"cbValueAxis"_s)->currentText(), yields);
        QCOMPARE(r.status(1), u"Data Displayed in Chart"_s);
        QCOMPARE(r.control<MonitoringChart>(u"chrtMonitoring"_s)->points(MonitoringChart::Series1).size(), 4);
        QVERIFY(r.control<QSplitter>(u"spSplit"_s)->sizes().last() > 100);
    }
};

QTEST_MAIN(ComparisonWindowTest)
#include "ComparisonWindowTest.moc"
