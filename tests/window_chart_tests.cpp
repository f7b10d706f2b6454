// What the load draws once: the saturation curve, the one-degree ticks and the scale labels.

#include "support/window_fixture.h"

using namespace tesselka;
using tesselka::testing::WindowTest;

namespace {

// Whether a pixel near `at` (within one pixel) has the chart's drawing colour.
bool curve_near(const QImage& image, QPoint at)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixelColor(p) == QColor(0, 0, 192))
                return true;
        }
    return false;
}

QPoint px(double x_twips, double y_twips)
{
    return {int(x_twips / 15 + 0.5), int(y_twips / 15 + 0.5)};
}

}  // namespace

using ChartTest = WindowTest;

TEST_F(ChartTest, TheCurvePassesThroughTheTablePoints)
{
    const QImage chart = w->graph->grab().toImage();
    for (const QPoint p : {px(0, 4960), px(1000, 4720), px(3000, 3480), px(5000, 80), px(2000, 4260)})
        EXPECT_TRUE(curve_near(chart, p)) << p.x() << "," << p.y();
    // Nothing drawn far from it.
    EXPECT_FALSE(curve_near(chart, px(1000, 3000)));
}

TEST_F(ChartTest, ABarHidesTheCurveOnlyWhileItStandsOnIt)
{
    // Halfway between 24 and 25 degrees the curve runs inside the column for 25 degrees.
    const QPoint between = px(3450, 5200 - (2180 + 2310) / 2.0);
    EXPECT_TRUE(curve_near(w->graph->grab().toImage(), between));
    run_to(30, 60, 30, 25);
    const QImage covered = w->graph->grab().toImage();
    EXPECT_FALSE(curve_near(covered, between));
    EXPECT_EQ(covered.pixelColor(between), QColor(255, 255, 192));
    for (int i = 0; i < 6; ++i)
        w->Timer1->fire();
    EXPECT_TRUE(curve_near(w->graph->grab().toImage(), between));
}

TEST_F(ChartTest, OneDegreeTicksStandAboveTheColumn)
{
    const QImage strip = w->thermo->grab().toImage();
    // Every tick from -10 to 40 shows between the column's top (y 120) and the strip's top.
    for (int t = -10; t <= 40; ++t)
        EXPECT_EQ(strip.pixelColor(px(640 + 100 * (t + 10), 90)), QColor(0, 0, 0)) << t;
    // Between two ticks, the strip's white.
    EXPECT_EQ(strip.pixelColor(px(690, 90)), QColor(255, 255, 255));
}

TEST_F(ChartTest, ScaleLabelsArePlacedFromTheChart)
{
    const int ondo_left[] = {520, 1520, 2520, 3520, 4520, 5520};
    const int hs_top[] = {5940, 4940, 3940, 2940, 1940, 940};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(w->ondo_memori(i).left(), ondo_left[i]) << i;
        EXPECT_EQ(w->ondo_memori(i).top(), 6140) << i;
        EXPECT_EQ(w->hs_memori(i).left(), 420) << i;
        EXPECT_EQ(w->hs_memori(i).top(), hs_top[i]) << i;
        EXPECT_EQ(w->ondo_memori(i).caption(), QString::number(10 * i - 10));
        EXPECT_EQ(w->hs_memori(i).caption(), QString::number(10 * i));
    }
    w->graph->place(1000, 500, 5040, 5000);
    w->draw_chart_background();
    EXPECT_EQ(w->ondo_memori(2).left(), 2800);
    EXPECT_EQ(w->ondo_memori(2).top(), 5600);
    EXPECT_EQ(w->hs_memori(2).left(), 700);
    EXPECT_EQ(w->hs_memori(2).top(), 3400);
}
