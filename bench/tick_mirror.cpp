#include "tick_mirror.h"

#include "forms/picture.h"
#include "model/numbers.h"
#include "run/main_window.h"
#include "screen/colors.h"

#include <cmath>

namespace mirror {

namespace {

using namespace tesselka;

constexpr double kBaseline = 5200;

double chart_x(double t) { return 100 * (t + 10); }
double water(const MainWindow& w) { return to_number(w.t1->caption().toStdString()); }
std::int16_t circle_count(double amount) { return to_int16(std::floor(amount / 100)); }

}  // namespace

bool caption(MainWindow& w)
{
    const double t = to_number(w.t1->caption().toStdString());
    if (t < -9)
        return false;
    w.t1->set_caption(QString::fromStdString(number_text(t - 1)));
    return true;
}

void model(MainWindow& w)
{
    w.air.step(w.howa_table, water(w));
}

void geometry(MainWindow& w)
{
    const auto& air = w.air;
    // place_thermometer
    w.ondo->set_width(chart_x(water(w)) + 240);
    // place_howa
    auto* howa = w.howa;
    howa->set_left(chart_x(water(w)) - 100);
    howa->set_width(200);
    howa->set_top(kBaseline - air.howa_now);
    howa->set_height(air.howa_now);
    w.howa_l1->set_x1(howa->left() + 250);
    w.howa_l1->set_x2(w.howa_l1->x1());
    w.howa_l1->set_y1(howa->top());
    w.howa_l1->set_y2(kBaseline);
    w.howa_l2->set_x1(howa->left() + 200);
    w.howa_l2->set_x2(howa->left() + 250);
    w.howa_l2->set_y1(howa->top());
    w.howa_l2->set_y2(howa->top());
    w.howa_t->set_top(howa->top() + 100);
    w.howa_t->set_left(howa->left() + 300);
    // place_vapor
    auto* vapor = w.vapor;
    vapor->set_left(chart_x(water(w)) - 100);
    vapor->set_width(200);
    vapor->set_top(kBaseline - air.vapor_now);
    vapor->set_height(air.vapor_now);
    w.vapor_l1->set_x1(vapor->left() - 50);
    w.vapor_l1->set_x2(w.vapor_l1->x1());
    w.vapor_l1->set_y1(vapor->top());
    w.vapor_l1->set_y2(kBaseline);
    w.vapor_l2->set_x1(vapor->left() - 50);
    w.vapor_l2->set_x2(vapor->left());
    w.vapor_l2->set_y1(vapor->top());
    w.vapor_l2->set_y2(vapor->top());
    w.vapor_t->set_top(vapor->top() + 100);
    w.vapor_t->set_left(vapor->left() - w.vapor_t->width());
    // place_distill
    auto* distill = w.distill;
    const std::initializer_list<forms::Control*> group = {distill, w.distill_t, w.distill_l1,
                                                          w.distill_l2, w.distill_l3};
    if (air.howa_gap < 1) {
        for (forms::Control* c : group)
            c->set_visible(false);
    } else {
        distill->set_left(chart_x(water(w)) - 100);
        distill->set_width(200);
        distill->set_top(howa->top() - air.howa_gap);
        distill->set_height(kBaseline - distill->top());
        w.distill_l1->set_x1(distill->left() - 50);
        w.distill_l1->set_x2(w.distill_l1->x1());
        w.distill_l1->set_y1(distill->top());
        w.distill_l1->set_y2(howa->top());
        w.distill_l2->set_x1(distill->left() - 50);
        w.distill_l2->set_x2(distill->left());
        w.distill_l2->set_y1(distill->top());
        w.distill_l2->set_y2(distill->top());
        w.distill_l3->set_x1(distill->left() - 50);
        w.distill_l3->set_x2(distill->left());
        w.distill_l3->set_y1(howa->top());
        w.distill_l3->set_y2(howa->top());
        w.distill_t->set_top(distill->top() + 100);
        w.distill_t->set_left(distill->left() - w.distill_t->width());
        distill->set_visible(true);
        if (w.Check1->value() != 0)
            for (forms::Control* c : {static_cast<forms::Control*>(w.distill_t),
                                      static_cast<forms::Control*>(w.distill_l1),
                                      static_cast<forms::Control*>(w.distill_l2),
                                      static_cast<forms::Control*>(w.distill_l3)})
                c->set_visible(true);
    }
    // check_bar_labels
    if (w.Check1->value() == 0) {
        for (forms::Control* c : std::initializer_list<forms::Control*>{
                 w.howa_t, w.howa_l1, w.howa_l2, w.vapor_t, w.vapor_l1, w.vapor_l2, w.distill_t,
                 w.distill_l1, w.distill_l2, w.distill_l3})
            c->set_visible(false);
    }
}

void circles(MainWindow& w)
{
    using namespace tesselka::screen;
    const auto& air = w.air;
    const int n = circle_count(air.howa_now > air.vapor0 ? air.howa_now : air.vapor0);
    for (int i = 0; i <= n; ++i)
        w.mizu(i).set_visible(true);
    for (int i = n + 1; i <= 51; ++i)
        w.mizu(i).set_visible(false);
    int first_vapour = 0;
    if (air.howa_gap >= 1) {
        const int last_droplet = circle_count(air.howa_gap);
        for (int i = 0; i <= last_droplet; ++i)
            w.mizu(i).set_fill_color(kDropletBlue);
        first_vapour = last_droplet + 1;
    }
    const int last_vapour = circle_count(air.howa_gap + air.vapor_now);
    for (int i = first_vapour; i <= last_vapour; ++i)
        w.mizu(i).set_fill_color(kVapourCyan);
    const int last_room = circle_count(air.howa_now);
    for (int i = last_vapour + 1; i <= last_room; ++i)
        w.mizu(i).set_fill_color(kRoomYellow);
}

void picture(MainWindow& w)
{
    w.Picture2->client().set_picture(
        forms::load_picture(MainWindow::cup_picture_name(w.air.howa_gap)));
}

}  // namespace mirror
