#include "placed.h"

#include "twips.h"

#include <QWidget>

namespace tesselka::forms {

void Placed::place(double left, double top, double width, double height)
{
    left_ = static_cast<float>(left);
    top_ = static_cast<float>(top);
    width_ = static_cast<float>(width);
    height_ = static_cast<float>(height);
    const QRect r = to_pixels(left_, top_, width_, height_);
    // A box of no size keeps its place.
    self_.setGeometry(r.isEmpty() ? QRect(to_pixels(left_, top_), QSize(0, 0)) : r);
}

}  // namespace tesselka::forms
