#include "counters/CounterSetFile.h"
#include "CounterTestTables.h"
#include "ScriptedUi.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "counters/CounterSet.h"
#include "grid/GridTable.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QStringList row(const GridTable &t, int r)
{
    return { t.cell(0, r).toString(), t.cell(1, r).toString(), t.cell(2, r).toString(), t.cell(3, r).toString() };
}

} // namespace

TEST(CounterSetFile, FieldsAreTakenOffTheFrontOfTheLine)
{
    using CounterSetFile::fieldsOf;
    EXPECT_EQ(
        fieldsOf(QStringLiteral("S[+]T[+]U[+]PerSec[+]")),
        (QStringList { QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("PerSec") }));
    // A field not followed by "[+]" is empty, and so is every field after it.
    EXPECT_EQ(fieldsOf(QStringLiteral("S[+]T[+]U")),
              (QStringList { QStringLiteral("S"), QStringLiteral("T"), QString(), QString() }));
    EXPECT_EQ(fieldsOf(QStringLiteral("no separators")), (QStringList { QString(), QString(), QString(), QString() }));
    EXPECT_EQ(fieldsOf(QStringLiteral("abX[+]Y[+]")),
              (QStringList { QStringLiteral("abX"), QStringLiteral("Y"), QString(), QString() }));
}

TEST(CounterSetFile, SaveAndLoadRoundTripKeepsTextsAndTheMark)
{
    const QByteArray read = "Kernel Utilization[+]Engine Busy...[+]Engine 0[+]CPU %[+]\r\n"
                            "\r\n"
                            " Disk [+] x [+][+]persec[+]\r\n";
    const QByteArray saved = "Kernel Utilization[+]Engine Busy...[+]Engine 0[+]CPU %[+]\r\n"
                             " Disk [+] x [+][+]persec[+]\r\n";
    // ASCII text in UTF-16, big end first: a zero byte before each.
    const auto bigEndian = [](const QByteArray &ascii) {
        QByteArray bytes;
        for (char c : ascii)
            bytes.append('\0').append(c);
        return bytes;
    };
    const std::pair<QByteArray, QByteArray> marked[] = {
        { "\xEF\xBB\xBF" + read, "\xEF\xBB\xBF" + saved },
        { "\xFE\xFF" + bigEndian(read), "\xFE\xFF" + bigEndian(saved) },
    };
    for (const auto &[file, expected] : marked) {
        SCOPED_TRACE(file.left(2).toHex().toStdString());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("set.ini"));
        writeBytes(path, file);
        GridTable counters(4);
        CounterSet::reset(counters);
        const TextEncoding found = CounterSetFile::load(counters, path);
        ASSERT_EQ(counters.rows(), 3);
        EXPECT_EQ(counters.cell(0, 0), QStringLiteral("Section"));
        EXPECT_EQ(row(counters, 1),
                  (QStringList { QStringLiteral("Kernel Utilization"), QStringLiteral("Engine Busy..."),
                                 QStringLiteral("Engine 0"), QStringLiteral("CPU %") }));
        // The blank middle line filled the last row with empty texts; the next line overwrote it.
        EXPECT_EQ(
            row(counters, 2),
            (QStringList { QStringLiteral(" Disk "), QStringLiteral(" x "), QString(), QStringLiteral("persec") }));

        const QString savedPath = dir.filePath(QStringLiteral("saved.ini"));
        CounterSetFile::save(counters, savedPath, TextFile::writeEncodingFor(found));
        EXPECT_EQ(readBytes(savedPath), expected);
    }
}

