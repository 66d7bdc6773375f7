// The counter selection commands of the first tab, driven through the window's own controls: real
// mouse and key events on the grids, button clicks, dialogs played from a script.
#include "GridView.h"
#include "SetupCountersPanel.h"
#include "TfmQuorvel.h"
#include "WindowTestRun.h"

#include "common/TextLines.h"
#include "counters/CounterSetFile.h"
#include "report/ReportParser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A short report: a header field, a CPU row, a counter row, the blank row before the spinlocks and
// one spinlock row.
const QStringList smallReport = {
    u"      Sybase Adaptive Server Enterprise System Performance Report"_s,
    u"Sampling Started at:   Jun 25, 2024 11:12:31"_s,
    u"Kernel Utilization"_s,
    u"------------------"_s,
    QString(),
    u"  Engine Busy Utilization        CPU Busy   I/O Busy       Idle"_s,
    u"  ------------------------       --------   --------   --------"_s,
    u"    Engine 0                       25.0 %      1.0 %     74.0 %"_s,
    QString(),
    u"  CPU Yields by Engine            per sec      per xact       count  % of total"_s,
    u"  -------------------------  ------------  ------------  ----------  ----------"_s,
    u"   Engine 0"_s,
    u"      Full Sleeps                    65.5           0.1        2946       1.1 %"_s,
    u"Spinlock Figures"_s,
    u"----------------"_s,
    u"Resource->rdesmgr_spin spinlock_p 400"_s,
    u"Resource->rdesmgr_spin spinlock_w 3 250"_s,
    u"Resource->rdesmgr_spin spinlock_s 7000"_s,
    u"End of Report"_s,
};
constexpr int headerFieldRow = 1;
constexpr int cpuRow = 2;
constexpr int counterRow = 3;
constexpr int blankRow = 4;
constexpr int spinlockRow = 5;

const QStringList ordinaryLabels = { u"PerSec"_s, u"PedXact"_s, u"Count"_s, u"% Total"_s,
                                     u"CPU %"_s,  u"IO %"_s,    u"Idle %"_s };
const QStringList spinlockLabels = { u"Waits"_s,     u"Spins"_s,  u"Grabs"_s, u"% Contn"_s,
                                     u"Spin/Wait"_s, u"Fields"_s, u"N/A"_s };
const QString added = u"Counter(s) Added"_s;

// The first tab's controls, found by their names.
struct FirstTab
{
    explicit FirstTab(const QWidget &window) : window_(window) { }

    template <class T> T *find(const char16_t *name) const { return window_.findChild<T *>(QString::fromUtf16(name)); }

    const QWidget &window_;
    QComboBox *cbTopCategory = find<QComboBox>(u"cbTopCategory");
    QComboBox *cbSubCategory1 = find<QComboBox>(u"cbSubCategory1");
    QComboBox *cbSubCategory2 = find<QComboBox>(u"cbSubCategory2");
    QComboBox *cbCountType = find<QComboBox>(u"cbCountType");
    QLineEdit *edSearch = find<QLineEdit>(u"edSearch");
    QCheckBox *cbAddMatching = find<QCheckBox>(u"cbAddMatching");
    QPushButton *btSearch = find<QPushButton>(u"btSearch");
    QPushButton *bbtAddCounter = find<QPushButton>(u"bbtAddCounter");
    QPushButton *btClearCounters = find<QPushButton>(u"btClearCounters");
    QPushButton *btSaveCounters = find<QPushButton>(u"btSaveCounters");
    QPushButton *btLoadCounters = find<QPushButton>(u"btLoadCounters");
    QPushButton *btExportOne = find<QPushButton>(u"btExportOne");
    GridView *sgSysmonCounters = find<GridView>(u"sgSysmonCounters");
    GridView *sgSysmonSections = find<GridView>(u"sgSysmonSections");
};

