#pragma once
// The cup as its pictures show it: stage 0 (dry) to 5 (water running down), each stage drawn in
// the file "0.jpg" to "5.jpg". The intro shows the six in order; the simulation window the stage
// of the condensed amount.

#include <string>

namespace tesselka::model {

inline constexpr int kCupStages = 6;

// The stage for a condensed amount in hundredths of g/m3: bounds at 2, 4, 6 and 8 g/m3, each
// bound in the lower stage.
constexpr int cup_stage(int howa_gap)
{
    return howa_gap <= 0 ? 0 : howa_gap <= 800 ? (howa_gap + 199) / 200 : 5;
}

inline std::string cup_picture_file(int stage) { return std::to_string(stage) + ".jpg"; }

}  // namespace tesselka::model
