// The real program, as a process, with a broken cup picture: before the start each fault gives
// the start-up message and exit status 2, with no hang and bounded memory; during the intro a
// picture that goes or breaks ends the program through the error report (status 1).

#include "support/broken_pictures.h"
#include "support/copied_program.h"
#include "support/process.h"
#include "support/x_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <poll.h>
#include <sys/inotify.h>

namespace tesselka::testing {
namespace {

const QString kProgram = QStringLiteral(TESSELKA_EXE);

// Far above the program's own needs (about 40 MB), far below one decoded 60000 x 60000 picture
// (14 GB); a sanitizer's shadow memory is allowed for.
constexpr long kMemoryBoundKb = 300L * 1024 * kSlowdown;

class ProgramCopy : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(copy_.make(kProgram)); }

    QString work(const QString& file) const { return copy_.work(file); }

    std::unique_ptr<Process> start(const QString& platform = QStringLiteral("offscreen"))
    {
        return std::make_unique<Process>(QStringList{copy_.program()}, copy_.work(),
                                         environment(platform));
    }

    CopiedProgram copy_;
};

class StartWithBrokenPicture : public ProgramCopy,
                               public ::testing::WithParamInterface<PictureFault> {};

TEST_P(StartWithBrokenPicture, GivesTheStartUpMessage)
{
    const PictureFault& fault = GetParam();
    QFile good(work(picture_name(3)));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    ASSERT_TRUE(fault.apply(good.fileName(), good.readAll()));

    const Outcome r = start()->wait(20000 * kSlowdown);
    std::cout << "fault " << fault.name << ": " << (r.finished ? "exit " : "killed, ")
              << (r.finished ? std::to_string(r.exit_code) : "still running") << " after "
              << r.seconds << " s, peak " << r.peak_kb / 1024 << " MB" << std::endl;
    ASSERT_TRUE(r.finished) << "still running after " << r.seconds << " s";
    EXPECT_EQ(r.signal, 0);
    const QString& out = r.error_output;
    EXPECT_EQ(r.exit_code, 2) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("起動できません"))) << out.toStdString();
    EXPECT_TRUE(out.contains(picture_name(3) + (fault.not_found
                                                    ? QStringLiteral("（見つかりません）")
                                                    : QStringLiteral("（絵として読めません"))))
        << out.toStdString();
    for (int i : {0, 1, 2, 4, 5})
        EXPECT_FALSE(out.contains(picture_name(i))) << out.toStdString();
    EXPECT_LT(r.peak_kb, kMemoryBoundKb);
}

INSTANTIATE_TEST_SUITE_P(Faults, StartWithBrokenPicture, ::testing::ValuesIn(kPictureFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramCopy, TheLargestPictureAllowedStartsWithinTheMemoryBound)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "no X display to see the intro window on";
    // 4096 x 4096 is the most a picture may state; the intro shows 0.jpg before it appears.
    QImage big(4096, 4096, QImage::Format_RGB32);
    big.fill(QColor(200, 220, 255));
    ASSERT_TRUE(big.save(work(picture_name(0)), "PNG"));
    auto child = start(QStringLiteral("xcb"));
    const bool shown = window_appears(QStringLiteral("Tesselka(start)"), 20000 * kSlowdown);
    const Outcome r = child->stop(SIGKILL);
    const QString& out = r.error_output;
    std::cout << "a 4096 x 4096 picture: peak " << r.peak_kb / 1024 << " MB" << std::endl;
    EXPECT_TRUE(shown) << out.toStdString();
    EXPECT_FALSE(r.finished);
    EXPECT_FALSE(out.contains(QStringLiteral("起動できません"))) << out.toStdString();
    EXPECT_LT(r.peak_kb, kMemoryBoundKb);
}

// Waits until the program has closed `file` after reading it, as the start-up check does with
// every picture before any window shows.
bool wait_for_read(const QString& folder, const QString& file, int ms)
{
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0 || inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_CLOSE_NOWRITE) < 0)
        return false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    bool seen = false;
    while (!seen && std::chrono::steady_clock::now() < until) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0)
            continue;
        alignas(inotify_event) char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            seen = seen || (e->len > 0 && file == QString::fromUtf8(e->name));
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        }
    }
    close(fd);
    return seen;
}

struct IntroFault {
    const char* name;
    int picture;
    const char* code;
    bool remove;
};

void PrintTo(const IntroFault& f, std::ostream* out) { *out << f.name; }

class IntroPictureBreaks : public ProgramCopy, public ::testing::WithParamInterface<IntroFault> {};

TEST_P(IntroPictureBreaks, EndsThroughTheErrorReport)
{
    // The intro shows picture i at its (i + 1)th tick, 0.8 s apart; the file breaks once the
    // start-up check has read the last picture.
    const IntroFault& fault = GetParam();
    auto child = start();
    ASSERT_TRUE(wait_for_read(copy_.work(), picture_name(5), 20000 * kSlowdown));
    const QString path = work(picture_name(fault.picture));
    if (fault.remove)
        ASSERT_TRUE(QFile::remove(path));
    else
        ASSERT_TRUE(write_file(path, "GIF89a, or so it says"));
    const Outcome r = child->wait(20000 * kSlowdown);
    std::cout << fault.name << ": exit " << r.exit_code << " after " << r.seconds << " s, peak "
              << r.peak_kb / 1024 << " MB" << std::endl;
    ASSERT_TRUE(r.finished) << "still running after " << r.seconds << " s";
    EXPECT_EQ(r.signal, 0);
    const QString& out = r.error_output;
    EXPECT_EQ(r.exit_code, 1) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("実行時エラー '%1'").arg(fault.code))) << out.toStdString();
    EXPECT_TRUE(out.contains(picture_name(fault.picture))) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faults, IntroPictureBreaks,
                         ::testing::Values(IntroFault{"removed", 5, "53", true},
                                           IntroFault{"overwritten", 4, "481", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tesselka::testing
