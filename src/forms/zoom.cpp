#include "zoom.h"

#include "fonts.h"
#include "twips.h"

#include <QPaintDevice>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tesselka::forms {

double Zoom::pixels_per_twip() const
{
    return screen_pixels_per_twip() * factor_;
}

int Zoom::to_pixels(double twips) const
{
    return static_cast<int>(std::floor(twips * pixels_per_twip() + 0.5));
}

QPoint Zoom::to_pixels(double x, double y) const
{
    return {to_pixels(x), to_pixels(y)};
}

QRect Zoom::to_pixels(double left, double top, double width, double height) const
{
    if (!(width > 0 && height > 0))
        return {};
    const int x0 = to_pixels(left), y0 = to_pixels(top);
    return QRect(QPoint(x0, y0), QPoint(to_pixels(left + width) - 1, to_pixels(top + height) - 1));
}

int Zoom::window_pixels(double twips) const
{
    return static_cast<int>(std::floor(twips * screen_pixels_per_twip() * factor_ + 0.5));
}

int Zoom::scaled(int pixels) const
{
    return static_cast<int>(std::lround(pixels * factor_));
}

QFont Zoom::font(const QFont& laid_out) const
{
    return zoomed(laid_out, factor_);
}

qreal Zoom::line_width(const QPainter& painter) const
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    return std::max(1.0, std::round(factor_ * ratio)) / ratio;
}

Zoom Zoom::next_step(bool up) const
{
    if (up) {
        const auto it = std::upper_bound(kSteps.begin(), kSteps.end(), factor_);
        return Zoom(it == kSteps.end() ? kSteps.back() : *it);
    }
    const auto it = std::lower_bound(kSteps.begin(), kSteps.end(), factor_);
    return Zoom(it == kSteps.begin() ? kSteps.front() : *(it - 1));
}

Zoom Zoom::largest_fitting_step(double width, double height, QSize frame, QSize room)
{
    double fit = kSteps.front();
    for (double step : kSteps) {
        const Zoom zoom(step);
        const QSize window = QSize(zoom.window_pixels(width), zoom.window_pixels(height)) + frame;
        if (window.width() <= room.width() && window.height() <= room.height())
            fit = step;
    }
    return Zoom(fit);
}

Zoom zoom_of(const QWidget* widget)
{
    for (const QWidget* window = widget ? widget->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr)
        if (const auto* zoomed = dynamic_cast<const ZoomedWindow*>(window))
            return zoomed->zoom();
    return Zoom();
}

}  // namespace tesselka::forms
