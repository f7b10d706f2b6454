// The redraw: the thermometer, the three bars with their brackets and labels, and the bar-label
// check box, against hand-checked positions in twips.

#include "support/window_fixture.h"

using namespace tesselka;
using tesselka::testing::WindowTest;

namespace {

struct Segment {
    float x1, y1, x2, y2;
};

void expect_line(const forms::Line* line, Segment s, const char* name)
{
    EXPECT_EQ(line->x1(), s.x1) << name;
    EXPECT_EQ(line->y1(), s.y1) << name;
    EXPECT_EQ(line->x2(), s.x2) << name;
    EXPECT_EQ(line->y2(), s.y2) << name;
}

void expect_box(const forms::BoxControl* c, float left, float top, float width, float height,
                const char* name)
{
    EXPECT_EQ(c->left(), left) << name;
    EXPECT_EQ(c->top(), top) << name;
    EXPECT_EQ(c->width(), width) << name;
    EXPECT_EQ(c->height(), height) << name;
}

}  // namespace

class ViewTest : public WindowTest {
protected:
    // The redraw for a given start vapour at a given water temperature.
    void redraw_at(const QString& t, double vapour)
    {
        w->air.vapor0 = w->air.vapor_now = vapour;
        w->t1->set_caption(t);
        forms::run_guarded([this] { w->update_view(); });
    }

    std::vector<bool> label_visibility() const
    {
        return {w->howa_t->visible(),    w->howa_l1->visible(),    w->howa_l2->visible(),
                w->vapor_t->visible(),   w->vapor_l1->visible(),   w->vapor_l2->visible(),
                w->distill_t->visible(), w->distill_l1->visible(), w->distill_l2->visible(),
                w->distill_l3->visible()};
    }

    void tick_box(bool ticked)
    {
        if (w->Check1->isChecked() != ticked)
            w->Check1->click();
    }
};

TEST_F(ViewTest, WorkedExampleWithVapourBelowSaturation)
{
    redraw_at("20", 1000);
    EXPECT_EQ(w->air.howa_now, 1720);
    EXPECT_EQ(w->air.howa_gap, 0);
    EXPECT_EQ(w->ondo->width(), 3240);
    EXPECT_EQ(w->ondo->left(), 400);
    expect_box(w->howa, 2900, 3480, 200, 1720, "howa");
    expect_line(w->howa_l1, {3150, 3480, 3150, 5200}, "howa_l1");
    expect_line(w->howa_l2, {3100, 3480, 3150, 3480}, "howa_l2");
    EXPECT_EQ(w->howa_t->left(), 3200);
    EXPECT_EQ(w->howa_t->top(), 3580);
    expect_box(w->vapor, 2900, 4200, 200, 1000, "vapor");
    expect_line(w->vapor_l1, {2850, 4200, 2850, 5200}, "vapor_l1");
    expect_line(w->vapor_l2, {2850, 4200, 2900, 4200}, "vapor_l2");
    EXPECT_EQ(w->vapor_t->top(), 4300);
    EXPECT_EQ(w->vapor_t->left(), 1445);  // right edge on the bar's left edge
    EXPECT_FALSE(w->distill->visible());
}

TEST_F(ViewTest, CondensingAtTwentyDegrees)
{
    run_to(30, 60, 30, 20);
    EXPECT_EQ(w->air.howa_gap, 104);
    expect_box(w->howa, 2900, 3480, 200, 1720, "howa");
    expect_box(w->vapor, 2900, 3480, 200, 1720, "vapor");
    expect_box(w->distill, 2900, 3376, 200, 1824, "distill");
    EXPECT_TRUE(w->distill->visible());
    expect_line(w->distill_l1, {2850, 3376, 2850, 3480}, "distill_l1");
    expect_line(w->distill_l2, {2850, 3376, 2900, 3376}, "distill_l2");
    expect_line(w->distill_l3, {2850, 3480, 2900, 3480}, "distill_l3");
    EXPECT_EQ(w->distill_t->top(), 3476);
    EXPECT_EQ(w->distill_t->left(), 1445);
}

TEST_F(ViewTest, VapourAboveSaturationIsCappedAndBothBarsCoincide)
{
    redraw_at("10", 1000);
    EXPECT_EQ(w->air.vapor_now, 940);
    EXPECT_EQ(w->air.howa_gap, 60);
    expect_box(w->vapor, w->howa->left(), w->howa->top(), 200, 940, "vapor");
    EXPECT_EQ(w->vapor_l2->y1(), w->howa_l2->y1());
    // A second redraw at the same temperature changes nothing.
    redraw_at("10", 1000);
    EXPECT_EQ(w->air.howa_gap, 60);
    EXPECT_EQ(w->distill->top(), w->howa->top() - 60);
}

TEST_F(ViewTest, TheChartEndsAreNotClamped)
{
    redraw_at("-10", 1000);
    EXPECT_EQ(w->ondo->width(), 240);
    EXPECT_EQ(w->howa->left(), -100);
    EXPECT_EQ(w->vapor->left(), -100);
    EXPECT_EQ(w->vapor_l1->x1(), -150);
    EXPECT_EQ(w->distill->left(), -100);
    EXPECT_EQ(w->distill_t->left(), -100 - 1455);
    redraw_at("40", 1000);
    EXPECT_EQ(w->ondo->width(), 5240);
    EXPECT_EQ(w->howa->left(), 4900);
    EXPECT_EQ(w->howa_l1->x1(), 5150);
    EXPECT_EQ(w->howa_t->left(), 5200);
}

