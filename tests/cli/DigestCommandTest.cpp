// Runs the built quorvel-cli digest as a script would: the golden cases under tests/data/digest-cli,
// and the inputs it refuses.
#include "CliGoldenCase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString casesFolder = QStringLiteral(QUORVEL_TEST_DATA "/digest-cli");

class DigestCli : public testing::TestWithParam<QString>
{
};

TEST_P(DigestCli, WritesTheExpectedBytesAndStatus)
{
    const CliGoldenCase golden = CliGoldenCase::in(casesFolder % u'/' % GetParam());

    QTemporaryDir output;
    const QString problems = output.filePath(u"problems.csv"_s);
    const bool problemsExpected = QFile::exists(golden.folder.filePath(u"expected-problems.csv"_s));

    // One run works through the reports one by one, the other on threads: the bytes are the same.
    const CliRun toStdout =
        golden.run(u"digest"_s,
                   QStringList { u"--jobs"_s, u"1"_s } +
                       (problemsExpected ? QStringList { u"--problems"_s, problems } : QStringList()));
    EXPECT_EQ(toStdout.exitStatus, golden.expectedStatus);
    EXPECT_EQ(toStdout.err, golden.expectedErrors);
    EXPECT_EQ(toStdout.out, golden.bytes(u"expected.csv"_s));
    if (problemsExpected) {
        EXPECT_EQ(bytesOf(problems), golden.bytes(u"expected-problems.csv"_s));
    }

    const QString swapped = output.filePath(u"swapped.csv"_s);
    const CliRun toFile = golden.run(u"digest"_s, { u"--swap-axes"_s, u"--output"_s, swapped, u"--jobs"_s, u"3"_s });
    EXPECT_EQ(toFile.exitStatus, golden.expectedStatus);
    EXPECT_EQ(toFile.err, golden.expectedErrors);
    EXPECT_EQ(toFile.out, QByteArray());
    EXPECT_EQ(bytesOf(swapped), golden.bytes(u"expected-swapped.csv"_s));
}

INSTANTIATE_TEST_SUITE_P(Cases, DigestCli, testing::ValuesIn(CliGoldenCase::namesIn(casesFolder)),
                         [](const testing::TestParamInfo<QString> &test) {
                             return CliGoldenCase::testName(test.param);
                         });

// A counter set that cannot be read, an output that cannot be written or is one of the inputs, or a
// wrong command line ends the command (the digest's or the chart's) with 2 and a message, and
// leaves no output file behind and every input as it was.
TEST(DigestCommand, InputsItCannotUseExitWith2AndWriteNothing)
{
    QTemporaryDir dir;
    const QString counters = casesFolder % u"/unreadable-report/counters.ini"_s;
    const QString report = casesFolder % u"/counter-kinds/report-1.txt"_s;
    const auto written = [&dir](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name.toStdString();
        return file.fileName();
    };
    const QString ownCounters = written(u"counters.ini"_s, bytesOf(counters));
    const QString ownReport = written(u"report.txt"_s, bytesOf(report));
    const QString ownList = written(u"list.txt"_s, report.toUtf8() + '\n');
    const QString emptyList = written(u"empty-list.txt"_s, {});
    const QString blankList = written(u"blank-list.txt"_s, " \n\t\r\n");
    const QString binary = written(u"binary.ini"_s, QByteArray("a[+]b\0c[+]\r\n", 12));
    const QString output = dir.filePath(u"out.csv"_s);
    const QString chart = u"chart"_s;

    const struct
    {
        QStringList arguments;
        QByteArray message;
        QString command = u"digest"_s;
    } refused[] = {
        { { u"--counters"_s, dir.filePath(u"none.ini"_s), report }, "none.ini" },
        { { u"--counters"_s, binary, report }, "binary data" },
        { { u"--counters"_s, report, report }, "' is not a counter set file: no line holds [+]." },
        { { u"--counters"_s, counters, u"--files-from"_s, dir.filePath(u"no-list.txt"_s) }, "no-list.txt" },
        { { u"--counters"_s, counters, report, u"--output"_s, dir.filePath(u"no-folder/out.csv"_s) },
          "does not exist" },
        { { report }, "--counters" },
        { { u"--counters"_s, counters }, "No report given." },
        { { u"--counters"_s, counters, report, u"--output="_s }, "--output needs a file name." },
        { { u"--counters"_s, counters, u"--files-from"_s, emptyList }, "empty-list.txt lists none." },
        { { u"--counters"_s, counters, u"--files-from"_s, blankList }, "blank-list.txt lists none." },
        { { u"--counters"_s, ownCounters, report, u"--output"_s, ownCounters }, "is the input" },
        { { u"--counters"_s, counters, ownReport, u"--output"_s, dir.filePath(u"./report.txt"_s) }, "is the input" },
        { { u"--counters"_s, counters, u"--files-from"_s, ownList, u"--output"_s, ownList }, "is the input" },
        { { u"--counters"_s, ownCounters, report, u"--output"_s, ownCounters }, "is the input", chart },
        { { u"--counters"_s, counters, u"--files-from"_s, emptyList }, "empty-list.txt lists none.", chart },
        { { u"--counters"_s, counters, report, u"--jobs"_s, u"0"_s }, "--jobs takes a whole number from 1" },
        { { u"--counters"_s, counters, report, u"--jobs"_s, u"two"_s }, "--jobs takes a whole number from 1", chart },
        { { u"--counters"_s, counters, report, u"--from"_s, u"2025-02-30"_s }, "\"2025-02-30\" is not a date" },
        { { u"--counters"_s, counters, report, u"--to"_s, u"2025-01-15 14:00"_s }, "is not a date and time", chart },
        { { u"--counters"_s, counters, report, u"--from"_s, u"2025-01-15 14:00:01"_s, u"--to"_s,
            u"2025-01-15 14:00:00"_s },
          "ends before it starts" },
        { { u"--counters"_s, counters, report, u"--problems"_s, output }, "name the same file" },
        { { u"--counters"_s, counters, ownReport, u"--problems"_s, ownReport }, "is the input" },
    };
    const QByteArray countersBytes = bytesOf(ownCounters), reportBytes = bytesOf(ownReport),
                     listBytes = bytesOf(ownList);
    for (const auto &[arguments, message, command] : refused) {
        // A later --output takes the place of this one.
        const CliRun run = CliRun::of(QStringList { command, u"--output"_s, output } + arguments);
        EXPECT_EQ(run.exitStatus, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("quorvel-cli: ") && run.err.contains(message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(output)) << arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(bytesOf(ownCounters), countersBytes);
    EXPECT_EQ(bytesOf(ownReport), reportBytes);
    EXPECT_EQ(bytesOf(ownList), listBytes);
}

} // namespace
