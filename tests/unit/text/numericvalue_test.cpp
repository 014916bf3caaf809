#include "filehelpers.h"
#include "text/numericvalue.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(NumericValue, TakesTheLeadingDecimalNumber) {
    EXPECT_EQ(NumericValue::of(u"  42 twips"), 42.0);
    EXPECT_EQ(NumericValue::of(u"-3.25abc"), -3.25);
    EXPECT_EQ(NumericValue::of(u"+7"), 7.0);
    EXPECT_EQ(NumericValue::of(u".5"), 0.5);
    EXPECT_EQ(NumericValue::of(u"12.5.6"), 12.5);
    EXPECT_EQ(NumericValue::of(u"1e5"), 1.0); // no exponents in these files
}

TEST(NumericValue, TextWithoutANumberIsZero) {
    EXPECT_EQ(NumericValue::of(u""), 0.0);
    EXPECT_EQ(NumericValue::of(u"abc 12"), 0.0);
    EXPECT_EQ(NumericValue::of(u"-"), 0.0);
    EXPECT_EQ(NumericValue::of(u"."), 0.0);
}

TEST(NumericValue, HugeNumbersAreInfiniteAndTinyOnesZero) {
    EXPECT_TRUE(std::isinf(NumericValue::of(QString(400, QLatin1Char('9')))));
    EXPECT_LT(NumericValue::of(QString(QStringLiteral("-") + QString(400, QLatin1Char('9')))), 0);
    EXPECT_EQ(
        NumericValue::of(QString(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + "1")),
        0.0);
}

TEST(NumericValue, RoundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(NumericValue::roundToInt16(2.5), qint16(2));
    EXPECT_EQ(NumericValue::roundToInt16(3.5), qint16(4));
    EXPECT_EQ(NumericValue::roundToInt16(-2.5), qint16(-2));
    EXPECT_EQ(NumericValue::roundToInt16(32767.4), qint16(32767));
    EXPECT_EQ(NumericValue::roundToInt16(-32768.5), qint16(-32768));
    EXPECT_FALSE(NumericValue::roundToInt16(32767.5).has_value());
    EXPECT_FALSE(NumericValue::roundToInt16(-32769).has_value());
    EXPECT_FALSE(NumericValue::roundToInt16(INFINITY).has_value());
    EXPECT_FALSE(NumericValue::roundToInt16(NAN).has_value());
    EXPECT_EQ(NumericValue::roundToInt32(57600.0), 57600);
}

TEST(NumericValue, FormatsWithoutExponent) {
    EXPECT_EQ(NumericValue::format(1000), QStringLiteral("1000"));
    EXPECT_EQ(NumericValue::format(-15), QStringLiteral("-15"));
    EXPECT_EQ(NumericValue::format(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(NumericValue::format(1e7), QStringLiteral("10000000"));
    EXPECT_EQ(NumericValue::of(NumericValue::format(0.125)), 0.125);
}
