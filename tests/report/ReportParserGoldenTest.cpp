// Each folder under tests/data/parser holds a report fragment (report.txt) and the section table it
// must give (expected.csv, each cell followed by "|"); optionally the three category lists
// (lists.txt) and the failure message the parse must end with (failure.txt). A report that once
// broke the parser becomes a new folder.
#include "Gzipped.h"
#include "ParsedReport.h"
#include "common/TextFile.h"
#include "report/ParseResult.h"
#include "report/ReportLoader.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString casesFolder = QStringLiteral(QUORVEL_TEST_DATA "/parser");

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const QString &name : QDir(casesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

QStringList linesOf(const QString &path)
{
    return TextFile::read(path).lines;
}

QStringList listEntries(const QString &line)
{
    const QString entries = line.section(u':', 1);
    return entries.isEmpty() ? QStringList() : entries.split(u'|');
}

class ReportParserGolden : public testing::TestWithParam<std::string>
{
protected:
    QString file(const QString &name) const
    {
        return casesFolder % u'/' % QString::fromStdString(GetParam()) % u'/' % name;
    }
    void expectTheCaseOf(const QString &report) const;
};

// The report as it is and gzip-compressed give the same table.
TEST_P(ReportParserGolden, GivesTheExpectedTable)
{
    QTemporaryDir dir;
    const QString compressed = dir.filePath(QStringLiteral("report.txt"));
    QFile compressedFile(compressed);
    ASSERT_TRUE(compressedFile.open(QIODevice::WriteOnly));
    ASSERT_GT(compressedFile.write(gzipped(TextFile::readBytes(file(QStringLiteral("report.txt"))))), 0);
    compressedFile.close();
    for (const QString &report : { file(QStringLiteral("report.txt")), compressed }) {
        SCOPED_TRACE(report.toStdString());
        expectTheCaseOf(report);
    }
}

void ReportParserGolden::expectTheCaseOf(const QString &report) const
{
    ParsedReport parsed;
    parsed.parse(ReportLoader::load(report));
    EXPECT_EQ(parsed.tableLines(), linesOf(file(QStringLiteral("expected.csv"))));

    const bool failureExpected = QFile::exists(file(QStringLiteral("failure.txt")));
    EXPECT_EQ(parsed.outcome.failed, failureExpected);
    if (failureExpected) {
        EXPECT_EQ(parsed.outcome.message, linesOf(file(QStringLiteral("failure.txt"))).value(0));
    }
    EXPECT_TRUE(parsed.ui.errors.isEmpty()); // the caller reports a failure its own way

    if (QFile::exists(file(QStringLiteral("lists.txt")))) {
        const QStringList lists = linesOf(file(QStringLiteral("lists.txt")));
        ASSERT_EQ(lists.size(), 3);
        EXPECT_EQ(parsed.lists.sections, listEntries(lists[0]));
        EXPECT_EQ(parsed.lists.subSections1, listEntries(lists[1]));
        EXPECT_EQ(parsed.lists.subSections2, listEntries(lists[2]));
    }

    // A digest's parse leaves the lists for later: completed, they are the lists of a whole parse.
    ParseResult later = ParseResult::forFigures(ReportLoader::load(report));
    later.completeLists();
    EXPECT_EQ(later.lists.sections, parsed.lists.sections);
    EXPECT_EQ(later.lists.subSections1, parsed.lists.subSections1);
    EXPECT_EQ(later.lists.subSections2, parsed.lists.subSections2);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportParserGolden, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string> &test) {
                             std::string name = test.param;
                             for (char &c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return name;
                         });

} // namespace
