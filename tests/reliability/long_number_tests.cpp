// Typed numbers longer or finer than a double holds, which the fuzz target's short runs seldom
// reach: the input check must agree with the separate reading in support/reference_number.h.

#include "support/reference_number.h"

#include "model/input_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using tesselka::model::Field;
using tesselka::model::accept;

void expect_agreement(const std::string& text)
{
    const auto want = tesselka::reference::temperature(text);
    const auto got = accept(Field::kion, text);
    ASSERT_EQ(got.has_value(), want.has_value()) << text.substr(0, 80);
    if (got) {
        EXPECT_EQ(*got, want->value) << text.substr(0, 80);
    }
    const auto want_h = tesselka::reference::humidity(text);
    const auto got_h = accept(Field::situdo, text);
    ASSERT_EQ(got_h.has_value(), want_h.has_value()) << text.substr(0, 80);
}

TEST(LongNumbers, DigitsBeyondADoubleReadAsTheNearestDouble)
{
    const std::string zeros(5000, '0'), ideographic_spaces = [] {
        std::string s;
        for (int i = 0; i < 2000; ++i)
            s += "\u3000";
        return s;
    }();
    for (const std::string& text : std::initializer_list<std::string>{
             zeros + "25",                             // leading zeros by the thousand
             "25." + zeros,                            // trailing zeros by the thousand
             "40.5" + zeros + "1",                     // a hair above 40.5: still 40.5 as a double
             "40.5000000000001",                       // just above 40.5 as a double: index 51
             "-10.5" + std::string(30, '0') + "1",     // a hair below -10.5
             "-10.4999999999999999999999",             // rounds to -10.5 as a double
             "100.00000000000000000000001",            // a hair above 100 %
             "1" + zeros,                              // a 5001-digit number
             ideographic_spaces + "３０" + ideographic_spaces,
             "0." + std::string(300, '0') + "1",       // a subnormal double
         })
        expect_agreement(text);
}

TEST(LongNumbers, NumbersBelowTheSmallestDoubleAreZero)
{
    for (const std::string& text :
         {"0." + std::string(400, '0') + "1", "-0." + std::string(330, '0') + "5"})
        expect_agreement(text);
}

}  // namespace
