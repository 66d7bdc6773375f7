#include "counters/CounterSetFile.h"
#include "common/Failure.h"
#include "common/TextLineList.h"
#include "counters/CounterSet.h"
#include "grid/GridTable.h"

#include <QFile>
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
    return { t.cell(0, r), t.cell(1, r), t.cell(2, r), t.cell(3, r) };
}

} // namespace

TEST(CounterSetFile, FieldsAreTakenOffTheFrontOfTheLine)
{
    using CounterSetFile::fieldsOf;
    EXPECT_EQ(
        fieldsOf(QStringLiteral("S[+]T[+]U[+]PerSec[+]")),
        (QStringList { QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("PerSec") }));
    // A field not followed by "[+]" is empty, and the rest loses two characters.
    EXPECT_EQ(fieldsOf(QStringLiteral("S[+]T[+]U")),
              (QStringList { QStringLiteral("S"), QStringLiteral("T"), QString(), QString() }));
    EXPECT_EQ(fieldsOf(QStringLiteral("no separators")), (QStringList { QString(), QString(), QString(), QString() }));
    EXPECT_EQ(fieldsOf(QStringLiteral("abX[+]Y[+]")),
              (QStringList { QStringLiteral("abX"), QStringLiteral("Y"), QString(), QString() }));
}

TEST(CounterSetFile, SaveAndLoadRoundTripKeepsTextsAndTheMark)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.ini"));
    writeBytes(path,
               "\xEF\xBB\xBF"
               "Kernel Utilization[+]Engine Busy...[+]Engine 0[+]CPU %[+]\r\n"
               "\r\n"
               " Disk [+] x [+][+]persec[+]\r\n");
    GridTable counters(4);
    CounterSet::reset(counters);
    TextLineList list;
    CounterSetFile::load(counters, list, path);
    ASSERT_EQ(counters.rows(), 3);
    EXPECT_EQ(counters.cell(0, 0), QStringLiteral("Section"));
    EXPECT_EQ(row(counters, 1),
              (QStringList { QStringLiteral("Kernel Utilization"), QStringLiteral("Engine Busy..."),
                             QStringLiteral("Engine 0"), QStringLiteral("CPU %") }));
    // The blank middle line filled the last row with empty texts; the next line overwrote it.
    EXPECT_EQ(row(counters, 2),
              (QStringList { QStringLiteral(" Disk "), QStringLiteral(" x "), QString(), QStringLiteral("persec") }));

    const QString saved = dir.filePath(QStringLiteral("saved.ini"));
    CounterSetFile::save(counters, list, saved);
    EXPECT_EQ(readBytes(saved),
              QByteArray("\xEF\xBB\xBF"
                         "Kernel Utilization[+]Engine Busy...[+]Engine 0[+]CPU %[+]\r\n"
                         " Disk [+] x [+][+]persec[+]\r\n"));
}

TEST(CounterSetFile, AnUnreadableOrBinaryFileLeavesTheCounterSetAlone)
{
    QTemporaryDir dir;
    GridTable counters(4);
    CounterSet::reset(counters);
    CounterSet::append(counters,
                       { QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("PerSec") });
    TextLineList list;
    EXPECT_THROW(CounterSetFile::load(counters, list, dir.filePath(QStringLiteral("missing.ini"))), Failure);
    const QString binary = dir.filePath(QStringLiteral("binary.ini"));
    writeBytes(binary,
               QByteArray("\x7F"
                          "ELF\0\0\x01[+]",
                          10));
    EXPECT_THROW(CounterSetFile::load(counters, list, binary), Failure);
    EXPECT_EQ(
        row(counters, 1),
        (QStringList { QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("U"), QStringLiteral("PerSec") }));

    GridTable empty(4);
    CounterSet::reset(empty);
    const QString saved = dir.filePath(QStringLiteral("empty.ini"));
    CounterSetFile::save(empty, list, saved);
    EXPECT_EQ(readBytes(saved), QByteArray("[+][+][+][+]\r\n"));
}
