#pragma once
// The cooling tick (MainWindow::Timer1_Timer and MainView::update_view) written again step by
// step from the window's public members, so that each step can be timed on its own. Each step
// does what the window's own does, on the same controls, in the same order; the tick bench
// checks at start that a run of these steps leaves the window exactly as real ticks do.

namespace tesselka::run {
class MainWindow;
}

namespace mirror {

using tesselka::run::MainWindow;

// Timer1_Timer's first half: reads t1, writes t1 - 1. Returns false where a real tick would
// reset the run instead (t1 below -9); nothing is changed then.
bool caption(MainWindow& w);
// update_model: air.step for the water temperature in t1.
void model(MainWindow& w);
// place_thermometer, place_howa, place_vapor, place_distill and check_bar_labels.
void geometry(MainWindow& w);
// draw_air_diagram: the circles' visibility and colours.
void circles(MainWindow& w);
// load_cup_picture: the cup picture read from its file and shown.
void picture(MainWindow& w);

}  // namespace mirror
