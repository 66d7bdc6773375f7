#include "common/WorkPacer.h"
#include "ScriptedUi.h"
#include "common/TextLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(WorkPacer, HandsBackAtClockReadingsWithTheHooksOfTheMomentRunFirst)
{
    ScriptedUi ui;
    QStringList events;
    ui.onPump = [&] {
        events << u"pump"_s;
    };
    WorkPacer pacer(ui, 0); // a spent budget at every clock reading
    const WorkPacer::Hook run(pacer, [&] { events << u"digest table"_s; });
    {
        const WorkPacer::Hook parse(pacer, [&] { events << u"section table"_s; });
        for (int i = 0; i < 31; ++i)
            pacer.tick(); // the clock is read at every 32nd tick only
        EXPECT_EQ(ui.pumps, 0);
        pacer.tick();
    }
    pacer.tickNow();
    EXPECT_EQ(events, (QStringList { u"digest table"_s, u"section table"_s, u"pump"_s, u"digest table"_s, u"pump"_s }));

    WorkPacer patient(ui, 60'000);
    for (int i = 0; i < 1000; ++i)
        patient.tick();
    patient.tickNow();
    EXPECT_EQ(ui.pumps, 2);
}

// A command that parses many reports passes its pacer to each parse: the parse adds its own hook
// for as long as it runs, and leaves the status texts a per-line update would leave.
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
    EXPECT_EQ(ui.pumps, 2 * (103 / 32) + 2);
    EXPECT_EQ(digestPublished, ui.pumps);
    EXPECT_EQ(sections.cell(2, 100), u"Counter 99"_s);
}
