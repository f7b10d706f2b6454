#pragma once
// The style of the windowed controls that need more than Fusion gives: the option buttons' and
// the check box's indicators, and the space beside them, grow with the windows' zoom (Fusion
// draws the indicator to fill its box); the lists have a narrow arrow and a text field that
// runs up to their frame, so that a value shows whole in their 41 pixels; the buttons of a message
// box are as large as the zoom makes their text. One style serves all.

class QStyle;

namespace tesselka::forms {

QStyle* control_style();

}  // namespace tesselka::forms
