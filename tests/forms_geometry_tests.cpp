// Twips to pixels, and geometry that reads back as it was set.

#include "forms/form.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/shape.h"
#include "forms/zoom.h"
#include "forms/widgets.h"

#include <gtest/gtest.h>

#include <limits>

namespace tesselka::forms {
namespace {

struct EdgeCase {
    double twips;
    int pixels;
};

class TwipEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(TwipEdge, RoundsToNearestPixel)
{
    ASSERT_DOUBLE_EQ(Zoom().pixels_per_twip() * 15, 1.0) << "the values assume 96 dpi";
    EXPECT_EQ(Zoom().to_pixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Values, TwipEdge,
                         testing::Values(EdgeCase{7, 0}, EdgeCase{8, 1}, EdgeCase{2900, 193},
                                         EdgeCase{2907, 194}, EdgeCase{-7, 0}, EdgeCase{-8, -1},
                                         EdgeCase{-2907, -194}));

struct BoxCase {
    double left, top, width, height;
    QRect pixels;  // null: empty
};

class TwipBox : public testing::TestWithParam<BoxCase> {};

TEST_P(TwipBox, EdgesRoundOneByOne)
{
    const BoxCase& c = GetParam();
    const QRect r = Zoom().to_pixels(c.left, c.top, c.width, c.height);
    if (c.pixels.isNull())
        EXPECT_TRUE(r.isEmpty());
    else
        EXPECT_EQ(r, c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TwipBox,
    testing::Values(  // 193.3 to 293.3 and 8.0 to 28.3 px: edges are rounded, not sizes
        BoxCase{2900, 120, 1500, 305, QRect(193, 8, 100, 20)},
        BoxCase{-300, -150, 600, 300, QRect(-20, -10, 40, 20)},
        BoxCase{100, 100, 0, 300, QRect()}, BoxCase{100, 100, -300, 300, QRect()},
        BoxCase{100, 100, 300, -300, QRect()},
        BoxCase{100, 100, std::numeric_limits<double>::quiet_NaN(), 300, QRect()}));

TEST(Twips, BoxesThatTouchInTwipsTouchInPixels)
{
    // Every phase of a pixel: no gap and no overlap between neighbours.
    for (int left = -45; left <= 45; ++left) {
        for (int width = 1; width <= 100; width += 3) {
            const QRect a = Zoom().to_pixels(left, 0, width, 15);
            const QRect b = Zoom().to_pixels(left + width, 0, 100, 15);
            ASSERT_EQ(a.right() + 1, b.left()) << "left " << left << " width " << width;
        }
    }
}

TEST(Geometry, ReadsBackExactlyAsSet)
{
    // Fractional, negative and far outside the window: a handler may set any of them.
    for (double v : {100.5, -2900.25, 1e6, -1e6, 0.1}) {
        SCOPED_TRACE(v);
        const auto f = [](double x) { return static_cast<float>(x); };
        Form form(QStringLiteral("t"), 1500, 1500);
        Label& label = form.client().add<Label>();
        label.place(v, v + 1, v + 2, v + 3);
        Shape& shape = form.client().add<Shape>(Shape::Kind::circle);
        shape.set_top(-v);
        shape.set_height(-v * 2);
        Line& line = form.client().add<Line>();
        line.place(v, -v, v / 3, v * 3);
        line.set_y2(v + 7);
        auto* button = new CommandButton(&form, QStringLiteral("b"));
        button->place(v, v / 2, 1200.25, -v);

        EXPECT_EQ(label.left(), f(v));
        EXPECT_EQ(label.top(), f(v + 1));
        EXPECT_EQ(label.width(), f(v + 2));
        EXPECT_EQ(label.height(), f(v + 3));
        EXPECT_EQ(shape.top(), f(-v));
        EXPECT_EQ(shape.height(), f(-v * 2));
        EXPECT_EQ(line.x1(), f(v));
        EXPECT_EQ(line.y1(), f(-v));
        EXPECT_EQ(line.x2(), f(v / 3));
        EXPECT_EQ(line.y2(), f(v + 7));
        EXPECT_EQ(button->left_twips(), f(v));
        EXPECT_EQ(button->top_twips(), f(v / 2));
        EXPECT_EQ(button->width_twips(), f(1200.25));
        EXPECT_EQ(button->height_twips(), f(-v));
    }
}

TEST(Geometry, EmptyWindowedControlKeepsItsPosition)
{
    // Placed::place means to keep the top left of an empty box, but to_pixels gives a null
    // rectangle for a width or height that is not positive.
    Form form(QStringLiteral("t"), 3000, 3000);
    auto* button = new CommandButton(&form, QStringLiteral("b"));
    button->place(1500, 750, 0, 300);
    EXPECT_EQ(button->pos(), QPoint(100, 50));
}

}  // namespace
}  // namespace tesselka::forms
