#pragma once
// Twips (1/1440 inch) to pixels. Every control is placed in twips; 15 twips make a pixel at
// 96 dpi, and the scale follows the screen's logical dpi and the windows' zoom. Edges are rounded
// one by one, so that two controls that touch in twips touch in pixels too.

#include <QLineF>
#include <QPoint>
#include <QRect>

class QPainter;

namespace tesselka::forms {

// The zoom of every window: 1 draws them as laid out, 2 twice as large. Only the scale is kept
// here; forms::zoom_windows (zoom.h) also lays the open windows out again.
double zoom();
void set_zoom(double factor);

// Pixels per twip at the screen's dpi, before and after the zoom.
double screen_pixels_per_twip();
double pixels_per_twip();
int to_pixels(double twips);
// The same at another zoom than the windows' present one.
int to_pixels_at(double twips, double factor);
QPoint to_pixels(double x, double y);
// The rectangle whose edges are the rounded twip edges; empty when width or height is not
// positive.
QRect to_pixels(double left, double top, double width, double height);

// A length given in pixels as laid out (a margin, a border), at the zoom.
int scaled(int pixels);

// The width of a line that is 1 pixel as laid out: a whole number of the painter's device pixels
// at any zoom and screen density, so that every such line is equally thick.
qreal line_width(const QPainter& painter);

// A line of `width` along the pixels from `from` to `to`: it covers those pixels and, when wider,
// the ones right of and below them, on a screen of any density.
QLineF pixel_line(QPoint from, QPoint to, qreal width = 1);
// The outline of a box drawn with a pen of `width` inside its edge pixels.
QRectF pixel_outline(const QRect& box, qreal width = 1);

}  // namespace tesselka::forms
