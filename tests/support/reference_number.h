#pragma once
// A second, deliberately separate reading of what a pupil may type into the three lists, for the
// soak test and the fuzz target to hold the program's input check against. It shares no code
// with src/: it decodes UTF-8 to code points, matches the grammar on code points, converts with
// the C library's strtod in the "C" locale, and rounds with nearbyint (ties to even by default).

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselka::reference {

struct Number {
    double value;
    // The decimal was so small that it reads as zero or a subnormal (strtod said ERANGE).
    bool underflow;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
inline std::optional<std::u32string> decode_utf8(std::string_view s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        int extra;
        char32_t cp;
        if (b0 < 0x80) { cp = b0; extra = 0; }
        else if (b0 >= 0xC2 && b0 <= 0xDF) { cp = b0 & 0x1F; extra = 1; }
        else if (b0 >= 0xE0 && b0 <= 0xEF) { cp = b0 & 0x0F; extra = 2; }
        else if (b0 >= 0xF0 && b0 <= 0xF4) { cp = b0 & 0x07; extra = 3; }
        else return std::nullopt;
        if (i + extra >= s.size() && extra > 0)
            return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80)
                return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        out += cp;
        i += extra + 1;
    }
    return out;
}

inline bool is_space(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u3000'; }

// A digit's value, or -1.
inline int digit(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    if (c >= U'\uFF10' && c <= U'\uFF19')
        return static_cast<int>(c - U'\uFF10');
    return -1;
}

// Sign, digits, an optional point with digits after it, at least one digit in all; spaces around.
inline std::optional<Number> number(std::string_view utf8)
{
    const auto decoded = decode_utf8(utf8);
    if (!decoded)
        return std::nullopt;
    std::u32string_view s = *decoded;
    while (!s.empty() && is_space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_space(s.back()))
        s.remove_suffix(1);

    std::string ascii;
    std::size_t i = 0;
    if (i < s.size()) {
        const char32_t c = s[i];
        if (c == U'+' || c == U'\uFF0B') {
            ++i;
        } else if (c == U'-' || c == U'\uFF0D' || c == U'\u2212') {
            ascii += '-';
            ++i;
        }
    }
    int digits = 0;
    for (; i < s.size() && digit(s[i]) >= 0; ++i, ++digits)
        ascii += static_cast<char>('0' + digit(s[i]));
    if (i < s.size() && (s[i] == U'.' || s[i] == U'\uFF0E')) {
        ascii += '.';
        for (++i; i < s.size() && digit(s[i]) >= 0; ++i, ++digits)
            ascii += static_cast<char>('0' + digit(s[i]));
    }
    if (digits == 0 || i != s.size())
        return std::nullopt;

    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    errno = 0;
    char* end = nullptr;
    double value = strtod_l(ascii.c_str(), &end, c_locale);
    const bool range_error = errno == ERANGE;
    if (end != ascii.c_str() + ascii.size())
        return std::nullopt;
    if (range_error && std::isinf(value))
        return std::nullopt;  // beyond any double: far outside every range
    return Number{value == 0 ? 0.0 : value, range_error && std::fabs(value) <= DBL_MIN};
}

// Table index t + 10 with halves to the even neighbour must lie in 0..50.
inline std::optional<Number> temperature(std::string_view utf8)
{
    const auto n = number(utf8);
    if (!n)
        return std::nullopt;
    const double index = std::nearbyint(n->value + 10);
    if (!(index >= 0 && index <= 50))
        return std::nullopt;
    return n;
}

inline std::optional<Number> humidity(std::string_view utf8)
{
    const auto n = number(utf8);
    if (!n || n->value < 0 || n->value > 100)
        return std::nullopt;
    return n;
}

}  // namespace tesselka::reference
