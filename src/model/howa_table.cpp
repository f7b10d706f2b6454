#include "howa_table.h"

#include "numbers.h"
#include "runtime_error.h"

#include <string>

namespace tesselka::model {

void HowaTable::fill()
{
    // g/m3 x 10 from -10 to 40 degrees C. The leading 24 is a spare and is never read.
    static constexpr std::array<int, kSize + 1> kTenths = {
        24,  24,  25,  27,  29,  32,  34,  37,  39,  42,  45,  48,  52,  56,  59,  64,  68,  73,
        78,  83,  88,  94,  100, 107, 114, 121, 128, 136, 145, 154, 162, 172, 183, 194, 206, 218,
        231, 244, 258, 272, 288, 304, 321, 338, 357, 376, 396, 418, 440, 463, 487, 512};
    for (int i = 0; i < kSize; ++i)
        values_[i] = to_int16(kTenths[i + 1] * 10.0);
}

std::int16_t HowaTable::operator()(int i) const
{
    if (i < 0 || i >= kSize)
        throw RuntimeError(ErrorCode::SubscriptOutOfRange, std::to_string(i));
    return values_[i];
}

int HowaTable::index_of(double temperature)
{
    const double index = round_half_even(temperature + 10);
    if (!covers(temperature))
        throw RuntimeError(ErrorCode::SubscriptOutOfRange, number_text(index));
    return static_cast<int>(index);
}

bool HowaTable::covers(double temperature)
{
    const double index = round_half_even(temperature + 10);
    // Checked as a double, so that a huge or non-finite value never reaches the int conversion.
    return index >= 0 && index < kSize;
}

}  // namespace tesselka::model