// A run of the program with the first tab's controls and tables at hand.
struct Running : WindowRun
{
    FirstTab tab { window };
    GridTable &sections = window.sgSysmonSections;
    GridTable &counters = window.sgSysmonCounters;

    // The section table as a parse leaves it, without the parse button.
    void parse(const QStringList &lines)
    {
        ReportParser(sections, window.categoryLists).run(TextLines(lines));
        control<SetupCountersPanel>(u"paSetupCounters"_s)->setCategoryItems(window.categoryLists);
    }

    QStringList boxTexts() const
    {
        return { tab.cbTopCategory->currentText(), tab.cbSubCategory1->currentText(), tab.cbSubCategory2->currentText(),
                 tab.cbCountType->currentText() };
    }

    QStringList valueHeaders() const
    {
        QStringList texts;
        for (int c = 3; c < sections.columns(); ++c)
            texts << tab.sgSysmonSections->model()->headerData(c, Qt::Horizontal).toString();
        return texts;
    }

    QStringList counterSetRow(int row) const
    {
        return { counters.cell(0, row).toString(), counters.cell(1, row).toString(), counters.cell(2, row).toString(),
                 counters.cell(3, row).toString() };
    }

    // Mouse events travel as the window system sends them, so the grid sees press, release and,
    // for a double click, the second press as a double click.
    QPoint inWindow(GridView *view, int row, int column) const
    {
        const QRect cell = view->visualRect(view->table().index(row - 1, column));
        return view->viewport()->mapTo(&window, cell.center());
    }
    void click(GridView *view, int row, int column)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inWindow(view, row, column));
    }
    void doubleClick(GridView *view, int row, int column)
    {
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, inWindow(view, row, column));
    }

    void addCounter(const QString &section, const QString &type)
    {
        tab.cbTopCategory->setEditText(section);
        tab.cbCountType->setEditText(type);
        tab.bbtAddCounter->click();
    }
};

bool rowShows(GridView *view)
{
    const GridTable &table = view->table();
    const QRect cell = view->visualRect(table.index(table.currentRow() - 1, table.currentColumn()));
    return view->viewport()->rect().contains(cell.center());
}

} // namespace

class CounterCommandsTest : public QObject, private WindowTestRun<Running>
{
    Q_OBJECT

private:
    // Also waits until the window is ready for input: these tests send it the window system's own
    // mouse and key events.
    Running &start()
    {
        Running &r = WindowTestRun::start();
        if (!QTest::qWaitForWindowActive(&r.window))
            qFatal("the window did not become active");
        return r;
    }

private slots:
    void init() { enterWorkingFolder(); }
    void cleanup() { leaveWorkingFolder(); }

    void theBoxesFollowTheUsersMovesInTheSectionTable()
    {
        Running &r = start();
        r.parse(smallReport);
        GridView *view = r.tab.sgSysmonSections;
        QCOMPARE(r.sections.cell(0, spinlockRow), u"Spinlocks"_s);

        // A spinlock row relabels the value columns; the type follows the clicked column's label.
        r.click(view, spinlockRow, 4);
        QCOMPARE(r.valueHeaders(), spinlockLabels);
        QCOMPARE(r.boxTexts(), (QStringList { u"Spinlocks"_s, u"Resource->rdesmgr_spin"_s, QString(), u"Spins"_s }));
        QCOMPARE(r.tab.cbTopCategory->currentIndex(), r.window.categoryLists.sections.indexOf(u"Spinlocks"_s));
        QCOMPARE(r.tab.cbSubCategory2->currentIndex(), -1);
        QCOMPARE(r.tab.cbCountType->currentIndex(), 9);

        // The blank row above has no figures: boxes and labels still describe the spinlock.
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(r.sections.currentRow(), blankRow);
        QCOMPARE(r.valueHeaders(), spinlockLabels);
        QCOMPARE(r.boxTexts().at(0), u"Spinlocks"_s);

        // Back on a counter row the ordinary labels return and the type follows them.
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(r.valueHeaders(), ordinaryLabels);
        QCOMPARE(r.boxTexts(),
                 (QStringList { u"Kernel Utilization"_s, u"CPU Yields by Engine.Engine 0.."_s, u"Full Sleeps"_s,
                                u"PedXact"_s }));
        QCOMPARE(r.tab.cbCountType->currentIndex(), 1);
        QCOMPARE(r.tab.cbSubCategory1->lineEdit()->cursorPosition(), 0); // long names show their beginning
        r.click(view, counterRow, 1); // the name columns give no type
        QCOMPARE(r.boxTexts().at(3), QString());
        QCOMPARE(r.tab.cbCountType->currentIndex(), -1);

        // Text the user typed is replaced as soon as the pointer enters the table.
        r.tab.cbTopCategory->setEditText(u"typed"_s);
        QTest::mouseMove(r.window.windowHandle(), r.tab.bbtAddCounter->mapTo(&r.window, QPoint(2, 2)));
        QCOMPARE(r.tab.cbTopCategory->currentText(), u"typed"_s);
        QTest::mouseMove(r.window.windowHandle(), r.inWindow(view, cpuRow, 8));
        QCOMPARE(r.tab.cbTopCategory->currentText(), u"Kernel Utilization"_s);
        QVERIFY(r.script.errors.isEmpty());
    }

