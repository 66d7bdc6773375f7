#include "digest/DigestCopy.h"
#include "common/TextRules.h"
#include "counters/CounterSet.h"
#include "digest/CounterNameIndex.h"
#include "digest/DigestReset.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

// The copy done the slow, literal way: every section row against every digest row with substring
// tests, later matches overwriting earlier ones.
void copyByTestingEveryPair(GridTable &digest, int column, const GridTable &sections, const QString &sampleTime)
{
    static const QStringList spinlockTypes { u"Waits"_s,   u"Spins"_s,     u"Grabs"_s,
                                             u"% Contn"_s, u"Spin/Wait"_s, u"Fields"_s };
    for (int s = 1; s < sections.rows(); ++s) {
        const QStringList fields { sections.cell(0, s), sections.cell(1, s), sections.cell(2, s) };
        if (std::all_of(fields.begin(), fields.end(), [](const QString &f) { return TextRules::isBlankText(f); }))
            continue;
        for (int d = 1; d < digest.rows(); ++d) {
            const QString &name = digest.cell(1, d);
            const auto passes = [&](const QString &f) {
                return TextRules::isBlankText(f) || name.contains(u'[' + f + u']');
            };
            if (!std::all_of(fields.begin(), fields.end(), passes))
                continue;
            const QString &type = digest.cell(2, d);
            int valueColumn = -1;
            if (fields[0] == u"Spinlocks"_s) {
                const qsizetype at = spinlockTypes.indexOf(type);
                valueColumn = at < 0 ? -1 : int(at) + 3;
            } else {
                for (int c = sections.columns() - 1; c >= 0; --c) {
                    if (TextRules::equalsAnyCase(sections.cell(c, 0), type))
                        valueColumn = c;
                }
            }
            digest.setCell(column, 0, sampleTime);
            digest.setCell(column, d, valueColumn < 0 ? u"-1"_s : sections.cell(valueColumn, s));
        }
    }
}

class TrickyTables
{
public:
    explicit TrickyTables(unsigned seed) : random_(seed) { }

    // Brackets inside fields, blank and blank-looking fields, letter case variants, the spinlock
    // section in both cases, repeated names.
    QString field()
    {
        static const QStringList pieces { u"a"_s,   u"A"_s, u"b"_s,  u"["_s,         u"]"_s,         u"]_["_s,
                                          u"[a]"_s, u" "_s, u"\t"_s, u"Spinlocks"_s, u"spinlocks"_s, u"x y"_s };
        QString text;
        for (int n = pick(3); n > 0; --n)
            text += pieces[pick(int(pieces.size()))];
        return text;
    }
    QString type()
    {
        static const QStringList types { u"PerSec"_s,  u"perSEC"_s,      u"Count"_s,   u"Waits"_s,     u"Spins"_s,
                                         u"Grabs"_s,   u"Fields"_s,      u"% Contn"_s, u"Spin/Wait"_s, u"CPU %"_s,
                                         u"Section"_s, u"SubSection2"_s, QString(),    u"junk"_s };
        return types[pick(int(types.size()))];
    }
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    void fillSections(GridTable &sections)
    {
        SectionTableLayout::reset(sections);
        if (pick(4) == 0)
            sections.setCell(6, 0, u"perSec"_s); // a second header equal to a type: the first one counts
        sections.setRows(1 + pick(30));
        for (int s = 1; s < sections.rows(); ++s) {
            const int copied = 1 + pick(s);
            for (int c = 0; c < 3; ++c)
                sections.setCell(c, s, copied < s && pick(3) == 0 ? sections.cell(c, copied) : field());
            for (int c = 3; c < sections.columns(); ++c)
                sections.setCell(c, s, QString::number(s * 100 + c));
        }
    }

    // A digest of counters taken from the section rows or made up, a few with too many bracket
    // pairs to be indexed.
    void fillDigest(GridTable &digest, const GridTable &sections)
    {
        GridTable counters(CounterSet::columnCount);
        counters.setRows(1 + pick(20));
        for (int r = 1; r < counters.rows(); ++r) {
            const int from = 1 + pick(sections.rows() - 1);
            for (int c = 0; c < 3; ++c)
                counters.setCell(c, r, pick(2) == 0 ? sections.cell(c, from) : field());
            counters.setCell(3, r, type());
        }
        DigestReset::fromCounterSet(digest, counters);
        if (pick(4) == 0)
            digest.setCell(1, 1 + pick(digest.rows() - 1), u"[[[[[[[[[a]]]]]]]]]_[b]"_s);
        digest.setColumns(5);
    }

private:
    std::mt19937 random_;
};

} // namespace

TEST(DigestCopy, IndexedCopyEqualsTestingEveryPair)
{
    TrickyTables tables(20240517);
    for (int round = 0; round < 500; ++round) {
        GridTable sections(SectionTableLayout::columnCount);
        GridTable indexed(4);
        tables.fillSections(sections);
        tables.fillDigest(indexed, sections);
        GridTable literal(4);
        literal.setRows(indexed.rows());
        literal.setColumns(indexed.columns());
        for (int r = 0; r < indexed.rows(); ++r) {
            for (int c = 0; c < indexed.columns(); ++c)
                literal.setCell(c, r, indexed.cell(c, r));
        }

        const bool abortFlag = false;
        ASSERT_TRUE(DigestCopy::copyReport(indexed, 4, sections, CounterNameIndex(indexed), u" 10:53:00"_s, abortFlag));
        copyByTestingEveryPair(literal, 4, sections, u" 10:53:00"_s);
        for (int r = 0; r < indexed.rows(); ++r)
            ASSERT_EQ(indexed.cell(4, r), literal.cell(4, r)) << "round " << round << ", digest row " << r;
    }
}

TEST(DigestCopy, AnAbortFoundSetLeavesTheColumnUntouched)
{
    GridTable sections(SectionTableLayout::columnCount);
    SectionTableLayout::reset(sections);
    sections.setCell(0, 1, u"Kernel"_s);
    sections.setCell(3, 1, u"5"_s);
    GridTable digest(5);
    digest.setCell(1, 1, u"[Kernel]_[]_[]"_s);
    digest.setCell(2, 1, u"PerSec"_s);
    const CounterNameIndex index(digest);
    bool abortFlag = true;
    EXPECT_FALSE(DigestCopy::copyReport(digest, 4, sections, index, u"t"_s, abortFlag));
    EXPECT_EQ(digest.cell(4, 0) + digest.cell(4, 1), QString());
    abortFlag = false;
    EXPECT_TRUE(DigestCopy::copyReport(digest, 4, sections, index, u"t"_s, abortFlag));
    EXPECT_EQ(digest.cell(4, 0) + digest.cell(4, 1), u"t5"_s);
}
