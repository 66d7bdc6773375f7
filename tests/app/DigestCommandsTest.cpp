// The file list and digest tabs driven through the window's own controls: the file list with its
// drops, the digest run with its questions, Esc and refusals, Delete Column, Delete on a row, "Y
// Ax.2" following the current row, and the export, which must give the bytes the command line
// gives for the same run; the time window, the statistics and the problems list.
#include "DigestCommands.h"
#include "GridView.h"
#include "SysmonFilesPanel.h"
#include "TfmQuorvel.h"
#include "WindowTestRun.h"

#include "common/DetachedThread.h"
#include "report/ReportLoader.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

#include <future>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString cases = u"" QUORVEL_TEST_DATA "/digest-cli/"_s;
// Sampling started at 10:53:00, 11:53:00 and not at all.
const QString report1 = cases + u"counter-kinds/report-1.txt"_s;
const QString report2 = cases + u"counter-kinds/report-2.txt"_s;
const QString report3 = cases + u"counter-kinds/report-3.txt"_s;

struct Running : WindowRun
{
    GridTable &files = window.sgFiles;
    GridTable &digest = window.sgSysmonDigest;

    QAbstractButton *button(const QString &name) const { return control<QAbstractButton>(name); }
    GridView *grid(const QString &name) const { return control<GridView>(name); }
    QComboBox *box(const QString &name) const { return control<QComboBox>(name); }
    QProgressBar *progress() const { return control<QProgressBar>(u"sbProgress"_s); }

    void showTab(int tab) { control<QTabWidget>(u"tabControls"_s)->setCurrentIndex(tab); }
    void addFiles(const QStringList &paths)
    {
        script.openAnswers << paths;
        button(u"btAddFile"_s)->click();
    }
    DigestCommands &commands() const { return *window.findChild<DigestCommands *>(); }
    // Presses "St&art Parsing of Sysmon Files", answers its question, and lets the window's event
    // loop turn until a run that started has ended.
    void startDigest(bool answer)
    {
        script.confirmAnswers << answer;
        QSignalSpy ended(&commands(), &DigestCommands::digestFinished);
        button(u"btDigest"_s)->click();
        if (commands().digesting() && !ended.wait(20000))
            qFatal("the digest did not end");
    }
    void exportTo(const QString &path)
    {
        script.saveAnswers << path;
        button(u"btExport"_s)->click();
    }

    QStringList column(const GridTable &table, int c) const
    {
        QStringList cells;
        for (int r = 0; r < table.rows(); ++r)
            cells << table.cell(c, r).toString();
        return cells;
    }
    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 1; c < digest.columns(); ++c)
            cells << digest.cell(c, r).toString();
        return cells;
    }
    QStringList items(const QString &name) const
    {
        QStringList texts;
        for (int i = 0; i < box(name)->count(); ++i)
            texts << box(name)->itemText(i);
        return texts;
    }

    // The tooltip the pointer at `position` on `widget` shows; empty when it shows none.
    static QString toolTipAt(QWidget *widget, QPoint position)
    {
        // A tooltip fades out for a while after it is hidden.
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            qFatal("a tooltip stays on the screen");
        QHelpEvent hover(QEvent::ToolTip, position, widget->mapToGlobal(position));
        QCoreApplication::sendEvent(widget, &hover);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    static QString cellToolTip(GridView *view, int row, int column)
    {
        return toolTipAt(view->viewport(), view->visualRect(view->table().index(row - 1, column)).center());
    }
    static QString headerToolTip(GridView *view, int column)
    {
        QHeaderView *header = view->horizontalHeader();
        return toolTipAt(header->viewport(), QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
    }

    QPoint inWindow(GridView *view, int row, int column) const
    {
        const QRect cell = view->visualRect(view->table().index(row - 1, column));
        return view->viewport()->mapTo(&window, cell.center());
    }
};

} // namespace

