#pragma once
// The desktop's colours for the roles the layouts name, taken from the application palette.

#include <QColor>

namespace tesselka::forms::system_color {

QColor button_face();
QColor button_text();
QColor window_background();
QColor window_text();
QColor gray_text();

}  // namespace tesselka::forms::system_color
