#pragma once
// Number conversions shared by the whole program: decimal text to number, storage as a 16-bit
// integer, and numbers back to text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tesselka {

// Reads a plain decimal number from UTF-8 text: an optional sign, digits with an optional point
// and fraction. Spaces around it are allowed, ASCII or ideographic. Full-width digits, sign and
// point count as their ASCII forms, as a Japanese input method types them. Anything else,
// including an empty text, gives nothing.
std::optional<double> parse_number(std::string_view text);

// parse_number, raising the type-mismatch error where the text is no number.
double to_number(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double round_half_even(double value);

// Stores a number as a signed 16-bit integer: rounded half to even, overflow error outside
// -32768..32767.
std::int16_t to_int16(double value);

// Whole numbers as plain decimal ("29", "-1"); others as their shortest decimal ("24.5").
std::string number_text(double value);

}  // namespace tesselka