TEST(CounterSetFile, AnUnreadableOrBinaryFileLeavesTheCounterSetAlone)
{
    QTemporaryDir dir;
    GridTable counters(4);
    CounterSet::reset(counters);
    CounterSet::append(counters,
                       { QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("PerSec") });
    EXPECT_THROW(CounterSetFile::load(counters, dir.filePath(QStringLiteral("missing.ini"))), Failure);
    const QString binary = dir.filePath(QStringLiteral("binary.ini"));
    writeBytes(binary,
               QByteArray("\x7F"
                          "ELF\0\0\x01[+]",
                          10));
    EXPECT_THROW(CounterSetFile::load(counters, binary), Failure);
    EXPECT_EQ(
        row(counters, 1),
        (QStringList { QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("PerSec") }));

    GridTable empty(4);
    CounterSet::reset(empty);
    const QString saved = dir.filePath(QStringLiteral("empty.ini"));
    CounterSetFile::save(empty, saved, TextEncoding::Utf8);
    EXPECT_EQ(readBytes(saved), QByteArray("[+][+][+][+]\r\n"));
}

namespace {

using namespace Qt::Literals::StringLiterals;
using CounterTestTables::counterRow;

const QString defaultFile = u"SysmonCounters.ini"_s;

// The commands behind Save Counters and Load Counters, run in a fresh working folder.
class CounterSetFileCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CounterSet::reset(counters);
        CounterSet::append(counters, { u"On screen"_s, u"T"_s, u"U"_s, u"PerSec"_s });
    }

    QString file(const QString &name) const { return folder.filePath(name); }

    void loadPicked(const QString &path)
    {
        ui.openAnswers = { { path } };
        CounterSetFile::loadCounters(counters, ui, u"btLoadCountersClick"_s, u"LoadCountersFromIniFile"_s);
    }

    CounterTestTables::WorkingFolder folder;
    GridTable counters { CounterSet::columnCount };
    ScriptedUi ui;
};

} // namespace

TEST_F(CounterSetFileCommands, SaveWritesThePickedFileOrNothing)
{
    CounterSetFile::saveCounters(counters, TextEncoding::Utf8, ui);
    EXPECT_EQ(ui.savePresets, QStringList { u"*.ini"_s });
    EXPECT_TRUE(QDir().isEmpty());
    EXPECT_TRUE(ui.status[1].isEmpty());

    ui.saveAnswers = { file(u"mine.ini"_s) };
    CounterSetFile::saveCounters(counters, TextEncoding::Utf8, ui);
    EXPECT_EQ(CounterTestTables::readBytes(file(u"mine.ini"_s)), "On screen[+]T[+]U[+]PerSec[+]\r\n");
    EXPECT_EQ(ui.status[1], u"Counters Exported to "_s + file(u"mine.ini"_s));
    EXPECT_FALSE(QFileInfo::exists(defaultFile));
}

