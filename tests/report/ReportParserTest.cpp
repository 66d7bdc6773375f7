#include "ParsedReport.h"
#include "common/TextFile.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace {

const QString title = QStringLiteral("      Sybase Adaptive Server Enterprise System Performance Report");

QStringList report(std::initializer_list<const char *> lines)
{
    QStringList result { title };
    for (const char *line : lines)
        result << QString::fromLatin1(line);
    return result;
}

// A report of `counters` counter lines under one section, and one spinlock line per counter.
QStringList longReport(int counters)
{
    QStringList lines { title, QStringLiteral("Long Section"), QStringLiteral("------------") };
    for (int i = 0; i < counters; ++i) {
        lines << QStringLiteral("  Counter %1                 1.5           2.5          %1       4.5 %").arg(i);
        lines << QStringLiteral("  Lock_%1 spinlock_w %1").arg(i % 3);
    }
    return lines;
}

} // namespace

TEST(ReportParser, StatusTextsEndAsAPerLineUpdateWouldLeaveThem)
{
    ParsedReport parsed;
    const QStringList lines = report({ "Kernel Utilization", "------------------",
                                       "  Engine Counter     1.5    2.5    3    4.5 %", "", "A closing sentence." });
    parsed.parse(lines);
    // Line 4 is the last to reach the progress texts: the blank line and the sentence are dropped
    // before them.
    EXPECT_EQ(parsed.ui.status[0], QStringLiteral("Metrics 3 of 6"));
    const QList<QPair<int, QString>> tail = parsed.ui.statusLog.mid(parsed.ui.statusLog.size() - 4);
    EXPECT_EQ(tail,
              (QList<QPair<int, QString>> { { 0, QStringLiteral("Metrics 3 of 6") },
                                            { 1, QStringLiteral("Parsing:    Engine Counter    ...") },
                                            { 1, QStringLiteral("Setting Sysmon Categories...") },
                                            { 1, QStringLiteral("Single File Parsed") } }));
}

TEST(ReportParser, AReportOfFewerThanTwoLinesLeavesTheEmptiedTable)
{
    for (const QStringList &lines : { QStringList(), QStringList { title } }) {
        ParsedReport parsed;
        parsed.sections.setRows(5);
        parsed.sections.setCell(3, 4, QStringLiteral("old"));
        parsed.lists.sections << QStringLiteral("old");
        parsed.parse(lines);
        EXPECT_EQ(parsed.tableLines(),
                  (QStringList { QStringLiteral("Section|SubSection1|SubSection2|PerSec|PedXact|Count|% Total|CPU "
                                                "%|IO %|Idle %|"),
                                 QStringLiteral("||||||||||") }));
        EXPECT_TRUE(parsed.lists.sections.isEmpty());
        EXPECT_EQ(parsed.ui.status[0], QString());
        EXPECT_EQ(parsed.ui.status[1], QStringLiteral("Single File Parsed"));
        EXPECT_FALSE(parsed.outcome.failed);
    }
}

TEST(ReportParser, ParsingAgainGivesTheSameTableAndLeavesNothingOfAnEarlierReport)
{
    ParsedReport parsed;
    parsed.parse(longReport(50));
    ASSERT_GT(parsed.sections.rows(), 50);

    const QStringList small =
        report({ "Short", "-----", "  Only Counter    1.5    2.5    3    4.5 %", "Lock_x spinlock_p 4" });
    parsed.parse(small);
    const QStringList first = parsed.tableLines();
    const CategoryLists firstLists = parsed.lists;
    parsed.sections.setRows(60); // rows that become visible again must be empty
    parsed.parse(small);
    EXPECT_EQ(parsed.tableLines(), first);
    EXPECT_EQ(parsed.lists.sections, firstLists.sections);
    EXPECT_EQ(parsed.lists.subSections1, firstLists.subSections1);
    EXPECT_EQ(first.size(), 4); // header, the counter, one blank row, the spinlock
}

