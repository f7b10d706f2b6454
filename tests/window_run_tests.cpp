// The run controller: the load, the state table of the buttons, lists, speeds and ticks, and the
// check of typed input.

#include "support/reference_tables.h"
#include "support/window_fixture.h"

#include "platform/app_info.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

using namespace tesselka;
using tesselka::testing::WindowTest;

using RunTest = WindowTest;

TEST_F(RunTest, LoadEndsReadyWithTheDesignInputs)
{
    EXPECT_EQ(water(), "30");
    EXPECT_FALSE(w->Timer1->enabled());
    EXPECT_TRUE(w->ssp(1).isChecked());
    EXPECT_EQ(w->Timer1->interval(), 1000);
    EXPECT_EQ(w->air.vapor0, 1824);
    EXPECT_EQ(w->air.vapor_now, 1824);
    EXPECT_EQ(w->air.howa_now, 3040);
    EXPECT_EQ(w->air.howa_gap, 0);
    EXPECT_EQ(w->version->caption(), "ver." TESSELKA_VERSION);
    EXPECT_EQ(w->copyright->caption(), platform::legal_copyright());
    EXPECT_FALSE(platform::legal_copyright().isEmpty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, StartTicksAtOnceAndEachTickCoolsOneDegree)
{
    w->Command1->click();
    EXPECT_EQ(water(), "29");
    EXPECT_TRUE(w->Timer1->enabled());
    w->Timer1->fire();
    EXPECT_EQ(water(), "28");
    w->Command1->click();  // while cooling: one extra tick at once
    EXPECT_EQ(water(), "27");
    EXPECT_TRUE(w->Timer1->enabled());
}

TEST_F(RunTest, StopPausesAndStartResumesWithOneTick)
{
    w->Command1->click();
    w->Timer1->fire();
    w->Command2->click();
    EXPECT_FALSE(w->Timer1->enabled());
    EXPECT_EQ(water(), "28");
    const double gap = w->air.howa_gap, vapour = w->air.vapor_now;
    w->Command2->click();  // stopping again changes nothing
    EXPECT_EQ(water(), "28");
    EXPECT_EQ(w->air.vapor_now, vapour);
    EXPECT_EQ(w->air.howa_gap, gap);
    w->Command1->click();
    EXPECT_EQ(water(), "27");
    EXPECT_TRUE(w->Timer1->enabled());
}

TEST_F(RunTest, RestartMidRunResetsAndRunsWithoutAnImmediateTick)
{
    w->Command1->click();
    for (int i = 0; i < 12; ++i)
        w->Timer1->fire();
    EXPECT_EQ(water(), "17");
    EXPECT_GT(w->air.howa_gap, 0);
    w->Command3->click();
    EXPECT_EQ(water(), "30");
    EXPECT_TRUE(w->Timer1->enabled());
    EXPECT_EQ(w->air.howa_gap, 0);
    w->Timer1->fire();
    EXPECT_EQ(water(), "29");
}

TEST_F(RunTest, AListPickDuringARunStopsAndResets)
{
    w->Command1->click();
    w->Timer1->fire();
    pick(w->kion, "20");
    EXPECT_FALSE(w->Timer1->enabled());
    EXPECT_EQ(water(), "30");
    EXPECT_EQ(w->air.vapor0, 1032);  // 60 % of 1720
    w->Command1->click();
    pick(w->t0, "10");
    EXPECT_FALSE(w->Timer1->enabled());
    EXPECT_EQ(water(), "10");
    EXPECT_EQ(w->air.howa_gap, 1032 - 940);
}

TEST_F(RunTest, SpeedFollowsTheSelectedOptionAndKeepsTheRunGoing)
{
    w->Command1->click();
    w->ssp(2).click();
    EXPECT_EQ(w->Timer1->interval(), 500);
    EXPECT_TRUE(w->Timer1->enabled());
    w->ssp(0).click();
    EXPECT_EQ(w->Timer1->interval(), 2000);
    w->ssp(1).click();
    EXPECT_EQ(w->Timer1->interval(), 1000);
    EXPECT_TRUE(w->Timer1->enabled());
    EXPECT_EQ(water(), "29");
    // The handler looks at the selection, not at the index it is given.
    w->ssp(2).setChecked(true);
    w->ssp_Click(0);
    EXPECT_EQ(w->Timer1->interval(), 500);
}

TEST_F(RunTest, ARunFromThirtyEndsAtMinusTenAndResetsOnTheNextTick)
{
    w->Command1->click();
    for (int i = 0; i < 39; ++i)
        w->Timer1->fire();
    EXPECT_EQ(water(), "-10");
    EXPECT_EQ(w->air.vapor_now, 240);
    EXPECT_EQ(w->air.howa_gap, 1584);
    EXPECT_TRUE(w->Timer1->enabled());
    w->Timer1->fire();
    EXPECT_EQ(water(), "30");
    EXPECT_FALSE(w->Timer1->enabled());
    EXPECT_EQ(w->air.howa_gap, 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, ARunFromZeroShowsMinusOneAtOnce)
{
    pick(w->t0, "0");
    w->Command1->click();
    EXPECT_EQ(water(), "-1");
    for (int i = 0; i < 9; ++i)
        w->Timer1->fire();
    EXPECT_EQ(water(), "-10");
    w->Timer1->fire();
    EXPECT_EQ(water(), "0");
    EXPECT_FALSE(w->Timer1->enabled());
}

TEST_F(RunTest, AFractionalStartCoolsToMinusNinePointFiveThenResets)
{
    pick(w->t0, "25.5");
    EXPECT_EQ(water(), "25.5");
    w->Command1->click();
    // 24.5 down to -9.5 (-8.5 is not below -9, so one more step), each at the table row its
    // temperature rounds to, halves to the even degree.
    for (double t = 24.5; t >= -9.5; --t) {
        EXPECT_EQ(water(), QString::number(t));
        const int row = tesselka::testing::saturated(static_cast<int>(std::nearbyint(t)));
        EXPECT_EQ(w->air.howa_now, row) << t;
        EXPECT_EQ(w->air.howa_gap, std::max(0, 1824 - row)) << t;
        EXPECT_TRUE(w->Timer1->enabled()) << t;
        if (t > -9.5)
            w->Timer1->fire();
    }
    EXPECT_EQ(w->air.howa_now, 240);  // -9.5 reads the row of -10
    w->Timer1->fire();
    EXPECT_EQ(water(), "25.5");
    EXPECT_FALSE(w->Timer1->enabled());
    EXPECT_EQ(w->air.howa_now, 2440);  // 25.5 reads the row of 26
    EXPECT_EQ(w->air.howa_gap, 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, StartWhilePausedAtMinusTenGoesBackToReady)
{
    pick(w->t0, "0");
    w->Command1->click();
    for (int i = 0; i < 9; ++i)
        w->Timer1->fire();
    w->Command2->click();
    w->Command1->click();
    EXPECT_EQ(water(), "0");
    EXPECT_FALSE(w->Timer1->enabled());
}

TEST_F(RunTest, EndClosesTheWindow)
{
    w->show();
    ASSERT_TRUE(w->isVisible());
    w->owari->click();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(RunTest, ABadTickTextGoesToTheErrorReport)
{
    w->t1->set_caption("abc");
    w->Timer1->fire();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], ErrorCode::TypeMismatch);
}

// Typed input: a bad value never ends the lesson.

struct BadInput {
    const char* list;  // "kion", "situdo" or "t0"
    const char* text;
    const char* field;  // the word the message must name
};

class TypedInputTest : public WindowTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(TypedInputTest, GoesBackToTheLastAcceptedValueWithAMessage)
{
    const auto c = GetParam();
    forms::ComboBox* list = c.list == std::string("kion")     ? w->kion
                            : c.list == std::string("situdo") ? w->situdo
                                                              : w->t0;
    const QString before = list->text();
    w->Command1->click();
    pick(list, QString::fromUtf8(c.text));
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QString::fromUtf8(c.field))) << messages[0].toStdString();
    EXPECT_FALSE(timer_running_at_message[0]);
    EXPECT_EQ(list->text(), before);
    EXPECT_EQ(list->count(), 9);
    // The reset went on with the accepted values.
    EXPECT_EQ(water(), "30");
    EXPECT_EQ(w->air.vapor0, 1824);
    EXPECT_FALSE(w->Timer1->enabled());
}