class DigestCommandsTest : public QObject, private WindowTestRun<Running>
{
    Q_OBJECT

private:
    // The window with `counters` as its default counter set, ready for the window system's own
    // mouse and key events.
    Running &start(const QString &counters)
    {
        QFile::copy(counters, filePath(u"SysmonCounters.ini"_s));
        Running &r = WindowTestRun::start();
        if (!QTest::qWaitForWindowActive(&r.window))
            qFatal("the window did not become active");
        // Two threads, whatever the machine: the reports are read and parsed side by side.
        r.commands().setJobs(2);
        return r;
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { enterWorkingFolder(); }
    void cleanup() { leaveWorkingFolder(); }

    void theFileListAddsDeletesReordersAndTakesDrops()
    {
        Running &r = start(cases + u"counter-kinds/counters.ini"_s);
        r.showTab(1);
        const QString longPath = u"/a/folder/with/a/long/name/report-of-the-day.txt"_s;
        r.addFiles({ u"a.txt"_s, u"b.txt"_s });
        r.addFiles({ longPath });
        QCOMPARE(r.column(r.files, 1), (QStringList { u"Path to Sysmon File"_s, u"a.txt"_s, u"b.txt"_s, longPath }));
        QCOMPARE(r.status(1), u"File Added."_s);
        QCOMPARE(r.status(2), u"Added ...long/name/report-of-the-day.txt"_s);
        r.window.ui().setStatus(StatusPanel::Messages, QString());
        r.addFiles({}); // cancelled
        QCOMPARE(r.files.rows(), 4);
        QCOMPARE(r.status(1), QString());

        // Delete takes the current entry without a word; a dragged row moves in the table too.
        GridView *view = r.grid(u"sgFiles"_s);
        r.files.setCurrentCell(1, 1);
        QTest::keyClick(view, Qt::Key_Delete);
        view->verticalHeader()->moveSection(1, 0);
        QCOMPARE(r.column(r.files, 1), (QStringList { u"Path to Sysmon File"_s, longPath, u"b.txt"_s }));
        QCOMPARE(r.status(1), QString());

        // A dropped folder gives the Sysmon reports directly inside it, told by their title line
        // (here in UTF-16), by name, after the file dropped first, which is taken as it is.
        QDir folder(filePath(u"reports"_s));
        QVERIFY(folder.mkpath(u"inner"_s));
        QVERIFY(QFile::copy(report1, folder.filePath(u"b.txt"_s)));
        QVERIFY(QFile::copy(report1, folder.filePath(u"inner/c.txt"_s)));
        QVERIFY(QFile::copy(report1, folder.filePath(u".hidden"_s)));
        const QString title =
            u"\r\n 1> sp_sysmon\r\n   Sybase Adaptive Server Enterprise System Performance Report\r\n"_s;
        QVERIFY(writeBytes(folder.filePath(u"a.txt"_s),
                           "\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(title.utf16()), title.size() * 2)));
        QVERIFY(writeBytes(folder.filePath(u"SysmonCounters.ini"_s), "Kernel Utilization[+]x[+]y[+]CPU %[+]\r\n"));
        QVERIFY(writeBytes(folder.filePath(u"digest.csv"_s), "Sysmon Counter,Type,Avg,\r\n"));
        QVERIFY(writeBytes(folder.filePath(u"server.ini"_s), "Adaptive Server Enterprise\n"));
        const auto drop = [&](const QStringList &paths) {
            QMimeData dropped;
            QList<QUrl> urls;
            for (const QString &path : paths)
                urls << QUrl::fromLocalFile(path);
            dropped.setUrls(urls);
            QWidget *panel = r.control<SysmonFilesPanel>(u"paSysmonFiles"_s);
            QDragEnterEvent enter(panel->rect().center(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(panel, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent dropEvent(QPointF(panel->rect().center()), Qt::CopyAction, &dropped, Qt::LeftButton,
                                 Qt::NoModifier);
            QApplication::sendEvent(panel, &dropEvent);
        };
        drop({ u"/z.txt"_s, folder.path() });
        QCOMPARE(r.column(r.files, 1).mid(3),
                 (QStringList { u"/z.txt"_s, folder.filePath(u"a.txt"_s), folder.filePath(u"b.txt"_s) }));
        QCOMPARE(r.status(1), u"File Added. Skipped 3 files that are not Sysmon reports."_s);
        QCOMPARE(r.status(2), u"Added ..." + folder.filePath(u"b.txt"_s).right(31));
        // A folder without a report adds nothing and says so.
        QVERIFY(folder.remove(u"a.txt"_s) && folder.remove(u"b.txt"_s) && folder.remove(u"digest.csv"_s) &&
                folder.remove(u"server.ini"_s));
        drop({ folder.path() });
        QCOMPARE(r.files.rows(), 6);
        QCOMPARE(r.status(1), u"Skipped 1 file that is not a Sysmon report."_s);
        QVERIFY(r.script.errors.isEmpty());
    }

    // A saved list is the lines `quorvel-cli --files-from` reads, and loads back in place of the
    // list; a listed report that is gone stays listed until the digest reaches it.
    void theFileListIsSavedAndLoadedBack()
    {
        Running &r = start(cases + u"counter-kinds/counters.ini"_s);
        r.showTab(1);
        const QString list = filePath(u"list.txt"_s);
        r.script.saveAnswers << list;
        r.button(u"btSaveList"_s)->click();
        QCOMPARE(readBytes(list), QByteArray());
        QCOMPARE(r.script.savePresets, QStringList { u"*.txt"_s });

        const QString gone = filePath(u"gone.txt"_s);
        r.addFiles({ report1, gone, report2 });
        r.button(u"btSaveList"_s)->click(); // cancelled: nothing written
        QCOMPARE(readBytes(list), QByteArray());
        r.script.saveAnswers << list;
        r.button(u"btSaveList"_s)->click();
        QCOMPARE(readBytes(list), (report1 + u"\r\n"_s + gone + u"\r\n"_s + report2 + u"\r\n"_s).toUtf8());
        QCOMPARE(r.status(1), u"File list saved to "_s + list);

        const QString binary = filePath(u"list.bin"_s);
        QVERIFY(writeBytes(binary, QByteArray("a\0b\n", 4)));
        r.addFiles({ report3 });
        r.script.openAnswers << QStringList { binary };
        r.button(u"btLoadList"_s)->click();
        QCOMPARE(r.script.errors,
                 QStringList {
                     u"APP. ERR (btLoadListClick):  \"%1\" is not a file list: it holds binary data."_s.arg(binary) });
        QCOMPARE(r.files.rows(), 5);
        r.script.openAnswers << QStringList { list };
        r.button(u"btLoadList"_s)->click();
        QCOMPARE(r.column(r.files, 1), (QStringList { u"Path to Sysmon File"_s, report1, gone, report2 }));
        QCOMPARE(r.status(1), u"File list loaded from "_s + list);

        r.showTab(2);
        r.startDigest(true);
        QCOMPARE(r.script.errors.last(),
                 u"APP. ERR (btDigestClick):  Cannot open file \"%1\". No such file or directory"_s.arg(gone));
        QCOMPARE(r.digest.columns(), 5);
    }

    // The run over a parse failure and a binary file gives the same table, and exports the same
    // bytes, as the command line's case; a report that cannot be read ends a later run.
    void theRunAsksFirstGoesOnAfterFailedParsesAndExportsWhatTheCommandLineWrites()
    {
        const QString failed = cases + u"failed-parses/"_s;
        Running &r = start(failed + u"counters.ini"_s);
        r.showTab(2);
        r.button(u"btDigest"_s)->click();
        QCOMPARE(r.script.infos, QStringList { u"Please select files first."_s });
        QVERIFY(r.script.questions.isEmpty());

        r.addFiles({ report1, failed + u"report-2.txt"_s, failed + u"report-3.bin"_s, report2 });
        r.startDigest(false);
        QCOMPARE(r.script.questions, QStringList { u"Start Parsing Sysmon Files?"_s });
        QCOMPARE(r.digest.columns(), 4);
        QCOMPARE(r.digest.cell(1, 1), QString());

        r.startDigest(true);
        QCOMPARE(r.script.errors,
                 (QStringList { u"APP. ERR (DivideIntoSubs):  '12x' is not a valid integer value"_s,
                                u"APP. ERR (DivideIntoSubs):  \"%1report-3.bin\" is not a Sysmon report: it holds "
                                "binary data."_s.arg(failed) }));
        QCOMPARE(r.status(1), u"Digest Done."_s);
        QCOMPARE(r.status(2), u"Parsed 4 out of 4 files..."_s);
        QVERIFY(!r.progress()->isVisible());
        const QStringList names = r.column(r.digest, 1).mid(1);
        QCOMPARE(r.items(u"cbValueAxis"_s), names);
        QCOMPARE(r.items(u"cbValueAxis2"_s), names);
        QCOMPARE(r.box(u"cbValueAxis"_s)->currentIndex(), 0);
        // The report text, the section table and the category boxes hold the last report; the
        // report of Show File is still the one the user chose last.
        QCOMPARE(r.window.reportLines(), ReportLoader::load(report2));
        QCOMPARE(r.window.sgSysmonSections.cell(1, 3), u"Aug 23, 2013 11:53:00"_s);
        QCOMPARE(r.items(u"cbTopCategory"_s), r.window.categoryLists.sections);
        QVERIFY(r.items(u"cbTopCategory"_s).contains(u"Spinlocks"_s));
        QCOMPARE(r.window.singleSysmonFile(), QString());

        r.exportTo(filePath(u"digest.csv"_s));
        QCOMPARE(readBytes(filePath(u"digest.csv"_s)), readBytes(failed + u"expected.csv"_s));
        QCOMPARE(r.status(1), u"Data exported to "_s + filePath(u"digest.csv"_s));
        r.control<QCheckBox>(u"cbSwapAxes"_s)->setChecked(true);
        r.exportTo(filePath(u"digest.csv"_s));
        QCOMPARE(readBytes(filePath(u"digest.csv"_s)), readBytes(failed + u"expected-swapped.csv"_s));
        r.exportTo(filePath(u"no-folder/digest.csv"_s));
        QVERIFY(r.script.errors.last().startsWith(u"APP. ERR (btExportClick):  Cannot create file"_s));
        QVERIFY(!QFile::exists(filePath(u"no-folder/digest.csv"_s)));

        // Append: a listed report that vanished ends the run before its column, with the columns
        // so far and the averages over them (each report twice: the same averages).
        const QStringList averages = r.column(r.digest, 3);
        r.addFiles({ filePath(u"vanished.txt"_s) });
        r.control<QCheckBox>(u"cbAppend"_s)->setChecked(true);
        r.startDigest(true);
        QCOMPARE(r.script.errors.last(),
                 u"APP. ERR (btDigestClick):  Cannot open file \"%1\". No such file or directory"_s.arg(
                     filePath(u"vanished.txt"_s)));
        QCOMPARE(r.digest.columns(), 12);
        QCOMPARE(r.column(r.digest, 3), averages);
        QCOMPARE(r.column(r.digest, 11), r.column(r.digest, 7));
        QCOMPARE(r.status(1), u"Calculating Average Values..."_s);
        QVERIFY(!r.progress()->isVisible());
        QVERIFY(r.button(u"btDigest"_s)->isEnabled());
    }

    void escWhileAReadHangsEndsTheRunAtOnceWhileEditsAndDialogsAreRefused()
    {
        Running &r = start(cases + u"counter-kinds/counters.ini"_s);
        r.showTab(2);
        r.addFiles({ report1, report2, report3 });
        GridView *digestGrid = r.grid(u"sgSysmonDigest"_s);
        const QSize windowSize = r.window.size();
        // The second report lies on a file share that hangs until the test is over.
        auto hung = std::make_shared<std::promise<void>>();
        r.commands().setReportLoader([released = hung->get_future().share()](const QString &path) {
            if (path == report2)
                released.wait();
            return ReportLoader::load(path);
        });

        // While the run waits for the second report the window is live: the run shows its
        // progress, refuses the commands that would change or read what it works on or open a
        // dialog on top of it, and takes the Esc at once.
        qint64 escMs = -1;
        bool pressed = false;
        QElapsedTimer clock;
        connect(&r.commands(), &DigestCommands::digestFinished, &r.window, [&] {
            if (pressed)
                escMs = clock.elapsed();
        });
        QTimer duringSecondReport;
        duringSecondReport.setInterval(0);
        connect(&duringSecondReport, &QTimer::timeout, &r.window, [&] {
            if (pressed || r.status(2) != u"Parsed 1 out of 3 files..."_s)
                return;
            pressed = true;
            QVERIFY(r.progress()->isVisible());
            QVERIFY(r.progress()->text().startsWith(u"1 of 3, "_s));
            QVERIFY(r.progress()->text().endsWith(u" left"_s));
            QVERIFY(!r.control<QLabel>(u"sbStatusPanel2"_s)->isVisible()); // the bar stands in its place
            QCOMPARE(r.window.size(), windowSize); // the bar finds room in the status bar as it is
            for (const QString &refused :
                 { u"paSysmonFiles"_s, u"bbtAddCounter"_s, u"btClearCounters"_s, u"btLoadCounters"_s,
                   u"sgSysmonCounters"_s, u"btDigest"_s, u"btOpenLoadSysmonFile"_s, u"btDivideIntoSubs"_s,
                   u"cbAppend"_s, u"btExport"_s, u"btSaveCounters"_s, u"btExportOne"_s, u"btSearch"_s,
                   u"btSetGraph"_s })
                QVERIFY2(!r.control<QWidget>(refused)->isEnabled(), qPrintable(refused));
            QVERIFY(!r.control<QAction>(u"miSaveChart"_s)->isEnabled());
            QVERIFY(r.control<QTabBar>(QString())->isEnabled());
            QVERIFY(!digestGrid->horizontalHeader()->sectionsMovable());
            QTest::keyClick(digestGrid, Qt::Key_Delete);
            clock.start();
            QTest::keyClick(r.window.windowHandle(), Qt::Key_Escape);
        });
        duringSecondReport.start();
        r.startDigest(true);
        duringSecondReport.stop();

        QVERIFY(pressed);
        QVERIFY2(escMs >= 0 && escMs < 100, qPrintable(QString::number(escMs)));
        QCOMPARE(r.digest.rows(), 11); // Delete during the run removed no row
        QCOMPARE(r.row(0), (QStringList { u"Sysmon Counter"_s, u"Type"_s, u"Avg"_s, u" 10:53:00"_s, QString() }));
        QCOMPARE(r.row(1).mid(2), (QStringList { u"6.25"_s, u"12.5"_s, QString() }));
        QCOMPARE(r.status(1), u"Calculating Average Values..."_s);
        QCOMPARE(r.window.reportLines(), ReportLoader::load(report1)); // the last report with a column
        QVERIFY(!r.progress()->isVisible());
        QVERIFY(r.control<QLabel>(u"sbStatusPanel2"_s)->isVisible());
        QVERIFY(r.control<QWidget>(u"paSysmonFiles"_s)->isEnabled());
        QVERIFY(digestGrid->horizontalHeader()->sectionsMovable());
        QVERIFY(r.script.errors.isEmpty());
        hung->set_value();
        QVERIFY(DetachedThread::waitForAll(10000));
    }

    // Counter names are longer than their column and their boxes, and the header of a report
    // column shows a cut sample time: each tells all of itself.
    void cutNamesShowWholeInTooltipsAndPopups()
    {
        Running &r = start(cases + u"counter-kinds/counters.ini"_s);
        r.showTab(2);
        r.addFiles({ report1, report3 });
        r.startDigest(true);
        GridView *view = r.grid(u"sgSysmonDigest"_s);
        const QStringList names = r.column(r.digest, 1);

        QCOMPARE(r.cellToolTip(view, 3, 1), names[3]);
        QCOMPARE(r.cellToolTip(view, 3, 4), QString()); // "25.9" shows whole
        QCOMPARE(r.headerToolTip(view, 4), report1 + u"\nSampling Started at: Aug 23, 2013 10:53:00"_s);
        QCOMPARE(r.headerToolTip(view, 5), report3 + u"\nSampling Started at: not in the report"_s);
        QCOMPARE(r.headerToolTip(view, 1), QString());
        // The notes travel with a dragged column.
        view->horizontalHeader()->moveSection(5, 4);
        QCOMPARE(r.headerToolTip(view, 4), report3 + u"\nSampling Started at: not in the report"_s);

        QComboBox *yAxis1 = r.box(u"cbValueAxis"_s);
        QComboBox *yAxis2 = r.box(u"cbValueAxis2"_s);
        QCOMPARE(yAxis1->toolTip(), names[1]);
        QTest::mouseClick(r.window.windowHandle(), Qt::LeftButton, {}, r.inWindow(view, 4, 2));
        QCOMPARE(yAxis2->toolTip(), names[4]);
        for (QComboBox *box : { yAxis1, yAxis2 }) {
            for (int i = 0; i < box->count(); ++i)
                QCOMPARE(box->itemData(i, Qt::ToolTipRole).toString(), names[i + 1]);
            box->showPopup();
            QAbstractItemView *popup = box->view();
            QVERIFY(popup->width() > box->width());
            QVERIFY(popup->viewport()->width() >= popup->sizeHintForColumn(0));
            box->hidePopup();
        }
    }

    void deleteColumnDeleteRowAndYAx2FollowTheCurrentCell()
    {
        Running &r = start(cases + u"counter-kinds/counters.ini"_s);
        r.showTab(2);
        r.addFiles({ report1, report2, report1 });
        r.startDigest(true);
        GridView *view = r.grid(u"sgSysmonDigest"_s);
        auto *menu = r.control<QMenu>(u"menPop"_s);
        auto *deleteColumn = r.control<QAction>(u"miDelCol"_s);
        QComboBox *yAxis2 = r.box(u"cbValueAxis2"_s);
        const QStringList names = r.column(r.digest, 1);

        // Only report columns move, among themselves: "Type" dragged to the end, or a report
        // column dragged in front of "Sysmon Counter", stays where every reader expects it.
        QHeaderView *header = view->horizontalHeader();
        const QStringList headers = r.row(0);
        header->moveSection(2, 6);
        header->moveSection(5, 1);
        QCOMPARE(r.row(0), headers);
        header->moveSection(6, 4);
        QCOMPARE(r.row(0), (QStringList { headers[0], headers[1], headers[2], headers[5], headers[3], headers[4] }));
        header->moveSection(4, 6);
        QCOMPARE(r.row(0), headers);

        // A right press offers the column of the current cell, never a protected one, and leaves
        // the highlight on the column it offers.
        r.digest.setCurrentCell(2, 1);
        QTest::mouseClick(r.window.windowHandle(), Qt::RightButton, {}, r.inWindow(view, 2, 5));
        QVERIFY(!menu->isVisible());
        r.digest.setCurrentCell(5, 1);
        QTest::mousePress(r.window.windowHandle(), Qt::RightButton, {}, r.inWindow(view, 3, 4));
        QVERIFY(menu->isVisible());
        QCOMPARE(deleteColumn->text(), u"&Delete Column [ 11:53:00]"_s);
        menu->hide();
        QTest::mouseRelease(r.window.windowHandle(), Qt::RightButton, {}, r.inWindow(view, 3, 4));
        QCOMPARE(QPoint(r.digest.currentColumn(), r.digest.currentRow()), QPoint(5, 1));
        QCOMPARE(view->selectionModel()->selectedIndexes(), QModelIndexList { r.digest.index(0, 5) });
        deleteColumn->trigger();
        QCOMPARE(r.row(0), (QStringList { u"Sysmon Counter"_s, u"Type"_s, u"Avg"_s, u" 10:53:00"_s, u" 10:53:00"_s }));
        QCOMPARE(r.row(1).mid(2), (QStringList { u"12.5"_s, u"12.5"_s, u"12.5"_s }));

        // "Y Ax.2" follows the row clicked, the row the arrow key moved to, and the current row
        // when the pointer enters the table.
        QTest::mouseClick(r.window.windowHandle(), Qt::LeftButton, {}, r.inWindow(view, 4, 3));
        QCOMPARE(yAxis2->currentText(), names[4]);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(yAxis2->currentText(), names[5]);
        r.digest.setCurrentCell(3, 2);
        QTest::mouseMove(r.window.windowHandle(), r.button(u"btExport"_s)->mapTo(&r.window, QPoint(2, 2)));
        QTest::mouseMove(r.window.windowHandle(), r.inWindow(view, 7, 3));
        QCOMPARE(yAxis2->currentText(), names[2]);

        // Delete takes the current counter row in every column; averages and lists stay.
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(r.digest.rows(), 10);
        QCOMPARE(r.row(2), (QStringList { names[3], u"CPU %"_s, u"25.9"_s, u"25.9"_s, u"25.9"_s }));
        QCOMPARE(r.items(u"cbValueAxis2"_s), names.mid(1));
        QVERIFY(r.script.errors.isEmpty());
    }
    // A time window that does not read is refused before the question. A run lists the problems
    // of its reports under the table, without a box; they sort by a header click, and choosing
    // one goes to its report's column and counter's row. The statistics come and go with their box.
    void theTimeWindowTheStatisticsAndTheProblemsList()
    {
        const QString problemCase = cases + u"report-problems/"_s;
        Running &r = start(problemCase + u"counters.ini"_s);
        r.showTab(2);
        r.addFiles({ problemCase + u"a.txt"_s, problemCase + u"b.txt"_s, problemCase + u"c.txt"_s, report3 });
        auto *from = r.control<QLineEdit>(u"edFrom"_s);
        from->setText(u"2013-08-23 25:00:00"_s);
        r.button(u"btDigest"_s)->click();
        QCOMPARE(r.script.errors,
                 QStringList { u"APP. ERR (btDigestClick):  \"2013-08-23 25:00:00\" is not a date and "
                               "time: write \"yyyy-MM-dd hh:mm:ss\" or \"yyyy-MM-dd\"."_s });
        QVERIFY(r.script.questions.isEmpty());

        from->setText(u" 2013-08-23 11:00:00 "_s);
        auto *statistics = r.control<QCheckBox>(u"cbStatistics"_s);
        statistics->setChecked(true);
        QCOMPARE(r.row(0),
                 (QStringList { u"Sysmon Counter"_s, u"Type"_s, u"Avg"_s, u"N"_s, u"Min"_s, u"Max"_s, u"Median"_s,
                                u"P95"_s, u"Wtd Mean"_s }));
        r.startDigest(true);
        QCOMPARE(r.script.errors.size(), 1);
        // a.txt began at 10:53:00 and report-3 names no sampling start.
        QCOMPARE(r.row(0).mid(9), (QStringList { u" 11:53:00"_s, u" 12:03:00"_s }));
        QCOMPARE(r.row(1).mid(2),
                 (QStringList { u"5.75"_s, u"2"_s, u"4"_s, u"7.5"_s, u"5.75"_s, u"7.5"_s, u"6.33333333333333"_s,
                                u"7.5"_s, u"4.0"_s }));
        QCOMPARE(r.button(u"btProblems"_s)->text(), u"Prob&lems: 6"_s);

        auto *list = r.control<QTableView>(u"sgProblems"_s);
        QVERIFY(!list->isVisible());
        r.button(u"btProblems"_s)->click();
        QVERIFY(list->isVisible());
        QAbstractItemModel *shown = list->model();
        const auto cellAt = [shown](int row, int column) {
            return shown->index(row, column).data().toString();
        };
        QCOMPARE(cellAt(0, 0), problemCase + u"a.txt"_s);
        QCOMPARE(cellAt(0, 1), u"outside the time window"_s);
        QCOMPARE(cellAt(2, 3), u"Sample Interval 0:05:00; the most common is 00:10:00 (1 of 2 reports)"_s);
        QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(list->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(cellAt(0, 1), u"counter missing"_s);
        QCOMPARE(cellAt(5, 1), u"outside the time window"_s);

        // The first of c.txt's missing counters: its column, the Cache Search Misses row.
        list->setCurrentIndex(shown->index(0, 2));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(r.digest.currentColumn(), 11);
        QCOMPARE(r.digest.currentRow(), 2);
        QCOMPARE(r.box(u"cbValueAxis2"_s)->currentText(), r.digest.cell(1, 2));
        list->scrollTo(shown->index(5, 0));
        const QRect outside = list->visualRect(shown->index(5, 0));
        QTest::mouseDClick(r.window.windowHandle(), Qt::LeftButton, {},
                           list->viewport()->mapTo(&r.window, outside.center()));
        QCOMPARE(r.status(1), u"The report has no column in the digest table."_s);

        statistics->setChecked(false);
        QCOMPARE(r.row(0), (QStringList { u"Sysmon Counter"_s, u"Type"_s, u"Avg"_s, u" 11:53:00"_s, u" 12:03:00"_s }));
        QCOMPARE(r.script.errors.size(), 1);
    }
};

QTEST_MAIN(DigestCommandsTest)
#include "DigestCommandsTest.moc"
