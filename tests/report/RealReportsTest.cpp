// Reports printed by real servers (../shared/reports/real, see its PROVENANCE.md). Every one parses
// without a failure, and a handful of rows per report, checked by hand against the report text,
// read as expected. Skipped when the folder is absent.
#include "Gzipped.h"
#include "ParsedReport.h"
#include "RealReportsExpected.h"
#include "report/ReportLoader.h"
#include "report/ReportSniffer.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString realReports = QStringLiteral(QUORVEL_REAL_REPORTS);

struct ExpectedRow
{
    const char *section;
    const char *path;
    const char *entry;
    // Columns 3 to 9: PerSec, PedXact, Count, % Total, CPU %, IO %, Idle %.
    std::array<const char *, 7> figures;
};

struct ExpectedReport
{
    const char *file;
    std::vector<ExpectedRow> rows;
};

constexpr const char *none = "";
const char *const tick = "Engine Utilization (Tick %)...";
const char *const ku = "Kernel Utilization";

ExpectedRow header(const char *label, const char *value)
{
    return { label, value, none, { none, none, none, none, none, none, none } };
}

ExpectedRow cpu(const char *section, const char *path, const char *entry, const char *busy, const char *io,
                const char *idle)
{
    return { section, path, entry, { none, none, none, none, busy, io, idle } };
}

ExpectedRow counter(const char *section, const char *path, const char *entry, const char *perSec, const char *perXact,
                    const char *count, const char *percent)
{
    return { section, path, entry, { perSec, perXact, count, percent, none, none, none } };
}

const std::vector<ExpectedReport> expectedReports = {
    { "ase160_spec_tpcc_notes.txt",
      {
          header("Server Version:", "Adaptive Server Enterprise/16.0 SP04 PL03/EBF 30399 SMP/"),
          header("Sampling Started at:", "Jun 25, 2024 11:12:31"),
          // User busy, I/O busy and idle: the system busy share is passed over in the tick block.
          cpu(ku, tick, "Engine 0.ThreadPool : syb_default_pool", "25.9", "0.0", "73.0"),
          cpu(ku, tick, "Pool Summary        Total.ThreadPool : syb_default_pool", "209.5", "0.0", "580.5"),
          cpu(ku, "Thread Utilization (OS %)...", "Server Summary    Total", "184.3", "41.9", "1473.8"),
          counter(ku, "CPU Yields by Engine.Engine 0..", "Full Sleeps.ThreadPool : syb_default_pool", "65.5", "0.1",
                  "2946", "1.1"),
          counter("Disk I/O Management", "demodb_01_log....", "Writes", "416.1", "0.3", "18723", "100.0"),
          counter("Data Cache Management", "Cache: default data cache.Cache Searches..", "Cache Hits", "106020.5",
                  "85.4", "4770921", "100.0"),
      } },
    { "ase160_spec_tpcc_notes_2.txt",
      {
          header("Sampling Started at:", "Jun 26, 2024 14:26:20"),
          cpu(ku, tick, "Engine 3.ThreadPool : syb_default_pool", "83.3", "0.0", "1.6"),
          cpu(ku, tick, "Pool Summary        Total.ThreadPool : syb_default_pool", "622.0", "0.0", "9.8"),
          counter(ku, "Average Runnable Tasks [1m,5m,15m]...", "Engine 3.ThreadPool : syb_default_pool", "20.3", "10.3",
                  "6.6", "16.7"),
          counter(ku, "CPU Yields by Engine.Engine 0..", "Full Sleeps.ThreadPool : syb_default_pool", "1.5", "0.0",
                  "66", "3.5"),
          counter("Disk I/O Management", "demodb_01_dat.Reads...", "Non-APF", "14.1", "0.0", "634", "3.3"),
          counter("Data Cache Management", "Cache: default data cache.Cache Searches..", "Cache Hits", "434559.3",
                  "96.9", "19555169", "99.9"),
      } },
    { "ase157_dbxtune_cr_fragment.txt",
      {
          header("Server Name:", "ASE157"),
          cpu(ku, tick, "Engine 3.ThreadPool : syb_default_pool", "7.0", "86.0", "4.5"),
          cpu(ku, tick, "Pool Summary        Total.ThreadPool : syb_default_pool", "11.0", "547.5", "37.5"),
      } },
    { "aseXX_okon_process_mode_kernel_fragment.txt",
      {
          header("Sampling Started at:", "May 09, 2020 22:09:26"),
          cpu(ku, "Engine Busy Utilization...", "Engine 14", "0.6", "99.4", "0.0"),
          cpu(ku, "Engine Busy Utilization...", "Summary           Total", "0.6", "99.4", "1900.0"),
          counter(ku, "CPU Yields by Engine...", "Engine 14", "9.8", "5.3", "147", "0.8"),
          counter(ku, "...", "Avg Net I/Os per Check", "n/a", "n/a", "0.00012", "n/a"),
      } },
    // Every line is framed by TABs, which count as text: no heading is ever confirmed by its
    // underline and each underline becomes a section candidate, so the engine lines are counter
    // rows without a section.
    { "ase157ce_okon_sqlwarning_mock.txt",
      {
          header("Server Version:", "Adaptive Server Enterprise/15.7/EBF 27856 Cluster Editio"),
          header("Counters Last Cleared:", "Feb 15, 2019 07:15:33"),
          counter("", "-------------------------  ------------  ------------  ----------  ----------...",
                  "Server Summary      Total", "110.5", "0.0", "138.6", "1350.9"),
      } },
};

