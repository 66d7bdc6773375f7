#include "TfmQuorvel.h"
#include "DigestPanel.h"
#include "GridView.h"
#include "MonitoringChart.h"
#include "ReportMemo.h"
#include "SetupCountersPanel.h"
#include "StatusPanels.h"
#include "SysmonFilesPanel.h"
#include "WindowTestRun.h"

#include "report/ReportLoader.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString tab0Help = u"Please Setup Sysmon Counters {Open->Parse->Select->Add}"_s;
const QString tab1Help = u"Please Choose Files to Work On {Add Files->Select}"_s;
const QString tab2Help = u"Start Digest Operation {Start Parsing->Display In Graph->Export}"_s;

// Counts the key presses that reach one control, to show that the window's key preview passes
// every key on.
class KeySpy : public QObject
{
public:
    explicit KeySpy(QObject *watched) { watched->installEventFilter(this); }
    QList<int> keys;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent *>(event)->key();
        return false;
    }
};

QStringList headerRow(const GridTable &table)
{
    QStringList texts;
    for (int c = 0; c < table.columns(); ++c)
        texts << table.cell(c, 0).toString();
    return texts;
}

QList<int> columnWidths(const QTableView *view)
{
    QList<int> widths;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        widths << view->columnWidth(c);
    return widths;
}

} // namespace

class TfmQuorvelTest : public QObject, private WindowTestRun<WindowRun>
{
    Q_OBJECT

private:
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = filePath(name);
        if (!writeBytes(path, bytes))
            qFatal("cannot write a test file");
        return path;
    }

    void clickShowFile(WindowRun &r, const QString &path)
    {
        r.script.openAnswers << QStringList { path };
        r.control<QAbstractButton>(u"btOpenSysmonFile"_s)->click();
    }

    void clickLoadSysmonFile(WindowRun &r, const QString &path)
    {
        r.script.openAnswers << QStringList { path };
        r.control<QAbstractButton>(u"btOpenLoadSysmonFile"_s)->click();
    }

