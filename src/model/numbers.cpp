#include "numbers.h"

#include "runtime_error.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

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

// Whether a plain decimal has no digit other than 0.
bool is_zero(std::string_view s)
{
    return s.find_first_of("123456789") == std::string_view::npos;
}

// Streams in the classic locale read and write with a point whatever the desktop's locale, and
// alike with every C++ library the program is built with.
std::optional<double> read_decimal(std::string_view s)
{
    std::istringstream in{std::string(s)};
    in.imbue(std::locale::classic());
    double value = 0;
    in >> value;
    // A decimal too small for a double reads as 0 with some libraries and as a failure with
    // others: both are a failure here.
    if (in.fail() || !std::isfinite(value) || (value == 0 && !is_zero(s)))
        return std::nullopt;
    return value;
}

std::string write_decimal(double value, std::ios_base::fmtflags format, int precision)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(format, std::ios_base::floatfield);
    out << std::setprecision(precision) << value;
    return out.str();
}

// The shortest decimal that reads back as `value` (finite, above 0): its significant digits
// and the power of ten of the first.
std::pair<std::string, int> shortest_digits(double value)
{
    std::string text;
    for (int precision = 0; precision <= 16; ++precision) {
        text = write_decimal(value, std::ios_base::scientific, precision);
        if (read_decimal(text) == value)
            break;
    }
    const auto e = text.find('e');
    std::string digits = text.substr(0, e);
    std::erase(digits, '.');
    return {digits, std::stoi(text.substr(e + 1))};
}

// The digits placed about a point, with the zeros the power of ten needs; a whole number in all
// its digits.
std::string fixed_form(double value, const std::string& digits, int power)
{
    const int n = static_cast<int>(digits.size());
    if (power < 0)
        return "0." + std::string(-power - 1, '0') + digits;
    if (power >= n - 1)
        return write_decimal(value, std::ios_base::fixed, 0);
    return digits.substr(0, power + 1) + "." + digits.substr(power + 1);
}

// One digit before the point, and a signed exponent of at least two digits.
std::string exponent_form(const std::string& digits, int power)
{
    std::string text = digits;
    if (text.size() > 1)
        text.insert(1, 1, '.');
    text += power < 0 ? "e-" : "e+";
    if (std::abs(power) < 10)
        text += '0';
    return text.append(std::to_string(std::abs(power)));
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
    const std::optional<double> value = read_decimal(s);
    if (!value && is_below_one(s))
        return 0.0;  // too small for a double, such as 0.000...1: as near to 0 as can be
    if (!value)
        return std::nullopt;
    return *value == 0 ? 0.0 : *value;  // no negative zero
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
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value))
        return sign + "nan";
    if (std::isinf(value))
        return sign + "inf";
    // A whole number below 10^21 is written in plain digits, all of them.
    if (std::floor(value) == value && std::fabs(value) < 1e21)
        return sign + write_decimal(std::fabs(value), std::ios_base::fixed, 0);
    // Otherwise the shortest text that reads back as the value, with a point or an exponent,
    // whichever is shorter (the point when both are as long).
    const auto [digits, power] = shortest_digits(std::fabs(value));
    const std::string fixed = fixed_form(std::fabs(value), digits, power), exponent = exponent_form(digits, power);
    return sign + (fixed.size() <= exponent.size() ? fixed : exponent);
}

}  // namespace tesselka