INSTANTIATE_TEST_SUITE_P(Rejected, TypedInputTest, ::testing::Values(
    BadInput{"kion", "abc", "気温"}, BadInput{"kion", "45", "気温"}, BadInput{"kion", "", "気温"},
    BadInput{"kion", "-10.6", "気温"}, BadInput{"situdo", "101", "湿度"},
    BadInput{"situdo", "-5", "湿度"}, BadInput{"situdo", "六十", "湿度"},
    BadInput{"t0", "40.6", "水温"}, BadInput{"t0", "1e1", "水温"},
    BadInput{"t0", "99999999999999999999999", "水温"}));

TEST_F(RunTest, AcceptedTypedValuesRunAndAreWrittenPlainly)
{
    pick(w->t0, QString::fromUtf8(" ２５ "));
    EXPECT_EQ(w->t0->text(), "25");
    EXPECT_EQ(water(), "25");
    pick(w->t0, "-10");
    EXPECT_EQ(water(), "-10");
    pick(w->situdo, "100");
    EXPECT_EQ(w->air.vapor0, 3040);
    pick(w->situdo, "0");
    EXPECT_EQ(w->air.vapor0, 0);
    pick(w->kion, "40.5");
    EXPECT_EQ(w->kion->text(), "40.5");
    // Every full-width digit, as a Japanese input method types it.
    pick(w->situdo, QString::fromUtf8("５０"));
    pick(w->kion, QString::fromUtf8("３７"));
    EXPECT_EQ(w->air.vapor0, 2200);  // half of 4400
    pick(w->t0, QString::fromUtf8("９"));
    EXPECT_EQ(w->t0->text(), "9");
    EXPECT_EQ(w->air.howa_now, 880);
    pick(w->t0, QString::fromUtf8("１８"));
    EXPECT_EQ(water(), "18");
    pick(w->t0, QString::fromUtf8("２６"));
    EXPECT_EQ(w->air.howa_now, 2440);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, ARejectedValueGoesBackToTheLastAcceptedOneNotTheFirst)
{
    pick(w->kion, "20");
    pick(w->kion, "zz");
    EXPECT_EQ(w->kion->text(), "20");
    EXPECT_EQ(w->air.vapor0, 1032);
}

