// quorvel-cli demo: the files it writes, that they parse and digest, and that it never replaces a file.
#include "CliRun.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString demoData = QStringLiteral(QUORVEL_TEST_DATA "/demo/");

QStringList smallDemo(const QString &folder)
{
    return { QStringLiteral("demo"),      folder,
             QStringLiteral("--reports"), QStringLiteral("3"),
             QStringLiteral("--seed"),    QStringLiteral("7"),
             QStringLiteral("--start"),   QStringLiteral("Jan 15, 2025 14:00:00") };
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

TEST(DemoCommand, WritesTheSmallDemoWhoseReportsParseAndDigestToTheStoredTables)
{
    QTemporaryDir temporary;
    const QString folder = temporary.filePath(QStringLiteral("new/demo")); // made as needed
    const CliRun written = runCli(smallDemo(folder));
    EXPECT_EQ(written.exitStatus, 0) << written.err.toStdString();
    EXPECT_TRUE(written.out.startsWith("Wrote 3 reports and demo-counters.ini into ")) << written.out.toStdString();

    const QString stored = demoData + QStringLiteral("reports/");
    ASSERT_EQ(filesIn(folder), filesIn(stored));
    for (const QString &name : filesIn(stored))
        EXPECT_EQ(bytesOf(folder + u'/' + name), bytesOf(stored + name)) << name.toStdString();

    QStringList digestLine { QStringLiteral("digest"), QStringLiteral("--counters"),
                             stored + QStringLiteral("demo-counters.ini") };
    for (const QString &name : filesIn(stored).filter(QStringLiteral(".txt"))) {
        digestLine << stored + name;
        const CliRun parsed = runCli({ QStringLiteral("sections"), stored + name, QStringLiteral("--delimiter=|") });
        EXPECT_EQ(parsed.exitStatus, 0) << parsed.err.toStdString();
        const QString table = demoData + QStringLiteral("sections/") +
            QString(name).replace(QStringLiteral(".txt"), QStringLiteral(".csv"));
        EXPECT_EQ(parsed.out, bytesOf(table)) << name.toStdString();
    }
    const CliRun digested = runCli(digestLine);
    EXPECT_EQ(digested.exitStatus, 0) << digested.err.toStdString();
    EXPECT_EQ(digested.out, bytesOf(demoData + QStringLiteral("expected-digest.csv")));
}

TEST(DemoCommand, NeverReplacesAFileAndRefusesWrongLines)
{
    QTemporaryDir folder;
    ASSERT_EQ(runCli(smallDemo(folder.path())).exitStatus, 0);
    const QString report = folder.filePath(QStringLiteral("sysmon-2025-01-15-1430.txt"));
    const QByteArray before = bytesOf(report);
    const CliRun again = runCli(smallDemo(folder.path()));
    EXPECT_EQ(again.exitStatus, 2);
    EXPECT_TRUE(again.err.contains("exists already; nothing was written.")) << again.err.toStdString();
    EXPECT_EQ(bytesOf(report), before);

    // One file in the way stops the whole demo before anything is written.
    QTemporaryDir other;
    QFile inTheWay(other.filePath(QStringLiteral("demo-counters.ini")));
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly) && inTheWay.write("mine") == 4);
    inTheWay.close();
    EXPECT_EQ(runCli(smallDemo(other.path())).exitStatus, 2);
    EXPECT_EQ(filesIn(other.path()), QStringList { QStringLiteral("demo-counters.ini") });
    EXPECT_EQ(bytesOf(inTheWay.fileName()), QByteArray("mine"));

    const QString empty = folder.filePath(QStringLiteral("never"));
    const QList<QStringList> wrongLines {
        { QStringLiteral("demo") },
        { QStringLiteral("demo"), empty, QStringLiteral("second") },
        { QStringLiteral("demo"), empty, QStringLiteral("--reports"), QStringLiteral("0") },
        { QStringLiteral("demo"), empty, QStringLiteral("--reports"), QStringLiteral("many") },
        { QStringLiteral("demo"), empty, QStringLiteral("--interval"), QStringLiteral("0") },
        { QStringLiteral("demo"), empty, QStringLiteral("--seed"), QStringLiteral("-1") },
        { QStringLiteral("demo"), empty, QStringLiteral("--start"), QStringLiteral("15/01/2025 00:00:00") },
    };
    for (const QStringList &arguments : wrongLines) {
        const CliRun wrong = runCli(arguments);
        EXPECT_EQ(wrong.exitStatus, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(wrong.err.contains("Usage: quorvel-cli demo [options] DIR")) << wrong.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(empty));
}
