// The intro window: its layout, its page timeline and the hand-over to the simulation window.

#include "support/window_fixture.h"

#include "app/application.h"
#include "app/lesson.h"
#include "platform/app_info.h"
#include "forms/picture.h"
#include "intro/start_view.h"
#include "screen/colors.h"

#include <QApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace tesselka;
using intro::StartView;

namespace {

std::vector<bool> captions_shown(const StartView& v)
{
    std::vector<bool> out;
    for (int i = 0; i < 6; ++i)
        out.push_back(v.Label1(i).visible());
    return out;
}

std::vector<bool> first(int n)
{
    std::vector<bool> out(6, false);
    for (int i = 0; i < n; ++i)
        out[i] = true;
    return out;
}

bool shows(const StartView& v, int page)
{
    return v.Picture1->client().picture() == forms::load_picture(QStringLiteral("%1.jpg").arg(page));
}

// The intro's tests run with the reports captured; a report nobody expected fails the test.
class Intro : public tesselka::testing::Captured {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(errors.empty()) << "the uncaught-error report was called";
        Captured::TearDown();
    }
};

}  // namespace

TEST_F(Intro, LaidOutAt374By278WithOnlyTheFirstCaption)
{
    StartView v;
    EXPECT_EQ(v.size(), QSize(374, 278));
    EXPECT_EQ(v.minimumSize(), v.maximumSize());
    EXPECT_EQ(v.windowTitle(), "Tesselka(start)");
    EXPECT_EQ(v.Command1->text(), QString::fromUtf8("次へ"));
    EXPECT_EQ(v.Command1->geometry(), QRect(264, 240, 73, 25));
    EXPECT_EQ(v.Picture1->geometry(), QRect(8, 48, 145, 209));
    EXPECT_EQ(v.Label1(5).top(), 3120);
    EXPECT_EQ(v.Label1(4).height(), 375);
    EXPECT_EQ(v.Label1(4).caption(), QString::fromUtf8("コップについた水滴はどこからきたのでしょう。"));
    EXPECT_EQ(captions_shown(v), first(1));
    EXPECT_FALSE(v.Timer1->enabled());
    EXPECT_EQ(v.Timer1->interval(), 800);
}

TEST_F(Intro, LoadWritesTheVersionAndCopyrightAndStartsTheTimer)
{
    StartView v;
    v.load();
    EXPECT_EQ(v.copyright->caption(), "ver." TESSELKA_VERSION "  " + platform::legal_copyright());
    EXPECT_EQ(v.slide_no, 0);
    EXPECT_TRUE(shows(v, 0));
    EXPECT_TRUE(v.Timer1->enabled());
}

TEST_F(Intro, PagesAccumulateCaptionsAndShowTheLatestPicture)
{
    StartView v;
    v.load();
    const QImage at_load = v.grab().toImage();
    const struct { int captions, picture, slide_no; bool timer; } ticks[] = {
        {1, 0, 1, true}, {2, 1, 2, true}, {3, 2, 3, true},
        {4, 3, 4, true}, {5, 4, 5, true}, {6, 5, 5, false},
    };
    int n = 0;
    for (const auto& t : ticks) {
        v.Timer1->fire();
        ++n;
        EXPECT_EQ(captions_shown(v), first(t.captions)) << "tick " << n;
        EXPECT_TRUE(shows(v, t.picture)) << "tick " << n;
        EXPECT_EQ(v.slide_no, t.slide_no) << "tick " << n;
        EXPECT_EQ(v.Timer1->enabled(), t.timer) << "tick " << n;
        if (n == 1) {
            EXPECT_EQ(v.grab().toImage(), at_load) << "the first tick changes nothing that shows";
        }
    }
    const QImage finished = v.grab().toImage();
    v.Timer1->fire();  // a stray tick after the last page
    EXPECT_EQ(v.slide_no, 5);
    EXPECT_EQ(v.grab().toImage(), finished);
}

TEST_F(Intro, TheKeyboardFocusIsOnNext)
{
    StartView v;
    v.load();
    v.show();
    v.Command1->setFocus();
    QApplication::setActiveWindow(&v);
    EXPECT_EQ(QApplication::focusWidget(), v.Command1);
    EXPECT_TRUE(v.Command1->isDefault());
}

TEST_F(Intro, ClosingStopsThePagesAndCreatesNothing)
{
    StartView v;
    bool handed_over = false;
    v.on_next([&] { handed_over = true; });
    v.load();
    v.show();
    v.close();
    EXPECT_FALSE(v.isVisible());
    EXPECT_FALSE(v.Timer1->enabled());
    EXPECT_FALSE(handed_over);
}

TEST_F(Intro, NextBeforeTheLastPageHandsOverToTheSimulationWindow)
{
    auto* v = new StartView;
    v->setAttribute(Qt::WA_DeleteOnClose);
    run::MainWindow* main = nullptr;
    v->on_next([&] { main = app::hand_over(v); });
    v->load();
    v->show();
    v->Timer1->fire();
    v->Timer1->fire();
    v->Command1->click();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(v->isVisible());
    EXPECT_FALSE(v->Timer1->enabled());
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isModal());
    // Loaded before it showed: the reset's vapour, the circles it drew and the version.
    EXPECT_EQ(main->air.vapor0, 1824);
    EXPECT_EQ(main->air.howa_now, 3040);
    EXPECT_EQ(main->mizu(18).fill_color(), screen::kVapourCyan);
    EXPECT_EQ(main->mizu(30).fill_color(), screen::kRoomYellow);
    EXPECT_FALSE(main->mizu(31).visible());
    EXPECT_EQ(main->version->caption(), "ver." TESSELKA_VERSION);
    EXPECT_TRUE(QGuiApplication::quitOnLastWindowClosed());
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