    void aDoubleClickAddsTheClickedCounterWithTheClickedColumnsType()
    {
        Running &r = start();
        r.parse(smallReport);
        GridView *view = r.tab.sgSysmonSections;
        r.doubleClick(view, counterRow, 5);
        QCOMPARE(r.counters.rows(), 2);
        QCOMPARE(r.counterSetRow(1),
                 (QStringList { u"Kernel Utilization"_s, u"CPU Yields by Engine.Engine 0.."_s, u"Full Sleeps"_s,
                                u"Count"_s }));
        QCOMPARE(r.status(1), added);

        r.doubleClick(view, spinlockRow, 3);
        r.doubleClick(view, cpuRow, 7);
        QCOMPARE(r.counters.rows(), 4);
        QCOMPARE(r.counterSetRow(2),
                 (QStringList { u"Spinlocks"_s, u"Resource->rdesmgr_spin"_s, QString(), u"Waits"_s }));
        QCOMPARE(r.counterSetRow(3),
                 (QStringList { u"Kernel Utilization"_s, u"Engine Busy Utilization..."_s, u"Engine 0"_s, u"CPU %"_s }));
        QCOMPARE(r.counters.currentRow(), 3);
        // The double click adds; it does not open the cell editor.
        for (const QLineEdit *editor : view->viewport()->findChildren<QLineEdit *>())
            QVERIFY(!editor->isVisible());
        QVERIFY(r.script.errors.isEmpty());
    }

    // The boxes carry what Add Counter copies: a subsection path longer than a line edit's default
    // limit must reach the counter set whole.
    void aVeryLongSubsectionPathIsAddedWhole()
    {
        Running &r = start();
        QStringList report = smallReport;
        const QString longHeading = u"  "_s + QString(40000, u'x');
        report.insert(12, longHeading);
        r.parse(report);
        const QString path = r.sections.cell(1, counterRow).toString();
        QVERIFY(path.size() > 40000);
        r.doubleClick(r.tab.sgSysmonSections, counterRow, 3);
        QCOMPARE(r.counterSetRow(1).at(1), path);
    }

