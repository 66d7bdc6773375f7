#include "counters/CounterSelection.h"
#include "CounterTestTables.h"
#include "ScriptedUi.h"
#include "common/TextRules.h"
#include "counters/CounterSet.h"
#include "report/ParsedReport.h"
#include "report/ReportLoader.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using CounterSelection::CategoryTexts;
using CounterTestTables::counterRow;

namespace {

const CategoryTexts initialBoxes { u"Performance Section"_s, u"Performance Sub Category"_s,
                                   u"Performance Sub Category"_s, u"Counter Type"_s };

class CounterSelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CounterSet::reset(counters);
        CounterTestTables::fillSections(
            sections,
            {
                { u"Sampling Started at:"_s, u"Jun 25, 2024 11:12:31"_s },
                { u"Kernel Utilization"_s, u"CPU Yields by Engine..."_s, u"Full Sleeps"_s, u"65.5"_s },
                { u"Kernel Utilization"_s, u"Engine Utilization (Tick %)..."_s, u"Engine 0"_s, QString(), QString(),
                  QString(), QString(), u"25.9"_s },
                { u" Disk I/O Management "_s, u"Device Activity Detail..."_s, u"Reads"_s, u"3.0"_s },
                { u"Données"_s, u"ÉTAT..."_s, u"état"_s, u"1"_s },
            });
    }

    void add(const CategoryTexts &boxes, bool matching = false, const QString &search = QString())
    {
        CounterSelection::addCounter(counters, sections, boxes, matching, search, ui);
    }

    GridTable counters { CounterSet::columnCount };
    GridTable sections { SectionTableLayout::columnCount };
    ScriptedUi ui;
};

} // namespace

TEST_F(CounterSelectionTest, TypeChoiceKeepsATypedTypeOrFallsBackByTheCurrentRow)
{
    using CounterSelection::typeChoice;
    sections.setCurrentCell(0, 2); // a counter row
    EXPECT_EQ(typeChoice(u"persec"_s, sections), u"persec"_s);
    EXPECT_EQ(typeChoice(u"SPIN/WAIT"_s, sections), u"SPIN/WAIT"_s);
    EXPECT_EQ(typeChoice(u"Counter Type"_s, sections), u"PerSec"_s);
    EXPECT_EQ(typeChoice(u" PerSec"_s, sections), u"PerSec"_s); // not a type: blanks count
    EXPECT_EQ(typeChoice(QString(), sections), u"PerSec"_s);

    sections.setCurrentCell(0, 3); // a CPU row
    EXPECT_EQ(typeChoice(QString(), sections), u"CPU %"_s);
    sections.setCurrentCell(0, 1); // a header-field row
    EXPECT_EQ(typeChoice(u"N/A"_s, sections), u"CPU %"_s);
}

TEST_F(CounterSelectionTest, SingleAddWritesTheBoxTextsAsTheyStand)
{
    // Before any parse: the boxes' initial texts and an empty section table.
    GridTable empty(SectionTableLayout::columnCount);
    SectionTableLayout::reset(empty);
    CounterSelection::addCounter(counters, empty, initialBoxes, false, QString(), ui);
    EXPECT_EQ(counters.rows(), 2);
    EXPECT_EQ(counterRow(counters, 1),
              (QStringList { u"Performance Section"_s, u"Performance Sub Category"_s, u"Performance Sub Category"_s,
                             u"CPU %"_s }));
    EXPECT_EQ(ui.status[1], u"Counter(s) Added"_s);

    // Texts are not trimmed; the same counter twice gives two rows; the new row becomes current.
    sections.setCurrentCell(4, 2);
    const CategoryTexts typed { u" Kernel "_s, u"x"_s, QString(), u"count"_s };
    add(typed);
    add(typed);
    ASSERT_EQ(counters.rows(), 4);
    EXPECT_EQ(counterRow(counters, 2), (QStringList { u" Kernel "_s, u"x"_s, QString(), u"count"_s }));
    EXPECT_EQ(counterRow(counters, 3), counterRow(counters, 2));
    EXPECT_EQ(counters.currentRow(), 3);

    // Add Matching with a blank search adds from the boxes.
    add(typed, true, u" \t "_s);
    EXPECT_EQ(counters.rows(), 5);
}

