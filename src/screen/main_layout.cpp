// The simulation window as it stands when it is created, before its load runs.

#include <QCoreApplication>
#include "chart.h"
#include "colors.h"
#include "main_view.h"

#include "forms/layout_helpers.h"
#include "forms/system_colors.h"

namespace tesselka::screen {

using forms::LabelLook;
using forms::Shape;
using Align = forms::Label::Align;
namespace system_color = forms::system_color;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

}  // namespace

MainView::MainView()
    : Form(QCoreApplication::translate("MainView", "Tesselka(コップに水滴が付くのは？)"), kWidth, kHeight)
{
    lay_out_title_and_run_controls();
    lay_out_setting();
    lay_out_chart();
    lay_out_axis_labels();
    lay_out_thermometer();
    lay_out_air_diagram();
    Picture2 = placed(new forms::PictureBox(this), {8760, 2280, 2160, 3495});
    set_tab_order();
    name_for_screen_readers();
}

void MainView::lay_out_title_and_run_controls()
{
    auto& c = client();
    title = &add_label(c, {480, 120, 6255, 615}, QCoreApplication::translate("MainView", "コップに水滴が付くのは？"),
                       {.points = 27.75, .bold = true, .fore = kBlue, .transparent = true});
    version = &add_label(c, {7080, 120, 1095, 255}, QStringLiteral("Label15"),
                         {.fore = system_color::gray_text()});
    copyright = &add_label(c, {7080, 360, 2295, 255}, QStringLiteral("Copyright"),
                           {.fore = system_color::gray_text()});

    Command1 = placed(new forms::CommandButton(this, QCoreApplication::translate("MainView", "コップの水温を下げる(開始)")),
                      {5880, 840, 3135, 495}, 11.25, true);
    Command2 = placed(new forms::CommandButton(this, QCoreApplication::translate("MainView", "停止")), {9120, 840, 615, 495},
                      11.25);
    Command3 = placed(new forms::CommandButton(this, QCoreApplication::translate("MainView", "はじめから")),
                      {9840, 840, 1215, 495}, 11.25);
    owari =
        placed(new forms::CommandButton(this, QCoreApplication::translate("MainView", "終わり")), {10080, 120, 975, 375});

    Label10 = &add_label(c, {6240, 1440, 2175, 255}, QCoreApplication::translate("MainView", "シミュレーションの速さ"),
                         {.points = 11.25, .align = Align::right});
    const QString speeds[] = {QCoreApplication::translate("MainView", "遅"), QCoreApplication::translate("MainView", "中"), QCoreApplication::translate("MainView", "速")};
    for (int i = 0; i < 3; ++i)
        ssp.push_back(*placed(new forms::OptionButton(this, speeds[i]),
                              {8520.0 + 600 * i, 1440, 615, 255}, 12));
    ssp(1).setChecked(true);
    Label13 = &add_label(c, {6240, 1800, 2175, 255}, QCoreApplication::translate("MainView", "グラフの説明の表示"),
                         {.points = 11.25, .align = Align::right});
    Check1 = placed(new forms::CheckBox(this), {8520, 1800, 375, 375});
    Timer1 = new forms::Timer(this, 1000);
}

void MainView::lay_out_setting()
{
    setting = placed(new forms::Frame(this, QCoreApplication::translate("MainView", "条件設定")), {7200, 5880, 3735, 1335},
                     11.25, true);
    auto& c = setting->client();
    const LabelLook right{.points = 11.25, .align = Align::right};
    // Each list lies over the run of ideographic spaces in its label, before the unit sign.
    Label12 = &add_label(c, {360, 360, 1455, 255}, QCoreApplication::translate("MainView", "気温　　　　　℃"), right);
    Label11 = &add_label(c, {240, 840, 1575, 255}, QCoreApplication::translate("MainView", "湿度　　　　　％"),
                         {.points = 11.25, .transparent = true, .align = Align::right});
    Label8 = &add_label(c, {1920, 360, 1575, 495}, QCoreApplication::translate("MainView", "最初のコップの水温　　　　　℃"),
                        right);

    const QStringList temperatures = {"0", "5", "10", "15", "20", "25", "30", "35", "40"};
    const QStringList humidities = {"10", "20", "30", "40", "50", "60", "70", "80", "90"};
    kion = placed(new forms::ComboBox(setting, temperatures, "30"), {960, 360, 615, 345}, 11.25);
    situdo = placed(new forms::ComboBox(setting, humidities, "60"), {960, 840, 615, 345}, 11.25);
    t0 = placed(new forms::ComboBox(setting, temperatures, "30"), {2640, 600, 615, 345}, 11.25);
}

