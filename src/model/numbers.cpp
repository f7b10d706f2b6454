#include "numbers.h"

#include "runtime_error.h"

#include <charconv>
#include <cmath>

namespace tesselka {
namespace {

// Maps the full-width forms an input method types (U+FF10..U+FF19, U+FF0B, U+FF0D, U+FF0E, and
// the minus sign U+2212) to ASCII, and drops spaces at either end. Returns nothing for other
// non-ASCII text, which can never be part of a number.
std::optional<std::string> to_ascii(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        if (i + 3 > text.size())
            return std::nullopt;
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        const auto b2 = static_cast<unsigned char>(text[i + 2]);
        if (c == 0xEF && b1 == 0xBC && b2 >= 0x90 && b2 <= 0x99)
            out += static_cast<char>('0' + (b2 - 0x90));  // ０..９
        else if (c == 0xEF && b1 == 0xBC && b2 == 0x8B)
            out += '+';  // ＋
        else if (c == 0xEF && b1 == 0xBC && b2 == 0x8D)
            out += '-';  // －
        else if (c == 0xEF && b1 == 0xBC && b2 == 0x8E)
            out += '.';  // ．
        else if (c == 0xE2 && b1 == 0x88 && b2 == 0x92)
            out += '-';  // − (minus sign)
        else if (c == 0xE3 && b1 == 0x80 && b2 == 0x80)
            out += ' ';  // ideographic space
        else
            return std::nullopt;
        i += 3;
    }
    return out;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Sign, digits, optional point and fraction; at least one digit.
bool is_plain_decimal(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && is_digit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && is_digit(s[i])) { ++i; ++digits; }
    }
    return digits > 0 && i == s.size();
}

// Whether a plain decimal has no digit other than 0 before its point.
bool is_below_one(std::string_view s)
{
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    const auto point = s.find('.');
    return s.substr(0, point).find_first_not_of('0') == std::string_view::npos;
}

}  // namespace

std::optional<double> parse_number(std::string_view text)
{
    const auto ascii = to_ascii(text);
    if (!ascii)
        return std::nullopt;
    std::string_view s = *ascii;
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    s = s.substr(first, s.find_last_not_of(" \t") - first + 1);
    if (!is_plain_decimal(s))
        return std::nullopt;
    if (s.front() == '+')
        s.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range && is_below_one(s))
        return 0.0;  // too small for a double, such as 0.000...1: as near to 0 as can be
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value;  // no negative zero
}

double to_number(std::string_view text)
{
    if (const auto value = parse_number(text))
        return *value;
    throw RuntimeError(ErrorCode::TypeMismatch, std::string(text));
}

double round_half_even(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::int16_t to_int16(double value)
{
    const double rounded = round_half_even(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw RuntimeError(ErrorCode::Overflow, number_text(value));
    return static_cast<std::int16_t>(rounded);
}

std::string number_text(double value)
{
    if (value == 0)
        return "0";
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    std::string text(buf, ec == std::errc() ? end : buf);
    // to_chars writes large whole numbers in exponent form; the text wants plain digits.
    if (text.find('e') != std::string::npos && std::floor(value) == value && std::fabs(value) < 1e21) {
        const auto [e2, ec2] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
        text.assign(buf, ec2 == std::errc() ? e2 : buf);
    }
    return text;
}

}  // namespace tesselka
