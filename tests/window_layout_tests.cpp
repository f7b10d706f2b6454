// The simulation window as laid out: size, geometry, captions, stacking and tab order.

#include "support/window_fixture.h"


using namespace tesselka;
using tesselka::testing::WindowTest;

using LayoutTest = WindowTest;

TEST_F(LayoutTest, TheWindowIsFixedAt740By488WithoutMinimiseOrMaximise)
{
    EXPECT_EQ(w->size(), QSize(740, 488));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Tesselka(コップに水滴が付くのは？)"));
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(LayoutTest, WindowedControlsStandAtTheirPixelPlaces)
{
    const struct { QWidget* widget; QRect pixels; const char* caption; } rows[] = {
        {w->Command1, {392, 56, 209, 33}, "コップの水温を下げる(開始)"},
        {w->Command2, {608, 56, 41, 33}, "停止"},
        {w->Command3, {656, 56, 81, 33}, "はじめから"},
        {w->owari, {672, 8, 65, 25}, "終わり"},
        {&w->ssp(0), {568, 96, 41, 17}, "遅"},
        {&w->ssp(2), {648, 96, 41, 17}, "速"},
        {w->Check1, {568, 120, 25, 25}, ""},
        {w->setting, {480, 392, 249, 89}, "条件設定"},
        {w->kion, {64, 24, 41, 23}, nullptr},
        {w->t0, {176, 40, 41, 23}, nullptr},
        {w->graph, {48, 56, 336, 347}, nullptr},
        {w->thermo, {8, 424, 385, 25}, nullptr},
        {w->Picture1, {392, 152, 190, 233}, nullptr},
        {w->Picture2, {584, 152, 144, 233}, nullptr},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(r.widget->geometry(), r.pixels) << r.widget->metaObject()->className();
        if (!r.caption)
            continue;
        const QString caption = QString::fromUtf8(r.caption);
        if (auto* button = qobject_cast<QAbstractButton*>(r.widget)) {
            EXPECT_EQ(button->text(), caption);
        } else if (r.widget == w->setting) {
            EXPECT_EQ(w->setting->title(), caption);
        }
    }
    EXPECT_EQ(w->graph->left_twips(), 720);
    EXPECT_EQ(w->graph->height_twips(), 5200);
}

TEST_F(LayoutTest, CaptionsKeepTheirIdeographicSpaces)
{
    const struct { const forms::Label* label; const char* text; } rows[] = {
        {w->Label12, "気温　　　　　℃"},
        {w->Label11, "湿度　　　　　％"},
        {w->Label8, "最初のコップの水温　　　　　℃"},
        {w->Label7, "現在のコップの水温　　　　℃"},
        {w->Label5, "水 蒸 気"},
        {w->Label6, "水    滴"},
        {w->Label1, "１ｍ中の水蒸気量(g)"},
        {w->Label9, "(＝コップのすぐ近くの空気の温度)"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.label->caption(), QString::fromUtf8(r.text));
    EXPECT_EQ(w->kion->text(), "30");
    EXPECT_EQ(w->situdo->text(), "60");
    EXPECT_EQ(w->situdo->itemText(0), "10");
    EXPECT_EQ(w->situdo->itemText(8), "90");
    EXPECT_EQ(w->t0->count(), 9);
}

TEST_F(LayoutTest, StackingMakesTheBarsOneColumnOverTheGrid)
{
    const auto& chart = w->graph->client();
    auto at = [&](const forms::Control* c) { return chart.stacking_index(*c); };
    EXPECT_GT(at(w->vapor), at(w->howa));
    EXPECT_GT(at(w->howa), at(w->distill));
    EXPECT_GT(at(w->distill), at(w->distill_l3));
    EXPECT_GT(at(w->howa_l2), at(&w->Line2(4)));
    EXPECT_GT(at(&w->Line2(0)), at(&w->Line1(3)));
    EXPECT_EQ(at(&w->Line1(0)), 0);
    const auto& main = w->client();
    EXPECT_GT(main.stacking_index(*w->t1), main.stacking_index(*w->Label7));
    const auto& diagram = w->Picture1->client();
    EXPECT_GT(diagram.stacking_index(w->mizu(51)), diagram.stacking_index(*w->Label6));
    EXPECT_GT(diagram.stacking_index(w->mizu(0)), diagram.stacking_index(*w->Line10));
    EXPECT_EQ(diagram.stacking_index(*w->Shape4), 0);
}

TEST_F(LayoutTest, TheValueStandsInFrontOfItsLabel)
{
    // t1's cyan face shows where it overlaps Label7's opaque face.
    EXPECT_EQ(tesselka::testing::pixel(*w, {162, 458}), QColor(192, 255, 255));
}

TEST_F(LayoutTest, TabOrderFollowsTheLayout)
{
    // The speed options are one stop, at the selected option (中 at load); then round again.
    QWidget* expected[] = {w->Command1, w->owari, w->situdo, w->kion, w->t0, w->Command2,
                           w->Command3, w->Check1, &w->ssp(1), w->Command1};
    QWidget* current = w->Command1;
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        // The next control in the chain that takes the keyboard focus by tab.
        do
            current = current->nextInFocusChain();
        while (!(current->focusPolicy() & Qt::TabFocus) || current->focusProxy() ||
               (current->parentWidget() && qobject_cast<QComboBox*>(current->parentWidget())));
        EXPECT_EQ(current, expected[i]) << i;
    }
}