void MainView::lay_out_chart()
{
    graph = placed(new forms::PictureBox(this, forms::PictureBox::Border::none),
                   {720, 840, 5040, chart::kBaseline});
    graph->set_fore_color(QColor(0, 0, 192));
    auto& c = graph->client();
    c.set_back_color(QColor(224, 224, 224));

    for (int i = 0; i < 4; ++i)
        Line1.push_back(
            add_line(c, 1000 * (i + 1), 0, 1000 * (i + 1), chart::kBaseline, kWhite, true));
    for (int i = 0; i < 5; ++i)
        Line2.push_back(add_line(c, 0, 4200 - 1000 * i, 5000, 4200 - 1000 * i, kWhite, true));

    const QColor bracket_blue(0, 0, 128), bracket_teal(0, 128, 128), bracket_olive(192, 192, 0);
    distill_l1 = &add_line(c, 2280, 3000, 2280, 3600, bracket_blue);
    distill_l2 = &add_line(c, 2280, 3000, 2400, 3000, bracket_blue);
    distill_l3 = &add_line(c, 2280, 3600, 2400, 3600, bracket_blue);
    vapor_l1 = &add_line(c, 2280, 4560, 2280, 5160, bracket_teal);
    vapor_l2 = &add_line(c, 2280, 4560, 2400, 4560, bracket_teal);
    howa_l1 = &add_line(c, 2760, 3600, 2760, 5160, bracket_olive);
    howa_l2 = &add_line(c, 2640, 3600, 2760, 3600, bracket_olive);

    distill_t = &add_label(c, {840, 3120, 1455, 615},
                           QCoreApplication::translate("MainView", "空気1m3中に入りきらない水蒸気が水になった量"),
                           {.fore = QColor(0, 0, 64), .transparent = true});
    vapor_t = &add_label(c, {840, 4560, 1455, 375}, QCoreApplication::translate("MainView", "空気1m3中にある現在の水蒸気量"),
                         {.fore = QColor(0, 128, 128), .transparent = true});
    howa_t =
        &add_label(c, {2880, 3720, 1095, 615}, QCoreApplication::translate("MainView", "空気1m3に入ることができる水蒸気量"),
                   {.fore = QColor(128, 128, 0), .transparent = true});

    using K = Shape::Kind;
    vapor = &add_shape(c, K::rectangle, {2400, 4560, 255, 615}, kVapourCyan);
    howa = &add_shape(c, K::rectangle, {2400, 3600, 255, 1575}, kRoomYellow);
    distill = &add_shape(c, K::rectangle, {2400, 3000, 255, 615}, kDropletBlue);

    // Front-most first: the three bars read as one column over the brackets and the grid.
    std::vector<const forms::Control*> order = {
        vapor,    howa,      distill, distill_l3, distill_l2, vapor_l2, distill_l1,
        vapor_l1, distill_t, vapor_t, howa_t,     howa_l1,    howa_l2};
    for (int i = 4; i >= 0; --i)
        order.push_back(&Line2(i));
    for (int i = 3; i >= 0; --i)
        order.push_back(&Line1(i));
    c.set_stacking(order);
}

void MainView::lay_out_axis_labels()
{
    auto& c = client();
    // One character wide, so that it reads top to bottom; the "3" beside its "ｍ".
    Label1 = &add_label(c, {120, 1080, 255, 2175}, QCoreApplication::translate("MainView", "１ｍ中の水蒸気量(g)"),
                        {.points = 11.25, .transparent = true, .align = Align::centre});
    Label3 = &add_label(c, {360, 1320, 135, 255},
                        QCoreApplication::translate("MainView", "3", "the cube of the caption's ｍ; a blank where the caption writes m³"),
                        {.points = 8.25, .transparent = true});
    Label2 = &add_label(c, {5880, 6120, 975, 255}, QCoreApplication::translate("MainView", "温度 (℃)"),
                        {.points = 11.25, .transparent = true});
    const LabelLook scale{.points = 11.25, .transparent = true, .align = Align::right};
    const double hs_tops[] = {5880, 4920, 3960, 3000, 1920, 960};
    const double ondo_lefts[] = {600, 1560, 2640, 3600, 4560, 5520};
    for (int i = 0; i < 6; ++i) {
        hs_memori.push_back(
            add_label(c, {480, hs_tops[i], 255, 255}, QString::number(10 * i), scale));
        ondo_memori.push_back(
            add_label(c, {ondo_lefts[i], 6120, 375, 255}, QString::number(10 * i - 10), scale));
    }
}

