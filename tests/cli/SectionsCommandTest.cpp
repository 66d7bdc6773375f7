// Runs the built quorvel-cli as a script would and checks its output bytes and exit statuses.
#include "CliRun.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace {

const QString data = QStringLiteral(QUORVEL_TEST_DATA "/cli/");

CliRun runCli(const QStringList &arguments)
{
    return CliRun::of(arguments);
}

} // namespace

TEST(SectionsCommand, WritesTheWholeSectionTableAsDelimitedUtf8Lines)
{
    const CliRun toStdout = runCli({ QStringLiteral("sections"), data + QStringLiteral("report.txt") });
    EXPECT_EQ(toStdout.exitStatus, 0);
    EXPECT_EQ(toStdout.out, bytesOf(data + QStringLiteral("expected.csv")));
    EXPECT_EQ(toStdout.err, QByteArray());

    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("sections.csv"));
    const CliRun toFile = runCli({ QStringLiteral("sections"), QStringLiteral("--output"), output,
                                   QStringLiteral("--delimiter= ;; "), data + QStringLiteral("report.txt") });
    EXPECT_EQ(toFile.exitStatus, 0);
    EXPECT_EQ(toFile.out, QByteArray());
    EXPECT_EQ(bytesOf(output), bytesOf(data + QStringLiteral("expected.csv")).replace(',', ";;"));

    // A delimiter of blanks only leaves nothing between the cells.
    const CliRun blankDelimiter = runCli({ QStringLiteral("sections"), data + QStringLiteral("report.txt"),
                                           QStringLiteral("--delimiter"), QStringLiteral("\t ") });
    EXPECT_TRUE(blankDelimiter.out.startsWith("SectionSubSection1SubSection2PerSec"));
}

TEST(SectionsCommand, AParseFailureStillWritesTheTableAndExitsWith1)
{
    const CliRun failed = runCli({ QStringLiteral("sections"), data + QStringLiteral("failing-report.txt"),
                                   QStringLiteral("--delimiter"), QStringLiteral(";;") });
    EXPECT_EQ(failed.exitStatus, 1);
    EXPECT_EQ(failed.out, bytesOf(data + QStringLiteral("failing-expected.csv")));
    const QByteArray report = (data + QStringLiteral("failing-report.txt")).toLocal8Bit();
    EXPECT_EQ(failed.err, "quorvel-cli: " + report + ": '12x' is not a valid integer value\n");
}

TEST(SectionsCommand, UnreadableReportsAndWrongCommandLinesExitWith2)
{
    const CliRun missing = runCli({ QStringLiteral("sections"), data + QStringLiteral("no-such-report.txt") });
    EXPECT_EQ(missing.exitStatus, 2);
    EXPECT_TRUE(missing.err.contains("no-such-report.txt")) << missing.err.toStdString();
    EXPECT_EQ(missing.out, QByteArray());

    const QByteArray programUsage = "Usage: quorvel-cli [options] COMMAND";
    const QByteArray sectionsUsage = "Usage: quorvel-cli sections [options] REPORT";
    const std::pair<QStringList, QByteArray> wrongLines[] = {
        { {}, programUsage },
        { { QStringLiteral("no-such-command") }, programUsage },
        { { QStringLiteral("--colour"), QStringLiteral("sections") }, programUsage },
        { { QStringLiteral("sections") }, sectionsUsage },
        { { QStringLiteral("sections"), QStringLiteral("a.txt"), QStringLiteral("b.txt") }, sectionsUsage },
        { { QStringLiteral("sections"), QStringLiteral("a.txt"), QStringLiteral("--colour") }, sectionsUsage },
        { { QStringLiteral("sections"), QStringLiteral("a.txt"), QStringLiteral("--output") }, sectionsUsage },
        { { QStringLiteral("sections"), QStringLiteral("a.txt"), QStringLiteral("--output=") }, sectionsUsage },
    };
    for (const auto &[arguments, usage] : wrongLines) {
        const CliRun wrong = runCli(arguments);
        EXPECT_EQ(wrong.exitStatus, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(wrong.err.startsWith("quorvel-cli: ")) << wrong.err.toStdString();
        EXPECT_TRUE(wrong.err.contains(usage)) << wrong.err.toStdString();
        EXPECT_EQ(wrong.out, QByteArray());
    }

    // Help goes to standard output: the program's lists the commands, a command's explains it.
    const CliRun programHelp = runCli({ QStringLiteral("--help") });
    EXPECT_EQ(programHelp.exitStatus, 0);
    EXPECT_TRUE(programHelp.out.contains("\n  sections  ")) << programHelp.out.toStdString();
    const CliRun help = runCli({ QStringLiteral("sections"), QStringLiteral("--help") });
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_TRUE(help.out.startsWith(sectionsUsage)) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--delimiter <D>"));
}
