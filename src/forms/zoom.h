#pragma once
// The zoom of a window, for a projector in a classroom: 1 draws it as laid out, 2 twice as large.
// Every control is placed in twips; the zoom maps them to pixels of the screen at its scale.
// Each window holds its own (a Form, form.h); its controls, and the dialogs it opens, read it
// from the window they are in (zoom_of).

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

class QPainter;
class QWidget;

namespace tesselka::forms {

class Zoom {
public:
    // The steps a teacher moves through, as factors; the first is the windows as laid out.
    static constexpr std::array<double, 7> kSteps = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

    constexpr Zoom() = default;
    constexpr explicit Zoom(double factor) : factor_(factor) {}
    double factor() const { return factor_; }
    bool operator==(const Zoom&) const = default;

    // Twips to pixels at the screen's dpi and this zoom. Edges are rounded one by one, so that
    // two controls that touch in twips touch in pixels too.
    double pixels_per_twip() const;
    int to_pixels(double twips) const;
    QPoint to_pixels(double x, double y) const;
    // The rectangle whose edges are the rounded twip edges; empty when width or height is not
    // positive.
    QRect to_pixels(double left, double top, double width, double height) const;

    // The size of a window's client area of `twips`, rounded as a whole, at this zoom.
    int window_pixels(double twips) const;

    // A length given in pixels as laid out (a margin, a border), at this zoom.
    int scaled(int pixels) const;
    // A font given as laid out, at this zoom: drawn larger, never blown up as a picture.
    QFont font(const QFont& laid_out) const;
    // The width of a line that is 1 pixel as laid out: a whole number of the painter's device
    // pixels at any zoom and screen density, so that every such line is equally thick.
    qreal line_width(const QPainter& painter) const;

    // The step after this one upwards (`up`) or downwards; the last or first step when there is
    // none.
    Zoom next_step(bool up) const;

    // The largest step at which a window whose client area is `width` x `height` twips, with
    // `frame` around it (the title bar and borders a window manager adds), fits `room`; the
    // first step when none does.
    static Zoom largest_fitting_step(double width, double height, QSize frame, QSize room);

private:
    double factor_ = 1.0;
};

// A window that has a zoom of its own, and a client area that may lie away from its top left.
class ZoomedWindow {
public:
    virtual Zoom zoom() const = 0;
    virtual QPoint client_origin() const { return {}; }

protected:
    ~ZoomedWindow() = default;
};

// The zoom of the window `widget` lies in, or of the window that opened that one (a dialog takes
// its parent's); 1 when there is none.
Zoom zoom_of(const QWidget* widget);

}  // namespace tesselka::forms