TEST_F(ViewTest, AFractionalStartTemperatureIndexesEvenButPlacesExactly)
{
    pick(w->t0, "25.5");
    EXPECT_EQ(water(), "25.5");
    EXPECT_EQ(w->air.howa_now, 2440);  // index 36: 26 degrees
    EXPECT_EQ(w->ondo->width(), 3790);
    EXPECT_EQ(w->howa->left(), 3450);
    pick(w->t0, "24.5");
    EXPECT_EQ(w->air.howa_now, 2180);  // index 34: 24 degrees
}

TEST_F(ViewTest, AnOutOfRangeTemperatureStopsBeforeAnyControlMoves)
{
    redraw_at("20", 1000);
    const float width = w->ondo->width();
    const auto howa_now = w->air.howa_now;
    redraw_at("-10.6", 1000);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(w->ondo->width(), width);
    EXPECT_EQ(w->air.howa_now, howa_now);
}

TEST_F(ViewTest, AGapOfZeroHidesTheCondensedBarAndOneShowsIt)
{
    tick_box(true);
    redraw_at("20", 1720);
    EXPECT_EQ(w->air.howa_gap, 0);
    EXPECT_FALSE(w->distill->visible());
    EXPECT_FALSE(w->distill_t->visible());
    redraw_at("20", 1721);
    EXPECT_EQ(w->air.howa_gap, 1);
    EXPECT_TRUE(w->distill->visible());
    EXPECT_EQ(w->distill->top(), w->howa->top() - 1);
    EXPECT_EQ(w->distill_l3->y1() - w->distill_l2->y1(), 1);
    // Hidden again, it keeps the geometry it was last shown with.
    redraw_at("20", 1000);
    EXPECT_FALSE(w->distill->visible());
    EXPECT_EQ(w->distill->top(), 3479);
}

// Visibility after the redraw: bar, then its label and three lines.
TEST_F(ViewTest, CondensedWaterVisibilityTable)
{
    const struct { bool condensed, ticked, bar, labels; } rows[] = {
        {false, false, false, false}, {false, true, false, false},
        {true, true, true, true},     {true, false, true, false},
    };
    for (const auto& r : rows) {
        tick_box(r.ticked);
        redraw_at("20", r.condensed ? 1824 : 1000);
        EXPECT_EQ(w->distill->visible(), r.bar) << r.condensed << r.ticked;
        for (const forms::Control* c :
             std::initializer_list<const forms::Control*>{w->distill_t, w->distill_l1,
                                                          w->distill_l2, w->distill_l3})
            EXPECT_EQ(c->visible(), r.labels) << r.condensed << r.ticked;
    }
}

TEST_F(ViewTest, BarLabelsStartHiddenAndFollowTheBoxThroughARun)
{
    using V = std::vector<bool>;
    const V none(10, false), two_groups = {true, true, true, true, true, true, false, false, false, false},
            all(10, true);
    EXPECT_EQ(label_visibility(), none);
    run_to(30, 60, 30, 25);
    tick_box(true);  // before condensation
    EXPECT_EQ(label_visibility(), two_groups);
    for (int i = 0; i < 4; ++i)
        w->Timer1->fire();
    EXPECT_EQ(water(), "21");
    EXPECT_EQ(label_visibility(), two_groups);
    w->Timer1->fire();  // 20: the condensed group appears with its bar
    EXPECT_EQ(label_visibility(), all);
    tick_box(false);
    EXPECT_EQ(label_visibility(), none);
    w->Timer1->fire();
    EXPECT_EQ(label_visibility(), none);
    EXPECT_TRUE(w->distill->visible());
    tick_box(true);  // while condensing: all at once
    EXPECT_EQ(label_visibility(), all);
}

TEST_F(ViewTest, RestartWithTheBoxTickedAppliesTheRuleToTheNewState)
{
    run_to(30, 60, 30, 15);
    tick_box(true);
    EXPECT_EQ(label_visibility(), std::vector<bool>(10, true));
    w->Command3->click();  // back to 30: nothing condensed
    EXPECT_FALSE(w->distill->visible());
    EXPECT_EQ(label_visibility(),
              (std::vector<bool>{true, true, true, true, true, true, false, false, false, false}));
    w->situdo->set_text("90");
    pick(w->t0, "20");  // condensed already at the start
    EXPECT_EQ(w->air.howa_gap, 1016);
    EXPECT_EQ(label_visibility(), std::vector<bool>(10, true));
}

TEST_F(ViewTest, ColumnReadsCyanUnderYellowOrBlueAtTheWaterTemperature)
{
    // Pixel x of the water temperature inside the chart, and y of an amount.
    auto x_of = [](int t) { return (100 * (t + 10)) / 15; };
    auto y_of = [](int amount) { return (5200 - amount) / 15; };
    const QColor cyan(192, 255, 255), yellow(255, 255, 192), blue(0, 0, 255);

    run_to(30, 60, 30, 25);  // not saturated: vapour 1824 under saturation 2310
    QImage chart = w->graph->grab().toImage();
    EXPECT_EQ(chart.pixelColor(x_of(25), y_of(1000)), cyan);
    EXPECT_EQ(chart.pixelColor(x_of(25), y_of(2100)), yellow);

    run_to(30, 60, 30, 15);  // condensing: vapour 1280, 544 condensed above it
    chart = w->graph->grab().toImage();
    EXPECT_EQ(chart.pixelColor(x_of(15), y_of(1000)), cyan);
    EXPECT_EQ(chart.pixelColor(x_of(15), y_of(1600)), blue);
    EXPECT_EQ(chart.pixelColor(x_of(15), y_of(1900)), QColor(224, 224, 224));  // above the column
}
