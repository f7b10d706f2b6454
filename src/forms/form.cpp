#include "form.h"

#include "fonts.h"
#include "placed.h"
#include "platform/platform.h"
#include "system_colors.h"

#include <QApplication>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <functional>

namespace tesselka::forms {

Form::Form(const QString& caption, double client_width, double client_height)
    : QWidget(nullptr, platform::fixed_window_flags()), client_width_(client_width), client_height_(client_height)
{
    setWindowTitle(caption);
    setFixedSize(client_size(zoom_));
    client_.set_back_color(system_color::button_face());
    add_zoom_keys();
}

QSize Form::client_size(Zoom zoom) const
{
    return {zoom.window_pixels(client_width_), zoom.window_pixels(client_height_)};
}

double Form::zoom_to_fill(double width, double height, QSize room)
{
    const Zoom laid_out;
    return std::min(double(room.width()) / laid_out.window_pixels(width),
                    double(room.height()) / laid_out.window_pixels(height));
}

QRect Form::client_rect() const { return QRect(origin_, client_size(zoom_)); }

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
    if (full_screen_)
        fill_screen();
}

void Form::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (full_screen_)
        painter.fillRect(rect(), client_.back_color());  // the margins around the client area
    client_.paint(painter, event->rect());
}

// The zoom: its keys and wheel, full screen, and the layout at a new zoom.

void zoom_windows(Zoom zoom)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<Form*>(window))
            form->set_zoom(zoom);
}

void Form::set_zoom(Zoom zoom)
{
    if (full_screen_)
        zoom_before_full_screen_ = zoom;
    else if (zoom != zoom_)
        lay_out(zoom);
}

void Form::lay_out(Zoom zoom)
{
    zoom_ = zoom;
    // The windowed controls without a font of their own take the window's.
    setFont(zoom.factor() == 1.0 ? QFont() : zoom.font(QApplication::font()));
    const QSize client = client_size(zoom);
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

void Form::fill_screen()
{
    lay_out(Zoom(zoom_to_fill(client_width_, client_height_, size())));
}

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

Zoom Form::largest_step_on_screen() const
{
    const QScreen* s = screen();
    if (!s)
        return Zoom(Zoom::kSteps.back());
    // The title bar and borders the window manager adds, once the window is shown.
    return Zoom::largest_fitting_step(client_width_, client_height_, frameGeometry().size() - size(),
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
    const Zoom next = zoom_.next_step(true);
    if (full_screen_ || next == zoom_ || next.factor() > largest_step_on_screen().factor())
        return;
    zoom_windows(next);
    keep_on_screen();
}

void Form::zoom_out()
{
    if (!full_screen_)
        zoom_windows(zoom_.next_step(false));
}

void Form::zoom_reset()
{
    if (!full_screen_)
        zoom_windows(Zoom());
}

void Form::set_full_screen(bool on)
{
    if (on == full_screen_)
        return;
    full_screen_ = on;
    escape_->setEnabled(on);
    const bool shown = isVisible();
    // Window managers let only a window that may be resized and maximised fill the screen.
    setWindowFlags(on ? Qt::Window : platform::fixed_window_flags());
    if (on) {
        zoom_before_full_screen_ = zoom_;
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
        lay_out(zoom_before_full_screen_);
        center_on_screen();
        showNormal();
    }
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (full_screen_)
        fill_screen();
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
