#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace tesselka::forms {

double screen_pixels_per_twip()
{
    static const double scale = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
        return (dpi > 0 ? dpi : 96.0) / 1440.0;
    }();
    return scale;
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
