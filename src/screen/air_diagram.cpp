// The air diagram and the cup picture: the redraw's steps after the bars, before the window is
// described for screen readers.
//
// Each circle in the cube is one gram of water in one cubic metre of air (100 amount units).
// Counting from circle 0 with both ends included, a part of x units shows as Int(x / 100) + 1
// circles, so circle 0 always shows: blue once anything has condensed, cyan otherwise.

#include "colors.h"
#include "main_view.h"

#include "forms/picture.h"
#include "model/cup.h"
#include "model/numbers.h"

#include <cmath>

namespace tesselka::screen {

namespace {

std::int16_t circles(double amount) { return to_int16(std::floor(amount / 100)); }

}  // namespace

void MainView::draw_air_diagram()
{
    // Visibility first, from the larger of the saturated and the start vapour. An amount beyond
    // the table asks for a circle past the last one and raises the missing-member error.
    const int n = circles(air.howa_now > air.vapor0 ? air.howa_now : air.vapor0);
    for (int i = 0; i <= n; ++i)
        mizu(i).set_visible(true);
    for (int i = n + 1; i <= 51; ++i)
        mizu(i).set_visible(false);

    int first_vapour = 0;
    if (air.howa_gap >= 1) {
        const int last_droplet = circles(air.howa_gap);
        for (int i = 0; i <= last_droplet; ++i)
            mizu(i).set_fill_color(kDropletBlue);
        first_vapour = last_droplet + 1;
    }
    const int last_vapour = circles(air.howa_gap + air.vapor_now);
    for (int i = first_vapour; i <= last_vapour; ++i)
        mizu(i).set_fill_color(kVapourCyan);
    const int last_room = circles(air.howa_now);
    for (int i = last_vapour + 1; i <= last_room; ++i)
        mizu(i).set_fill_color(kRoomYellow);
}

void MainView::load_cup_picture()
{
    // Read from its file at every redraw, even when the choice has not changed.
    const std::string file = model::cup_picture_file(model::cup_stage(air.howa_gap));
    Picture2->client().set_picture(forms::load_picture(QString::fromStdString(file)));
}

}  // namespace tesselka::screen
