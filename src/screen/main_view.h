#pragma once
// The simulation window `main`: every control as the layout places it, the saturated-vapour
// table and the air quantities it owns, and the redraw `update_view` with its steps.
//
// Controls keep the names of the layout, so code and layout read side by side. The run
// controller (src/run/main_window.h) adds the window's load, reset and events on top of this.

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/picture_box.h"
#include "forms/shape.h"
#include "forms/timer.h"
#include "forms/widgets.h"
#include "model/air.h"
#include "model/howa_table.h"

namespace tesselka::screen {

using forms::ControlArray;

// An amount in hundredths of g/m3 as grams, as the window says it: "17.20".
QString grams(double amount);

class MainView : public forms::Form {
public:
    // The client area as laid out, in twips.
    static constexpr double kWidth = 11100, kHeight = 7320;

    MainView();

    // The one redraw: the model for the water temperature in `t1`, then every gauge.
    void update_view();
    // The water temperature, read again from the caption of `t1` wherever it is needed.
    double water_temperature() const;
    // Shows or hides the bar labels and leader lines (the check box's click).
    void Check1_Click();

    // What the window's load draws once: the saturation curve, the one-degree thermometer ticks
    // and the scale labels placed from the chart's position.
    void draw_chart_background();
    // Hides circles 0 to 50 of the air diagram, as the load does before the first redraw.
    void hide_circles();

    model::HowaTable howa_table;
    model::Air air;

    // Title and identity.
    forms::Label *title, *version, *copyright;
    // Run controls.
    forms::CommandButton *Command1, *Command2, *Command3, *owari;
    forms::Label *Label10, *Label13;
    ControlArray<forms::OptionButton> ssp{"ssp"};
    forms::CheckBox* Check1;
    forms::Timer* Timer1;
    // Input frame.
    forms::Frame* setting;
    forms::Label *Label12, *Label11, *Label8;
    forms::ComboBox *kion, *situdo, *t0;
    // Chart.
    forms::PictureBox* graph;
    forms::Shape *vapor, *howa, *distill;
    forms::Label *distill_t, *vapor_t, *howa_t;
    forms::Line *distill_l1, *distill_l2, *distill_l3, *vapor_l1, *vapor_l2, *howa_l1, *howa_l2;
    ControlArray<forms::Line> Line1{"Line1"}, Line2{"Line2"};
    forms::Label *Label1, *Label3, *Label2;
    ControlArray<forms::Label> hs_memori{"hs_memori"}, ondo_memori{"ondo_memori"};
    // Thermometer.
    forms::PictureBox* thermo;
    forms::Shape *Shape1, *ondo;
    ControlArray<forms::Line> temp{"temp"};
    forms::Label *Label7, *t1, *Label9;
    // Air diagram.
    forms::PictureBox* Picture1;
    forms::Shape* Shape4;
    forms::Line *Line3, *Line4, *Line5, *Line6, *Line7, *Line8, *Line9, *Line10;
    ControlArray<forms::Shape> mizu{"mizu"}, setumei{"setumei"};
    forms::Label *Label4, *Label5, *Label6;
    // Cup picture.
    forms::PictureBox* Picture2;

private:
    void lay_out_title_and_run_controls();
    void lay_out_setting();
    void lay_out_chart();
    void lay_out_axis_labels();
    void lay_out_thermometer();
    void lay_out_air_diagram();
    void set_tab_order();

    // The steps of update_view, in their order.
    void update_model();
    void place_thermometer();
    void place_howa();
    void place_vapor();
    void place_distill();
    void hide_bar_labels_if_unticked();
    void draw_air_diagram();
    void load_cup_picture();
    // After the redraw: what the chart, the thermometer, the air diagram and the cup show now, in
    // words, for a screen reader.
    void describe_for_screen_readers();
    void name_for_screen_readers();
    // The saturated and vapour groups' labels and lines; the condensed-water group's.
    void set_bar_labels_visible(bool visible);
    void set_distill_labels_visible(bool visible);
};

}  // namespace tesselka::screen