    void addCounterTakesTheBoxTextsOrEveryMatchingRow()
    {
        Running &r = start();
        // Before any parse the boxes hold their initial texts; nothing names a type.
        r.tab.bbtAddCounter->click();
        QCOMPARE(r.counterSetRow(1),
                 (QStringList { u"Performance Section"_s, u"Performance Sub Category"_s, u"Performance Sub Category"_s,
                                u"CPU %"_s }));
        QCOMPARE(r.status(1), added);

        // A typed type stays as typed; a blank search adds from the boxes even with Add Matching.
        r.tab.cbAddMatching->setChecked(true);
        r.tab.edSearch->setText(u"  "_s);
        r.addCounter(u"Typed Section"_s, u"persec"_s);
        QCOMPARE(r.counters.rows(), 3);
        QCOMPARE(r.counterSetRow(2).at(0), u"Typed Section"_s);
        QCOMPARE(r.counterSetRow(2).at(3), u"persec"_s);

        r.parse(smallReport);
        r.tab.edSearch->setText(u" STARTED "_s);
        r.tab.cbCountType->setEditText(u"Count"_s);
        r.tab.bbtAddCounter->click();
        QCOMPARE(r.counters.rows(), 4);
        QCOMPARE(r.counterSetRow(3),
                 (QStringList { u"Sampling Started at:"_s, u"Jun 25, 2024 11:12:31"_s, QString(), u"Count"_s }));

        // Many rows added at once: the last one is brought into view.
        r.sections.setRows(400);
        for (int row = 6; row < 400; ++row)
            r.sections.setCell(0, row, QString(u"Pool "_s + QString::number(row)));
        r.tab.edSearch->setText(u"pool"_s);
        r.tab.bbtAddCounter->click();
        QCOMPARE(r.counters.rows(), 4 + 394);
        QCOMPARE(r.counters.currentRow(), 397);
        QVERIFY(rowShows(r.tab.sgSysmonCounters));

        // A row without a section is reused by the next add, which brings it back into view although
        // it was current already.
        r.tab.cbAddMatching->setChecked(false);
        r.addCounter(QString(), u"PerSec"_s);
        r.tab.sgSysmonCounters->scrollToTop();
        r.addCounter(QString(), u"Waits"_s);
        QCOMPARE(r.counters.rows(), 399);
        QCOMPARE(r.counters.cell(3, 398), u"Waits"_s);
        QVERIFY(rowShows(r.tab.sgSysmonCounters));
        QVERIFY(r.script.errors.isEmpty());
    }

    void deleteRemovesTheCurrentCounterAndClearEmptiesTheSet()
    {
        Running &r = start();
        for (const QString &name : { u"A"_s, u"B"_s, u"C"_s })
            r.addCounter(name, u"PerSec"_s);
        GridView *view = r.tab.sgSysmonCounters;
        view->setFocus();
        r.click(view, 2, 1);
        QCOMPARE(r.counters.currentRow(), 2);

        QTest::keyClick(view, Qt::Key_Backspace); // only Delete deletes
        QTest::keyClick(view, Qt::Key_D);
        QCOMPARE(r.counters.rows(), 4);
        QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(r.counters.rows(), 3);
        QCOMPARE(r.counterSetRow(1).at(0), u"A"_s);
        QCOMPARE(r.counterSetRow(2).at(0), u"C"_s);

        // Clearing leaves the emptied set and does not touch the counter set file.
        QVERIFY(writeBytes(u"SysmonCounters.ini"_s, "Kept[+][+][+][+]\r\n"));
        r.tab.btClearCounters->click();
        QCOMPARE(r.counters.rows(), 2);
        QCOMPARE(r.counterSetRow(1), QStringList(4));
        QCOMPARE(readBytes(u"SysmonCounters.ini"_s), QByteArray("Kept[+][+][+][+]\r\n"));
        QTest::keyClick(view, Qt::Key_Delete); // the only row stays, blank
        QCOMPARE(r.counters.rows(), 2);
        QVERIFY(r.script.errors.isEmpty());
    }

