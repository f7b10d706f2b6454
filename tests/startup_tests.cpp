// The real program, started as a process: the check of the pictures before any window shows,
// and the lookup of the pictures that come with it. The suite runs on a virtual X display
// (xvfb-run), where a window that appears can be seen from outside.

#include "support/copied_program.h"
#include "support/process.h"
#include "support/x_window.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace tesselka::testing;

const QString kProgram = QStringLiteral(TESSELKA_EXE);
const QString kPictures = QFileInfo(kProgram).absolutePath();  // drawn beside it by the build

// Starts `program` from `folder`; gives it `ms` to end by itself, then kills it. Its error
// output is read with its output after it, as one text.
Outcome start(const QString& program, const QString& folder, int ms,
              const QStringList& arguments = {}, const QProcessEnvironment& env = environment())
{
    Outcome r = run(QStringList{program} + arguments, folder, env, ms);
    r.error_output += r.output;
    return r;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(copy_.make(kProgram)); }
    QString work(const QString& file) const { return copy_.work(file); }
    Outcome start_program(int ms = 20000) { return start(copy_.program(), copy_.work(), ms); }

private:
    CopiedProgram copy_;
};

void write(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

}  // namespace

TEST_F(StartupTest, AMissingPictureStopsTheStartWithItsName)
{
    ASSERT_TRUE(QFile::remove(work(picture_name(3))));
    ASSERT_TRUE(QFile::remove(work(picture_name(5))));
    const Outcome r = start_program();
    ASSERT_TRUE(r.finished);
    EXPECT_NE(r.exit_code, 0);
    EXPECT_TRUE(r.error_output.contains("3.jpg")) << r.error_output.toStdString();
    EXPECT_TRUE(r.error_output.contains("5.jpg"));
    EXPECT_FALSE(r.error_output.contains("0.jpg"));
    EXPECT_TRUE(r.error_output.contains(QDir(work(".")).absolutePath()));  // where it looked
}

TEST_F(StartupTest, AnEmptyOrTextFileIsNoPicture)
{
    write(work(picture_name(0)), "");
    write(work(picture_name(3)), "これは絵ではありません\n");
    const Outcome r = start_program();
    ASSERT_TRUE(r.finished);
    EXPECT_NE(r.exit_code, 0);
    EXPECT_TRUE(r.error_output.contains("0.jpg"));
    EXPECT_TRUE(r.error_output.contains("3.jpg"));
    EXPECT_FALSE(r.error_output.contains("1.jpg"));
}

TEST(Startup, FromAnotherFolderItFindsThePicturesThatComeWithIt)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "no X display to see the window on";
    QTemporaryDir empty;
    Process p({kProgram}, empty.path(), environment(QStringLiteral("xcb")));
    const bool shown = window_appears(QStringLiteral("Tesselka(start)"), 20000);
    const Outcome& r = p.stop();
    EXPECT_TRUE(shown) << "no intro window: " << r.error_output.toStdString();
    EXPECT_FALSE(r.finished);  // still running
}

// The program's own lines, without Qt's warnings about the test machine.
QStringList own_lines(const QString& output)
{
    return output.split('\n').filter(QRegularExpression(QStringLiteral("^tesselka")));
}

// A line in Japanese: kana in it, and no English word once the options and the values quoted
// from the command line are taken out.
void expect_japanese(const QString& line)
{
    QString words = line;
    words.remove(QRegularExpression(QStringLiteral("^tesselka:|'[^']*'|--[a-z-]+|PERCENT")));
    EXPECT_TRUE(words.contains(QRegularExpression(QStringLiteral("[\\x{3041}-\\x{30ff}]"))))
        << line.toStdString();
    EXPECT_FALSE(words.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))))
        << line.toStdString();
}

TEST(StartupOptions, ABadZoomOrOptionIsRefusedInOneJapaneseLineNamingTheRange)
{
    const QStringList bad[] = {{"--zoom", "50"},  {"--zoom", "301"}, {"--zoom", "150.5"},
                               {"--zoom", "abc"}, {"--zoom"},        {"--projector"},
                               {"--zoom=99", "--full-screen"},       {"extra"}};
    for (const QStringList& arguments : bad) {
        for (const QProcessEnvironment& env : {environment(), no_display()}) {
            const Outcome r = start(kProgram, kPictures, 10000, arguments, env);
            const QString what = arguments.join(' ');
            ASSERT_TRUE(r.finished) << what.toStdString();
            EXPECT_EQ(r.exit_code, 2) << what.toStdString();
            const QStringList lines = own_lines(r.error_output);
            ASSERT_EQ(lines.size(), 1) << r.error_output.toStdString();
            EXPECT_TRUE(lines[0].contains(QStringLiteral("100〜300"))) << lines[0].toStdString();
            expect_japanese(lines[0]);
        }
    }
}

