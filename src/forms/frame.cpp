#include "frame.h"

#include "system_colors.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace tesselka::forms {

Frame::Frame(QWidget* parent, const QString& caption)
    : QWidget(parent), Placed(static_cast<QWidget&>(*this)), title_(caption)
{
    setAccessibleName(caption);
    setAttribute(Qt::WA_OpaquePaintEvent);  // it fills its whole box itself
}

void Frame::paintEvent(QPaintEvent* event)
{
    // Painted here rather than by the style, so that the frame has the same face as the labels
    // inside it: an etched outline whose top runs through the middle of the caption.
    QPainter painter(this);
    painter.fillRect(rect(), system_color::button_face());
    const QFontMetrics metrics(font());
    const int line_y = metrics.height() / 2;
    // Two outlines of a line's width each, the light one a line's width right of and below the
    // dark one.
    const Zoom zoom = zoom_of(this);
    const qreal width = zoom.line_width(painter);
    const int step = std::max(1, zoom.scaled(1));
    const QRect outline = rect().adjusted(0, line_y, -2 * step, -2 * step);
    const QRectF dark = QRectF(outline).translated(width / 2, width / 2);
    painter.setPen(QPen(system_color::button_face().darker(140), width));
    painter.drawRect(dark);
    painter.setPen(QPen(Qt::white, width));
    painter.drawRect(dark.translated(width, width));
    const QRect caption_box(zoom.scaled(8), 0, metrics.horizontalAdvance(title_) + zoom.scaled(4),
                            metrics.height());
    painter.fillRect(caption_box, system_color::button_face());
    painter.setPen(system_color::button_text());
    painter.drawText(caption_box, Qt::AlignCenter, title_);
    client_.paint(painter, event->rect());
}

}  // namespace tesselka::forms
