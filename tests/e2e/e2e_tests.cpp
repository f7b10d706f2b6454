// End-to-end: the real program in a real X window, driven from outside as a pupil would drive
// it, checked by screenshots. Positions are the windows' laid-out pixels at 96 dpi.

#include "support/desktop.h"
#include "program.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cmath>

using namespace tesselka::e2e;

namespace {

const QString kIntro = QStringLiteral("Tesselka(start)");
const QString kMain = QStringLiteral("Tesselka(コップに水滴が付くのは？)");
const QString kMessage = QStringLiteral("Tesselka");

// Places in the simulation window.
const QPoint kStart(496, 72), kStop(628, 72), kRestart(696, 72), kEnd(704, 20);
const QPoint kSlow(576, 104), kFast(656, 104), kLabelsBox(580, 132);
const QPoint kSitudoText(560, 459);
const QPoint kCupPicture(596, 164);    // inside Picture2's border
const QPoint kIntroPicture(20, 60);    // inside the intro's Picture1
const QPoint kIntroNext(300, 252);
const QPoint kIntroLanguages(220, 252);

int stage_at(const QImage& shot, QPoint at)
{
    return Program::stage_of(shot.pixelColor(at));
}

// The water temperature, read off the thermometer: where the red column ends.
double thermometer(const QImage& shot)
{
    const int y = 436;
    int last_red = -1;
    for (int x = 8 + 27; x < 8 + 385; ++x) {
        const QColor c = shot.pixelColor(x, y);
        if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
            last_red = x;
    }
    return std::round(((last_red + 1 - 8) * 15.0 - 640) / 100 - 10);
}

// Each circle of the air diagram: 'b' droplet blue, 'c' vapour cyan, 'y' room yellow, '-' none.
std::string circles(const QImage& shot)
{
    static const int pos[52][2] = {
        {1320, 1440}, {720, 1920},  {2280, 1440}, {1080, 480},  {1680, 2040}, {1920, 360},
        {600, 1440},  {2280, 840},  {1080, 2280}, {1440, 960},  {1560, 240},  {360, 960},
        {2280, 1920}, {480, 2400},  {2400, 480},  {1200, 1080}, {1080, 1680}, {600, 480},
        {2040, 1200}, {1680, 1560}, {1680, 600},  {240, 1680},  {960, 240},   {2040, 1680},
        {1200, 720},  {840, 960},   {2280, 240},  {2400, 1080}, {1680, 2400}, {1680, 1080},
        {960, 2040},  {2040, 2160}, {240, 1320},  {1080, 1320}, {360, 2160},  {2040, 720},
        {1440, 480},  {1440, 1800}, {1320, 2160}, {840, 1560},  {600, 1080},  {1320, 120},
        {2400, 1680}, {1560, 1320}, {1320, 2520}, {720, 600},   {480, 1800},  {1800, 840},
        {840, 2520},  {2040, 120},  {1920, 1440}, {240, 720}};
    std::string out;
    for (const auto& [left, top] : pos) {
        const QColor c = shot.pixelColor(394 + (left + 67) / 15, 154 + (top + 67) / 15);
        out += c == QColor(0, 0, 255)       ? 'b'
               : c == QColor(192, 255, 255) ? 'c'
               : c == QColor(255, 255, 192) ? 'y'
                                            : '-';
    }
    return out;
}

std::string expected_circles(int blue, int cyan, int yellow)
{
    return std::string(blue, 'b') + std::string(cyan, 'c') + std::string(yellow, 'y') +
           std::string(52 - blue - cyan - yellow, '-');
}

// Whether any pixel of a box has the given colour.
bool any_pixel(const QImage& shot, QRect box, QColor color)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (shot.pixelColor(x, y) == color)
                return true;
    return false;
}

