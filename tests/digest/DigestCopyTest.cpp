#include "ReportColumnOf.h"
#include "DigestCopyReference.h"
#include "digest/CounterNameIndex.h"
#include "digest/DigestReset.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::Literals::StringLiterals;

TEST(DigestCopy, IndexedCopyEqualsTestingEveryPair)
{
    std::mt19937 random(20240517);
    const auto below = [&](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    // Brackets inside fields, blank-looking fields, letter case variants, both spinlock spellings.
    const QStringList pieces { u"a"_s,   u"A"_s, u"b"_s,  u"["_s,         u"]"_s,         u"]_["_s,
                               u"[a]"_s, u" "_s, u"\t"_s, u"Spinlocks"_s, u"spinlocks"_s, u"x y"_s };
    const auto field = [&] {
        QString text;
        for (int n = below(3); n > 0; --n)
            text += pieces[below(int(pieces.size()))];
        return text;
    };
    const QStringList types { u"PerSec"_s,  u"perSEC"_s, u"Count"_s,   u"Waits"_s,       u"Spins"_s, u"Fields"_s,
                              u"% Contn"_s, u"CPU %"_s,  u"Section"_s, u"SubSection2"_s, QString(),  u"junk"_s };
    const auto fillSections = [&](GridTable &sections, const GridTable *earlierReport) {
        SectionTableLayout::reset(sections);
        if (below(4) == 0)
            sections.setCell(6, 0, u"perSec"_s); // a second header equal to a type: the first counts
        sections.setRows(1 + below(30));
        for (int s = 1; s < sections.rows(); ++s) {
            const int earlier = 1 + below(s); // repeated names, within the report and from the one before
            const GridTable &source = earlierReport && below(2) == 0 ? *earlierReport : sections;
            for (int c = 0; c < sections.columns(); ++c) {
                const bool repeat = (earlier < s || &source != &sections) && below(3) == 0;
                sections.setCell(c, s,
                                 c > 2        ? QString::number(s * 100 + c)
                                     : repeat ? source.cell(c, earlier)
                                              : field());
            }
        }
    };
    for (int round = 0; round < 300; ++round) {
        GridTable firstReport(1);
        fillSections(firstReport, nullptr);
        GridTable counters(4);
        counters.setRows(1 + below(20));
        for (int r = 1; r < counters.rows(); ++r) {
            const int from = 1 + below(firstReport.rows() - 1);
            for (int c = 0; c < 3; ++c)
                counters.setCell(c, r, below(2) == 0 ? firstReport.cell(c, from) : field());
            counters.setCell(3, r, types[below(int(types.size()))]);
        }
        GridTable indexed(1);
        GridTable literal(1);
        const int crowded = below(4) == 0 ? 1 + below(counters.rows() - 1) : 0;
        for (GridTable *digest : { &indexed, &literal }) {
            DigestReset::fromCounterSet(*digest, counters);
            if (crowded) // too many bracket pairs to be indexed
                digest->setCell(1, crowded, u"[[[[[[[[[a]]]]]]]]]_[b]"_s);
        }

        // One index serves every report of a run, each report in a column of its own.
        const CounterNameIndex index(indexed);
        GridTable secondReport(1);
        fillSections(secondReport, &firstReport);
        for (const GridTable *sections : { &firstReport, &secondReport }) {
            indexed.setColumns(4);
            literal.setColumns(4);
            literal.setColumns(5);
            addReportColumn(indexed, *sections, index, u"t"_s);
            DigestCopyReference::copyTestingEveryPair(literal, *sections);
            for (int r = 0; r < indexed.rows(); ++r)
                ASSERT_EQ(indexed.cell(4, r), literal.cell(4, r)) << "round " << round << ", digest row " << r;
        }
    }
}
