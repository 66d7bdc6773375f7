#include "common/TextFile.h"
#include "common/Failure.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// Writes under a file size limit of 3 bytes: the kernel holds every user to it, root included, so
// the write fails wherever the tests run. SIGXFSZ is ignored meanwhile, so the failure reaches the
// writer as an error instead of ending the process.
bool writeFailsBeyondThreeBytes(const QString &path, const QStringList &lines)
{
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tight = old;
    tight.rlim_cur = 3;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tight);
    bool failed = false;
    try {
        TextFile::write(path, lines, TextEncoding::Utf8);
    } catch (const Failure &) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return failed;
}

} // namespace

TEST(TextFile, ByteOrderMarksSelectTheEncodingAndAreRemoved)
{
    TextEncoding found {};
    EXPECT_EQ(TextFile::decode(QByteArray("\xEF\xBB\xBF"
                                          "K\xC3\xA4se"),
                               &found),
              QStringLiteral("Käse"));
    EXPECT_EQ(found, TextEncoding::Utf8WithMark);
    EXPECT_EQ(TextFile::decode(QByteArray("\xFF\xFE"
                                          "A\0\xE4\0",
                                          6),
                               &found),
              QStringLiteral("Aä"));
    EXPECT_EQ(found, TextEncoding::Utf16LE);
    EXPECT_EQ(TextFile::decode(QByteArray("\xFE\xFF\0A\0\xE4", 6), &found), QStringLiteral("Aä"));
    EXPECT_EQ(found, TextEncoding::Utf16BE);
    EXPECT_EQ(TextFile::decode(QByteArray("K\xC3\xA4se"), &found), QStringLiteral("Käse"));
    EXPECT_EQ(found, TextEncoding::Utf8);
}

