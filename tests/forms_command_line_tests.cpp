// What the program makes of how it was started, in-process: the options against the range the
// help states, the display check's rules, and the zoom step a screen has room for.

#include "app/options.h"
#include "platform/platform.h"
#include "forms/zoom.h"

#include <QByteArray>
#include <QSize>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tesselka {
namespace {

std::optional<app::Options> parse(QStringList arguments, QString* error = nullptr)
{
    arguments.prepend(QStringLiteral("tesselka"));
    QString message;
    std::optional<app::Options> options = app::parse_options(arguments, message);
    if (error)
        *error = message;
    return options;
}

TEST(CommandLine, EveryZoomInTheHelpsRangeIsTakenAndNoneOutsideIt)
{
    const std::optional<app::Options> help = parse({"--help"});
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->answer.contains(QStringLiteral("100〜300"))) << help->answer.toStdString();
    EXPECT_EQ(parse({"--version"})->answer, QStringLiteral("tesselka " TESSELKA_VERSION "\n"));

    const std::map<QString, double> taken = {{"100", 1.0},  {"125", 1.25}, {"150", 1.5},
                                             {"199", 1.99}, {"250", 2.5},  {"300", 3.0}};
    for (const auto& [percent, factor] : taken) {
        const std::optional<app::Options> options = parse({"--zoom", percent});
        ASSERT_TRUE(options) << percent.toStdString();
        EXPECT_DOUBLE_EQ(options->zoom, factor) << percent.toStdString();
        EXPECT_FALSE(options->full_screen);
        EXPECT_TRUE(options->answer.isEmpty());
    }
    for (const char* percent : {"99", "301", "0", "-150", "1e2", "150.0", ""}) {
        QString error;
        EXPECT_FALSE(parse({"--zoom", percent}, &error)) << percent;
        EXPECT_TRUE(error.contains(QStringLiteral("100〜300"))) << error.toStdString();
    }
    const std::optional<app::Options> plain = parse({});
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->zoom, 1.0);
    EXPECT_FALSE(plain->full_screen);
    const std::optional<app::Options> projector = parse({"--full-screen", "--zoom=200"});
    ASSERT_TRUE(projector);
    EXPECT_TRUE(projector->full_screen);
    EXPECT_EQ(projector->zoom, 2.0);
}

// Sets environment variables for a test and puts the old values back after it.
class Environment {
public:
    void set(const char* name, const char* value)
    {
        if (!saved_.count(name))
            saved_[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        value ? qputenv(name, value) : qunsetenv(name);
    }
    ~Environment()
    {
        for (const auto& [name, value] : saved_)
            value ? qputenv(name.c_str(), *value) : qunsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<QByteArray>> saved_;
};

TEST(CommandLine, ADisplayIsThereWhenThePlatformQtWouldTakeHasOne)
{
    struct Case {
        const char *display, *wayland, *platform;
        std::vector<const char*> arguments;
        bool exists;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, {}, false},             // a console, an SSH login
        {":0", nullptr, nullptr, {}, true},                 // X
        {nullptr, "wayland-0", nullptr, {}, true},          // Wayland alone
        {"", "", nullptr, {}, false},                       // set but empty
        {nullptr, nullptr, nullptr, {"-display", ":1"}, true},
        {nullptr, nullptr, nullptr, {"--display", ":1"}, true},
        {nullptr, "wayland-0", "xcb", {}, false},           // X asked for, Wayland only
        {":0", nullptr, "wayland", {}, false},              // Wayland asked for, X only
        {":0", nullptr, "wayland-egl", {}, false},
        {nullptr, "wayland-0", "wayland;xcb", {}, true},
        {":0", nullptr, "wayland;xcb", {}, true},
        {nullptr, nullptr, "offscreen", {}, true},          // needs no display server
        {nullptr, nullptr, "xcb", {"-platform", "vnc:size=800x600"}, true},
        {":0", nullptr, "offscreen", {"-platform", "xcb"}, true},
        {nullptr, nullptr, "offscreen", {"-platform", "xcb"}, false},
    };
    for (const Case& c : cases) {
        Environment environment;
        environment.set("DISPLAY", c.display);
        environment.set("WAYLAND_DISPLAY", c.wayland);
        environment.set("QT_QPA_PLATFORM", c.platform);
        std::vector<char*> argv = {const_cast<char*>("tesselka")};
        for (const char* argument : c.arguments)
            argv.push_back(const_cast<char*>(argument));
        EXPECT_EQ(platform::display_exists(int(argv.size()), argv.data()), c.exists)
            << "DISPLAY=" << (c.display ? c.display : "(none)") << " WAYLAND_DISPLAY="
            << (c.wayland ? c.wayland : "(none)") << " QT_QPA_PLATFORM=" << (c.platform ? c.platform : "(none)")
            << " and " << c.arguments.size() << " arguments";
    }
}

TEST(CommandLine, TheLargestZoomStepThatFitsTheScreenFrameIncluded)
{
    // The intro is 5610 x 4170 twips: 374 x 278 pixels at 96 dpi, and at the steps
    // 125 % 468 x 348, 150 % 561 x 417, 175 % 655 x 487, 200 % 748 x 556, 250 % 935 x 695,
    // 300 % 1122 x 834.
    struct Case {
        QSize frame, room;
        double step;
    };
    const Case cases[] = {
        {{0, 0}, {1920, 1080}, 3.0},     {{0, 0}, {1122, 834}, 3.0},     {{0, 0}, {1121, 834}, 2.5},
        {{0, 0}, {935, 695}, 2.5},       {{0, 0}, {935, 694}, 2.0},      {{0, 0}, {800, 800}, 2.0},
        {{0, 0}, {1366, 768}, 2.5},      {{0, 30}, {1280, 720}, 2.0}, {{0, 0}, {1280, 720}, 2.5},
        {{2, 26}, {1024, 580}, 1.75}, {{0, 0}, {467, 400}, 1.0},     {{0, 0}, {300, 200}, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(forms::Zoom::largest_fitting_step(5610, 4170, c.frame, c.room).factor(), c.step)
            << c.room.width() << "x" << c.room.height() << " with a frame of " << c.frame.width()
            << "x" << c.frame.height();
}

TEST(CommandLine, TheZoomStepsGoUpAndDownOneAtATime)
{
    // From a step, or from a full screen's zoom between two.
    const double up[][2] = {{1.0, 1.25}, {1.25, 1.5}, {1.5, 1.75}, {1.75, 2.0}, {2.0, 2.5},
                            {2.5, 3.0},  {3.0, 3.0},  {1.1, 1.25}, {2.2, 2.5}};
    const double down[][2] = {{3.0, 2.5}, {2.5, 2.0}, {2.0, 1.75}, {1.75, 1.5}, {1.5, 1.25},
                              {1.25, 1.0}, {1.0, 1.0}, {1.1, 1.0}, {2.2, 2.0}};
    for (const auto& [from, to] : up)
        EXPECT_EQ(forms::Zoom(from).next_step(true).factor(), to) << from;
    for (const auto& [from, to] : down)
        EXPECT_EQ(forms::Zoom(from).next_step(false).factor(), to) << from;
}

}  // namespace
}  // namespace tesselka
