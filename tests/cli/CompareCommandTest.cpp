// Runs the built quorvel-cli compare as a script would: the golden cases under
// tests/data/compare-cli, and the command lines and inputs it refuses.
#include "CliGoldenCase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString casesFolder = QStringLiteral(QUORVEL_TEST_DATA "/compare-cli");

class CompareCli : public testing::TestWithParam<QString>
{
};

TEST_P(CompareCli, WritesTheExpectedBytesAndStatus)
{
    const CliGoldenCase golden = CliGoldenCase::in(casesFolder % u'/' % GetParam());

    const CliRun toStdout = golden.run(u"compare"_s);
    EXPECT_EQ(toStdout.exitStatus, golden.expectedStatus);
    EXPECT_EQ(toStdout.err, golden.expectedErrors);
    EXPECT_EQ(toStdout.out, golden.bytes(u"expected.csv"_s));
}

INSTANTIATE_TEST_SUITE_P(Cases, CompareCli, testing::ValuesIn(CliGoldenCase::namesIn(casesFolder)),
                         [](const testing::TestParamInfo<QString> &test) {
                             return CliGoldenCase::testName(test.param);
                         });

// A line that does not say which reports belong to which period, a list without reports, or an
// output over an input: exit status 2, the reason, and no output written.
TEST(CompareCommand, LinesAndInputsItCannotUseExitWith2AndWriteNothing)
{
    QTemporaryDir dir;
    const QString counters = casesFolder % u"/periods/counters.ini"_s;
    const QString base = casesFolder % u"/periods/base-1.txt"_s;
    const QString busy = casesFolder % u"/periods/busy-1.txt"_s;
    const QString emptyList = dir.filePath(u"empty.txt"_s);
    QFile list(emptyList);
    ASSERT_TRUE(list.open(QIODevice::WriteOnly) && list.write("\r\n  \r\n") == 6);
    list.close();
    const QString output = dir.filePath(u"out.csv"_s);
    const QStringList set { u"--counters"_s, counters };

    const struct
    {
        QStringList arguments;
        QByteArray message;
    } refused[] = {
        { set + QStringList { u"--baseline"_s, base }, "No target report given" },
        { set + QStringList { u"--target"_s, busy }, "No baseline report given" },
        { set + QStringList { base, u"--baseline"_s, base, u"--target"_s, busy }, "Which period is" },
        { set + QStringList { u"--baseline"_s, u"--target"_s, busy }, "--baseline needs a report." },
        { set + QStringList { u"--baseline-from"_s, emptyList, u"--target"_s, busy },
          "No baseline report given: " + emptyList.toUtf8() + " lists none." },
        { set + QStringList { u"--baseline"_s, base, u"--target-from="_s, u"--target"_s, busy },
          "--target-from needs a file name." },
        { QStringList { u"--baseline"_s, base, u"--target"_s, busy }, "--counters" },
        { set + QStringList { u"--baseline"_s, base, u"--target"_s, busy, u"--output"_s, base }, "is the input" },
    };
    for (const auto &[arguments, message] : refused) {
        // A later --output takes the place of this one.
        const CliRun run = CliRun::of(QStringList { u"compare"_s, u"--output"_s, output } + arguments);
        EXPECT_EQ(run.exitStatus, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("quorvel-cli: ") && run.err.contains(message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(output)) << arguments.join(u' ').toStdString();
    }
}

} // namespace