    void findCounterMovesToTheNextRowHoldingTheTextAndOffersTheTop()
    {
        Running &r = start();
        r.parse(smallReport);
        GridView *view = r.tab.sgSysmonSections;
        r.click(view, counterRow, 3);
        const QStringList boxes = r.boxTexts();

        r.tab.edSearch->setText(u" rdesMGR "_s);
        r.tab.btSearch->click();
        QCOMPARE(r.sections.currentRow(), spinlockRow);
        QCOMPARE(r.sections.currentColumn(), 1);
        QCOMPARE(view->currentIndex(), r.sections.index(spinlockRow - 1, 1));
        QCOMPARE(r.status(1), u"Expression [at c=1; r= 5] found: rdesMGR"_s);
        // Moving the current cell is not a move of the user's: boxes and labels stay.
        QCOMPARE(r.boxTexts(), boxes);
        QCOMPARE(r.valueHeaders(), ordinaryLabels);

        r.script.confirmAnswers = { false };
        r.tab.btSearch->click();
        QCOMPARE(r.script.questions, QStringList { u"Expression not found.  Scroll to the top?"_s });
        QCOMPARE(r.sections.currentRow(), spinlockRow);
        r.script.confirmAnswers = { true };
        r.tab.btSearch->click();
        QCOMPARE(r.sections.currentRow(), 1);
        QCOMPARE(r.sections.currentColumn(), 0);
        QCOMPARE(r.status(1), u"Expression not found."_s);

        // A row far down is brought into view.
        r.sections.setRows(400);
        r.sections.setCell(9, 350, u"needle"_s);
        r.tab.edSearch->setText(u"needle"_s);
        r.tab.btSearch->click();
        QCOMPARE(r.sections.currentRow(), 350);
        QVERIFY(rowShows(view));
        // Back to the top, also when the top cell was current already and scrolled out of view.
        r.script.confirmAnswers = { true, true };
        r.tab.edSearch->setText(u"absent"_s);
        r.tab.btSearch->click();
        view->scrollToBottom();
        r.tab.btSearch->click();
        QCOMPARE(r.sections.currentRow(), 1);
        QVERIFY(rowShows(view));
        QVERIFY(r.script.errors.isEmpty());
    }

