#pragma once
// The zoom of the windows, for a projector in a classroom: steps a teacher moves through, and
// the change that lays every open window out again. The scale itself lives with the twips
// mapping (twips.h); zoom.cpp also holds the windows' side of it, Form's zoom keys, wheel and
// full screen.

#include <QSize>

#include <array>

namespace tesselka::forms {

// The steps, as factors; the first is the windows as laid out.
inline constexpr std::array<double, 7> kZoomSteps = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// The step after `factor` upwards (`up`) or downwards; the last or first step when there is none.
double next_zoom_step(double factor, bool up);

// The largest step at which a window whose client area is `width` x `height` twips, with `frame`
// around it (the title bar and borders a window manager adds), fits `room`; the first step when
// none does.
double largest_fitting_step(double width, double height, QSize frame, QSize room);

// Sets the zoom and lays every open window out again at it.
void zoom_windows(double factor);

}  // namespace tesselka::forms
