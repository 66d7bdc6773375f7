#include "report/SpinlockSummary.h"
#include "common/Failure.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/SectionRows.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Summary
{
    SpinlockSummary summary;

    SpinlockSummary::Texts at(int index) const { return summary.textsAt(index); }

    void record(std::initializer_list<const char16_t *> lines)
    {
        for (const char16_t *line : lines)
            summary.record(QStringView(line));
    }

    QString failureOf(std::initializer_list<const char16_t *> lines)
    {
        try {
            record(lines);
        } catch (const Failure &failure) {
            return failure.message();
        }
        return QStringLiteral("(no failure)");
    }
};

QString failureOfQuotient(std::int64_t dividend, std::int64_t divisor)
{
    try {
        SpinlockSummary::quotientText(dividend, divisor);
    } catch (const Failure &failure) {
        return failure.message();
    }
    return QStringLiteral("(no failure)");
}

} // namespace

TEST(SpinlockSummary, QuotientsAreCutAfterTwoDecimalsAndNeverLoseTheirExponent)
{
    EXPECT_EQ(SpinlockSummary::quotientText(123456, 10000), QStringLiteral("12.34")); // cut, not rounded
    EXPECT_EQ(SpinlockSummary::quotientText(2, 3), QStringLiteral("0.66"));
    EXPECT_EQ(SpinlockSummary::quotientText(4000, 40), QStringLiteral("100")); // whole: no decimal point
    EXPECT_EQ(SpinlockSummary::quotientText(5, 2), QStringLiteral("2.5"));
    EXPECT_EQ(SpinlockSummary::quotientText(-1, 3), QStringLiteral("-0.33"));
    // Below 0.00001 the general format turns to exponent form ("1.1E-14"); the cut must not leave
    // the mantissa "1.1" alone.
    EXPECT_EQ(SpinlockSummary::quotientText(100, 9000000000000000), QStringLiteral("0.00"));
    EXPECT_EQ(SpinlockSummary::quotientText(1, 100000), QStringLiteral("0.00"));
    // From 15 integer digits on as well: "9.22337203685478E18" would be cut to "9.22".
    EXPECT_EQ(SpinlockSummary::quotientText(std::numeric_limits<std::int64_t>::max(), 1),
              QStringLiteral("9223372036854780000"));
    EXPECT_EQ(failureOfQuotient(5, 0), QStringLiteral("Floating point division by zero"));
}

TEST(SpinlockSummary, SumsPerNameIgnoringLetterCaseAndCountsFieldsAsDescribed)
{
    Summary s;
    s.record({ u"Lock_A spinlock_p 10", u"lock_a spinlock_p 5", u"LOCK_A spinlock_w 2", u"Lock_B,spinlock_s 7 8" });
    EXPECT_EQ(s.summary.size(), 3); // entry 0 and two names
    EXPECT_EQ(s.at(1).name, QStringLiteral("Lock_A")); // as first seen
    EXPECT_EQ(s.at(1).grabs, QStringLiteral("15"));
    EXPECT_EQ(s.at(1).waits, QStringLiteral("2"));
    // A kind's first figure starts the count again: the waits line set it back to 1.
    EXPECT_EQ(s.at(1).fields, QStringLiteral("1"));
    EXPECT_EQ(s.at(2).name, QStringLiteral("Lock_B"));
    EXPECT_EQ(s.at(2).spins, QStringLiteral("8")); // the last of two fields
    EXPECT_EQ(s.at(2).grabs, QString());

    // A line without a name is counted in entry 0, which no spinlock row is made from.
    s.record({ u"spinlock_w 4", u"xspinlock_w 5" });
    EXPECT_EQ(s.at(0).waits, QStringLiteral("9"));
    EXPECT_EQ(s.summary.size(), 3);
}

TEST(SpinlockSummary, SumsAreExact64BitIntegersAndNeverWrap)
{
    Summary s;
    s.record({ u"Big spinlock_p 3000000000", u"Big spinlock_p 3000000000" });
    EXPECT_EQ(s.at(1).grabs, QStringLiteral("6000000000"));

    EXPECT_EQ(s.failureOf({ u"Big spinlock_p 9223372036854775807" }),
              QStringLiteral("Integer overflow: 6000000000 + 9223372036854775807 is out of range"));
    EXPECT_EQ(s.at(1).grabs, QStringLiteral("6000000000")); // the sum is left as it was
    EXPECT_EQ(s.at(1).fields, QStringLiteral("2"));
}

TEST(SpinlockSummary, AFigureThatIsNotAnIntegerFailsWhenItHasToBeAdded)
{
    Summary s;
    // The first figure of a kind is kept as written...
    s.record({ u"Odd spinlock_w 12x", u"Huge spinlock_s 123456789012345678901234567890" });
    EXPECT_EQ(s.at(1).waits, QStringLiteral("12x"));
    // ...and fails only when the next one of its kind arrives.
    EXPECT_EQ(s.failureOf({ u"Odd spinlock_w 1" }), QStringLiteral("'12x' is not a valid integer value"));
    EXPECT_EQ(s.failureOf({ u"Huge spinlock_s 1" }),
              QStringLiteral("'123456789012345678901234567890' is not a valid integer value"));
    // Three fields after the word: the figure is the last two, which is no integer.
    s.record({ u"Three spinlock_p 1 2 3" });
    EXPECT_EQ(s.at(3).grabs, QStringLiteral("2 3"));
    EXPECT_EQ(s.failureOf({ u"Three spinlock_p 1" }), QStringLiteral("'2 3' is not a valid integer value"));
    // When neither the figure held so far nor the new one is an integer, the new one is named.
    EXPECT_EQ(s.failureOf({ u"Odd spinlock_w 1y" }), QStringLiteral("'1y' is not a valid integer value"));
    // A first figure that reads as an integer is still kept as written until the second comes.
    s.record({ u"Pad spinlock_p 007" });
    EXPECT_EQ(s.at(4).grabs, QStringLiteral("007"));
    s.record({ u"pad spinlock_p 1" });
    EXPECT_EQ(s.at(4).grabs, QStringLiteral("8"));
}

TEST(SpinlockSummary, RowsFollowTheNamesAndTheirRatiosNeedIntegers)
{
    Summary s;
    s.record({ u"Lock_A spinlock_w 30", u"Lock_A spinlock_p 1000", u"Lock_A spinlock_s 45",
               u"Huge spinlock_w 123456789012345678901234567890", u"Huge spinlock_p 7" });
    GridTable sections(10);
    SectionRows rows(sections);
    rows.reset();
    CategoryLists lists;
    lists.subSections1 << QStringLiteral("lock_a");
    EXPECT_THROW(s.summary.appendRows(rows, lists), Failure);

    // The rows before the failing one are complete; the names are listed without a duplicate test.
    ASSERT_EQ(sections.rows(), 4);
    const QStringList lockA { QStringLiteral("Spinlocks"),
                              QStringLiteral("Lock_A"),
                              QString(),
                              QStringLiteral("30"),
                              QStringLiteral("45"),
                              QStringLiteral("1000"),
                              QStringLiteral("3"),
                              QStringLiteral("1.5"),
                              QStringLiteral("1"),
                              QString() };
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(sections.cell(c, 2), lockA[c]) << "column " << c;
    EXPECT_EQ(lists.sections, QStringList { QStringLiteral("Spinlocks") });
    EXPECT_EQ(lists.subSections1,
              (QStringList { QStringLiteral("lock_a"), QStringLiteral("Lock_A"), QStringLiteral("Huge") }));
}
