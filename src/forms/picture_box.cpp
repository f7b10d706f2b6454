#include "picture_box.h"

#include "system_colors.h"

#include <QPaintEvent>
#include <QPainter>

namespace tesselka::forms {

PictureBox::PictureBox(QWidget* parent, Border border)
    : QFrame(parent), Placed(static_cast<QWidget&>(*this)), sunken_(border == Border::sunken)
{
    if (sunken_) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(zoom_of(this).scaled(2));
    }
    client_.set_back_color(system_color::button_face());
    fore_ = system_color::window_text();
    // It paints every one of its pixels, so what lies under it need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);  // nothing in a picture box answers the keyboard
}

void PictureBox::rezoom()
{
    if (sunken_)
        setLineWidth(zoom_of(this).scaled(2));
    Placed::rezoom();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        client_.paint(painter, event->rect());
    }
    QFrame::paintEvent(event);  // the border, around the client area
}

}  // namespace tesselka::forms
