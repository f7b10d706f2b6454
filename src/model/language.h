#pragma once
// The languages the lesson can be read in, and which of them a pupil's system asks for.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselka::model {

struct Language {
    std::string_view code;  // as in the translation files' names and --lang: "pt_BR"
    std::string_view name;        // in the language itself, for the list a pupil picks from
    std::string_view short_name;  // the same where room is short
};

// Japanese first: the lesson's own language and the one taken when nothing else fits.
inline constexpr std::array<Language, 7> kLanguages{{
    {"ja", "日本語", "日本語"},
    {"en", "English", "English"},
    {"pt_BR", "Português (Brasil)", "Português"},
    {"zh_CN", "中文（简体）", "中文"},
    {"fil", "Filipino", "Filipino"},
    {"vi", "Tiếng Việt", "Tiếng Việt"},
    {"es", "Español", "Español"},
}};

// The language with exactly this code, as --lang and ?lang= give it.
std::optional<Language> language_of_code(std::string_view code);

// The first of a system's languages, most wanted first, that the lesson has; else Japanese.
// Takes POSIX locale names ("pt_BR.UTF-8", "zh_CN:en" split by the caller) and BCP 47 tags
// ("pt-BR", "zh-Hans-CN", "es-419"). A language written only in traditional characters
// ("zh-TW", "zh-Hant") is not taken for simplified Chinese; Tagalog ("tl") is read as Filipino.
Language pick_language(const std::vector<std::string>& preferred);

}  // namespace tesselka::model
