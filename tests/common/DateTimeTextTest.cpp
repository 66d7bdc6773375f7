#include "common/DateTimeText.h"

#include <gtest/gtest.h>

TEST(DateTimeText, ReadsDayFirstWithSlashAndColon)
{
    EXPECT_EQ(DateTimeText::read(u"25/06/2024 11:12:31"), QDateTime(QDate(2024, 6, 25), QTime(11, 12, 31)));
    EXPECT_EQ(DateTimeText::read(u" 5/6/2024 1:02 "), QDateTime(QDate(2024, 6, 5), QTime(1, 2)));
    EXPECT_EQ(DateTimeText::read(u"05/06/2024"), QDateTime(QDate(2024, 6, 5), QTime(0, 0)));
    // A time alone, as the digest keeps it with "Time Only", falls on the zero day.
    EXPECT_EQ(DateTimeText::read(u" 11:12:31"), QDateTime(QDate(1899, 12, 30), QTime(11, 12, 31)));
    // As a wall-clock reading it stays valid in every zone, even in an hour the clocks skip.
    EXPECT_EQ(DateTimeText::read(u"31/03/2013 02:30:00", Qt::UTC),
              QDateTime(QDate(2013, 3, 31), QTime(2, 30), Qt::UTC));
    EXPECT_EQ(DateTimeText::write(QDateTime(QDate(2024, 6, 5), QTime(7, 8, 9))), QStringLiteral("05/06/2024 07:08:09"));
}

TEST(DateTimeText, RejectsWhatIsNoDate)
{
    EXPECT_FALSE(DateTimeText::read(u"Jun 25, 2024 11:12:31").has_value());
    EXPECT_FALSE(DateTimeText::read(u"31/02/2024").has_value());
    EXPECT_FALSE(DateTimeText::read(u"25/06/2024 25:00:00").has_value());
    EXPECT_FALSE(DateTimeText::read(u"").has_value());
}
