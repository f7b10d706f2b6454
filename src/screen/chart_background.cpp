// What the window's load draws once and keeps: the saturation curve on the chart, the
// one-degree ticks on the thermometer, and the scale labels placed around the chart. The curve
// and ticks go on the boxes' retained surfaces, behind every control inside them, so a bar
// standing on the curve hides it only while it stands there.

#include "chart.h"
#include "main_view.h"

#include "model/numbers.h"

namespace tesselka::screen {

void MainView::draw_chart_background()
{
    // Both take the drawing colour of their box: dark blue on the chart, text colour on the
    // thermometer.
    auto& plot = graph->client();
    for (int i = 0; i < model::HowaTable::kSize - 1; ++i) {
        const double t = chart::kLeftDegrees + i;
        const std::int16_t y0 = to_int16(chart::kBaseline - howa_table(i));
        const std::int16_t y1 = to_int16(chart::kBaseline - howa_table(i + 1));
        plot.draw_line(chart::x_of(t), y0, chart::x_of(t + 1), y1, graph->fore_color());
    }
    for (int t = -10; t <= 40; ++t) {
        const double x = chart::x_of(t) + 640;
        thermo->client().draw_line(x, 70, x, 290, thermo->fore_color());
    }
    for (int i = 0; i < 6; ++i) {
        ondo_memori(i).set_left(graph->left_twips() + 1000 * i - 200);
        ondo_memori(i).set_top(graph->top_twips() + graph->height_twips() + 100);
        hs_memori(i).set_top(graph->top_twips() + graph->height_twips() - 1000 * i - 100);
        hs_memori(i).set_left(graph->left_twips() - 300);
    }
}

void MainView::hide_circles()
{
    for (int i = 0; i <= 50; ++i)
        mizu(i).set_visible(false);
}

}  // namespace tesselka::screen
