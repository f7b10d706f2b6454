// The run-time error path, control arrays and the interval timer.

#include "forms/control_array.h"
#include "forms/error_report.h"
#include "forms/timer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tesselka::forms {
namespace {

// Puts a reporter that records in place of the one that ends the program, and puts the one
// before back when done.
class ReportCatcher {
public:
    ReportCatcher()
        : previous_(set_error_reporter([this](const RuntimeError& e) { reports.push_back(e); }))
    {
    }
    ~ReportCatcher() { set_error_reporter(std::move(previous_)); }
    ReportCatcher(const ReportCatcher&) = delete;
    ReportCatcher& operator=(const ReportCatcher&) = delete;

    std::vector<RuntimeError> reports;

private:
    ErrorReporter previous_;
};

struct ThrowCase {
    const char* name;
    std::function<void()> handler;
    ErrorCode code;
    std::string detail;
};

class Guard : public testing::TestWithParam<ThrowCase> {};

TEST_P(Guard, ReportsWhatTheHandlerRaisedAndNothingEscapes)
{
    ReportCatcher catcher;
    EXPECT_NO_THROW(run_guarded(GetParam().handler));
    ASSERT_EQ(catcher.reports.size(), 1u);
    EXPECT_EQ(catcher.reports[0].code(), GetParam().code);
    EXPECT_EQ(catcher.reports[0].detail(), GetParam().detail);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, Guard,
    testing::Values(
        ThrowCase{"runtime_error", [] { throw RuntimeError(ErrorCode::Overflow, "x * y"); },
                  ErrorCode::Overflow, "x * y"},
        ThrowCase{"std_exception", [] { throw std::out_of_range("table row 99"); },
                  ErrorCode::Internal, "table row 99"},
        ThrowCase{"bad_alloc", [] { throw std::bad_alloc(); }, ErrorCode::Internal,
                  std::bad_alloc().what()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GuardState, HandlerStopsAtTheFailingStepAndKeepsWhatItSet)
{
    ReportCatcher catcher;
    int before = 0, after = 0;
    run_guarded([&] {
        before = 7;
        throw RuntimeError(ErrorCode::TypeMismatch, "abc");
        after = 7;
    });
    EXPECT_EQ(before, 7);
    EXPECT_EQ(after, 0);
    run_guarded([&] { after = 1; });  // one that succeeds reports nothing
    EXPECT_EQ(after, 1);
    EXPECT_EQ(catcher.reports.size(), 1u);
}

TEST(GuardState, GuardedSlotReportsToTheLatestReporterThenTheOneBefore)
{
    ReportCatcher outer;
    {
        ReportCatcher inner;
        QObject sender;
        QObject::connect(&sender, &QObject::objectNameChanged, &sender, guarded([] {
                             throw RuntimeError(ErrorCode::SubscriptOutOfRange, "ssp(3)");
                         }));
        sender.setObjectName(QStringLiteral("a"));  // the signal's argument is ignored
        ASSERT_EQ(inner.reports.size(), 1u);
        EXPECT_EQ(inner.reports[0].code(), ErrorCode::SubscriptOutOfRange);
    }
    run_guarded([] { throw RuntimeError(ErrorCode::Overflow, "outer"); });
    ASSERT_EQ(outer.reports.size(), 1u);
    EXPECT_EQ(outer.reports[0].detail(), "outer");
}

struct MessageCase {
    ErrorCode code;
    const char* number;
    const char* meaning;
};

class Message : public testing::TestWithParam<MessageCase> {};

TEST_P(Message, HasNumberMeaningAndDetail)
{
    const MessageCase& m = GetParam();
    const QString bare = QStringLiteral("実行時エラー '%1':\n\n").arg(QString::fromUtf8(m.number)) +
                         QString::fromUtf8(m.meaning);
    EXPECT_EQ(error_message(RuntimeError(m.code, "")), bare) << "no empty brackets for no detail";
    // The detail is shown as it is, even where it looks like a placeholder.
    EXPECT_EQ(error_message(RuntimeError(m.code, "水滴 %1 (x)")),
              bare + QStringLiteral("\n(水滴 %1 (x))"));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Message,
    testing::Values(MessageCase{ErrorCode::Overflow, "6", "オーバーフローしました。"},
                    MessageCase{ErrorCode::SubscriptOutOfRange, "9",
                                "インデックスが有効範囲にありません。"},
                    MessageCase{ErrorCode::TypeMismatch, "13", "型が一致しません。"},
                    MessageCase{ErrorCode::Internal, "51", "内部エラーです。"},
                    MessageCase{ErrorCode::FileNotFound, "53", "ファイルが見つかりません。"},
                    MessageCase{ErrorCode::MissingMember, "340",
                                "コントロール配列の要素が存在しません。"},
                    MessageCase{ErrorCode::InvalidPicture, "481", "ピクチャが無効です。"}));

TEST(ControlArray, MemberOutsideTheArrayIsMissing)
{
    int a = 1, b = 2, c = 3;
    ControlArray<int> ssp("ssp");
    EXPECT_THROW(ssp(0), RuntimeError);
    for (int* m : {&a, &b, &c})
        ssp.push_back(*m);
    EXPECT_EQ(&ssp(0), &a);
    EXPECT_EQ(&ssp(2), &c);
    for (int index : {3, -1, INT_MAX, INT_MIN}) {
        try {
            ssp(index);
            ADD_FAILURE() << "no error for index " << index;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::MissingMember);
            EXPECT_EQ(e.detail(), "ssp(" + std::to_string(index) + ")");
        }
    }
}

// Lets `ms` pass without running the event loop, so that every timer due by then is overdue,
// then runs what is due. A timer counting from before the pause always ticks here; one that
// started counting afresh after it does not.
void pause_then_run_due(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

TEST(Timer, EnablingARunningTimerKeepsItsCountdown)
{
    Timer timer(nullptr, 300);
    int ticks = 0;
    timer.on_timer([&] { ++ticks; });
    timer.set_enabled(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    timer.set_enabled(true);  // due at 300 ms still, not at 500
    pause_then_run_due(150);
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(timer.enabled());
}

TEST(Timer, DisabledTimerDoesNotTick)
{
    Timer running(nullptr, 10), stopped(nullptr, 10);
    int running_ticks = 0, stopped_ticks = 0;
    running.on_timer([&] { ++running_ticks; });
    stopped.on_timer([&] { ++stopped_ticks; });
    stopped.set_enabled(true);
    running.set_enabled(true);
    stopped.set_enabled(false);
    pause_then_run_due(50);
    EXPECT_GE(running_ticks, 1);
    EXPECT_EQ(stopped_ticks, 0);
}

TEST(Timer, FireRunsTheHandlerThroughTheGuard)
{
    ReportCatcher catcher;
    Timer timer(nullptr, 1000);
    timer.fire();  // no handler yet: nothing happens
    timer.on_timer([] { throw std::logic_error("no table"); });
    EXPECT_NO_THROW(timer.fire());
    ASSERT_EQ(catcher.reports.size(), 1u);
    EXPECT_EQ(catcher.reports[0].code(), ErrorCode::Internal);
    EXPECT_FALSE(timer.enabled()) << "firing by hand does not start the timer";
}

// The program's own report, up to its end: every timer stops before the message shows, a second
// error while the message is up goes to standard error only, and the program ends with status 1.
TEST(ErrorReport, StopsEveryTimerShowsOneMessageAndEndsWithStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto lesson = [] {
        Timer cooling(nullptr, 20), pages(nullptr, 30);
        int ticks = 0, dialogs = 0;
        cooling.on_timer([&] { ++ticks; });
        pages.on_timer([&] { ++ticks; });
        cooling.set_enabled(true);
        pages.set_enabled(true);
        set_report_dialog([&](const QString&) {
            ++dialogs;
            // The message box waits for the pupil in an event loop of its own.
            QEventLoop loop;
            QTimer::singleShot(300, &loop, &QEventLoop::quit);
            loop.exec();
            if (dialogs == 1)
                run_guarded([] { throw RuntimeError(ErrorCode::FileNotFound, "2.jpg"); });
            std::fprintf(stderr, "dialogs=%d ticks=%d running=%d\n", dialogs, ticks,
                         cooling.enabled() || pages.enabled());
        });
        run_guarded([] { throw RuntimeError(ErrorCode::FileNotFound, "1.jpg"); });
        std::fprintf(stderr, "the program went on\n");
        std::exit(0);
    };
    EXPECT_EXIT(lesson(), testing::ExitedWithCode(1),
                "tesselka: [^\n]*\n\n[^\n]*\n\\(1\\.jpg\\)\n"
                "tesselka: [^\n]*\n\n[^\n]*\n\\(2\\.jpg\\)\n"
                "dialogs=1 ticks=0 running=0\n$");
}

}  // namespace
}  // namespace tesselka::forms
