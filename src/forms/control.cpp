#include "control.h"


namespace tesselka::forms {

void Control::repaint(const QRect& before) const
{
    host_.changed(visible_ ? before.united(bounds()) : before);
}

void BoxControl::place(double left, double top, double width, double height)
{
    set_left(left);
    set_top(top);
    set_width(width);
    set_height(height);
}

QRect BoxControl::bounds() const { return zoom().to_pixels(left_, top_, width_, height_); }

}  // namespace tesselka::forms
