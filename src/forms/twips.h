#pragma once
// Twips (1/1440 inch) to pixels. Every control is placed in twips; 15 twips make a pixel at
// 96 dpi, and the scale follows the screen's logical dpi. Edges are rounded one by one, so that
// two controls that touch in twips touch in pixels too.

#include <QPoint>
#include <QRect>

#include <QLineF>

namespace tesselka::forms {

double pixels_per_twip();
int to_pixels(double twips);
QPoint to_pixels(double x, double y);
// The rectangle whose edges are the rounded twip edges; empty when width or height is not
// positive.
QRect to_pixels(double left, double top, double width, double height);

// A 1-pixel line between the centres of two pixels, so that it covers exactly those pixels on
// a screen of any density.
QLineF pixel_line(QPoint from, QPoint to);
// The outline of a box through the centres of its edge pixels.
QRectF pixel_outline(const QRect& box);

}  // namespace tesselka::forms
