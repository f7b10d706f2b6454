#include "line.h"

#include "system_colors.h"
#include "twips.h"

#include <QPainter>

#include <algorithm>

namespace tesselka::forms {

Line::Line(ControlHost& host) : Control(host), color_(system_color::window_text()) {}

void Line::place(double x1, double y1, double x2, double y2)
{
    set_x1(x1);
    set_y1(y1);
    set_x2(x2);
    set_y2(y2);
}

void Line::paint(QPainter& painter) const
{
    painter.save();
    // One pixel of the window as laid out, zoomed: two device pixels on a screen of double
    // density.
    const Zoom zoom = this->zoom();
    const qreal width = zoom.line_width(painter);
    painter.setPen(QPen(color_, width, dotted_ ? Qt::DotLine : Qt::SolidLine));
    painter.drawLine(pixel_line(zoom.to_pixels(x1_, y1_), zoom.to_pixels(x2_, y2_), width));
    painter.restore();
}

QRect Line::bounds() const
{
    const Zoom zoom = this->zoom();
    const int m = std::max(1, zoom.scaled(1));  // the line's width, and a pixel for its cap
    return QRect(zoom.to_pixels(x1_, y1_), zoom.to_pixels(x2_, y2_)).normalized().adjusted(-m, -m, m, m);
}

}  // namespace tesselka::forms
