// The check of typed input: exactly the numbers in range are accepted.

#include "model/input_check.h"

#include <gtest/gtest.h>

using namespace tesselka::model;

TEST(InputCheck, TemperaturesFromMinus10Point5To40Point5)
{
    for (const char* text : {"-10.5", "-10", "0", "30", "40", "40.5", " 25 ", "２５", "－１０"})
        EXPECT_TRUE(accept(Field::kion, text).has_value()) << text;
    for (const char* text : {"-10.6", "40.6", "41", "-11", "", "abc", "30度", "1e1", "99999999999"})
        EXPECT_FALSE(accept(Field::t0, text).has_value()) << text;
    EXPECT_EQ(accept(Field::t0, "４０．５"), 40.5);
}

TEST(InputCheck, HumidityFrom0To100)
{
    for (const char* text : {"0", "10", "33", "100", "99.9", "１００"})
        EXPECT_TRUE(accept(Field::situdo, text).has_value()) << text;
    for (const char* text : {"-1", "-0.1", "100.1", "1000", "", "%", "６０％"})
        EXPECT_FALSE(accept(Field::situdo, text).has_value()) << text;
}

TEST(InputCheck, MessagesNameTheFieldAndTheRange)
{
    EXPECT_NE(rejection_message(Field::kion).find("気温"), std::string::npos);
    EXPECT_NE(rejection_message(Field::kion).find("-10 から 40"), std::string::npos);
    EXPECT_NE(rejection_message(Field::situdo).find("湿度"), std::string::npos);
    EXPECT_NE(rejection_message(Field::situdo).find("0 から 100"), std::string::npos);
    EXPECT_NE(rejection_message(Field::t0).find("最初のコップの水温"), std::string::npos);
}
