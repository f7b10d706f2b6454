#include "twips.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tesselka::forms {

namespace {

double& zoom_factor()
{
    static double factor = 1.0;
    return factor;
}

}  // namespace

double zoom()
{
    return zoom_factor();
}

void set_zoom(double factor)
{
    zoom_factor() = factor;
}

double screen_pixels_per_twip()
{
    static const double scale = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
        return (dpi > 0 ? dpi : 96.0) / 1440.0;
    }();
    return scale;
}

double pixels_per_twip()
{
    return screen_pixels_per_twip() * zoom();
}

int to_pixels(double twips)
{
    return static_cast<int>(std::floor(twips * pixels_per_twip() + 0.5));
}

int to_pixels_at(double twips, double factor)
{
    return static_cast<int>(std::floor(twips * screen_pixels_per_twip() * factor + 0.5));
}

QPoint to_pixels(double x, double y)
{
    return {to_pixels(x), to_pixels(y)};
}

QRect to_pixels(double left, double top, double width, double height)
{
    if (!(width > 0 && height > 0))
        return {};
    const int x0 = to_pixels(left), y0 = to_pixels(top);
    return QRect(QPoint(x0, y0), QPoint(to_pixels(left + width) - 1, to_pixels(top + height) - 1));
}

int scaled(int pixels)
{
    return static_cast<int>(std::lround(pixels * zoom()));
}

qreal line_width(const QPainter& painter)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    return std::max(1.0, std::round(zoom() * ratio)) / ratio;
}

QLineF pixel_line(QPoint from, QPoint to, qreal width)
{
    const QPointF half(width / 2, width / 2);
    return {QPointF(from) + half, QPointF(to) + half};
}

QRectF pixel_outline(const QRect& box, qreal width)
{
    const qreal half = width / 2;
    return QRectF(box).adjusted(half, half, -half, -half);
}

}  // namespace tesselka::forms
