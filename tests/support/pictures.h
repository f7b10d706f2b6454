#pragma once
// Comparing two renders pixel by pixel.

#include <QImage>
#include <QRect>

namespace tesselka::testing {

// How many pixels differ between `a` and `b` within `area` (all of them when it is null). Renders
// of different sizes differ in every pixel, and one more, however small the difference.
inline int differing_pixels(const QImage& a, const QImage& b, QRect area = {})
{
    if (area.isNull() && a.size() != b.size())
        return a.width() * a.height() + 1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    const QRect inside = (area.isNull() ? x.rect() : area) & x.rect() & y.rect();
    int n = 0;
    for (int row = inside.top(); row <= inside.bottom(); ++row)
        for (int col = inside.left(); col <= inside.right(); ++col)
            n += x.pixel(col, row) != y.pixel(col, row);
    return n;
}

}  // namespace tesselka::testing
