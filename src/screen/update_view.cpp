// The redraw: the model for the water temperature, the thermometer column, and the three bars
// with their brackets and labels. The bar labels, the air diagram and the cup picture follow in
// their own files, in the order update_view lists.
//
// The bars stand in the chart's coordinates (chart.h). Each formula reads back what an earlier
// one set, so all the pieces agree to the single-precision twip.

#include "chart.h"
#include "main_view.h"

#include "model/numbers.h"

namespace tesselka::screen {

using chart::kBaseline;
using chart::x_of;

void MainView::update_view()
{
    update_model();
    place_thermometer();
    place_howa();
    place_vapor();
    place_distill();
    hide_bar_labels_if_unticked();
    draw_air_diagram();
    load_cup_picture();
    describe_for_screen_readers();
}

double MainView::water_temperature() const { return to_number(t1->caption().toStdString()); }

void MainView::update_model() { air.step(howa_table, water_temperature()); }

void MainView::place_thermometer()
{
    // The column's left edge stays put; its right end lands on the degree ticks.
    ondo->set_width(x_of(water_temperature()) + 240);
}

void MainView::place_howa()
{
    howa->set_left(x_of(water_temperature()) - 100);
    howa->set_width(200);
    howa->set_top(kBaseline - air.howa_now);
    howa->set_height(air.howa_now);
    // Bracket on the right: a stroke 50 twips right of the bar, a tick to its top right corner.
    howa_l1->place(howa->left() + 250, howa->top(), howa->left() + 250, kBaseline);
    howa_l2->place(howa->left() + 200, howa->top(), howa->left() + 250, howa->top());
    howa_t->set_top(howa->top() + 100);
    howa_t->set_left(howa->left() + 300);
}

void MainView::place_vapor()
{
    vapor->set_left(x_of(water_temperature()) - 100);
    vapor->set_width(200);
    vapor->set_top(kBaseline - air.vapor_now);
    vapor->set_height(air.vapor_now);
    // Bracket on the left, mirroring the saturated bar's; the label ends at the bar's left edge.
    vapor_l1->place(vapor->left() - 50, vapor->top(), vapor->left() - 50, kBaseline);
    vapor_l2->place(vapor->left() - 50, vapor->top(), vapor->left(), vapor->top());
    vapor_t->set_top(vapor->top() + 100);
    vapor_t->set_left(vapor->left() - vapor_t->width());
}

void MainView::place_distill()
{
    const std::initializer_list<forms::Control*> group = {distill, distill_t, distill_l1,
                                                          distill_l2, distill_l3};
    if (air.howa_gap < 1) {
        // Nothing condensed: hidden where they last stood.
        for (forms::Control* c : group)
            c->set_visible(false);
        return;
    }
    // The blue bar reaches from the start vapour down to the baseline, behind the other two, so
    // only its part above the saturated bar shows: exactly howa_gap twips.
    distill->set_left(x_of(water_temperature()) - 100);
    distill->set_width(200);
    distill->set_top(howa->top() - air.howa_gap);
    distill->set_height(kBaseline - distill->top());
    distill_l1->place(distill->left() - 50, distill->top(), distill->left() - 50, howa->top());
    distill_l2->place(distill->left() - 50, distill->top(), distill->left(), distill->top());
    distill_l3->place(distill->left() - 50, howa->top(), distill->left(), howa->top());
    distill_t->set_top(distill->top() + 100);
    distill_t->set_left(distill->left() - distill_t->width());
    distill->set_visible(true);
    if (Check1->value() != 0)
        set_distill_labels_visible(true);
}

}  // namespace tesselka::screen