// A large text is decoded in parts of 4 MB, and a regular file read in parts of 1 MB (its mark
// included), each on its own: whatever stands where one part ends (a character of several bytes,
// a surrogate pair, a second byte-order mark), the text is the one a decoder of the whole gives.
TEST(TextFile, ALargeFileDecodesInPartsAsItDoesWhole)
{
    constexpr qsizetype part = 4 * 1024 * 1024;
    constexpr qsizetype filePart = 1024 * 1024;
    // ASCII text with `middle` from byte `at` of the text on (after the mark, if any).
    const auto asciiWith = [](qsizetype at, const QByteArray &middle, const char *mark = "") {
        QByteArray bytes(part + 1000, 'a');
        return bytes.replace(at, middle.size(), middle).prepend(mark);
    };
    const auto utf16 = [](const QString &text, bool bigEndian) {
        QStringEncoder encoder(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE);
        QByteArray bytes = encoder(text);
        return bytes.prepend(bigEndian ? "\xFE\xFF" : "\xFF\xFE");
    };
    const QString pairAcross = QString(part / 2 - 1, u'x') + QString::fromUcs4(U"\U0001F600") + u'y';
    const QString markAtStart = QString(part / 2, u'x') + QChar(0xFEFF) + u'y';
    // After the two bytes of the mark, the pair's first half ends the file's first part.
    const QString pairAcrossFilePart = QString(filePart / 2 - 2, u'x') + QString::fromUcs4(U"\U0001F600") + u'y';
    const std::pair<const char *, QByteArray> files[] = {
        { "UTF-8, a character of two bytes across, nothing ASCII near",
          QByteArray("\xC3\xA4").repeated(part / 2 + 500).prepend("a") },
        { "UTF-8, a character of four bytes across", asciiWith(part - 2, "\xF0\x9F\x98\x80") },
        { "UTF-8 with a mark, a second mark where a part begins", asciiWith(part, "\xEF\xBB\xBF", "\xEF\xBB\xBF") },
        { "UTF-16 LE, a surrogate pair across", utf16(pairAcross, false) },
        { "UTF-16 BE, a surrogate pair across", utf16(pairAcross, true) },
        { "UTF-16 LE, a second mark where a part begins", utf16(markAtStart, false) },
        { "UTF-16 LE, a surrogate pair across a file's part", utf16(pairAcrossFilePart, false) },
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.txt"));
    for (const auto &[name, bytes] : files) {
        TextEncoding found {};
        const QString decoded = TextFile::decode(bytes, &found);
        const qsizetype mark = found == TextEncoding::Utf8 ? 0 : found == TextEncoding::Utf8WithMark ? 3 : 2;
        QStringDecoder whole(found == TextEncoding::Utf16BE       ? QStringConverter::Utf16BE
                                 : found == TextEncoding::Utf16LE ? QStringConverter::Utf16LE
                                                                  : QStringConverter::Utf8,
                             QStringConverter::Flag::Stateless);
        const QString expected = whole(QByteArrayView(bytes).sliced(mark));
        EXPECT_FALSE(whole.hasError()) << name;
        EXPECT_TRUE(decoded == expected) << name;
        writeBytes(path, bytes);
        TextEncoding foundInFile {};
        const TextLines read =
            TextFile::readLines(path, TextFile::noLimit, FileKinds::RegularOnly, &foundInFile);
        EXPECT_TRUE(read.joined() == expected) << name << ", read from a file";
        EXPECT_EQ(foundInFile, found) << name;
    }
}

TEST(TextFile, InvalidUtf8FallsBackToWindows1252WithoutLosingBytes)
{
    TextEncoding found {};
    EXPECT_EQ(TextFile::decode(QByteArray("K\xE4se \x80 \x81"), &found), QStringLiteral("Käse \u20AC \u0081"));
    EXPECT_EQ(found, TextEncoding::Windows1252);

    // In a file, the first byte that is not UTF-8 may come parts after the start.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("late.txt"));
    writeBytes(path, QByteArray(3 * 1024 * 1024, 'a') + "\xC3\xA4 \x80");
    found = {};
    const TextLines read = TextFile::readLines(path, TextFile::noLimit, FileKinds::RegularOnly, &found);
    EXPECT_TRUE(read.joined() == QString(3 * 1024 * 1024, u'a') + QStringLiteral("\u00C3\u00A4 \u20AC"));
    EXPECT_EQ(found, TextEncoding::Windows1252);
}

TEST(TextLines, SplitAtEveryKindOfLineEndAndKeepTheLinesAsTheyWere)
{
    const QStringList aEmptyB { QStringLiteral("a"), QStringLiteral(""), QStringLiteral("b") };
    const std::pair<QString, QStringList> cases[] = {
        { QStringLiteral("a\r\n\r\nb\r\n"), aEmptyB },
        { QStringLiteral("a\n\nb\n"), aEmptyB },
        { QStringLiteral("a\r\rb"), aEmptyB },
        { QStringLiteral("a\n\rb"), aEmptyB }, // LF then a lone CR: two breaks
        { QString(), {} },
        { QStringLiteral("\n"), { QString() } },
        { QStringLiteral("\r"), { QString() } },
        { QStringLiteral("a\n\n"), { QStringLiteral("a"), QString() } },
        { QStringLiteral("\r\n\r"), { QString(), QString() } },
        { QStringLiteral(" x \t\r\n"), { QStringLiteral(" x \t") } },
    };
    for (const auto &[text, expected] : cases) {
        const TextLines lines = TextLines::fromText(text);
        EXPECT_EQ(lines.toStringList(), expected) << text.toStdString();
        EXPECT_EQ(lines.count(), expected.size()) << text.toStdString();
        EXPECT_EQ(lines, TextLines(expected)) << text.toStdString();
        EXPECT_EQ(std::distance(lines.begin(), lines.end()), expected.size()) << text.toStdString();
    }
}

TEST(TextFile, ReadingAMissingFileFailsWithItsPath)
{
    try {
        TextFile::read(QStringLiteral("/nonexistent/folder/report.txt"));
        FAIL() << "no failure";
    } catch (const Failure &f) {
        EXPECT_TRUE(f.message().contains(QStringLiteral("/nonexistent/folder/report.txt")));
    }
}

TEST(TextFile, AFileAboveTheSizeLimitIsRefusedWithoutReadingItAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    writeBytes(path, "Kernel\nEngine 0\n");
    EXPECT_EQ(TextFile::read(path, 16).lines.size(), 2); // exactly at the limit
    EXPECT_THROW(TextFile::read(path, 15), Failure);
    // A device without an end must fail, not fill the memory.
    if (QFile::exists(QStringLiteral("/dev/zero"))) {
        EXPECT_THROW(TextFile::read(QStringLiteral("/dev/zero"), 1024, FileKinds::Any), Failure);
    }
}

TEST(TextFile, AFailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    EXPECT_THROW(TextFile::write(dir.filePath(QStringLiteral("missing/folder/out.csv")), { QStringLiteral("a") },
                                 TextEncoding::Utf8),
                 Failure);

    const QString target = dir.filePath(QStringLiteral("keep.csv"));
    writeBytes(target, "old\r\n");
    EXPECT_TRUE(writeFailsBeyondThreeBytes(target, { QStringLiteral("new and longer") }));
    EXPECT_EQ(readBytes(target), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("keep.csv") });
}

TEST(TextFile, WritesInTheEncodingOfTheFileItFollows)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("SysmonCounters.ini"));
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    const auto writeFollowing = [&](const QStringList &lines, TextEncoding found) {
        TextFile::write(out, lines, TextFile::writeEncodingFor(found));
    };

    writeFollowing({ QStringLiteral("ä") }, TextEncoding::Utf8);
    EXPECT_EQ(readBytes(out), QByteArray("\xC3\xA4\r\n")); // nothing read yet: UTF-8, no mark

    writeBytes(ini,
               QByteArray("\xEF\xBB\xBF"
                          "x\r\n"));
    TextFile::Content read = TextFile::read(ini);
    EXPECT_EQ(read.lines, QStringList { QStringLiteral("x") });
    writeFollowing(read.lines, read.encoding);
    EXPECT_EQ(readBytes(out),
              QByteArray("\xEF\xBB\xBF"
                         "x\r\n"));

    writeBytes(ini,
               QByteArray("\xFF\xFE"
                          "y\0",
                          4));
    writeFollowing({ QStringLiteral("z") }, TextFile::read(ini).encoding);
    EXPECT_EQ(readBytes(out),
              QByteArray("\xFF\xFE"
                         "z\0\r\0\n\0",
                         8));

    writeBytes(ini, QByteArray("\xE4\n")); // Windows-1252: written back as UTF-8 without a mark
    read = TextFile::read(ini);
    writeFollowing(read.lines, read.encoding);
    EXPECT_EQ(readBytes(out), QByteArray("\xC3\xA4\r\n"));
}
