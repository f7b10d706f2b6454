#include "placed.h"

#include "zoom.h"

#include <QVariant>
#include <QWidget>

namespace tesselka::forms {

namespace {

// The font a control was given as laid out, kept on the widget the first time it is zoomed.
constexpr char kLaidOutFont[] = "tesselka_laid_out_font";

}  // namespace

void Placed::place(double left, double top, double width, double height)
{
    left_ = static_cast<float>(left);
    top_ = static_cast<float>(top);
    width_ = static_cast<float>(width);
    height_ = static_cast<float>(height);
    const Zoom zoom = zoom_of(&self_);
    QRect r = zoom.to_pixels(left_, top_, width_, height_);
    // A box of no size keeps its place.
    if (r.isEmpty())
        r = QRect(zoom.to_pixels(left_, top_), QSize(0, 0));
    // Placed on a window, it moves with the window's client area.
    const auto* window = dynamic_cast<const ZoomedWindow*>(self_.parentWidget());
    self_.setGeometry(r.translated(window ? window->client_origin() : QPoint()));
}

void Placed::rezoom()
{
    place(left_, top_, width_, height_);
    // A control without a font of its own takes its container's, which is zoomed there.
    QVariant laid_out = self_.property(kLaidOutFont);
    if (!laid_out.isValid()) {
        if (!self_.testAttribute(Qt::WA_SetFont))
            return;
        laid_out = self_.font();
        self_.setProperty(kLaidOutFont, laid_out);
    }
    self_.setFont(zoom_of(&self_).font(laid_out.value<QFont>()));
}

}  // namespace tesselka::forms
