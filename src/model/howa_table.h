#pragma once
// The saturated water-vapour amount of air for every whole degree from -10 to 40 degrees C.
//
// Amounts are whole numbers of hundredths of a gram of water per cubic metre of air: 1720 means
// 17.20 g/m3. The same unit is the chart's vertical scale (one twip per unit).

#include <array>
#include <cstdint>

namespace tesselka::model {

class HowaTable {
public:
    static constexpr int kSize = 51;  // -10 .. 40 degrees C

    // Fills the table from its literal list in tenths of a gram (done once, at load).
    void fill();

    // The entry at index i (= temperature + 10); subscript-out-of-range error outside 0..50.
    std::int16_t operator()(int i) const;

    // Temperature to index: t + 10 rounded half to even, checked to lie in 0..50.
    static int index_of(double temperature);
    // Whether index_of takes the temperature: from -10.5 to 40.5 (halves round to even).
    static bool covers(double temperature);

    // The saturated amount at a temperature, through index_of.
    std::int16_t at_temperature(double temperature) const { return (*this)(index_of(temperature)); }

private:
    std::array<std::int16_t, kSize> values_{};
};

}  // namespace tesselka::model
