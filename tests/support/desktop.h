#pragma once
// A pupil's desktop for end-to-end tests: the X display the tests run on (Xvfb), a window
// manager, and the means to find windows by title, click, type and take screenshots. Windows are
// driven from outside, through xdotool and wmctrl, as a person would drive them.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace tesselka::e2e {

using WindowId = unsigned long;

class Desktop {
public:
    // Starts the window manager once for the whole test run.
    static void start_window_manager();

    // The visible window whose title is exactly `title`, waiting up to `timeout_ms`.
    static std::optional<WindowId> find(const QString& title, int timeout_ms = 10000);
    static bool exists(const QString& title) { return find(title, 0).has_value(); }
    // How many visible windows have that title now.
    static int count(const QString& title);
    // Waits until no visible window has that title.
    static bool wait_gone(const QString& title, int timeout_ms = 5000);

    // The client area in screen coordinates.
    static QRect geometry(WindowId window);
    static void resize(WindowId window, QSize size);

    // Clicks at a point of the window's client area, in its pixels.
    static void click(WindowId window, QPoint at);
    // Moves the mouse to a point of the window, then turns the wheel one notch towards the pupil.
    static void hover(WindowId window, QPoint at);
    static void wheel_down(WindowId window, QPoint at);
    // Presses keys (xdotool names: "Return", "ctrl+a", "Down") in the focused window.
    static void key(WindowId window, const QString& keys);
    static void type(WindowId window, const QString& text);
    // Asks the window to close, as its close box does.
    static void close(WindowId window);

    // The window's client area as it shows now.
    static QImage shot(WindowId window);

private:
    static QStringList windows(const QString& title);
    static QString run(const QString& program, const QStringList& arguments, int timeout_ms = 10000);
};

// Waits, letting this process's own events run, for `ms` milliseconds.
void pause(int ms);

}  // namespace tesselka::e2e
