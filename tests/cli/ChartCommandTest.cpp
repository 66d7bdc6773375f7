// Runs the built quorvel-cli chart as a script would: the golden cases under tests/data/chart-cli.
#include "CliGoldenCase.h"

#include <gtest/gtest.h>

namespace {

const QString casesFolder = QStringLiteral(QUORVEL_TEST_DATA "/chart-cli");

class ChartCli : public testing::TestWithParam<QString>
{
};

TEST_P(ChartCli, WritesTheExpectedPointsAndStatus)
{
    const CliGoldenCase golden = CliGoldenCase::in(casesFolder % u'/' % GetParam());
    const CliRun run = golden.run(QStringLiteral("chart"));
    EXPECT_EQ(run.exitStatus, golden.expectedStatus);
    EXPECT_EQ(run.err, golden.expectedErrors);
    EXPECT_EQ(run.out, golden.bytes(QStringLiteral("expected.txt")));
}

INSTANTIATE_TEST_SUITE_P(Cases, ChartCli, testing::ValuesIn(CliGoldenCase::namesIn(casesFolder)),
                         [](const testing::TestParamInfo<QString> &test) {
                             return CliGoldenCase::testName(test.param);
                         });

} // namespace
