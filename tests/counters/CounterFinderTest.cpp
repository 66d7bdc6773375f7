#include "counters/CounterFinder.h"
#include "CounterTestTables.h"
#include "ScriptedUi.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class CounterFinderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CounterTestTables::fillSections(
            sections,
            {
                { u"Kernel Utilization"_s, u"x..."_s, u"Engine 0"_s, u"12"_s },
                { u"Kernel Utilization"_s, u"x..."_s, u"Full Sleeps"_s, u"120.5"_s, u"0.1"_s, u"512"_s },
                { u"Task Management"_s, u"y..."_s, u"Context Switches"_s, u"3"_s },
                { u"Données"_s, u"ÉTAT..."_s, u"état"_s, u"12"_s },
            });
        sections.setCurrentCell(2, 1);
    }

    void find(const QString &text) { CounterFinder::findNext(sections, text, ui); }

    GridTable sections { SectionTableLayout::columnCount };
    ScriptedUi ui;
};

} // namespace

TEST_F(CounterFinderTest, FindsRowByRowBelowTheCurrentRow)
{
    // Row 1, the current row, holds "12" too but is never looked at; figures are searched as text.
    find(u" 12 "_s);
    EXPECT_EQ(sections.currentRow(), 2);
    EXPECT_EQ(sections.currentColumn(), 3);
    EXPECT_EQ(ui.status[1], u"Expression [at c=3; r= 2] found: 12"_s);
    EXPECT_TRUE(ui.questions.isEmpty());

    // The "12" in column 5 of the same row is never reported: the next find starts below it.
    find(u"12"_s);
    EXPECT_EQ(sections.currentRow(), 4);
    EXPECT_EQ(ui.status[1], u"Expression [at c=3; r= 4] found: 12"_s);

    // ASCII letters in any case; the status keeps the text as typed.
    sections.setCurrentCell(0, 1);
    find(u"sWITCH"_s);
    EXPECT_EQ(sections.currentRow(), 3);
    EXPECT_EQ(sections.currentColumn(), 2);
    EXPECT_EQ(ui.status[1], u"Expression [at c=2; r= 3] found: sWITCH"_s);

    // Letters outside ASCII only in the same case: the "é" of column 0 is passed over.
    sections.setCurrentCell(0, 1);
    find(u"É"_s);
    EXPECT_EQ(sections.currentRow(), 4);
    EXPECT_EQ(sections.currentColumn(), 1);
}

TEST_F(CounterFinderTest, NothingMoreFoundOffersTheTop)
{
    ui.confirmAnswers = { false, true };
    sections.setCurrentCell(4, 2);
    find(u"Engine"_s);
    EXPECT_EQ(ui.status[1], u"Expression not found."_s);
    EXPECT_EQ(ui.questions, QStringList { u"Expression not found.  Scroll to the top?"_s });
    EXPECT_EQ(sections.currentRow(), 2); // No: the current cell stays
    EXPECT_EQ(sections.currentColumn(), 4);

    find(u"Engine"_s); // Yes: back to row 1, column 0 ...
    EXPECT_EQ(sections.currentRow(), 1);
    EXPECT_EQ(sections.currentColumn(), 0);
    find(u"Engine"_s); // ... and the next find starts with row 2, so row 1's Engine is passed over
    EXPECT_EQ(ui.status[1], u"Expression not found."_s);
    EXPECT_EQ(ui.questions.size(), 3);
}

TEST_F(CounterFinderTest, EmptyBlankOrLastRowGoesStraightToTheQuestion)
{
    find(QString());
    EXPECT_EQ(ui.statusLog, (QList<QPair<int, QString>> { { 1, u"Expression not found."_s } }));

    // Blanks only: every row below is looked at, nothing matches.
    ui.statusLog.clear();
    find(u"  "_s);
    EXPECT_EQ(ui.statusLog.first(), (QPair<int, QString> { 1, u"Processing row [4]"_s }));
    EXPECT_EQ(ui.statusLog.last(), (QPair<int, QString> { 1, u"Expression not found."_s }));

    sections.setCurrentCell(0, 4);
    find(u"Données"_s);
    EXPECT_EQ(ui.status[1], u"Expression not found."_s);
    EXPECT_EQ(ui.questions.size(), 3);
}
