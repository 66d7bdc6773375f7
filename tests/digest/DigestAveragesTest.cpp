#include "digest/DigestAverages.h"
#include "ScriptedUi.h"
#include "digest/DigestColumnMap.h"
#include "digest/DigestRowSums.h"
#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(DigestAverages, MeanOverEveryReportColumnToTheEvenHundredth)
{
    const QList<QPair<QStringList, QString>> cases {
        { {}, QString() }, // no report column: empty, not "0"
        { { u"10"_s, u"20"_s, QString() }, u"10"_s }, // an empty cell counts in the divisor
        { { u"10"_s, u"-1"_s }, u"4.5"_s }, // the no-value mark is a number
        { { u"n/a"_s, u"1"_s }, u"0.5"_s }, // text adds nothing but counts
        { { u"0.125"_s }, u"0.12"_s }, // exactly half a hundredth: to the even one
        { { u"0.375"_s }, u"0.38"_s },
        { { u"-0.125"_s }, u"-0.12"_s },
        { { u"0.1251"_s }, u"0.13"_s },
        { { u"-1"_s, u"-1"_s, u"0"_s }, u"-0.67"_s },
        { { u" 2.5 "_s, u"1e3"_s }, u"501.25"_s },
        { { u"-0.001"_s }, u"0"_s },
        { { u"1e20"_s }, u"1E20"_s },
    };
    const auto tableWith = [](GridTable &digest, const QStringList &reportCells) {
        DigestTableLayout::reset(digest);
        digest.setColumns(DigestTableLayout::fixedColumnCount + int(reportCells.size()));
        digest.setCell(3, 0, u"AVG"_s); // found with letter case ignored, written back as "Avg"
        digest.setCell(1, 1, u"[Kernel]_[Engine Busy...]_[Engine 0]"_s);
        digest.setCell(2, 1, u"CPU %"_s);
        digest.setCell(3, 1, u"1000"_s); // the old average is not summed
        for (int i = 0; i < reportCells.size(); ++i)
            digest.setCell(DigestTableLayout::FirstReport + i, 1, reportCells[i]);
    };
    for (const auto &[reportCells, average] : cases) {
        GridTable digest(1);
        tableWith(digest, reportCells);
        ScriptedUi ui;
        DigestAverages::calculate(digest, ui);
        EXPECT_EQ(digest.cell(3, 0) + u'|' + digest.cell(3, 1), u"Avg|"_s + average)
            << reportCells.join(u'|').toStdString();
        EXPECT_EQ(ui.status[1], u"Calculating Average Values..."_s);

        // A run that keeps the sums up as it adds its columns (after the first, there before the
        // run) ends with the same figure.
        GridTable running(1);
        tableWith(running, reportCells.mid(0, 1));
        DigestRowSums sums(running, DigestColumnMap(running));
        for (int i = 1; i < reportCells.size(); ++i) {
            running.setColumns(running.columns() + 1);
            running.setCell(running.columns() - 1, 1, reportCells[i]);
            sums.add(running, running.columns() - 1);
        }
        DigestAverages::calculate(running, sums, ui);
        EXPECT_EQ(running.cell(3, 1), digest.cell(3, 1)) << reportCells.join(u'|').toStdString();
    }
}
