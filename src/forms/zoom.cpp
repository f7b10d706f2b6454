#include "zoom.h"

#include "fonts.h"
#include "form.h"
#include "placed.h"
#include "platform.h"
#include "twips.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QWheelEvent>

#include <algorithm>
#include <functional>

namespace tesselka::forms {

double next_zoom_step(double factor, bool up)
{
    if (up) {
        const auto it = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), factor);
        return it == kZoomSteps.end() ? kZoomSteps.back() : *it;
    }
    const auto it = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), factor);
    return it == kZoomSteps.begin() ? kZoomSteps.front() : *(it - 1);
}

double largest_fitting_step(double width, double height, QSize frame, QSize room)
{
    double fit = kZoomSteps.front();
    for (double step : kZoomSteps) {
        const QSize window = QSize(to_pixels_at(width, step), to_pixels_at(height, step)) + frame;
        if (window.width() <= room.width() && window.height() <= room.height())
            fit = step;
    }
    return fit;
}

void zoom_windows(double factor)
{
    set_zoom(factor);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<Form*>(window))
            form->apply_zoom();
}

// The window's side: its zoom keys and wheel, its full screen, and its layout at a new zoom.

void Form::add_zoom_keys()
{
    auto add = [this](QList<QKeySequence> keys, std::function<void()> action) {
        // A key named twice would be ambiguous, and Qt would then run neither.
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
        return shortcut;
    };
    // A Japanese keyboard has '+' on Shift with ';', others on Shift with '='; Qt may be told
    // of either key.
    add(QKeySequence::keyBindings(QKeySequence::ZoomIn) +
            QList<QKeySequence>{Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::SHIFT | Qt::Key_Plus,
                                Qt::CTRL | Qt::Key_Semicolon, Qt::CTRL | Qt::SHIFT | Qt::Key_Semicolon,
                                Qt::CTRL | Qt::Key_Equal},
        [this] { zoom_in(); });
    add(QKeySequence::keyBindings(QKeySequence::ZoomOut) +
            QList<QKeySequence>{Qt::CTRL | Qt::Key_Minus},
        [this] { zoom_out(); });
    add({Qt::CTRL | Qt::Key_0}, [this] { zoom_reset(); });
    add({Qt::Key_F11}, [this] { set_full_screen(!full_screen_); });
    escape_ = add({Qt::Key_Escape}, [this] { set_full_screen(false); });
    escape_->setEnabled(false);  // Esc is the windows' own outside full screen
}

void Form::apply_zoom()
{
    zoom_applied_ = zoom();
    // The windowed controls without a font of their own take the window's.
    setFont(zoom() == 1.0 ? QFont() : zoomed(QApplication::font()));
    const QSize client = client_size(zoom());
    if (full_screen_) {
        origin_ = QPoint((width() - client.width()) / 2, (height() - client.height()) / 2);
    } else {
        origin_ = QPoint();
        setFixedSize(client);
    }
    for (QWidget* child : findChildren<QWidget*>())
        if (auto* placed = dynamic_cast<Placed*>(child))
            placed->rezoom();
    update();
}

double Form::largest_step_on_screen() const
{
    const QScreen* s = screen();
    if (!s)
        return kZoomSteps.back();
    // The title bar and borders the window manager adds, once the window is shown.
    return largest_fitting_step(client_width_, client_height_, frameGeometry().size() - size(),
                                s->availableGeometry().size());
}

void Form::keep_on_screen()
{
    const QScreen* s = screen();
    if (!s)
        return;
    const QRect room = s->availableGeometry();
    const QRect frame = frameGeometry();
    const int x = std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width() + 1));
    const int y = std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height() + 1));
    if (QPoint(x, y) != frame.topLeft())
        move(x, y);
}

void Form::zoom_in()
{
    const double next = next_zoom_step(zoom(), true);
    if (full_screen_ || next == zoom() || next > largest_step_on_screen())
        return;
    zoom_windows(next);
    keep_on_screen();
}

void Form::zoom_out()
{
    if (full_screen_)
        return;
    zoom_windows(next_zoom_step(zoom(), false));
}

void Form::zoom_reset()
{
    if (!full_screen_)
        zoom_windows(1.0);
}

void Form::set_full_screen(bool on)
{
    if (on == full_screen_)
        return;
    full_screen_ = on;
    escape_->setEnabled(on);
    const bool shown = isVisible();
    // Window managers let only a window that may be resized and maximised fill the screen.
    setWindowFlags(on ? Qt::Window : fixed_window_flags());
    if (on) {
        zoom_before_full_screen_ = zoom();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (shown) {
            showFullScreen();  // the zoom follows in resizeEvent
        } else {
            // Laid out at the screen's size; show() shows it so.
            setWindowState(Qt::WindowFullScreen);
            if (const QScreen* s = screen())
                setGeometry(s->geometry());
        }
    } else {
        zoom_windows(zoom_before_full_screen_);
        center_on_screen();
        showNormal();
    }
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!full_screen_)
        return;
    zoom_windows(zoom_to_fill(client_width_, client_height_, size()));
}

void Form::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    // A step for each notch of the wheel (15 degrees); a touch pad's smaller turns add up.
    wheel_ += event->angleDelta().y();
    for (; wheel_ >= 120; wheel_ -= 120)
        zoom_in();
    for (; wheel_ <= -120; wheel_ += 120)
        zoom_out();
    event->accept();
}

}  // namespace tesselka::forms
