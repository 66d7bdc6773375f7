// Each folder under tests/data/digest is one digest run: the counter set (counters.csv) and the
// section tables of the reports in file list order (report-1.csv, ...), each cell followed by "|"
// and the header row first, as the command line writes tables. The digest table, averaged, must
// export with the delimiter " ; " as expected.csv, and with swapped axes as expected-swapped.csv.
#include "ScriptedUi.h"
#include "common/TextFile.h"
#include "digest/CounterNameIndex.h"
#include "digest/DigestAverages.h"
#include "ReportColumnOf.h"
#include "digest/DigestExport.h"
#include "digest/DigestReset.h"
#include "digest/SampleTime.h"
#include "grid/GridTable.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString casesFolder = QStringLiteral(QUORVEL_TEST_DATA "/digest");

// The header row says how many columns the table has; a row with more cells throws.
void fill(GridTable &table, const QString &path)
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
};

TEST_P(DigestGolden, ExportsTheExpectedDigest)
{
    const QDir folder(casesFolder % u'/' % GetParam());
    GridTable counters(1);
    GridTable digest(1);
    fill(counters, folder.filePath(u"counters.csv"_s));
    DigestReset::fromCounterSet(digest, counters);
    const CounterNameIndex index(digest);
    for (const QString &report : folder.entryList({ u"report-*.csv"_s }, QDir::Files, QDir::Name)) {
        GridTable sections(1);
        fill(sections, folder.filePath(report));
        addReportColumn(digest, sections, index);
    }
    ScriptedUi ui;
    DigestAverages::calculate(digest, ui);
    QTemporaryDir output;
    for (const QString &expected : { u"expected.csv"_s, u"expected-swapped.csv"_s }) {
        ui.saveAnswers = { output.filePath(expected) };
        DigestExport::exportCsv(digest, expected.contains(u"swapped"_s), u" ; "_s, TextEncoding::Utf8, ui);
        EXPECT_EQ(TextFile::read(output.filePath(expected)).lines, TextFile::read(folder.filePath(expected)).lines)
            << expected.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DigestGolden,
                         testing::ValuesIn(QDir(casesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)),
                         [](const testing::TestParamInfo<QString> &test) {
                             return QString(test.param).replace(u'-', u'_').toStdString();
                         });

} // namespace
