#include "container.h"

#include "label.h"
#include "twips.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace tesselka::forms {

void Container::set_stacking(const std::vector<const Control*>& order)
{
    // A stable partition keeps the unnamed ones behind, in their order, and the named ones in
    // front, back-most first.
    auto rank = [&](const std::unique_ptr<Control>& c) {
        const auto it = std::find(order.begin(), order.end(), c.get());
        return it == order.end() ? -1 : static_cast<int>(order.end() - it);
    };
    std::stable_sort(controls_.begin(), controls_.end(),
                     [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    changed(QRect(QPoint(0, 0), client().size()));
}

void Container::set_back_color(QColor color)
{
    back_ = color;
    changed(QRect(QPoint(0, 0), client().size()));
}

void Container::set_picture(const QImage& picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;  // the same picture again: nothing to repaint
    const QRect before = picture_rect();
    picture_ = picture;
    changed(before.united(picture_rect()));
}

QRect Container::picture_rect() const
{
    return QRect(0, 0, zoom().scaled(picture_.width()), zoom().scaled(picture_.height()));
}

void Container::draw_line(double x1, double y1, double x2, double y2, QColor color)
{
    strokes_.push_back({x1, y1, x2, y2, color});
    const Zoom zoom = this->zoom();
    if (!surface_.isNull() && surface_zoom_ == zoom)
        draw_stroke(surface_, strokes_.back());
    const QPoint a = zoom.to_pixels(x1, y1), b = zoom.to_pixels(x2, y2);
    const int m = std::max(1, zoom.scaled(1));
    changed(QRect(a, b).normalized().adjusted(-m, -m, m, m));
}

const QImage& Container::surface() const
{
    const qreal ratio = widget_.devicePixelRatioF();
    const QSize size = client().size() * ratio;
    if (strokes_.empty() || (surface_zoom_ == zoom() && surface_.size() == size &&
                             surface_.devicePixelRatio() == ratio))
        return surface_;
    surface_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(Qt::transparent);
    surface_zoom_ = zoom();
    for (const Stroke& stroke : strokes_)
        draw_stroke(surface_, stroke);
    return surface_;
}

void Container::draw_stroke(QImage& surface, const Stroke& stroke) const
{
    QPainter painter(&surface);
    const Zoom zoom = this->zoom();
    const qreal width = zoom.line_width(painter);
    painter.setPen(QPen(stroke.color, width));
    painter.drawLine(
        pixel_line(zoom.to_pixels(stroke.x1, stroke.y1), zoom.to_pixels(stroke.x2, stroke.y2), width));
}

std::vector<const Label*> Container::labels() const
{
    std::vector<const Label*> out;
    for (const auto& control : controls_)
        if (const auto* label = dynamic_cast<const Label*>(control.get()))
            out.push_back(label);
    return out;
}

int Container::stacking_index(const Control& control) const
{
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].get() == &control)
            return static_cast<int>(i);
    return -1;
}

void Container::paint(QPainter& painter, const QRect& dirty) const
{
    const QRect client_rect = client();
    const QRect wanted = dirty.translated(-client_rect.topLeft());
    const QRect area(QPoint(0, 0), client_rect.size());
    painter.save();
    painter.translate(client_rect.topLeft());
    painter.setClipRect(area, Qt::IntersectClip);
    if (back_.isValid())
        painter.fillRect(area, back_);
    if (!picture_.isNull() && zoom() == Zoom()) {
        painter.drawImage(QPoint(0, 0), picture_);
    } else if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(picture_rect(), picture_);
    }
    if (const QImage& lines = surface(); !lines.isNull())
        painter.drawImage(QPoint(0, 0), lines);
    for (const auto& control : controls_)
        if (control->visible() && control->bounds().intersects(wanted))
            control->paint(painter);
    painter.restore();
}

void Container::changed(const QRect& pixels) const
{
    const QRect client_rect = client();
    const QRect area = pixels.intersected(QRect(QPoint(0, 0), client_rect.size()));
    if (!area.isEmpty())
        widget_.update(area.translated(client_rect.topLeft()));
}

Zoom Container::zoom() const
{
    return zoom_of(&widget_);
}

}  // namespace tesselka::forms
