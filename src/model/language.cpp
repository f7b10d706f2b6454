#include "language.h"

#include <algorithm>
#include <cctype>

namespace tesselka::model {
namespace {

// The parts of a locale name, lower case: "zh-Hans-CN" and "zh_CN.UTF-8@x" give {"zh", "hans",
// "cn"} and {"zh", "cn"}.
std::vector<std::string> parts(std::string_view name)
{
    name = name.substr(0, std::min(name.find('.'), name.find('@')));
    std::vector<std::string> out(1);
    for (const char c : name) {
        if (c == '-' || c == '_')
            out.emplace_back();
        else
            out.back() += char(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool has(const std::vector<std::string>& list, std::string_view part)
{
    return std::find(list.begin() + 1, list.end(), part) != list.end();
}

// The code of the lesson's language that serves a reader of `name`, or none.
std::optional<std::string_view> serving(std::string_view name)
{
    const std::vector<std::string> p = parts(name);
    const std::string& language = p.front();
    if (language == "zh") {
        const bool traditional = has(p, "hant") || has(p, "tw") || has(p, "hk") || has(p, "mo");
        return traditional && !has(p, "hans") ? std::nullopt : std::optional<std::string_view>("zh_CN");
    }
    if (language == "pt")
        return "pt_BR";
    if (language == "tl" || language == "fil")
        return "fil";
    for (const std::string_view code : {"ja", "en", "vi", "es"})
        if (language == code)
            return code;
    return std::nullopt;
}

}  // namespace

std::optional<Language> language_of_code(std::string_view code)
{
    for (const Language& l : kLanguages)
        if (l.code == code)
            return l;
    return std::nullopt;
}

Language pick_language(const std::vector<std::string>& preferred)
{
    for (const std::string& name : preferred)
        if (const auto code = serving(name))
            return *language_of_code(*code);
    return kLanguages.front();
}

}  // namespace tesselka::model
