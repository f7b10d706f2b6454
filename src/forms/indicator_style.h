#pragma once
// The style of the option buttons and the check box: Fusion's, with the indicator and the space
// beside it grown with the windows' zoom (Fusion draws the indicator to fill its box).

class QStyle;

namespace tesselka::forms {

QStyle* zoomed_indicator_style();

}  // namespace tesselka::forms
