#include "common/WorkPacer.h"
#include "ScriptedUi.h"
#include "common/TextLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// A command that parses many reports passes its pacer to each parse and ticks it between them: the
// parse adds its own hook for as long as it runs (a hook of a parse that has ended would be run
// after its end), and leaves the status texts a per-line update would leave.
TEST(WorkPacer, ParsesShareTheCallersBudget)
{
    ScriptedUi ui;
    GridTable sections(SectionTableLayout::columnCount);
    CategoryLists lists;
    bool abortFlag = false;
    ReportParser parser(sections, lists, ui, abortFlag);
    WorkPacer pacer(ui, 0);
    int digestPublished = 0;
    const WorkPacer::Hook run(pacer, [&] { ++digestPublished; });
    QStringList lines { u"Sybase Adaptive Server Enterprise"_s, u"Section"_s, u"-------"_s };
    for (int i = 0; i < 100; ++i)
        lines << u"  Counter %1    1.5    2.5    3    4.5 %"_s.arg(i);
    for (int report = 0; report < 2; ++report) {
        parser.run(TextLines(lines), pacer);
        EXPECT_EQ(ui.status[0], u"Metrics 102 of 103"_s);
        EXPECT_EQ(ui.status[1], u"Single File Parsed"_s);
        pacer.tickNow();
    }
    // Without a budget every tick between reports hands control back, the parses' own besides.
    EXPECT_GE(ui.pumps, 2);
    EXPECT_EQ(digestPublished, ui.pumps);
    EXPECT_EQ(sections.cell(2, 100), u"Counter 99"_s);
}
