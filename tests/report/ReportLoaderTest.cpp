#include "report/ReportLoader.h"
#include "Gzipped.h"
#include "common/Failure.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

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

// A report of many megabytes is read in parts of 4 MB; the lines are exactly those of the file
// wherever the parts end: here the CR and the LF of a line end fall into two parts.
TEST(ReportLoader, ALargeReportIsLoadedLineForLine)
{
    constexpr int lineCount = 200'000;
    // 62 characters and CR LF a line, the first line one longer: the line end of every 65,536th
    // line starts at the last byte of a part.
    QStringList lines;
    lines.reserve(lineCount);
    for (int i = 0; i < lineCount; ++i)
        lines << QStringLiteral("  Engine %1").arg(i).leftJustified(i == 0 ? 63 : 62, u'.');
    QTemporaryDir dir;
    for (const QString &lineEnd : { QStringLiteral("\r\n"), QStringLiteral("\n") }) {
        SCOPED_TRACE(lineEnd.size() == 2 ? "CR LF" : "LF");
        const QString path = dir.filePath(QStringLiteral("large.txt"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write((lines.join(lineEnd) + lineEnd).toLatin1()) > 0);
        file.close();
        const TextLines loaded = ReportLoader::load(path, FileKinds::RegularOnly);
        EXPECT_EQ(loaded.count(), lineCount);
        const QStringList read = loaded.toStringList();
        const auto difference = std::mismatch(read.begin(), read.end(), lines.begin(), lines.end());
        EXPECT_TRUE(difference.first == read.end() && difference.second == lines.end())
            << "first difference in line " << difference.second - lines.begin();
    }
}

// What a folder's files are is told from their first characters, read without reading them whole.
TEST(ReportLoader, HeadGivesTheFirstCharactersOfTheTextCompressedOrNot)
{
    QTemporaryDir dir;
    const auto file = [&dir](const char *name, const QByteArray &bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return path;
    };
    const QByteArray text = "Sybase Adaptive Server Enterprise\r\nServer Name: SP\xC3\x89"
                            "C\r\n";
    const QString plain = file("plain.txt", text);
    EXPECT_EQ(ReportLoader::head(plain, 14), QStringLiteral("Sybase Adaptiv"));
    EXPECT_EQ(ReportLoader::head(plain, 1000), QString::fromUtf8(text));

    // A gzip header may name the file before the data, at any length.
    QByteArray named = gzipped(text);
    named[3] = 0x08;
    named.insert(10, QByteArray(100'000, 'n') + '\0');
    for (const QString &compressed : { file("text.gz", gzipped(text)), file("named.gz", named) }) {
        EXPECT_EQ(ReportLoader::head(compressed, 14), QStringLiteral("Sybase Adaptiv"));
        EXPECT_EQ(ReportLoader::head(compressed, 1000), QString::fromUtf8(text));
    }

    // Compressed data cut off gives the text before the cut: only the whole file's reading fails.
    const QByteArray longText = text + QByteArray("  Engine 0    1.5    2.5    3    4.5 %\r\n").repeated(10'000);
    const QByteArray longCompressed = gzipped(longText);
    const QString cutOff = file("cut.gz", longCompressed.first(longCompressed.size() / 2));
    EXPECT_THROW(ReportLoader::load(cutOff), Failure);
    EXPECT_EQ(ReportLoader::head(cutOff, 100), QString::fromUtf8(longText).first(100));
    const QString cutOffEarly = file("early.gz", longCompressed.first(5));
    EXPECT_EQ(ReportLoader::head(cutOffEarly, 100), QString());

    // The characters wanted end inside a character of three bytes: still UTF-8, not an 8-bit text.
    EXPECT_EQ(ReportLoader::head(file("euro.txt", QByteArray("\xE2\x82\xAC").repeated(100)), 2), u"\u20AC\u20AC");

    EXPECT_THROW(ReportLoader::head(dir.filePath(QStringLiteral("vanished.gz")), 100), Failure);
}

TEST(ReportLoader, StatusShowsTheLast31Characters)
{
    EXPECT_EQ(ReportLoader::loadedStatus(QStringLiteral("/tmp/r.txt")), QStringLiteral("Loaded .../tmp/r.txt"));
    EXPECT_EQ(ReportLoader::loadedStatus(QStringLiteral("/data/sysmon/archive/2024/06/25/sysmon_1112.txt")),
              QStringLiteral("Loaded ...hive/2024/06/25/sysmon_1112.txt"));
}
