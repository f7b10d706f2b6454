#pragma once
// Twips (1/1440 inch) and the screen: 15 twips make a pixel at 96 dpi, and the scale follows the
// screen's logical dpi. The zoom's side of the mapping is in zoom.h. Lines that are whole pixels
// wide are drawn along pixel edges here.

#include <QLineF>
#include <QPoint>
#include <QRect>

namespace tesselka::forms {

// Pixels per twip at the screen's dpi, before any zoom.
double screen_pixels_per_twip();

// A line of `width` along the pixels from `from` to `to`: it covers those pixels and, when wider,
// the ones right of and below them, on a screen of any density.
QLineF pixel_line(QPoint from, QPoint to, qreal width = 1);
// The outline of a box drawn with a pen of `width` inside its edge pixels.
QRectF pixel_outline(const QRect& box, qreal width = 1);

}  // namespace tesselka::forms
