#include "form.h"

#include "platform.h"
#include "system_colors.h"
#include "twips.h"
#include "zoom.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace tesselka::forms {

Form::Form(const QString& caption, double client_width, double client_height)
    : QWidget(nullptr, fixed_window_flags()), client_width_(client_width), client_height_(client_height)
{
    setWindowTitle(caption);
    setFixedSize(client_size(zoom()));
    client_.set_back_color(system_color::button_face());
    add_zoom_keys();
}

QSize Form::client_size(double factor) const
{
    return {to_pixels_at(client_width_, factor), to_pixels_at(client_height_, factor)};
}

double Form::zoom_to_fill(double width, double height, QSize room)
{
    return std::min(double(room.width()) / to_pixels_at(width, 1), double(room.height()) / to_pixels_at(height, 1));
}

QRect Form::client_rect() const { return QRect(origin_, client_size(zoom())); }

QPoint Form::client_origin_of(const QWidget* widget)
{
    const auto* form = dynamic_cast<const Form*>(widget);
    return form ? form->origin_ : QPoint();
}

bool Form::event(QEvent* event)
{
    // A window made while the others were zoomed takes the zoom before it is first shown or
    // grabbed.
    if (event->type() == QEvent::Polish && zoom_applied_ != zoom())
        apply_zoom();
    return QWidget::event(event);
}

void Form::center_on_screen()
{
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void Form::draw_hidden()
{
    winId();  // the native window, and with it the backing store
    QBackingStore* store = backingStore();
    const QRect all = rect();
    store->resize(all.size());
    store->beginPaint(all);
    render(store->paintDevice());
    store->endPaint();
}

void Form::showEvent(QShowEvent* event)
{
    // The focused control shows it from the start, not only after the first Tab. Qt clears
    // the flag when a window is shown, so it is set here.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::showEvent(event);
    // A window laid out full screen while hidden may have been drawn at another window's zoom.
    if (full_screen_)
        zoom_windows(zoom_to_fill(client_width_, client_height_, size()));
}

void Form::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (full_screen_)
        painter.fillRect(rect(), client_.back_color());  // the margins around the client area
    client_.paint(painter, event->rect());
}

}  // namespace tesselka::forms