private slots:
    void init() { enterWorkingFolder(); }
    void cleanup() { leaveWorkingFolder(); }

    void startupShowsEveryControlInItsInitialState()
    {
        WindowRun &r = start();
        QCOMPARE(r.window.windowTitle(), u"Sybase Quorvel v.1.2"_s);
        QCOMPARE(r.window.size(), QSize(929, 646));

        const QList<QPair<QString, QString>> captions = {
            { u"btOpenLoadSysmonFile"_s, u"L&oad Sysmon File"_s },
            { u"btDivideIntoSubs"_s, u"&Parse Sections"_s },
            { u"btExportOne"_s, u"E&xport Sections to CSV"_s },
            { u"btOpenSysmonFile"_s, u"Sho&w File"_s },
            { u"btSearch"_s, u"&Find Counter"_s },
            { u"cbAddMatching"_s, u"Add &Matching"_s },
            { u"bbtAddCounter"_s, u"&Add Counter"_s },
            { u"btClearCounters"_s, u"Clear Co&unters"_s },
            { u"btSaveCounters"_s, u"&Save Counters"_s },
            { u"btLoadCounters"_s, u"&Load Counters"_s },
            { u"btAddFile"_s, u"&Add Sysmon File(s)"_s },
            { u"btSaveList"_s, u"&Save List..."_s },
            { u"btLoadList"_s, u"&Load List..."_s },
            { u"btDigest"_s, u"St&art Parsing of Sysmon Files"_s },
            { u"cbTimeOnly"_s, u"Ti&me Only"_s },
            { u"cbAppend"_s, u"A&ppend"_s },
            { u"btShowSysmon"_s, u"Sho&w File"_s },
            { u"btExport"_s, u"&Export Data to CSV File"_s },
            { u"cbSwapAxes"_s, u"S&wap Axes"_s },
            { u"btSetGraph"_s, u"&Display"_s },
            { u"cbSetRatio"_s, u"Set Ratio"_s },
        };
        for (const auto &[name, caption] : captions) {
            const auto *button = r.control<QAbstractButton>(name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->text(), caption);
        }
        const QList<QPair<QString, bool>> ticks = { { u"cbAddMatching"_s, false },
                                                    { u"cbTimeOnly"_s, true },
                                                    { u"cbAppend"_s, false },
                                                    { u"cbSwapAxes"_s, false },
                                                    { u"cbSetRatio"_s, true } };
        for (const auto &[name, ticked] : ticks)
            QCOMPARE(r.control<QCheckBox>(name)->isChecked(), ticked);
        QCOMPARE(r.control<QCheckBox>(u"cbAddMatching"_s)->toolTip(),
                 u"Check this to add all the matching counters when pressing \"add counter\""_s);

        const QList<QPair<QString, QString>> labels = { { u"lbDelimit"_s, u"Delimiter:"_s },
                                                        { u"lbValueAxis"_s, u"Y Ax.1"_s },
                                                        { u"lbValueAxis2"_s, u"Y Ax.2"_s },
                                                        { u"lbRatio"_s, u"Ratio:"_s } };
        for (const auto &[name, text] : labels)
            QCOMPARE(r.control<QLabel>(name)->text(), text);
        QCOMPARE(r.control<QLineEdit>(u"edSearch"_s)->text(), QString());
        QCOMPARE(r.control<QLineEdit>(u"edDelimiter"_s)->text(), u","_s);
        QCOMPARE(r.control<QLineEdit>(u"edRatio"_s)->text(), u"1"_s);

        const QList<QPair<QString, QString>> boxes = { { u"cbTopCategory"_s, u"Performance Section"_s },
                                                       { u"cbSubCategory1"_s, u"Performance Sub Category"_s },
                                                       { u"cbSubCategory2"_s, u"Performance Sub Category"_s },
                                                       { u"cbValueAxis"_s, u"cbValueAxis"_s },
                                                       { u"cbValueAxis2"_s, u"cbValueAxis"_s } };
        for (const auto &[name, text] : boxes) {
            const auto *box = r.control<QComboBox>(name);
            QCOMPARE(box->currentText(), text);
            QCOMPARE(box->count(), 0);
        }
        // The type list is filled, yet the box still shows its own text with nothing selected.
        const auto *types = r.control<QComboBox>(u"cbCountType"_s);
        QCOMPARE(types->currentText(), u"Counter Type"_s);
        QCOMPARE(types->currentIndex(), -1);
        QStringList typeItems;
        for (int i = 0; i < types->count(); ++i)
            typeItems << types->itemText(i);
        QCOMPARE(typeItems,
                 (QStringList { u"PerSec"_s, u"PedXact"_s, u"Count"_s, u"% Total"_s, u"CPU %"_s, u"IO %"_s, u"Idle %"_s,
                                u"Waits"_s, u"Grabs"_s, u"Spins"_s, u"% Contn"_s, u"Spin/Wait"_s, u"Fields"_s }));

        const auto *tabs = r.control<QTabWidget>(u"tabControls"_s);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), u"Select Sysmon Coun&ters"_s);
        QCOMPARE(tabs->tabText(1), u"Select Sysmon F&iles"_s);
        QCOMPARE(tabs->tabText(2), u"Di&gest Sysmon Counters"_s);
        QCOMPARE(r.control<MonitoringChart>(u"chrtMonitoring"_s)->title(), u"Sysmon Comparison Graph"_s);
        QCOMPARE(r.control<QAction>(u"miDelCol"_s)->text(), u"Delete Column"_s);

        QCOMPARE(headerRow(r.window.sgSysmonSections),
                 (QStringList { u"Section"_s, u"SubSection1"_s, u"SubSection2"_s, u"PerSec"_s, u"PedXact"_s, u"Count"_s,
                                u"% Total"_s, u"CPU %"_s, u"IO %"_s, u"Idle %"_s }));
        QCOMPARE(headerRow(r.window.sgSysmonCounters),
                 (QStringList { u"Section"_s, u"SubSection1"_s, u"SubSection2"_s, u"Counter"_s }));
        QCOMPARE(headerRow(r.window.sgFiles), (QStringList { QString(), u"Path to Sysmon File"_s }));
        QCOMPARE(headerRow(r.window.sgSysmonDigest),
                 (QStringList { QString(), u"Sysmon Counter"_s, u"Type"_s, u"Avg"_s }));
        for (const GridTable *table :
             { &r.window.sgSysmonSections, &r.window.sgSysmonCounters, &r.window.sgFiles, &r.window.sgSysmonDigest })
            QCOMPARE(table->rows(), 2);

        // What the grids look like and let the user do.
        const auto *sections = r.control<GridView>(u"sgSysmonSections"_s);
        QCOMPARE(columnWidths(sections), (QList<int> { 181, 163, 157, 54, 54, 54, 54, 54, 54, 54 }));
        QVERIFY(sections->editTriggers() != QAbstractItemView::NoEditTriggers);
        QCOMPARE(sections->selectionBehavior(), QAbstractItemView::SelectItems);
        const auto *counters = r.control<GridView>(u"sgSysmonCounters"_s);
        QCOMPARE(columnWidths(counters), (QList<int> { 302, 254, 245, 84 }));
        QCOMPARE(counters->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(counters->editTriggers(), QAbstractItemView::NoEditTriggers);
        const auto *files = r.control<GridView>(u"sgFiles"_s);
        QVERIFY(files->isColumnHidden(0));
        QCOMPARE(files->columnWidth(1), 761);
        QCOMPARE(files->verticalHeader()->width(), GridView::gutterWidth);
        QVERIFY(files->verticalHeader()->sectionsMovable());
        const auto *digest = r.control<GridView>(u"sgSysmonDigest"_s);
        QCOMPARE(columnWidths(digest).mid(1), (QList<int> { 256, 64, 64 }));
        QCOMPARE(digest->rowHeight(0), 24);
        QVERIFY(digest->horizontalHeader()->sectionsMovable());
        QCOMPARE(digest->editTriggers(), QAbstractItemView::NoEditTriggers);

        QCOMPARE(r.status(0), QString());
        QCOMPARE(r.status(1), tab0Help);
        QCOMPARE(r.status(2), QString());
        const auto *panel0 = r.window.findChild<QLabel *>(u"sbStatusPanel0"_s);
        const auto *panel1 = r.window.findChild<QLabel *>(u"sbStatusPanel1"_s);
        const auto *panel2 = r.window.findChild<QLabel *>(u"sbStatusPanel2"_s);
        QCOMPARE(panel0->width(), 150);
        QCOMPARE(panel1->width(), 600);
        QVERIFY(panel1->x() > panel0->geometry().right());
        QVERIFY(panel2->x() > panel1->geometry().right());
        QVERIFY(panel2->geometry().right() >= r.window.width() - 10);

        QVERIFY(!r.window.reportViewShowing());
        QVERIFY(r.window.reportLines().isEmpty());
        QCOMPARE(r.window.singleSysmonFile(), QString());
        QVERIFY(r.script.errors.isEmpty());
    }

    void startupLoadsTheDefaultCounterSet()
    {
        writeFile(u"SysmonCounters.ini"_s,
                  "Kernel Utilization[+]Engine Busy Utilization...[+]Engine 0[+]CPU %[+]\r\n"
                  "Lock Management[+]Lock Summary...[+]Total Lock Requests[+]PerSec[+]\r\n");
        WindowRun &r = start();
        QCOMPARE(r.window.sgSysmonCounters.rows(), 3);
        QCOMPARE(r.window.sgSysmonCounters.cell(2, 1), u"Engine 0"_s);
        QCOMPARE(r.window.sgSysmonCounters.cell(3, 2), u"PerSec"_s);
        QCOMPARE(r.status(1), u"Counters Loaded from SysmonCounters.ini"_s);
        QVERIFY(r.script.errors.isEmpty());
    }

    void startupReportsAnUnreadableCounterSetAndRunsOn()
    {
        writeFile(u"SysmonCounters.ini"_s, QByteArray("Kernel[+]\0\x01\x02[+]", 16));
        WindowRun &r = start();
        QCOMPARE(r.script.errors.size(), 1);
        QVERIFY(r.script.errors.first().startsWith(u"APP. ERR (LoadCountersFromIniFile):  "_s));
        QCOMPARE(r.window.sgSysmonCounters.rows(), 2);
        QCOMPARE(r.window.sgSysmonCounters.cell(0, 1), QString());
        QCOMPARE(r.status(1), tab0Help);
        QVERIFY(r.window.isVisible());
    }

    void startupRunsOnlyOnce()
    {
        WindowRun &r = start();
        r.window.sgSysmonCounters.setCell(0, 1, u"Picked by hand"_s);
        r.control<QComboBox>(u"cbCountType"_s)->setEditText(u"Waits"_s);
        writeFile(u"SysmonCounters.ini"_s, "Other[+]Set[+]Of[+]Counters[+]\r\n");

        // Another program or a dialog had the focus, and the window is activated and shown again.
        QEvent deactivate(QEvent::WindowDeactivate);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&r.window, &deactivate);
        QApplication::sendEvent(&r.window, &activate);
        r.window.hide();
        r.window.show();
        QTest::qWait(50);

        QCOMPARE(r.window.sgSysmonCounters.cell(0, 1), u"Picked by hand"_s);
        QCOMPARE(r.control<QComboBox>(u"cbCountType"_s)->currentText(), u"Waits"_s);
        QCOMPARE(r.status(1), tab0Help);
    }

    void tabChangeShowsThePanelAndItsHelpText()
    {
        WindowRun &r = start();
        auto *tabs = r.control<QTabWidget>(u"tabControls"_s);
        const QList<QPair<int, QString>> visits = { { 1, tab1Help }, { 2, tab2Help }, { 0, tab0Help } };
        for (const auto &[tab, help] : visits) {
            r.window.ui().setStatus(StatusPanel::Progress, u"Metrics 10 of 20"_s);
            r.window.ui().setStatus(StatusPanel::Files, u"Loaded ...report.txt"_s);
            tabs->setCurrentIndex(tab);
            QCOMPARE(r.status(0), QString());
            QCOMPARE(r.status(1), help);
            QCOMPARE(r.status(2), QString());
            QCOMPARE(r.control<QWidget>(u"paSetupCounters"_s)->isVisible(), tab == 0);
            QCOMPARE(r.control<QWidget>(u"paSysmonFiles"_s)->isVisible(), tab == 1);
            QCOMPARE(r.control<QWidget>(u"paDigest"_s)->isVisible(), tab == 2);
        }

        // The captions' accelerators select the tabs.
        QTest::keyClick(&r.window, Qt::Key_I, Qt::AltModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(&r.window, Qt::Key_G, Qt::AltModifier);
        QCOMPARE(tabs->currentIndex(), 2);
        QTest::keyClick(&r.window, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void digestTabCollapsesTheChartEveryTime()
    {
        WindowRun &r = start();
        auto *tabs = r.control<QTabWidget>(u"tabControls"_s);
        auto *chartArea = r.control<QWidget>(u"paBottom"_s);
        auto *splitter = r.control<QSplitter>(u"spSplit"_s);
        tabs->setCurrentIndex(2);
        QCOMPARE(chartArea->height(), 1);

        // The user opens the chart, leaves the tab and comes back.
        splitter->setSizes({ 200, 250 });
        QCOMPARE(chartArea->height(), 250);
        tabs->setCurrentIndex(0);
        tabs->setCurrentIndex(2);
        QCOMPARE(chartArea->height(), 1);
        QVERIFY(r.control<QWidget>(u"sgSysmonDigest"_s)->height() > 300);
    }

    void loadSysmonFilePutsTheReportIntoTheReportText()
    {
        WindowRun &r = start();
        r.control<QAbstractButton>(u"btOpenLoadSysmonFile"_s)->click(); // cancelled
        QCOMPARE(r.script.openPresets.size(), 1);
        QCOMPARE(r.script.openPresets.first(), std::nullopt); // the dialog keeps the name it held
        QCOMPARE(r.window.singleSysmonFile(), QString());
        QCOMPARE(r.status(2), QString());
        QVERIFY(r.script.errors.isEmpty());

        const QString path = writeFile(u"monday.txt"_s, "Sybase Adaptive Server Enterprise\r\n\r\nKernel\r\n");
        clickLoadSysmonFile(r, path);
        QCOMPARE(r.window.reportLines().toStringList(),
                 (QStringList { u"Sybase Adaptive Server Enterprise"_s, QString(), u"Kernel"_s }));
        QCOMPARE(r.window.singleSysmonFile(), path);
        QCOMPARE(r.status(2), ReportLoader::loadedStatus(path));
        QVERIFY(r.status(2).endsWith(path.right(31)));
        QVERIFY(!r.window.reportViewShowing());
        QCOMPARE(r.script.openPresets.last(), std::nullopt);
    }

    void showFileShowsTheReportOverTheCurrentTab()
    {
        WindowRun &r = start();
        const auto *memo = r.control<QPlainTextEdit>(u"meSysmon"_s);
        const QString loaded = writeFile(u"loaded.txt"_s, "first report\n");
        const QString shown = writeFile(u"shown.txt"_s, "Kernel Utilization\n------------------\n  Engine 0\n");
        clickLoadSysmonFile(r, loaded);
        clickShowFile(r, shown);
        QCOMPARE(r.script.openPresets.last(), std::optional<QString>(loaded));
        QVERIFY(r.window.reportViewShowing());
        QCOMPARE(r.window.reportLines().toStringList(),
                 (QStringList { u"Kernel Utilization"_s, u"------------------"_s, u"  Engine 0"_s }));
        QCOMPARE(memo->toPlainText(), u"Kernel Utilization\n------------------\n  Engine 0"_s);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(!memo->isReadOnly());
        QCOMPARE(r.window.singleSysmonFile(), shown);
        QCOMPARE(r.status(2), ReportLoader::loadedStatus(shown));

        // It covers the pages, not the tab bar, and stays in front when the tab changes.
        auto *tabs = r.control<QTabWidget>(u"tabControls"_s);
        const auto *pages = tabs->findChild<QStackedWidget *>();
        QCOMPARE(memo->geometry(), pages->geometry());
        QVERIFY(tabs->tabBar()->isVisible());
        for (int tab : { 2, 1, 0 }) {
            tabs->setCurrentIndex(tab);
            QVERIFY(r.window.reportViewShowing());
            const QWidget *front = tabs->childAt(pages->geometry().center());
            QVERIFY(front == memo || memo->isAncestorOf(front));
        }

        // Esc closes the view and writes no message.
        const QString before = r.status(1);
        QTest::keyClick(r.window.focusWidget(), Qt::Key_Escape);
        QVERIFY(!r.window.reportViewShowing());
        QCOMPARE(r.status(1), before);
        QCOMPARE(r.window.reportLines().count(), 3);

        // The digest tab's button is the same command, preset with the last chosen file.
        tabs->setCurrentIndex(2);
        r.script.openAnswers << QStringList { loaded };
        r.control<QAbstractButton>(u"btShowSysmon"_s)->click();
        QCOMPARE(r.script.openPresets.last(), std::optional<QString>(shown));
        QVERIFY(r.window.reportViewShowing());
        QCOMPARE(r.window.reportLines().toStringList(), QStringList { u"first report"_s });
        r.control<QAbstractButton>(u"btShowSysmon"_s)->click(); // cancelled: nothing changes
        QVERIFY(r.window.reportViewShowing());
        QCOMPARE(r.window.reportLines().toStringList(), QStringList { u"first report"_s });

        // Loading while the view shows puts the new report into the view.
        clickLoadSysmonFile(r, shown);
        QCOMPARE(memo->toPlainText(), u"Kernel Utilization\n------------------\n  Engine 0"_s);
    }

    void showFileOfAnEmptyFileLeavesTheViewClosed()
    {
        WindowRun &r = start();
        const QString empty = writeFile(u"empty.txt"_s, QByteArray());
        clickLoadSysmonFile(r, writeFile(u"other.txt"_s, "some report\n"));
        clickShowFile(r, empty);
        QVERIFY(r.window.reportLines().isEmpty());
        QVERIFY(!r.window.reportViewShowing());
        QCOMPARE(r.status(2), ReportLoader::loadedStatus(empty));
        QVERIFY(r.script.errors.isEmpty());
    }

    void editsInTheReportViewAreTheReportText()
    {
        WindowRun &r = start();
        const auto *memo = r.control<QPlainTextEdit>(u"meSysmon"_s);
        clickShowFile(r, writeFile(u"r.txt"_s, "Engine 0 busy\nEngine 1 busy\n"));
        QTextCursor cursor(memo->document());
        cursor.insertText(u"Edited "_s);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(u"\nEngine 2 busy\n"_s);
        const QStringList edited = { u"Edited Engine 0 busy"_s, u"Engine 1 busy"_s, u"Engine 2 busy"_s };
        QCOMPARE(r.window.reportLines().toStringList(), edited);

        // Closing the view keeps the edits; a new report replaces them.
        QTest::keyClick(r.window.focusWidget(), Qt::Key_Escape);
        QCOMPARE(r.window.reportLines().toStringList(), edited);
        r.window.replaceReportLines(TextLines({ u"next report"_s }));
        QCOMPARE(r.window.reportLines().toStringList(), QStringList { u"next report"_s });
    }

    void aFileThatCannotBeLoadedShowsTheErrorAndKeepsTheState()
    {
        WindowRun &r = start();
        const QString good = writeFile(u"good.txt"_s, "Kernel\n");
        const QString vanished = filePath(u"vanished.txt"_s);
        clickLoadSysmonFile(r, good);
        const QString status2 = r.status(2);

        clickLoadSysmonFile(r, vanished);
        QCOMPARE(r.script.errors.size(), 1);
        QVERIFY(r.script.errors.last().startsWith(u"APP. ERR (LoadSysmonFile):  "_s));
        QCOMPARE(r.window.reportLines().toStringList(), QStringList { u"Kernel"_s });
        QCOMPARE(r.window.singleSysmonFile(), vanished);
        QCOMPARE(r.status(2), status2);

        clickShowFile(r, vanished);
        QCOMPARE(r.script.errors.size(), 2);
        QVERIFY(r.script.errors.last().startsWith(u"APP. ERR (OpenSysmonFile):  "_s));
        QVERIFY(r.window.reportLines().isEmpty());
        QVERIFY(!r.window.reportViewShowing());
        QCOMPARE(r.status(2), status2);
    }

    // A FIFO that no program writes to would hold open() for ever, and with it the window; a device
    // may never end. Every loader of the window refuses them before opening. (Should a loader wait
    // all the same, a watchdog writes to the FIFO after a while, so the test fails, not hangs.)
    void loadersRefuseWhatIsNoRegularFileWithoutWaiting()
    {
        const QStringList fifos { filePath(u"SysmonCounters.ini"_s), filePath(u"picked"_s) };
        for (const QString &fifo : fifos)
            QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        std::atomic<bool> done = false;
        std::thread watchdog([&] {
            for (int waited = 0; !done; waited += 50) {
                for (const QString &fifo : fifos) {
                    const int end =
                        waited < 5000 ? -1 : ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                    if (end >= 0)
                        ::close(end);
                }
                QThread::msleep(50);
            }
        });
        const auto noWaiting = qScopeGuard([&] {
            done = true;
            watchdog.join();
        });

        WindowRun &r = start(); // reads the default counter set, here a FIFO
        const QString picked = fifos[1];
        clickLoadSysmonFile(r, picked);
        clickShowFile(r, picked);
        clickLoadSysmonFile(r, u"/dev/zero"_s);
        r.script.openAnswers << QStringList { picked };
        r.control<QAbstractButton>(u"btLoadCounters"_s)->click();
        const QList<QPair<QString, QString>> refused { { u"LoadCountersFromIniFile"_s, u"SysmonCounters.ini"_s },
                                                       { u"LoadSysmonFile"_s, picked },
                                                       { u"OpenSysmonFile"_s, picked },
                                                       { u"LoadSysmonFile"_s, u"/dev/zero"_s },
                                                       { u"btLoadCountersClick"_s, picked } };
        QCOMPARE(r.script.errors.size(), refused.size());
        for (qsizetype i = 0; i < refused.size(); ++i) {
            QCOMPARE(r.script.errors[i],
                     u"APP. ERR ("_s % refused[i].first % u"):  File \""_s % refused[i].second %
                         u"\" is not a regular file."_s);
        }
        QVERIFY(r.window.reportLines().isEmpty());
    }

    void aReportTooLargeForTheViewIsRefusedOnlyByTheView()
    {
        WindowRun &r = start();
        const QByteArray longLine(ReportMemo::maxViewLineLength + 1, 'x');
        const QString huge = writeFile(u"one-long-line.txt"_s, "Kernel\n" + longLine + '\n');
        const QString normal = writeFile(u"normal.txt"_s, "Kernel\n");

        clickShowFile(r, huge);
        QCOMPARE(r.script.errors.size(), 1);
        QVERIFY(r.script.errors.last().startsWith(u"APP. ERR (OpenSysmonFile):  "_s));
        QVERIFY(r.window.reportLines().isEmpty());
        QVERIFY(!r.window.reportViewShowing());

        // Without the view the report text takes it.
        clickLoadSysmonFile(r, huge);
        QCOMPARE(r.script.errors.size(), 1);
        QCOMPARE(r.window.reportLines().count(), 2);

        // With the view showing, the load fails and the shown report stays.
        clickShowFile(r, normal);
        clickLoadSysmonFile(r, huge);
        QCOMPARE(r.script.errors.size(), 2);
        QVERIFY(r.script.errors.last().startsWith(u"APP. ERR (LoadSysmonFile):  "_s));
        QCOMPARE(r.window.reportLines().toStringList(), QStringList { u"Kernel"_s });
        QVERIFY(r.window.reportViewShowing());
    }

    void binaryFilesLoadAndShowWithoutHarm()
    {
        WindowRun &r = start();
        QByteArray bytes(256 * 1024, '\0');
        QRandomGenerator random(20240625);
        for (char &b : bytes)
            b = char(random.bounded(256));
        const QString binary = writeFile(u"binary.dat"_s, bytes);
        clickShowFile(r, binary);
        QVERIFY(r.script.errors.isEmpty());
        QVERIFY(r.window.reportViewShowing());
        QCOMPARE(r.window.reportLines(), ReportLoader::load(binary));
    }

    void escWithoutTheViewSaysTheAbortWasCaptured()
    {
        WindowRun &r = start();
        QWidget *focused = r.control<QWidget>(u"sgSysmonSections"_s);
        focused->setFocus();
        KeySpy spy(focused);
        QTest::keyClick(focused, Qt::Key_Escape);
        QCOMPARE(r.status(1), u"Abort operation captured."_s);
        QCOMPARE(spy.keys, QList<int> { Qt::Key_Escape });

        // The same through the window system's own delivery, as a real key press travels.
        r.window.ui().setStatus(StatusPanel::Messages, QString());
        QVERIFY(QTest::qWaitForWindowActive(&r.window));
        QTest::keyClick(r.window.windowHandle(), Qt::Key_Escape);
        QCOMPARE(r.status(1), u"Abort operation captured."_s);
        QCOMPARE(spy.keys, (QList<int> { Qt::Key_Escape, Qt::Key_Escape }));
    }

    void ctrlFJumpsToTheSearchBoxOnTheFirstTabOnly()
    {
        WindowRun &r = start();
        QVERIFY(QTest::qWaitForWindowActive(&r.window));
        auto *tabs = r.control<QTabWidget>(u"tabControls"_s);
        auto *search = r.control<QLineEdit>(u"edSearch"_s);
        // The counter set: a grid that does not start editing when a letter is typed.
        auto *counters = r.control<QWidget>(u"sgSysmonCounters"_s);

        const QList<Qt::KeyboardModifiers> notCtrlF = { Qt::NoModifier, Qt::ControlModifier | Qt::ShiftModifier,
                                                        Qt::ControlModifier | Qt::AltModifier };
        for (Qt::KeyboardModifiers modifiers : notCtrlF) {
            counters->setFocus();
            QTest::keyClick(counters, Qt::Key_F, modifiers);
            QCOMPARE(QApplication::focusWidget(), counters);
        }
        counters->setFocus();
        KeySpy spy(counters);
        QTest::keyClick(counters, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), search);
        QCOMPARE(spy.keys.last(), int(Qt::Key_F)); // the grid still received the key

        // From an editable box of the tab too, whose typing goes to its inner edit.
        auto *box = r.control<QComboBox>(u"cbTopCategory"_s);
        box->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), search);
        QCOMPARE(box->currentText(), u"Performance Section"_s);

        for (const auto &[tab, name] : { std::pair { 1, u"sgFiles"_s }, std::pair { 2, u"sgSysmonDigest"_s } }) {
            tabs->setCurrentIndex(tab);
            auto *grid = r.control<QWidget>(name);
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(QApplication::focusWidget(), grid);
        }
    }

    void draggingRowsAndColumnsMovesTheData()
    {
        WindowRun &r = start();
        GridTable &files = r.window.sgFiles;
        files.setRows(4);
        files.setCell(1, 1, u"a.txt"_s);
        files.setCell(1, 2, u"b.txt"_s);
        files.setCell(1, 3, u"c.txt"_s);
        auto *fileView = r.control<GridView>(u"sgFiles"_s);
        fileView->verticalHeader()->moveSection(0, 2);
        QCOMPARE(files.cell(1, 1), u"b.txt"_s);
        QCOMPARE(files.cell(1, 2), u"c.txt"_s);
        QCOMPARE(files.cell(1, 3), u"a.txt"_s);
        QCOMPARE(fileView->verticalHeader()->visualIndex(0), 0); // what is seen is what is stored
        QCOMPARE(fileView->model()->index(2, 1).data().toString(), u"a.txt"_s);

        GridTable &digest = r.window.sgSysmonDigest;
        digest.setColumns(6);
        auto *digestView = r.control<GridView>(u"sgSysmonDigest"_s);
        QCOMPARE(digestView->columnWidth(5), 64); // report columns take the narrow width
        digest.setCell(4, 0, u"10:00:00"_s);
        digest.setCell(5, 0, u"11:00:00"_s);
        digestView->setColumnWidth(4, 90);
        digestView->horizontalHeader()->moveSection(4, 5);
        QCOMPARE(digest.cell(4, 0), u"11:00:00"_s);
        QCOMPARE(digest.cell(5, 0), u"10:00:00"_s);
        QCOMPARE(digestView->columnWidth(5), 90);
        QCOMPARE(digestView->horizontalHeader()->visualIndex(4), 4);

        // Nothing moves into the gutter.
        digestView->horizontalHeader()->moveSection(1, 0);
        QCOMPARE(digest.cell(1, 0), u"Sysmon Counter"_s);
        QVERIFY(digestView->isColumnHidden(0));
    }

    void viewAndTableShareTheCurrentCell()
    {
        WindowRun &r = start();
        GridTable &sections = r.window.sgSysmonSections;
        auto *view = r.control<GridView>(u"sgSysmonSections"_s);
        {
            GridTable::BulkUpdate batch(sections);
            sections.setRows(6);
            sections.setCurrentCell(3, 5); // before the view has heard of row 5
        }
        QCOMPARE(view->currentIndex(), sections.index(4, 3));
        view->setCurrentIndex(sections.index(1, 7));
        QCOMPARE(sections.currentRow(), 2);
        QCOMPARE(sections.currentColumn(), 7);
    }
};

QTEST_MAIN(TfmQuorvelTest)
#include "TfmQuorvelTest.moc"
