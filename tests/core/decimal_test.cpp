#include "core/decimal.h"

#include <gtest/gtest.h>

namespace {

Decimal dec(const char* text) {
    const auto value = Decimal::parse(QString::fromUtf8(text));
    if (!value)
        throw std::invalid_argument(text);
    return *value;
}

} // namespace

TEST(Decimal, TextFormIsPlainWithoutTrailingZeros) {
    const struct {
        const char* typed;
        const char* shown;
    } rows[] = {
        {"10", "10"},    {"0", "0"},         {"2.5", "2.5"},
        {"2.50", "2.5"}, {"-0.5", "-0.5"},   {"007", "7"},
        {"+3", "3"},     {".5", "0.5"},      {"5.", "5"},
        {"-0", "0"},     {"0.125", "0.125"}, {"123456789.123456789", "123456789.123456789"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(dec(row.typed).toText(), QString(row.shown)) << row.typed;
}

TEST(Decimal, ArithmeticIsExact) {
    EXPECT_EQ((dec("2.5") - 1).toText(), "1.5");
    EXPECT_EQ((dec("0.5") - 1).toText(), "-0.5");
    EXPECT_EQ((dec("0.1") + dec("0.2")), dec("0.3"));
    EXPECT_EQ((Decimal(10) - dec("7")).toText(), "3");
    EXPECT_GT(dec("0.5"), Decimal(0));
    EXPECT_LT(dec("-0.5"), Decimal(0));
    EXPECT_EQ(dec("2.50"), dec("2.5"));
}

TEST(Decimal, WholeNumbersAndRounding) {
    EXPECT_TRUE(dec("3.0").isWhole());
    EXPECT_FALSE(dec("2.5").isWhole());
    EXPECT_EQ(dec("-2.5").truncated(), -2);
    const struct {
        const char* value;
        long long rounded;
    } rows[] = {
        {"6.5", 6},   {"7.5", 8},   {"0.5", 0},  {"1.5", 2},  {"-0.5", 0},
        {"-1.5", -2}, {"-2.5", -2}, {"2.51", 3}, {"2.49", 2}, {"-2.51", -3},
    };
    for (const auto& row : rows)
        EXPECT_EQ(dec(row.value).roundedHalfEven(), row.rounded) << row.value;
}

TEST(Decimal, ParseRejectsWhatIsNotANumber) {
    for (const char* junk :
         {"", "-", "+", ".", "1.2.3", "abc", "1a", "1e3", " 1", "1,000", "--1", "1000000000"})
        EXPECT_FALSE(Decimal::parse(QString::fromUtf8(junk))) << junk;
}