    // Enter in the search box and F3 find as the button does, also with Add Matching ticked.
    void enterInTheSearchBoxAndF3FindTheNextRow()
    {
        Running &r = start();
        r.parse(smallReport);
        r.sections.setCurrentCell(0, headerFieldRow);
        r.tab.cbAddMatching->setChecked(true);
        r.tab.edSearch->setFocus();
        QTest::keyClicks(r.tab.edSearch, u"engine 0"_s);
        QTest::keyClick(r.tab.edSearch, Qt::Key_Return);
        QCOMPARE(r.sections.currentRow(), cpuRow);
        QTest::keyClick(r.tab.edSearch, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(r.sections.currentRow(), counterRow);
        QCOMPARE(r.counterSetRow(1), QStringList(4)); // nothing added

        r.script.confirmAnswers = { true };
        r.tab.sgSysmonCounters->setFocus();
        QTest::keyClick(r.tab.sgSysmonCounters, Qt::Key_F3);
        QCOMPARE(r.script.questions, QStringList { u"Expression not found.  Scroll to the top?"_s });
        QCOMPARE(r.sections.currentRow(), 1);

        // Only on the first tab.
        r.control<QTabWidget>(u"tabControls"_s)->setCurrentIndex(1);
        auto *files = r.control<QWidget>(u"sgFiles"_s);
        files->setFocus();
        QTest::keyClick(files, Qt::Key_F3);
        QCOMPARE(r.sections.currentRow(), 1);
        QCOMPARE(r.script.questions.size(), 1);
        QVERIFY(r.script.errors.isEmpty());
    }

    void saveAndLoadCountersGoThroughTheWorkingFoldersFile()
    {
        Running &r = start();
        r.addCounter(u"Kernel Utilization"_s, u"CPU %"_s);
        r.addCounter(u"Lock Management"_s, u"PerSec"_s);

        r.tab.btSaveCounters->click(); // cancelled: nothing written, nothing shown
        QCOMPARE(r.script.savePresets, QStringList { u"*.ini"_s });
        QCOMPARE(QDir().entryList(QDir::Files), QStringList());
        QCOMPARE(r.status(1), added);

        const QString saved = filePath(u"saved.ini"_s);
        r.script.saveAnswers = { saved };
        r.tab.btSaveCounters->click();
        QCOMPARE(r.status(1), u"Counters Exported to "_s + saved);
        const QByteArray bytes =
            "Kernel Utilization[+]Performance Sub Category[+]Performance Sub Category[+]CPU %[+]\r\n"
            "Lock Management[+]Performance Sub Category[+]Performance Sub Category[+]PerSec[+]\r\n";
        QCOMPARE(readBytes(saved), bytes);
        QVERIFY(!QFile::exists(u"SysmonCounters.ini"_s));

        // Loading the saved file makes it the default and brings the set back.
        r.tab.btClearCounters->click();
        r.script.openAnswers = { { saved } };
        r.tab.btLoadCounters->click();
        QCOMPARE(readBytes(u"SysmonCounters.ini"_s), bytes);
        QCOMPARE(r.counters.rows(), 3);
        QCOMPARE(r.counterSetRow(2).at(0), u"Lock Management"_s);
        QCOMPARE(r.status(1), u"Counters Loaded from SysmonCounters.ini"_s);

        // Cancelling reloads the default, dropping what was added since.
        r.addCounter(u"Added since"_s, u"Count"_s);
        QCOMPARE(r.counters.rows(), 4);
        r.tab.btLoadCounters->click();
        QCOMPARE(r.counters.rows(), 3);
        QCOMPARE(r.status(1), u"Counters Loaded from SysmonCounters.ini"_s);
        QVERIFY(r.script.errors.isEmpty());
    }

    // Every file the window writes follows the last counter set file read: with its byte-order mark
    // when it had one, otherwise UTF-8 without a mark.
    void savesAndExportsFollowTheLastCounterSetFileRead()
    {
        QVERIFY(writeBytes(u"SysmonCounters.ini"_s,
                           "\xEF\xBB\xBF"
                           "A[+]B[+]C[+]Count[+]\r\n"));
        Running &r = start();
        const QString saved = filePath(u"saved.ini"_s);
        const QString csv = filePath(u"set.csv"_s);
        r.script.saveAnswers = { saved, csv };
        r.tab.btSaveCounters->click();
        r.tab.btExportOne->click();
        QCOMPARE(readBytes(saved),
                 QByteArray("\xEF\xBB\xBF"
                            "A[+]B[+]C[+]Count[+]\r\n"));
        QVERIFY(readBytes(csv).startsWith("\xEF\xBB\xBF"
                                          "Section,"));

        const QString plain = filePath(u"plain.ini"_s);
        QVERIFY(writeBytes(plain, "P[+]Q[+]R[+]Count[+]\r\n"));
        r.script.openAnswers = { { plain } };
        r.tab.btLoadCounters->click();
        r.script.saveAnswers = { saved };
        r.tab.btSaveCounters->click();
        QCOMPARE(readBytes(saved), QByteArray("P[+]Q[+]R[+]Count[+]\r\n"));
        QVERIFY(r.script.errors.isEmpty());
    }

    void exportWritesTheCounterSetWithTheDigestTabsDelimiter()
    {
        Running &r = start();
        r.control<QLineEdit>(u"edDelimiter"_s)->setText(u" ;; "_s);
        const QString csv = filePath(u"counters.csv"_s);
        r.script.saveAnswers = { csv };
        r.tab.btExportOne->click();
        QCOMPARE(r.script.savePresets, QStringList { u"*.csv"_s });
        QCOMPARE(readBytes(csv), QByteArray("Section;;SubSection1;;SubSection2;;Counter;;\r\n;;;;;;;;\r\n"));
        QCOMPARE(r.status(1), u"Data exported to "_s + csv);

        r.tab.btExportOne->click(); // cancelled
        QCOMPARE(r.status(1), u"Data exported to "_s + csv);
        QVERIFY(r.script.errors.isEmpty());
    }

    // After Load Sysmon File the shared open dialog offers the report; accepting it in Load
    // Counters must not put the report in place of the default counter set.
    void loadCountersRefusesAFileWithoutSeparators()
    {
        const QByteArray defaultBytes = "Default[+]T[+]U[+]PerSec[+]\r\n";
        QVERIFY(writeBytes(u"SysmonCounters.ini"_s, defaultBytes));
        Running &r = start();
        const QString report = filePath(u"monday.txt"_s);
        QVERIFY(writeBytes(report, "Sybase Adaptive Server Enterprise\r\nKernel Utilization\r\n"));
        r.script.openAnswers = { { report }, { report } };
        r.control<QPushButton>(u"btOpenLoadSysmonFile"_s)->click();
        r.tab.btLoadCounters->click();
        QCOMPARE(r.script.errors,
                 QStringList { u"APP. ERR (btLoadCountersClick):  '"_s + report +
                               u"' is not a counter set file: no line holds [+]."_s });
        QCOMPARE(readBytes(u"SysmonCounters.ini"_s), defaultBytes);
        QCOMPARE(r.counters.rows(), 2);
        QCOMPARE(r.counterSetRow(1).at(0), u"Default"_s);

        // An empty file is an empty counter set.
        const QString empty = filePath(u"empty.ini"_s);
        QVERIFY(writeBytes(empty, QByteArray()));
        r.script.openAnswers = { { empty } };
        r.tab.btLoadCounters->click();
        QCOMPARE(r.script.errors.size(), 1);
        QCOMPARE(readBytes(u"SysmonCounters.ini"_s), QByteArray());
        QCOMPARE(r.counterSetRow(1), QStringList(4));
    }

    void badFilesAndFoldersShowTheCommandsErrorAndChangeNothing()
    {
        QVERIFY(writeBytes(u"SysmonCounters.ini"_s, "Default[+]T[+]U[+]PerSec[+]\r\n"));
        Running &r = start();
        QCOMPARE(r.counters.rows(), 2);
        const QByteArray defaultBytes = readBytes(u"SysmonCounters.ini"_s);

        // Nothing is written where the folder does not exist.
        const QString nowhere = filePath(u"missing/out.txt"_s);
        r.script.saveAnswers = { nowhere, nowhere };
        r.tab.btSaveCounters->click();
        r.tab.btExportOne->click();
        QCOMPARE(r.script.errors.size(), 2);
        QVERIFY(r.script.errors[0].startsWith(u"APP. ERR (btSaveCountersClick):  "_s));
        QVERIFY(r.script.errors[1].startsWith(u"APP. ERR (btExportOneClick):  "_s));
        QVERIFY(!QFile::exists(nowhere));

        // Binary and oversized picks are refused before they replace the default.
        const QString binary = filePath(u"binary.ini"_s);
        QVERIFY(writeBytes(binary,
                           QByteArray("\x7F"
                                      "ELF\0\0\x01[+]",
                                      10)));
        const QString huge = filePath(u"huge.ini"_s);
        QVERIFY(writeBytes(huge, "A[+]B[+]C[+]D[+]\r\n"));
        QVERIFY(QFile::resize(huge, CounterSetFile::maxFileBytes + 1));
        for (const QString &pick : { binary, huge }) {
            r.script.openAnswers = { { pick } };
            r.tab.btLoadCounters->click();
        }
        QCOMPARE(r.script.errors.size(), 4);
        QVERIFY(r.script.errors[2].startsWith(u"APP. ERR (btLoadCountersClick):  "_s));
        QVERIFY(r.script.errors[3].startsWith(u"APP. ERR (btLoadCountersClick):  "_s));
        QCOMPARE(readBytes(u"SysmonCounters.ini"_s), defaultBytes);
        QCOMPARE(r.counters.rows(), 2);
        QCOMPARE(r.counterSetRow(1).at(0), u"Default"_s);
    }
};

QTEST_MAIN(CounterCommandsTest)
#include "CounterCommandsTest.moc"
