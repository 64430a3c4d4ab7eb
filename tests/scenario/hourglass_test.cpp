// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The hourglass: 7 twips a tick, a tick every 1/64 s, full at 4815 twips.
#include <gtest/gtest.h>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

constexpr int kTicksToFull = 688;  // 7 x 688 is the first multiple of 7 to reach 4815

TEST(HourglassScenario, RunsOutOnThe688thTickAfterAPlacement) {
    Scenario s;
    s.start();
    // Halfway between two ticks, so the next tick is the first of the new countdown.
    s.sim.at(1 + kTick / 2, [&] { s.place("DOT", kRed, 0); });
    const double due = 1 + kTicksToFull * kTick;

    s.sim.runFor(due - kTick / 2);
    EXPECT_EQ(s.effects("theQuazzle"), 0);
    EXPECT_EQ(s.state().hourglassFill, (kTicksToFull - 1) * 7);

    s.sim.runFor(kTick);
    EXPECT_EQ(s.effectTimes("theQuazzle"), std::vector<double>{due});
}

TEST(HourglassScenario, PlacementOneTickBeforeFullKeepsTheGameGoing) {
    Scenario s;
    s.start();
    const double rescue = (kTicksToFull - 1) * kTick + kTick / 2;
    double fillBefore = 0;
    s.sim.at(rescue, [&] {
        fillBefore = s.state().hourglassFill;
        s.place("DOT", kRed, 0);
    });
    const double due = (2 * kTicksToFull - 1) * kTick;

    s.sim.runFor(due - kTick / 2);
    EXPECT_EQ(fillBefore, (kTicksToFull - 1) * 7);
    EXPECT_EQ(s.effects("theQuazzle"), 0);

    s.sim.runFor(kTick);
    EXPECT_EQ(s.effectTimes("theQuazzle"), std::vector<double>{due});
}

TEST(HourglassScenario, KeepsRunningThroughALineClear) {
    Scenario s;
    s.start();
    s.sim.runFor(1);
    s.paint("rrrr.rrrrr");
    const int ticks = s.sim.ticks[0];
    s.place("DOT", kRed, 4);

    ASSERT_EQ(s.effects("theScore"), 1);
    const int during = s.sim.ticks[0] - ticks;
    EXPECT_GE(during, 12) << "ten flashes of 0.02 s";
    EXPECT_EQ(s.state().hourglassFill, 7 * during) << "emptied by the placement, then ticking";
}

}  // namespace
}  // namespace quazzle::scenario
