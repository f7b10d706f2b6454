#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace tesselka::forms {

double pixels_per_twip()
{
    static const double scale = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
        return (dpi > 0 ? dpi : 96.0) / 1440.0;
    }();
    return scale;
}

int to_pixels(double twips)
{
    return static_cast<int>(std::floor(twips * pixels_per_twip() + 0.5));
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

QLineF pixel_line(QPoint from, QPoint to)
{
    const QPointF half(0.5, 0.5);
    return {QPointF(from) + half, QPointF(to) + half};
}

QRectF pixel_outline(const QRect& box)
{
    return QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
}

}  // namespace tesselka::forms
