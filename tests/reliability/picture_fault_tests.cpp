// A cup picture removed or broken while the simulation window runs: the redraw that needs it
// ends in the uncaught-error report with the file's name, the window keeps what it showed, and
// the run goes on once the file is back.

#include "support/broken_pictures.h"
#include "support/copied_program.h"
#include "support/process.h"

#include "forms/error_report.h"
#include "forms/picture.h"
#include "run/main_window.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <thread>

namespace tesselka {
namespace {

using testing::PictureFault;

using testing::picture_name;

long peak_rss_kb()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Unblocks a reader stuck opening a named pipe, so that a hang fails the test rather than
// stopping the suite.
class PipeWatchdog {
public:
    explicit PipeWatchdog(QString path) : path_(std::move(path))
    {
        thread_ = std::thread([this] {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!done_ && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (done_)
                return;
            const int fd = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                hung_ = true;
                ::close(fd);
            }
        });
    }
    ~PipeWatchdog()
    {
        done_ = true;
        thread_.join();
    }
    bool hung() const { return hung_; }

private:
    QString path_;
    std::atomic<bool> done_{false}, hung_{false};
    std::thread thread_;
};

class PictureBreaksDuringRun : public ::testing::TestWithParam<PictureFault> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work_.isValid());
        for (int i = 0; i < 6; ++i) {
            QFile source(forms::find_picture(picture_name(i)));
            ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << picture_name(i).toStdString();
            good_[i] = source.readAll();
            ASSERT_TRUE(testing::write_file(work_.filePath(picture_name(i)), good_[i]));
        }
        // Only the test's folder is looked in, so nothing can stand in for a broken file.
        old_cwd_ = QDir::currentPath();
        old_folders_ = forms::picture_folders().mid(1);
        ASSERT_TRUE(QDir::setCurrent(work_.path()));
        forms::set_data_folders({});

        previous_reporter_ = forms::set_error_reporter([this](const RuntimeError& e) {
            codes_.push_back(e.code());
            reports_.push_back(forms::error_message(e));
        });
        previous_message_ = run::MainWindow::set_message_function([](QWidget*, const QString&) {});
        w_ = std::make_unique<run::MainWindow>();
        w_->load();
        ASSERT_TRUE(codes_.empty());
    }

    void TearDown() override
    {
        w_.reset();
        forms::set_error_reporter(previous_reporter_);
        run::MainWindow::set_message_function(previous_message_);
        QDir::setCurrent(old_cwd_);
        forms::set_data_folders(old_folders_);
    }

    QImage picture(int i) const { return QImage::fromData(good_[i]); }

    QTemporaryDir work_;
    QByteArray good_[6];
    std::unique_ptr<run::MainWindow> w_;
    std::vector<ErrorCode> codes_;
    std::vector<QString> reports_;

private:
    QString old_cwd_;
    QStringList old_folders_;
    forms::ErrorReporter previous_reporter_;
    run::MainWindow::MessageFunction previous_message_;
};

TEST_P(PictureBreaksDuringRun, TheRedrawReportsItAndTheRunGoesOn)
{
    const PictureFault& fault = GetParam();
    const QString path = work_.filePath(picture_name(2));
    ASSERT_TRUE(fault.apply(path, good_[2]));

    // 30 degrees, 60 %, from 30 degrees: the water passes the picture-2 stage near 17 degrees.
    {
        PipeWatchdog watchdog(path);
        w_->Command1->click();
        for (int ticks = 1; codes_.empty() && ticks < 41; ++ticks)
            w_->Timer1->fire();
        EXPECT_FALSE(watchdog.hung()) << "the redraw waited on the named pipe";
    }
    ASSERT_EQ(codes_.size(), 1u) << "no report when the redraw needed " << fault.name;
    EXPECT_EQ(codes_[0], fault.not_found ? ErrorCode::FileNotFound : ErrorCode::InvalidPicture);
    const QString report = reports_[0];
    EXPECT_TRUE(report.contains(fault.not_found ? QStringLiteral("53") : QStringLiteral("481")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(picture_name(2))) << report.toStdString();

    // The redraw ended at the picture: the model and the thermometer moved on to 19 degrees,
    // the first with more than 2 g condensed (1824 - 1620), the cup did not.
    const auto& a = w_->air;
    EXPECT_EQ(w_->t1->caption(), "19");
    EXPECT_EQ(a.vapor_now, 1620);
    EXPECT_EQ(a.howa_gap, 204);
    EXPECT_TRUE(w_->Picture2->client().picture() == picture(1)) << "the cup picture changed";
    EXPECT_TRUE(w_->Timer1->enabled());
    EXPECT_LT(peak_rss_kb(), 300L * 1024 * testing::kSlowdown);

    // With the file back, the next tick (18 degrees, 2.84 g condensed) draws the second cup.
    testing::clear_path(path);
    ASSERT_TRUE(testing::write_file(path, good_[2]));
    w_->Timer1->fire();
    EXPECT_EQ(codes_.size(), 1u);
    EXPECT_EQ(w_->air.howa_gap, 284);
    EXPECT_TRUE(w_->Picture2->client().picture() == picture(2));
}

INSTANTIATE_TEST_SUITE_P(Faults, PictureBreaksDuringRun, ::testing::ValuesIn(testing::kPictureFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tesselka
