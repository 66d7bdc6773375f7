#include "common/TextRules.h"

#include <gtest/gtest.h>

using namespace TextRules;

TEST(TextRules, TrimmingRemovesSpacesAndControlCharactersOnly)
{
    EXPECT_EQ(trimmed(u"\t  Engine 0 \r\n\x01"), QStringLiteral("Engine 0"));
    EXPECT_EQ(trimmed(u"\t\t"), QString());
    // A no-break space is a letter of the text, not a blank.
    EXPECT_EQ(trimmed(u"\u00A0x "), QStringLiteral("\u00A0x"));
    EXPECT_TRUE(isBlankText(u" \t\r"));
    EXPECT_FALSE(isBlankText(u" x "));
}

TEST(TextRules, CaseFoldingTouchesAsciiLettersOnly)
{
    EXPECT_EQ(asciiLower(u"CPU Busy ÄÖ"), QStringLiteral("cpu busy ÄÖ"));
    EXPECT_EQ(asciiUpper(u"tick % äö"), QStringLiteral("TICK % äö"));
    EXPECT_TRUE(containsAnyCase(u"Engine USER Busy", u"user busy"));
    EXPECT_EQ(indexOfAnyCase(u"ab Cache: x", u"cache:"), 3);
    EXPECT_EQ(indexOfAnyCase(u"ab", u"abc"), -1);
    EXPECT_TRUE(equalsAnyCase(u"SpinLocks", u"spinlocks"));
    EXPECT_FALSE(equalsAnyCase(u"Ä", u"ä"));

    // Item search: the first match wins, and an empty text matches not even an empty item.
    const QStringList items { QString(), QStringLiteral("Waits"), QStringLiteral("SPINS"), QStringLiteral("spins") };
    EXPECT_EQ(indexOfItem(items, u"Spins"), 2);
    EXPECT_EQ(indexOfItem(items, u""), -1);
    EXPECT_EQ(indexOfItem({ QStringLiteral("Ä") }, u"ä"), -1);
}

TEST(TextRules, PiecesClampAtBothEnds)
{
    EXPECT_EQ(piece(u"abcdef", 2, 3).toString(), QStringLiteral("bcd"));
    // Starting before the first character starts at the first and keeps the width.
    EXPECT_EQ(piece(u"abcdef", -3, 3).toString(), QStringLiteral("abc"));
    EXPECT_EQ(piece(u"abcdef", 5, 10).toString(), QStringLiteral("ef"));
    EXPECT_TRUE(piece(u"abc", 4, 2).isEmpty());
    EXPECT_TRUE(piece(u"abc", 1, 0).isEmpty());
    EXPECT_TRUE(piece(u"abc", 1, -2).isEmpty());
    EXPECT_EQ(leftPiece(u"ab", 100).toString(), QStringLiteral("ab"));
    EXPECT_EQ(rightPiece(u"/home/dba/reports/2024/sysmon_0625.txt", 31).toString(),
              QStringLiteral("ba/reports/2024/sysmon_0625.txt"));
    EXPECT_EQ(rightPiece(u"short.txt", 31).toString(), QStringLiteral("short.txt"));
}