TEST_F(CounterSetFileCommands, ASaveThatCannotBeWrittenShowsItsErrorAndLeavesNoFile)
{
    CounterTestTables::writeBytes(file(u"kept.ini"_s), "kept");
    for (const QString &target : { file(u"missing/set.ini"_s), file(u"kept.ini/set.ini"_s) }) {
        ui.saveAnswers = { target };
        CommandGuard::run(ui, u"btSaveCountersClick"_s,
                          [&] { CounterSetFile::saveCounters(counters, TextEncoding::Utf8, ui); });
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    ASSERT_EQ(ui.errors.size(), 2);
    EXPECT_TRUE(ui.errors[0].startsWith(u"APP. ERR (btSaveCountersClick):  Cannot create file"_s))
        << ui.errors[0].toStdString();
    EXPECT_EQ(CounterTestTables::readBytes(file(u"kept.ini"_s)), "kept");
    EXPECT_TRUE(ui.status[1].isEmpty());
}

TEST_F(CounterSetFileCommands, LoadMakesThePickedFileTheDefaultAndLoadsIt)
{
    const QByteArray picked = "A[+]B[+]C[+]Count[+]\nD[+]E[+]F[+]Waits[+]";
    CounterTestTables::writeBytes(file(u"picked.txt"_s), picked);
    CounterTestTables::writeBytes(defaultFile, "Old[+][+][+][+]\r\n");
    loadPicked(file(u"picked.txt"_s));
    EXPECT_EQ(ui.openPresets, (QList<std::optional<QString>> { std::nullopt }));
    EXPECT_EQ(CounterTestTables::readBytes(defaultFile), picked); // copied byte for byte
    ASSERT_EQ(counters.rows(), 3);
    EXPECT_EQ(counterRow(counters, 2), (QStringList { u"D"_s, u"E"_s, u"F"_s, u"Waits"_s }));
    EXPECT_EQ(ui.status[1], u"Counters Loaded from SysmonCounters.ini"_s);

    // Picking the default itself leaves it alone and reloads it.
    CounterSet::append(counters, { u"Added since"_s, QString(), QString(), QString() });
    loadPicked(QDir::current().absoluteFilePath(defaultFile));
    EXPECT_EQ(CounterTestTables::readBytes(defaultFile), picked);
    EXPECT_EQ(counters.rows(), 3);

    // Cancelling reloads the default too, dropping what was added since.
    CounterSet::append(counters, { u"Added since"_s, QString(), QString(), QString() });
    CounterSetFile::loadCounters(counters, ui, u"btLoadCountersClick"_s, u"LoadCountersFromIniFile"_s);
    EXPECT_EQ(counters.rows(), 3);
    EXPECT_TRUE(ui.errors.isEmpty());
}

TEST_F(CounterSetFileCommands, APickThatCannotBeCopiedLeavesEverythingAsItWas)
{
    CounterTestTables::writeBytes(defaultFile, "Old[+][+][+][+]\r\n");
    CounterTestTables::writeBytes(file(u"binary.ini"_s),
                                  QByteArray("\x7F"
                                             "ELF\0\0\x01[+]",
                                             10));
    QDir().mkdir(u"folder.ini"_s);
    for (const QString &name : { u"binary.ini"_s, u"vanished.ini"_s, u"folder.ini"_s })
        loadPicked(file(name));
    ASSERT_EQ(ui.errors.size(), 3);
    for (const QString &error : std::as_const(ui.errors))
        EXPECT_TRUE(error.startsWith(u"APP. ERR (btLoadCountersClick):  "_s)) << error.toStdString();
    EXPECT_TRUE(ui.errors[0].contains(u"binary data"_s));

    // The default could not be written (a folder stands in its place): the pick is not loaded.
    QFile::remove(defaultFile);
    QDir().mkdir(defaultFile);
    CounterTestTables::writeBytes(file(u"good.ini"_s), "A[+]B[+]C[+]Count[+]\r\n");
    loadPicked(file(u"good.ini"_s));
    ASSERT_EQ(ui.errors.size(), 4);
    EXPECT_TRUE(ui.errors[3].startsWith(u"APP. ERR (btLoadCountersClick):  "_s)) << ui.errors[3].toStdString();

    EXPECT_EQ(counters.rows(), 2);
    EXPECT_EQ(counterRow(counters, 1), (QStringList { u"On screen"_s, u"T"_s, u"U"_s, u"PerSec"_s }));
    EXPECT_TRUE(ui.status[1].isEmpty());
}

TEST_F(CounterSetFileCommands, AMarkedDefaultFileMakesTheNextSaveMarked)
{
    CounterTestTables::writeBytes(defaultFile,
                                  "\xEF\xBB\xBF"
                                  "D\xC3\xA9"
                                  "bit[+]T[+]U[+]PerSec[+]\r\n");
    const std::optional<TextEncoding> found = CounterSetFile::loadDefault(counters, ui, u"LoadCountersFromIniFile"_s);
    EXPECT_EQ(counters.cell(0, 1), u"Débit"_s);
    ASSERT_TRUE(found);
    ui.saveAnswers = { file(u"saved.ini"_s) };
    CounterSetFile::saveCounters(counters, TextFile::writeEncodingFor(*found), ui);
    EXPECT_EQ(CounterTestTables::readBytes(file(u"saved.ini"_s)),
              "\xEF\xBB\xBF"
              "D\xC3\xA9"
              "bit[+]T[+]U[+]PerSec[+]\r\n");
}

TEST_F(CounterSetFileCommands, LongLinesAndManyRowsLoad)
{
    const QByteArray longSection(1 << 20, 'x');
    QByteArray bytes = longSection + "[+]T[+]U[+]PerSec[+]\r\n" + QByteArray(1 << 20, 'y') + "\r\n";
    for (int i = 0; i < 5000; ++i)
        bytes += "S" + QByteArray::number(i) + "[+]T[+]U[+]Count[+]\r\n";
    CounterTestTables::writeBytes(defaultFile, bytes);
    CounterSetFile::loadDefault(counters, ui, u"LoadCountersFromIniFile"_s);
    EXPECT_TRUE(ui.errors.isEmpty());
    // The megabyte line without separators fills a row with empty texts, which the next line reuses.
    ASSERT_EQ(counters.rows(), 5002);
    EXPECT_EQ(counters.cell(0, 1).size(), longSection.size());
    EXPECT_EQ(counterRow(counters, 5001), (QStringList { u"S4999"_s, u"T"_s, u"U"_s, u"Count"_s }));
}

TEST_F(CounterSetFileCommands, AFileTooLargeForACounterSetIsRefusedAndChangesNothing)
{
    const QByteArray oldDefault = "Old[+][+][+][+]\r\n";
    CounterTestTables::writeBytes(defaultFile, oldDefault);
    // Sparse: the size alone refuses it, nothing is read.
    const QString huge = file(u"huge.ini"_s);
    CounterTestTables::writeBytes(huge, "A[+]B[+]C[+]Count[+]\r\n");
    ASSERT_TRUE(QFile::resize(huge, CounterSetFile::maxFileBytes + 1));
    loadPicked(huge);
    const bool devZero = QFileInfo::exists(u"/dev/zero"_s);
    if (devZero)
        loadPicked(u"/dev/zero"_s); // never ends: no regular file, refused before it is read
    ASSERT_EQ(ui.errors.size(), devZero ? 2 : 1);
    for (const QString &error : std::as_const(ui.errors))
        EXPECT_TRUE(error.startsWith(u"APP. ERR (btLoadCountersClick):  "_s)) << error.toStdString();
    EXPECT_TRUE(ui.errors.first().contains(u"too large"_s)) << ui.errors.first().toStdString();
    if (devZero) {
        EXPECT_TRUE(ui.errors.last().contains(u"is not a regular file"_s)) << ui.errors.last().toStdString();
    }
    EXPECT_EQ(CounterTestTables::readBytes(defaultFile), oldDefault);

    // The same file as the default itself, at start-up or after Load Counters.
    ASSERT_TRUE(QFile::remove(defaultFile));
    ASSERT_TRUE(QFile::copy(huge, defaultFile));
    const qsizetype errorsBefore = ui.errors.size();
    CounterSetFile::loadDefault(counters, ui, u"LoadCountersFromIniFile"_s);
    ASSERT_EQ(ui.errors.size(), errorsBefore + 1);
    EXPECT_TRUE(ui.errors.last().startsWith(u"APP. ERR (LoadCountersFromIniFile):  "_s))
        << ui.errors.last().toStdString();

    EXPECT_EQ(counters.rows(), 2);
    EXPECT_EQ(counterRow(counters, 1), (QStringList { u"On screen"_s, u"T"_s, u"U"_s, u"PerSec"_s }));
    EXPECT_TRUE(ui.status[1].isEmpty());

    // Exactly at the limit is still a counter set file.
    const QByteArray line = "A[+]B[+]C[+]Count[+]\r\n";
    CounterTestTables::writeBytes(defaultFile, line + QByteArray(CounterSetFile::maxFileBytes - line.size(), ' '));
    CounterSetFile::loadDefault(counters, ui, u"LoadCountersFromIniFile"_s);
    EXPECT_EQ(ui.errors.size(), errorsBefore + 1);
    EXPECT_EQ(ui.status[1], u"Counters Loaded from SysmonCounters.ini"_s);
}