TEST_F(CounterSelectionTest, ARowWithoutASectionIsReusedByTheNextAdd)
{
    add({ QString(), u"a"_s, u"b"_s, u"PerSec"_s });
    EXPECT_EQ(counters.rows(), 2);
    add({ u"S"_s, u"T"_s, u"U"_s, u"Count"_s });
    EXPECT_EQ(counters.rows(), 2);
    EXPECT_EQ(counterRow(counters, 1), (QStringList { u"S"_s, u"T"_s, u"U"_s, u"Count"_s }));
    add({ QString(), u"a"_s, u"b"_s, u"PerSec"_s });
    EXPECT_EQ(counters.rows(), 3);
    EXPECT_EQ(counters.currentRow(), 2);
}

TEST_F(CounterSelectionTest, MatchingAddsEveryRowWhoseNamesContainTheSearch)
{
    sections.setCurrentCell(0, 3); // a CPU row: the fallback type is "CPU %" for every row added
    // Section, subsection path and entry name are searched, ASCII letters folded, cells untrimmed.
    add(initialBoxes, true, u"  i/O M"_s);
    add(initialBoxes, true, u"ENGINE"_s);
    ASSERT_EQ(counters.rows(), 4);
    EXPECT_EQ(counterRow(counters, 1),
              (QStringList { u" Disk I/O Management "_s, u"Device Activity Detail..."_s, u"Reads"_s, u"CPU %"_s }));
    EXPECT_EQ(counterRow(counters, 2),
              (QStringList { u"Kernel Utilization"_s, u"CPU Yields by Engine..."_s, u"Full Sleeps"_s, u"CPU %"_s }));
    EXPECT_EQ(
        counterRow(counters, 3),
        (QStringList { u"Kernel Utilization"_s, u"Engine Utilization (Tick %)..."_s, u"Engine 0"_s, u"CPU %"_s }));
    EXPECT_EQ(counters.currentRow(), 3);

    // Letters outside ASCII match only in their own case; figures are not searched.
    add(initialBoxes, true, u"É"_s);
    EXPECT_EQ(counters.rows(), 5);
    EXPECT_EQ(counters.cell(0, 4), u"Données"_s);
    ui.status[1].clear();
    add(initialBoxes, true, u"65.5"_s);
    EXPECT_EQ(counters.rows(), 5);
    EXPECT_EQ(counters.currentRow(), 4);
    EXPECT_EQ(ui.status[1], u"Counter(s) Added"_s);
}

TEST_F(CounterSelectionTest, MatchingAgainstAReportAddsTheSamplingStartRow)
{
    QFile report(QStringLiteral(QUORVEL_REAL_REPORTS "/ase160_spec_tpcc_notes.txt"));
    if (!report.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "real reports are not present";
    const QStringList lines = QString::fromUtf8(report.readAll()).split(u'\n');

    // Header-field rows as a parse writes them (label with its ':', then the value), and counter rows
    // from the first "Full Sleeps" and "Interrupted Sleeps" lines of the report.
    QList<QStringList> rows;
    const QStringList keywords { u"Server Version"_s,        u"Started"_s,     u"Ended"_s,   u"Sample Interval"_s,
                                 u"Counters Last Cleared"_s, u"Server Name"_s, u"Run Date"_s };
    for (const QString &line : lines) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0 &&
            std::any_of(keywords.begin(), keywords.end(), [&](const QString &k) { return line.contains(k); }))
            rows.append({ TextRules::trimmed(line.left(colon + 1)), TextRules::trimmed(line.mid(colon + 1, 100)) });
        if (line.startsWith(u"Kernel Utilization"_s))
            break;
    }
    for (const QString &entry : { u"Full Sleeps"_s, u"Interrupted Sleeps"_s }) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString &l) { return l.contains(entry); });
        ASSERT_NE(line, lines.end());
        const QStringList figures =
            line->mid(line->indexOf(entry) + entry.size()).split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
        rows.append(QStringList { u"Kernel Utilization"_s, u"CPU Yields by Engine.Engine 0.."_s, entry } + figures);
    }
    CounterTestTables::fillSections(sections, rows);
    ASSERT_EQ(sections.cell(0, 3), u"Sampling Started at:"_s);
    sections.setCurrentCell(3, int(rows.size())); // the Interrupted Sleeps row

    add(initialBoxes, true, u"started"_s);
    ASSERT_EQ(counters.rows(), 2);
    EXPECT_EQ(counterRow(counters, 1),
              (QStringList { u"Sampling Started at:"_s, u"Jun 25, 2024 11:12:31"_s, QString(), u"PerSec"_s }));
    add(initialBoxes, true, u"SLEEPS"_s);
    EXPECT_EQ(counters.rows(), 4);
    EXPECT_EQ(counters.cell(2, 3), u"Interrupted Sleeps"_s);
}

