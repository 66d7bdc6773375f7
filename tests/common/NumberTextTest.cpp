#include "common/NumberText.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace Qt::Literals::StringLiterals;

TEST(NumberText, GeneralFormatPlainRange)
{
    EXPECT_EQ(NumberText::general(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(NumberText::general(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(NumberText::general(2.0 / 3.0), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(NumberText::general(100.0), QStringLiteral("100"));
    EXPECT_EQ(NumberText::general(0.0), QStringLiteral("0"));
    EXPECT_EQ(NumberText::general(-12.3456), QStringLiteral("-12.3456"));
    EXPECT_EQ(NumberText::general(999999999999999.0), QStringLiteral("999999999999999"));
    EXPECT_EQ(NumberText::general(0.00001), QStringLiteral("0.00001"));
    EXPECT_EQ(NumberText::general(0.000012345), QStringLiteral("0.000012345"));
}

TEST(NumberText, GeneralFormatScientificBeyond)
{
    EXPECT_EQ(NumberText::general(1e15), QStringLiteral("1E15"));
    EXPECT_EQ(NumberText::general(1234567890123456789.0), QStringLiteral("1.23456789012346E18"));
    EXPECT_EQ(NumberText::general(0.000009), QStringLiteral("9E-6"));
    EXPECT_EQ(NumberText::general(-1.5e-7), QStringLiteral("-1.5E-7"));
    // Rounding to 15 digits can carry into a 16th integer digit.
    EXPECT_EQ(NumberText::general(999999999999999.9), QStringLiteral("1E15"));
    EXPECT_EQ(NumberText::general(std::numeric_limits<double>::infinity()), QStringLiteral("INF"));
}

TEST(NumberText, PlainNeverUsesAnExponent)
{
    EXPECT_EQ(NumberText::plain(1.5e-7), QStringLiteral("0.00000015"));
    EXPECT_EQ(NumberText::plain(2e16), QStringLiteral("20000000000000000"));
    EXPECT_EQ(NumberText::plain(12.5), QStringLiteral("12.5"));
}

TEST(NumberText, ReadingUsesThePointWhateverTheLocale)
{
    EXPECT_EQ(NumberText::readReal(u" 12.5 "), 12.5);
    EXPECT_EQ(NumberText::readReal(u"-3"), -3.0);
    EXPECT_FALSE(NumberText::readReal(u"12,5").has_value());
    EXPECT_FALSE(NumberText::readReal(u"1,000").has_value());
    EXPECT_FALSE(NumberText::readReal(u"n/a").has_value());
    EXPECT_FALSE(NumberText::readReal(u"").has_value());
}

// Plain decimals take faster roads than other forms; every road must read every text exactly as
// the C locale's reader does, rounding included.
TEST(NumberText, ReadingGivesWhatTheCLocaleGivesForEveryForm)
{
    QStringList texts { u"0.1"_s,
                        u"2.675"_s,
                        u"0.3"_s,
                        u"123456789012345"_s,
                        u"1234567890123456"_s,
                        u"9007199254740993"_s,
                        u"0.000000000000000000001"_s,
                        u"123456789012345678901234567890.5"_s,
                        u"1234567890123456789012345678901234567890123456789012345678901234.5"_s,
                        u"-0"_s,
                        u"+3.25"_s,
                        u"007.50"_s,
                        u"5."_s,
                        u".5"_s,
                        u"1e5"_s,
                        u"-2.5E-3"_s,
                        u"--1"_s,
                        u"1.2.3"_s,
                        u"+"_s,
                        u"1 000"_s,
                        u"inf"_s,
                        u"0x10"_s,
                        u"n/a"_s,
                        u"nan"_s,
                        u"NaN"_s,
                        u"Infinity"_s,
                        u"-inf"_s,
                        u"1.5e+3"_s,
                        u"[Spinlocks]_[Resource->rdesmgr_spin]_[]"_s,
                        u"PerSec"_s };
    // Figures as reports write them, up to 17 digits.
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        const int digits = std::uniform_int_distribution<int>(1, 17)(random);
        QString text = random() % 3 == 0 ? u"-"_s : QString();
        for (int d = 0; d < digits; ++d)
            text += QChar(char16_t(u'0' + random() % 10));
        const int decimals = std::uniform_int_distribution<int>(0, digits - 1)(random);
        if (decimals > 0)
            text.insert(text.size() - decimals, u'.');
        texts << text;
    }
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    for (const QString &text : texts) {
        bool ok = false;
        const double expected = c.toDouble(text, &ok);
        const std::optional<double> read = NumberText::readReal(text);
        ASSERT_EQ(read.has_value(), ok) << text.toStdString();
        if (ok && !std::isnan(expected)) {
            ASSERT_EQ(*read, expected) << text.toStdString();
            ASSERT_EQ(std::signbit(*read), std::signbit(expected)) << text.toStdString();
        }
    }
}

TEST(NumberText, IntegersAreExactAcrossTheWhole64BitRange)
{
    EXPECT_EQ(NumberText::readInteger(u"42"), 42);
    EXPECT_EQ(NumberText::readInteger(u"-7"), -7);
    EXPECT_EQ(NumberText::readInteger(u"+7"), 7);
    EXPECT_EQ(NumberText::readInteger(u"9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(NumberText::readInteger(u"-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(NumberText::readInteger(u"9223372036854775808").has_value());
    EXPECT_FALSE(NumberText::readInteger(u"-9223372036854775809").has_value());
    EXPECT_FALSE(NumberText::readInteger(u"123456789012345678901234567890").has_value());
    EXPECT_FALSE(NumberText::readInteger(u"12.0").has_value());
    EXPECT_FALSE(NumberText::readInteger(u" 12").has_value());
    EXPECT_FALSE(NumberText::readInteger(u"-").has_value());
    EXPECT_FALSE(NumberText::readInteger(u"").has_value());
}
