#include "digest/DigestExport.h"
#include "ScriptedUi.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(DigestExport, WritesWhenAskedAndLeavesAnExistingFileWholeOnFailure)
{
    GridTable digest(1);
    DigestTableLayout::reset(digest);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"digest.csv"_s);
    const QString missingFolder = dir.filePath(u"missing"_s);
    ScriptedUi ui;
    ui.saveAnswers = { QString(), path, missingFolder + u"/digest.csv"_s, path + u"/digest.csv"_s };
    const auto exportTo = [&](TextEncoding encoding) {
        DigestExport::exportCsv(digest, false, u","_s, encoding, ui);
    };

    exportTo(TextEncoding::Utf8); // cancelled
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    exportTo(TextEncoding::Utf8WithMark);
    EXPECT_EQ(TextFile::readBytes(path), "\xEF\xBB\xBFSysmon Counter,Type,Avg,\r\n,,,\r\n");
    EXPECT_EQ(ui.savePresets.value(0), u"*.csv"_s);
    EXPECT_EQ(ui.status[1], u"Data exported to "_s + path);

    try {
        exportTo(TextEncoding::Utf8);
        ADD_FAILURE() << "an export into a missing folder must fail";
    } catch (const Failure &failure) {
        EXPECT_EQ(failure.message(),
                  u"Cannot create file \""_s + missingFolder + u"/digest.csv\": the folder \""_s +
                      QDir::toNativeSeparators(missingFolder) + u"\" does not exist."_s);
    }
    EXPECT_THROW(exportTo(TextEncoding::Utf8), Failure); // its folder is a file
    EXPECT_EQ(TextFile::readBytes(path), "\xEF\xBB\xBFSysmon Counter,Type,Avg,\r\n,,,\r\n");
}