TEST(StartupOptions, HelpAndVersionAnswerWithOrWithoutADisplay)
{
    for (const QProcessEnvironment& env : {environment(), no_display()}) {
        const Outcome help = start(kProgram, kPictures, 10000, {"--help"}, env);
        EXPECT_EQ(help.exit_code, 0) << help.error_output.toStdString();
        EXPECT_TRUE(help.error_output.contains("--zoom <PERCENT>"));
        EXPECT_TRUE(help.error_output.contains("--full-screen"));
        const Outcome version = start(kProgram, kPictures, 10000, {"--version"}, env);
        EXPECT_EQ(version.exit_code, 0) << version.error_output.toStdString();
        EXPECT_EQ(own_lines(version.error_output), QStringList{"tesselka " TESSELKA_VERSION});
    }
}

TEST(StartupOptions, GoodValuesStartTheIntroAndNoDisplayEndsInOneLine)
{
    const Outcome good = start(kProgram, kPictures, 1500, {"--zoom", "300", "--full-screen"});
    EXPECT_FALSE(good.finished) << good.error_output.toStdString();  // running its intro
    // Qt's own option still names the platform.
    const Outcome platform = start(kProgram, kPictures, 1500, {"-platform", "offscreen"}, no_display());
    EXPECT_FALSE(platform.finished) << platform.error_output.toStdString();
    for (const QStringList& arguments : {QStringList(), QStringList{"--zoom", "200"}}) {
        const Outcome none = start(kProgram, kPictures, 10000, arguments, no_display());
        EXPECT_EQ(none.exit_code, 1) << none.error_output.toStdString();  // not Qt's abort
        ASSERT_EQ(none.error_output.count('\n'), 1) << none.error_output.toStdString();
        EXPECT_TRUE(none.error_output.contains(QStringLiteral("デスクトップ")));
        expect_japanese(none.error_output.trimmed());
    }
    // In the language asked for.
    const Outcome portuguese = start(kProgram, kPictures, 10000, {"--lang", "pt_BR"}, no_display());
    EXPECT_EQ(portuguese.error_output.trimmed(),
              "tesselka: Nenhuma tela encontrada. Abra-o em uma área de trabalho gráfica.");
}

TEST(StartupOptions, APlatformThatCannotStartEndsInOneJapaneseLine)
{
    QTemporaryDir runtime;  // holds no Wayland socket
    QProcessEnvironment no_plugin = no_display(), wayland = no_display();
    no_plugin.insert("QT_QPA_PLATFORM", "nonexistent");
    wayland.insert("QT_QPA_PLATFORM", "wayland");
    wayland.insert("WAYLAND_DISPLAY", "wayland-gone");
    wayland.insert("XDG_RUNTIME_DIR", runtime.path());
    const std::tuple<const char*, QStringList, QProcessEnvironment> cases[] = {
        {"X display without a server", {}, display_without_server()},
        {"QT_QPA_PLATFORM naming no plugin", {}, no_plugin},
        {"-platform naming no plugin", {"-platform", "nonexistent"}, no_display()},
        {"Wayland socket that is gone", {}, wayland}};
    for (const auto& [what, arguments, env] : cases) {
        SCOPED_TRACE(what);
        const Outcome r = run(QStringList{kProgram} + arguments, kPictures, env, 10000);
        EXPECT_EQ(r.signal, 0);  // not Qt's abort
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_EQ(r.error_output.count('\n'), 1) << r.error_output.toStdString();
        EXPECT_TRUE(r.error_output.contains(QStringLiteral("画面を開けません")));
        EXPECT_FALSE(r.error_output.contains("qt.qpa") ||
                     r.error_output.contains("This application failed to start"));
        expect_japanese(r.error_output.trimmed());
    }
    // The command line is still answered there.
    const Outcome version = run({kProgram, "--version"}, kPictures, display_without_server(), 10000);
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_TRUE(version.output.startsWith("tesselka ")) << version.output.toStdString();
}
