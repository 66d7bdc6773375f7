#include "report/ReportLoader.h"
#include "ScriptedUi.h"
#include "common/Failure.h"
#include "common/WorkPacer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ReportLoader, LineEndsAndFinalBreakDoNotChangeTheLines)
{
    QTemporaryDir dir;
    const QString crlf = dir.filePath(QStringLiteral("crlf.txt"));
    const QString lf = dir.filePath(QStringLiteral("lf.txt"));
    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    for (const auto &[path, bytes] :
         { std::pair { crlf, QByteArray("Kernel\r\n------\r\n") }, std::pair { lf, QByteArray("Kernel\n------") },
           std::pair { empty, QByteArray() } }) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    EXPECT_EQ(ReportLoader::load(crlf).toStringList(),
              (QStringList { QStringLiteral("Kernel"), QStringLiteral("------") }));
    EXPECT_EQ(ReportLoader::load(lf), ReportLoader::load(crlf));
    EXPECT_TRUE(ReportLoader::load(empty).isEmpty());
    EXPECT_THROW(ReportLoader::load(dir.filePath(QStringLiteral("vanished.txt"))), Failure);
}

// Reading, decoding and splitting a report of many megabytes each take long enough to be felt: the
// loader hands control back between their parts.
TEST(ReportLoader, ALargeReportIsLoadedOnTheTimeBudget)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.write(QByteArray("  Engine 0    1.5    2.5    3    4.5 %\r\n").repeated(300'000)) > 0);
    file.close();
    ScriptedUi ui;
    WorkPacer pacer(ui, 0);
    EXPECT_EQ(ReportLoader::load(path, FileKinds::RegularOnly, &pacer).count(), 300'000);
    EXPECT_GE(ui.pumps, 6); // 3 parts read, then decoded, then 3 parts of lines
}

TEST(ReportLoader, StatusShowsTheLast31Characters)
{
    EXPECT_EQ(ReportLoader::loadedStatus(QStringLiteral("/tmp/r.txt")), QStringLiteral("Loaded .../tmp/r.txt"));
    EXPECT_EQ(ReportLoader::loadedStatus(QStringLiteral("/data/sysmon/archive/2024/06/25/sysmon_1112.txt")),
              QStringLiteral("Loaded ...hive/2024/06/25/sysmon_1112.txt"));
}