TEST_F(RunTest, BadTextInTwoListsGivesOneMessageNamingBoth)
{
    w->kion->set_text("abc");
    w->t0->set_text("50");
    forms::run_guarded([this] { w->reset_run(); });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QString::fromUtf8("気温"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QString::fromUtf8("水温"))) << messages[0].toStdString();
    EXPECT_FALSE(messages[0].contains(QString::fromUtf8("湿度"))) << messages[0].toStdString();
    EXPECT_EQ(w->kion->text(), "30");
    EXPECT_EQ(w->t0->text(), "30");
    EXPECT_EQ(water(), "30");
    EXPECT_EQ(w->air.vapor0, 1824);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, RestartWithABadValueShowsTheMessageBeforeTheTimerRuns)
{
    w->situdo->set_text("200");
    w->Command3->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(timer_running_at_message[0]);
    EXPECT_TRUE(w->Timer1->enabled());
    EXPECT_EQ(w->situdo->text(), "60");
}

TEST_F(RunTest, EnterInAListCountsAsPickingIt)
{
    w->Command1->click();
    w->t0->set_text("15");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w->t0->lineEdit(), &enter);
    EXPECT_EQ(water(), "15");
    EXPECT_FALSE(w->Timer1->enabled());
    EXPECT_EQ(w->t0->count(), 9);
}
