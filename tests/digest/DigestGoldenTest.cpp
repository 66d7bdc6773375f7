// Each folder under tests/data/digest is one digest run: the counter set (counters.csv) and the
// section tables of the reports in file list order (report-1.csv, report-2.csv, ...), each cell
// followed by "|" and the header row first, as the command line writes tables. The run's digest
// table must export as expected.csv, and with swapped axes as expected-swapped.csv. An optional
// options.txt holds "delimiter=<typed text>" and "timeOnly=no".
#include "ScriptedUi.h"
#include "common/TextFile.h"
#include "counters/CounterSet.h"
#include "digest/CounterNameIndex.h"
#include "digest/DigestAverages.h"
#include "digest/DigestCopy.h"
#include "digest/DigestExport.h"
#include "digest/DigestReset.h"
#include "digest/SampleTime.h"
#include "grid/GridTable.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString casesFolder = QStringLiteral(QUORVEL_TEST_DATA "/digest");

// The header row says how many columns the table has; a row with more cells throws.
void fillTable(GridTable &table, const QString &path)
{
    const QStringList lines = TextFile::read(path).lines;
    table.setRows(int(lines.size()));
    table.setColumns(int(lines.value(0).count(u'|')));
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList cells = lines[row].split(u'|');
        for (int column = 0; column + 1 < cells.size(); ++column)
            table.setCell(column, row, cells[column]);
    }
}

class DigestGolden : public testing::TestWithParam<QString>
{
protected:
    QString file(const QString &name) const { return casesFolder % u'/' % GetParam() % u'/' % name; }
    QString option(const QString &key, const QString &fallback) const
    {
        if (!QFile::exists(file(QStringLiteral("options.txt"))))
            return fallback;
        for (const QString &line : TextFile::read(file(QStringLiteral("options.txt"))).lines) {
            if (line.startsWith(key % u'='))
                return line.mid(key.size() + 1);
        }
        return fallback;
    }
    QStringList exported(bool swapAxes)
    {
        const QString path = output.filePath(QStringLiteral("digest.csv"));
        ui.saveAnswers = { path };
        DigestExport::exportCsv(digest, swapAxes, option(QStringLiteral("delimiter"), QStringLiteral(",")),
                                TextEncoding::Utf8, ui);
        return TextFile::read(path).lines;
    }

    GridTable digest { 4 };
    ScriptedUi ui;
    QTemporaryDir output;
};

TEST_P(DigestGolden, ExportsTheExpectedDigest)
{
    GridTable counters(CounterSet::columnCount);
    fillTable(counters, file(QStringLiteral("counters.csv")));
    DigestReset::fromCounterSet(digest, counters);
    const CounterNameIndex index(digest);
    const bool timeOnly = option(QStringLiteral("timeOnly"), QStringLiteral("yes")) != QStringLiteral("no");
    const bool abortFlag = false;
    for (int report = 1; QFile::exists(file(QStringLiteral("report-%1.csv").arg(report))); ++report) {
        GridTable sections(1);
        fillTable(sections, file(QStringLiteral("report-%1.csv").arg(report)));
        digest.setColumns(digest.columns() + 1);
        ASSERT_TRUE(DigestCopy::copyReport(digest, digest.columns() - 1, sections, index,
                                           SampleTime::of(sections, timeOnly), abortFlag));
    }
    DigestAverages::calculate(digest, ui);
    EXPECT_EQ(exported(false), TextFile::read(file(QStringLiteral("expected.csv"))).lines);
    EXPECT_EQ(exported(true), TextFile::read(file(QStringLiteral("expected-swapped.csv"))).lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, DigestGolden,
                         testing::ValuesIn(QDir(casesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)),
                         [](const testing::TestParamInfo<QString> &test) {
                             return QString(test.param).replace(u'-', u'_').toStdString();
                         });

} // namespace
