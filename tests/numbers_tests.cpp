// Number conversions: decimal text, 16-bit storage, and the text written back.

#include "model/numbers.h"
#include "model/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tesselka;

TEST(ParseNumber, AcceptsPlainDecimalsWithSpacesAndFullWidthForms)
{
    const struct { const char* text; double value; } cases[] = {
        {"30", 30},        {" 25 ", 25},      {"-10", -10},     {"+5", 5},
        {"40.5", 40.5},    {".5", 0.5},       {"5.", 5},        {"-0", 0},
        {"２５", 25},      {"－１０", -10},   {"４０．５", 40.5}, {"\u3000６０\u3000", 60},
        {"−3", -3},        {"\t7\t", 7},      {"007", 7},       {"９", 9},
        {"１２３４５６７８９０", 1234567890},
    };
    for (const auto& c : cases) {
        const auto v = parse_number(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
        EXPECT_FALSE(std::signbit(*v) && *v == 0) << c.text;
    }
}

TEST(ParseNumber, RejectsEverythingElse)
{
    for (const char* text : {"", " ", "abc", "1e3", "1,5", "--1", "+-1", "1.2.3", ".", "-", "3 0",
                             "0x10", "inf", "nan", "３０度", "1\xff", "\xef\xbc", "30%"})
        EXPECT_FALSE(parse_number(text).has_value()) << text;
    EXPECT_THROW(to_number("abc"), RuntimeError);
    try {
        to_number("x");
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    const struct { double in, out; } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {35.5, 36}, {34.5, 34}, {50.5, 50}, {50.6, 51}, {-0.6, -1}, {2.4999, 2}, {7, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(round_half_even(c.in), c.out) << c.in;
}

TEST(ToInt16, RoundsHalfToEvenAndOverflowsOutsideTheRange)
{
    EXPECT_EQ(to_int16(32767), 32767);
    EXPECT_EQ(to_int16(-32768), -32768);
    EXPECT_EQ(to_int16(32766.5), 32766);
    EXPECT_EQ(to_int16(-32768.5), -32768);
    for (double v : {32767.5, 32768.0, -32769.0, -32768.6, 1e300, double(NAN), double(INFINITY)}) {
        try {
            to_int16(v);
            ADD_FAILURE() << v << " was stored";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::Overflow) << v;
        }
    }
}

TEST(NumberText, WholeNumbersPlainOthersShortest)
{
    const struct { double in; const char* out; } cases[] = {
        {29, "29"}, {-1, "-1"}, {0, "0"}, {-0.0, "0"}, {-10, "-10"}, {24.5, "24.5"},
        {0.1, "0.1"}, {1e22, "1e+22"}, {123456789012, "123456789012"}, {-2.25, "-2.25"},
        // Whole numbers in digits up to 10^21; then, and for fractions, point or exponent,
        // whichever is shorter, the point where both are as long.
        {1e20, "100000000000000000000"}, {1e21, "1e+21"}, {0.001, "0.001"}, {-0.001, "-0.001"},
        {0.00012, "0.00012"}, {0.0001, "1e-04"}, {1.5e-5, "1.5e-05"}, {0.0012, "0.0012"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(number_text(c.in), c.out) << c.in;
}