TEST(ReportParser, EscStopsTheLineScanAndTheRowsSoFarStillGetListsAndSpinlockRows)
{
    ParsedReport parsed;
    // Esc at the first progress notice, some thousands of lines into the report.
    int rowsAtEsc = -1;
    int noticesAfterEsc = 0;
    parsed.onLine = [&](qsizetype) {
        if (rowsAtEsc >= 0) {
            ++noticesAfterEsc;
            return;
        }
        rowsAtEsc = parsed.sections.rows() - 1;
        parsed.stop.request_stop();
    };
    QAbstractItemModelTester tester(&parsed.sections, QAbstractItemModelTester::FailureReportingMode::Fatal);
    parsed.parse(longReport(10000));

    // Esc ends the scan at the next line: the rows then were the counters read so far (the
    // spinlock lines write no row during the scan); at most the one line after them was still
    // read, and only the closing notice of that line came after.
    ASSERT_GT(rowsAtEsc, 0);
    EXPECT_LE(noticesAfterEsc, 1);
    const auto counterRow = [&](int counter) {
        return parsed.find(QStringLiteral("Long Section"), QStringLiteral("..."),
                           QStringLiteral("Counter %1").arg(counter));
    };
    const int countersRead = int(parsed.lists.subSections2.size());
    EXPECT_TRUE(countersRead == rowsAtEsc || countersRead == rowsAtEsc + 1) << countersRead;
    EXPECT_LT(countersRead, 10000);
    EXPECT_EQ(counterRow(countersRead - 1), countersRead);
    EXPECT_EQ(counterRow(countersRead), -1);
    EXPECT_EQ(parsed.lists.sections, (QStringList { QStringLiteral("Long Section"), QStringLiteral("Spinlocks") }));
    // Spinlock rows of the lines read before Esc follow the counters: Lock_0 had waits of 0 only.
    const int lock0 = parsed.find(QStringLiteral("Spinlocks"), QStringLiteral("Lock_0"), QString());
    ASSERT_GT(lock0, countersRead);
    EXPECT_EQ(parsed.row(lock0).mid(3, 4),
              (QStringList { QStringLiteral("0"), QString(), QString(), QStringLiteral("0.0") }));
    EXPECT_EQ(parsed.ui.status[1], QStringLiteral("Single File Parsed"));
}

TEST(ReportParser, AFailureKeepsAndPublishesTheRowsThrowsAndSkipsTheClosingSteps)
{
    ParsedReport parsed;
    // The first figure of a kind is kept as written; the next one has to be added to it.
    parsed.parse(
        report({ "Figures", "-------", "  First Counter    1.5    2.5    3    4.5 %",
                 "Lock_a spinlock_w 123456789012345678901234567890", "  Second Counter    1.5    2.5    3    4.5 %",
                 "Lock_a spinlock_w 1", "  Never Read    1.5    2.5    3    4.5 %" }));
    EXPECT_TRUE(parsed.outcome.failed);
    EXPECT_EQ(parsed.outcome.message, QStringLiteral("'123456789012345678901234567890' is not a valid integer value"));
    EXPECT_TRUE(parsed.ui.errors.isEmpty()); // the caller's error box, not the parser's
    EXPECT_EQ(parsed.sections.rows(), 3);
    EXPECT_EQ(parsed.sections.rowCount(), 2); // the views were told of the rows before the throw
    EXPECT_EQ(parsed.sections.cell(2, 2), QStringLiteral("Second Counter"));
    EXPECT_TRUE(parsed.lists.sections.isEmpty());
    // The status bar keeps the texts of the last line that reached them.
    EXPECT_EQ(parsed.ui.status[0], QStringLiteral("Metrics 5 of 8"));
    EXPECT_EQ(parsed.ui.status[1], QStringLiteral("Parsing:    Second Counter    ..."));
}

TEST(ReportParser, BadInputNeitherCrashesNorHangs)
{
    // Binary bytes, decoded as the loader decodes them.
    QByteArray binary;
    for (int i = 0; i < 20000; ++i)
        binary.append(char((i * 7919) % 256));
    ParsedReport garbage;
    garbage.parse(QStringList { title } + TextLines::fromText(TextFile::decode(binary)).toStringList());
    EXPECT_FALSE(garbage.outcome.failed);

    // Lines of a megabyte: a counter, a CPU line, a heading and a subheading.
    const QString wide(1 << 20, u' ');
    ParsedReport wideLines;
    wideLines.parse(QStringList { title, QStringLiteral("Kernel Utilization"), QStringLiteral("---"),
                                  QStringLiteral("  Wide") + wide + QStringLiteral("1.5 2.5 3 4.5 %"),
                                  QStringLiteral("  Engine Utilization (Tick %)  User Busy"),
                                  QStringLiteral("   Engine") + wide + QStringLiteral("1.0 %") + wide,
                                  QString(1 << 20, u'x'), QStringLiteral("  ") + QString(1 << 20, u'y'),
                                  QString(1 << 20, u'%'), QString(1 << 20, u'.') + u'x' });
    EXPECT_FALSE(wideLines.outcome.failed);
    EXPECT_EQ(wideLines.sections.cell(5, 1), QStringLiteral("3"));
    EXPECT_EQ(wideLines.sections.cell(7, 2), QStringLiteral("1.0"));

    // A report cut off in the middle of a counter line.
    ParsedReport cutOff;
    cutOff.parse(report({ "Figures", "-------", "  Cut Counter          1.5           2.4         1" }));
    EXPECT_EQ(cutOff.row(1),
              (QStringList { QStringLiteral("Figures"), QStringLiteral("..."), QStringLiteral("Cut Counter"),
                             QStringLiteral("1.5"), QStringLiteral("2.4"), QStringLiteral("1"), QStringLiteral("n/a"),
                             QString(), QString(), QString() }));
}