TEST_F(CounterSelectionTest, MatchingAgainstAParsedReportTakesHeaderFieldRowsToo)
{
    const QString path = QStringLiteral(QUORVEL_REAL_REPORTS "/ase160_spec_tpcc_notes.txt");
    if (!QFile::exists(path))
        GTEST_SKIP() << "real reports are not present";
    ParsedReport parsed;
    ASSERT_FALSE(parsed.parse(ReportLoader::load(path)).failed);
    const QString pool = u".ThreadPool : syb_default_pool"_s;
    const int fullSleeps =
        parsed.find(u"Kernel Utilization"_s, u"CPU Yields by Engine.Engine 0.."_s, u"Full Sleeps"_s + pool);
    ASSERT_GT(fullSleeps, 0);
    parsed.sections.setCurrentCell(0, fullSleeps); // a counter row: the fallback type is "PerSec"

    const auto addMatching = [&](const QString &search) {
        CounterSelection::addCounter(counters, parsed.sections, initialBoxes, true, search, ui);
    };
    addMatching(u" STARTED "_s);
    ASSERT_EQ(counters.rows(), 2);
    EXPECT_EQ(counterRow(counters, 1),
              (QStringList { u"Sampling Started at:"_s, u"Jun 25, 2024 11:12:31"_s, QString(), u"PerSec"_s }));

    // The dates of the report header, in report order.
    addMatching(u"2024"_s);
    ASSERT_EQ(counters.rows(), 6);
    const QStringList dateLabels = { u"Run Date:"_s, u"Sampling Started at:"_s, u"Sampling Ended at:"_s,
                                     u"Counters Last Cleared:"_s };
    for (int i = 0; i < dateLabels.size(); ++i)
        EXPECT_EQ(counters.cell(0, i + 2), dateLabels[i]);

    // Two sleep counters for each of the eight engines, then two task switch causes.
    addMatching(u"sleeps"_s);
    ASSERT_EQ(counters.rows(), 6 + 18);
    EXPECT_EQ(counterRow(counters, 6),
              (QStringList { u"Kernel Utilization"_s, u"CPU Yields by Engine.Engine 0.."_s, u"Full Sleeps"_s + pool,
                             u"PerSec"_s }));
    EXPECT_EQ(counterRow(counters, 23),
              (QStringList { u"Task Management"_s, u"Task Context Switches Due To:..."_s,
                             u"Interconnect Message Sleeps"_s, u"PerSec"_s }));
    EXPECT_EQ(counters.currentRow(), 23);
    EXPECT_EQ(ui.status[1], u"Counter(s) Added"_s);
}

TEST_F(CounterSelectionTest, DeleteRemovesOnlyTheCurrentRowAndClearEmptiesTheSet)
{
    CounterSelection::deleteCurrentCounter(counters); // an empty set stays empty
    EXPECT_EQ(counters.rows(), 2);

    for (const QString &name : { u"A"_s, u"B"_s, u"C"_s })
        add({ name, name, name, u"PerSec"_s });
    counters.setCurrentCell(0, 2);
    CounterSelection::deleteCurrentCounter(counters);
    ASSERT_EQ(counters.rows(), 3);
    EXPECT_EQ(counters.cell(0, 1), u"A"_s);
    EXPECT_EQ(counters.cell(0, 2), u"C"_s);
    CounterSelection::deleteCurrentCounter(counters); // the last of several rows
    EXPECT_EQ(counters.rows(), 2);
    EXPECT_EQ(counters.cell(0, 1), u"A"_s);
    CounterSelection::deleteCurrentCounter(counters); // the only row is blanked
    EXPECT_EQ(counters.rows(), 2);
    EXPECT_EQ(counterRow(counters, 1), QStringList(4));

    for (const QString &name : { u"A"_s, u"B"_s, u"C"_s })
        add({ name, name, name, u"PerSec"_s });
    CounterSelection::clearCounters(counters);
    EXPECT_EQ(counters.rows(), 2);
    EXPECT_EQ(counterRow(counters, 1), QStringList(4));
    EXPECT_EQ(counterRow(counters, 0), CounterSet::headerTexts());
    counters.setRows(4); // no old text comes back when the set grows again
    EXPECT_EQ(counterRow(counters, 3), QStringList(4));
}
