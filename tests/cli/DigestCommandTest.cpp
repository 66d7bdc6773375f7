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

CliRun runDigest(const QStringList &arguments)
{
    return CliRun::of(QStringList { u"digest"_s } + arguments);
}

class DigestCli : public testing::TestWithParam<QString>
{
};

TEST_P(DigestCli, WritesTheExpectedBytesAndStatus)
{
    const CliGoldenCase golden = CliGoldenCase::in(casesFolder % u'/' % GetParam());

    const CliRun toStdout = golden.run(u"digest"_s);
    EXPECT_EQ(toStdout.exitStatus, golden.expectedStatus);
    EXPECT_EQ(toStdout.err, golden.expectedErrors);
    EXPECT_EQ(toStdout.out, golden.bytes(u"expected.csv"_s));

    QTemporaryDir output;
    const QString swapped = output.filePath(u"swapped.csv"_s);
    const CliRun toFile = golden.run(u"digest"_s, { u"--swap-axes"_s, u"--output"_s, swapped });
    EXPECT_EQ(toFile.exitStatus, golden.expectedStatus);
    EXPECT_EQ(toFile.err, golden.expectedErrors);
    EXPECT_EQ(toFile.out, QByteArray());
    EXPECT_EQ(bytesOf(swapped), golden.bytes(u"expected-swapped.csv"_s));
}

INSTANTIATE_TEST_SUITE_P(Cases, DigestCli, testing::ValuesIn(CliGoldenCase::namesIn(casesFolder)),
                         [](const testing::TestParamInfo<QString> &test) {
                             return CliGoldenCase::testName(test.param);
                         });

// A counter set that cannot be read, an output that cannot be written or a wrong command line ends
// the command with 2 and a message, and leaves no output file behind.
TEST(DigestCommand, InputsItCannotUseExitWith2AndWriteNothing)
{
    QTemporaryDir dir;
    const QString counters = casesFolder % u"/unreadable-report/counters.ini"_s;
    const QString report = casesFolder % u"/counter-kinds/report-1.txt"_s;
    const QString binary = dir.filePath(u"binary.ini"_s);
    QFile binaryFile(binary);
    ASSERT_TRUE(binaryFile.open(QIODevice::WriteOnly) && binaryFile.write("a[+]b\0c[+]\r\n", 12) == 12);
    binaryFile.close();
    const QString output = dir.filePath(u"out.csv"_s);

    const struct
    {
        QStringList arguments;
        QByteArray message;
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
    };
    for (const auto &[arguments, message] : refused) {
        // A later --output takes the place of this one.
        const CliRun run = runDigest(QStringList { u"--output"_s, output } + arguments);
        EXPECT_EQ(run.exitStatus, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("quorvel-cli: ") && run.err.contains(message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(output)) << arguments.join(u' ').toStdString();
    }
}

} // namespace
