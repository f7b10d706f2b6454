// The saturated-vapour table and the air quantities, against hand-checked examples.

#include "model/air.h"
#include "model/howa_table.h"
#include "model/runtime_error.h"
#include "support/reference_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tesselka;
using tesselka::model::Air;
using tesselka::model::HowaTable;
using tesselka::testing::saturated;

namespace {

HowaTable filled()
{
    HowaTable t;
    t.fill();
    return t;
}

ErrorCode error_of(auto&& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.code();
    }
    ADD_FAILURE() << "no error raised";
    return ErrorCode::Overflow;
}

}  // namespace

TEST(HowaTable, HoldsEveryValueOfTheTextbookTable)
{
    const auto t = filled();
    for (int celsius = -10; celsius <= 40; ++celsius) {
        EXPECT_EQ(t(celsius + 10), saturated(celsius)) << celsius;
        EXPECT_EQ(t.at_temperature(celsius), saturated(celsius)) << celsius;
    }
}

TEST(HowaTable, IndexRoundsHalfToEvenAndIsChecked)
{
    EXPECT_EQ(HowaTable::index_of(40.5), 50);
    EXPECT_EQ(HowaTable::index_of(25.5), 36);
    EXPECT_EQ(HowaTable::index_of(24.5), 34);
    EXPECT_EQ(HowaTable::index_of(-10.5), 0);
    for (double t : {40.6, -10.6, 41.0, -11.0, 1e300, -1e300})
        EXPECT_EQ(error_of([&] { HowaTable::index_of(t); }), ErrorCode::SubscriptOutOfRange) << t;
    const auto table = filled();
    EXPECT_EQ(error_of([&] { table(51); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(error_of([&] { table(-1); }), ErrorCode::SubscriptOutOfRange);
}

struct RunCase {
    double kion, situdo, t0;
    double vapor0;
    int reset_gap;         // vapor0 - the saturated amount at t0, not yet clamped
    int first_condensing;  // first whole degree with condensation (t0 + 1 if already at reset)
    int first_gap;
};

class AirRun : public ::testing::TestWithParam<RunCase> {};

// Cools from t0 to -10 and checks the first condensation and the invariant after every step.
TEST_P(AirRun, CondensesFromTheFirstDegreeBelowTheStartVapour)
{
    const auto c = GetParam();
    const auto table = filled();
    Air air;
    air.reset(table, c.kion, c.situdo, c.t0);
    EXPECT_EQ(air.vapor0, c.vapor0);
    EXPECT_EQ(air.vapor_now, c.vapor0);
    EXPECT_EQ(air.howa_gap, c.reset_gap);
    int first = 999;
    for (int t = static_cast<int>(c.t0); t >= -10; --t) {
        air.step(table, t);
        const double held = std::min<double>(c.vapor0, saturated(t));
        EXPECT_EQ(air.howa_now, saturated(t)) << t;
        EXPECT_EQ(air.vapor_now, held) << t;
        EXPECT_EQ(air.howa_gap, c.vapor0 - held) << t;
        if (air.howa_gap > 0 && first == 999) {
            first = t;
            EXPECT_EQ(air.howa_gap, c.first_gap) << t;
        }
    }
    EXPECT_EQ(first, c.first_condensing);
}

INSTANTIATE_TEST_SUITE_P(Examples, AirRun, ::testing::Values(
    RunCase{30, 60, 30, 1824, -1216, 20, 104},
    RunCase{40, 90, 40, 4608, -512, 37, 208},
    RunCase{20, 50, 20, 860, -860, 8, 30},
    RunCase{30, 90, 20, 2736, 1016, 20, 1016},  // water already below the dew point at reset
    RunCase{0, 10, 0, 48, -432, 999, 0}));      // never condenses

TEST(Air, ResetFloorsTheVapourAndLeavesTheGapUnclamped)
{
    const auto table = filled();
    Air air;
    air.reset(table, 0, 33, 0);
    EXPECT_EQ(air.vapor0, 158);  // floor(33 * 480 / 100) = floor(158.4)
    air.reset(table, 0, 37, 0);
    EXPECT_EQ(air.vapor0, 177);  // floor(177.6): cut, not rounded to 178
    EXPECT_EQ(air.vapor_now, 177);
    air.reset(table, 24.5, 50, 0);
    EXPECT_EQ(air.vapor0, 1090);  // 24.5 degrees reads the row of 24 (halves to even): 2180 / 2
    air.reset(table, 30, 60, 30);
    EXPECT_EQ(air.howa_now, 3040);
    EXPECT_EQ(air.howa_gap, -1216);
    air.step(table, 30);
    EXPECT_EQ(air.howa_gap, 0);
    air.step(table, -10);
    EXPECT_EQ(air.vapor_now, 240);
    EXPECT_EQ(air.howa_gap, 1584);
}

TEST(Air, EveryListedInputFollowsTheTable)
{
    const auto table = filled();
    for (int kion = 0; kion <= 40; kion += 5)
        for (int situdo = 10; situdo <= 90; situdo += 10)
            for (int t0 = 0; t0 <= 40; t0 += 5) {
                Air air;
                air.reset(table, kion, situdo, t0);
                // Listed humidities and table values are multiples of 10: nothing to cut.
                const int vapor0 = situdo * saturated(kion) / 100;
                ASSERT_EQ(air.vapor0, vapor0) << kion << " " << situdo;
                for (int t = t0; t >= -10; --t) {
                    air.step(table, t);
                    ASSERT_EQ(air.vapor_now, std::min(vapor0, saturated(t)));
                    ASSERT_EQ(air.howa_gap, std::max(0, vapor0 - saturated(t)));
                }
            }
}

TEST(Air, AnErrorPartWayKeepsWhatWasSetBefore)
{
    const auto table = filled();
    Air air;
    air.reset(table, 30, 60, 30);
    EXPECT_EQ(error_of([&] { air.reset(table, 30, 50, 41); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(air.vapor_now, 1520);  // set before the water temperature failed
    EXPECT_EQ(air.vapor0, 1824);     // not reached
    // A humidity far above 100 % makes a gap beyond 16 bits.
    EXPECT_EQ(error_of([&] { air.reset(table, 40, 1000, -10); }), ErrorCode::Overflow);
    EXPECT_EQ(air.vapor0, 51200);
}
