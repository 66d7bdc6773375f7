#include "digest/DigestEditing.h"
#include "ScriptedUi.h"
#include "digest/DigestTableLayout.h"
#include "digest/FileList.h"
#include "digest/FileListLayout.h"
#include "grid/GridTable.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(FileList, AddsInDialogOrderAndRemovesTheCurrentEntry)
{
    GridTable files(1);
    FileListLayout::reset(files);
    ScriptedUi ui;
    const QString longPath = u"/srv/sysmon/2013-08-23/tpcc_sysmon_1053.txt"_s;
    ui.openAnswers = { {}, { u"/r/a.txt"_s }, { u"/r/b.txt"_s, u"/r/a.txt"_s, longPath } };
    FileList::addFiles(files, ui); // cancelled
    EXPECT_TRUE(ui.statusLog.isEmpty());
    FileList::addFiles(files, ui);
    EXPECT_EQ(files.rows(), 2); // the empty row 1 is filled
    EXPECT_EQ(ui.status[2], u"Added .../r/a.txt"_s);
    FileList::addFiles(files, ui);
    EXPECT_EQ(FileList::paths(files), (QStringList { u"/r/a.txt"_s, u"/r/b.txt"_s, u"/r/a.txt"_s, longPath }));
    EXPECT_EQ(ui.status[2], u"Added ...2013-08-23/tpcc_sysmon_1053.txt"_s);
    EXPECT_EQ(ui.status[1], u"File Added."_s);

    const auto removeAt = [&](int row) {
        files.setCurrentCell(1, row);
        FileList::removeCurrent(files);
    };
    removeAt(1);
    removeAt(3);
    EXPECT_EQ(FileList::paths(files), (QStringList { u"/r/b.txt"_s, u"/r/a.txt"_s }));
    removeAt(1);
    removeAt(1);
    EXPECT_EQ(files.rows(), 2);
    EXPECT_FALSE(FileList::hasFiles(files));
}

TEST(DigestEditing, ReportColumnsAndCounterRowsGoButTheCounterColumnsStay)
{
    GridTable digest(1);
    DigestTableLayout::reset(digest);
    digest.setColumns(7);
    digest.setRows(3);
    for (int i = 0; i < 3; ++i) {
        digest.setCell(4 + i, 0, u" 1%1:00:00"_s.arg(i));
        digest.setCell(4 + i, 1, QString::number(10 * (i + 1)));
    }
    digest.setCell(1, 2, u"[Disk]_[...]_[Reads]"_s);
    digest.setCell(3, 2, u"5"_s);

    for (int column : { 0, 1, 2, 3, 7 })
        EXPECT_FALSE(DigestEditing::canDeleteColumn(digest, column)) << column;
    EXPECT_EQ(DigestEditing::deleteColumnCaption(digest, 5), u"&Delete Column [ 11:00:00]"_s);
    ScriptedUi ui;
    DigestEditing::deleteColumn(digest, 5, ui);
    EXPECT_EQ(digest.cell(4, 0) + digest.cell(5, 0), u" 10:00:00 12:00:00"_s);
    EXPECT_EQ(digest.cell(3, 1) + u'|' + digest.cell(3, 2), u"20|0"_s); // averaged again over two

    digest.setCurrentCell(4, 1);
    DigestEditing::deleteCurrentRow(digest);
    EXPECT_EQ(DigestEditing::currentCounterName(digest), u"[Disk]_[...]_[Reads]"_s);
    EXPECT_EQ(digest.cell(3, 1), u"0"_s); // not averaged again
    DigestEditing::deleteCurrentRow(digest); // the last row is emptied, name and type included
    EXPECT_EQ(digest.rows(), 2);
    for (int column = 0; column < digest.columns(); ++column)
        EXPECT_EQ(digest.cell(column, 1), QString());
}
