#pragma once
// The tables the tests hold the program to, typed here from the lesson's tables so that no test
// reads its expected values back from the program.

#include <array>
#include <initializer_list>

namespace tesselka::testing {

// The saturated water-vapour amounts, in hundredths of a gram per cubic metre (the program keeps
// tenths), for every whole degree from -10 to 40 degrees C.
inline constexpr std::array<int, 51> kSaturated = {
    240,  250,  270,  290,  320,  340,  370,  390,  420,  450,   // -10 .. -1
    480,  520,  560,  590,  640,  680,  730,  780,  830,  880,   //   0 ..  9
    940,  1000, 1070, 1140, 1210, 1280, 1360, 1450, 1540, 1620,  //  10 .. 19
    1720, 1830, 1940, 2060, 2180, 2310, 2440, 2580, 2720, 2880,  //  20 .. 29
    3040, 3210, 3380, 3570, 3760, 3960, 4180, 4400, 4630, 4870,  //  30 .. 39
    5120,                                                        //  40
};

// The amount at a whole degree.
constexpr int saturated(int celsius)
{
    return kSaturated[celsius + 10];
}

// The cup picture's number for a condensed amount: one more for every bound it is above, at 0, 2,
// 4, 6 and 8 g/m3 (each bound itself shows the lower picture).
constexpr int cup_stage(int condensed)
{
    int stage = 0;
    for (int bound : {0, 200, 400, 600, 800})
        stage += condensed > bound ? 1 : 0;
    return stage;
}

}  // namespace tesselka::testing
