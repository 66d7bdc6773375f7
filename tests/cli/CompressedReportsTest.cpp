// Every golden case of the command line run again on a copy of its folders in which each report is
// gzip-compressed under its own name: a compressed report must give the very bytes, messages and
// exit status its text gives.
#include "CliGoldenCase.h"
#include "Gzipped.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDir data(QStringLiteral(QUORVEL_TEST_DATA));

// The cases' other files (arguments, expected output, counter sets, lists of reports) stay text.
bool isReport(const QFileInfo &file)
{
    const QString name = file.fileName();
    return name != u"arguments.txt" && !name.contains(u"expected") && !name.endsWith(u".ini") &&
        !name.endsWith(u".md") && name != u"list.txt" && file.path() != data.filePath(u"demo/sections"_s);
}

void copyCompressed(const QString &folder, const QDir &into)
{
    QDirIterator files(data.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        const QString target = into.filePath(data.relativeFilePath(file.filePath()));
        ASSERT_TRUE(into.mkpath(QFileInfo(target).path()));
        const QByteArray bytes = bytesOf(file.filePath());
        QFile out(target);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_TRUE(out.write(isReport(file) ? gzipped(bytes) : bytes) > 0 || bytes.isEmpty());
    }
}

void expectRun(const CliRun &run, int status, const QByteArray &errors, const QByteArray &out)
{
    EXPECT_EQ(run.exitStatus, status);
    EXPECT_EQ(run.err, errors);
    EXPECT_EQ(run.out, out);
}

} // namespace

TEST(CompressedReports, GiveTheBytesOfEveryGoldenCase)
{
    QTemporaryDir copyDir;
    const QDir copy(copyDir.path());
    for (const QString &folder : { u"cli"_s, u"digest-cli"_s, u"chart-cli"_s, u"demo"_s })
        copyCompressed(folder, copy);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    ASSERT_TRUE(bytesOf(copy.filePath(u"cli/report.txt"_s)).startsWith("\x1f\x8b"));

    for (const auto &[command, expected] :
         { std::pair { u"digest"_s, u"expected.csv"_s }, std::pair { u"chart"_s, u"expected.txt"_s } }) {
        const QString cases = copy.filePath(command % u"-cli"_s);
        for (const QString &name : CliGoldenCase::namesIn(cases)) {
            // That case hands a report over as the counter set, which is read as text and never
            // decompressed.
            if (name == u"report-as-counter-set")
                continue;
            SCOPED_TRACE(QString(command % u' ' % name).toStdString());
            const CliGoldenCase golden = CliGoldenCase::in(cases % u'/' % name);
            expectRun(golden.run(command), golden.expectedStatus, golden.expectedErrors, golden.bytes(expected));
        }
    }

    const QString cli = copy.filePath(u"cli/"_s);
    expectRun(CliRun::of({ u"sections"_s, cli + u"report.txt"_s }), 0, {}, bytesOf(cli + u"expected.csv"_s));
    expectRun(CliRun::of({ u"sections"_s, cli + u"failing-report.txt"_s, u"--delimiter"_s, u";;"_s }), 1,
              "quorvel-cli: " + (cli + u"failing-report.txt"_s).toLocal8Bit() +
                  ": '12x' is not a valid integer value\n",
              bytesOf(cli + u"failing-expected.csv"_s));

    const QDir demo(copy.filePath(u"demo"_s));
    const QStringList reports = QDir(demo.filePath(u"reports"_s)).entryList({ u"sysmon-*.txt"_s }, QDir::Files);
    ASSERT_EQ(reports.size(), 3);
    for (const QString &report : reports) {
        SCOPED_TRACE(report.toStdString());
        const QString table = demo.filePath(u"sections/"_s + QString(report).replace(u".txt"_s, u".csv"_s));
        expectRun(CliRun::of({ u"sections"_s, u"reports/"_s + report, u"--delimiter"_s, u"|"_s }, demo.path()), 0, {},
                  bytesOf(table));
    }
    QStringList digest { u"digest"_s, u"--counters"_s, u"reports/demo-counters.ini"_s };
    for (const QString &report : reports)
        digest << u"reports/"_s + report;
    expectRun(CliRun::of(digest, demo.path()), 0, {}, bytesOf(demo.filePath(u"expected-digest.csv"_s)));
}
