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

#include <optional>

namespace tesselka::forms {
namespace {

const QColor kBack(Qt::white);
const QColor kRed(Qt::red);
const QColor kBlue(Qt::blue);
const QColor kGreen(Qt::green);
const QColor kInk(Qt::black);

QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage flushed(QWidget& window)
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return rgb(window.screen()->grabWindow(window.winId()).toImage());
}

int count(const QImage& image, QColor color, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

int count_not(const QImage& image, QColor color, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
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

// A 200 x 200 pixel window with a white client area.
class Paint : public testing::Test {
protected:
    Paint()
    {
        form.client().set_back_color(kBack);
        form.show();
        flushed(form);  // what follows is seen only if it repaints where it should
    }
    Container& c() { return form.client(); }
    QImage shot() { return rgb(form.grab().toImage()); }

    Form form{QStringLiteral("t"), 3000, 3000};
};

TEST_F(Paint, LaterControlsAreInFrontUntilRestacked)
{
    Shape& red = add_box(c(), 0, 0, 1500, 1500, kRed);         // px 0..99
    Shape& blue = add_box(c(), 750, 750, 1500, 1500, kBlue);   // px 50..149
    Shape& green = add_box(c(), 0, 900, 3000, 300, kGreen);    // rows 60..79, never named
    QImage image = shot();
    EXPECT_EQ(image.pixelColor(75, 90), kBlue);
    EXPECT_EQ(image.pixelColor(75, 70), kGreen);

    c().set_stacking({&red, &blue});
    EXPECT_EQ(c().stacking_index(green), 0);
    EXPECT_EQ(c().stacking_index(blue), 1);
    EXPECT_EQ(c().stacking_index(red), 2);
    image = flushed(form);
    EXPECT_EQ(image.pixelColor(75, 90), kRed);
    EXPECT_EQ(image.pixelColor(75, 70), kRed);
    EXPECT_EQ(image.pixelColor(120, 70), kBlue);
    EXPECT_EQ(image.pixelColor(170, 70), kGreen);
}

TEST_F(Paint, UnnamedControlsKeepTheirOrderBehind)
{
    Shape& a = add_box(c(), 0, 0, 1500, 1500, kRed);
    Shape& b = add_box(c(), 0, 0, 1500, 1500, kBlue);
    Shape& named = add_box(c(), 1500, 1500, 300, 300, kGreen);
    c().set_stacking({&named});
    EXPECT_LT(c().stacking_index(a), c().stacking_index(b));
    EXPECT_EQ(c().stacking_index(named), 2);
    EXPECT_EQ(shot().pixelColor(50, 50), kBlue);
}

TEST_F(Paint, InvisibleControlsAreNotPainted)
{
    Shape& shape = add_box(c(), 0, 0, 1500, 1500, kRed);
    Line& line = c().add<Line>();
    line.place(0, 2250, 3000, 2250);
    line.set_color(kBlue);
    shape.set_visible(false);
    line.set_visible(false);
    EXPECT_EQ(count_not(shot(), kBack), 0);
    EXPECT_EQ(count_not(flushed(form), kBack), 0);
    shape.set_visible(true);
    line.set_visible(true);
    const QImage image = flushed(form);
    EXPECT_EQ(image.pixelColor(50, 50), kRed);
    EXPECT_EQ(image.pixelColor(50, 150), kBlue);
}

struct EmptyBox {
    double width, height;
    Shape::Kind kind;
};

class EmptyShape : public Paint, public testing::WithParamInterface<EmptyBox> {};

TEST_P(EmptyShape, DrawsNothing)
{
    Shape& shape = add_box(c(), 1500, 1500, GetParam().width, GetParam().height, kRed,
                           GetParam().kind);
    shape.set_back_color(kGreen);
    EXPECT_TRUE(shape.bounds().isEmpty());
    EXPECT_EQ(count_not(shot(), kBack), 0);
    shape.set_left(300);  // repainting around a box of negative size must not go astray either
    EXPECT_EQ(count_not(flushed(form), kBack), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EmptyShape,
    testing::Values(EmptyBox{300, -300, Shape::Kind::rectangle},
                    EmptyBox{-300, 300, Shape::Kind::rectangle},
                    EmptyBox{-300, -300, Shape::Kind::oval}, EmptyBox{300, -300, Shape::Kind::circle},
                    EmptyBox{0, 300, Shape::Kind::circle}, EmptyBox{300, 0, Shape::Kind::oval}));

struct KindCase {
    Shape::Kind kind;
    bool fills_left_of_centre;
};

class ShapeKind : public Paint, public testing::WithParamInterface<KindCase> {};

TEST_P(ShapeKind, CircleIsTheLargestThatFitsCentred)
{
    // A 40 x 20 px box: a circle of 20 px sits in its middle, an oval fills it.
    Shape& shape = c().add<Shape>(GetParam().kind);
    shape.place(0, 0, 600, 300);
    shape.set_fill_color(kRed);
    const QImage image = shot();
    EXPECT_EQ(image.pixelColor(20, 10), kRed);  // the centre keeps the fill colour
    EXPECT_EQ(image.pixelColor(5, 10), GetParam().fills_left_of_centre ? kRed : kBack);
    EXPECT_EQ(image.pixelColor(20, 25), kBack);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShapeKind,
                         testing::Values(KindCase{Shape::Kind::rectangle, true},
                                         KindCase{Shape::Kind::oval, true},
                                         KindCase{Shape::Kind::circle, false}));

struct InsideCase {
    std::optional<QColor> fill, back;
    QColor seen;
};

class ShapeInside : public Paint, public testing::WithParamInterface<InsideCase> {};

TEST_P(ShapeInside, FillOverBackOverContainer)
{
    for (Shape::Kind kind : {Shape::Kind::rectangle, Shape::Kind::circle}) {
        Shape& shape = c().add<Shape>(kind);
        shape.place(kind == Shape::Kind::circle ? 1500 : 0, 0, 600, 600);
        shape.set_fill_color(GetParam().fill);
        shape.set_back_color(GetParam().back);
    }
    const QImage image = shot();
    EXPECT_EQ(image.pixelColor(20, 20), GetParam().seen);
    EXPECT_EQ(image.pixelColor(120, 20), GetParam().seen);
}

INSTANTIATE_TEST_SUITE_P(Colours, ShapeInside,
                         testing::Values(InsideCase{kRed, kGreen, kRed},
                                         InsideCase{std::nullopt, kGreen, kGreen},
                                         InsideCase{kRed, std::nullopt, kRed},
                                         InsideCase{std::nullopt, std::nullopt, kBack}));

TEST_F(Paint, DottedLineLeavesGapsSolidLineNone)
{
    Line& solid = c().add<Line>();
    solid.place(0, 750, 3000, 750);  // row 50
    solid.set_color(kRed);
    Line& dotted = c().add<Line>();
    dotted.place(0, 1500, 3000, 1500);  // row 100
    dotted.set_color(kRed);
    dotted.set_dotted(true);
    const QImage image = shot();
    const QRect row50(0, 50, 200, 1), row100(0, 100, 200, 1);
    EXPECT_GE(count(image, kRed, row50), 199);
    const int dots = count(image, kRed, row100);
    EXPECT_GT(dots, 40);
    EXPECT_LT(dots, 140);
    EXPECT_EQ(count(image, kBack, row100), 200 - dots) << "the gaps are clean, not smoothed";
}

TEST_F(Paint, OpaqueLabelPaintsItsBackTransparentOneDoesNot)
{
    for (bool opaque : {true, false}) {
        SCOPED_TRACE(opaque);
        Form window(QStringLiteral("t"), 1500, 1500);
        window.client().set_back_color(kBack);
        Label& label = window.client().add<Label>();
        label.place(0, 0, 1500, 300);
        label.set_back_color(kGreen);
        label.set_opaque(opaque);
        const QImage image = rgb(window.grab().toImage());
        EXPECT_EQ(image.pixelColor(50, 10), opaque ? kGreen : kBack);
        EXPECT_EQ(image.pixelColor(50, 30), kBack);
    }
}

TEST_F(Paint, LabelTextIsClippedToItsBox)
{
    Label& label = c().add<Label>();
    label.place(300, 300, 1500, 300);  // px 20..119 x 20..39: room for about one line
    label.set_opaque(false);
    label.set_fore_color(kInk);
    QFont font = label.font();
    font.setPixelSize(12);
    label.set_font(font);
    label.set_caption(QStringLiteral("コップの表面に水滴がつくのは、空気中の水蒸気が冷やされて"
                                     "水になるからです。The glass gets wet outside."));
    const QImage image = shot();
    const QRect box(20, 20, 100, 20);
    EXPECT_GT(count_not(image, kBack, box), 20) << "the caption is drawn";
    EXPECT_EQ(count_not(image, kBack), count_not(image, kBack, box)) << "nothing outside the box";
}

TEST_F(Paint, LabelBorderIsInsideItsBox)
{
    Label& label = c().add<Label>();
    label.place(300, 300, 1500, 300);
    label.set_opaque(false);
    label.set_border(true);
    const QImage image = shot();
    EXPECT_NE(image.pixelColor(20, 20), kBack);
    EXPECT_NE(image.pixelColor(119, 39), kBack);
    EXPECT_EQ(count_not(image, kBack), count_not(image, kBack, QRect(20, 20, 100, 20)));
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

TEST_F(PictureBoxPaint, ClientAreaStartsInsideTheBorder)
{
    ASSERT_EQ(box->client().client(), QRect(2, 2, 96, 96));
    add_box(box->client(), 0, 0, 150, 150, kRed);  // client px 0..9
    const QImage image = shot();
    EXPECT_EQ(image.pixelColor(102, 102), kRed);
    EXPECT_EQ(image.pixelColor(111, 111), kRed);
    EXPECT_EQ(image.pixelColor(112, 112), kBlue);
    EXPECT_NE(image.pixelColor(101, 101), kRed);
}

TEST_F(PictureBoxPaint, ChildrenAreClippedToTheClientArea)
{
    add_box(box->client(), -300, -300, 3000, 3000, kRed);
    const QImage image = shot();
    EXPECT_EQ(count(image, kRed), 96 * 96);
    EXPECT_EQ(count(image, kRed, QRect(102, 102, 96, 96)), 96 * 96);
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
    EXPECT_EQ(image.pixelColor(102, 105), kBlue);

    QImage big(300, 300, QImage::Format_RGB32);
    big.fill(kRed);
    box->client().set_picture(big);
    image = flushed(form);
    EXPECT_EQ(count(image, kRed), 96 * 96) << "a picture larger than the box stays inside it";

    box->client().set_picture(QImage());
    EXPECT_EQ(count(flushed(form), kRed), 0);
}

TEST_F(PictureBoxPaint, DrawnLinesStayThroughRepaintsAndShapesPassingOver)
{
    box->client().draw_line(0, 150, 1500, 150, kInk);  // client row 10, px 0..95 after clipping
    const QRect row(102, 112, 96, 1);
    EXPECT_EQ(count(flushed(form), kInk, row), 96);
    EXPECT_EQ(count(shot(), kInk, row), 96);

    Shape& over = add_box(box->client(), 0, 0, 750, 300, kRed);  // client px 0..49 x 0..19
    QImage image = flushed(form);
    EXPECT_EQ(count(image, kRed, row), 50);
    EXPECT_EQ(count(image, kInk, row), 46);

    over.set_top(900);
    image = flushed(form);
    EXPECT_EQ(count(image, kInk, row), 96);
    EXPECT_EQ(count(shot(), kInk, row), 96);

    box->client().set_back_color(kGreen);
    image = flushed(form);
    EXPECT_EQ(count(image, kInk, row), 96);
    EXPECT_EQ(image.pixelColor(150, 140), kGreen);
}

TEST_F(PictureBoxPaint, LinesDrawnInAnyDirectionShowAtOnce)
{
    // Each ends where the other starts, drawn from its far end back.
    box->client().draw_line(1500, 300, 0, 300, kInk);   // right to left, client row 20
    box->client().draw_line(450, 1500, 450, 600, kRed);  // upwards, client column 30
    box->client().draw_line(1200, 1200, 900, 900, kGreen);
    const QImage image = flushed(form);
    EXPECT_EQ(count(image, kInk, QRect(102, 122, 96, 1)), 96);
    EXPECT_EQ(count(image, kRed, QRect(132, 142, 1, 56)), 56);
    EXPECT_EQ(count(image, kGreen), 21);
}

TEST_F(Paint, WindowedControlsArePaintedAboveLightWeightOnes)
{
    add_box(c(), 0, 0, 3000, 3000, kRed);
    auto* button = new CommandButton(&form, QStringLiteral("b"));
    button->place(300, 300, 1500, 600);  // px 20..119 x 20..59
    button->show();
    auto* box = new PictureBox(&form);
    box->place(1500, 1500, 1500, 1500);
    box->client().set_back_color(kBlue);
    box->show();
    const QImage image = shot();
    EXPECT_EQ(count(image, kRed, QRect(23, 23, 94, 34)), 0);  // within the rounded corners
    EXPECT_EQ(image.pixelColor(150, 150), kBlue);
    EXPECT_EQ(image.pixelColor(10, 10), kRed);
}

// Moving or hiding a control repaints where it was as well as where it is.

class MovedShape : public Paint, public testing::WithParamInterface<Shape::Kind> {};

TEST_P(MovedShape, LeavesNoTrace)
{
    Shape& shape = add_box(c(), 0, 0, 600, 600, kRed, GetParam());  // px 0..39
    ASSERT_GT(count(flushed(form), kRed), 0);
    shape.set_left(1500);
    QImage image = flushed(form);
    EXPECT_EQ(count_not(image, kBack, QRect(0, 0, 100, 200)), 0);
    EXPECT_EQ(image.pixelColor(120, 20), kRed);
    shape.place(750, 1500, 900, 300);  // all four at once
    image = flushed(form);
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

INSTANTIATE_TEST_SUITE_P(Ends, MovedLine,
                         testing::Values(LineCase{0, 300, 1400, 300}, LineCase{1400, 300, 0, 300},
                                         LineCase{700, 1400, 700, 0}, LineCase{1400, 1400, 0, 0},
                                         LineCase{0, 1400, 1400, 0}, LineCase{-300, 700, 3300, 650}));

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

TEST_F(PictureBoxPaint, MovedShapeInsideBoxLeavesNoTrace)
{
    Shape& shape = add_box(box->client(), 0, 0, 300, 300, kRed);  // client px 0..19
    ASSERT_EQ(flushed(form).pixelColor(110, 110), kRed);
    shape.set_top(900);
    const QImage image = flushed(form);
    EXPECT_EQ(count(image, kRed, QRect(102, 102, 96, 58)), 0);
    EXPECT_EQ(image.pixelColor(110, 170), kRed);
}

}  // namespace
}  // namespace tesselka::forms
