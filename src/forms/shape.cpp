#include "shape.h"

#include "system_colors.h"
#include "twips.h"

#include <QPainter>

namespace tesselka::forms {

Shape::Shape(Container& container, Kind kind)
    : BoxControl(container), kind_(kind), border_(system_color::window_text())
{
}

QRect Shape::outline() const
{
    const QRect box = bounds();
    if (kind_ != Kind::circle || box.isEmpty())
        return box;
    const int d = std::min(box.width(), box.height());
    return QRect(box.x() + (box.width() - d) / 2, box.y() + (box.height() - d) / 2, d, d);
}

void Shape::paint(QPainter& painter) const
{
    const QRect r = outline();
    if (r.isEmpty())
        return;  // a box of no or negative size draws nothing
    const QColor inside = fill_ ? *fill_ : back_ ? *back_ : QColor();
    painter.save();
    if (kind_ == Kind::rectangle) {
        if (inside.isValid())
            painter.fillRect(r, inside);
        painter.setPen(border_);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pixel_outline(r));
    } else {
        // Small circles read better smoothed; the pixel at the centre keeps the fill colour.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(border_, 1));
        painter.setBrush(inside.isValid() ? QBrush(inside) : Qt::NoBrush);
        painter.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.restore();
}

}  // namespace tesselka::forms
