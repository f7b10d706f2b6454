#include "form.h"

#include "system_colors.h"
#include "twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace tesselka::forms {

Form::Form(const QString& caption, double client_width, double client_height)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(caption);
    setFixedSize(to_pixels(client_width), to_pixels(client_height));
    client_.set_back_color(system_color::button_face());
}

void Form::center_on_screen()
{
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void Form::showEvent(QShowEvent* event)
{
    // The focused control shows it from the start, not only after the first Tab. Qt clears
    // the flag when a window is shown, so it is set here.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::showEvent(event);
}

void Form::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    client_.paint(painter, event->rect());
}

}  // namespace tesselka::forms