std::unique_ptr<ParsedReport> parsedRealReport(const char *file)
{
    auto parsed = std::make_unique<ParsedReport>();
    parsed->parse(ReportLoader::load(realReports % u'/' % QString::fromLatin1(file)));
    return parsed;
}

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

TEST(RealReports, EveryReportParsesAndItsCheckedRowsReadAsInTheReport)
{
    if (!QFileInfo(realReports).isDir()) {
        ASSERT_FALSE(realReportsExpected()) << "real reports are missing";
        GTEST_SKIP() << "no real reports beside the repository";
    }
    const QStringList files = QDir(realReports).entryList({ QStringLiteral("*.txt") }, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), qsizetype(expectedReports.size()));
    for (const ExpectedReport &expected : expectedReports) {
        SCOPED_TRACE(expected.file);
        const auto parsed = parsedRealReport(expected.file);
        EXPECT_FALSE(parsed->outcome.failed) << parsed->outcome.message.toStdString();
        EXPECT_TRUE(parsed->ui.errors.isEmpty());
        EXPECT_EQ(parsed->ui.status[1], QStringLiteral("Single File Parsed"));
        for (const ExpectedRow &row : expected.rows) {
            SCOPED_TRACE(row.entry[0] ? row.entry : row.path);
            const int r = parsed->find(text(row.section), text(row.path), text(row.entry));
            ASSERT_GT(r, 0);
            for (int c = 0; c < 7; ++c)
                EXPECT_EQ(parsed->sections.cell(c + 3, r), text(row.figures[std::size_t(c)])) << "column " << c + 3;
        }
    }
}

TEST(RealReports, AHeadingLineLeavesAnOpenEngineBlockOpen)
{
    if (!QFileInfo(realReports).isDir()) {
        ASSERT_FALSE(realReportsExpected()) << "real reports are missing";
        GTEST_SKIP() << "no real reports beside the repository";
    }
    // "Max Outstanding I/Os  per sec ..." starts in the first column, so it is a heading and not
    // the column headings that would end the engine block above it: its "n/a" lines, read as
    // engine lines without a '%', write no rows.
    const auto parsed = parsedRealReport("ase157_dbxtune_cr_fragment.txt");
    EXPECT_EQ(parsed->sections.cell(2, parsed->sections.rows() - 2), QStringLiteral("Average"));
    EXPECT_EQ(parsed->sections.rows(), 18);
}

// A folder dropped on the file list takes the reports and leaves out the notes beside them, whether
// compressed or not; one report's title stands below DBCC messages, indented by a tab.
TEST(RealReports, EachIsToldFromTheNotesBesideItByItsBeginning)
{
    if (!QFileInfo(realReports).isDir()) {
        ASSERT_FALSE(realReportsExpected()) << "real reports are missing";
        GTEST_SKIP() << "no real reports beside the repository";
    }
    const QDir folder(realReports);
    const QStringList names = folder.entryList(QDir::Files);
    ASSERT_EQ(names.size(), qsizetype(expectedReports.size()) + 1);
    QTemporaryDir compressed;
    for (const QString &name : names) {
        const bool report = name.endsWith(QStringLiteral(".txt"));
        EXPECT_EQ(ReportSniffer::isSysmonReport(folder.filePath(name)), report) << name.toStdString();
        QFile copy(compressed.filePath(name + QStringLiteral(".gz")));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        QFile original(folder.filePath(name));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        copy.write(gzipped(original.readAll()));
        copy.close();
        EXPECT_EQ(ReportSniffer::isSysmonReport(copy.fileName()), report) << name.toStdString() << ".gz";
    }
}
