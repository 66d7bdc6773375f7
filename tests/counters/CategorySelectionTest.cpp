#include "counters/CategorySelection.h"
#include "CounterTestTables.h"
#include "counters/CounterTypes.h"
#include "report/CategoryLists.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using CategorySelection::BoxSetting;
using CategorySelection::HeaderLabels;

namespace {

class CategorySelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CounterTestTables::fillSections(
            sections,
            {
                { u"Run Date:"_s, u"Jun 25, 2024"_s },
                { u"Kernel Utilization"_s, u"CPU Yields by Engine..."_s, u"Full Sleeps"_s, u"65.5"_s, u"0.1"_s,
                  u"2946"_s, u"1.1"_s },
                { u"Kernel Utilization"_s, u"Engine Utilization (Tick %)..."_s, u"Engine 0"_s, QString(), QString(),
                  QString(), QString(), u"25.9"_s, u"1.1"_s, u"73.0"_s },
                {},
                { u"Spinlocks"_s, u"Resource->rdesmgr_spin"_s, QString(), u"12"_s, u"340"_s, u"9000"_s, u"0.13"_s,
                  u"28.33"_s, u"4"_s },
                { u"spinlocks"_s, u"Resource->rdesmgr_spin"_s, QString(), u"12"_s },
                { u"Edited by hand"_s, u"CPU YIELDS BY ENGINE..."_s, u"nowhere"_s, u"1"_s },
            });
        lists.sections = { u"Run Date:"_s, u"Kernel Utilization"_s, u"Spinlocks"_s };
        lists.subSections1 = { u"Jun 25, 2024"_s, u"CPU Yields by Engine..."_s, u"Engine Utilization (Tick %)..."_s,
                               u"Resource->rdesmgr_spin"_s };
        lists.subSections2 = { u"Full Sleeps"_s, u"Engine 0"_s };
    }

    std::optional<CategorySelection::Setting> at(int row, int column)
    {
        return CategorySelection::settingFor(sections, row, column, lists, CounterTypes::all());
    }

    GridTable sections { SectionTableLayout::columnCount };
    CategoryLists lists;
};

} // namespace

TEST_F(CategorySelectionTest, RowsWithoutFiguresChangeNothing)
{
    EXPECT_FALSE(at(1, 4)); // header-field row
    EXPECT_FALSE(at(4, 4)); // blank row
    EXPECT_FALSE(at(99, 4)); // beyond the table

    GridTable empty(SectionTableLayout::columnCount);
    SectionTableLayout::reset(empty);
    EXPECT_FALSE(CategorySelection::settingFor(empty, 1, 3, CategoryLists {}, CounterTypes::all()));
}

TEST_F(CategorySelectionTest, BoxesTakeTheListItemsAndTheTypeOfTheCurrentColumn)
{
    const auto counter = at(2, 5);
    ASSERT_TRUE(counter);
    EXPECT_EQ(counter->labels, HeaderLabels::Ordinary);
    EXPECT_EQ(counter->section, (BoxSetting { u"Kernel Utilization"_s, 1 }));
    EXPECT_EQ(counter->subSection1, (BoxSetting { u"CPU Yields by Engine..."_s, 1 }));
    EXPECT_EQ(counter->subSection2, (BoxSetting { u"Full Sleeps"_s, 0 }));
    EXPECT_EQ(counter->counterType, (BoxSetting { u"Count"_s, 2 }));

    // A CPU row has its figures from column 7 on.
    const auto cpu = at(3, 8);
    ASSERT_TRUE(cpu);
    EXPECT_EQ(cpu->subSection2, (BoxSetting { u"Engine 0"_s, 1 }));
    EXPECT_EQ(cpu->counterType, (BoxSetting { u"IO %"_s, 5 }));

    // Columns 0..2 name no figure.
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(at(2, column)->counterType, BoxSetting {}) << column;

    // Cells edited by hand: a list item in other letter case shows in the item's own case, a text
    // in no list empties its box.
    const auto edited = at(7, 3);
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->section, BoxSetting {});
    EXPECT_EQ(edited->subSection1, (BoxSetting { u"CPU Yields by Engine..."_s, 1 }));
    EXPECT_EQ(edited->subSection2, BoxSetting {});
    EXPECT_EQ(edited->counterType, (BoxSetting { u"PerSec"_s, 0 }));
}

TEST_F(CategorySelectionTest, ASpinlockRowTakesItsTypeFromTheSpinlockLabels)
{
    // The spinlock labels put Spins before Grabs; the type list has them the other way round.
    EXPECT_EQ(at(5, 4)->counterType, (BoxSetting { u"Spins"_s, 9 }));
    EXPECT_EQ(at(5, 5)->counterType, (BoxSetting { u"Grabs"_s, 8 }));
    EXPECT_EQ(at(5, 7)->counterType, (BoxSetting { u"Spin/Wait"_s, 11 }));
    // "N/A" is no counter type.
    EXPECT_EQ(at(5, 9)->counterType, BoxSetting {});
    EXPECT_EQ(at(5, 9)->labels, HeaderLabels::Spinlock);
    EXPECT_EQ(at(5, 9)->section, (BoxSetting { u"Spinlocks"_s, 2 }));

    // Only the parser's spelling makes a spinlock row.
    EXPECT_EQ(at(6, 4)->labels, HeaderLabels::Ordinary);
    EXPECT_EQ(at(6, 4)->counterType, (BoxSetting { u"PedXact"_s, 1 }));
    EXPECT_EQ(at(6, 4)->section, (BoxSetting { u"Spinlocks"_s, 2 }));
}

TEST_F(CategorySelectionTest, HeaderLabelsSwitchAndSwitchBack)
{
    const auto header = [this] {
        QStringList texts;
        for (int c = 0; c < sections.columns(); ++c)
            texts << sections.cell(c, 0).toString();
        return texts;
    };
    CategorySelection::writeHeaderLabels(sections, at(5, 4)->labels);
    EXPECT_EQ(header(),
              (QStringList { u"Section"_s, u"SubSection1"_s, u"SubSection2"_s, u"Waits"_s, u"Spins"_s, u"Grabs"_s,
                             u"% Contn"_s, u"Spin/Wait"_s, u"Fields"_s, u"N/A"_s }));

    // Moving on to an ordinary row: the type follows the label that row gets, not the spinlock
    // label still standing in the header.
    const auto counter = at(2, 4);
    EXPECT_EQ(counter->counterType, (BoxSetting { u"PedXact"_s, 1 }));
    CategorySelection::writeHeaderLabels(sections, counter->labels);
    EXPECT_EQ(header(), SectionTableLayout::headerTexts());
}
