// Which language the lesson opens in, from the languages a pupil's system asks for.
#include "model/language.h"

#include <gtest/gtest.h>

namespace {

using tesselka::model::pick_language;

std::string_view picked(std::vector<std::string> preferred)
{
    return pick_language(preferred).code;
}

TEST(Language, EachSystemNameIsServedByTheLessonsLanguageForItsReaders)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ja_JP.UTF-8", "ja"},  {"ja", "ja"},          {"en_US.UTF-8", "en"}, {"en-GB", "en"},
        {"pt_BR.UTF-8", "pt_BR"}, {"pt-BR", "pt_BR"},  {"pt_PT", "pt_BR"},    {"pt", "pt_BR"},
        {"zh_CN.UTF-8", "zh_CN"}, {"zh-Hans-CN", "zh_CN"}, {"zh-SG", "zh_CN"}, {"zh", "zh_CN"},
        {"zh-Hans-HK", "zh_CN"}, {"fil_PH.UTF-8", "fil"}, {"fil", "fil"},     {"tl-PH", "fil"},
        {"vi_VN.UTF-8", "vi"},  {"vi", "vi"},          {"es_ES.UTF-8", "es"}, {"es-419", "es"},
        {"es_MX@euro", "es"},
    };
    for (const auto& [system, lesson] : cases)
        EXPECT_EQ(picked({system}), lesson) << system;
}

TEST(Language, ALanguageTheLessonLacksGivesWayToTheNextOrToJapanese)
{
    EXPECT_EQ(picked({}), "ja");
    EXPECT_EQ(picked({"C"}), "ja");
    EXPECT_EQ(picked({"POSIX"}), "ja");
    EXPECT_EQ(picked({"ko_KR.UTF-8"}), "ja");
    EXPECT_EQ(picked({"de-DE", "fr", "es"}), "es");
    // Traditional characters are not simplified Chinese.
    EXPECT_EQ(picked({"zh_TW.UTF-8"}), "ja");
    EXPECT_EQ(picked({"zh-Hant-TW", "en"}), "en");
    EXPECT_EQ(picked({"zh-HK", "vi"}), "vi");
    // The most wanted first.
    EXPECT_EQ(picked({"en-US", "ja-JP"}), "en");
    EXPECT_EQ(picked({"ja-JP", "en-US"}), "ja");
}

TEST(Language, CodesAreTakenExactlyAsTheHelpListsThem)
{
    for (const char* code : {"ja", "en", "pt_BR", "zh_CN", "fil", "vi", "es"})
        EXPECT_TRUE(tesselka::model::language_of_code(code)) << code;
    for (const char* code : {"", "JA", "pt", "pt-BR", "zh", "tl", "en_US", "ko"})
        EXPECT_FALSE(tesselka::model::language_of_code(code)) << code;
    EXPECT_EQ(tesselka::model::language_of_code("vi")->name, "Tiếng Việt");
}

}  // namespace
