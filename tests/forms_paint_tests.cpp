// What a container paints, read back pixel by pixel. grab() paints a window afresh; flushed()
// reads what the window last showed, so it also checks that a change repaints where it should.

#include "forms/form.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/picture_box.h"
#include "forms/shape.h"
#include "forms/widgets.h"

#include <QCoreApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace tesselka::forms {
namespace {

const QColor kBack(Qt::white), kRed(Qt::red), kBlue(Qt::blue), kGreen(Qt::green), kInk(Qt::black);

QImage flushed(QWidget& window)
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
    return shown.convertToFormat(QImage::Format_RGB32);
}

int count(const QImage& image, QColor color, QRect area = {})
{
    area = area.isNull() ? image.rect() : area;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

int count_not(const QImage& image, QColor color, QRect area = {})
{
    area = area.isNull() ? image.rect() : area;
    return area.width() * area.height() - count(image, color, area);
}

Shape& add_box(Container& c, double left, double top, double width, double height, QColor fill,
               Shape::Kind kind = Shape::Kind::rectangle)
{
    Shape& shape = c.add<Shape>(kind);
    shape.place(left, top, width, height);
    shape.set_fill_color(fill);
    shape.set_border_color(fill);
    return shape;
}

// A 200 x 200 pixel window with a white client area, shown and painted once.
class Paint : public testing::Test {
protected:
    Paint()
    {
        form.client().set_back_color(kBack);
        form.show();
        flushed(form);
    }
    Container& c() { return form.client(); }
    QImage shot() { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    Form form{QStringLiteral("t"), 3000, 3000};
};

TEST_F(Paint, LaterControlsAreInFrontUntilRestacked)
{
    Shape& red = add_box(c(), 0, 0, 1500, 1500, kRed);        // px 0..99
    Shape& blue = add_box(c(), 750, 750, 1500, 1500, kBlue);  // px 50..149
    add_box(c(), 0, 900, 3000, 300, kGreen);                  // rows 60..79, never named
    EXPECT_EQ(shot().pixelColor(75, 70), kGreen);

    c().set_stacking({&red, &blue});  // front-most first; the unnamed one goes behind
    const QImage image = flushed(form);
    EXPECT_EQ(image.pixelColor(75, 90), kRed);
    EXPECT_EQ(image.pixelColor(75, 70), kRed);
    EXPECT_EQ(image.pixelColor(120, 70), kBlue);
    EXPECT_EQ(image.pixelColor(170, 70), kGreen);
}

TEST_F(Paint, ShapeOfNegativeSizeDrawsNothing)
{
    for (Shape::Kind kind : {Shape::Kind::rectangle, Shape::Kind::oval, Shape::Kind::circle}) {
        Shape& shape = add_box(c(), 1500, 1500, 300, -300, kRed, kind);
        shape.set_back_color(kGreen);
        shape.set_width(-600);
        shape.set_left(300);
    }
    EXPECT_EQ(count_not(shot(), kBack), 0);
    EXPECT_EQ(count_not(flushed(form), kBack), 0);
}

struct KindCase {
    Shape::Kind kind;
    bool fills_left_of_centre;
};

class ShapeKind : public Paint, public testing::WithParamInterface<KindCase> {};

TEST_P(ShapeKind, CircleIsTheLargestThatFitsCentred)
{
    // A 40 x 20 px box: a circle of 20 px sits in its middle, an oval fills it.
    add_box(c(), 0, 0, 600, 300, kRed, GetParam().kind);
    const QImage image = shot();
    EXPECT_EQ(image.pixelColor(20, 10), kRed);  // the centre keeps the fill colour
    EXPECT_EQ(image.pixelColor(5, 10), GetParam().fills_left_of_centre ? kRed : kBack);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShapeKind,
                         testing::Values(KindCase{Shape::Kind::rectangle, true},
                                         KindCase{Shape::Kind::oval, true},
                                         KindCase{Shape::Kind::circle, false}));

TEST_F(Paint, FillIsPaintedOverTheBackColour)
{
    Shape& both = add_box(c(), 0, 0, 600, 600, kRed, Shape::Kind::circle);
    both.set_back_color(kGreen);
    Shape& back_only = c().add<Shape>(Shape::Kind::circle);
    back_only.place(1500, 0, 600, 600);
    back_only.set_back_color(kGreen);
    const QImage image = shot();
    EXPECT_EQ(image.pixelColor(20, 20), kRed);
    EXPECT_EQ(image.pixelColor(120, 20), kGreen);
}

TEST_F(Paint, DottedLineLeavesCleanGapsSolidLineNone)
{
    for (bool dotted : {false, true}) {
        Line& line = c().add<Line>();
        line.place(0, dotted ? 1500 : 750, 3000, dotted ? 1500 : 750);
        line.set_color(kRed);
        line.set_dotted(dotted);
    }
    const QImage image = shot();
    EXPECT_GE(count(image, kRed, QRect(0, 50, 200, 1)), 199);
    const int dots = count(image, kRed, QRect(0, 100, 200, 1));
    EXPECT_GT(dots, 40);
    EXPECT_LT(dots, 140);
    EXPECT_EQ(count(image, kBack, QRect(0, 100, 200, 1)), 200 - dots);
}

TEST_F(Paint, OnlyAnOpaqueLabelPaintsItsBack)
{
    for (bool opaque : {true, false}) {
        Label& label = c().add<Label>();
        label.place(0, opaque ? 0 : 1500, 1500, 300);
        label.set_back_color(kGreen);
        label.set_opaque(opaque);
    }
    const QImage image = shot();
    EXPECT_EQ(image.pixelColor(50, 10), kGreen);
    EXPECT_EQ(image.pixelColor(50, 110), kBack);
}

TEST_F(Paint, LabelTextIsClippedToItsBox)
{
    Label& label = c().add<Label>();
    label.place(300, 300, 1500, 300);  // px 20..119 x 20..39: room for one line and a bit
    label.set_opaque(false);
    QFont font = label.font();
    font.setPixelSize(12);
    label.set_font(font);
    label.set_caption(QStringLiteral("コップの表面に水滴がつくのは、空気中の水蒸気が冷やされて"
                                     "水になるからです。"));
    const QImage image = shot();
    const QRect box(20, 20, 100, 20);
    EXPECT_GT(count_not(image, kBack, box), 20);
    EXPECT_EQ(count_not(image, kBack), count_not(image, kBack, box));
}

TEST_F(Paint, HiddenLabelLeavesNoTraceAndShowsAgain)
{
    Label& label = c().add<Label>();
    label.place(300, 300, 1500, 300);
    label.set_back_color(kGreen);
    label.set_caption(QStringLiteral("水滴"));
    ASSERT_GT(count(flushed(form), kGreen), 0);
    label.set_visible(false);
    EXPECT_EQ(count_not(flushed(form), kBack), 0);
    label.set_visible(true);
    label.set_top(1500);
    const QImage image = flushed(form);
    EXPECT_EQ(count_not(image, kBack, QRect(0, 0, 200, 100)), 0);
    EXPECT_EQ(image.pixelColor(115, 115), kGreen);
}

class MovedShape : public Paint, public testing::WithParamInterface<Shape::Kind> {};

TEST_P(MovedShape, LeavesNoTrace)
{
    Shape& shape = add_box(c(), 0, 0, 600, 600, kRed, GetParam());  // px 0..39
    ASSERT_GT(count(flushed(form), kRed), 0);
    shape.place(750, 1500, 900, 300);  // px 50..109 x 100..119
    const QImage image = flushed(form);
    EXPECT_EQ(count_not(image, kBack, QRect(0, 0, 200, 100)), 0);
    EXPECT_EQ(image.pixelColor(80, 110), kRed);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MovedShape,
                         testing::Values(Shape::Kind::rectangle, Shape::Kind::oval,
                                         Shape::Kind::circle));

struct LineCase {
    double x1, y1, x2, y2;
};

class MovedLine : public Paint, public testing::WithParamInterface<LineCase> {};

TEST_P(MovedLine, LeavesNoTrace)
{
    const LineCase& l = GetParam();
    Line& line = c().add<Line>();
    line.set_color(kRed);
    line.place(l.x1, l.y1, l.x2, l.y2);
    const QRect top(0, 0, 200, 100), bottom(0, 100, 200, 100);
    ASSERT_GT(count(flushed(form), kRed, top), 0);
    line.place(l.x1, l.y1 + 1500, l.x2, l.y2 + 1500);
    const QImage image = flushed(form);
    EXPECT_EQ(count(image, kRed, top), 0);
    EXPECT_GT(count(image, kRed, bottom), 0);
}

INSTANTIATE_TEST_SUITE_P(Ends, MovedLine,  // drawn both ways, and out past the window
                         testing::Values(LineCase{0, 300, 1400, 300}, LineCase{1400, 1400, 0, 0},
                                         LineCase{0, 1400, 1400, 0},
                                         LineCase{3300, 700, -300, 650}));

TEST_F(Paint, WindowedControlsArePaintedAboveLightWeightOnes)
{
    add_box(c(), 0, 0, 3000, 3000, kRed);
    auto* button = new CommandButton(&form, QStringLiteral("b"));
    button->place(300, 300, 1500, 600);  // px 20..119 x 20..59
    auto* box = new PictureBox(&form);
    box->place(1500, 1500, 1500, 1500);
    box->client().set_back_color(kBlue);
    button->show();
    box->show();
    const QImage image = shot();
    EXPECT_EQ(count(image, kRed, QRect(23, 23, 94, 34)), 0);  // within the rounded corners
    EXPECT_EQ(image.pixelColor(150, 150), kBlue);
}

// A sunken picture box at px 100..199 of the window; its client area is px 102..197.
class PictureBoxPaint : public Paint {
protected:
    PictureBoxPaint()
    {
        box = new PictureBox(&form);
        box->place(1500, 1500, 1500, 1500);
        box->client().set_back_color(kBlue);
        box->show();
        flushed(form);
    }
    PictureBox* box;
};

TEST_F(PictureBoxPaint, ChildrenStartAndStayInsideTheBorder)
{
    add_box(box->client(), -300, -300, 3000, 3000, kGreen);
    add_box(box->client(), 0, 0, 150, 150, kRed);  // client px 0..9
    const QImage image = shot();
    EXPECT_EQ(count(image, kRed, QRect(102, 102, 10, 10)), 100);
    EXPECT_EQ(count(image, kRed), 100);
    EXPECT_EQ(count(image, kGreen, QRect(102, 102, 96, 96)), 96 * 96 - 100);
    EXPECT_EQ(count(image, kGreen), 96 * 96 - 100);
}

TEST_F(PictureBoxPaint, MovedShapeInsideLeavesNoTrace)
{
    Shape& shape = add_box(box->client(), 0, 0, 300, 300, kRed);  // client px 0..19
    ASSERT_EQ(flushed(form).pixelColor(110, 110), kRed);
    shape.set_top(900);
    const QImage image = flushed(form);
    EXPECT_EQ(count(image, kRed, QRect(102, 102, 96, 58)), 0);
    EXPECT_EQ(image.pixelColor(110, 170), kRed);
}

TEST_F(PictureBoxPaint, PictureIsUnscaledFromTheClientCorner)
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    picture.setPixelColor(0, 0, kRed);
    picture.setPixelColor(3, 2, kGreen);
    box->client().set_picture(picture);
    QImage image = flushed(form);
    EXPECT_EQ(image.pixelColor(102, 102), kRed);
    EXPECT_EQ(image.pixelColor(105, 104), kGreen);
    EXPECT_EQ(image.pixelColor(106, 102), kBlue);

    QImage big(300, 300, QImage::Format_RGB32);
    big.fill(kRed);
    box->client().set_picture(big);
    EXPECT_EQ(count(flushed(form), kRed), 96 * 96);
    box->client().set_picture(QImage());
    EXPECT_EQ(count(flushed(form), kRed), 0);
}

TEST_F(PictureBoxPaint, DrawnLinesStayThroughRepaintsAndShapesPassingOver)
{
    box->client().draw_line(1500, 150, 0, 150, kInk);     // client row 10, clipped to px 0..95
    box->client().draw_line(450, 1500, 450, 600, kGreen);  // upwards, client column 30
    box->client().draw_line(1200, 1200, 900, 900, Qt::magenta);
    const QRect row(102, 112, 96, 1);
    const QImage image = flushed(form);  // drawn backwards, each shows at once
    EXPECT_EQ(count(image, kInk, row), 96);
    EXPECT_EQ(count(image, kGreen, QRect(132, 142, 1, 56)), 56);
    EXPECT_EQ(count(image, Qt::magenta), 21);

    Shape& over = add_box(box->client(), 0, 0, 750, 300, kRed);  // client px 0..49 x 0..19
    EXPECT_EQ(count(flushed(form), kInk, row), 46);
    over.set_top(900);
    EXPECT_EQ(count(flushed(form), kInk, row), 96);
    box->client().set_back_color(kRed);
    EXPECT_EQ(count(flushed(form), kInk, row), 96);
    EXPECT_EQ(count(shot(), kInk, row), 96);
}

}  // namespace
}  // namespace tesselka::forms