void MainView::lay_out_thermometer()
{
    thermo = placed(new forms::PictureBox(this, forms::PictureBox::Border::none),
                    {120, 6360, 5775, 375});
    auto& c = thermo->client();
    c.set_back_color(system_color::window_background());
    thermo->set_fore_color(system_color::window_text());

    using K = Shape::Kind;
    Shape1 = &add_shape(c, K::oval, {0, 0, 495, 375});
    ondo = &add_shape(c, K::rectangle, {400, 120, 5415, 135});
    for (Shape* s : {Shape1, ondo}) {
        s->set_back_color(kRed);
        s->set_border_color(kRed);
    }
    for (int i = 0; i <= 10; ++i) {
        const bool long_tick = i % 2 == 0;
        temp.push_back(
            add_line(c, 640 + 500 * i, long_tick ? 20 : 50, 640 + 500 * i, long_tick ? 340 : 310));
    }
    // Front-most first: the ticks and the bulb cover the column.
    std::vector<const forms::Control*> order;
    for (int i = 10; i >= 6; --i)
        order.push_back(&temp(i));
    order.push_back(Shape1);
    for (int i = 5; i >= 0; --i)
        order.push_back(&temp(i));
    order.push_back(ondo);
    c.set_stacking(order);

    // The value stands in the blank run of Label7's caption, just left of "℃".
    auto& m = client();
    Label7 = &add_label(m, {360, 6840, 2775, 255}, QCoreApplication::translate("MainView", "現在のコップの水温　　　　℃"),
                        {.points = 11.25, .align = Align::right});
    t1 = &add_label(m, {2400, 6840, 495, 300}, QStringLiteral("30"),
                    {.points = 12, .fore = system_color::window_text(), .align = Align::right});
    t1->set_back_color(kVapourCyan);
    t1->set_border(true);
    Label9 = &add_label(m, {3240, 6840, 2895, 255},
                        QCoreApplication::translate("MainView", "(＝コップのすぐ近くの空気の温度)"), {.points = 9.75});
}

void MainView::lay_out_air_diagram()
{
    Picture1 = placed(new forms::PictureBox(this), {5880, 2280, 2845, 3495});
    auto& c = Picture1->client();
    c.set_back_color(kWhite);
    Picture1->set_fore_color(Qt::black);

    using K = Shape::Kind;
    Shape4 = &add_shape(c, K::rectangle, {120, 840, 1815, 1815});
    Line3 = &add_line(c, 120, 840, 840, 120);
    Line4 = &add_line(c, 1920, 840, 2640, 120);
    Line5 = &add_line(c, 1920, 2640, 2640, 1920);
    Line6 = &add_line(c, 2640, 120, 2640, 1920);
    Line7 = &add_line(c, 840, 120, 2640, 120);
    Line8 = &add_line(c, 2640, 1920, 840, 1920, std::nullopt, true);  // hidden edges
    Line9 = &add_line(c, 840, 120, 840, 1920, std::nullopt, true);
    Line10 = &add_line(c, 840, 1920, 120, 2640, std::nullopt, true);

    // Left and top of each circle; all inside the cube's outline.
    static constexpr int kCircles[52][2] = {
        {1320, 1440}, {720, 1920},  {2280, 1440}, {1080, 480},  {1680, 2040}, {1920, 360},
        {600, 1440},  {2280, 840},  {1080, 2280}, {1440, 960},  {1560, 240},  {360, 960},
        {2280, 1920}, {480, 2400},  {2400, 480},  {1200, 1080}, {1080, 1680}, {600, 480},
        {2040, 1200}, {1680, 1560}, {1680, 600},  {240, 1680},  {960, 240},   {2040, 1680},
        {1200, 720},  {840, 960},   {2280, 240},  {2400, 1080}, {1680, 2400}, {1680, 1080},
        {960, 2040},  {2040, 2160}, {240, 1320},  {1080, 1320}, {360, 2160},  {2040, 720},
        {1440, 480},  {1440, 1800}, {1320, 2160}, {840, 1560},  {600, 1080},  {1320, 120},
        {2400, 1680}, {1560, 1320}, {1320, 2520}, {720, 600},   {480, 1800},  {1800, 840},
        {840, 2520},  {2040, 120},  {1920, 1440}, {240, 720}};
    for (const auto& [left, top] : kCircles)
        mizu.push_back(add_shape(c, K::circle, {double(left), double(top), 135, 135}, kVapourCyan));

    const QColor legend[] = {kRoomYellow, kVapourCyan, kDropletBlue};
    for (int i = 0; i < 3; ++i)
        setumei.push_back(add_shape(c, K::circle, {240, 2760.0 + 240 * i, 135, 135}, legend[i]));
    const LabelLook plain{.transparent = true};
    Label4 = &add_label(c, {480, 2760, 1215, 255}, QCoreApplication::translate("MainView", "まだ入る水蒸気"), plain);
    Label5 = &add_label(c, {480, 3000, 1215, 255}, QCoreApplication::translate("MainView", "水 蒸 気"), plain);
    Label6 = &add_label(c, {480, 3240, 1215, 255}, QCoreApplication::translate("MainView", "水    滴"), plain);

    // Front-most first: the circles cover the cube's edges.
    std::vector<const forms::Control*> order = {&mizu(51),   Label6,      Label5,     Label4,
                                                &setumei(2), &setumei(1), &setumei(0)};
    for (int i = 50; i >= 0; --i)
        order.push_back(&mizu(i));
    for (const forms::Line* l : {Line10, Line9, Line8, Line7, Line6, Line5, Line4, Line3})
        order.push_back(l);
    order.push_back(Shape4);
    c.set_stacking(order);
}

void MainView::set_tab_order()
{
    QWidget* order[] = {Command1, owari,  situdo,  kion,    t0,     Command2,
                        Command3, Check1, &ssp(0), &ssp(1), &ssp(2)};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

}  // namespace tesselka::screen