// Polls the main window until the thermometer reads `t`; the screenshot at that moment.
QImage wait_for_temperature(WindowId main, double t, int timeout_ms)
{
    QElapsedTimer timer;
    timer.start();
    QImage shot;
    do {
        shot = Desktop::shot(main);
        if (thermometer(shot) == t)
            return shot;
        pause(40);
    } while (timer.elapsed() < timeout_ms);
    ADD_FAILURE() << "the thermometer never read " << t << "; it reads " << thermometer(shot);
    return shot;
}

class EndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Desktop::start_window_manager(); }

    WindowId open_intro(const QStringList& arguments = {})
    {
        program.start(arguments);
        const auto intro = Desktop::find(kIntro, program.start_timeout_ms());
        if (!intro)
            throw std::runtime_error("no intro window");
        return *intro;
    }

    WindowId open_main()
    {
        Desktop::click(open_intro(), kIntroNext);
        const auto main = Desktop::find(kMain);
        if (!main)
            throw std::runtime_error("no simulation window");
        pause(program.start_timeout_ms() / 30);  // its first paint
        return *main;
    }

    Program program;
};

}  // namespace

TEST_F(EndToEnd, IntroPagesEveryEightTenthsOfASecondThenNextOpensTheSimulation)
{
    const WindowId intro = open_intro();
    EXPECT_EQ(Desktop::geometry(intro).size(), QSize(374, 278));
    // Watch the picture change: 0 at load (shown again by the first tick), then 1 to 5.
    QElapsedTimer clock;
    clock.start();
    std::vector<std::pair<int, qint64>> changes;  // stage, when it first showed
    int last = -1;
    while (clock.elapsed() < 6500 && (changes.empty() || changes.back().first != 5)) {
        const int stage = stage_at(Desktop::shot(intro), kIntroPicture);
        if (stage != last && stage >= 0) {
            changes.emplace_back(stage, clock.elapsed());
            last = stage;
        }
        pause(20);
    }
    ASSERT_EQ(changes.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(changes[i].first, i);
    for (int i = 2; i < 6; ++i) {
        const qint64 gap = changes[i].second - changes[i - 1].second;
        EXPECT_NEAR(gap, 800, 250) << "between pictures " << i - 1 << " and " << i;
    }
    // Nothing changes after the last page.
    const QImage finished = Desktop::shot(intro);
    pause(1200);
    EXPECT_EQ(Desktop::shot(intro), finished);

    Desktop::click(intro, kIntroNext);
    const auto main = Desktop::find(kMain);
    ASSERT_TRUE(main.has_value());
    EXPECT_TRUE(Desktop::wait_gone(kIntro));
    EXPECT_EQ(Desktop::geometry(*main).size(), QSize(740, 488));
}

TEST_F(EndToEnd, ARunCondensesFromTwentyDegrees)
{
    const WindowId main = open_main();
    QImage shot = Desktop::shot(main);
    EXPECT_EQ(thermometer(shot), 30);
    EXPECT_EQ(stage_at(shot, kCupPicture), 0);
    EXPECT_EQ(circles(shot), expected_circles(0, 19, 12));

    Desktop::click(main, kFast);
    Desktop::click(main, kStart);
    shot = wait_for_temperature(main, 21, 8000);
    EXPECT_EQ(circles(shot), expected_circles(0, 19, 0));
    EXPECT_EQ(stage_at(shot, kCupPicture), 0);
    shot = wait_for_temperature(main, 20, 2000);
    EXPECT_EQ(circles(shot), expected_circles(2, 17, 0));
    EXPECT_EQ(stage_at(shot, kCupPicture), 1);
    // The column at 20 degrees: cyan below, a thin blue cap above it (1.04 g).
    const int x = 48 + 3000 / 15;
    EXPECT_EQ(shot.pixelColor(x, 56 + (5200 - 1000) / 15), QColor(192, 255, 255));
    EXPECT_EQ(shot.pixelColor(x, 56 + (5200 - 1770) / 15), QColor(0, 0, 255));
    Desktop::click(main, kStop);
}

TEST_F(EndToEnd, StopResumeRestartSpeedLabelsAndAListPick)
{
    const WindowId main = open_main();
    Desktop::click(main, kStart);
    EXPECT_EQ(thermometer(Desktop::shot(main)), 29);  // one tick at once
    Desktop::click(main, kStop);
    const double paused = thermometer(Desktop::shot(main));
    pause(1500);
    EXPECT_EQ(thermometer(Desktop::shot(main)), paused);
    Desktop::click(main, kStart);
    EXPECT_EQ(thermometer(Desktop::shot(main)), paused - 1);

    Desktop::click(main, kRestart);
    EXPECT_EQ(thermometer(Desktop::shot(main)), 30);  // no tick at once
    wait_for_temperature(main, 29, 1600);             // but one an interval later

    // The slow speed: about two seconds a degree.
    Desktop::click(main, kSlow);
    wait_for_temperature(main, 28, 3000);
    QElapsedTimer clock;
    clock.start();
    wait_for_temperature(main, 27, 3000);
    EXPECT_NEAR(clock.elapsed(), 2000, 300);

    // The bar labels: the saturated bar's label text shows beside the bar once ticked.
    const QRect label_area(48 + 3800 / 15, 56 + 2500 / 15, 60, 40);
    EXPECT_FALSE(any_pixel(Desktop::shot(main), label_area, QColor(128, 128, 0)));
    Desktop::click(main, kLabelsBox);
    EXPECT_TRUE(any_pixel(Desktop::shot(main), QRect(48 + 100 * 37 / 15, 56 + 2600 / 15, 80, 60),
                          QColor(128, 128, 0)));

    // Picking a humidity from the list during the run stops it and resets.
    Desktop::click(main, {578, 459});  // the list's arrow
    Desktop::key(main, QStringLiteral("Down"));
    Desktop::key(main, QStringLiteral("Return"));
    const QImage after = Desktop::shot(main);
    EXPECT_EQ(thermometer(after), 30);
    pause(1500);
    EXPECT_EQ(thermometer(Desktop::shot(main)), 30);
}

TEST_F(EndToEnd, ATypedBadValueIsRefusedWithAMessageAndTheLessonGoesOn)
{
    const WindowId main = open_main();
    Desktop::click(main, kSitudoText);
    Desktop::key(main, QStringLiteral("ctrl+a"));
    Desktop::type(main, QStringLiteral("abc"));
    Desktop::key(main, QStringLiteral("Return"));
    const auto message = Desktop::find(kMessage, 5000);
    ASSERT_TRUE(message.has_value());
    Desktop::key(*message, QStringLiteral("Return"));
    EXPECT_TRUE(Desktop::wait_gone(kMessage));
    EXPECT_FALSE(program.wait_exit(300));  // still running
    Desktop::click(main, kStart);
    EXPECT_EQ(thermometer(Desktop::shot(main)), 29);
    const QImage shot = Desktop::shot(main);
    EXPECT_EQ(circles(shot), expected_circles(0, 19, 10));  // still 60 %: 18.24 g at 29 degrees
}

// A pupil who reads Portuguese picks Português from the intro's list (the window is made anew in
// it), and the simulation window that 「次へ」 (Próximo) opens is in Portuguese, its title says;
// a run condenses and a bad value is refused there as in Japanese.
TEST_F(EndToEnd, APortugueseLessonPickedInTheIntrosList)
{
    const WindowId japanese = open_intro();
    Desktop::click(japanese, kIntroLanguages);
    Desktop::key(japanese, QStringLiteral("Down"));
    Desktop::key(japanese, QStringLiteral("Down"));
    Desktop::key(japanese, QStringLiteral("Return"));
    QElapsedTimer clock;
    clock.start();
    do
        pause(50);
    while ((Desktop::count(kIntro) != 1 || Desktop::find(kIntro, 0) == japanese) && clock.elapsed() < 5000);
    const auto portuguese = Desktop::find(kIntro, 0);
    ASSERT_TRUE(portuguese.has_value());
    ASSERT_NE(*portuguese, japanese) << "the intro was not made anew";
    EXPECT_EQ(Desktop::geometry(*portuguese).size(), QSize(374, 278));

    Desktop::click(*portuguese, kIntroNext);
    const auto main = Desktop::find(QStringLiteral("Tesselka (Gotas no copo: por quê?)"));
    ASSERT_TRUE(main.has_value());
    EXPECT_FALSE(Desktop::exists(kMain));
    pause(program.start_timeout_ms() / 30);
    Desktop::click(*main, kFast);
    Desktop::click(*main, kStart);
    const QImage shot = wait_for_temperature(*main, 20, 10000);
    EXPECT_EQ(circles(shot), expected_circles(2, 17, 0));
    Desktop::click(*main, kStop);

    Desktop::click(*main, kSitudoText);
    Desktop::key(*main, QStringLiteral("ctrl+a"));
    Desktop::type(*main, QStringLiteral("abc"));
    Desktop::key(*main, QStringLiteral("Return"));
    const auto message = Desktop::find(kMessage, 5000);
    ASSERT_TRUE(message.has_value());
    Desktop::key(*message, QStringLiteral("Return"));
    EXPECT_TRUE(Desktop::wait_gone(kMessage));
    EXPECT_FALSE(program.wait_exit(300));
}

TEST_F(EndToEnd, WindowsKeepTheirSizeAndTheCloseBoxEndsTheProgram)
{
    const WindowId intro = open_intro();
    Desktop::resize(intro, {600, 500});
    pause(300);
    EXPECT_EQ(Desktop::geometry(intro).size(), QSize(374, 278));
    Desktop::close(intro);
    ASSERT_TRUE(program.wait_exit());
    EXPECT_EQ(program.outcome().exit_code, 0);
    EXPECT_EQ(program.outcome().signal, 0);
    EXPECT_FALSE(Desktop::exists(kMain));
}

TEST_F(EndToEnd, TheSimulationWindowsCloseBoxEndsTheProgram)
{
    const WindowId main = open_main();
    Desktop::resize(main, {900, 700});
    pause(300);
    EXPECT_EQ(Desktop::geometry(main).size(), QSize(740, 488));
    Desktop::close(main);
    ASSERT_TRUE(program.wait_exit());
    EXPECT_EQ(program.outcome().exit_code, 0);
}

TEST_F(EndToEnd, AWheelNotchOverAListWithoutTheFocusChangesNothing)
{
    const WindowId main = open_main();
    Desktop::hover(main, kSitudoText);
    const QImage before = Desktop::shot(main);
    Desktop::wheel_down(main, kSitudoText);
    EXPECT_EQ(Desktop::shot(main), before);  // the list still reads 60, nothing else moved
}

TEST_F(EndToEnd, EndButtonEndsTheProgram)
{
    const WindowId main = open_main();
    Desktop::click(main, kStart);
    Desktop::click(main, kEnd);
    ASSERT_TRUE(program.wait_exit());
    EXPECT_EQ(program.outcome().exit_code, 0);
    EXPECT_EQ(program.outcome().signal, 0);
}

TEST_F(EndToEnd, AMissingPictureStopsTheStartWithAMessage)
{
    program.remove_picture(3);
    program.start();
    const auto message = Desktop::find(kMessage, program.start_timeout_ms());
    ASSERT_TRUE(message.has_value());
    EXPECT_FALSE(Desktop::exists(kIntro));
    Desktop::key(*message, QStringLiteral("Return"));
    ASSERT_TRUE(program.wait_exit());
    EXPECT_EQ(program.outcome().exit_code, 2);
    EXPECT_TRUE(program.outcome().error_output.contains(QStringLiteral("3.jpg")));
}

// A picture that goes missing during a run: the run stops where the error arose and one report
// shows, however many pictures are gone; closing it ends the program with status 1.
class PictureGone : public EndToEnd, public ::testing::WithParamInterface<std::vector<int>> {};

TEST_P(PictureGone, OneReportAndNothingRunsBehindIt)
{
    const WindowId main = open_main();
    for (int stage : GetParam())
        program.remove_picture(stage);
    Desktop::click(main, kFast);
    Desktop::click(main, kStart);
    const auto message = Desktop::find(kMessage, 15000);
    ASSERT_TRUE(message.has_value());
    // 1.jpg is first needed at 20 degrees (1.04 g condensed from 30 degrees and 60 %).
    EXPECT_EQ(thermometer(Desktop::shot(main)), 20);
    pause(2500);  // five ticks at the fast speed
    EXPECT_EQ(thermometer(Desktop::shot(main)), 20);
    EXPECT_EQ(Desktop::count(kMessage), 1);
    Desktop::key(*message, QStringLiteral("Return"));
    ASSERT_TRUE(program.wait_exit());
    EXPECT_EQ(program.outcome().exit_code, 1);
    EXPECT_EQ(program.outcome().error_output.count(QStringLiteral("1.jpg")), 1);
}

INSTANTIATE_TEST_SUITE_P(Runs, PictureGone,
                         ::testing::Values(std::vector<int>{1}, std::vector<int>{1, 2}));

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Zoomed and full screen, on a 1920 x 1080 screen (a suite of its own, run on such a display).
using Zoom = EndToEnd;

TEST_F(Zoom, AtTwiceTheSizeTheClicksLandAndStartTheRun)
{
    const WindowId intro = open_intro({QStringLiteral("--zoom"), QStringLiteral("200")});
    EXPECT_EQ(Desktop::geometry(intro).size(), QSize(748, 556));
    pause(1000);  // the simulation window is made and drawn, hidden, meanwhile
    Desktop::click(intro, kIntroNext * 2);
    const auto main = Desktop::find(kMain);
    ASSERT_TRUE(main);
    pause(300);
    EXPECT_EQ(Desktop::geometry(*main).size(), QSize(1480, 976));
    const auto reading = [&] {
        const QImage shot = Desktop::shot(*main);
        return thermometer(shot.scaled(shot.size() / 2));  // every other pixel
    };
    EXPECT_EQ(reading(), 30);
    Desktop::click(*main, kStart * 2);
    EXPECT_EQ(reading(), 29);  // one tick at once
    Desktop::click(*main, kStop * 2);
}

TEST_F(Zoom, FullScreenFillsTheScreenCentredAndEscRestores)
{
    const WindowId intro = open_intro({QStringLiteral("--full-screen")});
    pause(1000);  // as above
    EXPECT_EQ(Desktop::geometry(intro), QRect(0, 0, 1920, 1080));
    // 374 x 278 pixels as laid out: 1080 / 278 = 3.885 times, 1453 wide, 233 from the left.
    Desktop::click(intro, QPoint(233, 0) + kIntroNext * 1080 / 278);
    const auto main = Desktop::find(kMain);
    ASSERT_TRUE(main);
    pause(300);
    EXPECT_EQ(Desktop::geometry(*main), QRect(0, 0, 1920, 1080));
    // 740 x 488: 1080 / 488 = 2.213 times, 1638 wide, 141 from the left.
    const QImage shot = Desktop::shot(*main);
    const auto at = [](int x, int y) { return QPoint(141 + x * 1080 / 488, y * 1080 / 488); };
    const QColor face = shot.pixelColor(at(740, 0) + QPoint(20, 540));
    EXPECT_EQ(shot.pixelColor(70, 540), face) << "the left margin";
    EXPECT_EQ(shot.pixelColor(at(200, 200)), QColor(224, 224, 224)) << "the chart";
    EXPECT_EQ(shot.pixelColor(at(150, 436)), QColor(255, 0, 0)) << "the thermometer column";
    Desktop::key(*main, QStringLiteral("Escape"));
    pause(500);
    EXPECT_EQ(Desktop::geometry(*main).size(), QSize(740, 488));
    Desktop::key(*main, QStringLiteral("ctrl+plus"));
    pause(300);
    EXPECT_EQ(Desktop::geometry(*main).size(), QSize(925, 610));
}
