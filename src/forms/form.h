#pragma once
// A window of fixed size: a caption, a close box and no maximise or minimise button. Its client
// area is the container of the light-weight controls that lie directly on it.
//
// The window has its own zoom, which its controls read: Ctrl with + / - / 0 or the wheel step it
// (every open window together), F11 shows it full screen and F11 or Esc restores it. Its size
// is fixed at each zoom.

#include "container.h"
#include "zoom.h"

#include <QWidget>

class QShortcut;

namespace tesselka::forms {

class Form : public QWidget, public ZoomedWindow {
public:
    Form(const QString& caption, double client_width, double client_height);

    Container& client() { return client_; }
    const Container& client() const { return client_; }
    void center_on_screen();

    // Draws the window once while it is hidden, into its own backing store: its first paint on
    // screen then finds the store, and every cached caption and drawing surface, made already.
    void draw_hidden();

    Zoom zoom() const override { return zoom_; }
    // Where the client area lies in the window: it moves from the top left only in full screen.
    QPoint client_origin() const override { return origin_; }
    // Lays the window out at `zoom`: its size, every windowed control and its font; the
    // light-weight controls follow by themselves. In full screen the zoom is the one the window
    // returns to when it leaves full screen.
    void set_zoom(Zoom zoom);
    // The zoom out of full screen: the present one, or the one it returns to.
    Zoom windowed_zoom() const { return full_screen_ ? zoom_before_full_screen_ : zoom_; }

    // One step up, one down, back to the layout's size, for every open window. Zooming in stops
    // at the largest step whose window fits the screen's available area; in full screen the keys
    // do nothing.
    void zoom_in();
    void zoom_out();
    void zoom_reset();

    // Full screen shows the client area at the largest scale that fits the screen, centred, the
    // margins in the window's background colour. Leaving it restores the zoom it had before.
    void set_full_screen(bool on);
    bool full_screen() const { return full_screen_; }

    // The zoom at which a client area of `width` x `height` twips just fits `room`, as in full
    // screen.
    static double zoom_to_fill(double width, double height, QSize room);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The client area's size at a zoom.
    QSize client_size(Zoom zoom) const;
    QRect client_rect() const;

    void lay_out(Zoom zoom);
    void fill_screen();
    void add_zoom_keys();
    Zoom largest_step_on_screen() const;
    void keep_on_screen();

    Container client_{*this, [this] { return client_rect(); }};
    double client_width_, client_height_;
    Zoom zoom_;
    QPoint origin_;
    bool full_screen_ = false;
    Zoom zoom_before_full_screen_;
    int wheel_ = 0;  // the wheel's turn not yet taken as a step, in eighths of a degree
    QShortcut* escape_ = nullptr;
};

// Sets the zoom of every open window (`Form::set_zoom`).
void zoom_windows(Zoom zoom);

}  // namespace tesselka::forms
