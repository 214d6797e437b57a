#include "core/number_text.h"

#include <gtest/gtest.h>

TEST(NumberText, Integer16RoundsHalfToEvenAndChecksTheRange) {
    const struct {
        const char* text;
        std::optional<int> value;
    } rows[] = {
        {"15", 15},
        {"6.5", 6},
        {"7.5", 8},
        {"-0.5", 0},
        {"32767", 32767},
        {"32767.4", 32767},
        {"32767.5", {}},
        {"32768", {}},
        {"-32768", -32768},
        {"-32768.5", -32768},
        {"-32768.6", {}},
        {"-32769", {}},
        {"", {}},
        {"-", {}},
        {"abc", {}},
        {"1x", {}},
        {" 23 ", 23},
        {"１５", 15},
        {"　１５　", 15},
        {"－３", -3},
        {"７．５", 8},
        {"＋２", 2},
        {"1 5", {}},
        {"99999999999", {}},
        // Found by fuzzing: past the decimals a Decimal keeps, a value just over a half.
        {"6.5000000000002245725632728603761", 7},
    };
    for (const auto& row : rows) {
        const auto value = toInteger16(QString::fromUtf8(row.text));
        if (row.value)
            EXPECT_EQ(value, std::optional<std::int16_t>(*row.value)) << row.text;
        else
            EXPECT_FALSE(value) << row.text;
    }
}

TEST(NumberText, DoubleAcceptsTheSameShapes) {
    EXPECT_EQ(toDouble("7.5"), 7.5);
    EXPECT_EQ(toDouble("２４"), 24.0);
    EXPECT_EQ(toDouble(" -1 "), -1.0);
    EXPECT_EQ(toDouble("99999999999"), 99999999999.0); // too big for a count, still a number
    EXPECT_FALSE(toDouble(""));
    EXPECT_FALSE(toDouble("-"));
    EXPECT_FALSE(toDouble("ten"));
    EXPECT_FALSE(toDouble("1e3"));
    EXPECT_FALSE(toDouble(QString(400, u'9'))); // beyond a double: no number at all
}

TEST(NumberText, DecimalKeepsFractionsExactly) {
    EXPECT_EQ(toDecimal("2.5")->toText(), "2.5");
    EXPECT_EQ(toDecimal("１０")->toText(), "10");
    EXPECT_EQ(toDecimal(" 0 ")->toText(), "0");
    EXPECT_FALSE(toDecimal(""));
    EXPECT_FALSE(toDecimal("二"));
}
