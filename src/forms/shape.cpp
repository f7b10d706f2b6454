#include "shape.h"

#include "system_colors.h"
#include "twips.h"

#include <QPainter>

namespace tesselka::forms {

Shape::Shape(ControlHost& host, Kind kind)
    : BoxControl(host), kind_(kind), border_(system_color::window_text())
{}

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
        const qreal width = zoom().line_width(painter);
        painter.setPen(QPen(border_, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pixel_outline(r, width));
    } else {
        // Small circles read better smoothed; the pixel at the centre keeps the fill colour.
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal width = zoom().line_width(painter);
        painter.setPen(QPen(border_, width));
        painter.setBrush(inside.isValid() ? QBrush(inside) : Qt::NoBrush);
        painter.drawEllipse(pixel_outline(r, width));
    }
    painter.restore();
}

}  // namespace tesselka::forms
