#include "counters/CounterSetExport.h"
#include "CounterTestTables.h"
#include "ScriptedUi.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "counters/CounterSet.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using CounterTestTables::readBytes;

namespace {

class CounterSetExportTest : public ::testing::Test
{
protected:
    void SetUp() override { CounterSet::reset(counters); }

    QByteArray exported(const QString &delimiter)
    {
        ui.saveAnswers = { path };
        CounterSetExport::exportCsv(counters, delimiter, encoding, ui);
        return readBytes(path);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(u"set.csv"_s);
    GridTable counters { CounterSet::columnCount };
    TextEncoding encoding = TextEncoding::Utf8;
    ScriptedUi ui;
};

} // namespace

TEST_F(CounterSetExportTest, EveryCellIsFollowedByTheTrimmedDelimiter)
{
    EXPECT_EQ(exported(u" ;; "_s), "Section;;SubSection1;;SubSection2;;Counter;;\r\n;;;;;;;;\r\n");
    EXPECT_EQ(ui.savePresets, QStringList { u"*.csv"_s });
    EXPECT_EQ(ui.status[1], u"Data exported to "_s + path);

    // Cells are written exactly, a delimiter inside one included; a blank delimiter runs them together.
    CounterSet::append(counters, { u" a,b "_s, u"Engine Busy..."_s, QString(), u"CPU %"_s });
    EXPECT_EQ(exported(u","_s), "Section,SubSection1,SubSection2,Counter,\r\n a,b ,Engine Busy...,,CPU %,\r\n");
    EXPECT_EQ(exported(u" \t "_s), "SectionSubSection1SubSection2Counter\r\n a,b Engine Busy...CPU %\r\n");
}

TEST_F(CounterSetExportTest, WritesInTheEncodingACounterSetFileWasFoundIn)
{
    const QString marked = dir.filePath(u"marked.ini"_s);
    CounterTestTables::writeBytes(marked,
                                  "\xEF\xBB\xBF"
                                  "x[+]\r\n");
    encoding = TextFile::writeEncodingFor(TextFile::read(marked).encoding);
    counters.setCell(0, 1, u"Données"_s);
    EXPECT_EQ(exported(u";"_s),
              "\xEF\xBB\xBF"
              "Section;SubSection1;SubSection2;Counter;\r\n"
              "Donn\xC3\xA9"
              "es;;;;\r\n");
}

TEST_F(CounterSetExportTest, CancelOrAnUnwritablePathWritesNothing)
{
    CounterSetExport::exportCsv(counters, u","_s, encoding, ui);
    EXPECT_TRUE(ui.status[1].isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    CounterTestTables::writeBytes(path, "kept");
    for (const QString &target : { dir.filePath(u"missing/set.csv"_s), QString(path + u"/set.csv"_s) }) {
        ui.saveAnswers = { target };
        EXPECT_THROW(CounterSetExport::exportCsv(counters, u","_s, encoding, ui), Failure);
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    EXPECT_EQ(readBytes(path), "kept");
    EXPECT_TRUE(ui.status[1].isEmpty());
}
