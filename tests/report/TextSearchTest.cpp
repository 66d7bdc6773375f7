#include "report/TextSearch.h"

#include <gtest/gtest.h>

TEST(TextSearch, FindsLikeAPlainSubstringSearchUpToTheLastCharacter)
{
    const QStringView line = u"  Engine 0   per se per sec  n/a";
    EXPECT_EQ(TextSearch::indexOf(line, u"per sec"), 20); // after a near miss
    EXPECT_EQ(TextSearch::indexOf(line, u"n/a"), 29); // ending the line
    EXPECT_EQ(TextSearch::indexOf(line, u"n/a", 29), 29);
    EXPECT_EQ(TextSearch::indexOf(line, u"n/a", 30), -1);
    EXPECT_EQ(TextSearch::indexOf(line, u"n/ab"), -1); // would reach past the end
    EXPECT_EQ(TextSearch::indexOf(line, u"n/a", 100), -1);
    EXPECT_EQ(TextSearch::indexOf(u"----", u"---", 1), 1);
    EXPECT_EQ(TextSearch::indexOf(u"", u"x"), -1);
    EXPECT_EQ(TextSearch::indexOf(line, u""), 0);
    EXPECT_TRUE(TextSearch::contains(line, u"Engine"));
    EXPECT_FALSE(TextSearch::contains(line, u"engine")); // letter case counts
}
